#pragma once

// Layout checks at the window's fixed size and font: a control lies inside its container, shows its
// text in full and overlaps none of its shown siblings; groups are checked inside their frames.

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace testing_support {

QList<QWidget*> ShownChildren(const QWidget* parent);
QString Describe(const QWidget* widget);
// The width a control needs to show its text (caption, items, typed text) in full.
int NeededWidth(const QWidget* widget);
// Expects every control of `controls` tidy within `area` of its parent, descending into groups.
void ExpectTidy(const QList<QWidget*>& controls, const QRect& area);

} // namespace testing_support
