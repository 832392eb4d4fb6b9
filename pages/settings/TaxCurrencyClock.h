#pragma once

class QLineEdit;
class TFormMain;

namespace pages::settings {

// Tax rates, the currency table and the module's date and time (Settings page).
class TaxCurrencyClock {
public:
    explicit TaxCurrencyClock(TFormMain& form);

    // Reads currency `index` (0..3) into the two boxes; also used by the Information page.
    void QueryCurrency(int index, QLineEdit* nameBox, QLineEdit* rateBox);

private:
    TFormMain& form_;
};

} // namespace pages::settings
