#include "FormFixture.h"

#include "pages/settings/TaxCurrencyClock.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SettingsTaxCurrencyClock : public FormFixture {};

TEST_F(SettingsTaxCurrencyClock, StartValues) {
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(text(QStringLiteral("Tax%1Rate").arg(n)), "");
        EXPECT_EQ(text(QStringLiteral("CurName%1").arg(n)), "");
    }
    EXPECT_EQ(text("CurRate1"), "1");
    EXPECT_TRUE(find<QLineEdit>("CurRate1")->isReadOnly());
    EXPECT_EQ(text("CurRate2"), "");
}

TEST_F(SettingsTaxCurrencyClock, SetTaxSendsTheRowIndexAndTheRateAsADouble) {
    const std::tuple<int, QString, double> cases[] = {
        {1, "21", 21.0}, {2, "21.5", 21.5}, {3, " 7 ", 7.0}, {4, "1e1", 10.0}, {4, "-0.5", -0.5},
    };
    for (const auto& [row, typed, sent] : cases) {
        device.clearCalls();
        type(QStringLiteral("Tax%1Rate").arg(row), typed);
        click(QStringLiteral("ButtonSetTax%1").arg(row));
        EXPECT_THAT(calls(), ElementsAre(Call("SetVAT", row - 1, sent))) << typed.toStdString();
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsTaxCurrencyClock, ARateThatIsNoNumberIsReportedAndNothingSent) {
    for (const QString& typed : {QString(""), QString("21,5"), QString("abc"), QString("   ")}) {
        messages.clear();
        type("Tax2Rate", typed);
        click("ButtonSetTax2");
        EXPECT_THAT(boxes(), ElementsAre(ExceptionBox(
                                 "SetVAT", "'" + typed + "' is not a valid floating point value")));
        type("CurRate3", typed);
        messages.clear();
        click("ButtonSetCur3");
        EXPECT_THAT(boxes(), ElementsAre(ExceptionBox(
                                 "SetCurrency", "'" + typed + "' is not a valid floating point value")));
    }
    EXPECT_THAT(calls(), IsEmpty());
}

TEST_F(SettingsTaxCurrencyClock, TheCurrencyRateIsConvertedBeforeTheName) {
    type("CurName2", QString::fromUtf8("\xe4\xb8\xad"));
    type("CurRate2", "21,5");
    click("ButtonSetCur2");
    EXPECT_THAT(boxes(),
                ElementsAre(ExceptionBox("SetCurrency", "'21,5' is not a valid floating point value")));
    EXPECT_THAT(calls(), IsEmpty());
}

TEST_F(SettingsTaxCurrencyClock, NonzeroResultsAreReportedUnderTheirNames) {
    type("Tax1Rate", "5");
    device.setResult("SetVAT", 12);
    click("ButtonSetTax1");
    device.setResult("SetCurrency", -3);
    click("ButtonSetCur1");
    device.setResult("SetDate", 1);
    click("ButtonSetDate");
    device.setResult("SetTime", 2);
    click("ButtonSetTime");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("SetVAT: error 12"), ErrorBox("SetCurrency: error -3"),
                                     ErrorBox("SetDate: error 1"), ErrorBox("SetTime: error 2")));
}

TEST_F(SettingsTaxCurrencyClock, GetTaxShowsField2AsReceived) {
    const std::tuple<int, QByteArray, QString> cases[] = {
        {1,
         "0\x1c"
         "21.00",
         "21.00"},
        {2,
         "x\x1c"
         " 21.00 \x1c"
         "more",
         " 21.00 "},
        {3, "only one field", ""},
        {4, "x\x1c", ""},
    };
    for (const auto& [row, answer, shown] : cases) {
        device.clearCalls();
        type(QStringLiteral("Tax%1Rate").arg(row), "old");
        device.setAnswer(39 + row, answer);
        click(QStringLiteral("ButtonGetTax%1").arg(row));
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 39 + row)));
        EXPECT_EQ(text(QStringLiteral("Tax%1Rate").arg(row)), shown) << answer.toStdString();
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsTaxCurrencyClock, SetCurrencySendsTheNameAsTypedAndTheRateAsADouble) {
    type("CurName2", "EUR  ");
    type("CurRate2", "3.4528");
    click("ButtonSetCur2");
    type("CurName4", "");
    type("CurRate4", "0");
    click("ButtonSetCur4");
    click("ButtonSetCur1"); // the base currency sends what its read-only box shows
    type("CurName3", QString::fromUtf8("Litų"));
    type("CurRate3", "1");
    click("ButtonSetCur3");
    EXPECT_THAT(calls(), ElementsAre(Call("SetCurrency", 1, std::string("EUR  "), 3.4528),
                                     Call("SetCurrency", 3, std::string(), 0.0),
                                     Call("SetCurrency", 0, std::string(), 1.0),
                                     Call("SetCurrency", 2, std::string("Lit\xF8"), 1.0)));
}

