#include "FormFixture.h"

#include "framework/Widgets.h"
#include "pages/PageLayout.h"
#include "pages/receipts/FiscalReceipt.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const QStringList CashBoxes = {"FiscalReceiptCash1", "FiscalReceiptCash2", "FiscalReceiptCash3",
                               "FiscalReceiptCash4"};

QStringList CreditBoxes() {
    QStringList names;
    for (int i = 1; i <= 8; ++i)
        names << QStringLiteral("FiscalReceiptCredit%1").arg(i);
    return names;
}

// Twelve payment arguments: zeros except `value` at `index`.
DeviceCall Payment(const std::string& function, int index = -1, double value = 0) {
    DeviceCall call{function, std::vector<Arg>(12, Arg(0.0))};
    if (index >= 0)
        call.args[index] = value;
    return call;
}

} // namespace

class FiscalReceiptPage : public FormFixture {
protected:
    // An item row a sale can go through: tax 2 and department 3 are sent as indexes 1 and 2.
    void typeItem() {
        type("FiscalReceiptItemName", "Milk");
        type("FiscalReceiptItemQuantity", "2");
        type("FiscalReceiptItemPrice", "1.25");
        type("FiscalReceiptItemUnit", "pcs");
        type("FiscalReceiptItemTax", "2");
        type("FiscalReceiptItemDepart", "3");
    }
};

