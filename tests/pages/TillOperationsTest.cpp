#include "FormFixture.h"

#include <QTest>

#include "framework/Cursor.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TillOperations : public FormFixture {};

TEST_F(TillOperations, MoneyInAndOutSendTheRowsCurrencyAndAmount) {
    struct Case {
        const char* button;
        const char* amountBox;
        QString amount;
        DeviceCall sent;
    };
    const Case cases[] = {
        {"ButtonCur1In", "InfoCur1Amount", "10", Call("MoneyInCurr", 0, 10.0)},
        {"ButtonCur2In", "InfoCur2Amount", " 7.25 ", Call("MoneyInCurr", 1, 7.25)},
        {"ButtonCur3In", "InfoCur3Amount", "25.5", Call("MoneyInCurr", 2, 25.5)},
        {"ButtonCur4In", "InfoCur4Amount", "1e2", Call("MoneyInCurr", 3, 100.0)},
        {"ButtonCur1Out", "InfoCur1Amount", "", Call("MoneyOutCurr", 0, 0.0)},
        {"ButtonCur2Out", "InfoCur2Amount", "0.01", Call("MoneyOutCurr", 1, 0.01)},
        {"ButtonCur3Out", "InfoCur3Amount", "-3", Call("MoneyOutCurr", 2, -3.0)},
        {"ButtonCur4Out", "InfoCur4Amount", "99999.99", Call("MoneyOutCurr", 3, 99999.99)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        device.clearCalls();
        type(c.amountBox, c.amount);
        click(c.button);
        EXPECT_THAT(calls(), ElementsAre(c.sent));
        EXPECT_EQ(text(c.amountBox), c.amount) << "the amount box is left as typed";
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(TillOperations, AnAmountThatIsNoNumberIsReportedAndNothingIsSent) {
    const std::tuple<const char*, const char*, QString, QString> cases[] = {
        {"ButtonCur1In", "InfoCur1Amount", "12,5", "MoneyInCurr"},
        {"ButtonCur4Out", "InfoCur4Amount", "abc", "MoneyOutCurr"},
        {"ButtonCur2Out", "InfoCur2Amount", "  ", "MoneyOutCurr"},
    };
    for (const auto& [button, box, amount, name] : cases) {
        SCOPED_TRACE(button);
        messages.clear();
        type(box, amount);
        click(button);
        EXPECT_THAT(boxes(),
                    ElementsAre(ExceptionBox(name, "'" + amount + "' is not a valid floating point value")));
    }
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_EQ(framework::AppCursor(), framework::crDefault);
}

TEST_F(TillOperations, EveryOperationReportsARefusalUnderItsName) {
    const std::pair<const char*, const char*> cases[] = {
        {"ButtonCur2In", "MoneyInCurr"},
        {"ButtonCur3Out", "MoneyOutCurr"},
        {"ButtonOtherCustomerDisplay", "CustomerDisplay"},
        {"ButtonOtherPrintMessage", "PrintErrorMessage"},
        {"ButtonOpenDrawer", "OpenCashDrawer"},
        {"Button15", "SetDispParam"},
        {"Button16", "SetDispTime"},
    };
    for (const auto& [button, function] : cases) {
        SCOPED_TRACE(button);
        device.clearCalls();
        messages.clear();
        device.setResult(function, 9);
        click(button);
        ASSERT_EQ(calls().size(), 1u);
        EXPECT_EQ(calls()[0].name, function);
        EXPECT_THAT(boxes(), ElementsAre(ErrorBox(QString::fromLatin1(function) + ": error 9")));
    }
}

TEST_F(TillOperations, DisplayLinesSendsModeZeroAndBothLinesInTheDeviceCodePage) {
    struct Case {
        QString line1, line2;
        std::string sent1, sent2;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"Welcome", "  Total 12.50 ", "Welcome", "  Total 12.50 "},
        {QString::fromUtf8("Ačiū"), QString::fromUtf8("Šilutė"), "A\xe8i\xfb", "\xd0ilut\xeb"},
    };
    // The hidden display type is never consulted.
    select("OtherCustomerDiplayType", 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sent1);
        device.clearCalls();
        type("OtherCustomerDisplayLine1", c.line1);
        type("OtherCustomerDisplayLine2", c.line2);
        click("ButtonOtherCustomerDisplay");
        EXPECT_THAT(calls(), ElementsAre(Call("CustomerDisplay", 0, c.sent1, c.sent2)));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(TillOperations, ATextTheDeviceCannotHoldIsReportedAndNothingIsSent) {
    const QString cyrillic = QString::fromUtf8("Привет");
    const QString tail = QStringLiteral("' contains a character that the device code page cannot represent");

    type("OtherCustomerDisplayLine1", cyrillic + "1");
    type("OtherCustomerDisplayLine2", cyrillic + "2");
    click("ButtonOtherCustomerDisplay");
    type("OtherCustomerDisplayLine2", "fine");
    click("ButtonOtherCustomerDisplay");
    type("OtherMessage", cyrillic);
    click("ButtonOtherPrintMessage");

    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), ElementsAre(ExceptionBox("CustomerDisplay", "'" + cyrillic + "2" + tail),
                                     ExceptionBox("CustomerDisplay", "'" + cyrillic + "1" + tail),
                                     ExceptionBox("PrintErrorMessage", "'" + cyrillic + tail)));
}

TEST_F(TillOperations, TheHiddenMessageStillPrints) {
    EXPECT_FALSE(find<QWidget>("OtherMessage")->isVisibleTo(form->TabSheet5));
    EXPECT_FALSE(find<QWidget>("ButtonOtherPrintMessage")->isVisibleTo(form->TabSheet5));
    type("OtherMessage", "Paper low ");
    click("ButtonOtherPrintMessage");
    EXPECT_THAT(calls(), ElementsAre(Call("PrintErrorMessage", std::string("Paper low "))));
}

TEST_F(TillOperations, DrawerAndDisplayTimeTakeNoArguments) {
    click("ButtonOpenDrawer");
    click("Button16");
    EXPECT_THAT(calls(), ElementsAre(Call("OpenCashDrawer"), Call("SetDispTime")));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(TillOperations, DisplayParamsSendTheSelectedPositionsCodeFirst) {
    struct Case {
        const char* what;
        QString code, type; // typed into the editable drop-downs
        int sentCode, sentType;
    };
    const Case cases[] = {
        {"start-up", "Dos", "Dec", 0, 0},
        {"Win and Hex", "Win", "Hex", 1, 1},
        {"Win and Dec", "Win", "Dec", 1, 0},
        {"typed text that is no item", "Utf", "hex", -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.what != std::string("start-up")) {
            find<QComboBox>("DispCodeType")->setEditText(c.code);
            find<QComboBox>("DispTypeType")->setEditText(c.type);
        }
        device.clearCalls();
        click("Button15");
        EXPECT_THAT(calls(), ElementsAre(Call("SetDispParam", c.sentCode, c.sentType)));
    }
    // Typed text and Enter select nothing new: the lists keep their two items.
    auto* code = find<QComboBox>("DispCodeType");
    code->setEditText("Utf");
    QTest::keyClick(code->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(code->count(), 2);
}
