#include "NonFiscalReceipt.h"

#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace framework;

namespace pages::receipts {

NonFiscalReceipt::NonFiscalReceipt(PageHost& host) : host_(host), form_(host.form()) {
    BuildPage();
}

void NonFiscalReceipt::BuildPage() {
    QWidget* page = host_.page(Page::NonFiscalReceipt);

    QGroupBox* line = ui::Group(page, "GroupBoxNonFiscalLine", "Line", QRect(8, 8, 520, 52));
    NonFiscalReceiptLine = ui::Edit(line, "NonFiscalReceiptLine", QRect(10, 20, 380, 21));
    ui::Label(line, "Attribute", 404, 24);
    NonFiscalReceiptLineAttribute =
        ui::Edit(line, "NonFiscalReceiptLineAttribute", QRect(460, 20, 50, 21), "41");

    // "Tare" and "Deposit": name, quantity and price in one row each.
    struct ItemGroup {
        const char* caption;
        const char* prefix;
        int y;
        ItemBoxes NonFiscalReceipt::*boxes;
    };
    const ItemGroup groups[] = {
        {"Tare", "NonFiscalReceiptTare", 68, &NonFiscalReceipt::tare_},
        {"Deposit", "NonFiscalReceiptDeposit", 128, &NonFiscalReceipt::deposit_},
    };
    for (const ItemGroup& g : groups) {
        const QString prefix = QString::fromLatin1(g.prefix);
        QGroupBox* group = ui::Group(page, "GroupBox" + prefix, g.caption, QRect(8, g.y, 520, 52));
        ItemBoxes& boxes = this->*g.boxes;
        ui::Label(group, "Name", 10, 24);
        boxes.name = ui::Edit(group, prefix + "Name", QRect(50, 20, 184, 21));
        ui::Label(group, "Quantity", 248, 24);
        boxes.quantity = ui::Edit(group, prefix + "Quantity", QRect(306, 20, 76, 21));
        ui::Label(group, "Price", 394, 24);
        boxes.price = ui::Edit(group, prefix + "Price", QRect(430, 20, 80, 21));
    }

    struct Action {
        const char* name;
        const char* caption;
        void (NonFiscalReceipt::*handler)();
    };
    const Action actions[] = {
        {"ButtonBeginNonFiscalReceipt", "Begin NonFiscal Receipt",
         &NonFiscalReceipt::ButtonBeginNonFiscalReceiptClick},
        {"ButtonNonFiscalReceiptLine", "Print Line", &NonFiscalReceipt::ButtonNonFiscalReceiptLineClick},
        {"ButtonNonFiscalReceiptTareSale", "Tare Receive",
         &NonFiscalReceipt::ButtonNonFiscalReceiptTareSaleClick},
        {"ButtonNonFiscalReceiptTareVoid", "Tare Sale",
         &NonFiscalReceipt::ButtonNonFiscalReceiptTareVoidClick},
        {"ButtonNonFiscalReceiptDepositSale", "Deposit In",
         &NonFiscalReceipt::ButtonNonFiscalReceiptDepositSaleClick},
        {"ButtonNonFiscalReceiptDepositVoid", "Deposit Out",
         &NonFiscalReceipt::ButtonNonFiscalReceiptDepositVoidClick},
        {"ButtonEndNonFiscalReceipt", "End NonFiscal Receipt",
         &NonFiscalReceipt::ButtonEndNonFiscalReceiptClick},
        {"ButtonPrintHeader", "Print Header", &NonFiscalReceipt::ButtonPrintHeaderClick},
    };
    int y = 8;
    for (const Action& a : actions) {
        ui::Button(page, a.name, a.caption, QRect(630, y, 150, 25), [this, h = a.handler] { (this->*h)(); });
        y += 32;
    }
}

void NonFiscalReceipt::PrintItem(const char* operation, PrintItemFunction print, const ItemBoxes& boxes) {
    RunOperation(form_, operation, [&] {
        const double price = ParseAmount(boxes.price->text());
        const double quantity = ParseAmount(boxes.quantity->text());
        const QByteArray name = ToDevice(boxes.name->text());
        return print(name.constData(), quantity, price);
    });
}

void NonFiscalReceipt::ButtonBeginNonFiscalReceiptClick() {
    RunOperation(form_, "BeginNonFiscalReceipt", [] { return device::BeginNonFiscalReceipt(); });
}

void NonFiscalReceipt::ButtonNonFiscalReceiptLineClick() {
    RunOperation(form_, "PrintNonFiscalLine", [this] {
        const int attribute = ParseHex(NonFiscalReceiptLineAttribute->text());
        const QByteArray text = ToDevice(NonFiscalReceiptLine->text());
        return device::PrintNonFiscalLine(text.constData(), attribute);
    });
}

void NonFiscalReceipt::ButtonNonFiscalReceiptTareSaleClick() {
    PrintItem("PrintTareItem", &device::PrintTareItem, tare_);
}

void NonFiscalReceipt::ButtonNonFiscalReceiptTareVoidClick() {
    PrintItem("PrintTareItemVoid", &device::PrintTareItemVoid, tare_);
}

void NonFiscalReceipt::ButtonNonFiscalReceiptDepositSaleClick() {
    PrintItem("PrintDepositReceive", &device::PrintDepositReceive, deposit_);
}

void NonFiscalReceipt::ButtonNonFiscalReceiptDepositVoidClick() {
    PrintItem("PrintDepositRefund", &device::PrintDepositRefund, deposit_);
}

void NonFiscalReceipt::ButtonEndNonFiscalReceiptClick() {
    RunOperation(form_, "EndNonFiscalReceipt", [] { return device::EndNonFiscalReceipt(); });
}

void NonFiscalReceipt::ButtonPrintHeaderClick() {
    RunOperation(form_, "PrintHeader", [] { return device::PrintHeader(); });
}

} // namespace pages::receipts
