// The console's binding to the device library, run against whichever libtillcore.so.1 the system's
// library search finds. CTest runs this twice: plainly (the emulator beside the executable) and
// with LD_LIBRARY_PATH naming the folder of the probe build.

#include "MessageRecorder.h"
#include "app/Startup.h"
#include "device/DeviceLibrary.h"

#include <QApplication>
#include <QTimer>
#include <gmock/gmock.h>

using namespace testing_support;

namespace {
bool expectProbe() {
    return qgetenv("TILLMATE_EXPECT_PROBE") == "1";
}
} // namespace

TEST(Binding, LoadsTheLibraryTheSystemSearchFinds) {
    QString error;
    ASSERT_TRUE(device::Load(&error)) << error.toStdString();
    device::AnswerBuffer answer;
    ASSERT_EQ(device::GetFiscalInfo(3, answer.data()), 0);
    if (expectProbe()) {
        EXPECT_STREQ(answer.text(), "PROBE\x1c");
    } else {
        EXPECT_STRNE(answer.text(), "PROBE\x1c");
    }
}

TEST(Binding, AFunctionTheLibraryLacksRaisesWhenCalled) {
    if (!expectProbe())
        GTEST_SKIP() << "the emulator exports every function";
    ASSERT_TRUE(device::Load(nullptr));
    try {
        device::SetVAT(0, 21.0);
        FAIL() << "no exception";
    } catch (const framework::Exception& e) {
        EXPECT_EQ(e.message().toStdString(), "Device library has no function SetVAT");
    }
}

TEST(Startup, ALibraryThatDoesNotLoadShowsTheLoaderMessageAndExitsWithOne) {
    MessageRecorder messages;
    const int code = RunConsole([](QString* error) {
        *error = "libtillcore.so.1: cannot open shared object file";
        return false;
    });
    EXPECT_EQ(code, 1);
    EXPECT_THAT(messages.boxes(),
                ::testing::ElementsAre(ShownBox{"Error",
                                                "Cannot load the device library libtillcore.so.1:\n"
                                                "libtillcore.so.1: cannot open shared object file",
                                                16}));
}

TEST(Startup, TheWindowOpensAndClosingItEndsWithZero) {
    MessageRecorder messages;
    QTimer::singleShot(0, [] { QApplication::closeAllWindows(); });
    EXPECT_EQ(RunConsole(&device::Load), 0);
    EXPECT_TRUE(messages.boxes().empty());
}
