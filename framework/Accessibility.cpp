#include "Accessibility.h"

#include "Widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace framework::access {

namespace {

// ---- What counts as a control, a label and a group -------------------------------------------

// Widgets Qt builds inside a composite control (the box of a date picker or an editable drop-down,
// the viewport and scroll bars of a grid) are parts of that control, not controls of the page.
bool isComposite(const QWidget* w) {
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const UpDown*>(w);
}

bool isControl(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w))
        return w->focusPolicy() != Qt::NoFocus; // a link label
    if (qobject_cast<const UpDown*>(w))
        return false; // named with its box
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) || isComposite(w);
}

bool isCaptionLabel(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->focusPolicy() == Qt::NoFocus && !label->text().trimmed().isEmpty();
}

// A caption as it is read: without accelerator marks, the trailing colon or full stop, and with
// single spaces.
QString clean(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('.')) ||
           text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text.trimmed();
}

// Same row: each one's middle lies within the other's height, or at least one does.
bool sameRow(const QRect& a, const QRect& b) {
    const int ca = a.center().y();
    const int cb = b.center().y();
    return (ca >= b.top() - 1 && ca <= b.bottom() + 1) || (cb >= a.top() - 1 && cb <= a.bottom() + 1);
}

// The page's widgets of one parent: its controls and its caption labels, visible on the page.
struct Siblings {
    QList<QWidget*> controls;
    QList<QLabel*> labels;
};

// ---- Names ----------------------------------------------------------------------------------

struct Described {
    QWidget* control;
    QString own;     // the control's own caption (buttons, check boxes, radio buttons)
    QString group;   // the innermost group's caption
    QString outer;   // the captions of the groups around that one, innermost first
    QString row;     // the label left of the control on its row, nothing in between
    QString rowId;   // the row's number, from the label heading the row
    QString column;  // the title above the control's column
    QString context; // for a button: what its row is about
    QString name;
};

QString groupCaption(const QWidget* w, const QWidget* page, QString* outer) {
    QString inner;
    for (const QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget()) {
        const auto* group = qobject_cast<const QGroupBox*>(p);
        if (!group || clean(group->title()).isEmpty())
            continue;
        if (inner.isEmpty())
            inner = clean(group->title());
        else if (outer->isEmpty())
            *outer = clean(group->title());
    }
    return inner;
}

// The label left of `c` on its row nearest to it, or (`nearest` false) the row's first one.
const QLabel* labelLeftOf(const QWidget* c, const Siblings& s, bool nearest) {
    const QRect r = c->geometry();
    const QLabel* best = nullptr;
    for (const QLabel* l : s.labels) {
        const QRect lr = l->geometry();
        if (!sameRow(lr, r) || lr.left() >= r.left() || lr.center().x() >= r.left())
            continue;
        if (!best || (nearest ? lr.right() > best->geometry().right() : lr.left() < best->geometry().left()))
            best = l;
    }
    return best;
}

const QLabel* rowLabel(const QWidget* c, const Siblings& s) {
    const QLabel* best = labelLeftOf(c, s, true);
    if (!best)
        return nullptr;
    const QRect r = c->geometry();
    const int from = best->geometry().center().x();
    for (const QWidget* d : s.controls) {
        const QRect dr = d->geometry();
        if (d != c && sameRow(dr, r) && dr.center().x() > from && dr.center().x() < r.left())
            return nullptr; // another control stands between label and control
    }
    return best;
}

const QLabel* rowHead(const QWidget* c, const Siblings& s) {
    return labelLeftOf(c, s, false);
}

// A column title stands above the control, overlaps it sideways and shares its row with no control.
const QLabel* columnTitle(const QWidget* c, const Siblings& s) {
    const QRect r = c->geometry();
    const QLabel* best = nullptr;
    for (const QLabel* l : s.labels) {
        const QRect lr = l->geometry();
        if (lr.bottom() > r.top() + 2 || std::min(lr.right(), r.right()) <= std::max(lr.left(), r.left()))
            continue;
        const bool titleRow = std::none_of(s.controls.begin(), s.controls.end(),
                                           [&](const QWidget* d) { return sameRow(d->geometry(), lr); });
        if (titleRow && (!best || lr.bottom() > best->geometry().bottom()))
            best = l;
    }
    return best;
}

