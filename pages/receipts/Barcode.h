#pragma once

#include "pages/PageHost.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace framework {
class UpDown;
}

namespace pages::receipts {

// TG2480 barcode printing and printer status bytes (NonFiscal Receipt page).
class Barcode {
public:
    explicit Barcode(PageHost& host);

    void ButtonCODE39PrintClick();
    void ButtonTG2480GetClick();

private:
    void BuildGroups();

    PageHost& host_;
    framework::FormBase& form_;
    QCheckBox* CODE39HRITop = nullptr;
    QCheckBox* CODE39HRIBottom = nullptr;
    framework::UpDown* CODE39UDHeight = nullptr;
    framework::UpDown* CODE39UDWidth = nullptr;
    QComboBox* CODE39Type = nullptr;
    QLineEdit* CODE39Code = nullptr;
    std::array<QLineEdit*, 4> TG2480Byte{};
};

} // namespace pages::receipts
