#pragma once

class QComboBox;
class QLineEdit;
class TFormMain;

namespace pages::receipts {

// The Fiscal Receipt page: items, discounts, voids, comments, payment and goods return.
class FiscalReceipt {
public:
    explicit FiscalReceipt(TFormMain& form);

    // Also run by the Fuel page's "Begin Fiscal Receipt" and "End Fiscal Receipt" buttons.
    void ButtonBeginFiscalReceiptClick();
    void ButtonEndFiscalReceiptClick();
    // An addition or discount on the last item: kind from `kindList` ("Percent"/"Summ"/...), value
    // from `valueBox`. Also used by the Fuel page's "Discount" button.
    void ApplyItemDiscount(QComboBox* kindList, QLineEdit* valueBox);

private:
    TFormMain& form_;
};

} // namespace pages::receipts
