#pragma once

#include "pages/PageHost.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace framework {
class StringGrid;
}

namespace pages::fuel {

// One column of a fuel grid: its title and its share of the grid's width.
struct GridColumn {
    QString title;
    int relativeWidth;
};

// Column lists shared by the grids of the Fuel page and of the Load page.
const std::vector<GridColumn>& FuelColumns();
const std::vector<GridColumn>& PumpColumns();
const std::vector<GridColumn>& TankInfoColumns();
const QStringList& TankInfoRowTitles();
// Data rows of a "Tanks info" grid: one per entry of TankInfoRowTitles().
constexpr int TankInfoRows = 26;

// Fuel, tank and pump tables of the Fuel page, and the layout routine every owner of a fuel grid
// lays out its grids with.
class FuelTables {
public:
    explicit FuelTables(PageHost& host);

    // Lays out this module's four grids; run once at the end of the window's start-up.
    void LayOutGrids();

    // Sets up one grid: dataRows + 1 rows, one column per entry, the column titles in row 0, the
    // row titles in column 0 (0, 1, ... when none are given) and the columns' widths shared out
    // over the client width by their relative widths; what truncation leaves goes to
    // `remainderColumn`. Other cells are left as they are.
    static void LayOutGrid(framework::StringGrid* grid, const std::vector<GridColumn>& columns, int dataRows,
                           int remainderColumn, const QStringList& rowTitles = {});

    // "Fuel" group.
    void ButtonFuel_FuelsGetClick();
    void ButtonFuel_FuelsSetClick();
    void ButtonFuel_FuelsGetAllClick();
    void ButtonFuel_FuelsSetAllClick();
    // "Tanks" group.
    void ButtonFuel_TanksGetClick();
    void ButtonFuel_TanksSetClick();
    void ButtonFuel_TanksGetAllClick();
    void ButtonFuel_TanksSetAllClick();
    // "Pumps" group.
    void ButtonFuel_PumpsGetClick();
    void ButtonFuel_PumpsSetClick();
    void ButtonFuel_PumpsGetAllClick();
    void ButtonFuel_PumpsSetAllClick();
    // "Tanks info" group.
    void ButtonTankInfo_GetClick();
    void ButtonTankInfo_GetAllClick();

    // Row operations on fuel, tank and pump n (from 0); true when the device accepted them.
    // A tolerant fuel read passes over a fuel the module reports absent (result 87).
    bool ReadFuelRow(int n, bool tolerant);
    bool WriteFuelRow(int n);
    bool ReadTankRow(int n);
    bool WriteTankRow(int n);
    bool ReadPumpRow(int n);
    bool WritePumpRow(int n);
    bool ReadTankInfo(int n);

private:
    void BuildSettingsPage();
    void BuildTanksInfo();

    PageHost& host_;
    framework::FormBase& form_;
    framework::StringGrid* TableFuels = nullptr;
    framework::StringGrid* TableTanks = nullptr;
    framework::StringGrid* TablePumps = nullptr;
    framework::StringGrid* TableTankInfo = nullptr;
};

} // namespace pages::fuel
