#include "FiscalReceipt.h"

#include "app/FormMain.h"

namespace pages::receipts {

FiscalReceipt::FiscalReceipt(TFormMain& form) : form_(form) {}

void FiscalReceipt::ButtonBeginFiscalReceiptClick() {}

void FiscalReceipt::ButtonEndFiscalReceiptClick() {}

void FiscalReceipt::ApplyItemDiscount(QComboBox*, QLineEdit*) {}

} // namespace pages::receipts
