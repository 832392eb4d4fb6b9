#include "FormFixture.h"

#include "framework/Cursor.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"

#include <QPushButton>

using namespace testing_support;
using namespace framework;
using namespace pages;

class OperationFramework : public FormFixture {};

TEST_F(OperationFramework, CheckResultReportsNonzeroCodesOnly) {
    EXPECT_TRUE(CheckResult(*form, "PrintZReport", 0));
    EXPECT_FALSE(CheckResult(*form, "PrintZReport", 5));
    EXPECT_FALSE(CheckResult(*form, "SetVAT", -1));
    EXPECT_THAT(boxes(),
                ::testing::ElementsAre(ErrorBox("PrintZReport: error 5"), ErrorBox("SetVAT: error -1")));
}

TEST_F(OperationFramework, ReportExceptionPutsTheMessageAfterALineFeed) {
    ReportException(*form, "SetVAT", Exception("boom"));
    ReportException(*form, "SetVAT", Exception(""));
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[0], (ShownBox{"Error", "SetVAT: raised Exception. Message:\nboom", 64}));
    EXPECT_EQ(boxes()[1].text, "SetVAT: raised Exception. Message:\n");
}

TEST_F(OperationFramework, RunOperationShowsTheHourglassOnlyDuringTheCall) {
    int cursorDuringCall = 0;
    device.setHandler("PrintXReport", [&](const DeviceCall&, char*) {
        cursorDuringCall = AppCursor();
        return 0;
    });
    EXPECT_TRUE(RunOperation(*form, "PrintXReport", [] { return device::PrintXReport(); }));
    EXPECT_EQ(cursorDuringCall, crHourGlass);
    EXPECT_EQ(AppCursor(), crDefault);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(OperationFramework, AConversionErrorSkipsTheCallAndIsReported) {
    const bool ok = RunOperation(*form, "SetVAT", [] { return device::SetVAT(0, ParseAmount("21,5")); });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(calls().empty());
    EXPECT_THAT(boxes(),
                ::testing::ElementsAre(ExceptionBox("SetVAT", "'21,5' is not a valid floating point value")));
    EXPECT_EQ(AppCursor(), crDefault);
}

TEST_F(OperationFramework, AFunctionTheLibraryLacksIsReportedWhenNeeded) {
    device.removeFunction("SetVAT");
    RunOperation(*form, "SetVAT", [] { return device::SetVAT(0, 1.0); });
    EXPECT_THAT(boxes(),
                ::testing::ElementsAre(ExceptionBox("SetVAT", "Device library has no function SetVAT")));
}

TEST_F(OperationFramework, QueryInfoFieldsCountsFieldsEndedByFs) {
    struct Case {
        QByteArray answer;
        int result;
        int n;
        int count;
        std::vector<QByteArray> fields;
    };
    const Case cases[] = {
        {"A", 0, 2, 0, {"A", ""}},
        {"A\x1c"
         "B",
         0,
         2,
         1,
         {"A", "B"}},
        {"A\x1c"
         "B\x1c"
         "C\x1c",
         0,
         2,
         2,
         {"A", "B"}},
        {"A\x1c", 7, 2, 0, {"", ""}},
    };
    for (const Case& c : cases) {
        device.setAnswer(3, c.answer, c.result);
        std::vector<QByteArray> fields(c.n);
        EXPECT_EQ(QueryInfoFields(*form, 3, c.n, fields.data()), c.count) << c.answer.toStdString();
        EXPECT_EQ(fields, c.fields) << c.answer.toStdString();
    }
    EXPECT_THAT(boxes(), ::testing::ElementsAre(ErrorBox("GetFiscalInfo(3): error 7")));
    EXPECT_EQ(calls().back(), Call("GetFiscalInfo", 3));
}

TEST_F(OperationFramework, QueryInfoTextTrimsTheBoxButNotTheResult) {
    auto* box = ui::Edit(form.get(), "Probe", QRect(0, 0, 50, 20), "old");
    device.setAnswer(1, "12.50  ");
    EXPECT_EQ(QueryInfoText(*form, 1, box), "12.50  ");
    EXPECT_EQ(box->text(), "12.50");

    device.setAnswer(1, "99", 4);
    messages.onShow = [&](const ShownBox&) {
        EXPECT_EQ(box->text(), "12.50") << "emptied after the box closes";
    };
    EXPECT_EQ(QueryInfoText(*form, 1, box), "");
    EXPECT_EQ(box->text(), "");
    EXPECT_THAT(boxes(), ::testing::ElementsAre(ErrorBox("GetFiscalInfo(1): error 4")));
}

TEST_F(OperationFramework, AnInnerQueryEndsTheBusyCursorOfTheOuterOperation) {
    int cursorAfterInner = 0;
    RunOperation(*form, "Outer", [&] {
        QByteArray field;
        QueryInfoFields(*form, 3, 1, &field);
        cursorAfterInner = AppCursor();
        return 0;
    });
    EXPECT_EQ(cursorAfterInner, crDefault);
}

TEST_F(OperationFramework, ConfirmActionAsksAQuestionAndOnlyYesCounts) {
    SetAppCursor(crArrow);
    form->FSavedCursor = crArrow;
    messages.answerNext(idNo);
    messages.answerNext(idYes);
    EXPECT_FALSE(ConfirmAction(*form, "Sure?"));
    EXPECT_TRUE(ConfirmAction(*form, "Sure?"));
    EXPECT_EQ(AppCursor(), crArrow) << "asking leaves the cursor alone";
    EXPECT_THAT(boxes(), ::testing::Each(QuestionBox("Sure?")));
}

TEST_F(OperationFramework, AnExceptionEscapingAHandlerIsShownAndTheWindowGoesOn) {
    auto* button = ui::Button(form.get(), "Thrower", "Throw", QRect(0, 0, 50, 20),
                              [] { throw std::runtime_error("out of paper"); });
    button->click();
    button->click();
    EXPECT_THAT(boxes(), ::testing::Each(ShownBox{"Tillmate", "out of paper", 16}));
    EXPECT_EQ(boxes().size(), 2u);
}
