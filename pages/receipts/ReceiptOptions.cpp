#include "ReceiptOptions.h"

#include "app/FormMain.h"

namespace pages::receipts {

ReceiptOptions::ReceiptOptions(TFormMain& form) : form_(form) {}

} // namespace pages::receipts
