#pragma once

// Keyboard and screen-reader access for windows built from fixed-position controls. Nothing here
// knows a page: names and focus order are read off the captions and positions already on screen.
//
// Names: a control is named from its group's caption, the label left of it on its row (which also
// becomes the label's buddy), the row's number, the title above its column and its own caption;
// buttons lead with their caption and take only as much context as their page needs to tell them
// apart. Focus order: the page's groups column by column (left column top to bottom, then the next),
// the controls inside a group row by row, a row left to right; "Reset" comes last on its page.

#include <QHash>
#include <QString>
#include <functional>

class QLabel;
class QTabWidget;
class QWidget;

namespace framework::access {

// Accessible names given by object name where the rule above reads a wrong name off the screen.
using NameExceptions = QHash<QString, QString>;

// Names every control on `page` (sub-page controls excluded), makes row labels buddies of their
// boxes, and names the spinner arrows, grids, text boxes and drop-downs.
void NameControls(QWidget* page, const NameExceptions& exceptions = {});

// The controls of `page` that Tab reaches, in reading order ("Reset" last).
QList<QWidget*> ReadingOrder(QWidget* page);

// Chains the focus of the page control's tab bar and its pages' controls in reading order, sub-page
// controls included. Grids and multi-line boxes hand Tab on instead of taking it.
void OrderFocus(QTabWidget* pages);

// Keeps pages whose tabs are hidden out of reach: Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgUp/PgDn, the arrow
// keys and Home/End on the tab bar and the mouse wheel over it move between the shown tabs only;
// anything else that makes a hidden page current is undone.
void GuardHiddenTabs(QTabWidget* pages);

// Enter presses the focused push button as Space does, for every push button below `root`.
void PressButtonsOnEnter(QWidget* root);

// A label that acts as a web link: it takes focus, and Enter or Space runs `open`. Its colour is the
// link blue, or on a dark palette a lighter link colour that keeps 4.5:1 against the page.
void MakeLinkLabel(QLabel* label, std::function<void()> open);

// The link colour for `palette`: pure blue while it reads at 4.5:1 or better on the page background.
QColor LinkColour(const QPalette& palette);
// WCAG contrast ratio of two colours (1 to 21).
double ContrastRatio(const QColor& a, const QColor& b);

// Top-level windows are exposed as frames, tab bars with their shown tabs only, drop-downs by their
// names, link labels as links. Call with the window once its controls exist.
void InstallAccessibleFactory(QWidget* window);

} // namespace framework::access
