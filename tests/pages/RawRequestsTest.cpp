#include "FormFixture.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
const char* const AnswerBoxes[] = {"Answer1", "Answer2", "Answer3", "Answer4", "Answer5"};
}

class RawRequests : public FormFixture {
protected:
    std::vector<QString> answers() const {
        std::vector<QString> shown;
        for (const char* box : AnswerBoxes)
            shown.push_back(text(box));
        return shown;
    }
    void fillAnswers(const QString& value) const {
        for (const char* box : AnswerBoxes)
            type(box, value);
    }
};

TEST_F(RawRequests, StartWithCodeAndParameterZero) {
    for (const char* box : {"RequestName", "RequestName2", "RequestName3"})
        EXPECT_EQ(text(box), "0") << box;
    EXPECT_EQ(answers(), std::vector<QString>(5));
}

TEST_F(RawRequests, GetInfoShowsTheFirstFiveFieldsTrimmedOnTheRight) {
    struct Case {
        const char* what;
        QByteArray answer;
        std::vector<QString> shown;
    };
    const Case cases[] = {
        {"state answer: the mask as its raw character",
         "READY\x1c"
         "A\x1c"
         "01\x1c"
         "02\x1c"
         "03\x1c",
         {"READY", "A", "01", "02", "03"}},
        {"a mask byte of 32 or below is trimmed away",
         "READY\x1c\x05\x1c"
         "01\x1c",
         {"READY", "", "01", "", ""}},
        {"two fields empty the other boxes",
         "A\x1c"
         "B\x1c",
         {"A", "B", "", "", ""}},
        {"seven fields show the first five",
         "1\x1c"
         "2\x1c"
         "3\x1c"
         "4\x1c"
         "5\x1c"
         "6\x1c"
         "7\x1c",
         {"1", "2", "3", "4", "5"}},
        {"leading blanks stay", "  12.50  \x1c", {"  12.50", "", "", "", ""}},
        {"no FS at all", "20261211", {"20261211", "", "", "", ""}},
        {"decoded from the device code page", "\xc0\xd0\x1c", {QString::fromUtf8("ĄŠ"), "", "", "", ""}},
    };
    type("RequestName", "9");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fillAnswers("old");
        device.clearCalls();
        device.setAnswer(9, c.answer);
        click("Button11");
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 9)));
        EXPECT_EQ(answers(), c.shown);
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(RawRequests, GetInfo2SendsCodeThenParameter) {
    type("RequestName2", "5");
    type("RequestName3", "2");
    device.setAnswer(5, "20261211\x1c"
                        "1030\x1c");
    click("Button12");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo2", 5, 2)));
    EXPECT_EQ(answers(), (std::vector<QString>{"20261211", "1030", "", "", ""}));
}

TEST_F(RawRequests, BothRequestsWriteTheSameBoxesAndTheLastSuccessDecides) {
    type("RequestName", "1");
    type("RequestName2", "2");
    device.setAnswer(1, "one\x1c");
    device.setAnswer(2, "two\x1c"
                        "x\x1c");
    click("Button12");
    EXPECT_EQ(answers(), (std::vector<QString>{"two", "x", "", "", ""}));
    click("Button11");
    EXPECT_EQ(answers(), (std::vector<QString>{"one", "", "", "", ""}));

    device.setAnswer(2, "ignored\x1c", 7);
    click("Button12");
    EXPECT_EQ(answers(), (std::vector<QString>{"one", "", "", "", ""}))
        << "a refused request keeps the boxes";
    device.setAnswer(1, "ignored\x1c", -1);
    click("Button11");
    EXPECT_EQ(answers(), (std::vector<QString>{"one", "", "", "", ""}));
    EXPECT_THAT(boxes(),
                ElementsAre(ErrorBox("GetFiscalInfo: error 7"), ErrorBox("GetFiscalInfo: error -1")));
}

TEST_F(RawRequests, ABoxThatIsNoIntegerIsReportedAndNothingIsSent) {
    struct Case {
        const char* button;
        QString code, parameter; // parameter only for GetInfo2
        QString message;
    };
    const Case cases[] = {
        {"Button11", "", {}, "'' is not a valid integer value"},
        {"Button11", "9 ", {}, "'9 ' is not a valid integer value"},
        {"Button12", "x", "0", "'x' is not a valid integer value"},
        {"Button12", "5", "2.5", "'2.5' is not a valid integer value"},
        {"Button12", "bad code", "bad parameter", "'bad parameter' is not a valid integer value"},
    };
    fillAnswers("kept");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        messages.clear();
        if (c.parameter.isNull()) {
            type("RequestName", c.code);
        } else {
            type("RequestName2", c.code);
            type("RequestName3", c.parameter);
        }
        click(c.button);
        EXPECT_THAT(boxes(), ElementsAre(ExceptionBox("GetFiscalInfo", c.message)));
    }
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_EQ(answers(), std::vector<QString>(5, "kept"));
}
