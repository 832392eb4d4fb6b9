// One application object for the whole test run, on the offscreen platform, with the window's font.

#include "app/Startup.h"

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A test run never touches the user's module memory: unless the run names a file, every
    // process that loads the emulator starts on a fresh module of its own.
    if (qEnvironmentVariableIsEmpty("TILLCORE_DB"))
        qputenv("TILLCORE_DB", ":memory:");
    ::testing::InitGoogleMock(&argc, argv);
    QApplication application(argc, argv);
    SetUpApplication(); // as the console does: layouts are checked at the window's own font
    return RUN_ALL_TESTS();
}
