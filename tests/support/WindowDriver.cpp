#include "WindowDriver.h"

namespace testing_support {

void WindowDriver::type(const QString& edit, const QString& value) const {
    find<QLineEdit>(edit)->setText(value);
}

QString WindowDriver::text(const QString& edit) const {
    return find<QLineEdit>(edit)->text();
}

void WindowDriver::click(const QString& button) const {
    auto* b = find<QAbstractButton>(button);
    EXPECT_TRUE(b->isEnabled()) << button.toStdString() << " is disabled";
    b->click();
}

void WindowDriver::check(const QString& box, bool checked) const {
    find<QAbstractButton>(box)->setChecked(checked);
}

void WindowDriver::select(const QString& combo, int index) const {
    find<QComboBox>(combo)->setCurrentIndex(index);
}

} // namespace testing_support
