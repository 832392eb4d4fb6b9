// The window on the real emulator: a whole receipt is sold and paid, then the electronic journal read
// shows it and its checksum compares equal.

#include "WindowDriver.h"
#include "app/FormMain.h"
#include "device/DeviceLibrary.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <gmock/gmock.h>

using namespace testing_support;

namespace {

class ReceiptOnTheEmulator : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(device::Load(&error)) << error.toStdString();
        form = std::make_unique<TFormMain>();
        window.drive(form.get());
    }

    WindowDriver window;
    std::unique_ptr<TFormMain> form;
};

} // namespace

TEST_F(ReceiptOnTheEmulator, ASoldReceiptAppearsInTheJournalWithAMatchingChecksum) {
    window.click("ButtonBeginFiscalReceipt");
    window.type("FiscalReceiptItemName", "Rye bread");
    window.type("FiscalReceiptItemQuantity", "2");
    window.type("FiscalReceiptItemPrice", "1.25");
    window.click("ButtonFiscalReceiptItemSale");
    window.type("FiscalReceiptCash1", "5");
    window.click("ButtonEndFiscalReceipt");
    ASSERT_THAT(window.messages.boxes(), ::testing::IsEmpty());

    window.click("ButtonJournalRead");
    ASSERT_THAT(window.messages.boxes(), ::testing::IsEmpty());
    const QString journal = window.find<QPlainTextEdit>("JournalText")->toPlainText();
    EXPECT_TRUE(journal.contains("Rye bread")) << journal.toStdString();
    EXPECT_TRUE(journal.contains("2.50")) << journal.toStdString();
    auto* current = window.find<QLineEdit>("JournalCurrentCrc");
    auto* calculated = window.find<QLineEdit>("JournalCalculatedCrc");
    EXPECT_EQ(calculated->text().size(), 8);
    EXPECT_EQ(calculated->text().toUInt(nullptr, 16), current->text().toUInt(nullptr, 16));
    EXPECT_NE(calculated->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(ReceiptOnTheEmulator, AReceiptThatIsNotPaidInFullIsRefused) {
    window.click("ButtonBeginFiscalReceipt");
    window.type("FiscalReceiptItemName", "Cheese");
    window.type("FiscalReceiptItemQuantity", "1");
    window.type("FiscalReceiptItemPrice", "10");
    window.click("ButtonFiscalReceiptItemSale");
    window.type("FiscalReceiptCash1", "1");
    window.click("ButtonEndFiscalReceipt");
    ASSERT_EQ(window.messages.boxes().size(), 1u);
    EXPECT_TRUE(window.messages.boxes()[0].text.startsWith("EndFiscalReceiptCurrEx: error "))
        << window.messages.boxes()[0].text.toStdString();
    window.click("ButtonFiscalReceiptResetFiscal");
}
