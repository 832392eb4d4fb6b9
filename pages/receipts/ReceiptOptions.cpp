#include "ReceiptOptions.h"

#include "device/DeviceLibrary.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"
#include "pages/settings/SettingsLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace framework;
namespace layout = pages::settings::layout;

namespace pages::receipts {

namespace {

// The Service page's left part belongs to the service operations; these groups take its right part.
constexpr QRect VoidNameGroup(404, 4, 186, 48);
constexpr QRect SurchargeNameGroup(596, 4, 188, 48);
constexpr QRect PrintCurrencyGroup(404, 56, 380, 106);

QRect ButtonAt(int x, int rowY, int width) {
    return {x, rowY - 1, width, layout::ButtonHeight};
}

} // namespace

ReceiptOptions::ReceiptOptions(PageHost& host) : host_(host), form_(host.form()) {
    BuildSettingsGroups();
    BuildServiceGroups();
}

void ReceiptOptions::BuildSettingsGroups() {
    const int row1 = layout::FirstRow;
    const int row2 = row1 + 24;

    // Hidden at start-up; its operations stay available.
    QGroupBox* fr = ui::Group(host_.page(Page::Settings), "GroupBox63", "FR options", layout::FrOptions);
    FREnabled = ui::Check(fr, "FREnabled", "FR enabled", {8, row1 + 2, 100, 19});
    ui::Button(fr, "ButtonSetFR", "Set", ButtonAt(126, row1, 44), [this] { ButtonSetFRClick(); });
    ui::Button(fr, "ButtonGetFR", "Get", ButtonAt(174, row1, 44), [this] { ButtonGetFRClick(); });
    ui::Label(fr, "Line width", 8, row2 + 3);
    UpDown3 = ui::SpinEdit(fr, "NumberFRLine", "UpDown3", {70, row2, 56, layout::RowHeight}, 1, 1000, 50);
    NumberFRLine = UpDown3->buddy();
    ui::Button(fr, "ButtonSetFRLine", "Set", ButtonAt(126, row2, 44), [this] { ButtonSetFRLineClick(); });

    QGroupBox* cct = ui::Group(host_.page(Page::Settings), "GroupBoxCCT", "Currency Conversion Type",
                               layout::ConversionType);
    cctDirect = ui::Radio(cct, "cctDirect", "Direct", {8, row1 + 2, 62, 19});
    cctIndirect = ui::Radio(cct, "cctIndirect", "Indirect", {72, row1 + 2, 70, 19});
    cctDirect->setChecked(true); // the design's choice; start-up picks by the date
    ui::Button(cct, "ButtonSetCCT", "Set", ButtonAt(144, row1, 38), [this] { ButtonSetCCTClick(); });
    ui::Button(cct, "ButtonGetCCT", "Get", ButtonAt(184, row1, 38), [this] { ButtonGetCCTClick(); });
}

void ReceiptOptions::BuildServiceGroups() {
    QWidget* page = host_.page(Page::Service);
    const int row1 = layout::FirstRow;

    QGroupBox* voidName = ui::Group(page, "GroupBoxVoidName", "Void Name", VoidNameGroup);
    VoidType =
        ui::Combo(voidName, "VoidType", {8, row1, 112, layout::RowHeight}, {"Void", "Discount", "Empty"});
    ui::Button(voidName, "Button18", "Set", ButtonAt(128, row1, 48), [this] { Button18Click(); });

    QGroupBox* surcharge = ui::Group(page, "GroupBoxSurchargeName", "Surcharge Name", SurchargeNameGroup);
    SurchargeType =
        ui::Combo(surcharge, "SurchargeType", {8, row1, 112, layout::RowHeight}, {"Surcharge", "Service"});
    ui::Button(surcharge, "ButtonSurchargeSet", "Set", ButtonAt(128, row1, 48),
               [this] { ButtonSurchargeSetClick(); });

    QGroupBox* group = ui::Group(page, "GroupBoxPrintCurrency", "Print Currency", PrintCurrencyGroup);
    ui::Label(group, "Rate", 24, layout::ColumnTitleY);
    ui::Label(group, "Date From", 92, layout::ColumnTitleY);
    ui::Label(group, "Date Till", 186, layout::ColumnTitleY);
    ui::Label(group, "Print", 278, layout::ColumnTitleY);
    for (int i = 0; i < 3; ++i) {
        const int n = i + 1;
        const int y = layout::TitledFirstRow + i * layout::RowPitch;
        PrintCurrencyRow& row = printCurrency_[i];
        ui::Label(group, QStringLiteral("%1.").arg(n), 8, y + 3);
        row.rate = ui::Edit(group, QStringLiteral("pvRate%1").arg(n), {24, y, 64, layout::RowHeight},
                            i == 0 ? QStringLiteral("0.702804") : QString());
        ui::LimitTyping(row.rate, 10);
        row.dateFrom = ui::DatePicker(group, QStringLiteral("pvDateFrom%1").arg(n),
                                      {92, y, 90, layout::RowHeight}, QDate(2013, 8, 15));
        row.dateTill = ui::DatePicker(group, QStringLiteral("pvDateTill%1").arg(n),
                                      {186, y, 90, layout::RowHeight}, QDate(2014, 7, 1));
        row.print = ui::Check(group, QStringLiteral("pvPrint%1").arg(n), {}, {284, y + 1, 18, 19});
        ui::Button(group, QStringLiteral("pvSet%1").arg(n), "Set", ButtonAt(306, y, 34), [this, i, n] {
            const PrintCurrencyRow& r = printCurrency_[i];
            SetPrintCurrencyRow(n, r.rate, r.dateFrom, r.dateTill, r.print);
        });
        ui::Button(group, QStringLiteral("pvGet%1").arg(n), "Get", ButtonAt(342, y, 34), [this, i] {
            const PrintCurrencyRow& r = printCurrency_[i];
            GetPrintCurrencyRow(i, r.rate, r.dateFrom, r.dateTill, r.print);
        });
    }
}

void ReceiptOptions::ButtonSetFRClick() {
    RunOperation(form_, "SetEnableFR",
                 [this] { return device::SetEnableFR(FREnabled->isChecked() ? 1 : 0); });
}

void ReceiptOptions::ButtonSetFRLineClick() {
    // A width that is not a number goes as 0; the module decides.
    RunOperation(form_, "SetLineFR",
                 [this] { return device::SetLineFR(StrToIntDef(NumberFRLine->text(), 0)); });
}

void ReceiptOptions::ButtonGetFRClick() {
    // A failed read leaves the field empty, which clears the box after the error report.
    QByteArray field;
    QueryInfoFields(form_, TILLCORE_INFO_FR_OPTIONS, 1, &field);
    FREnabled->setChecked(StrToIntDef(FromDevice(field), 0) != 0);
}

void ReceiptOptions::ButtonSetCCTClick() {
    RunOperation(form_, "SetConvertType",
                 [this] { return device::SetConvertType(cctIndirect->isChecked()); });
}

void ReceiptOptions::ButtonGetCCTClick() {
    RunQuery(form_, "GetFiscalInfo(conversion type)", TILLCORE_INFO_CONVERSION_TYPE, 1,
             [this](const std::vector<QByteArray>& fields, int) {
                 if (StrToIntDef(FromDevice(fields[0]), 0) == 0)
                     cctDirect->setChecked(true);
                 else
                     cctIndirect->setChecked(true);
             });
}

void ReceiptOptions::Button18Click() {
    RunOperation(form_, "SetVoidName", [this] { return device::SetVoidName(ItemIndex(VoidType)); });
}

void ReceiptOptions::ButtonSurchargeSetClick() {
    RunOperation(form_, "SetVoidName", [this] {
        return device::SetVoidName(ItemIndex(SurchargeType) + TILLCORE_SURCHARGE_NAME_BASE);
    });
}

void ReceiptOptions::SetPrintCurrencyRow(int row, QLineEdit* rateBox, QDateEdit* firstDay, QDateEdit* lastDay,
                                         QCheckBox* printBox) {
    RunOperation(form_, QStringLiteral("SetPrintVal(%1)").arg(row), [&] {
        const QByteArray last = DateText(lastDay->date());
        const QByteArray first = DateText(firstDay->date());
        const QByteArray rate = ToDevice(rateBox->text());
        const bool print = printBox->isChecked();
        return device::SetPrintVal(row, print, rate.constData(), first.constData(), last.constData());
    });
}

void ReceiptOptions::GetPrintCurrencyRow(int index, QLineEdit* rateBox, QDateEdit* firstDay,
                                         QDateEdit* lastDay, QCheckBox* printBox) {
    const QString name = QStringLiteral("GetInfoData(infoPrnVal%1)").arg(index + 1);
    BusySection busy(form_);
    try {
        QByteArray fields[5];
        // The row is filled only when all five fields came, each ended by FS.
        if (QueryInfoFields(form_, TILLCORE_INFO_PRINT_CURRENCY_BASE + index, 5, fields) < 5)
            return;
        printBox->setChecked(fields[1] == "1");
        rateBox->setText(FromDevice(fields[2]));
        ui::ShowDate(firstDay, ParseYmdDate(FromDevice(fields[3])));
        ui::ShowDate(lastDay, ParseYmdDate(FromDevice(fields[4])));
    } catch (const Exception& e) {
        ReportException(form_, name, e);
    }
}

} // namespace pages::receipts
