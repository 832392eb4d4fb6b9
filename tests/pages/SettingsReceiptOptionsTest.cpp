#include "FormFixture.h"

#include <QTest>

#include <QRadioButton>

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SettingsReceiptOptions : public FormFixture {
protected:
    QDateEdit* picker(const QString& name) const { return find<QDateEdit>(name); }
    bool ticked(const QString& name) const { return find<QCheckBox>(name)->isChecked(); }
};

TEST_F(SettingsReceiptOptions, FrOptionsSendTheSwitchAndTheLineWidth) {
    EXPECT_EQ(text("NumberFRLine"), "50");
    click("ButtonSetFR");
    check("FREnabled", true);
    click("ButtonSetFR");
    click("ButtonSetFRLine");
    type("NumberFRLine", "120");
    click("ButtonSetFRLine");
    type("NumberFRLine", "wide"); // not a number: sent as 0, no error
    click("ButtonSetFRLine");
    EXPECT_THAT(calls(), ElementsAre(Call("SetEnableFR", 0), Call("SetEnableFR", 1), Call("SetLineFR", 50),
                                     Call("SetLineFR", 120), Call("SetLineFR", 0)));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsReceiptOptions, GetFrTicksOnANonzeroFieldAndClearsOnFailure) {
    const std::tuple<QByteArray, int, bool> cases[] = {
        {"1\x1c"
         "x",
         0, true},
        {"0\x1c", 0, false},
        {"7", 0, true},
        {"on", 0, false},
        {"1\x1c", 5, false},
    };
    for (const auto& [answer, result, enabled] : cases) {
        SCOPED_TRACE(answer.toStdString());
        check("FREnabled", !enabled);
        device.setAnswer(303, answer, result);
        click("ButtonGetFR");
        EXPECT_EQ(ticked("FREnabled"), enabled);
    }
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(303): error 5")));
}

TEST_F(SettingsReceiptOptions, ConversionTypeIsSentAsATruthValue) {
    click("ButtonSetCCT"); // started in 2026: "Indirect"
    check("cctDirect", true);
    click("ButtonSetCCT");
    EXPECT_THAT(calls(), ElementsAre(Call("SetConvertType", true), Call("SetConvertType", false)));
}

TEST_F(SettingsReceiptOptions, GetConversionTypeSelectsDirectOnlyForZero) {
    const std::pair<QByteArray, const char*> cases[] = {
        {"2", "cctIndirect"},     {"", "cctDirect"},  {"0\x1c", "cctDirect"},
        {"1\x1c", "cctIndirect"}, {"x", "cctDirect"},
    };
    for (const auto& [answer, selected] : cases) {
        device.setAnswer(306, answer);
        click("ButtonGetCCT");
        EXPECT_TRUE(find<QRadioButton>(selected)->isChecked()) << answer.toStdString();
    }
    device.setAnswer(306, "0", 4);
    click("ButtonGetCCT");
    EXPECT_TRUE(find<QRadioButton>("cctDirect")->isChecked()) << "a failed read keeps the selection";
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(conversion type): error 4")));
}

TEST_F(SettingsReceiptOptions, VoidAndSurchargeNamesShareOneCodeSpace) {
    click("Button18");
    click("ButtonSurchargeSet");
    select("VoidType", 2);
    select("SurchargeType", 1);
    click("Button18");
    click("ButtonSurchargeSet");
    EXPECT_THAT(calls(), ElementsAre(Call("SetVoidName", 0), Call("SetVoidName", 10), Call("SetVoidName", 2),
                                     Call("SetVoidName", 11)));
    device.setResult("SetVoidName", 8);
    click("ButtonSurchargeSet");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("SetVoidName: error 8")));
}

