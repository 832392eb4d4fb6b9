#include "FuelSales.h"

#include "app/FormMain.h"

namespace pages::fuel {

FuelSales::FuelSales(TFormMain& form) : form_(form) {}

} // namespace pages::fuel
