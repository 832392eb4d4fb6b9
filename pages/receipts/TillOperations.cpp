#include "TillOperations.h"

#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/information/InformationLayout.h"
#include "pages/information/InformationPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace framework;

namespace pages::receipts {

TillOperations::TillOperations(PageHost& host, information::InformationPage& information)
    : host_(host), form_(host.form()), information_(information) {
    BuildMoneyButtons();
    BuildOtherPage();
}

void TillOperations::BuildMoneyButtons() {
    // The "Money In/Out" column of the Information page's "Cash in drawer" group.
    namespace cash = information::layout::cash;
    QGroupBox* group = information_.cashInDrawerGroup();
    for (int row = 0; row < 4; ++row) {
        const int y = cash::rowY(row), h = information::layout::RowHeight;
        ui::Button(group, QStringLiteral("ButtonCur%1In").arg(row + 1), QStringLiteral("In"),
                   QRect(cash::InX, y, cash::InWidth, h), [this, row] { ButtonCurInClick(row); });
        ui::Button(group, QStringLiteral("ButtonCur%1Out").arg(row + 1), QStringLiteral("Out"),
                   QRect(cash::OutX, y, cash::OutWidth, h), [this, row] { ButtonCurOutClick(row); });
    }
}

void TillOperations::BuildOtherPage() {
    QWidget* page = host_.page(Page::Other);
    const int buttonX = 396, buttonWidth = 120, buttonHeight = 24;

    QGroupBox* display = ui::Group(page, QStringLiteral("GroupBoxCustomerDisplay"),
                                   QStringLiteral("Customer display"), QRect(8, 8, 380, 100));
    ui::LabelIn(display, QStringLiteral("Line 1:"), QRect(10, 20, 76, 20));
    OtherCustomerDisplayLine1 =
        ui::Edit(display, QStringLiteral("OtherCustomerDisplayLine1"), QRect(90, 20, 280, 20));
    ui::LabelIn(display, QStringLiteral("Line 2:"), QRect(10, 46, 76, 20));
    OtherCustomerDisplayLine2 =
        ui::Edit(display, QStringLiteral("OtherCustomerDisplayLine2"), QRect(90, 46, 280, 20));
    // The display type is designed invisible and no operation reads it.
    ui::LabelIn(display, QStringLiteral("Display type:"), QRect(10, 72, 76, 20),
                QStringLiteral("labelOtherCustomerDiplayType"))
        ->setVisible(false);
    ui::Combo(display, QStringLiteral("OtherCustomerDiplayType"), QRect(90, 72, 180, 20),
              {QStringLiteral("Digital"), QStringLiteral("Alphanumreic (fixed)"),
               QStringLiteral("Alphanumreic (loadable)")})
        ->setVisible(false);
    ui::Button(page, QStringLiteral("ButtonOtherCustomerDisplay"), QStringLiteral("Display Lines"),
               QRect(buttonX, 24, buttonWidth, buttonHeight), [this] { ButtonOtherCustomerDisplayClick(); });

    QGroupBox* fuelDisplay =
        ui::Group(page, QStringLiteral("GroupBoxCustomerDisplayFuel"),
                  QStringLiteral("Customer display Fuel-QuentaE"), QRect(8, 116, 380, 74));
    ui::LabelIn(fuelDisplay, QStringLiteral("Code:"), QRect(10, 20, 76, 20));
    DispCodeType = ui::Combo(fuelDisplay, QStringLiteral("DispCodeType"), QRect(90, 20, 90, 20),
                             {QStringLiteral("Dos"), QStringLiteral("Win")}, true);
    ui::LabelIn(fuelDisplay, QStringLiteral("Type:"), QRect(10, 46, 76, 20));
    DispTypeType = ui::Combo(fuelDisplay, QStringLiteral("DispTypeType"), QRect(90, 46, 90, 20),
                             {QStringLiteral("Dec"), QStringLiteral("Hex")}, true);
    ui::Button(page, QStringLiteral("Button15"), QStringLiteral("Display Params"),
               QRect(buttonX, 130, buttonWidth, buttonHeight), [this] { Button15Click(); });
    ui::Button(page, QStringLiteral("Button16"), QStringLiteral("Display Time"),
               QRect(buttonX, 158, buttonWidth, buttonHeight), [this] { Button16Click(); });

    ui::Button(page, QStringLiteral("ButtonOpenDrawer"), QStringLiteral("Open Drawer"),
               QRect(8, 198, buttonWidth, buttonHeight), [this] { ButtonOpenDrawerClick(); });

    // The printed message is designed invisible, its button too; its operation works all the same.
    QGroupBox* messages = ui::Group(page, QStringLiteral("GroupBoxMessages"), QStringLiteral("Messages"),
                                    QRect(8, 232, 380, 50));
    OtherMessage = ui::Edit(messages, QStringLiteral("OtherMessage"), QRect(10, 20, 360, 20));
    messages->setVisible(false);
    ui::Button(page, QStringLiteral("ButtonOtherPrintMessage"), QStringLiteral("Print Message"),
               QRect(buttonX, 246, buttonWidth, buttonHeight), [this] { ButtonOtherPrintMessageClick(); })
        ->setVisible(false);
}

void TillOperations::SendMoneyIn(int index, QLineEdit* amountBox) {
    RunOperation(form_, QStringLiteral("MoneyInCurr"),
                 [&] { return device::MoneyInCurr(index, ParseAmount(amountBox->text())); });
}

void TillOperations::SendMoneyOut(int index, QLineEdit* amountBox) {
    RunOperation(form_, QStringLiteral("MoneyOutCurr"),
                 [&] { return device::MoneyOutCurr(index, ParseAmount(amountBox->text())); });
}

void TillOperations::ButtonCurInClick(int row) {
    SendMoneyIn(row, information_.cashAmountBox(row));
}

void TillOperations::ButtonCurOutClick(int row) {
    SendMoneyOut(row, information_.cashAmountBox(row));
}

void TillOperations::ButtonOtherCustomerDisplayClick() {
    RunOperation(form_, QStringLiteral("CustomerDisplay"), [this] {
        // Line 2 is taken first, so a bad character in both lines is reported for line 2.
        const QByteArray line2 = ToDevice(OtherCustomerDisplayLine2->text());
        const QByteArray line1 = ToDevice(OtherCustomerDisplayLine1->text());
        return device::CustomerDisplay(0, line1.constData(), line2.constData());
    });
}

void TillOperations::ButtonOtherPrintMessageClick() {
    RunOperation(form_, QStringLiteral("PrintErrorMessage"), [this] {
        const QByteArray message = ToDevice(OtherMessage->text());
        return device::PrintErrorMessage(message.constData());
    });
}

void TillOperations::ButtonOpenDrawerClick() {
    RunOperation(form_, QStringLiteral("OpenCashDrawer"), [] { return device::OpenCashDrawer(); });
}

void TillOperations::Button15Click() {
    RunOperation(form_, QStringLiteral("SetDispParam"), [this] {
        const int type = ItemIndex(DispTypeType);
        const int code = ItemIndex(DispCodeType);
        return device::SetDispParam(code, type);
    });
}

void TillOperations::Button16Click() {
    RunOperation(form_, QStringLiteral("SetDispTime"), [] { return device::SetDispTime(); });
}

} // namespace pages::receipts
