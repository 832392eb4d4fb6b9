#include "FormFixture.h"
#include "LayoutCheck.h"

#include "pages/PageLayout.h"

#include <QGroupBox>

using namespace testing_support;

class InformationLayout : public FormFixture {};

TEST_F(InformationLayout, TankPeriodicReportsGroupIsReservedHiddenAndTidyWhenShown) {
    auto* group = find<QGroupBox>("GroupBox55");
    EXPECT_EQ(group->parentWidget(), form->TabSheet2);
    EXPECT_EQ(group->title(), "Tank Periodic Reports");
    EXPECT_FALSE(group->isVisibleTo(form->TabSheet2)) << "hidden at start-up";
    group->show();
    ExpectTidy(ShownChildren(form->TabSheet2), QRect(0, 0, pages::PageWidth, pages::PageHeight));
}

TEST_F(InformationLayout, DesignedInvisibleControlsStayHidden) {
    for (const char* name : {"OtherCustomerDiplayType", "labelOtherCustomerDiplayType", "OtherMessage",
                             "ButtonOtherPrintMessage"})
        EXPECT_FALSE(find<QWidget>(name)->isVisibleTo(form->TabSheet5)) << name;
    for (const char* name : {"OtherCustomerDisplayLine1", "ButtonOtherCustomerDisplay", "ButtonOpenDrawer",
                             "Button15", "Button16", "DispCodeType"})
        EXPECT_TRUE(find<QWidget>(name)->isVisibleTo(form->TabSheet5)) << name;
}
