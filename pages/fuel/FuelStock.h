#pragma once

#include "pages/PageHost.h"

class QDateEdit;
class QGroupBox;
class QLineEdit;

namespace framework {
class StringGrid;
class UpDown;
} // namespace framework

namespace pages::fuel {

// Replenishment, overfilling, data blocks, pump totals and the tank reports.
class FuelStock {
public:
    // The tank reports go into `tankReports`, a group the Information page holds.
    FuelStock(PageHost& host, QGroupBox* tankReports);

    // Lays out TablePumpsTotals and TableFuelData; run once at the end of the window's start-up.
    void LayOutGrids();

    void ButtonFuelReplenishClick();
    void ButtonFuelOverfillingClick();
    void ButtonFuelDataBlock_GetClick();
    void ButtonFuelDataBlock_SetClick();
    void ButtonFuel_PrintTankReportClick();
    void Button7Click(); // pump totals: the selected pump
    void Button9Click(); // pump totals: every pump
    void Button2Click(); // "Sum Periodic Report"
    void Button3Click(); // "Periodic Report"
    void Button4Click(); // "Sum Periodic Report by number"
    void Button5Click(); // "Periodic Report by number"

    // Reads the per-nozzle totals of pump n (0 to 15) into its two rows of TablePumpsTotals.
    bool ReadPumpTotals(int n);

private:
    void BuildStockGroups();
    void BuildDataBlock();
    void BuildPumpTotals();
    void BuildTankReports(QGroupBox* group);

    PageHost& host_;
    framework::FormBase& form_;
    QLineEdit* FuelReplenish_Tank = nullptr;
    QLineEdit* FuelReplenish_Quantity = nullptr;
    QLineEdit* FuelOverfilling_Pump = nullptr;
    QLineEdit* FuelOverfilling_Nozzle = nullptr;
    QLineEdit* FuelOverfilling_Quantity = nullptr;
    QLineEdit* FuelDataBlock_Number = nullptr;
    framework::StringGrid* TableFuelData = nullptr;
    framework::StringGrid* TablePumpsTotals = nullptr;
    QDateEdit* TankPeriodDate1 = nullptr;
    QDateEdit* TankPeriodDate2 = nullptr;
    framework::UpDown* UpDownTankPeriodNumber1 = nullptr;
    framework::UpDown* UpDownTankPeriodNumber2 = nullptr;
};

} // namespace pages::fuel
