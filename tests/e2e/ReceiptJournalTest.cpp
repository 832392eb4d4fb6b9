// The window on the real emulator: a whole receipt is sold and paid, then the electronic journal read
// shows it and its checksum compares equal.

#include "MessageRecorder.h"
#include "app/FormMain.h"
#include "device/DeviceLibrary.h"

#include <QAbstractButton>
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
    }
    template <class T = QWidget> T* find(const char* name) const {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("missing control ") + name);
        return widget;
    }
    void type(const char* edit, const QString& text) const { find<QLineEdit>(edit)->setText(text); }
    void click(const char* button) const { find<QAbstractButton>(button)->click(); }

    MessageRecorder messages;
    std::unique_ptr<TFormMain> form;
};

} // namespace

TEST_F(ReceiptOnTheEmulator, ASoldReceiptAppearsInTheJournalWithAMatchingChecksum) {
    click("ButtonBeginFiscalReceipt");
    type("FiscalReceiptItemName", "Rye bread");
    type("FiscalReceiptItemQuantity", "2");
    type("FiscalReceiptItemPrice", "1.25");
    click("ButtonFiscalReceiptItemSale");
    type("FiscalReceiptCash1", "5");
    click("ButtonEndFiscalReceipt");
    ASSERT_THAT(messages.boxes(), ::testing::IsEmpty());

    click("ButtonJournalRead");
    ASSERT_THAT(messages.boxes(), ::testing::IsEmpty());
    const QString journal = find<QPlainTextEdit>("JournalText")->toPlainText();
    EXPECT_TRUE(journal.contains("Rye bread")) << journal.toStdString();
    EXPECT_TRUE(journal.contains("2.50")) << journal.toStdString();
    auto* current = find<QLineEdit>("JournalCurrentCrc");
    auto* calculated = find<QLineEdit>("JournalCalculatedCrc");
    EXPECT_EQ(calculated->text().size(), 8);
    EXPECT_EQ(calculated->text().toUInt(nullptr, 16), current->text().toUInt(nullptr, 16));
    EXPECT_NE(calculated->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(ReceiptOnTheEmulator, AReceiptThatIsNotPaidInFullIsRefused) {
    click("ButtonBeginFiscalReceipt");
    type("FiscalReceiptItemName", "Cheese");
    type("FiscalReceiptItemQuantity", "1");
    type("FiscalReceiptItemPrice", "10");
    click("ButtonFiscalReceiptItemSale");
    type("FiscalReceiptCash1", "1");
    click("ButtonEndFiscalReceipt");
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_TRUE(messages.boxes()[0].text.startsWith("EndFiscalReceiptCurrEx: error "))
        << messages.boxes()[0].text.toStdString();
    click("ButtonFiscalReceiptResetFiscal");
}