TEST_F(SettingsTaxCurrencyClock, GetCurrencyTrimsTheNameAndShowsTheRateAsReceived) {
    device.setAnswer(30, "1\x1c"
                         "EUR   \x1c"
                         "1.000 ");
    click("ButtonGetCur1");
    EXPECT_EQ(text("CurName1"), "EUR");
    EXPECT_EQ(text("CurRate1"), "1.000 ") << "the read-only base rate shows the module's answer";
    device.setAnswer(33, "4\x1c"
                         "USD");
    type("CurRate4", "9");
    click("ButtonGetCur4");
    EXPECT_EQ(text("CurName4"), "USD");
    EXPECT_EQ(text("CurRate4"), "") << "a missing field empties the box";
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 30), Call("GetFiscalInfo", 33)));
}

TEST_F(SettingsTaxCurrencyClock, QueryCurrencyFillsTheBoxesItIsGiven) {
    QLineEdit name, rate;
    device.setAnswer(32, "3\x1c"
                         "GBP \x1c"
                         "0.85");
    form->taxCurrencyClock().QueryCurrency(2, &name, &rate);
    EXPECT_EQ(name.text(), "GBP");
    EXPECT_EQ(rate.text(), "0.85");
}

TEST_F(SettingsTaxCurrencyClock, FailedReadsLeaveTheBoxes) {
    type("Tax1Rate", "18");
    type("CurName2", "EUR");
    type("CurRate2", "4.3");
    device.setAnswer(40,
                     "0\x1c"
                     "5",
                     5);
    device.setAnswer(31,
                     "0\x1c"
                     "X\x1c"
                     "5",
                     6);
    click("ButtonGetTax1");
    click("ButtonGetCur2");
    EXPECT_EQ(text("Tax1Rate"), "18");
    EXPECT_EQ(text("CurName2"), "EUR");
    EXPECT_EQ(text("CurRate2"), "4.3");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(VAT): error 5"),
                                     ErrorBox("GetFiscalInfo(currency): error 6")));
}

TEST_F(SettingsTaxCurrencyClock, DateAndTimeAreSentAsTheirTexts) {
    find<QDateEdit>("Date")->setDate(QDate(2024, 3, 5));
    find<QTimeEdit>("Time")->setTime(QTime(9, 7, 45));
    click("ButtonSetDate");
    click("ButtonSetTime");
    find<QTimeEdit>("Time")->setTime(QTime(23, 59, 59));
    click("ButtonSetTime");
    EXPECT_THAT(calls(),
                ElementsAre(Call("SetDate", std::string("20240305")), Call("SetTime", std::string("0907")),
                            Call("SetTime", std::string("2359"))));
}

TEST_F(SettingsTaxCurrencyClock, GetDateAndTimeSetThePickers) {
    device.setAnswer(5, "20240229\x1c");
    device.setAnswer(6, "0907");
    click("ButtonGetDate");
    click("ButtonGetTime");
    EXPECT_EQ(find<QDateEdit>("Date")->date(), QDate(2024, 2, 29));
    EXPECT_EQ(find<QTimeEdit>("Time")->time(), QTime(9, 7, 0));
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 5), Call("GetFiscalInfo", 6)));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsTaxCurrencyClock, BadDateAndTimeAnswersAreReportedAndThePickersKept) {
    const QDate date(2020, 6, 1);
    const QTime time(12, 0, 0);
    struct Case {
        int code;
        QByteArray answer;
        int result;
        ShownBox box;
    };
    const Case cases[] = {
        {5, "20241301", 0, ExceptionBox("GetFiscalInfo(date)", "Invalid argument to date encode")},
        {5, "20230229", 0, ExceptionBox("GetFiscalInfo(date)", "Invalid argument to date encode")},
        {5, "", 0, ExceptionBox("GetFiscalInfo(date)", "'' is not a valid integer value")},
        {5, "20240101", 8, ErrorBox("GetFiscalInfo(date): error 8")},
        {6, "2400", 0, ExceptionBox("GetFiscalInfo(time)", "Invalid argument to time encode")},
        {6, "9:05", 0, ExceptionBox("GetFiscalInfo(time)", "'9:' is not a valid integer value")},
        {6, "0800", 9, ErrorBox("GetFiscalInfo(time): error 9")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        messages.clear();
        find<QDateEdit>("Date")->setDate(date);
        find<QTimeEdit>("Time")->setTime(time);
        device.setAnswer(c.code, c.answer, c.result);
        click(c.code == 5 ? "ButtonGetDate" : "ButtonGetTime");
        EXPECT_THAT(boxes(), ElementsAre(c.box));
        EXPECT_EQ(find<QDateEdit>("Date")->date(), date);
        EXPECT_EQ(find<QTimeEdit>("Time")->time(), time);
    }
}
