#include "InformationPage.h"

#include "app/FormMain.h"

namespace pages::information {

InformationPage::InformationPage(TFormMain& form) : form_(form) {}

} // namespace pages::information
