#include "FormFixture.h"

#include "pages/PageLayout.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class NonFiscalReceiptPage : public FormFixture {
protected:
    // Tare and deposit groups hold different values, so a call shows which group it read.
    void typeItems() {
        type("NonFiscalReceiptTareName", "Crate");
        type("NonFiscalReceiptTareQuantity", "3");
        type("NonFiscalReceiptTarePrice", "0.5");
        type("NonFiscalReceiptDepositName", "Bottle");
        type("NonFiscalReceiptDepositQuantity", "6");
        type("NonFiscalReceiptDepositPrice", "0.1");
    }
};

TEST_F(NonFiscalReceiptPage, EachButtonMakesItsOneCall) {
    typeItems();
    type("NonFiscalReceiptLine", "Hello");
    struct Case {
        const char* button;
        DeviceCall call;
    };
    const Case cases[] = {
        {"ButtonBeginNonFiscalReceipt", Call("BeginNonFiscalReceipt")},
        {"ButtonNonFiscalReceiptLine", Call("PrintNonFiscalLine", Text("Hello"), 65)},
        {"ButtonNonFiscalReceiptTareSale", Call("PrintTareItem", Text("Crate"), 3.0, 0.5)},
        {"ButtonNonFiscalReceiptTareVoid", Call("PrintTareItemVoid", Text("Crate"), 3.0, 0.5)},
        {"ButtonNonFiscalReceiptDepositSale", Call("PrintDepositReceive", Text("Bottle"), 6.0, 0.1)},
        {"ButtonNonFiscalReceiptDepositVoid", Call("PrintDepositRefund", Text("Bottle"), 6.0, 0.1)},
        {"ButtonEndNonFiscalReceipt", Call("EndNonFiscalReceipt")},
        {"ButtonPrintHeader", Call("PrintHeader")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        device.clearCalls();
        click(c.button);
        EXPECT_THAT(calls(), ElementsAre(c.call));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(NonFiscalReceiptPage, ButtonCaptionsMatchTheirFunctions) {
    EXPECT_EQ(find<QAbstractButton>("ButtonNonFiscalReceiptTareSale")->text(), "Tare Receive");
    EXPECT_EQ(find<QAbstractButton>("ButtonNonFiscalReceiptTareVoid")->text(), "Tare Sale");
    EXPECT_EQ(find<QAbstractButton>("ButtonNonFiscalReceiptDepositSale")->text(), "Deposit In");
    EXPECT_EQ(find<QAbstractButton>("ButtonNonFiscalReceiptDepositVoid")->text(), "Deposit Out");
}

TEST_F(NonFiscalReceiptPage, ANonzeroResultIsReportedUnderTheFunctionName) {
    const std::pair<const char*, const char*> cases[] = {
        {"ButtonBeginNonFiscalReceipt", "BeginNonFiscalReceipt"},
        {"ButtonNonFiscalReceiptLine", "PrintNonFiscalLine"},
        {"ButtonNonFiscalReceiptTareSale", "PrintTareItem"},
        {"ButtonNonFiscalReceiptTareVoid", "PrintTareItemVoid"},
        {"ButtonNonFiscalReceiptDepositSale", "PrintDepositReceive"},
        {"ButtonNonFiscalReceiptDepositVoid", "PrintDepositRefund"},
        {"ButtonEndNonFiscalReceipt", "EndNonFiscalReceipt"},
        {"ButtonPrintHeader", "PrintHeader"},
    };
    for (const auto& [button, function] : cases) {
        SCOPED_TRACE(button);
        messages.clear();
        device.setResult(function, -2);
        click(button);
        EXPECT_THAT(boxes(), ElementsAre(ErrorBox(QString(function) + ": error -2")));
    }
}

TEST_F(NonFiscalReceiptPage, AnAmountThatDoesNotConvertIsReportedAndNothingIsSent) {
    const RefusedInput cases[] = {
        {{{"NonFiscalReceiptDepositPrice", "1,5"}},
         "ButtonNonFiscalReceiptDepositVoid",
         "PrintDepositRefund",
         "'1,5' is not a valid floating point value"},
        // Price is converted before quantity.
        {{{"NonFiscalReceiptTarePrice", "p"}, {"NonFiscalReceiptTareQuantity", "q"}},
         "ButtonNonFiscalReceiptTareSale",
         "PrintTareItem",
         "'p' is not a valid floating point value"},
        {{{"NonFiscalReceiptTareQuantity", "q"}},
         "ButtonNonFiscalReceiptTareVoid",
         "PrintTareItemVoid",
         "'q' is not a valid floating point value"},
        {{{"NonFiscalReceiptDepositName", QString::fromUtf8("\xe4\xb8\xad")}},
         "ButtonNonFiscalReceiptDepositSale",
         "PrintDepositReceive",
         QString::fromUtf8("'\xe4\xb8\xad' contains a character that the device code page cannot represent")},
    };
    for (const RefusedInput& c : cases)
        expectRefused(c);
}

TEST_F(NonFiscalReceiptPage, EmptyBoxesAndOddAttributesStillPrint) {
    struct Case {
        const char* attribute;
        int sent;
    };
    for (const Case& c : {Case{"41", 65}, Case{"zz", 0}, Case{"4G", 64}}) {
        type("NonFiscalReceiptLineAttribute", c.attribute);
        device.clearCalls();
        click("ButtonNonFiscalReceiptLine");
        EXPECT_THAT(calls(), ElementsAre(Call("PrintNonFiscalLine", Text(""), c.sent))) << c.attribute;
    }
    device.clearCalls();
    click("ButtonNonFiscalReceiptTareSale");
    EXPECT_THAT(calls(), ElementsAre(Call("PrintTareItem", Text(""), 0.0, 0.0)));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(NonFiscalReceiptPage, LeavesTheResetCornerFree) {
    for (const QWidget* child : form->TabSheet4->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().endsWith("ResetFiscal")) {
            EXPECT_FALSE(child->geometry().intersects(pages::ResetButtonRect))
                << child->objectName().toStdString();
        }
    }
}
