// The Settings page on the real module emulator: what is set comes back on Get.

#include "MessageRecorder.h"
#include "app/FormMain.h"
#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

class SettingsRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        // The emulator keeps its memory in this database; a test run never touches a real one.
        if (qEnvironmentVariableIsEmpty("TILLCORE_DB"))
            qputenv("TILLCORE_DB", ":memory:");
        QString error;
        ASSERT_TRUE(device::Load(&error)) << error.toStdString();
        form = std::make_unique<TFormMain>();
    }
    void TearDown() override { form.reset(); }

    QLineEdit* edit(const QString& name) const {
        auto* box = form->findChild<QLineEdit*>(name);
        EXPECT_NE(box, nullptr) << name.toStdString();
        return box;
    }
    void click(const QString& name) const {
        auto* button = form->findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        button->click();
    }

    MessageRecorder messages;
    std::unique_ptr<TFormMain> form;
};

TEST_F(SettingsRoundTrip, HeaderSetComesBackOnGet) {
    const QString lines[6] = {
        "Tillmate demo shop", QString::fromUtf8("Šiaulių g. 7"), "  VAT LT100001", "Tel. 8 600 00000", "",
        "Thank you"};
    for (int n = 1; n <= 6; ++n)
        edit(QStringLiteral("HeaderLine%1").arg(n))->setText(lines[n - 1]);
    click("ButtonSetHeader");
    ASSERT_THAT(messages.boxes(), ::testing::IsEmpty());

    for (int n = 1; n <= 6; ++n) {
        edit(QStringLiteral("HeaderLine%1").arg(n))->setText("overwritten");
        edit(QStringLiteral("HeaderAttribute%1").arg(n))->setText("");
    }
    click("ButtonGetHeader");
    EXPECT_THAT(messages.boxes(), ::testing::IsEmpty());
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(edit(QStringLiteral("HeaderLine%1").arg(n))->text(), lines[n - 1]) << "line " << n;
        EXPECT_EQ(edit(QStringLiteral("HeaderAttribute%1").arg(n))->text(), "41") << "line " << n;
    }
}

TEST_F(SettingsRoundTrip, TaxRateSetComesBackOnGet) {
    edit("Tax2Rate")->setText("21.5");
    click("ButtonSetTax2");
    ASSERT_THAT(messages.boxes(), ::testing::IsEmpty());

    edit("Tax2Rate")->setText("");
    click("ButtonGetTax2");
    EXPECT_THAT(messages.boxes(), ::testing::IsEmpty());
    // The module formats the rate its own way; it must read back as the same number.
    const QString shown = edit("Tax2Rate")->text();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_DOUBLE_EQ(framework::StrToFloat(shown), 21.5) << shown.toStdString();
}
