#include "LayoutCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace testing_support {

QList<QWidget*> ShownChildren(const QWidget* parent) {
    QList<QWidget*> shown;
    for (QWidget* child : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            shown << child;
    return shown;
}

QString Describe(const QWidget* w) {
    QString text =
        w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    if (auto* label = qobject_cast<const QLabel*>(w))
        text += " \"" + label->text() + "\"";
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text += " \"" + button->text() + "\"";
    return QStringLiteral("%1 [%2 %3 %4x%5]")
        .arg(text)
        .arg(w->x())
        .arg(w->y())
        .arg(w->width())
        .arg(w->height());
}

int NeededWidth(const QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->pixmap().isNull() && !label->wordWrap()
                   ? fm.horizontalAdvance(label->text().section('\n', 0, 0))
                   : 0;
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

void ExpectTidy(const QList<QWidget*>& controls, const QRect& area) {
    for (int i = 0; i < controls.size(); ++i) {
        const QWidget* w = controls[i];
        EXPECT_TRUE(area.contains(w->geometry())) << Describe(w).toStdString() << " leaves its area";
        EXPECT_GE(w->width(), NeededWidth(w)) << Describe(w).toStdString() << " clips its text";
        for (int j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(w->geometry().intersects(controls[j]->geometry()))
                << Describe(w).toStdString() << " overlaps " << Describe(controls[j]).toStdString();
        if (auto* group = qobject_cast<const QGroupBox*>(w)) {
            const int titleHeight = group->fontMetrics().height();
            ExpectTidy(ShownChildren(group),
                       QRect(2, titleHeight, group->width() - 4, group->height() - titleHeight - 2));
        }
    }
}

} // namespace testing_support
