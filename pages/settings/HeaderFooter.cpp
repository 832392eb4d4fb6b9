#include "HeaderFooter.h"

#include "app/FormMain.h"

namespace pages::settings {

HeaderFooter::HeaderFooter(TFormMain& form) : form_(form) {}

} // namespace pages::settings
