#pragma once

#include "pages/PageHost.h"

#include <QString>
#include <array>

class QDateEdit;
class QLineEdit;
class QTimeEdit;

namespace pages::settings {

// Tax rates, the currency table and the module's date and time (Settings page).
class TaxCurrencyClock {
public:
    explicit TaxCurrencyClock(PageHost& host);

    // Sends tax rate `index` (0..3), converted from the text to a double.
    void SendVatRate(int index, const QString& rateText);
    // Reads tax rate `index` into the box, as the module sends it.
    void QueryVatRate(int index, QLineEdit* rateBox);
    // Sends currency `index` (0..3): the name as typed, the rate as a double.
    void SendCurrency(int index, const QString& nameText, const QString& rateText);
    // Reads currency `index` (0..3) into the two boxes; also used by the Information page.
    void QueryCurrency(int index, QLineEdit* nameBox, QLineEdit* rateBox);

    void ButtonSetDateClick();
    void ButtonGetDateClick();
    void ButtonSetTimeClick();
    void ButtonGetTimeClick();

private:
    void BuildVatTable();
    void BuildCurrencyTable();
    void BuildClock();

    PageHost& host_;
    framework::FormBase& form_;
    std::array<QLineEdit*, 4> taxRate_{};
    std::array<QLineEdit*, 4> curName_{};
    std::array<QLineEdit*, 4> curRate_{};
    QDateEdit* Date = nullptr;
    QTimeEdit* Time = nullptr;
};

} // namespace pages::settings
