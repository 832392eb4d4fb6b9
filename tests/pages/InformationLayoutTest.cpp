#include "FormFixture.h"

#include "pages/PageLayout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace testing_support;

// The Information, Other and Info pages at the window's fixed size and font: every control inside
// its page or group, no two controls of one container overlapping, captions that fit, and the
// "Reset" corner left free.
class InformationLayout : public FormFixture {
protected:
    void SetUp() override
    {
        savedFont_ = QApplication::font();
        QFont font(QStringLiteral("Tahoma"));
        font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        font.setPixelSize(11);
        QApplication::setFont(font);
        FormFixture::SetUp();
    }
    void TearDown() override
    {
        FormFixture::TearDown();
        QApplication::setFont(savedFont_);
    }

    static std::vector<QWidget*> childControls(const QWidget* container)
    {
        std::vector<QWidget*> controls;
        for (QObject* child : container->children())
            if (auto* widget = qobject_cast<QWidget*>(child))
                controls.push_back(widget);
        return controls;
    }

    static std::string describe(const QWidget* w)
    {
        const QRect g = w->geometry();
        QString text = w->objectName();
        if (auto* label = qobject_cast<const QLabel*>(w))
            text += " \"" + label->text() + "\"";
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            text += " \"" + button->text() + "\"";
        return QStringLiteral("%1 %2 at (%3,%4 %5x%6)")
            .arg(QString::fromLatin1(w->metaObject()->className()), text)
            .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
            .toStdString();
    }

    // Checks the controls of one container (a page or a group) and descends into its groups.
    void checkContainer(const QWidget* container, const QRect& area)
    {
        const std::vector<QWidget*> controls = childControls(container);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const QWidget* a = controls[i];
            EXPECT_TRUE(area.contains(a->geometry())) << describe(a) << " leaves " << describe(container);
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(a->geometry().intersects(controls[j]->geometry()))
                    << describe(a) << " overlaps " << describe(controls[j]);
            if (auto* label = qobject_cast<const QLabel*>(a))
                EXPECT_LE(label->sizeHint().width(), label->width()) << describe(a) << " clips its text";
            if (auto* button = qobject_cast<const QPushButton*>(a))
                EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
                    << describe(a) << " clips its caption";
            if (auto* group = qobject_cast<const QGroupBox*>(a)) {
                EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width()) << describe(a);
                // Below the title, above the frame's bottom edge.
                checkContainer(group, QRect(2, 16, group->width() - 4, group->height() - 18));
            }
        }
    }

    void checkPage(const QWidget* page)
    {
        SCOPED_TRACE(page->objectName().toStdString());
        checkContainer(page, QRect(0, 0, pages::PageWidth, pages::PageHeight));
        for (const QWidget* control : childControls(page))
            if (!control->objectName().endsWith(QStringLiteral("ResetFiscal")))
                EXPECT_FALSE(control->geometry().intersects(pages::ResetButtonRect))
                    << describe(control) << " takes the Reset button's corner";
    }

    QFont savedFont_;
};

TEST_F(InformationLayout, InformationPageControlsFitWithoutOverlapping) { checkPage(form->TabSheet2); }

TEST_F(InformationLayout, OtherPageControlsFitWithoutOverlapping) { checkPage(form->TabSheet5); }

TEST_F(InformationLayout, InfoPageControlsFitWithoutOverlapping) { checkPage(form->TabSheet18); }

TEST_F(InformationLayout, TankPeriodicReportsGroupIsReservedHiddenOnTheInformationPage)
{
    auto* group = find<QGroupBox>("GroupBox55");
    EXPECT_EQ(group->parentWidget(), form->TabSheet2);
    EXPECT_EQ(group->title(), "Tank Periodic Reports");
    EXPECT_FALSE(group->isVisibleTo(form->TabSheet2)) << "hidden at start-up";
    EXPECT_NEAR(group->width(), 370, 20);
    EXPECT_NEAR(group->height(), 160, 10);
}

TEST_F(InformationLayout, DesignedInvisibleControlsStayHidden)
{
    for (const char* name : {"OtherCustomerDiplayType", "labelOtherCustomerDiplayType", "OtherMessage",
                             "ButtonOtherPrintMessage"})
        EXPECT_FALSE(find<QWidget>(name)->isVisibleTo(form->TabSheet5)) << name;
    for (const char* name : {"OtherCustomerDisplayLine1", "ButtonOtherCustomerDisplay", "ButtonOpenDrawer", "Button15",
                             "Button16", "DispCodeType"})
        EXPECT_TRUE(find<QWidget>(name)->isVisibleTo(form->TabSheet5)) << name;
}