// A row's first label titles the row when the next thing right of it is another label.
bool titlesItsRow(const QLabel* head, const Siblings& s) {
    const QRect hr = head->geometry();
    const QWidget* next = nullptr;
    auto consider = [&](const QWidget* w) {
        const QRect r = w->geometry();
        if (w != head && sameRow(r, hr) && r.left() > hr.left() &&
            (!next || r.left() < next->geometry().left()))
            next = w;
    };
    for (const QWidget* w : s.controls)
        consider(w);
    for (const QLabel* l : s.labels)
        consider(l);
    return next && qobject_cast<const QLabel*>(next);
}

QString rowNumber(const QString& head) {
    static const QRegularExpression number(QStringLiteral("^(\\d+)(\\.|$)"));
    const QRegularExpressionMatch m = number.match(head);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString join(const QStringList& parts) {
    QStringList kept;
    for (const QString& part : parts)
        if (!part.isEmpty() && !kept.contains(part, Qt::CaseInsensitive))
            kept << part;
    return kept.join(QLatin1Char(' '));
}

// Buttons and links say what they do in their own caption.
bool isButton(const QWidget* w) {
    return qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w) ||
           qobject_cast<const QLabel*>(w);
}

QString ownCaption(const QWidget* w) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return clean(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return clean(label->text());
    return {};
}

void collect(QWidget* container, const QWidget* page, QList<QWidget*>& controls) {
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || !w->isVisibleTo(page) || qobject_cast<QTabWidget*>(w))
            continue;
        if (isControl(w))
            controls << w;
        if (!isComposite(w) && !isControl(w))
            collect(w, page, controls);
    }
}

Siblings siblingsOf(const QWidget* parent, const QWidget* page) {
    Siblings s;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || !w->isVisibleTo(page))
            continue;
        if (isControl(w) || qobject_cast<UpDown*>(w))
            s.controls << w;
        else if (isCaptionLabel(w))
            s.labels << static_cast<QLabel*>(w);
    }
    return s;
}

// Gives the names still shared on the page one more part, in the order the steps are listed; a
// name the exception table fixed stays as it is.
void qualify(QList<Described>& all, const QSet<QWidget*>& fixed,
             const std::function<QString(const Described&)>& step) {
    QHash<QString, int> count;
    for (const Described& d : all)
        ++count[d.name.toLower()];
    for (Described& d : all) {
        const QString part = step(d);
        if (!fixed.contains(d.control) && count.value(d.name.toLower()) > 1 && !part.isEmpty() &&
            !d.name.contains(part, Qt::CaseInsensitive))
            d.name = join({d.name, part});
    }
}

void nameSpinner(UpDown* upDown) {
    const QString box = upDown->buddy()->accessibleName();
    upDown->setAccessibleName(box + QStringLiteral(" spinner"));
    const QList<QToolButton*> arrows = upDown->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    for (QToolButton* arrow : arrows)
        arrow->setAccessibleName(
            box + (arrow->arrowType() == Qt::UpArrow ? QStringLiteral(" up") : QStringLiteral(" down")));
}

} // namespace

