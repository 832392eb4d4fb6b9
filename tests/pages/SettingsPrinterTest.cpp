#include "FormFixture.h"

#include "framework/Widgets.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SettingsPrinter : public FormFixture {
protected:
    framework::UpDown* spinner(const char* name) const { return find<framework::UpDown>(name); }
};

TEST_F(SettingsPrinter, TheStartValuesAreSent) {
    EXPECT_EQ(find<QComboBox>("PrinterType")->count(), 12);
    EXPECT_EQ(find<QComboBox>("PrinterType")->itemText(11), "Samsumg SRP 275");
    EXPECT_EQ(text("CompressionMode"), "15");
    click("ButtonSetPrinterType");
    click("ButtonSetCompressionMode");
    click("ButtonSetTillImpuls");
    EXPECT_THAT(calls(), ElementsAre(Call("SetPrinterTypeEx2", 0, 0, 0, 1, 0), Call("SetCompressionMode", 15),
                                     Call("SetTillImpuls", 40, 40)));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsPrinter, SetPrinterTypeSendsTypeCodePageImageNumberAndLargeImage) {
    struct Case {
        int type;
        int codePage;
        bool image;
        QString number;
        bool large;
        DeviceCall sent;
    };
    const Case cases[] = {
        {4, 1, true, "3", false, Call("SetPrinterTypeEx2", 4, 1, 1, 3, 0)},
        {11, 0, false, "9", true, Call("SetPrinterTypeEx2", 11, 0, 0, 9, 1)},
        {9, 1, true, "-2", true, Call("SetPrinterTypeEx2", 9, 1, 1, -2, 1)},
    };
    for (const Case& c : cases) {
        device.clearCalls();
        select("PrinterType", c.type);
        select("PrinterCodePage", c.codePage);
        check("ImageEnable", c.image);
        type("NumberImage", c.number);
        check("LargeImage", c.large);
        click("ButtonSetPrinterType");
        EXPECT_THAT(calls(), ElementsAre(c.sent));
    }
}

TEST_F(SettingsPrinter, ACodePageTypedOverSendsMinusOne) {
    find<QComboBox>("PrinterCodePage")->setEditText("UTF-8");
    click("ButtonSetPrinterType");
    EXPECT_THAT(calls(), ElementsAre(Call("SetPrinterTypeEx2", 0, -1, 0, 1, 0)));
}

TEST_F(SettingsPrinter, AnImageNumberThatIsNoIntegerIsReportedAndNothingSent) {
    for (const QString& number : {QString("x"), QString(""), QString("3 ")}) {
        messages.clear();
        type("NumberImage", number);
        click("ButtonSetPrinterType");
        EXPECT_THAT(boxes(), ElementsAre(ExceptionBox("SetPrinterTypeEx2",
                                                      "'" + number + "' is not a valid integer value")));
    }
    EXPECT_THAT(calls(), IsEmpty());
}

TEST_F(SettingsPrinter, WithoutAPrinterTypeNothingHappens) {
    select("PrinterType", -1);
    click("ButtonSetPrinterType");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsPrinter, SpinnerPositionsAreSentInTheirOrder) {
    spinner("UpDownTillImpuls1")->setPosition(10);
    type("TillImpuls2", "60");
    type("CompressionMode", "0");
    click("ButtonSetTillImpuls");
    click("ButtonSetCompressionMode");
    // Typing beyond the range holds the spinner at its end; text that is no number leaves it.
    type("CompressionMode", "150");
    click("ButtonSetCompressionMode");
    type("CompressionMode", "abc");
    click("ButtonSetCompressionMode");
    spinner("UpDownTillImpuls2")->stepBy(-100);
    click("ButtonSetTillImpuls");
    EXPECT_THAT(calls(), ElementsAre(Call("SetTillImpuls", 10, 60), Call("SetCompressionMode", 0),
                                     Call("SetCompressionMode", 100), Call("SetCompressionMode", 100),
                                     Call("SetTillImpuls", 10, 0)));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsPrinter, NonzeroResultsAreReported) {
    device.setResult("SetPrinterTypeEx2", 21);
    device.setResult("SetCompressionMode", 22);
    device.setResult("SetTillImpuls", -23);
    click("ButtonSetPrinterType");
    click("ButtonSetCompressionMode");
    click("ButtonSetTillImpuls");
    EXPECT_THAT(boxes(),
                ElementsAre(ErrorBox("SetPrinterTypeEx2: error 21"), ErrorBox("SetCompressionMode: error 22"),
                            ErrorBox("SetTillImpuls: error -23")));
}
