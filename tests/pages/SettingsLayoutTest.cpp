#include "FormFixture.h"

#include "pages/PageLayout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace testing_support;

namespace {

// What a control needs to show its text in full, at the window's font.
int NeededWidth(const QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return fm.horizontalAdvance(label->text());
    if (auto* button = qobject_cast<const QPushButton*>(w))
        return fm.horizontalAdvance(button->text()) + 8;
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return static_cast<const QAbstractButton*>(w)->text().isEmpty() ? 13 : w->sizeHint().width();
    if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, fm.horizontalAdvance(combo->itemText(i)));
        return widest + 24; // frame and drop-down arrow
    }
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return fm.horizontalAdvance(edit->text()) + 6;
    if (qobject_cast<const QDateTimeEdit*>(w))
        return w->sizeHint().width();
    if (auto* group = qobject_cast<const QGroupBox*>(w))
        return fm.horizontalAdvance(group->title()) + 12;
    return 0;
}

QString Describe(const QWidget* w)
{
    return QStringLiteral("%1 [%2 %3 %4x%5]")
        .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
        .arg(w->x())
        .arg(w->y())
        .arg(w->width())
        .arg(w->height());
}

QList<QWidget*> ShownChildren(const QWidget* parent)
{
    QList<QWidget*> shown;
    for (QWidget* child : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            shown << child;
    return shown;
}

} // namespace

// The layout at the window's own font (11 pixels), after start-up.
class SettingsLayout : public FormFixture {
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

    // Every shown control of these groups (and the groups themselves) fits its parent, shows its
    // text in full and overlaps no shown sibling.
    void expectClean(const QList<QWidget*>& controls, const QRect& area) const
    {
        for (int i = 0; i < controls.size(); ++i) {
            const QWidget* w = controls[i];
            EXPECT_TRUE(area.contains(w->geometry())) << Describe(w).toStdString() << " leaves its area";
            EXPECT_GE(w->width(), NeededWidth(w)) << Describe(w).toStdString() << " clips its text";
            for (int j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(w->geometry().intersects(controls[j]->geometry()))
                    << Describe(w).toStdString() << " overlaps " << Describe(controls[j]).toStdString();
            if (auto* group = qobject_cast<const QGroupBox*>(w)) {
                const int titleHeight = group->fontMetrics().height();
                expectClean(ShownChildren(group), QRect(2, titleHeight, group->width() - 4, group->height() - titleHeight - 2));
            }
        }
    }

private:
    QFont savedFont_;
};

TEST_F(SettingsLayout, EverySettingsGroupIsFullyVisibleAndNothingOverlaps)
{
    const QRect page(0, 0, pages::PageWidth, pages::PageHeight);
    expectClean(ShownChildren(form->TabSheet1), page);
    QStringList captions;
    for (const QWidget* w : ShownChildren(form->TabSheet1))
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            captions << group->title();
    captions.sort();
    EXPECT_EQ(captions, QStringList({"Clerk", "Credits", "Currency Conversion Type", "Currency Table", "Date",
                                     "Departments", "Footer", "Footer 2", "Header", "Printer settings", "Time",
                                     "VAT Table"}));
}

TEST_F(SettingsLayout, TheHiddenFrOptionsWouldShowCleanlyToo)
{
    auto* fr = find<QGroupBox>("GroupBox63");
    fr->show();
    expectClean(ShownChildren(form->TabSheet1), QRect(0, 0, pages::PageWidth, pages::PageHeight));
}

TEST_F(SettingsLayout, StartUpPlacesDepartmentsAndCredits)
{
    EXPECT_EQ(find("GroupBox40")->geometry().left(), 348);
    EXPECT_EQ(find("GroupBox40")->width(), 205);
    EXPECT_EQ(find("GroupBox12")->geometry().left(), 567);
    EXPECT_EQ(find("GroupBox12")->width(), 220);
    EXPECT_EQ(find("GroupBox2")->height(), 170);
    EXPECT_EQ(find("ButtonCredit1Set")->x(), 133);
    EXPECT_EQ(find("ButtonCredit8Get")->x(), 174);
    EXPECT_EQ(find("Credit1Name")->width(), 82);
}

TEST_F(SettingsLayout, ServiceGroupsKeepToTheRightAndClearOfTheResetCorner)
{
    QList<QWidget*> mine;
    for (const char* name : {"GroupBoxVoidName", "GroupBoxSurchargeName", "GroupBoxPrintCurrency"})
        mine << find(name);
    expectClean(mine, QRect(400, 0, pages::PageWidth - 400, pages::PageHeight));
    for (const QWidget* w : mine)
        EXPECT_FALSE(w->geometry().intersects(pages::ResetButtonRect)) << Describe(w).toStdString();
}
