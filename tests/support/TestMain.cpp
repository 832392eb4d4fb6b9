// One application object for the whole test run, on the offscreen platform.

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleMock(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tillmate"));
    return RUN_ALL_TESTS();
}