void NameControls(QWidget* page, const NameExceptions& exceptions) {
    QList<QWidget*> controls;
    collect(page, page, controls);

    QHash<const QWidget*, Siblings> siblings;
    QList<Described> all;
    QSet<QWidget*> fixed;
    for (QWidget* c : controls) {
        const QWidget* parent = c->parentWidget();
        if (!siblings.contains(parent))
            siblings.insert(parent, siblingsOf(parent, page));
        const Siblings& s = siblings[parent];

        Described d{c, ownCaption(c), {}, {}, {}, {}, {}, {}, {}};
        d.group = groupCaption(c, page, &d.outer);
        const QLabel* label = rowLabel(c, s);
        const QLabel* head = rowHead(c, s);
        if (label)
            d.row = clean(label->text());
        // The row's number, unless the row label is the row's head or numbers the row itself; or
        // the row's title, a head followed by another label ("Period:" From [date] To [date]).
        if (head && (!label || (label != head && rowNumber(d.row).isEmpty()))) {
            d.rowId = rowNumber(clean(head->text()));
            if (d.rowId.isEmpty() && label && titlesItsRow(head, s))
                d.rowId = clean(head->text());
        }
        if (const QLabel* title = columnTitle(c, s))
            d.column = clean(title->text());
        // The control nearest left on the row says what a button of that row acts on.
        const QWidget* before = nullptr;
        for (const QWidget* o : s.controls)
            if (o != c && !isButton(o) && sameRow(o->geometry(), c->geometry()) &&
                o->geometry().right() < c->geometry().left() &&
                (!before || o->geometry().right() > before->geometry().right()))
                before = o;
        if (before)
            d.context = ownCaption(before);

        if (isButton(c)) {
            d.name = d.own;
        } else {
            d.name = join({d.group, d.row, d.rowId, d.column, d.own});
            if (label && !label->buddy() && !qobject_cast<QAbstractButton*>(c))
                const_cast<QLabel*>(label)->setBuddy(c);
        }
        if (exceptions.contains(c->objectName())) {
            d.name = exceptions.value(c->objectName());
            fixed.insert(c);
        }
        all << d;
    }

    qualify(all, fixed, [](const Described& d) { return d.group; });
    qualify(all, fixed, [](const Described& d) { return d.rowId.isEmpty() ? d.context : d.rowId; });
    qualify(all, fixed, [](const Described& d) { return d.column.isEmpty() ? d.row : d.column; });
    qualify(all, fixed, [](const Described& d) { return d.outer; });
    // Whatever the screen does not tell apart is numbered in the order the page is read.
    QHash<QString, int> seen;
    QHash<QString, int> count;
    for (const Described& d : all)
        ++count[d.name.toLower()];
    const QList<QWidget*> order = ReadingOrder(page);
    std::stable_sort(all.begin(), all.end(), [&order](const Described& a, const Described& b) {
        return order.indexOf(a.control) < order.indexOf(b.control);
    });
    for (Described& d : all)
        if (count.value(d.name.toLower()) > 1)
            d.name += QStringLiteral(" %1").arg(++seen[d.name.toLower()]);

    for (const Described& d : all)
        d.control->setAccessibleName(d.name);
    for (const Described& d : all)
        if (auto* box = qobject_cast<QLineEdit*>(d.control))
            for (UpDown* upDown : box->parentWidget()->findChildren<UpDown*>(Qt::FindDirectChildrenOnly))
                if (upDown->buddy() == box)
                    nameSpinner(upDown);
}

// ---- Focus order ----------------------------------------------------------------------------

namespace {

bool reachable(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

bool hasReachable(const QWidget* container, const QWidget* page) {
    for (QObject* child : container->children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (!w || w->isWindow() || !w->isVisibleTo(page))
            continue;
        if (qobject_cast<const QTabWidget*>(w) || (isControl(w) && reachable(w)))
            return true;
        if (!isComposite(w) && hasReachable(w, page))
            return true;
    }
    return false;
}

// The page's direct items below `container`: reachable controls, and the containers holding some.
QList<QWidget*> itemsOf(const QWidget* container, const QWidget* page) {
    QList<QWidget*> items;
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || !w->isVisibleTo(page))
            continue;
        if (qobject_cast<QTabWidget*>(w) || (isControl(w) && reachable(w)))
            items << w;
        else if (!isControl(w) && !isComposite(w) && hasReachable(w, page))
            items << w;
    }
    return items;
}

// Sorts `items` by `before`, then takes them off in bands: each band is the first remaining item
// and every other one `belongs` to it, ordered by `arrange`.
QList<QWidget*> inBands(QList<QWidget*> items, bool (*before)(const QWidget*, const QWidget*),
                        bool (*belongs)(const QRect& first, const QRect& other),
                        QList<QWidget*> (*arrange)(QList<QWidget*>)) {
    std::stable_sort(items.begin(), items.end(), before);
    QList<QWidget*> ordered;
    while (!items.isEmpty()) {
        const QRect first = items.first()->geometry();
        QList<QWidget*> band;
        for (auto it = items.begin(); it != items.end();) {
            if (belongs(first, (*it)->geometry())) {
                band << *it;
                it = items.erase(it);
            } else {
                ++it;
            }
        }
        ordered << arrange(band);
    }
    return ordered;
}

// Left to right; one above the other at the same left edge top first.
QList<QWidget*> leftToRight(QList<QWidget*> row) {
    std::stable_sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) {
        return a->geometry().left() != b->geometry().left() ? a->geometry().left() < b->geometry().left()
                                                            : a->geometry().top() < b->geometry().top();
    });
    return row;
}

