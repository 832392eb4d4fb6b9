#pragma once

class QDateEdit;
class TFormMain;

namespace framework {
class UpDown;
}

namespace pages::information {

// Table prints, X, mini X and Z reports, periodic reports by date and by number.
class Reports {
public:
    explicit Reports(TFormMain& form);

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

private:
    void BuildTables();
    void BuildReports();
    void BuildPeriodicReports();

    TFormMain& form_;
    QDateEdit* PeriodDate1 = nullptr;
    QDateEdit* PeriodDate2 = nullptr;
    framework::UpDown* UpDownPeriodicNumber1 = nullptr;
    framework::UpDown* UpDownPeriodicNumber2 = nullptr;
};

} // namespace pages::information
