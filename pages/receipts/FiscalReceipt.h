#pragma once

#include "pages/PageHost.h"

#include <QByteArray>
#include <array>

class QComboBox;
class QLineEdit;

namespace pages::receipts {

// The Fiscal Receipt page: items, discounts, voids, comments, payment and goods return.
class FiscalReceipt {
public:
    explicit FiscalReceipt(PageHost& host);

    // Also run by the Fuel page's "Begin Fiscal Receipt" and "End Fiscal Receipt" buttons.
    void ButtonBeginFiscalReceiptClick();
    void ButtonEndFiscalReceiptClick();
    // An addition or discount on the last item: kind from `kindList` ("Percent"/"Summ"/...), value
    // from `valueBox`. Also used by the Fuel page's "Discount" button.
    void ApplyItemDiscount(QComboBox* kindList, QLineEdit* valueBox);

    void ButtonFiscalReceiptItemSaleClick();
    void ButtonFiscalReceiptItemDiscountClick();
    void ButtonFiscalReceiptItemVoidClick();
    void ButtonFiscalReceiptDiscountClick();
    void ButtonFiscalReceiptCommentClick();
    void ButtonFiscalReceiptReturnClick();
    void ButtonFiscalReceiptCopyClick();
    // The same sale repeated as many times as `textSaleCycle` says (its button is hidden).
    void Button10Click();

private:
    // The "Items" row converted into the library's argument forms.
    struct Item {
        QByteArray name;
        double quantity = 0;
        double price = 0;
        int taxIndex = 0;
        QByteArray unit;
        int departIndex = 0;
    };
    // The customer's money in the library's order: cash 1, credits 1 to 8, cash 2 to 4.
    using Payment = std::array<double, 12>;

    void BuildPage();
    Item ReadItem() const;
    Payment ReadPayment() const;
    int SellItem(const Item& item) const;

    PageHost& host_;
    framework::FormBase& form_;
    QLineEdit* FiscalReceiptItemName = nullptr;
    QLineEdit* FiscalReceiptItemQuantity = nullptr;
    QLineEdit* FiscalReceiptItemPrice = nullptr;
    QLineEdit* FiscalReceiptItemUnit = nullptr;
    QLineEdit* FiscalReceiptItemTax = nullptr;
    QLineEdit* FiscalReceiptItemDepart = nullptr;
    QComboBox* FiscalReceiptItemDiscountType = nullptr;
    QLineEdit* FiscalReceiptItemDiscount = nullptr;
    QLineEdit* textSaleCycle = nullptr;
    QComboBox* FiscalReceiptDiscountType = nullptr;
    QLineEdit* FiscalReceiptDiscount = nullptr;
    QLineEdit* FiscalReceiptComment = nullptr;
    QLineEdit* FiscalReceiptCommentAttribute = nullptr;
    std::array<QLineEdit*, 4> FiscalReceiptCash{};
    std::array<QLineEdit*, 8> FiscalReceiptCredit{};
};

} // namespace pages::receipts
