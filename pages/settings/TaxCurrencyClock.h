#pragma once

class TFormMain;

namespace pages::settings {

// Tax rates, the currency table and the module's date and time (Settings page).
class TaxCurrencyClock {
public:
    explicit TaxCurrencyClock(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::settings
