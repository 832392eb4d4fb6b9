#pragma once

// The page-test fixture: the real main window on the offscreen platform, wired to the recording
// fake device and driven through the window driver (which also answers the message boxes).

#include "FakeDevice.h"
#include "MessageRecorder.h"
#include "WindowDriver.h"
#include "app/FormMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTimeEdit>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

class FormFixture : public ::testing::Test {
protected:
    // The window's clock; a test may set it before calling createForm() again.
    QDateTime now = QDateTime(QDate(2026, 12, 11), QTime(10, 30, 15));

    void SetUp() override;
    void TearDown() override;
    void createForm();

    // The window driver's steps on the current window.
    template <class T = QWidget> T* find(const QString& name) const { return driver.find<T>(name); }
    void type(const QString& edit, const QString& text) const { driver.type(edit, text); }
    QString text(const QString& edit) const { return driver.text(edit); }
    void click(const QString& button) const { driver.click(button); }
    void check(const QString& box, bool checked) const { driver.check(box, checked); }
    void select(const QString& combo, int index) const { driver.select(combo, index); }

    // A field typed wrong: the button reports `message` under `operation` and sends nothing.
    struct RefusedInput {
        std::vector<std::pair<QString, QString>> typed; // edit box, text
        const char* button;
        const char* operation;
        QString message;
    };
    // Types the case's fields (after `prepare`, on a fresh window), clicks and checks the report.
    void expectRefused(const RefusedInput& input, const std::function<void()>& prepare = {});

    const std::vector<DeviceCall>& calls() const { return device.calls(); }
    const std::vector<ShownBox>& boxes() const { return messages.boxes(); }

    FakeDevice device;
    WindowDriver driver;
    MessageRecorder& messages = driver.messages;
    std::unique_ptr<TFormMain> form;
};

} // namespace testing_support
