// The window on a fresh emulated module: every read of the Settings and Information pages answers
// without an error and fills its boxes, so a new user sees a working module at once.

#include "WindowDriver.h"
#include "app/FormMain.h"
#include "device/DeviceLibrary.h"

#include <QLineEdit>
#include <QPushButton>
#include <gmock/gmock.h>

using namespace testing_support;

TEST(FreshModule, EveryReadOfTheSettingsAndInformationPagesAnswers) {
    ASSERT_TRUE(device::Load(nullptr));
    WindowDriver window;
    TFormMain form;
    window.drive(&form);
    for (QWidget* page : {form.TabSheet1, form.TabSheet2}) {
        for (QPushButton* button : page->findChildren<QPushButton*>()) {
            if (button->text() != "Get")
                continue;
            window.messages.clear();
            button->click();
            EXPECT_THAT(window.messages.boxes(), ::testing::IsEmpty()) << button->objectName().toStdString();
        }
    }
    const std::pair<const char*, const char*> filled[] = {
        {"HeaderLine1", "the header"},
        {"Tax1Rate", "a tax rate"},
        {"CurName1", "currency 1"},
        {"InfoFiscalUnitNumber", "the unit number"},
        {"InfoReceiptNumber", "the next receipt"},
        {"InfoDepart1Name", "department 1"},
        {"InfoState", "the state"},
        {"InfoDate", "the module's date"},
    };
    for (const auto& [name, what] : filled)
        EXPECT_FALSE(window.text(name).trimmed().isEmpty()) << what;
}
