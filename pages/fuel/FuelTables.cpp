#include "FuelTables.h"

#include "app/FormMain.h"

namespace pages::fuel {

FuelTables::FuelTables(TFormMain& form) : form_(form) {}

void FuelTables::LayOutAllGrids() {}

} // namespace pages::fuel