TEST_F(SettingsReceiptOptions, SetPrintCurrencyRowSendsRowPrintRateAndBothDays) {
    click("pvSet1");
    check("pvPrint3", true);
    picker("pvDateFrom3")->setDate(QDate(2015, 1, 1));
    picker("pvDateTill3")->setDate(QDate(2014, 3, 9)); // no order check: the module decides
    click("pvSet3");
    type("pvRate2", "1.5 ");
    click("pvSet2");
    EXPECT_THAT(calls(), ElementsAre(Call("SetPrintVal", 1, false, std::string("0.702804"),
                                          std::string("20130815"), std::string("20140701")),
                                     Call("SetPrintVal", 3, true, std::string(), std::string("20150101"),
                                          std::string("20140309")),
                                     Call("SetPrintVal", 2, false, std::string("1.5 "),
                                          std::string("20130815"), std::string("20140701"))));
    device.setResult("SetPrintVal", 6);
    click("pvSet2");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("SetPrintVal(2): error 6")));
}

TEST_F(SettingsReceiptOptions, TheRateBoxTakesTenTypedCharactersButShowsALongerAnswerWhole) {
    auto* rate = find<QLineEdit>("pvRate1");
    rate->clear();
    QTest::keyClicks(rate, "0.12345678901");
    EXPECT_EQ(rate->text(), "0.12345678");

    device.setAnswer(303, "1\x1c"
                          "0\x1c"
                          "1.2345678901\x1c"
                          "20150101\x1c"
                          "20151231\x1c");
    click("pvGet1");
    EXPECT_EQ(rate->text(), "1.2345678901");
}

TEST_F(SettingsReceiptOptions, GetPrintCurrencyRowFillsTheRowFromFiveFields) {
    device.setAnswer(304, "2\x1c"
                          "1\x1c"
                          "1.5\x1c"
                          "20150101\x1c"
                          "20151231\x1c");
    click("pvGet2");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 304)));
    EXPECT_TRUE(ticked("pvPrint2"));
    EXPECT_EQ(text("pvRate2"), "1.5");
    EXPECT_EQ(picker("pvDateFrom2")->date(), QDate(2015, 1, 1));
    EXPECT_EQ(picker("pvDateTill2")->date(), QDate(2015, 12, 31));

    device.setAnswer(305, "3\x1c"
                          "0\x1c"
                          " 2.25 \x1c"
                          "20160229\x1c"
                          "20160301\x1c");
    check("pvPrint3", true);
    click("pvGet3");
    EXPECT_FALSE(ticked("pvPrint3"));
    EXPECT_EQ(text("pvRate3"), " 2.25 ") << "shown as received";
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsReceiptOptions, GetPrintCurrencyRowKeepsTheRowUnlessFiveFieldsCame) {
    const std::pair<QByteArray, int> cases[] = {
        {"2\x1c"
         "1\x1c"
         "1.5\x1c"
         "20150101\x1c"
         "20151231",
         0}, // fifth field not ended by FS
        {"2\x1c"
         "1\x1c",
         0},
        {"2\x1c"
         "1\x1c"
         "1.5\x1c"
         "20150101\x1c"
         "20151231\x1c",
         3},
    };
    for (const auto& [answer, result] : cases) {
        SCOPED_TRACE(answer.toStdString());
        device.setAnswer(303, answer, result);
        click("pvGet1");
        EXPECT_FALSE(ticked("pvPrint1"));
        EXPECT_EQ(text("pvRate1"), "0.702804");
        EXPECT_EQ(picker("pvDateFrom1")->date(), QDate(2013, 8, 15));
        EXPECT_EQ(picker("pvDateTill1")->date(), QDate(2014, 7, 1));
    }
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(303): error 3")));
}

TEST_F(SettingsReceiptOptions, ABadDateEndsTheReadAfterPrintAndRate) {
    device.setAnswer(303, "1\x1c"
                          "1\x1c"
                          "9.9\x1c"
                          "20151301\x1c"
                          "20151231\x1c");
    click("pvGet1");
    EXPECT_TRUE(ticked("pvPrint1"));
    EXPECT_EQ(text("pvRate1"), "9.9");
    EXPECT_EQ(picker("pvDateFrom1")->date(), QDate(2013, 8, 15));
    EXPECT_EQ(picker("pvDateTill1")->date(), QDate(2014, 7, 1));
    EXPECT_THAT(boxes(),
                ElementsAre(ExceptionBox("GetInfoData(infoPrnVal1)", "Invalid argument to date encode")));
}
