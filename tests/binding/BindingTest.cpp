// The console's binding to the device library, run against whichever libtillcore.so.1 the system's
// library search finds. CTest runs this three times: plainly (the emulator beside the executable,
// found through the run path), with LD_LIBRARY_PATH naming the folder of the probe build, and as a
// copy built without a run path, which the system's search cannot serve, so the binding takes the
// emulator from the executable's own folder.

#include "MessageRecorder.h"
#include "app/Startup.h"
#include "device/DeviceLibrary.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <link.h>

using namespace testing_support;

namespace {
bool expectProbe() {
    return qgetenv("TILLMATE_EXPECT_PROBE") == "1";
}

// True when the running executable names a run path of its own.
bool executableHasRunPath() {
    for (const ElfW(Dyn)* entry = _DYNAMIC; entry->d_tag != DT_NULL; ++entry)
        if (entry->d_tag == DT_RUNPATH || entry->d_tag == DT_RPATH)
            return true;
    return false;
}
} // namespace

TEST(Binding, WithoutARunPathTheLibraryBesideTheExecutableLoads) {
    if (qgetenv("TILLMATE_EXPECT_BESIDE") != "1")
        GTEST_SKIP() << "this executable finds the library through its run path";
    ASSERT_FALSE(executableHasRunPath()) << "the system's search would find the library";
    ASSERT_TRUE(qgetenv("LD_LIBRARY_PATH").isEmpty());
    QString error;
    ASSERT_TRUE(device::Load(&error)) << error.toStdString();
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(device::Functions().GetFiscalInfo), &info), 0);
    EXPECT_EQ(QFileInfo(info.dli_fname).canonicalFilePath(),
              QFileInfo(QCoreApplication::applicationDirPath() + "/libtillcore.so.1").canonicalFilePath());
}

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
