#pragma once

class TFormMain;

namespace pages::fuel {

// Fuel, tank and pump tables of the Fuel page, and the layout shared by every fuel grid.
class FuelTables {
public:
    explicit FuelTables(TFormMain& form);

    // Lays out the nine fuel grids of the window; run once at the end of the window's start-up.
    void LayOutAllGrids();

private:
    TFormMain& form_;
};

} // namespace pages::fuel
