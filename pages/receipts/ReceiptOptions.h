#pragma once

#include "pages/PageHost.h"

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace framework {
class UpDown;
}

namespace pages::receipts {

// FR options, currency conversion type, void and surcharge names, print-currency rows.
class ReceiptOptions {
public:
    explicit ReceiptOptions(PageHost& host);

    void ButtonSetFRClick();
    void ButtonSetFRLineClick();
    void ButtonGetFRClick();
    void ButtonSetCCTClick();
    void ButtonGetCCTClick();
    void Button18Click();
    void ButtonSurchargeSetClick();
    // Sends print-currency row `row` (1..3).
    void SetPrintCurrencyRow(int row, QLineEdit* rateBox, QDateEdit* firstDay, QDateEdit* lastDay,
                             QCheckBox* printBox);
    // Reads print-currency row `index` (0..2) into its controls.
    void GetPrintCurrencyRow(int index, QLineEdit* rateBox, QDateEdit* firstDay, QDateEdit* lastDay,
                             QCheckBox* printBox);

private:
    void BuildSettingsGroups();
    void BuildServiceGroups();

    struct PrintCurrencyRow {
        QLineEdit* rate = nullptr;
        QDateEdit* dateFrom = nullptr;
        QDateEdit* dateTill = nullptr;
        QCheckBox* print = nullptr;
    };

    PageHost& host_;
    framework::FormBase& form_;
    QCheckBox* FREnabled = nullptr;
    QLineEdit* NumberFRLine = nullptr;
    framework::UpDown* UpDown3 = nullptr;
    QRadioButton* cctDirect = nullptr;
    QRadioButton* cctIndirect = nullptr;
    QComboBox* VoidType = nullptr;
    QComboBox* SurchargeType = nullptr;
    std::array<PrintCurrencyRow, 3> printCurrency_{};
};

} // namespace pages::receipts
