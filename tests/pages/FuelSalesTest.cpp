#include "FormFixture.h"

#include "framework/Widgets.h"
#include "pages/receipts/FiscalReceipt.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FuelSales : public FormFixture {
protected:
    framework::UpDown* spinner(const char* name) const {
        return dynamic_cast<framework::UpDown*>(find<QWidget>(name));
    }
    void typeItem(const QString& pump, const QString& nozzle, const QString& quantity,
                  const QString& sum) const {
        type("FuelSale_Pump", pump);
        type("FuelSale_Nozzle", nozzle);
        type("FuelSale_Quantity", quantity);
        type("FuelSale_Summ", sum);
    }
};

TEST_F(FuelSales, StartsWithTheDesignedValues) {
    EXPECT_EQ(text("FuelSale_Pump"), "0");
    EXPECT_EQ(text("FuelSale_Nozzle"), "0");
    EXPECT_EQ(spinner("FuelSale_PumpUpDown")->max(), 15);
    EXPECT_EQ(spinner("FuelSale_NozzleUpDown")->max(), 7);
    EXPECT_EQ(find<QComboBox>("FuelSale_DiscountType")->currentText(), "Percent");
    EXPECT_EQ(find<QComboBox>("FuelSale_AutomatPaytype")->currentText(), "Cash 1");
    const std::pair<const char*, const char*> automat[] = {
        {"Automat_Subclient", "1"},      {"Automat_Check", "4444"},  {"Automat_Name", "Name"},
        {"Automat_Address", "Street 1"}, {"Automat_Reg", "Reg 432"}, {"Automat_Remark", "Remark"}};
    for (const auto& [name, value] : automat)
        EXPECT_EQ(text(name), value) << name;
    EXPECT_EQ(find<QDateEdit>("Automat_Date")->date(), QDate(2006, 7, 7));
    EXPECT_EQ(find<QTimeEdit>("Automat_Time")->time(), QTime(10, 18, 23));
}

