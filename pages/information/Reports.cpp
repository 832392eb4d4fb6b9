#include "Reports.h"

#include "InformationLayout.h"

#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/Widgets.h"

#include <QGroupBox>

using namespace framework;

namespace pages::information {

namespace {

const QString ZReportQuestion = QStringLiteral(
    "Z-report close current shift and clears shift data.\nAre You sure to proceed with operation ?");

struct ButtonSpec {
    const char* name;
    const char* caption;
    int width;
    void (Reports::*handler)();
};

// Buttons side by side filling a one-row group.
void buttonRow(QGroupBox* group, Reports* reports, std::initializer_list<ButtonSpec> buttons) {
    int x = 8;
    for (const ButtonSpec& b : buttons) {
        ui::Button(group, QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                   QRect(x, layout::FirstRow, b.width, 22),
                   [reports, handler = b.handler] { (reports->*handler)(); });
        x += b.width + 4;
    }
}

} // namespace

Reports::Reports(PageHost& host) : host_(host), form_(host.form()) {
    BuildTables();
    BuildReports();
    BuildPeriodicReports();
    // The fuel stock operations fill this group; the window hides it at start-up.
    GroupBox55 = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBox55"),
                           QStringLiteral("Tank Periodic Reports"), layout::TankPeriodicReports);
}

void Reports::BuildTables() {
    QGroupBox* group = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBoxTables"),
                                 QStringLiteral("Tables"), layout::Tables);
    buttonRow(group, this,
              {{"ButtonPrintVATTable", "Print VAT Table", 112, &Reports::ButtonPrintVATTableClick},
               {"ButtonPrintCurTable", "Print Currency Table", 132, &Reports::ButtonPrintCurTableClick},
               {"ButtonPrintCreditTable", "Print Credit Table", 116, &Reports::ButtonPrintCreditTableClick}});
}

void Reports::BuildReports() {
    QGroupBox* group = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBoxReports"),
                                 QStringLiteral("Reports"), layout::Reports);
    buttonRow(group, this,
              {{"ButtonXReport", "X Report", 118, &Reports::ButtonXReportClick},
               {"ButtonMiniXReport", "Mini X Report", 120, &Reports::ButtonMiniXReportClick},
               {"ButtonZReport", "Z Report", 122, &Reports::ButtonZReportClick}});
}

void Reports::BuildPeriodicReports() {
    QGroupBox* group = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBoxPeriodicReports"),
                                 QStringLiteral("Periodic Reports"), layout::PeriodicReports);
    // Two blocks, each a line of "From"/"To" inputs over a line of two buttons.
    const int fromX = 104, firstX = 134, toX = 238, lastX = 258, inputWidth = 96;
    const int buttonWidth = 186, secondButtonX = 8 + buttonWidth + 6;
    auto inputLine = [&](const QString& title, int y) {
        ui::LabelIn(group, title, QRect(8, y, 94, layout::RowHeight));
        ui::LabelIn(group, QStringLiteral("From"), QRect(fromX, y, 28, layout::RowHeight));
        ui::LabelIn(group, QStringLiteral("To"), QRect(toX, y, 18, layout::RowHeight));
    };

    const int dateY = 20, dateButtonsY = 44;
    inputLine(QStringLiteral("Period:"), dateY);
    PeriodDate1 = ui::DatePicker(group, QStringLiteral("PeriodDate1"),
                                 QRect(firstX, dateY, inputWidth, layout::RowHeight), {});
    PeriodDate2 = ui::DatePicker(group, QStringLiteral("PeriodDate2"),
                                 QRect(lastX, dateY, inputWidth, layout::RowHeight), {});
    ui::Button(group, QStringLiteral("ButtonSumPeriodicReport"), QStringLiteral("Sum Periodic Report"),
               QRect(8, dateButtonsY, buttonWidth, 22), [this] { ButtonSumPeriodicReportClick(); });
    ui::Button(group, QStringLiteral("ButtonPeriodicReport"), QStringLiteral("Periodic Report"),
               QRect(secondButtonX, dateButtonsY, buttonWidth, 22), [this] { ButtonPeriodicReportClick(); });

    const int numberY = 72, numberButtonsY = 96;
    inputLine(QStringLiteral("Report Numbers"), numberY);
    UpDownPeriodicNumber1 =
        ui::SpinEdit(group, QStringLiteral("PeriodicNumber1"), QStringLiteral("UpDownPeriodicNumber1"),
                     QRect(firstX, numberY, inputWidth, layout::RowHeight), 0, 10000, 0);
    UpDownPeriodicNumber2 =
        ui::SpinEdit(group, QStringLiteral("PeriodicNumber2"), QStringLiteral("UpDownPeriodicNumber2"),
                     QRect(lastX, numberY, inputWidth, layout::RowHeight), 0, 10000, 0);
    ui::Button(group, QStringLiteral("ButtonPrintSumPeriodicReportByNumber"),
               QStringLiteral("Sum Periodic Report by number"), QRect(8, numberButtonsY, buttonWidth, 22),
               [this] { ButtonPrintSumPeriodicReportByNumberClick(); });
    ui::Button(group, QStringLiteral("ButtonPeriodicReportByNumber"),
               QStringLiteral("Periodic Report by number"),
               QRect(secondButtonX, numberButtonsY, buttonWidth, 22),
               [this] { ButtonPeriodicReportByNumberClick(); });
}

