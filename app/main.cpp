// Tillmate: the console's process entry.

#include "FormMain.h"

#include "device/DeviceLibrary.h"
#include "framework/MessageBox.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tillmate"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tillmate"));
    QFont font(QStringLiteral("Tahoma"));
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    QApplication::setFont(font);

    QString error;
    if (!device::Load(&error)) {
        framework::ShowMessageBox(QStringLiteral("Error"),
                                  QStringLiteral("Cannot load the device library %1:\n%2")
                                      .arg(QString::fromLatin1(device::LibraryName), error),
                                  framework::mbStop);
        return 1;
    }

    try {
        TFormMain FormMain;
        FormMain.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        framework::ShowApplicationException(e);
    }
    return 0;
}
