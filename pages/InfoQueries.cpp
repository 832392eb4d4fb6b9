#include "InfoQueries.h"

#include "device/AnswerFields.h"
#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"
#include "framework/TextCodec.h"

#include <QLineEdit>

namespace pages {

int QueryInfoFields(framework::FormBase& form, int code, int n, QByteArray* fields) {
    const QString name = QStringLiteral("GetFiscalInfo(%1)").arg(code);
    int count = 0;
    framework::BusySection busy(form);
    try {
        device::AnswerBuffer answer;
        if (framework::CheckResult(form, name, device::GetFiscalInfo(code, answer.data())))
            count = device::SplitFields(answer.text(), fields, n);
    } catch (const framework::Exception& e) {
        framework::ReportException(form, name, e);
    }
    return count;
}

QByteArray QueryInfoText(framework::FormBase& form, int code, QLineEdit* box) {
    QByteArray field;
    QueryInfoFields(form, code, 1, &field);
    if (box)
        box->setText(framework::FromDevice(framework::TrimRight(field)));
    return field;
}

bool RunQuery(framework::FormBase& form, const QString& name, int code, int fieldCount,
              const ShowFields& show) {
    device::AnswerBuffer answer;
    return framework::RunOperation(
        form, name, [&] { return device::GetFiscalInfo(code, answer.data()); },
        [&] {
            int count = 0;
            const std::vector<QByteArray> fields = device::SplitAnswer(answer.text(), fieldCount, &count);
            show(fields, count);
        });
}

} // namespace pages
