#include "Reports.h"

#include "app/FormMain.h"

namespace pages::information {

Reports::Reports(TFormMain& form) : form_(form) {}

} // namespace pages::information
