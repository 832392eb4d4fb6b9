#include "FormFixture.h"

#include "framework/Cursor.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class InformationPage : public FormFixture {};

TEST_F(InformationPage, EachRowReadsItsCodeAndShowsField1TrimmedOnTheRight) {
    struct Row {
        const char* button;
        const char* box;
        int code;
        QByteArray answer;
        QString shown;
    };
    const Row rows[] = {
        {"ButtonGetInfoTotalReceipt", "InfoTotalReceipt", 0, "12.50  \x1c", "12.50"},
        {"ButtonGetInfoDayTurnover", "InfoDayTurnover", 1,
         " 1500.00\t\x1c"
         "9\x1c",
         " 1500.00"},
        {"ButtonGetInfoReceiptNumber", "InfoReceiptNumber", 2, "000042", "000042"},
        {"ButtonGetInfoDate", "InfoDate", 5, "20261211\x1c", "20261211"},
        {"ButtonGetInfoTime", "InfoTime", 6, "1030\x1c", "1030"},
        {"ButtonGetInfoZReportNumber", "InfoZReportNumber", 7, "17\x1c", "17"},
        {"ButtonGetInfoNextDayReceipt", "InfoNextDayReceipt", 8, "3\x1c", "3"},
        {"ButtonGetInfoFiscalUnitNumber", "InfoFiscalUnitNumber", 3, "QE 0001234 \x1c", "QE 0001234"},
        {"ButtonGetInfoFiscalUnitVersion", "InfoFiscalUnitVersion", 4, "v2.\xe0\x1c",
         QString::fromUtf8("v2.ą")},
        {"ButtonGetInfoShassiNumber", "InfoShassiNumber", 301, "CH-77\x1c", "CH-77"},
        {"ButtonGetInfoIdNumber", "InfoIdNumber", 302, "   \x1c", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        device.clearCalls();
        device.setAnswer(row.code, row.answer);
        click(row.button);
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", row.code)));
        EXPECT_EQ(text(row.box), row.shown);
    }
    EXPECT_THAT(boxes(), IsEmpty());
    EXPECT_EQ(framework::AppCursor(), framework::crDefault);
}

TEST_F(InformationPage, AFailedRowReadEmptiesItsBoxAfterTheErrorBox) {
    device.setAnswer(3, "QE 0001234\x1c");
    click("ButtonGetInfoFiscalUnitNumber");
    ASSERT_EQ(text("InfoFiscalUnitNumber"), "QE 0001234");

    device.setAnswer(3, "QE 0001234\x1c", 4);
    click("ButtonGetInfoFiscalUnitNumber");
    EXPECT_EQ(text("InfoFiscalUnitNumber"), "");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(3): error 4")));
}

// The state read-out counts only the fields an FS ends, at most five.
TEST_F(InformationPage, StateReadOutShowsStateMaskAndDetailsByTheFieldCount) {
    struct Case {
        const char* what;
        QByteArray answer;
        int result;
        QString state, mask, details; // "old" = kept from before
    };
    const Case cases[] = {
        {"five fields",
         "READY\x1c"
         "A\x1c"
         "01\x1c"
         "02\x1c"
         "03\x1c",
         0, "READY", "41", "01 02 03"},
        {"state shown untrimmed",
         " OPEN  \x1c"
         "A\x1c",
         0, " OPEN  ", "41", ""},
        {"empty mask field", "READY\x1c\x1c", 0, "READY", "00", ""},
        {"mask is the raw byte",
         "READY\x1c\xe0\x1c"
         "7\x1c",
         0, "READY", "E0", "7"},
        {"one FS empties the hardware boxes", "READY\x1c", 0, "READY", "", ""},
        {"no FS counts as no fields", "READY", 0, "", "old", "old"},
        {"an unterminated last field is not counted",
         "READY\x1c"
         "A\x1c"
         "01",
         0, "READY", "41", ""},
        {"more than five fields",
         "S\x1c\xff\x1c"
         "01\x1c"
         "02\x1c"
         "03\x1c"
         "04\x1c"
         "05\x1c",
         0, "S", "FF", "01 02 03"},
        {"details kept as received",
         "S\x1c"
         "A\x1c"
         " a \x1c"
         "b\x1c",
         0, "S", "41", " a  b"},
        {"failed query",
         "READY\x1c"
         "A\x1c",
         3, "", "old", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        type("InfoState", "old");
        type("InfoHardwareMask", "old");
        type("InfoHardwareErrorDetails", "old");
        device.clearCalls();
        device.setAnswer(9, c.answer, c.result);
        click("ButtonGetInfoState");
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 9)));
        EXPECT_EQ(text("InfoState"), c.state);
        EXPECT_EQ(text("InfoHardwareMask"), c.mask);
        EXPECT_EQ(text("InfoHardwareErrorDetails"), c.details);
    }
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(9): error 3")));
}

