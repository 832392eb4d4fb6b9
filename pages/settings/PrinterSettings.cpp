#include "PrinterSettings.h"

#include "app/FormMain.h"

namespace pages::settings {

PrinterSettings::PrinterSettings(TFormMain& form) : form_(form) {}

} // namespace pages::settings
