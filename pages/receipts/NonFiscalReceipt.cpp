#include "NonFiscalReceipt.h"

#include "app/FormMain.h"

namespace pages::receipts {

NonFiscalReceipt::NonFiscalReceipt(TFormMain& form) : form_(form) {}

} // namespace pages::receipts
