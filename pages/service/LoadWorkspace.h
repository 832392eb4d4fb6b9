#pragma once

#include "pages/PageHost.h"

class QCheckBox;

namespace framework {
class StringGrid;
}

namespace pages::service {

// The hidden Load page: a data-entry workspace whose buttons are inert, apart from the two
// "Work with Z-report" check boxes, which stay in step, and the "Read X"/"Write X" buttons.
class LoadWorkspace {
public:
    explicit LoadWorkspace(PageHost& host);

    // Lays out the three grids of the "Fuel" sub-page; run once at the end of the window's start-up.
    void LayOutGrids();

    // Sets LoadIsZ, then LoadFuelIsZ, to `state`.
    void SetWorkWithZ(bool state);

    void LoadIsZClick();
    void LoadFuelIsZClick();
    void ButtonLoadReadXClick();
    void ButtonLoadWriteXClick();
    void ButtonLoadFuelReadXClick();
    void ButtonLoadFuelWriteXClick();

    // Inert: they call nothing and change nothing.
    void ButtonLoadInitializationClick() {}
    void ButtonLoadSetDateClick() {}
    void ButtonLoadGetDateClick() {}
    void ButtonLoadClearAllClick() {}
    void ButtonLoadClearSectorClick() {}
    void ButtonLoadSetJournalParametersClick() {}
    void ButtonLoadGetJournalParametersClick() {}
    void ButtonLoadCurrentJournalCalculateCrcClick() {}
    void ButtonLoadCountersSetClick() {}
    void ButtonLoadCountersGetClick() {}
    void ButtonLoadCreditSetClick() {}
    void ButtonLoadCreditGetClick() {}
    void ButtonLoadTurnover1SetClick() {}
    void ButtonLoadTurnover1GetClick() {}
    void ButtonLoadTurnover2SetClick() {}
    void ButtonLoadTurnover2GetClick() {}
    void ButtonLoadCurrency1SetClick() {}
    void ButtonLoadCurrency2SetClick() {}
    void ButtonLoadCurrency3SetClick() {}
    void ButtonLoadCurrency4SetClick() {}
    void ButtonLoadCurrency1GetClick() {}
    void ButtonLoadCurrency2GetClick() {}
    void ButtonLoadCurrency3GetClick() {}
    void ButtonLoadCurrency4GetClick() {}
    void ButtonLoadDepartSetClick() {}
    void ButtonLoadDepartGetClick() {}
    void ButtonLoadReadReportClick() {}
    void ButtonLoadWriteReportClick() {}
    void ButtonLoadFuelReadReportClick() {}
    void ButtonFuelLoad_FuelGetClick() {}
    void ButtonFuelLoad_FuelSetClick() {}
    void ButtonFuelLoad_FuelGetAllClick() {}
    void ButtonFuelLoad_FuelSetAllClick() {}
    void ButtonFuelLoad_PumpGetClick() {}
    void ButtonFuelLoad_PumpSetClick() {}
    void ButtonFuelLoad_PumpGetAllClick() {}
    void ButtonFuelLoad_PumpSetAllClick() {}
    void ButtonFuelLoad_TankGetClick() {}
    void ButtonFuelLoad_TankGetAllClick() {}

private:
    void BuildServicePage();
    void BuildReportPage();
    void BuildCountersGroup(QWidget* page);
    void BuildNameGroup(QWidget* page, const char* caption, const char* fieldPattern, int x, int y,
                        void (LoadWorkspace::*set)(), void (LoadWorkspace::*get)(), const char* buttonStem);
    void BuildTurnover1Group(QWidget* page);
    void BuildTurnover2Group(QWidget* page);
    void BuildCurrencyGroup(QWidget* page);
    void BuildReportZGroup(QWidget* page);
    void BuildFuelPage();

    PageHost& host_;
    framework::StringGrid* TableFuelLoadFuels = nullptr;
    framework::StringGrid* TableFuelLoadPumps = nullptr;
    framework::StringGrid* TableFuelLoadTanks = nullptr;
    QCheckBox* LoadIsZ = nullptr;
    QCheckBox* LoadFuelIsZ = nullptr;
};

} // namespace pages::service
