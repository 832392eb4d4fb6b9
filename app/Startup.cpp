#include "Startup.h"

#include "FormMain.h"

#include "device/DeviceLibrary.h"
#include "framework/MessageBox.h"

#include <QApplication>
#include <QFont>

void SetApplicationFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    QApplication::setFont(font);
}

void SetUpApplication() {
    QApplication::setApplicationName(QString::fromLatin1(framework::ApplicationTitle));
    SetApplicationFont();
}

int RunConsole(const std::function<bool(QString* error)>& load) {
    QString error;
    if (!load(&error)) {
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
