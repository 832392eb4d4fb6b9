#include "FuelStock.h"

#include "app/FormMain.h"

namespace pages::fuel {

FuelStock::FuelStock(TFormMain& form) : form_(form) {}

} // namespace pages::fuel
