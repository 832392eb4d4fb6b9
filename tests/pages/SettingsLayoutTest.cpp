#include "FormFixture.h"
#include "LayoutCheck.h"

#include "pages/PageLayout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace testing_support;

// The layout at the window's own font (11 pixels), after start-up.
class SettingsLayout : public FormFixture {};

TEST_F(SettingsLayout, EverySettingsGroupIsFullyVisibleAndNothingOverlaps) {
    const QRect page(0, 0, pages::PageWidth, pages::PageHeight);
    ExpectTidy(ShownChildren(form->TabSheet1), page);
    QStringList captions;
    for (const QWidget* w : ShownChildren(form->TabSheet1))
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            captions << group->title();
    captions.sort();
    EXPECT_EQ(captions, QStringList({"Clerk", "Credits", "Currency Conversion Type", "Currency Table", "Date",
                                     "Departments", "Footer", "Footer 2", "Header", "Printer settings",
                                     "Time", "VAT Table"}));
}

TEST_F(SettingsLayout, TheHiddenFrOptionsWouldShowCleanlyToo) {
    auto* fr = find<QGroupBox>("GroupBox63");
    fr->show();
    ExpectTidy(ShownChildren(form->TabSheet1), QRect(0, 0, pages::PageWidth, pages::PageHeight));
}

TEST_F(SettingsLayout, StartUpPlacesDepartmentsAndCredits) {
    EXPECT_EQ(find("GroupBox40")->geometry().left(), 348);
    EXPECT_EQ(find("GroupBox40")->width(), 205);
    EXPECT_EQ(find("GroupBox12")->geometry().left(), 567);
    EXPECT_EQ(find("GroupBox12")->width(), 220);
    EXPECT_EQ(find("GroupBox2")->height(), 170);
    EXPECT_EQ(find("ButtonCredit1Set")->x(), 133);
    EXPECT_EQ(find("ButtonCredit8Get")->x(), 174);
    EXPECT_EQ(find("Credit1Name")->width(), 82);
}

TEST_F(SettingsLayout, ServiceGroupsKeepToTheRightAndClearOfTheResetCorner) {
    QList<QWidget*> mine;
    for (const char* name : {"GroupBoxVoidName", "GroupBoxSurchargeName", "GroupBoxPrintCurrency"})
        mine << find(name);
    ExpectTidy(mine, QRect(400, 0, pages::PageWidth - 400, pages::PageHeight));
    for (const QWidget* w : mine)
        EXPECT_FALSE(w->geometry().intersects(pages::ResetButtonRect)) << Describe(w).toStdString();
}