void Reports::ButtonPrintVATTableClick() {
    RunOperation(form_, QStringLiteral("PrintVatTable"), [] { return device::PrintVatTable(); });
}

void Reports::ButtonPrintCurTableClick() {
    RunOperation(form_, QStringLiteral("PrintCurrencyTable"), [] { return device::PrintCurrencyTable(); });
}

void Reports::ButtonPrintCreditTableClick() {
    RunOperation(form_, QStringLiteral("PrintCreditTable"), [] { return device::PrintCreditTable(); });
}

void Reports::ButtonXReportClick() {
    RunOperation(form_, QStringLiteral("PrintXReport"), [] { return device::PrintXReport(); });
}

void Reports::ButtonMiniXReportClick() {
    RunOperation(form_, QStringLiteral("PrintMiniXReport"), [] { return device::PrintMiniXReport(); });
}

void Reports::ButtonZReportClick() {
    if (!ConfirmAction(form_, ZReportQuestion))
        return;
    RunOperation(form_, QStringLiteral("PrintZReport"), [] { return device::PrintZReport(); });
}

void Reports::ButtonSumPeriodicReportClick() {
    RunOperation(form_, QStringLiteral("PrintSumPeriodicReport"), [this] {
        const QByteArray first = DateText(PeriodDate1->date());
        const QByteArray last = DateText(PeriodDate2->date());
        return device::PrintSumPeriodicReport(first.constData(), last.constData());
    });
}

void Reports::ButtonPeriodicReportClick() {
    RunOperation(form_, QStringLiteral("PrintPeriodicReport"), [this] {
        const QByteArray first = DateText(PeriodDate1->date());
        const QByteArray last = DateText(PeriodDate2->date());
        return device::PrintPeriodicReport(first.constData(), last.constData());
    });
}

void Reports::ButtonPrintSumPeriodicReportByNumberClick() {
    RunOperation(form_, QStringLiteral("PrintSumPeriodicReportByNumber"), [this] {
        return device::PrintSumPeriodicReportByNumber(UpDownPeriodicNumber1->position(),
                                                      UpDownPeriodicNumber2->position());
    });
}

void Reports::ButtonPeriodicReportByNumberClick() {
    RunOperation(form_, QStringLiteral("PrintPeriodicReportByNumber"), [this] {
        return device::PrintPeriodicReportByNumber(UpDownPeriodicNumber1->position(),
                                                   UpDownPeriodicNumber2->position());
    });
}

} // namespace pages::information
