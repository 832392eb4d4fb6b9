#pragma once

#include "pages/PageHost.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pages::settings {
class TaxCurrencyClock;
class DepartmentsCredits;
} // namespace pages::settings

namespace pages::information {

// The Information page's read-outs: counters, numbers, clock, state, cash in drawer, departments.
class InformationPage {
public:
    // The page shows currencies and departments with the readers of `taxCurrencyClock` and
    // `departmentsCredits`.
    InformationPage(PageHost& host, settings::TaxCurrencyClock& taxCurrencyClock,
                    settings::DepartmentsCredits& departmentsCredits);

    // A row of the "Information" group (0..11 top to bottom): reads the row's information code
    // into the row's box; the state row (7) runs the state read-out.
    void ButtonGetInfoRowClick(int row);
    void ButtonGetInfoTotalReceiptClick() { ButtonGetInfoRowClick(0); }
    void ButtonGetInfoDayTurnoverClick() { ButtonGetInfoRowClick(1); }
    void ButtonGetInfoReceiptNumberClick() { ButtonGetInfoRowClick(2); }
    void ButtonGetInfoDateClick() { ButtonGetInfoRowClick(3); }
    void ButtonGetInfoTimeClick() { ButtonGetInfoRowClick(4); }
    void ButtonGetInfoZReportNumberClick() { ButtonGetInfoRowClick(5); }
    void ButtonGetInfoNextDayReceiptClick() { ButtonGetInfoRowClick(6); }
    void ButtonGetInfoFiscalUnitNumberClick() { ButtonGetInfoRowClick(8); }
    void ButtonGetInfoFiscalUnitVersionClick() { ButtonGetInfoRowClick(9); }
    void ButtonGetInfoShassiNumberClick() { ButtonGetInfoRowClick(10); }
    void ButtonGetInfoIdNumberClick() { ButtonGetInfoRowClick(11); }

    // The state read-out ("Fiscal unit state" and the "HARD errors" group's Get).
    void ButtonGetInfoStateClick();

    // "Get" of a "Cash in drawer" row (0..3) and of a "Departments" row (0..7).
    void ButtonGetInfoCurAmountClick(int row);
    void ButtonInfoDepartGetClick(int row);

    // The currency's name and rate, then the cash held in it.
    void QueryCashInDrawer(int index, QLineEdit* nameBox, QLineEdit* rateBox, QLineEdit* amountBox);

    // The "Cash in drawer" group and its amount boxes, which the money in/out buttons use.
    QGroupBox* cashInDrawerGroup() const { return cashGroup_; }
    QLineEdit* cashAmountBox(int row) const { return curAmount_[row]; }

private:
    static constexpr int StateRow = 7;

    void BuildInformation();
    void BuildCashInDrawer();
    void BuildDepartments();
    void BuildHardErrors();

    PageHost& host_;
    framework::FormBase& form_;
    settings::TaxCurrencyClock& taxCurrencyClock_;
    settings::DepartmentsCredits& departmentsCredits_;
    std::array<QLineEdit*, 12> rowBox_{}; // rowBox_[StateRow] is InfoState
    QLineEdit* InfoHardwareMask = nullptr;
    QLineEdit* InfoHardwareErrorDetails = nullptr;
    QGroupBox* cashGroup_ = nullptr;
    std::array<QLineEdit*, 4> curName_{};
    std::array<QLineEdit*, 4> curRate_{};
    std::array<QLineEdit*, 4> curAmount_{};
    std::array<QLineEdit*, 8> departName_{};
    std::array<QLineEdit*, 8> departSumm_{};
};

} // namespace pages::information
