#include "FormFixture.h"

#include "framework/Cursor.h"
#include "pages/PageLayout.h"

#include <QGroupBox>
#include <QTableWidget>

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const QString FiscalizationQuestion = "Fiscalization function is restricted to authorized personal only.\n"
                                      "Are You sure to proceed with operation ?";

} // namespace

class ServicePage : public FormFixture {
protected:
    QTableWidget* grid() const { return find<QTableWidget>("ServiceBadBlocks"); }
    QString cell(int col, int row) const {
        const QTableWidgetItem* item = grid()->item(row, col);
        return item ? item->text() : QString();
    }
    void fillGrid(const QString& value) const {
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 2; ++c)
                grid()->setItem(r, c, new QTableWidgetItem(value));
    }
};

TEST_F(ServicePage, FiscalizeAsksThenSendsThePickersDay) {
    find<QDateEdit>("FiscalizationDate")->setDate(QDate(2024, 2, 29));
    click("ButtonServiceFiscalization");
    EXPECT_THAT(boxes(), ElementsAre(QuestionBox(FiscalizationQuestion)));
    EXPECT_THAT(calls(), ElementsAre(Call("Fiscalization", Text("20240229"))));
}

TEST_F(ServicePage, FiscalizeStartsAtTodayAndReportsItsResult) {
    device.setResult("Fiscalization", 9);
    click("ButtonServiceFiscalization");
    EXPECT_THAT(calls(), ElementsAre(Call("Fiscalization", Text("20261211"))));
    EXPECT_THAT(boxes(), ElementsAre(QuestionBox(FiscalizationQuestion), ErrorBox("Fiscalization: error 9")));
}

TEST_F(ServicePage, AnsweringNoToFiscalizationSendsNothing) {
    framework::SetAppCursor(framework::crArrow);
    messages.answerNext(framework::idNo);
    click("ButtonServiceFiscalization");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), ElementsAre(QuestionBox(FiscalizationQuestion)));
    EXPECT_EQ(framework::AppCursor(), framework::crArrow);
}

TEST_F(ServicePage, BadBlocksRewriteAllTenRows) {
    struct Case {
        const char* title;
        QByteArray answer;
        QStringList shown;
    };
    const QStringList none(10, QString());
    const Case cases[] = {
        {"three fields",
         "17\x1c"
         "250 \x1c"
         "4096",
         QStringList({"17", "250 ", "4096"}) + QStringList(7, QString())},
        {"empty answer", "", none},
        {"twelve fields",
         "1\x1c"
         "2\x1c"
         "3\x1c"
         "4\x1c"
         "5\x1c"
         "6\x1c"
         "7\x1c"
         "8\x1c"
         "9\x1c"
         "10\x1c"
         "11\x1c"
         "12\x1c",
         QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        fillGrid("old");
        device.setBadBlocks(c.answer);
        click("ButtonServiceGetBadBlocks");
        for (int r = 0; r < 10; ++r) {
            EXPECT_EQ(cell(0, r), QString::number(r + 1));
            EXPECT_EQ(cell(1, r), c.shown[r]) << "row " << r + 1;
        }
    }
    EXPECT_EQ(calls().back(), Call("GetBadBlocks"));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(ServicePage, AFailedBadBlockReadLeavesTheGrid) {
    fillGrid("old");
    device.setBadBlocks("1\x1c", 5);
    click("ButtonServiceGetBadBlocks");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetBadBlocks: error 5")));
    EXPECT_EQ(cell(0, 0), "old");
    EXPECT_EQ(cell(1, 0), "old");
}

TEST_F(ServicePage, BadBlockGridAsDesigned) {
    EXPECT_EQ(grid()->columnCount(), 2);
    EXPECT_EQ(grid()->rowCount(), 10);
    EXPECT_EQ(grid()->columnWidth(0), 64);
    EXPECT_EQ(grid()->columnWidth(1), 103);
    EXPECT_EQ(grid()->rowHeight(9), 16);
    EXPECT_EQ(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ServicePage, NumbersAreSentAsTyped) {
    struct Case {
        const char* box;
        const char* button;
        const char* typed;
        const char* function;
    };
    const Case cases[] = {
        {"ServiceShassiNumber", "ButtonServiceSetShassi", "", "SetShassi"},
        {"ServiceShassiNumber", "ButtonServiceSetShassi", " CH-0042 ", "SetShassi"},
        {"ServiceIdNumber", "ButtonServiceSetIdNumber", "ID 7", "SetId"},
    };
    for (const Case& c : cases) {
        type(c.box, c.typed);
        device.clearCalls();
        click(c.button);
        EXPECT_THAT(calls(), ElementsAre(Call(c.function, Text(c.typed))));
    }
    EXPECT_THAT(boxes(), IsEmpty());

    device.setResult("SetShassi", 2);
    device.setResult("SetId", 3);
    click("ButtonServiceSetShassi");
    click("ButtonServiceSetIdNumber");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("SetShassi: error 2"), ErrorBox("SetId: error 3")));
}

TEST_F(ServicePage, InitializationStaysHiddenAndInert) {
    form->show();
    EXPECT_FALSE(find<QGroupBox>("FRInitialization")->isVisible());
    EXPECT_EQ(find<QDateEdit>("FRDateTimePicker1")->date(), now.date());
    EXPECT_EQ(find<QTimeEdit>("FRDateTimePicker2")->time(), now.time());
    find<QAbstractButton>("Button8")->click();
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), IsEmpty());
}

// The right part of the page holds the receipt options and its corner the "Reset" button.
TEST_F(ServicePage, KeepsToTheLeftPartAndClearOfTheResetCorner) {
    for (const char* name : {"GroupBoxFiscalization", "GroupBoxNumbers", "GroupBoxBadBlocks",
                             "ButtonServiceGetBadBlocks", "FRInitialization"}) {
        const QRect geometry = find<QWidget>(name)->geometry();
        EXPECT_EQ(find<QWidget>(name)->parentWidget(), form->TabSheet7) << name;
        EXPECT_LT(geometry.right(), 395) << name;
        EXPECT_FALSE(geometry.intersects(pages::ResetButtonRect)) << name;
    }
}
