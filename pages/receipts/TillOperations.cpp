#include "TillOperations.h"

#include "app/FormMain.h"

namespace pages::receipts {

TillOperations::TillOperations(TFormMain& form) : form_(form) {}

} // namespace pages::receipts
