#pragma once

// The small toolkit layer: the few control behaviours the window relies on that Qt does not have
// as such, and one-line builders that place a control by object name at fixed coordinates.

#include <QComboBox>
#include <QDateEdit>
#include <QTableWidget>
#include <QTimeEdit>
#include <QWidget>
#include <functional>
#include <stdexcept>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace framework {

// An up/down spinner attached to an edit box. The box accepts any typing; the spinner steps its
// position within [min, max] (no wrap) and writes it into the box; typing a whole number moves the
// position to that number, held within the range; other text leaves the position alone.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int min, int max, int position);
    int position() const { return position_; }
    void setPosition(int position);
    int min() const { return min_; }
    int max() const { return max_; }
    QLineEdit* buddy() const { return buddy_; }
    void stepBy(int steps);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void followBuddy(const QString& text);
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int min_;
    int max_;
    int position_;
};

// A string grid addressed as cells (column, row). The first fixedRows rows and fixedCols columns
// are titles: shaded and not editable. The current row and column start at the first data cell.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(QWidget* parent, int fixedCols = 1, int fixedRows = 1);
    void setColCount(int count);
    void setRowCount(int count);
    int colCount() const { return columnCount(); }
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    int colWidth(int col) const { return columnWidth(col); }
    void setColWidth(int col, int width) { setColumnWidth(col, width); }
    void setDefaultRowHeight(int height);
    int clientWidth() const;
    int gridLineWidth() const { return 1; }
    int row() const { return currentRow(); }
    int col() const { return currentColumn(); }
    void setEditable(bool editable);

private:
    void styleFixedCells();
    int fixedCols_;
    int fixedRows_;
    bool editable_ = true;
};

// Selected position of a drop-down: for an editable one the item whose text equals the typed
// text, -1 when none does; otherwise the selected item.
int ItemIndex(const QComboBox* combo);

} // namespace framework

// Builders. Each creates one control as a child of `parent`, names it, sets its geometry and
// start value, and returns it.
namespace ui {

QGroupBox* Group(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
QLabel* Label(QWidget* parent, const QString& text, int x, int y, const QString& name = {});
QLabel* LabelIn(QWidget* parent, const QString& text, const QRect& geometry, const QString& name = {});
QLineEdit* Edit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text = {});
QLineEdit* ReadOnlyEdit(QWidget* parent, const QString& name, const QRect& geometry,
                        const QString& text = {});
// A push button whose click runs `onClick` guarded by the application-level exception display.
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                    std::function<void()> onClick = {});
QComboBox* Combo(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items,
                 bool editable = false);
// A check box whose `onClick` runs whenever its state changes, by the user or by code.
QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                 std::function<void()> onClick = {});
QRadioButton* Radio(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
QDateEdit* DatePicker(QWidget* parent, const QString& name, const QRect& geometry, const QDate& date);
// Shows a date the module answered; one the picker cannot hold (before year 100) raises the date
// conversion error and leaves the picker as it was.
void ShowDate(QDateEdit* picker, const QDate& date);
QTimeEdit* TimePicker(QWidget* parent, const QString& name, const QRect& geometry, const QTime& time);
// An edit box with an attached spinner; the spinner takes the right-hand 16 pixels of `geometry`.
framework::UpDown* SpinEdit(QWidget* parent, const QString& editName, const QString& upDownName,
                            const QRect& geometry, int min, int max, int position);
framework::StringGrid* Grid(QWidget* parent, const QString& name, const QRect& geometry, int fixedCols = 1,
                            int fixedRows = 1);

// Limits what the user can type into `edit` to `maxLength` characters; unlike QLineEdit's own
// limit, text set by the program (an answer of the module) is shown whole.
void LimitTyping(QLineEdit* edit, int maxLength);

// The control of type T named `name` below `root`. Code that names a control expects it to exist:
// a missing one is a programming error and raises std::logic_error naming it.
template <class T> T* Require(const QObject* root, const QString& name) {
    if (T* control = root->findChild<T*>(name))
        return control;
    throw std::logic_error("no control named " + name.toStdString() + " of type " +
                           T::staticMetaObject.className());
}

} // namespace ui
