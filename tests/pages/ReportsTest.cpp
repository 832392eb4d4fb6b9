#include "FormFixture.h"

#include "framework/Cursor.h"
#include "framework/MessageBox.h"
#include "framework/Widgets.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
const QString ZQuestion = QStringLiteral(
    "Z-report close current shift and clears shift data.\nAre You sure to proceed with operation ?");
}

class Reports : public FormFixture {};

TEST_F(Reports, EachPrintButtonCallsItsFunctionAndReportsARefusal) {
    struct Case {
        const char* button;
        const char* function;
    };
    const Case cases[] = {
        {"ButtonPrintVATTable", "PrintVatTable"},       {"ButtonPrintCurTable", "PrintCurrencyTable"},
        {"ButtonPrintCreditTable", "PrintCreditTable"}, {"ButtonXReport", "PrintXReport"},
        {"ButtonMiniXReport", "PrintMiniXReport"},      {"ButtonZReport", "PrintZReport"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        device.clearCalls();
        messages.clear();
        device.setResult(c.function, 0);
        click(c.button);
        EXPECT_THAT(calls(), ElementsAre(Call(c.function)));

        device.setResult(c.function, 5);
        click(c.button);
        const ShownBox refusal = ErrorBox(QString::fromLatin1(c.function) + ": error 5");
        EXPECT_EQ(boxes().back(), refusal);
        EXPECT_EQ(framework::AppCursor(), framework::crDefault);
    }
}

TEST_F(Reports, ZReportAsksFirstAndRunsOnlyOnYes) {
    framework::SetAppCursor(framework::crArrow);
    messages.answerNext(framework::idNo);
    click("ButtonZReport");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), ElementsAre(QuestionBox(ZQuestion)));
    EXPECT_EQ(framework::AppCursor(), framework::crArrow) << "no busy section ran";
    EXPECT_EQ(ZQuestion.count(QLatin1Char('\n')), 1);

    messages.answerNext(framework::idYes);
    click("ButtonZReport");
    EXPECT_THAT(calls(), ElementsAre(Call("PrintZReport")));
    EXPECT_THAT(boxes(), ElementsAre(QuestionBox(ZQuestion), QuestionBox(ZQuestion)));
}

TEST_F(Reports, PeriodicReportsByDateSendThePickersDateTexts) {
    struct Case {
        QDate from, to;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {QDate(), QDate(), "20261211", "20261211"}, // start-up: both today
        {QDate(2026, 3, 5), QDate(2026, 12, 31), "20260305", "20261231"},
        {QDate(2024, 2, 29), QDate(2024, 2, 29), "20240229", "20240229"},
        {QDate(2027, 1, 1), QDate(2025, 6, 9), "20270101", "20250609"}, // sent unchecked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        if (c.from.isValid()) {
            find<QDateEdit>("PeriodDate1")->setDate(c.from);
            find<QDateEdit>("PeriodDate2")->setDate(c.to);
        }
        device.clearCalls();
        click("ButtonSumPeriodicReport");
        click("ButtonPeriodicReport");
        EXPECT_THAT(calls(),
                    ElementsAre(Call("PrintSumPeriodicReport", std::string(c.first), std::string(c.last)),
                                Call("PrintPeriodicReport", std::string(c.first), std::string(c.last))));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(Reports, PeriodicReportsByNumberSendTheSpinnersPositions) {
    struct Case {
        const char* what;
        QString typed1, typed2; // null: leave the box alone
        int steps1, steps2;     // spinner clicks after typing
        int first, last;
    };
    const Case cases[] = {
        {"start-up", {}, {}, 0, 0, 0, 0},
        {"typed", "12", "3", 0, 0, 12, 3},
        {"stepped", "12", "3", 2, -1, 14, 2},
        {"held within the range", "10001", "-5", 1, -1, 10000, 0},
        {"typed again", "7", "9", 0, 0, 7, 9},
        {"text that is no number keeps the position", "7x", " ", 0, 0, 7, 9},
    };
    auto* upDown1 = find<framework::UpDown>("UpDownPeriodicNumber1");
    auto* upDown2 = find<framework::UpDown>("UpDownPeriodicNumber2");
    EXPECT_EQ(text("PeriodicNumber1"), "0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.typed1.isNull())
            type("PeriodicNumber1", c.typed1);
        if (!c.typed2.isNull())
            type("PeriodicNumber2", c.typed2);
        upDown1->stepBy(c.steps1);
        upDown2->stepBy(c.steps2);
        device.clearCalls();
        click("ButtonPrintSumPeriodicReportByNumber");
        click("ButtonPeriodicReportByNumber");
        EXPECT_THAT(calls(), ElementsAre(Call("PrintSumPeriodicReportByNumber", c.first, c.last),
                                         Call("PrintPeriodicReportByNumber", c.first, c.last)));
    }
}

TEST_F(Reports, PeriodicReportRefusalsAreReportedUnderTheirNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"ButtonSumPeriodicReport", "PrintSumPeriodicReport"},
        {"ButtonPeriodicReport", "PrintPeriodicReport"},
        {"ButtonPrintSumPeriodicReportByNumber", "PrintSumPeriodicReportByNumber"},
        {"ButtonPeriodicReportByNumber", "PrintPeriodicReportByNumber"},
    };
    for (const auto& [button, function] : cases) {
        SCOPED_TRACE(button);
        device.setResult(function, -3);
        click(button);
        EXPECT_EQ(boxes().back(), ErrorBox(QString::fromLatin1(function) + ": error -3"));
    }
    EXPECT_EQ(boxes().size(), std::size(cases));
}
