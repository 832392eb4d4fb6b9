#include "FiscalReceipt.h"

#include "app/FormMain.h"

namespace pages::receipts {

FiscalReceipt::FiscalReceipt(TFormMain& form) : form_(form) {}

} // namespace pages::receipts