TEST_F(InformationPage, TheHardErrorsGetRunsTheSameStateReadOut) {
    device.setAnswer(9, "READY\x1c"
                        "B\x1c"
                        "10\x1c"
                        "20\x1c");
    click("Button6");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 9)));
    EXPECT_EQ(text("InfoState"), "READY");
    EXPECT_EQ(text("InfoHardwareMask"), "42");
    EXPECT_EQ(text("InfoHardwareErrorDetails"), "10 20");

    device.setAnswer(9, "", -2);
    click("Button6");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(9): error -2")));
}

// The currency's name and rate come from the currency read of the settings page (codes 30..33);
// the amount from codes 50..53.
TEST_F(InformationPage, CashReadAsksForTheCurrencyThenTheCashOfItsRow) {
    for (int row = 1; row <= 4; ++row) {
        SCOPED_TRACE(row);
        const int index = row - 1;
        device.clearCalls();
        device.setAnswer(30 + index, "x\x1c"
                                     "EUR   \x1c"
                                     "3.4528\x1c");
        device.setAnswer(50 + index, QByteArray::number(index) + "\x1c"
                                                                 "125.40 \x1c");
        click(QStringLiteral("ButtonGetInfoCur%1Amount").arg(row));
        EXPECT_THAT(calls(),
                    ElementsAre(Call("GetFiscalInfo", 30 + index), Call("GetFiscalInfo", 50 + index)));
        EXPECT_EQ(text(QStringLiteral("InfoCur%1Name").arg(row)), "EUR");
        EXPECT_EQ(text(QStringLiteral("InfoCur%1Rate").arg(row)), "3.4528");
        EXPECT_EQ(text(QStringLiteral("InfoCur%1Amount").arg(row)), "125.40");
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(InformationPage, CashAmountIsField2AndATypedAmountIsOverwritten) {
    const std::pair<QByteArray, QString> cases[] = {
        {"0\x1c"
         "77.00\x1c",
         "77.00"},
        {"0\x1c"
         "77.00",
         "77.00"},
        {"0\x1c", ""},
        {"77.00", ""},
    };
    for (const auto& [answer, shown] : cases) {
        SCOPED_TRACE(answer.toStdString());
        type("InfoCur2Amount", "12.5");
        device.setAnswer(51, answer);
        click("ButtonGetInfoCur2Amount");
        EXPECT_EQ(text("InfoCur2Amount"), shown);
    }
    EXPECT_FALSE(find<QLineEdit>("InfoCur2Amount")->isReadOnly())
        << "the amount is also typed for money in/out";
}

TEST_F(InformationPage, ACashReadWhoseCurrencyQueryFailsStillShowsTheAmount) {
    device.setAnswer(32,
                     "x\x1c"
                     "USD\x1c"
                     "1.1\x1c",
                     5);
    device.setAnswer(52, "2\x1c"
                         "10.00\x1c");
    click("ButtonGetInfoCur3Amount");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 32), Call("GetFiscalInfo", 52)));
    EXPECT_EQ(text("InfoCur3Amount"), "10.00");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(currency): error 5")));
}

TEST_F(InformationPage, ACashReadCanShowTwoErrorBoxesAndKeepsItsBoxes) {
    type("InfoCur1Amount", "50");
    device.setAnswer(30,
                     "x\x1c"
                     "EUR\x1c"
                     "1\x1c",
                     5);
    device.setAnswer(50,
                     "0\x1c"
                     "99.00\x1c",
                     6);
    click("ButtonGetInfoCur1Amount");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(currency): error 5"),
                                     ErrorBox("GetInfo(cash in drawer): error 6")));
    EXPECT_EQ(text("InfoCur1Name"), "");
    EXPECT_EQ(text("InfoCur1Amount"), "50");
    EXPECT_EQ(framework::AppCursor(), framework::crDefault);
}

TEST_F(InformationPage, DepartmentRowsShowNameTrimmedAndTurnoverAsReceived) {
    for (int row = 1; row <= 8; ++row) {
        SCOPED_TRACE(row);
        const int index = row - 1;
        device.clearCalls();
        device.setAnswer(310 + index, QByteArray::number(index) + "\x1c"
                                                                  "Bakery   \x1c"
                                                                  " 1234.50 \x1c");
        click(QStringLiteral("ButtonInfoDepart%1Get").arg(row));
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 310 + index)));
        EXPECT_EQ(text(QStringLiteral("InfoDepart%1Name").arg(row)), "Bakery");
        EXPECT_EQ(text(QStringLiteral("InfoDepart%1Summ").arg(row)), " 1234.50 ");
    }
    EXPECT_THAT(boxes(), IsEmpty());
}