TEST_F(FiscalReceiptPage, EachButtonMakesItsOneCall) {
    typeItem();
    select("FiscalReceiptItemDiscountType", 1);
    type("FiscalReceiptItemDiscount", "5");
    type("FiscalReceiptDiscount", "10");
    type("FiscalReceiptComment", "Thank you");
    struct Case {
        const char* button;
        DeviceCall call;
    };
    const Case cases[] = {
        {"ButtonBeginFiscalReceipt", Call("BeginFiscalReceipt")},
        {"ButtonFiscalReceiptItemSale",
         Call("PrintRecItemDepart", Text("Milk"), 2.0, 1.25, 1, Text("pcs"), 2)},
        {"ButtonFiscalReceiptItemDiscount", Call("DiscountAdditionForItem", 2, 5.0)},
        {"ButtonFiscalReceiptItemVoid",
         Call("ItemReturnEx", Text("Milk"), 2.0, 1.25, 1, Text("pcs"), 2, 2, 5.0)},
        {"ButtonFiscalReceiptDiscount", Call("DiscountAdditionForReceipt", 1, 10.0)},
        {"ButtonFiscalReceiptComment", Call("PrintCommentLine", Text("Thank you"), 65)},
        {"ButtonEndFiscalReceipt", Payment("EndFiscalReceiptCurrEx")},
        {"ButtonFiscalReceiptReturn", Payment("GoodsReturnCurrEx")},
        {"ButtonFiscalReceiptCopy", Call("PrintCopyOfLastReceipt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        device.clearCalls();
        click(c.button);
        EXPECT_THAT(calls(), ElementsAre(c.call));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(FiscalReceiptPage, ANonzeroResultIsReportedUnderTheOperationName) {
    typeItem();
    struct Case {
        const char* button;
        const char* function;
        const char* report;
    };
    const Case cases[] = {
        {"ButtonBeginFiscalReceipt", "BeginFiscalReceipt", "BeginFiscalReceipt: error 7"},
        {"ButtonFiscalReceiptItemSale", "PrintRecItemDepart", "PrintRecItemDepart: error 7"},
        {"ButtonFiscalReceiptItemDiscount", "DiscountAdditionForItem", "DiscountAdditionForItem: error 7"},
        {"ButtonFiscalReceiptItemVoid", "ItemReturnEx", "ItemReturn: error 7"},
        {"ButtonFiscalReceiptDiscount", "DiscountAdditionForReceipt", "DiscountAdditionForReceipt: error 7"},
        {"ButtonFiscalReceiptComment", "PrintCommentLine", "PrintCommentLine: error 7"},
        {"ButtonEndFiscalReceipt", "EndFiscalReceiptCurrEx", "EndFiscalReceiptCurrEx: error 7"},
        {"ButtonFiscalReceiptReturn", "GoodsReturnCurrEx", "GoodsReturnCurrEx: error 7"},
        {"ButtonFiscalReceiptCopy", "PrintCopyOfLastReceipt", "PrintCopyOfLastReceipt: error 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        messages.clear();
        device.setResult(c.function, 7);
        click(c.button);
        EXPECT_THAT(boxes(), ElementsAre(ErrorBox(c.report)));
        EXPECT_EQ(text("FiscalReceiptItemName"), "Milk") << "no operation writes to a box";
    }
}

// Cash 1, credits 1 to 8, cash 2 to 4: the library's order differs from the page's.
TEST_F(FiscalReceiptPage, PaymentAmountsLandInTheLibrarysOrder) {
    QStringList boxesInPageOrder = CashBoxes + CreditBoxes();
    const int argumentOf[12] = {0, 9, 10, 11, 1, 2, 3, 4, 5, 6, 7, 8};
    for (const char* function : {"EndFiscalReceiptCurrEx", "GoodsReturnCurrEx"}) {
        const QString button = std::string(function) == "EndFiscalReceiptCurrEx"
                                   ? QStringLiteral("ButtonEndFiscalReceipt")
                                   : QStringLiteral("ButtonFiscalReceiptReturn");
        for (int i = 0; i < 12; ++i) {
            SCOPED_TRACE(boxesInPageOrder[i].toStdString() + " " + function);
            for (const QString& box : boxesInPageOrder)
                type(box, "");
            type(boxesInPageOrder[i], "10");
            device.clearCalls();
            click(button);
            EXPECT_THAT(calls(), ElementsAre(Payment(function, argumentOf[i], 10.0)));
        }
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(FiscalReceiptPage, AFieldThatDoesNotConvertIsReportedAndNothingIsSent) {
    const RefusedInput cases[] = {
        {{{"FiscalReceiptItemTax", ""}},
         "ButtonFiscalReceiptItemSale",
         "PrintRecItemDepart",
         "'' is not a valid integer value"},
        // The department is converted first, then tax, then price.
        {{{"FiscalReceiptItemDepart", "d"}, {"FiscalReceiptItemTax", "t"}, {"FiscalReceiptItemPrice", "p"}},
         "ButtonFiscalReceiptItemSale",
         "PrintRecItemDepart",
         "'d' is not a valid integer value"},
        {{{"FiscalReceiptItemPrice", "1,5"}, {"FiscalReceiptItemQuantity", "q"}},
         "ButtonFiscalReceiptItemSale",
         "PrintRecItemDepart",
         "'1,5' is not a valid floating point value"},
        {{{"FiscalReceiptItemName", QString::fromUtf8("\xe4\xb8\xad")}},
         "ButtonFiscalReceiptItemSale",
         "PrintRecItemDepart",
         QString::fromUtf8("'\xe4\xb8\xad' contains a character that the device code page cannot represent")},
        // The void converts its adjustment before the item.
        {{{"FiscalReceiptItemDiscount", "v"}, {"FiscalReceiptItemDepart", "d"}},
         "ButtonFiscalReceiptItemVoid",
         "ItemReturn",
         "'v' is not a valid floating point value"},
        {{{"FiscalReceiptItemDiscount", "5%"}},
         "ButtonFiscalReceiptItemDiscount",
         "DiscountAdditionForItem",
         "'5%' is not a valid floating point value"},
        {{{"FiscalReceiptDiscount", "ten"}},
         "ButtonFiscalReceiptDiscount",
         "DiscountAdditionForReceipt",
         "'ten' is not a valid floating point value"},
        // Cash boxes are converted before the credits, although credit 1 is sent before cash 4.
        {{{"FiscalReceiptCash4", "c4"}, {"FiscalReceiptCredit1", "k1"}},
         "ButtonEndFiscalReceipt",
         "EndFiscalReceiptCurrEx",
         "'c4' is not a valid floating point value"},
        {{{"FiscalReceiptCredit8", "1,5"}},
         "ButtonFiscalReceiptReturn",
         "GoodsReturnCurrEx",
         "'1,5' is not a valid floating point value"},
        {{{"FiscalReceiptComment", QString::fromUtf8("\xe4\xb8\xad")}},
         "ButtonFiscalReceiptComment",
         "PrintCommentLine",
         QString::fromUtf8("'\xe4\xb8\xad' contains a character that the device code page cannot represent")},
    };
    for (const RefusedInput& c : cases)
        expectRefused(c, [this] { typeItem(); });
}

TEST_F(FiscalReceiptPage, ItemFieldsAtTheirEdges) {
    struct Case {
        const char* tax;
        const char* depart;
        const char* quantity;
        const char* price;
        DeviceCall call;
    };
    const Case cases[] = {
        {"1", "1", "2", "1.25", Call("PrintRecItemDepart", Text(""), 2.0, 1.25, 0, Text(""), 0)},
        {"1", "9", "2", "1.25", Call("PrintRecItemDepart", Text(""), 2.0, 1.25, 0, Text(""), 8)},
        {"3", "1", "", "", Call("PrintRecItemDepart", Text(""), 0.0, 0.0, 2, Text(""), 0)},
        {"1", "1", "1.5", " 0.5 ", Call("PrintRecItemDepart", Text(""), 1.5, 0.5, 0, Text(""), 0)},
    };
    for (const Case& c : cases) {
        type("FiscalReceiptItemTax", c.tax);
        type("FiscalReceiptItemDepart", c.depart);
        type("FiscalReceiptItemQuantity", c.quantity);
        type("FiscalReceiptItemPrice", c.price);
        device.clearCalls();
        click("ButtonFiscalReceiptItemSale");
        EXPECT_THAT(calls(), ElementsAre(c.call));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(FiscalReceiptPage, StartsWithItsDesignedValues) {
    EXPECT_EQ(text("FiscalReceiptItemTax"), "1");
    EXPECT_EQ(text("FiscalReceiptItemDepart"), "1");
    EXPECT_EQ(text("FiscalReceiptCommentAttribute"), "41");
    auto* spinner = find<framework::UpDown>("FiscalReceiptItemDepartUpDown");
    EXPECT_EQ(spinner->min(), 1);
    EXPECT_EQ(spinner->max(), 8);
    EXPECT_EQ(find<QComboBox>("comboBeginFiscal")->currentText(), "Sale");
}

TEST_F(FiscalReceiptPage, VoidWithoutAdjustmentSendsZero) {
    click("ButtonFiscalReceiptItemVoid");
    EXPECT_THAT(calls(), ElementsAre(Call("ItemReturnEx", Text(""), 0.0, 0.0, 0, Text(""), 0, 1, 0.0)));
}

TEST_F(FiscalReceiptPage, ItemDiscountServesOtherPagesControls) {
    auto* kinds =
        ui::Combo(form->TabSheet12, "ProbeKinds", QRect(0, 0, 50, 20), {"Percent", "Summ", "Price"});
    auto* value = ui::Edit(form->TabSheet12, "ProbeValue", QRect(0, 0, 50, 20), "2.5");
    form->fiscalReceipt().ApplyItemDiscount(kinds, value); // nothing selected: kind 0
    kinds->setCurrentIndex(2);
    form->fiscalReceipt().ApplyItemDiscount(kinds, value);
    value->setText("x");
    form->fiscalReceipt().ApplyItemDiscount(kinds, value);
    EXPECT_THAT(calls(), ElementsAre(Call("DiscountAdditionForItem", 0, 2.5),
                                     Call("DiscountAdditionForItem", 3, 2.5)));
    EXPECT_THAT(boxes(), ElementsAre(ExceptionBox("DiscountAdditionForItem",
                                                  "'x' is not a valid floating point value")));
}

TEST_F(FiscalReceiptPage, SaleCycleRepeatsTheSaleAndIgnoresItsResults) {
    typeItem();
    type("textSaleCycle", "3");
    device.setResult("PrintRecItemDepart", 5);
    find<QAbstractButton>("Button10")->click();
    const DeviceCall sale = Call("PrintRecItemDepart", Text("Milk"), 2.0, 1.25, 1, Text("pcs"), 2);
    EXPECT_THAT(calls(), ElementsAre(sale, sale, sale));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(FiscalReceiptPage, SaleCycleReadsItsCountBeforeEveryPass) {
    typeItem();
    type("textSaleCycle", "5");
    device.setHandler("PrintRecItemDepart", [this](const DeviceCall&, char*) {
        type("textSaleCycle", "2");
        return 0;
    });
    find<QAbstractButton>("Button10")->click();
    EXPECT_EQ(calls().size(), 2u);
}

TEST_F(FiscalReceiptPage, SaleCycleStopsOnAConversionError) {
    struct Case {
        const char* count;
        const char* tax;
        std::vector<ShownBox> shown;
    };
    const Case cases[] = {
        {"", "1", {ExceptionBox("SaleCycle", "'' is not a valid integer value")}},
        {"2", "", {ExceptionBox("SaleCycle", "'' is not a valid integer value")}},
        {"0", "1", {}},
        {"-3", "1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        messages.clear();
        type("textSaleCycle", c.count);
        type("FiscalReceiptItemTax", c.tax);
        find<QAbstractButton>("Button10")->click();
        EXPECT_THAT(calls(), IsEmpty());
        EXPECT_EQ(boxes(), c.shown);
    }
}

TEST_F(FiscalReceiptPage, CommentAttributeIsHexadecimal) {
    struct Case {
        const char* attribute;
        int sent;
    };
    const Case cases[] = {{"41", 65}, {"ff", 255}, {"4G", 64}, {"", 0}};
    for (const Case& c : cases) {
        type("FiscalReceiptCommentAttribute", c.attribute);
        device.clearCalls();
        click("ButtonFiscalReceiptComment");
        EXPECT_THAT(calls(), ElementsAre(Call("PrintCommentLine", Text(""), c.sent))) << c.attribute;
    }
}

TEST_F(FiscalReceiptPage, LeavesTheResetCornerFree) {
    for (const QWidget* child : form->TabSheet3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().endsWith("ResetFiscal")) {
            EXPECT_FALSE(child->geometry().intersects(pages::ResetButtonRect))
                << child->objectName().toStdString();
        }
    }
}
