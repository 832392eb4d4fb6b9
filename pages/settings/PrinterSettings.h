#pragma once

class QCheckBox;
class QComboBox;
class QLineEdit;
class TFormMain;

namespace framework {
class UpDown;
}

namespace pages::settings {

// Printer type, code page, image options, compression mode and till impulses (Settings page).
class PrinterSettings {
public:
    explicit PrinterSettings(TFormMain& form);

    void ButtonSetPrinterTypeClick();
    void ButtonSetCompressionModeClick();
    void ButtonSetTillImpulsClick();

private:
    TFormMain& form_;
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
