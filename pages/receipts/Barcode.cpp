#include "Barcode.h"

#include "app/FormMain.h"

namespace pages::receipts {

Barcode::Barcode(TFormMain& form) : form_(form) {}

} // namespace pages::receipts
