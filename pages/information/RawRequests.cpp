#include "RawRequests.h"

#include "device/AnswerFields.h"
#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace framework;

namespace pages::information {

namespace {
// Both requests report under the library function's plain name.
const QString OperationName = QStringLiteral("GetFiscalInfo");
} // namespace

RawRequests::RawRequests(PageHost& host) : host_(host), form_(host.form()) {
    QWidget* page = host_.page(Page::Info);
    // Two request groups on the left, each a code (and a parameter) with its button; the answer's
    // five fields on the right.
    const QRect label(10, 20, 64, 20), edit(78, 20, 64, 20), button(150, 19, 82, 22);
    const QPoint nextRow(0, 26);
    QGroupBox* upper =
        ui::Group(page, QStringLiteral("GroupBoxRequest"), QStringLiteral("Request"), QRect(8, 8, 240, 48));
    ui::LabelIn(upper, QStringLiteral("Code"), label);
    RequestName = ui::Edit(upper, QStringLiteral("RequestName"), edit, QStringLiteral("0"));
    ui::Button(upper, QStringLiteral("Button11"), QStringLiteral("GetInfo"), button,
               [this] { Button11Click(); });

    QGroupBox* lower =
        ui::Group(page, QStringLiteral("GroupBoxRequest2"), QStringLiteral("Request"), QRect(8, 62, 240, 74));
    ui::LabelIn(lower, QStringLiteral("Code"), label);
    RequestName2 = ui::Edit(lower, QStringLiteral("RequestName2"), edit, QStringLiteral("0"));
    ui::LabelIn(lower, QStringLiteral("Parameter"), label.translated(nextRow));
    RequestName3 =
        ui::Edit(lower, QStringLiteral("RequestName3"), edit.translated(nextRow), QStringLiteral("0"));
    ui::Button(lower, QStringLiteral("Button12"), QStringLiteral("GetInfo2"), button,
               [this] { Button12Click(); });

    QGroupBox* answers =
        ui::Group(page, QStringLiteral("GroupBoxAnswer"), QStringLiteral("Answer"), QRect(256, 8, 420, 152));
    for (int i = 0; i < 5; ++i)
        answer_[i] =
            ui::Edit(answers, QStringLiteral("Answer%1").arg(i + 1), QRect(10, 20 + i * 25, 400, 20));
}

void RawRequests::ShowAnswer(const char* answer) {
    // Every box is written: a field the answer lacks empties its box.
    const std::vector<QByteArray> fields = device::SplitAnswer(answer, int(answer_.size()));
    for (std::size_t i = 0; i < answer_.size(); ++i)
        answer_[i]->setText(FromDevice(TrimRight(fields[i])));
}

void RawRequests::Button11Click() {
    device::AnswerBuffer answer;
    RunOperation(
        form_, OperationName,
        [&] {
            const int code = StrToInt(RequestName->text());
            return device::GetFiscalInfo(code, answer.data());
        },
        [&] { ShowAnswer(answer.text()); });
}

void RawRequests::Button12Click() {
    device::AnswerBuffer answer;
    RunOperation(
        form_, OperationName,
        [&] {
            const int parameter = StrToInt(RequestName3->text());
            const int code = StrToInt(RequestName2->text());
            return device::GetFiscalInfo2(code, parameter, answer.data());
        },
        [&] { ShowAnswer(answer.text()); });
}

} // namespace pages::information