// Row by row from the top; left to right within a row.
QList<QWidget*> byRows(QList<QWidget*> items) {
    return inBands(
        std::move(items),
        [](const QWidget* a, const QWidget* b) { return a->geometry().top() < b->geometry().top(); },
        [](const QRect& first, const QRect& other) { return sameRow(other, first); }, &leftToRight);
}

// Column by column from the left; a column holds what starts within the left half of its first
// (leftmost) item; within a column row by row.
QList<QWidget*> byColumns(QList<QWidget*> items) {
    return inBands(
        std::move(items),
        [](const QWidget* a, const QWidget* b) { return a->geometry().left() < b->geometry().left(); },
        [](const QRect& first, const QRect& other) {
            return other.left() < first.left() + std::max(first.width() / 2, 8);
        },
        &byRows);
}

void expand(const QList<QWidget*>& items, const QWidget* page, QList<QWidget*>& out) {
    for (QWidget* w : items) {
        if (qobject_cast<QTabWidget*>(w) || isControl(w))
            out << w;
        else
            expand(byRows(itemsOf(w, page)), page, out);
    }
}

bool isReset(const QWidget* w) {
    const auto* button = qobject_cast<const QPushButton*>(w);
    return button && clean(button->text()) == QStringLiteral("Reset");
}

void chainPages(QTabWidget* pages, QList<QWidget*>& chain) {
    chain << pages->tabBar();
    for (int i = 0; i < pages->count(); ++i) {
        for (QWidget* w : ReadingOrder(pages->widget(i))) {
            if (auto* sub = qobject_cast<QTabWidget*>(w))
                chainPages(sub, chain);
            else
                chain << w;
        }
    }
}

} // namespace

QList<QWidget*> ReadingOrder(QWidget* page) {
    QList<QWidget*> order;
    expand(byColumns(itemsOf(page, page)), page, order);
    std::stable_partition(order.begin(), order.end(), [](const QWidget* w) { return !isReset(w); });
    return order;
}

void OrderFocus(QTabWidget* pages) {
    QList<QWidget*> chain;
    chainPages(pages, chain);
    for (QWidget* w : chain) {
        if (auto* view = qobject_cast<QAbstractItemView*>(w))
            view->setTabKeyNavigation(false);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            text->setTabChangesFocus(true);
        else if (auto* rich = qobject_cast<QTextEdit*>(w))
            rich->setTabChangesFocus(true);
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

// ---- Hidden tabs ----------------------------------------------------------------------------

namespace {

class TabGuard : public QObject {
public:
    // The keys are looked at before the focused control sees them: a date picker or a text box would
    // take Ctrl+Tab and Ctrl+Shift+Tab as its own.
    explicit TabGuard(QTabWidget* pages) : QObject(pages), pages_(pages), shown_(pages->currentIndex()) {
        qApp->installEventFilter(this);
        connect(pages, &QTabWidget::currentChanged, this, &TabGuard::changed);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
            nearestPages(static_cast<QWidget*>(watched)) == pages_) {
            const auto* key = static_cast<QKeyEvent*>(event);
            return pageKey(key) || (watched == pages_->tabBar() && barKey(key));
        }
        if (event->type() == QEvent::Wheel && watched == pages_->tabBar()) {
            const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
            const int d = std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : delta.x();
            if (d != 0)
                step(d > 0 ? -1 : 1, false);
            return true;
        }
        return false;
    }

private:
    static QTabWidget* nearestPages(QWidget* w) {
        for (; w; w = w->parentWidget())
            if (auto* pages = qobject_cast<QTabWidget*>(w))
                return pages;
        return nullptr;
    }

    bool open(int index) const { return pages_->isTabVisible(index) && pages_->isTabEnabled(index); }

    // Moves to the next shown tab in `direction`, around the ends when `wrap`.
    void step(int direction, bool wrap) {
        const int n = pages_->count();
        int index = pages_->currentIndex();
        for (int pass = 0; pass < n; ++pass) {
            index += direction;
            if (index < 0 || index >= n) {
                if (!wrap)
                    return;
                index = (index + n) % n;
            }
            if (open(index)) {
                pages_->setCurrentIndex(index);
                return;
            }
        }
    }

    void toEnd(bool last) {
        const int n = pages_->count();
        for (int pass = 0; pass < n; ++pass) {
            const int index = last ? n - 1 - pass : pass;
            if (open(index)) {
                pages_->setCurrentIndex(index);
                return;
            }
        }
    }

    bool pageKey(const QKeyEvent* key) {
        if (!(key->modifiers() & Qt::ControlModifier))
            return false;
        const bool back = key->modifiers() & Qt::ShiftModifier;
        switch (key->key()) {
        case Qt::Key_Tab:
            step(back ? -1 : 1, true);
            return true;
        case Qt::Key_Backtab:
            step(-1, true);
            return true;
        case Qt::Key_PageDown:
            step(1, true);
            return true;
        case Qt::Key_PageUp:
            step(-1, true);
            return true;
        default:
            return false;
        }
    }

    bool barKey(const QKeyEvent* key) {
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            step(-1, false);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step(1, false);
            return true;
        case Qt::Key_Home:
            toEnd(false);
            return true;
        case Qt::Key_End:
            toEnd(true);
            return true;
        default:
            return false;
        }
    }

    // Whatever else makes a hidden page current is undone at once.
    void changed(int index) {
        if (index < 0 || pages_->isTabVisible(index)) {
            shown_ = index;
            return;
        }
        if (shown_ >= 0 && shown_ < pages_->count() && pages_->isTabVisible(shown_))
            pages_->setCurrentIndex(shown_);
    }

    QTabWidget* pages_;
    int shown_;
};

} // namespace

