#include "Operations.h"

#include "MessageBox.h"
#include "TextCodec.h"
#include "device/DeviceLibrary.h"

#include <QLineEdit>

namespace framework {

void BeginBusy(FormBase&) {
    SetAppCursor(crHourGlass);
}

void EndBusy(FormBase& form) {
    SetAppCursor(form.FSavedCursor);
}

void ShowErrorBox(FormBase&, const QString& text, int style) {
    ShowMessageBox(QStringLiteral("Error"), text, style);
}

bool ConfirmAction(FormBase&, const QString& question) {
    return ShowMessageBox(QStringLiteral("Question"), question, mbYesNoQuestion) == idYes;
}

bool CheckResult(FormBase& form, const QString& name, int code) {
    if (code == 0)
        return true;
    ShowErrorBox(form, name + QStringLiteral(": error ") + QString::number(code), mbStop);
    return false;
}

void ReportException(FormBase& form, const QString& name, const Exception& e) {
    ShowErrorBox(form, name + QStringLiteral(": raised Exception. Message:\n") + e.message(), mbInformation);
}

int QueryInfoFields(FormBase& form, int code, int n, QByteArray* fields) {
    const QString name = QStringLiteral("GetFiscalInfo(%1)").arg(code);
    int count = 0;
    BusySection busy(form);
    try {
        device::AnswerBuffer answer;
        if (CheckResult(form, name, device::GetFiscalInfo(code, answer.data())))
            count = SplitFields(answer.text(), fields, n);
    } catch (const Exception& e) {
        ReportException(form, name, e);
    }
    return count;
}

QByteArray QueryInfoText(FormBase& form, int code, QLineEdit* box) {
    QByteArray field;
    QueryInfoFields(form, code, 1, &field);
    if (box)
        box->setText(FromDevice(TrimRight(field)));
    return field;
}

bool RunOperation(FormBase& form, const QString& resultName, const QString& exceptionName,
                  const std::function<int()>& call, const std::function<void()>& onSuccess) {
    BusySection busy(form);
    try {
        if (!CheckResult(form, resultName, call()))
            return false;
        if (onSuccess)
            onSuccess();
        return true;
    } catch (const Exception& e) {
        ReportException(form, exceptionName, e);
        return false;
    }
}

bool RunQuery(FormBase& form, const QString& name, int code, int fieldCount, const ShowFields& show) {
    device::AnswerBuffer answer;
    return RunOperation(
        form, name, [&] { return device::GetFiscalInfo(code, answer.data()); },
        [&] {
            int count = 0;
            const std::vector<QByteArray> fields = SplitAnswer(answer.text(), fieldCount, &count);
            show(fields, count);
        });
}

} // namespace framework
