#include "DepartmentsCredits.h"

#include "app/FormMain.h"

namespace pages::settings {

DepartmentsCredits::DepartmentsCredits(TFormMain& form) : form_(form) {}

} // namespace pages::settings
