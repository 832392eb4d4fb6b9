#include "TaxCurrencyClock.h"

#include "app/FormMain.h"

namespace pages::settings {

TaxCurrencyClock::TaxCurrencyClock(TFormMain& form) : form_(form) {}

} // namespace pages::settings