TEST_F(FuelSales, EachButtonSendsItsCallWithTheConvertedFields) {
    typeItem("3", "5", "10.5", "12.30");
    type("FuelSale_Discount", "");
    type("FuelDiscountComment", "Loyal");
    select("FuelSale_DiscountType", 0);

    struct Case {
        const char* button;
        DeviceCall call;
    };
    const Case cases[] = {
        {"ButtonFuelSale_Sale", Call("PrRecItemFuel", 3, 5, 10.5, 12.3)},
        {"ButtonFuelSale_Void", Call("PrRecItemFuelVoid", 3, 5, 10.5, 12.3, 1, 0.0)},
        {"Button1", Call("DiscountAdditionForFuelItem", 1, 0.0, Text("Loyal"), 2)},
        {"ButtonFuelSale_Automat", Call("PrRecItemFuelAutomat", 3, 5, 10.5, 12.3, 1, 0.0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        device.clearCalls();
        click(c.button);
        EXPECT_THAT(calls(), ElementsAre(c.call));
    }
    EXPECT_THAT(boxes(), IsEmpty());

    device.clearCalls();
    select("FuelSale_DiscountType", 2);
    type("FuelSale_Discount", "0.05");
    click("Button1");
    EXPECT_THAT(calls(), ElementsAre(Call("DiscountAdditionForFuelItem", 3, 0.05, Text("Loyal"), 2)));
}

TEST_F(FuelSales, FieldsThatDoNotConvertAreReportedAndNothingIsSent) {
    struct Case {
        QString pump, nozzle, quantity, sum, discount;
        const char* button;
        ShownBox box;
    };
    const Case cases[] = {
        {"0", "0", "10", "", "", "ButtonFuelSale_Sale",
         ExceptionBox("PrRecItemFuel", "'' is not a valid floating point value")},
        {"", "0", "10", "5", "", "ButtonFuelSale_Sale",
         ExceptionBox("PrRecItemFuel", "'' is not a valid integer value")},
        {"0", "1.5", "10", "5", "", "ButtonFuelSale_Void",
         ExceptionBox("PrRecItemFuel", "'1.5' is not a valid integer value")},
        {"0", "0", "10", "5", "5%", "ButtonFuelSale_Void",
         ExceptionBox("PrRecItemFuel", "'5%' is not a valid floating point value")},
        {"0", "0", "10", "5", "x", "Button1",
         ExceptionBox("DiscountAdditionForFuelItem", "'x' is not a valid floating point value")},
        {"0", "0", "1,5", "5", "", "ButtonFuelSale_Automat",
         ExceptionBox("PrRecItemFuelAutomat", "'1,5' is not a valid floating point value")},
        {"0", "0", "10", "abc", "", "Button17",
         ExceptionBox("PrRecItemFuelAutomatEx", "'abc' is not a valid floating point value")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        messages.clear();
        typeItem(c.pump, c.nozzle, c.quantity, c.sum);
        type("FuelSale_Discount", c.discount);
        click(c.button);
        EXPECT_THAT(calls(), IsEmpty());
        EXPECT_THAT(boxes(), ElementsAre(c.box));
    }
}

TEST_F(FuelSales, ANonzeroResultIsReportedUnderTheOperationName) {
    typeItem("1", "1", "1", "1");
    struct Case {
        const char* button;
        std::string function;
        const char* name;
    };
    const Case cases[] = {{"ButtonFuelSale_Sale", "PrRecItemFuel", "PrRecItemFuel"},
                          {"ButtonFuelSale_Void", "PrRecItemFuelVoid", "PrRecItemFuel"},
                          {"Button1", "DiscountAdditionForFuelItem", "DiscountAdditionForFuelItem"},
                          {"ButtonFuelSale_Automat", "PrRecItemFuelAutomat", "PrRecItemFuelAutomat"},
                          {"Button17", "PrRecItemFuelAutomatEx", "PrRecItemFuelAutomatEx"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        messages.clear();
        device.setResult(c.function, -3);
        click(c.button);
        EXPECT_THAT(boxes(), ElementsAre(ErrorBox(QString::fromLatin1(c.name) + ": error -3")));
    }
}

TEST_F(FuelSales, AutomatSendsThePayCodeOfTheSelectedPayType) {
    typeItem("0", "0", "1", "1");
    struct Case {
        int index; // -1: leave the list as it is, -2: type a text that names no item
        int payCode;
    };
    const Case cases[] = {{-1, 0}, {0, 0}, {3, 3}, {4, 10}, {11, 17}, {-2, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        createForm();
        typeItem("0", "0", "1", "1");
        device.clearCalls();
        if (c.index >= 0)
            select("FuelSale_AutomatPaytype", c.index);
        else if (c.index == -2)
            find<QComboBox>("FuelSale_AutomatPaytype")->setEditText("Visa");
        click("ButtonFuelSale_Automat");
        ASSERT_EQ(calls().size(), 1u);
        EXPECT_EQ(calls()[0].args.back(), Arg(c.payCode));
    }
}

TEST_F(FuelSales, AutomatExSendsTheCustomerBlockWithDateAndTimeTexts) {
    typeItem("2", "1", "30", "45.9");
    type("FuelSale_Discount", "2");
    select("FuelSale_DiscountType", 1);
    select("FuelSale_AutomatPaytype", 5);
    find<QDateEdit>("Automat_Date")->setDate(QDate(2024, 3, 5));
    find<QTimeEdit>("Automat_Time")->setTime(QTime(10, 18, 45));
    click("Button17");
    type("Automat_Check", "12ab");
    type("Automat_Subclient", "");
    type("Automat_Name", "");
    click("Button17");
    EXPECT_THAT(
        calls(),
        ElementsAre(Call("PrRecItemFuelAutomatEx", 2, 1, 30.0, 45.9, 2, 2.0, 11, 1, 4444, Text("20240305"),
                         Text("1018"), Text("Name"), Text("Street 1"), Text("Reg 432"), Text("Remark")),
                    Call("PrRecItemFuelAutomatEx", 2, 1, 30.0, 45.9, 2, 2.0, 11, 0, 0, Text("20240305"),
                         Text("1018"), Text(""), Text("Street 1"), Text("Reg 432"), Text("Remark"))));
}

// These buttons run the Fiscal Receipt page's own operations; a build without them has nothing
// to check yet.
TEST_F(FuelSales, BeginEndAndDiscountRunTheFiscalReceiptOperations) {
    form->fiscalReceipt().ButtonBeginFiscalReceiptClick();
    if (calls().empty())
        GTEST_SKIP() << "the fiscal receipt operations are not in this build";
    device.clearCalls();

    click("ButtonFuelSale_Begin");
    EXPECT_THAT(calls(), ElementsAre(Call("BeginFiscalReceipt")));

    device.clearCalls();
    click("ButtonFuelSale_End");
    EXPECT_EQ(device.callNames(), std::vector<std::string>{"EndFiscalReceiptCurrEx"});

    device.clearCalls();
    select("FuelSale_DiscountType", 2);
    type("FuelSale_Discount", "0.10");
    click("ButtonFuelSale_Discount");
    EXPECT_THAT(calls(), ElementsAre(Call("DiscountAdditionForItem", 3, 0.1)));

    device.clearCalls();
    type("FuelSale_Discount", "ten");
    click("ButtonFuelSale_Discount");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), ElementsAre(ExceptionBox("DiscountAdditionForItem",
                                                  "'ten' is not a valid floating point value")));
}
