#pragma once

#include "pages/PageHost.h"

class QComboBox;
class QLineEdit;

namespace pages::information {
class InformationPage;
}

namespace pages::receipts {

// Money in and out per currency, customer display, drawer and the printed message.
class TillOperations {
public:
    // The cash moves also run from the Information page's "Cash in drawer" group of `information`.
    TillOperations(PageHost& host, information::InformationPage& information);

    // Moves the amount typed in `amountBox` into (out of) the drawer in currency `index` (0..3).
    void SendMoneyIn(int index, QLineEdit* amountBox);
    void SendMoneyOut(int index, QLineEdit* amountBox);
    // "In" and "Out" of a "Cash in drawer" row (0..3), with that row's amount box.
    void ButtonCurInClick(int row);
    void ButtonCurOutClick(int row);

    void ButtonOtherCustomerDisplayClick();
    void ButtonOtherPrintMessageClick();
    void ButtonOpenDrawerClick();
    // "Display Params": the customer display's code page and number type.
    void Button15Click();
    // "Display Time".
    void Button16Click();

private:
    void BuildMoneyButtons();
    void BuildOtherPage();

    PageHost& host_;
    framework::FormBase& form_;
    information::InformationPage& information_;
    QLineEdit* OtherCustomerDisplayLine1 = nullptr;
    QLineEdit* OtherCustomerDisplayLine2 = nullptr;
    QLineEdit* OtherMessage = nullptr;
    QComboBox* DispCodeType = nullptr;
    QComboBox* DispTypeType = nullptr;
};

} // namespace pages::receipts
