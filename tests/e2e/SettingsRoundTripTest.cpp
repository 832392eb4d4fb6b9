// The Settings page on the real module emulator: what is set comes back on Get.

#include "WindowDriver.h"
#include "app/FormMain.h"
#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"

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
        window.drive(form.get());
    }
    void TearDown() override { form.reset(); }

    WindowDriver window;
    std::unique_ptr<TFormMain> form;
};

TEST_F(SettingsRoundTrip, HeaderSetComesBackOnGet) {
    const QString lines[6] = {
        "Tillmate demo shop", QString::fromUtf8("Šiaulių g. 7"), "  VAT LT100001", "Tel. 8 600 00000", "",
        "Thank you"};
    for (int n = 1; n <= 6; ++n)
        window.type(QStringLiteral("HeaderLine%1").arg(n), lines[n - 1]);
    window.click("ButtonSetHeader");
    ASSERT_THAT(window.messages.boxes(), ::testing::IsEmpty());

    for (int n = 1; n <= 6; ++n) {
        window.type(QStringLiteral("HeaderLine%1").arg(n), "overwritten");
        window.type(QStringLiteral("HeaderAttribute%1").arg(n), "");
    }
    window.click("ButtonGetHeader");
    EXPECT_THAT(window.messages.boxes(), ::testing::IsEmpty());
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(window.text(QStringLiteral("HeaderLine%1").arg(n)), lines[n - 1]) << "line " << n;
        EXPECT_EQ(window.text(QStringLiteral("HeaderAttribute%1").arg(n)), "41") << "line " << n;
    }
}

TEST_F(SettingsRoundTrip, TaxRateSetComesBackOnGet) {
    window.type("Tax2Rate", "21.5");
    window.click("ButtonSetTax2");
    ASSERT_THAT(window.messages.boxes(), ::testing::IsEmpty());

    window.type("Tax2Rate", "");
    window.click("ButtonGetTax2");
    EXPECT_THAT(window.messages.boxes(), ::testing::IsEmpty());
    // The module formats the rate its own way; it must read back as the same number.
    const QString shown = window.text("Tax2Rate");
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_DOUBLE_EQ(framework::StrToFloat(shown), 21.5) << shown.toStdString();
}