void GuardHiddenTabs(QTabWidget* pages) {
    new TabGuard(pages);
    for (QTabWidget* sub : pages->findChildren<QTabWidget*>())
        new TabGuard(sub);
}

// ---- Buttons and the link -------------------------------------------------------------------

namespace {

bool isPressKey(const QKeyEvent* key, bool withSpace) {
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
           (withSpace && key->key() == Qt::Key_Space);
}

class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!button || !isPressKey(key, false) || key->isAutoRepeat())
            return false;
        button->click();
        return true;
    }
};

class LinkKeys : public QObject {
public:
    LinkKeys(QLabel* label, std::function<void()> open)
        : QObject(label), label_(label), open_(std::move(open)) {
        label->installEventFilter(this);
        qApp->installEventFilter(this); // the application hears of a new palette first
        paint();
    }

    void open() const { open_(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange) {
            paint();
        } else if (watched == label_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isPressKey(key, true) && !key->isAutoRepeat()) {
                open();
                return true;
            }
        }
        return false;
    }

private:
    void paint() {
        const QString colour = LinkColour(QApplication::palette()).name();
        const QString sheet =
            QStringLiteral("QLabel { color: %1; } QLabel:focus { border: 1px dotted %1; }").arg(colour);
        if (label_->styleSheet() != sheet)
            label_->setStyleSheet(sheet);
    }

    QLabel* label_;
    std::function<void()> open_;
};

} // namespace

void PressButtonsOnEnter(QWidget* root) {
    auto* filter = new EnterPresses(root);
    for (QPushButton* button : root->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

void MakeLinkLabel(QLabel* label, std::function<void()> open) {
    // Tab reaches it; a click does not move the focus, so the mouse sees the label as before.
    label->setFocusPolicy(Qt::TabFocus);
    new LinkKeys(label, std::move(open));
}

double ContrastRatio(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LinkColour(const QPalette& palette) {
    auto reads = [&palette](const QColor& c) {
        return std::min(ContrastRatio(c, palette.color(QPalette::Window)),
                        ContrastRatio(c, palette.color(QPalette::Button))) >= 4.5;
    };
    const QColor blue(0, 0, 255);
    if (reads(blue))
        return blue;
    if (reads(palette.color(QPalette::Link)))
        return palette.color(QPalette::Link);
    for (int lightness = 128; lightness <= 255; lightness += 4) {
        const QColor lighter = QColor::fromHsl(240, 255, lightness);
        if (reads(lighter))
            return lighter;
    }
    return QColor(Qt::white);
}

// ---- Accessible interfaces ------------------------------------------------------------------

namespace {

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    int index() const { return index_; }
    bool isValid() const override { return bar_ && index_ < bar_->count() && bar_->isTabVisible(index_); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            const QString name = bar_->accessibleTabName(index_);
            return name.isEmpty() ? clean(bar_->tabText(index_)) : name;
        }
        if (t == QAccessible::Description)
            return bar_->tabToolTip(index_);
        return {};
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = bar_->currentIndex() == index_;
        s.focused = s.selected && bar_->hasFocus();
        s.disabled = !bar_->isTabEnabled(index_);
        s.invisible = !bar_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid() && bar_->isTabEnabled(index_))
            bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

// A tab bar whose children are its shown tabs only.
class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QWidget* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(shown().size()); }

    QAccessibleInterface* child(int position) const override {
        const QList<int> tabs = shown();
        if (position < 0 || position >= tabs.size())
            return nullptr;
        const int index = tabs[position];
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(tabs_.value(index)))
            return known;
        auto* tab = new TabAccessible(bar(), index);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->role() != QAccessible::PageTab || child->parent() != this)
            return -1;
        return static_cast<int>(shown().indexOf(static_cast<const TabAccessible*>(child)->index()));
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* tab = child(i); tab->rect().contains(x, y))
                return tab;
        return nullptr;
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    QList<int> shown() const {
        QList<int> tabs;
        for (int i = 0; i < bar()->count(); ++i)
            if (bar()->isTabVisible(i))
                tabs << i;
        return tabs;
    }

    mutable QHash<int, QAccessible::Id> tabs_;
};

