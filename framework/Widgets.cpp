#include "Widgets.h"

#include "Codecs.h"
#include "Exception.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace framework {

UpDown::UpDown(QLineEdit* buddy, int min, int max, int position)
    : QWidget(buddy->parentWidget()), buddy_(buddy), min_(min), max_(max), position_(position) {
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    up_->setFocusPolicy(Qt::NoFocus);
    down_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    QObject::connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    QObject::connect(buddy_, &QLineEdit::textChanged, this, [this](const QString& t) { followBuddy(t); });
    buddy_->setText(QString::number(position_));
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    buddy_->setText(QString::number(position_));
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::stepBy(int steps) {
    setPosition(position_ + steps);
}

void UpDown::followBuddy(const QString& text) {
    int32_t value = 0;
    if (TryStrToInt(text, value))
        position_ = std::clamp<int>(value, min_, max_);
}

StringGrid::StringGrid(QWidget* parent, int fixedCols, int fixedRows)
    : QTableWidget(parent), fixedCols_(fixedCols), fixedRows_(fixedRows) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setDefaultRowHeight(18);
    // A column gets exactly the width it is given, however narrow.
    horizontalHeader()->setMinimumSectionSize(1);
}

void StringGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}

void StringGrid::setColCount(int count) {
    setColumnCount(count);
    styleFixedCells();
}

void StringGrid::setRowCount(int count) {
    QTableWidget::setRowCount(count);
    styleFixedCells();
}

QString StringGrid::cell(int col, int row) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void StringGrid::setCell(int col, int row, const QString& text) {
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    it->setText(text);
}

int StringGrid::clientWidth() const {
    return width() - 2 * frameWidth();
}

void StringGrid::setEditable(bool editable) {
    editable_ = editable;
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed
                             : QAbstractItemView::NoEditTriggers);
}

void StringGrid::styleFixedCells() {
    const QBrush face = palette().button();
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (r >= fixedRows_ && c >= fixedCols_)
                continue;
            QTableWidgetItem* it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem;
                setItem(r, c, it);
            }
            it->setFlags(Qt::ItemIsEnabled);
            it->setBackground(face);
        }
    }
    if (currentRow() < 0 && rowCount() > fixedRows_ && columnCount() > fixedCols_)
        setCurrentCell(fixedRows_, fixedCols_);
}

int ItemIndex(const QComboBox* combo) {
    if (combo->isEditable())
        return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return combo->currentIndex();
}

} // namespace framework

namespace ui {

namespace {
template <class W> W* place(W* widget, const QString& name, const QRect& geometry) {
    if (!name.isEmpty())
        widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}
} // namespace

QGroupBox* Group(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry) {
    return place(new QGroupBox(caption, parent), name, geometry);
}

QLabel* Label(QWidget* parent, const QString& text, int x, int y, const QString& name) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->adjustSize();
    label->move(x, y);
    return label;
}

QLabel* LabelIn(QWidget* parent, const QString& text, const QRect& geometry, const QString& name) {
    return place(new QLabel(text, parent), name, geometry);
}

QLineEdit* Edit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text) {
    auto* edit = place(new QLineEdit(parent), name, geometry);
    // Text the program puts into a box (setText, which clears the modified flag that typing sets)
    // shows from its start, as a long answer is read left to right.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (!edit->isModified())
            edit->setCursorPosition(0);
    });
    edit->setText(text);
    return edit;
}

QLineEdit* ReadOnlyEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text) {
    QLineEdit* edit = Edit(parent, name, geometry, text);
    edit->setReadOnly(true);
    return edit;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                    std::function<void()> onClick) {
    auto* button = place(new QPushButton(caption, parent), name, geometry);
    if (onClick)
        QObject::connect(button, &QPushButton::clicked, button,
                         [onClick = std::move(onClick)] { framework::RunGuarded(onClick); });
    return button;
}

QComboBox* Combo(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items,
                 bool editable) {
    auto* combo = place(new QComboBox(parent), name, geometry);
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                 std::function<void()> onClick) {
    auto* box = place(new QCheckBox(caption, parent), name, geometry);
    if (onClick)
        QObject::connect(box, &QCheckBox::toggled, box,
                         [onClick = std::move(onClick)](bool) { framework::RunGuarded(onClick); });
    return box;
}

QRadioButton* Radio(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry) {
    return place(new QRadioButton(caption, parent), name, geometry);
}

QDateEdit* DatePicker(QWidget* parent, const QString& name, const QRect& geometry, const QDate& date) {
    auto* picker = place(new QDateEdit(date, parent), name, geometry);
    picker->setMinimumDate(QDate(100, 1, 1)); // the earliest date a date edit can hold
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setCalendarPopup(false);
    picker->setDate(date);
    return picker;
}

void ShowDate(QDateEdit* picker, const QDate& date) {
    if (!date.isValid() || date < picker->minimumDate() || date > picker->maximumDate())
        throw framework::Exception(framework::DateEncodeMessage());
    picker->setDate(date);
}

QTimeEdit* TimePicker(QWidget* parent, const QString& name, const QRect& geometry, const QTime& time) {
    auto* picker = place(new QTimeEdit(time, parent), name, geometry);
    picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return picker;
}

framework::UpDown* SpinEdit(QWidget* parent, const QString& editName, const QString& upDownName,
                            const QRect& geometry, int min, int max, int position) {
    constexpr int spinnerWidth = 16;
    QLineEdit* edit = Edit(parent, editName, geometry.adjusted(0, 0, -spinnerWidth, 0));
    auto* upDown = new framework::UpDown(edit, min, max, position);
    return place(upDown, upDownName,
                 QRect(geometry.right() - spinnerWidth + 1, geometry.top(), spinnerWidth, geometry.height()));
}

void LimitTyping(QLineEdit* edit, int maxLength) {
    const QRegularExpression upTo(QStringLiteral("^.{0,%1}$").arg(maxLength),
                                  QRegularExpression::DotMatchesEverythingOption);
    edit->setValidator(new QRegularExpressionValidator(upTo, edit));
}

framework::StringGrid* Grid(QWidget* parent, const QString& name, const QRect& geometry, int fixedCols,
                            int fixedRows) {
    return place(new framework::StringGrid(parent, fixedCols, fixedRows), name, geometry);
}

} // namespace ui
