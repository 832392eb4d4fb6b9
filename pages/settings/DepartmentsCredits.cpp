#include "DepartmentsCredits.h"

#include "app/FormMain.h"

namespace pages::settings {

DepartmentsCredits::DepartmentsCredits(TFormMain& form) : form_(form) {}

void DepartmentsCredits::QueryDepartment(int, QLineEdit*, QLineEdit*) {}

void DepartmentsCredits::ButtonResetFiscalClick() {}

} // namespace pages::settings
