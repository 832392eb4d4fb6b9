#pragma once

#include "pages/PageHost.h"

class QLineEdit;

namespace pages::receipts {

// The NonFiscal Receipt page: text lines, tare and deposit items, header print.
class NonFiscalReceipt {
public:
    explicit NonFiscalReceipt(PageHost& host);

    void ButtonBeginNonFiscalReceiptClick();
    void ButtonNonFiscalReceiptLineClick();
    // "Tare Receive" prints with PrintTareItem, "Tare Sale" with PrintTareItemVoid.
    void ButtonNonFiscalReceiptTareSaleClick();
    void ButtonNonFiscalReceiptTareVoidClick();
    void ButtonNonFiscalReceiptDepositSaleClick();
    void ButtonNonFiscalReceiptDepositVoidClick();
    void ButtonEndNonFiscalReceiptClick();
    void ButtonPrintHeaderClick();

private:
    // The boxes of a "Tare" or "Deposit" group.
    struct ItemBoxes {
        QLineEdit* name = nullptr;
        QLineEdit* quantity = nullptr;
        QLineEdit* price = nullptr;
    };
    using PrintItemFunction = int (*)(const char* name, double quantity, double price);

    void BuildPage();
    // The tare and deposit buttons: price, then quantity converted, then the name taken as typed.
    void PrintItem(const char* operation, PrintItemFunction print, const ItemBoxes& boxes);

    PageHost& host_;
    framework::FormBase& form_;
    QLineEdit* NonFiscalReceiptLine = nullptr;
    QLineEdit* NonFiscalReceiptLineAttribute = nullptr;
    ItemBoxes tare_;
    ItemBoxes deposit_;
};

} // namespace pages::receipts
