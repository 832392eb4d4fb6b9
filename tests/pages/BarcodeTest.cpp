#include "FormFixture.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class BarcodeGroups : public FormFixture {
protected:
    QStringList statusTexts() const {
        return {text("TG2480Byte0"), text("TG2480Byte1"), text("TG2480Byte2"), text("TG2480Byte3")};
    }
    void setStatusTexts(const QString& value) const {
        for (int i = 0; i < 4; ++i)
            type(QStringLiteral("TG2480Byte%1").arg(i), value);
    }
};

TEST_F(BarcodeGroups, PrintSendsSymbologyHriHeightWidthAndData) {
    struct Case {
        bool top;
        bool bottom;
        int symbology;
        const char* height;
        const char* width;
        const char* data;
        DeviceCall call;
    };
    const Case cases[] = {
        {false, false, 0, "162", "2", "12345", Call("PrintBarCodeTG2480", 0, 0, 162, 2, Text("12345"))},
        {true, false, 0, "162", "2", "1", Call("PrintBarCodeTG2480", 0, 1, 162, 2, Text("1"))},
        {false, true, 4, "162", "2", "1", Call("PrintBarCodeTG2480", 4, 2, 162, 2, Text("1"))},
        {true, true, 8, "255", "6", "ABC-128", Call("PrintBarCodeTG2480", 8, 3, 255, 6, Text("ABC-128"))},
        {false, false, 0, "1", "1", "   ", Call("PrintBarCodeTG2480", 0, 0, 1, 1, Text("   "))},
        // The spinners' positions are sent: 300 is held at 255, and "x" leaves the width where the
        // row before put it.
        {false, false, 0, "300", "x", "9", Call("PrintBarCodeTG2480", 0, 0, 255, 1, Text("9"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        check("CODE39HRITop", c.top);
        check("CODE39HRIBottom", c.bottom);
        select("CODE39Type", c.symbology);
        type("CODE39Height", c.height);
        type("CODE39Width", c.width);
        type("CODE39Code", c.data);
        device.clearCalls();
        click("ButtonCODE39Print");
        EXPECT_THAT(calls(), ElementsAre(c.call));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(BarcodeGroups, EmptyDataIsRefusedBeforeTheCall) {
    click("ButtonCODE39Print");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), ElementsAre(ExceptionBox("PrintBarCodeTG2480", "Nothing to print.")));
}

TEST_F(BarcodeGroups, PrintReportsANonzeroResult) {
    type("CODE39Code", "1");
    device.setResult("PrintBarCodeTG2480", 3);
    click("ButtonCODE39Print");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("PrintBarCodeTG2480: error 3")));
}

TEST_F(BarcodeGroups, InputLimitsAsDesigned) {
    EXPECT_EQ(find<QLineEdit>("CODE39Height")->maxLength(), 3);
    EXPECT_EQ(find<QLineEdit>("CODE39Width")->maxLength(), 1);
    EXPECT_EQ(find<QLineEdit>("CODE39Code")->maxLength(), 24);
    EXPECT_EQ(find<QComboBox>("CODE39Type")->itemText(8), "CODE 128");
}

TEST_F(BarcodeGroups, StatusBytesAreShownInHexadecimal) {
    device.setAnswer(307, "0\x1c"
                          "8\x1c"
                          "16\x1c"
                          "255\x1c");
    click("ButtonTG2480Get");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 307)));
    EXPECT_EQ(statusTexts(), QStringList({"0x00", "0x08", "0x10", "0xFF"}));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(BarcodeGroups, AMissingStatusFieldStopsAfterTheBytesBeforeIt) {
    setStatusTexts("old");
    device.setAnswer(307, "1\x1c"
                          "2\x1c");
    click("ButtonTG2480Get");
    EXPECT_EQ(statusTexts(), QStringList({"0x01", "0x02", "old", "old"}));
    EXPECT_THAT(boxes(),
                ElementsAre(ExceptionBox("GetFiscalInfo(TG2480 status)", "'' is not a valid integer value")));
}

TEST_F(BarcodeGroups, AFailedStatusReadChangesNoBox) {
    setStatusTexts("old");
    device.setAnswer(307,
                     "1\x1c"
                     "2\x1c"
                     "3\x1c"
                     "4\x1c",
                     4);
    click("ButtonTG2480Get");
    EXPECT_EQ(statusTexts(), QStringList({"old", "old", "old", "old"}));
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(TG2480 status): error 4")));
}
