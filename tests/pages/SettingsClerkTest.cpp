#include "FormFixture.h"

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SettingsClerk : public FormFixture {};

TEST_F(SettingsClerk, SetSendsTheHexAttributeAndTheNameAsTyped) {
    const std::tuple<QString, QString, DeviceCall> cases[] = {
        {"41", "", Call("SetClerk", 65, std::string())},
        {"4G", "Jonas ", Call("SetClerk", 64, std::string("Jonas "))},
        {"", QString::fromUtf8("Žana"),
         Call("SetClerk", 0,
              std::string("\xDE"
                          "ana"))},
    };
    type("ClerkPassword", "secret"); // hidden and never sent
    for (const auto& [attribute, name, sent] : cases) {
        device.clearCalls();
        type("ClerkAttributes", attribute);
        type("ClerkName", name);
        click("ButtonSetClerk");
        EXPECT_THAT(calls(), ElementsAre(sent));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsClerk, FailuresAreReported) {
    device.setResult("SetClerk", 2);
    click("ButtonSetClerk");
    type("ClerkName", QString::fromUtf8("王"));
    click("ButtonSetClerk");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("SetClerk: error 2"),
                                     ExceptionBox("SetClerk",
                                                  QString::fromUtf8("'王' contains a character that the "
                                                                    "device code page cannot represent"))));
    EXPECT_EQ(calls().size(), 1u);
}
