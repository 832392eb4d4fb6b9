#pragma once

#include "pages/PageHost.h"

class QDateEdit;
class QGroupBox;

namespace framework {
class UpDown;
}

namespace pages::information {

// Table prints, X, mini X and Z reports, periodic reports by date and by number.
class Reports {
public:
    explicit Reports(PageHost& host);

    void ButtonPrintVATTableClick();
    void ButtonPrintCurTableClick();
    void ButtonPrintCreditTableClick();
    void ButtonXReportClick();
    void ButtonMiniXReportClick();
    // Asks first: the Z report closes the shift and clears its data.
    void ButtonZReportClick();
    void ButtonSumPeriodicReportClick();
    void ButtonPeriodicReportClick();
    void ButtonPrintSumPeriodicReportByNumberClick();
    void ButtonPeriodicReportByNumberClick();

    // The (hidden) "Tank Periodic Reports" group this page holds for the fuel stock operations.
    QGroupBox* tankReportsGroup() const { return GroupBox55; }

private:
    void BuildTables();
    void BuildReports();
    void BuildPeriodicReports();

    PageHost& host_;
    framework::FormBase& form_;
    QGroupBox* GroupBox55 = nullptr;
    QDateEdit* PeriodDate1 = nullptr;
    QDateEdit* PeriodDate2 = nullptr;
    framework::UpDown* UpDownPeriodicNumber1 = nullptr;
    framework::UpDown* UpDownPeriodicNumber2 = nullptr;
};

} // namespace pages::information