// A drop-down is known by the name it was given; what it shows is its value. (Qt's own interface
// reports the shown item as the name on Linux.)
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QWidget* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }

    QString text(QAccessible::Text t) const override {
        const auto* c = static_cast<QComboBox*>(widget());
        if (t == QAccessible::Value)
            return c->currentText();
        if (t == QAccessible::Name && !c->accessibleName().isEmpty())
            return c->accessibleName();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            static_cast<QComboBox*>(widget())->showPopup();
    }
};

// The web link label: a link a screen reader can press.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return clean(static_cast<QLabel*>(widget())->text());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override;
};

// A tab bar tells of its tabs by their index among all tabs; a screen reader counts the shown ones
// only. The events are renumbered on their way out, and those of a hidden tab dropped.
QAccessible::UpdateHandler qtHandler = nullptr;

void renumberTabEvents(QAccessibleEvent* event) {
    if (auto* bar = qobject_cast<QTabBar*>(event->object()); bar && event->child() >= 0) {
        int position = -1;
        for (int i = 0; i <= event->child() && i < bar->count(); ++i)
            if (bar->isTabVisible(i))
                ++position;
        if (event->child() >= bar->count() || !bar->isTabVisible(event->child()))
            return;
        event->setChild(position);
    }
    if (qtHandler) {
        qtHandler(event);
        return;
    }
    // Qt's own delivery runs when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&renumberTabEvents);
}

enum class Kind { Qt, TabBar, Combo, Link, Window };

Kind kindOf(const QString& className, QWidget* widget) {
    if (className == QLatin1String("QTabBar"))
        return Kind::TabBar;
    if (className == QLatin1String("QComboBox"))
        return Kind::Combo;
    if (className == QLatin1String("QLabel") &&
        widget->findChild<LinkKeys*>(QString(), Qt::FindDirectChildrenOnly))
        return Kind::Link;
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return Kind::Window;
    return Kind::Qt;
}

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    switch (kindOf(className, widget)) {
    case Kind::TabBar:
        return new TabBarAccessible(widget);
    case Kind::Combo:
        return new ComboAccessible(widget);
    case Kind::Link:
        return new LinkAccessible(widget);
    case Kind::Window:
        return new QAccessibleWidget(widget, QAccessible::Window);
    case Kind::Qt:
        break;
    }
    return nullptr;
}

} // namespace

void LinkAccessible::doAction(const QString& action) {
    if (action != pressAction())
        return;
    if (auto* keys = widget()->findChild<LinkKeys*>(QString(), Qt::FindDirectChildrenOnly))
        keys->open();
}

void InstallAccessibleFactory(QWidget* window) {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(&factory);
        qtHandler = QAccessible::installUpdateHandler(&renumberTabEvents);
        installed = true;
    }
    // A control announces itself while it is built, before this runs: the interface Qt made for
    // it then is dropped, so that the next question gets one of those above.
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* w : widgets) {
        if (kindOf(QString::fromLatin1(w->metaObject()->className()), w) == Kind::Qt)
            continue;
        if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(w))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    }
}

} // namespace framework::access
