#include "TaxCurrencyClock.h"

#include "SettingsLayout.h"
#include "device/DeviceLibrary.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace framework;

namespace pages::settings {

namespace {

int TableRowY(int row) {
    return layout::TitledFirstRow + row * layout::RowPitch;
}

QRect ButtonAt(int x, int rowY, int width = 38) {
    return {x, rowY - 1, width, layout::ButtonHeight};
}

} // namespace

TaxCurrencyClock::TaxCurrencyClock(PageHost& host) : host_(host), form_(host.form()) {
    BuildVatTable();
    BuildCurrencyTable();
    BuildClock();
}

void TaxCurrencyClock::BuildVatTable() {
    QGroupBox* group = ui::Group(host_.page(Page::Settings), "GroupBoxVat", "VAT Table", layout::VatTable);
    ui::Label(group, "Rate, %", 24, layout::ColumnTitleY);
    for (int row = 0; row < 5; ++row) {
        const int y = TableRowY(row);
        const int n = row + 1;
        ui::Label(group, QStringLiteral("%1.").arg(n), 8, y + 3);
        if (row == 4) {
            // The fifth group is fixed at 0 by the module; it is shown, never sent or read.
            ui::ReadOnlyEdit(group, "Tax5Rate", {24, y, 60, layout::RowHeight}, "0");
            break;
        }
        taxRate_[row] = ui::Edit(group, QStringLiteral("Tax%1Rate").arg(n), {24, y, 60, layout::RowHeight});
        ui::Button(group, QStringLiteral("ButtonSetTax%1").arg(n), "Set", ButtonAt(88, y),
                   [this, row] { SendVatRate(row, taxRate_[row]->text()); });
        ui::Button(group, QStringLiteral("ButtonGetTax%1").arg(n), "Get", ButtonAt(128, y),
                   [this, row] { QueryVatRate(row, taxRate_[row]); });
    }
}

void TaxCurrencyClock::BuildCurrencyTable() {
    QGroupBox* group =
        ui::Group(host_.page(Page::Settings), "GroupBoxCurrency", "Currency Table", layout::CurrencyTable);
    ui::Label(group, "Name", 24, layout::ColumnTitleY);
    ui::Label(group, "Rate", 108, layout::ColumnTitleY);
    for (int row = 0; row < 4; ++row) {
        const int y = TableRowY(row);
        const int n = row + 1;
        ui::Label(group, QStringLiteral("%1.").arg(n), 8, y + 3);
        curName_[row] = ui::Edit(group, QStringLiteral("CurName%1").arg(n), {24, y, 80, layout::RowHeight});
        const QRect rate(108, y, 60, layout::RowHeight);
        // The first currency is the base currency: its rate shows 1 and is not typed over.
        curRate_[row] = row == 0 ? ui::ReadOnlyEdit(group, "CurRate1", rate, "1")
                                 : ui::Edit(group, QStringLiteral("CurRate%1").arg(n), rate);
        ui::Button(group, QStringLiteral("ButtonSetCur%1").arg(n), "Set", ButtonAt(172, y, 40),
                   [this, row] { SendCurrency(row, curName_[row]->text(), curRate_[row]->text()); });
        ui::Button(group, QStringLiteral("ButtonGetCur%1").arg(n), "Get", ButtonAt(214, y, 40),
                   [this, row] { QueryCurrency(row, curName_[row], curRate_[row]); });
    }
}

void TaxCurrencyClock::BuildClock() {
    const int y = layout::FirstRow;
    QGroupBox* date = ui::Group(host_.page(Page::Settings), "GroupBoxDate", "Date", layout::Date);
    Date = ui::DatePicker(date, "Date", {8, y, 100, layout::RowHeight}, QDate::currentDate());
    ui::Button(date, "ButtonSetDate", "Set", ButtonAt(114, y, 40), [this] { ButtonSetDateClick(); });
    ui::Button(date, "ButtonGetDate", "Get", ButtonAt(158, y, 40), [this] { ButtonGetDateClick(); });

    QGroupBox* time = ui::Group(host_.page(Page::Settings), "GroupBoxTime", "Time", layout::Time);
    Time = ui::TimePicker(time, "Time", {8, y, 100, layout::RowHeight}, QTime::currentTime());
    ui::Button(time, "ButtonSetTime", "Set", ButtonAt(114, y, 40), [this] { ButtonSetTimeClick(); });
    ui::Button(time, "ButtonGetTime", "Get", ButtonAt(158, y, 40), [this] { ButtonGetTimeClick(); });
}

void TaxCurrencyClock::SendVatRate(int index, const QString& rateText) {
    RunOperation(form_, "SetVAT", [&] { return device::SetVAT(index, StrToFloat(rateText)); });
}

void TaxCurrencyClock::QueryVatRate(int index, QLineEdit* rateBox) {
    // The rate is shown exactly as the module sends it: not trimmed, not reformatted.
    RunQuery(
        form_, "GetFiscalInfo(VAT)", TILLCORE_INFO_VAT_BASE + index, 2,
        [rateBox](const std::vector<QByteArray>& fields, int) { rateBox->setText(FromDevice(fields[1])); });
}

void TaxCurrencyClock::SendCurrency(int index, const QString& nameText, const QString& rateText) {
    RunOperation(form_, "SetCurrency", [&] {
        const double rate = StrToFloat(rateText);
        const QByteArray name = ToDevice(nameText);
        return device::SetCurrency(index, name.constData(), rate);
    });
}

void TaxCurrencyClock::QueryCurrency(int index, QLineEdit* nameBox, QLineEdit* rateBox) {
    RunQuery(form_, "GetFiscalInfo(currency)", TILLCORE_INFO_CURRENCY_BASE + index, 3,
             [nameBox, rateBox](const std::vector<QByteArray>& fields, int) {
                 nameBox->setText(FromDevice(TrimRight(fields[1])));
                 rateBox->setText(FromDevice(fields[2]));
             });
}

void TaxCurrencyClock::ButtonSetDateClick() {
    RunOperation(form_, "SetDate", [this] {
        const QByteArray text = DateText(Date->date());
        return device::SetDate(text.constData());
    });
}

void TaxCurrencyClock::ButtonGetDateClick() {
    // A date that does not convert raises before the picker is touched.
    RunQuery(form_, "GetFiscalInfo(date)", TILLCORE_INFO_DATE, 1,
             [this](const std::vector<QByteArray>& fields, int) {
                 ui::ShowDate(Date, ParseYmdDate(FromDevice(fields[0])));
             });
}

void TaxCurrencyClock::ButtonSetTimeClick() {
    RunOperation(form_, "SetTime", [this] {
        const QByteArray text = TimeText(Time->time());
        return device::SetTime(text.constData());
    });
}

void TaxCurrencyClock::ButtonGetTimeClick() {
    RunQuery(form_, "GetFiscalInfo(time)", TILLCORE_INFO_TIME, 1,
             [this](const std::vector<QByteArray>& fields, int) {
                 Time->setTime(ParseHhmmTime(FromDevice(fields[0])));
             });
}

} // namespace pages::settings
