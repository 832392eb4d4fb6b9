#include "FiscalReceipt.h"

#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace framework;

namespace pages::receipts {

namespace {

const QStringList AdjustmentKinds = {QStringLiteral("Percent"), QStringLiteral("Summ")};

// "Percent" is 1, "Summ" 2 (0 when nothing is selected).
int AdjustmentKind(const QComboBox* list) {
    return ItemIndex(list) + 1;
}

} // namespace

FiscalReceipt::FiscalReceipt(PageHost& host) : host_(host), form_(host.form()) {
    BuildPage();
}

void FiscalReceipt::BuildPage() {
    QWidget* page = host_.page(Page::FiscalReceipt);

    // "Items": two columns of labelled boxes.
    QGroupBox* items = ui::Group(page, "GroupBoxFiscalItems", "Items", QRect(8, 8, 520, 134));
    struct Row {
        const char* label;
        const char* name;
        int column;
        int row;
        int width;
        const char* text;
        QLineEdit* FiscalReceipt::*box;
    };
    const Row rows[] = {
        {"Name", "FiscalReceiptItemName", 0, 0, 190, "", &FiscalReceipt::FiscalReceiptItemName},
        {"Quantity", "FiscalReceiptItemQuantity", 0, 1, 100, "", &FiscalReceipt::FiscalReceiptItemQuantity},
        {"Price", "FiscalReceiptItemPrice", 0, 2, 100, "", &FiscalReceipt::FiscalReceiptItemPrice},
        {"Unit", "FiscalReceiptItemUnit", 0, 3, 100, "", &FiscalReceipt::FiscalReceiptItemUnit},
        {"Tax", "FiscalReceiptItemTax", 1, 0, 40, "1", &FiscalReceipt::FiscalReceiptItemTax},
    };
    const int labelX[] = {10, 278};
    const int editX[] = {74, 362};
    auto rowY = [](int row) { return 20 + 27 * row; };
    for (const Row& r : rows) {
        ui::Label(items, r.label, labelX[r.column], rowY(r.row) + 4);
        this->*r.box = ui::Edit(items, r.name, QRect(editX[r.column], rowY(r.row), r.width, 21), r.text);
    }
    ui::Label(items, "Depart", labelX[1], rowY(1) + 4);
    FiscalReceiptItemDepart = ui::SpinEdit(items, "FiscalReceiptItemDepart", "FiscalReceiptItemDepartUpDown",
                                           QRect(editX[1], rowY(1), 56, 21), 1, 8, 1)
                                  ->buddy();
    ui::Label(items, "Add/Discount", labelX[1], rowY(2) + 4);
    FiscalReceiptItemDiscountType =
        ui::Combo(items, "FiscalReceiptItemDiscountType", QRect(editX[1], rowY(2), 84, 21), AdjustmentKinds);
    FiscalReceiptItemDiscount = ui::Edit(items, "FiscalReceiptItemDiscount", QRect(452, rowY(2), 58, 21));
    // The sale cycle is a workshop tool: start-up hides both controls for good.
    ui::Button(items, "Button10", "SaleCycle", QRect(editX[1], rowY(3), 84, 23), [this] { Button10Click(); });
    textSaleCycle = ui::Edit(items, "textSaleCycle", QRect(452, rowY(3), 58, 21));

    QGroupBox* receipt =
        ui::Group(page, "GroupBoxFiscalReceiptDiscount", "Receipt Add/Discount", QRect(8, 150, 520, 52));
    ui::Label(receipt, "Add/Discount", 10, 24);
    FiscalReceiptDiscountType =
        ui::Combo(receipt, "FiscalReceiptDiscountType", QRect(90, 20, 84, 21), AdjustmentKinds);
    FiscalReceiptDiscount = ui::Edit(receipt, "FiscalReceiptDiscount", QRect(180, 20, 100, 21));

    QGroupBox* comment = ui::Group(page, "GroupBoxFiscalComment", "Comment Line", QRect(8, 210, 520, 52));
    FiscalReceiptComment = ui::Edit(comment, "FiscalReceiptComment", QRect(10, 20, 380, 21));
    ui::Label(comment, "Attribute", 404, 24);
    FiscalReceiptCommentAttribute =
        ui::Edit(comment, "FiscalReceiptCommentAttribute", QRect(460, 20, 50, 21), "41");

    // "Customer money": cash in the four currencies and the eight credit types.
    QGroupBox* money = ui::Group(page, "GroupBoxCustomerMoney", "Customer money", QRect(8, 270, 520, 150));
    QGroupBox* cash = ui::Group(money, "GroupBoxCustomerCash", "Cash", QRect(8, 18, 160, 124));
    for (int i = 0; i < 4; ++i) {
        ui::Label(cash, QStringLiteral("%1.").arg(i + 1), 10, 22 + 25 * i);
        FiscalReceiptCash[i] =
            ui::Edit(cash, QStringLiteral("FiscalReceiptCash%1").arg(i + 1), QRect(30, 18 + 25 * i, 118, 21));
    }
    QGroupBox* credit = ui::Group(money, "GroupBoxCustomerCredit", "Credit", QRect(176, 18, 336, 124));
    for (int i = 0; i < 8; ++i) {
        const int x = i < 4 ? 10 : 172;
        const int y = 18 + 25 * (i % 4);
        ui::Label(credit, QStringLiteral("%1.").arg(i + 1), x, y + 4);
        FiscalReceiptCredit[i] =
            ui::Edit(credit, QStringLiteral("FiscalReceiptCredit%1").arg(i + 1), QRect(x + 20, y, 130, 21));
    }

    // The button column; the receipt type list beside "Begin" is read by nothing (start-up hides it).
    ui::Combo(page, "comboBeginFiscal", QRect(536, 9, 86, 21),
              {QStringLiteral("Sale"), QStringLiteral("Buy"), QStringLiteral("SaleReturn"),
               QStringLiteral("BuyReturn")});
    struct Action {
        const char* name;
        const char* caption;
        void (FiscalReceipt::*handler)();
    };
    const Action actions[] = {
        {"ButtonBeginFiscalReceipt", "Begin Fiscal Receipt", &FiscalReceipt::ButtonBeginFiscalReceiptClick},
        {"ButtonFiscalReceiptItemSale", "Sale", &FiscalReceipt::ButtonFiscalReceiptItemSaleClick},
        {"ButtonFiscalReceiptItemDiscount", "Add/Discount",
         &FiscalReceipt::ButtonFiscalReceiptItemDiscountClick},
        {"ButtonFiscalReceiptItemVoid", "Void", &FiscalReceipt::ButtonFiscalReceiptItemVoidClick},
        {"ButtonFiscalReceiptDiscount", "Receipt Add/Discount",
         &FiscalReceipt::ButtonFiscalReceiptDiscountClick},
        {"ButtonFiscalReceiptComment", "Comment", &FiscalReceipt::ButtonFiscalReceiptCommentClick},
        {"ButtonEndFiscalReceipt", "End Fiscal Receipt", &FiscalReceipt::ButtonEndFiscalReceiptClick},
        {"ButtonFiscalReceiptReturn", "End Return", &FiscalReceipt::ButtonFiscalReceiptReturnClick},
        {"ButtonFiscalReceiptCopy", "Copy", &FiscalReceipt::ButtonFiscalReceiptCopyClick},
    };
    int y = 8;
    for (const Action& a : actions) {
        ui::Button(page, a.name, a.caption, QRect(630, y, 150, 25), [this, h = a.handler] { (this->*h)(); });
        y += 32;
    }
}

// Department, unit, tax, price, quantity, name: the first field that does not convert ends the
// operation before anything is sent. Tax group and department are typed from 1, sent from 0.
namespace {
// A number typed from 1 as the library's index from 0, wrapping like 32-bit arithmetic.
int IndexFromOne(const QString& text) {
    return static_cast<int>(static_cast<uint32_t>(StrToInt(text)) - 1u);
}
} // namespace

FiscalReceipt::Item FiscalReceipt::ReadItem() const {
    Item item;
    item.departIndex = IndexFromOne(FiscalReceiptItemDepart->text());
    item.unit = ToDevice(FiscalReceiptItemUnit->text());
    item.taxIndex = IndexFromOne(FiscalReceiptItemTax->text());
    item.price = ParseAmount(FiscalReceiptItemPrice->text());
    item.quantity = ParseAmount(FiscalReceiptItemQuantity->text());
    item.name = ToDevice(FiscalReceiptItemName->text());
    return item;
}

int FiscalReceipt::SellItem(const Item& item) const {
    return device::PrintRecItemDepart(item.name.constData(), item.quantity, item.price, item.taxIndex,
                                      item.unit.constData(), item.departIndex);
}

// Converted cash 1 to 4, then credits 1 to 8; handed over in the library's order, which puts
// cash in currencies 2 to 4 after the credits.
FiscalReceipt::Payment FiscalReceipt::ReadPayment() const {
    std::array<double, 4> cash{};
    std::array<double, 8> credit{};
    for (int i = 0; i < 4; ++i)
        cash[i] = ParseAmount(FiscalReceiptCash[i]->text());
    for (int i = 0; i < 8; ++i)
        credit[i] = ParseAmount(FiscalReceiptCredit[i]->text());
    return {cash[0],   credit[0], credit[1], credit[2], credit[3], credit[4],
            credit[5], credit[6], credit[7], cash[1],   cash[2],   cash[3]};
}

void FiscalReceipt::ButtonBeginFiscalReceiptClick() {
    RunOperation(form_, "BeginFiscalReceipt", [] { return device::BeginFiscalReceipt(); });
}

void FiscalReceipt::ButtonFiscalReceiptItemSaleClick() {
    RunOperation(form_, "PrintRecItemDepart", [this] { return SellItem(ReadItem()); });
}

void FiscalReceipt::ApplyItemDiscount(QComboBox* kindList, QLineEdit* valueBox) {
    RunOperation(form_, "DiscountAdditionForItem", [&] {
        const double value = ParseAmount(valueBox->text());
        const int kind = AdjustmentKind(kindList);
        return device::DiscountAdditionForItem(kind, value);
    });
}

void FiscalReceipt::ButtonFiscalReceiptItemDiscountClick() {
    ApplyItemDiscount(FiscalReceiptItemDiscountType, FiscalReceiptItemDiscount);
}

// A void returns the item together with the adjustment typed in its row.
void FiscalReceipt::ButtonFiscalReceiptItemVoidClick() {
    RunOperation(form_, "ItemReturn", [this] {
        const double value = ParseAmount(FiscalReceiptItemDiscount->text());
        const int kind = AdjustmentKind(FiscalReceiptItemDiscountType);
        const Item item = ReadItem();
        return device::ItemReturnEx(item.name.constData(), item.quantity, item.price, item.taxIndex,
                                    item.unit.constData(), item.departIndex, kind, value);
    });
}

void FiscalReceipt::ButtonFiscalReceiptDiscountClick() {
    RunOperation(form_, "DiscountAdditionForReceipt", [this] {
        const double value = ParseAmount(FiscalReceiptDiscount->text());
        const int kind = AdjustmentKind(FiscalReceiptDiscountType);
        return device::DiscountAdditionForReceipt(kind, value);
    });
}

void FiscalReceipt::ButtonFiscalReceiptCommentClick() {
    RunOperation(form_, "PrintCommentLine", [this] {
        const int attribute = ParseHex(FiscalReceiptCommentAttribute->text());
        const QByteArray text = ToDevice(FiscalReceiptComment->text());
        return device::PrintCommentLine(text.constData(), attribute);
    });
}

void FiscalReceipt::ButtonEndFiscalReceiptClick() {
    RunOperation(form_, "EndFiscalReceiptCurrEx", [this] {
        const Payment p = ReadPayment();
        return device::EndFiscalReceiptCurrEx(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9],
                                              p[10], p[11]);
    });
}

void FiscalReceipt::ButtonFiscalReceiptReturnClick() {
    RunOperation(form_, "GoodsReturnCurrEx", [this] {
        const Payment p = ReadPayment();
        return device::GoodsReturnCurrEx(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10],
                                         p[11]);
    });
}

void FiscalReceipt::ButtonFiscalReceiptCopyClick() {
    RunOperation(form_, "PrintCopyOfLastReceipt", [] { return device::PrintCopyOfLastReceipt(); });
}

// The count is read again before every pass; the sales' results are deliberately not looked at,
// so a refused sale neither stops the cycle nor shows a box. Only a conversion error (or another
// exception) ends it early.
void FiscalReceipt::Button10Click() {
    BusySection busy(form_);
    try {
        for (int done = 0; StrToInt(textSaleCycle->text()) > done; ++done)
            SellItem(ReadItem());
    } catch (const Exception& e) {
        ReportException(form_, "SaleCycle", e);
    }
}

} // namespace pages::receipts
