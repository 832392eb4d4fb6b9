#include "Clerk.h"

#include "app/FormMain.h"

namespace pages::receipts {

Clerk::Clerk(TFormMain& form) : form_(form) {}

} // namespace pages::receipts
