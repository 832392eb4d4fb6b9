#include "TaxCurrencyClock.h"

#include "app/FormMain.h"

namespace pages::settings {

TaxCurrencyClock::TaxCurrencyClock(TFormMain& form) : form_(form) {}

void TaxCurrencyClock::QueryCurrency(int, QLineEdit*, QLineEdit*) {}

} // namespace pages::settings
