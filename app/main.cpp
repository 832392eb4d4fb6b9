// Tillmate: the console's process entry.

#include "Startup.h"

#include "device/DeviceLibrary.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SetUpApplication();
    return RunConsole(&device::Load);
}
