#include "FuelSales.h"

#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/receipts/FiscalReceipt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

using namespace framework;

namespace pages::fuel {

namespace {

constexpr int LabelX = 10;
constexpr int FieldX = 146;
constexpr int RowY = 20;
constexpr int RowPitch = 24;
constexpr int FieldHeight = 21;

// The pay types list the cash items, pay codes 0 to 3, before the credits.
constexpr int CashItems = 4;

} // namespace

FuelSales::FuelSales(PageHost& host, receipts::FiscalReceipt& receipt)
    : host_(host), form_(host.form()), receipt_(receipt) {
    BuildItemGroup();

    QWidget* page = host_.page(Page::FuelReceipt);
    ui::Button(page, QStringLiteral("ButtonFuelSale_Begin"), QStringLiteral("Begin Fiscal Receipt"),
               QRect(618, 230, 156, 25), [this] { receipt_.ButtonBeginFiscalReceiptClick(); });
    ui::Button(page, QStringLiteral("ButtonFuelSale_End"), QStringLiteral("End Fiscal Receipt"),
               QRect(618, 262, 156, 25), [this] { receipt_.ButtonEndFiscalReceiptClick(); });
}

void FuelSales::BuildItemGroup() {
    QGroupBox* group = ui::Group(host_.page(Page::FuelReceipt), QStringLiteral("GroupBoxFuelReceiptItem"),
                                 QStringLiteral("Fuel receipt item"), QRect(6, 4, 768, 214));
    auto rowY = [](int row) { return RowY + row * RowPitch; };
    const char* labels[] = {"Pump number (0...15)", "Nozzle number (0...7)", "Quantity", "Summ", "Discount",
                            "Disc. comment",        "Automat pay type"};
    for (int row = 0; row < 7; ++row)
        ui::LabelIn(group, QString::fromLatin1(labels[row]),
                    QRect(LabelX, rowY(row), FieldX - LabelX - 4, FieldHeight));

    FuelSale_Pump =
        ui::SpinEdit(group, QStringLiteral("FuelSale_Pump"), QStringLiteral("FuelSale_PumpUpDown"),
                     QRect(FieldX, rowY(0), 70, FieldHeight), 0, 15, 0)
            ->buddy();
    FuelSale_Nozzle =
        ui::SpinEdit(group, QStringLiteral("FuelSale_Nozzle"), QStringLiteral("FuelSale_NozzleUpDown"),
                     QRect(FieldX, rowY(1), 70, FieldHeight), 0, 7, 0)
            ->buddy();
    FuelSale_Quantity =
        ui::Edit(group, QStringLiteral("FuelSale_Quantity"), QRect(FieldX, rowY(2), 90, FieldHeight));
    FuelSale_Summ = ui::Edit(group, QStringLiteral("FuelSale_Summ"), QRect(FieldX, rowY(3), 90, FieldHeight));
    FuelSale_Discount =
        ui::Edit(group, QStringLiteral("FuelSale_Discount"), QRect(FieldX, rowY(4), 90, FieldHeight));
    FuelSale_DiscountType = ui::Combo(
        group, QStringLiteral("FuelSale_DiscountType"), QRect(FieldX + 96, rowY(4), 80, FieldHeight),
        {QStringLiteral("Percent"), QStringLiteral("Summ"), QStringLiteral("Price")});
    FuelDiscountComment =
        ui::Edit(group, QStringLiteral("FuelDiscountComment"), QRect(FieldX, rowY(5), 176, FieldHeight));

    QStringList payTypes;
    for (int i = 1; i <= 4; ++i)
        payTypes << QStringLiteral("Cash %1").arg(i);
    for (int i = 1; i <= 8; ++i)
        payTypes << QStringLiteral("Credit %1").arg(i);
    FuelSale_AutomatPaytype = ui::Combo(group, QStringLiteral("FuelSale_AutomatPaytype"),
                                        QRect(FieldX, rowY(6), 90, FieldHeight), payTypes, true);
    FuelSale_AutomatPaytype->setEditText(QStringLiteral("Cash 1"));

    struct ButtonRow {
        const char* name;
        const char* caption;
        int y;
        void (FuelSales::*handler)();
    };
    const ButtonRow buttons[] = {
        {"ButtonFuelSale_Sale", "Sale", rowY(0), &FuelSales::ButtonFuelSale_SaleClick},
        {"ButtonFuelSale_Void", "Void", rowY(0) + 30, &FuelSales::ButtonFuelSale_VoidClick},
        {"ButtonFuelSale_Discount", "Discount", rowY(0) + 60, &FuelSales::ButtonFuelSale_DiscountClick},
        {"Button1", "Discount2", rowY(0) + 90, &FuelSales::Button1Click},
        {"ButtonFuelSale_Automat", "Automat", rowY(6) - 2, &FuelSales::ButtonFuelSale_AutomatClick},
    };
    for (const ButtonRow& b : buttons)
        ui::Button(group, QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                   QRect(336, b.y, 86, 25), [this, handler = b.handler] { (this->*handler)(); });

    BuildAutomatGroup(group);
}

void FuelSales::BuildAutomatGroup(QWidget* parent) {
    QGroupBox* group = ui::Group(parent, QStringLiteral("GroupBoxAutomat"), QStringLiteral("Automat QuentaE"),
                                 QRect(434, 12, 326, 192));
    // Two columns without labels: the start texts name the fields.
    auto at = [](int column, int row) { return QRect(10 + column * 156, 20 + row * 28, 148, FieldHeight); };
    Automat_Subclient = ui::Edit(group, QStringLiteral("Automat_Subclient"), at(0, 0), QStringLiteral("1"));
    Automat_Check = ui::Edit(group, QStringLiteral("Automat_Check"), at(1, 0), QStringLiteral("4444"));
    Automat_Name = ui::Edit(group, QStringLiteral("Automat_Name"), at(0, 1), QStringLiteral("Name"));
    Automat_Address =
        ui::Edit(group, QStringLiteral("Automat_Address"), at(1, 1), QStringLiteral("Street 1"));
    Automat_Reg = ui::Edit(group, QStringLiteral("Automat_Reg"), at(0, 2), QStringLiteral("Reg 432"));
    Automat_Remark = ui::Edit(group, QStringLiteral("Automat_Remark"), at(1, 2), QStringLiteral("Remark"));
    Automat_Date = ui::DatePicker(group, QStringLiteral("Automat_Date"), at(0, 3), QDate(2006, 7, 7));
    Automat_Time = ui::TimePicker(group, QStringLiteral("Automat_Time"), at(1, 3), QTime(10, 18, 23));
    ui::Button(group, QStringLiteral("Button17"), QStringLiteral("AutomatEx"),
               QRect(10, 20 + 4 * 28 + 4, 100, 25), [this] { Button17Click(); });
}

int FuelSales::DiscountKind() const {
    return ItemIndex(FuelSale_DiscountType) + 1;
}

int FuelSales::AutomatPayCode() const {
    const int index = ItemIndex(FuelSale_AutomatPaytype);
    if (index < 0)
        return 0;
    return index < CashItems ? index : index - CashItems + TILLCORE_PAY_CODE_CREDIT_BASE;
}

void FuelSales::ButtonFuelSale_SaleClick() {
    RunOperation(form_, QStringLiteral("PrRecItemFuel"), [this] {
        const int pump = StrToInt(FuelSale_Pump->text());
        const int nozzle = StrToInt(FuelSale_Nozzle->text());
        const double quantity = StrToFloat(FuelSale_Quantity->text());
        const double sum = StrToFloat(FuelSale_Summ->text());
        return device::PrRecItemFuel(pump, nozzle, quantity, sum);
    });
}

void FuelSales::ButtonFuelSale_VoidClick() {
    // The void is reported under the sale's name.
    RunOperation(form_, QStringLiteral("PrRecItemFuel"), [this] {
        const int pump = StrToInt(FuelSale_Pump->text());
        const int nozzle = StrToInt(FuelSale_Nozzle->text());
        const double quantity = StrToFloat(FuelSale_Quantity->text());
        const double sum = StrToFloat(FuelSale_Summ->text());
        const double discount = ParseAmount(FuelSale_Discount->text());
        return device::PrRecItemFuelVoid(pump, nozzle, quantity, sum, DiscountKind(), discount);
    });
}

void FuelSales::ButtonFuelSale_DiscountClick() {
    receipt_.ApplyItemDiscount(FuelSale_DiscountType, FuelSale_Discount);
}

void FuelSales::Button1Click() {
    RunOperation(form_, QStringLiteral("DiscountAdditionForFuelItem"), [this] {
        const double discount = ParseAmount(FuelSale_Discount->text());
        const QByteArray comment = ToDevice(FuelDiscountComment->text());
        return device::DiscountAdditionForFuelItem(DiscountKind(), discount, comment.constData(), 2);
    });
}

void FuelSales::ButtonFuelSale_AutomatClick() {
    RunOperation(form_, QStringLiteral("PrRecItemFuelAutomat"), [this] {
        const int pump = StrToInt(FuelSale_Pump->text());
        const int nozzle = StrToInt(FuelSale_Nozzle->text());
        const double quantity = StrToFloat(FuelSale_Quantity->text());
        const double sum = StrToFloat(FuelSale_Summ->text());
        const double discount = ParseAmount(FuelSale_Discount->text());
        return device::PrRecItemFuelAutomat(pump, nozzle, quantity, sum, DiscountKind(), discount,
                                            AutomatPayCode());
    });
}

void FuelSales::Button17Click() {
    RunOperation(form_, QStringLiteral("PrRecItemFuelAutomatEx"), [this] {
        const int pump = StrToInt(FuelSale_Pump->text());
        const int nozzle = StrToInt(FuelSale_Nozzle->text());
        const double quantity = StrToFloat(FuelSale_Quantity->text());
        const double sum = StrToFloat(FuelSale_Summ->text());
        const double discount = ParseAmount(FuelSale_Discount->text());
        const int subclient = StrToIntDef(Automat_Subclient->text(), 0);
        const int check = StrToIntDef(Automat_Check->text(), 0);
        const QByteArray date = DateText(Automat_Date->date());
        const QByteArray time = TimeText(Automat_Time->time());
        const QByteArray name = ToDevice(Automat_Name->text());
        const QByteArray address = ToDevice(Automat_Address->text());
        const QByteArray registration = ToDevice(Automat_Reg->text());
        const QByteArray remark = ToDevice(Automat_Remark->text());
        return device::PrRecItemFuelAutomatEx(pump, nozzle, quantity, sum, DiscountKind(), discount,
                                              AutomatPayCode(), subclient, check, date.constData(),
                                              time.constData(), name.constData(), address.constData(),
                                              registration.constData(), remark.constData());
    });
}

} // namespace pages::fuel
