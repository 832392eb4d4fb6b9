#pragma once

#include "pages/PageHost.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace framework {
class UpDown;
}

namespace pages::settings {

// Printer type, code page, image options, compression mode and till impulses (Settings page).
class PrinterSettings {
public:
    explicit PrinterSettings(PageHost& host);

    void ButtonSetPrinterTypeClick();
    void ButtonSetCompressionModeClick();
    void ButtonSetTillImpulsClick();

private:
    framework::FormBase& form_;
    QComboBox* PrinterType = nullptr;
    QComboBox* PrinterCodePage = nullptr;
    QCheckBox* ImageEnable = nullptr;
    QCheckBox* LargeImage = nullptr;
    QLineEdit* NumberImage = nullptr;
    framework::UpDown* UpDownCompressionMode = nullptr;
    framework::UpDown* UpDownTillImpuls1 = nullptr;
    framework::UpDown* UpDownTillImpuls2 = nullptr;
};

} // namespace pages::settings
