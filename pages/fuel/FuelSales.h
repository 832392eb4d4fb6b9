#pragma once

#include "pages/PageHost.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QTimeEdit;

namespace framework {
class UpDown;
}

namespace pages::receipts {
class FiscalReceipt;
}

namespace pages::fuel {

// Fuel items on a fiscal receipt: sale, void, discounts and the automat sales.
class FuelSales {
public:
    // `receipt` runs the fiscal receipt that fuel items are sold in.
    FuelSales(PageHost& host, receipts::FiscalReceipt& receipt);

    void ButtonFuelSale_SaleClick();
    void ButtonFuelSale_VoidClick();
    void ButtonFuelSale_DiscountClick();
    void Button1Click(); // "Discount2"
    void ButtonFuelSale_AutomatClick();
    void Button17Click(); // "AutomatEx"

    // The pay code of the automat sales: cash 1..4 give 0..3, credit 1..8 give 10..17, a typed
    // text that names no item gives 0.
    int AutomatPayCode() const;

private:
    void BuildItemGroup();
    void BuildAutomatGroup(QWidget* parent);
    // Adjustment kind: 1 "Percent", 2 "Summ", 3 "Price" (0 if nothing is selected).
    int DiscountKind() const;

    PageHost& host_;
    framework::FormBase& form_;
    receipts::FiscalReceipt& receipt_;
    QLineEdit* FuelSale_Pump = nullptr;
    QLineEdit* FuelSale_Nozzle = nullptr;
    QLineEdit* FuelSale_Quantity = nullptr;
    QLineEdit* FuelSale_Summ = nullptr;
    QLineEdit* FuelSale_Discount = nullptr;
    QComboBox* FuelSale_DiscountType = nullptr;
    QLineEdit* FuelDiscountComment = nullptr;
    QComboBox* FuelSale_AutomatPaytype = nullptr;
    QLineEdit* Automat_Subclient = nullptr;
    QLineEdit* Automat_Check = nullptr;
    QLineEdit* Automat_Name = nullptr;
    QLineEdit* Automat_Address = nullptr;
    QLineEdit* Automat_Reg = nullptr;
    QLineEdit* Automat_Remark = nullptr;
    QDateEdit* Automat_Date = nullptr;
    QTimeEdit* Automat_Time = nullptr;
};

} // namespace pages::fuel
