#pragma once

// Drives a window the way a user does: finds controls by object name, types, clicks, ticks and
// selects, and answers the message boxes the window shows (recording each one). A control that is
// not there fails the test with its name.

#include "MessageRecorder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace testing_support {

class WindowDriver {
public:
    // The window to drive; a test that builds a new window hands the new one over.
    void drive(QWidget* window) { window_ = window; }

    // The control named `name`; fails the test (and throws) when there is none of that type.
    template <class T = QWidget> T* find(const QString& name) const {
        T* widget = window_ ? window_->findChild<T*>(name) : nullptr;
        if (!widget) {
            ADD_FAILURE() << "no control named " << name.toStdString() << " of the requested type";
            throw std::runtime_error("missing control " + name.toStdString());
        }
        return widget;
    }
    // Types the text into an edit box (replacing what it held).
    void type(const QString& edit, const QString& text) const;
    QString text(const QString& edit) const;
    // Clicks a button; a disabled one fails the test (and is clicked anyway, to no effect).
    void click(const QString& button) const;
    void check(const QString& box, bool checked) const;
    void select(const QString& combo, int index) const;

    // The message boxes: what was shown, and the answers for the next questions.
    MessageRecorder messages;

private:
    QPointer<QWidget> window_;
};

} // namespace testing_support
