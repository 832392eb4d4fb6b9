#include "Barcode.h"

#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace framework;

namespace pages::receipts {

namespace {

// The barcode systems in the order of the ESC/POS command set: the position is the symbology.
const QStringList Symbologies = {
    QStringLiteral("UPC-A"),   QStringLiteral("UPC-E"),   QStringLiteral("EAN-13"),
    QStringLiteral("EAN-8"),   QStringLiteral("CODE 39"), QStringLiteral("ITF"),
    QStringLiteral("CODABAR"), QStringLiteral("CODE 93"), QStringLiteral("CODE 128"),
};

} // namespace

Barcode::Barcode(PageHost& host) : host_(host), form_(host.form()) {
    BuildGroups();
}

void Barcode::BuildGroups() {
    QWidget* page = host_.page(Page::NonFiscalReceipt);

    QGroupBox* print = ui::Group(page, "boxPrintBarCode", "Print TG2480 Barcode", QRect(8, 272, 380, 110));
    CODE39HRITop = ui::Check(print, "CODE39HRITop", "Print HRI top", QRect(10, 20, 126, 20));
    CODE39HRIBottom = ui::Check(print, "CODE39HRIBottom", "Print HRI bottom", QRect(10, 46, 126, 20));
    ui::Label(print, "Height", 146, 24);
    CODE39UDHeight =
        ui::SpinEdit(print, "CODE39Height", "CODE39UDHeight", QRect(192, 20, 56, 21), 1, 255, 162);
    CODE39UDHeight->buddy()->setMaxLength(3);
    ui::Label(print, "Width", 146, 50);
    CODE39UDWidth = ui::SpinEdit(print, "CODE39Width", "CODE39UDWidth", QRect(192, 46, 40, 21), 1, 6, 2);
    CODE39UDWidth->buddy()->setMaxLength(1);
    // The symbology list and the data box carry labels that are never shown.
    ui::Label(print, "Type", 262, 4)->hide();
    CODE39Type = ui::Combo(print, "CODE39Type", QRect(262, 20, 108, 21), Symbologies);
    ui::Label(print, "Code", 10, 62)->hide();
    CODE39Code = ui::Edit(print, "CODE39Code", QRect(10, 76, 238, 21));
    CODE39Code->setMaxLength(24);
    ui::Button(print, "ButtonCODE39Print", "Print", QRect(262, 74, 108, 25),
               [this] { ButtonCODE39PrintClick(); });

    QGroupBox* status = ui::Group(page, "boxTG2480Status", "TG2480 Status", QRect(396, 272, 200, 158));
    for (int i = 0; i < 4; ++i) {
        ui::Label(status, QStringLiteral("Byte %1").arg(i), 10, 24 + 25 * i);
        TG2480Byte[i] =
            ui::ReadOnlyEdit(status, QStringLiteral("TG2480Byte%1").arg(i), QRect(56, 20 + 25 * i, 134, 21));
        TG2480Byte[i]->setMaxLength(24);
    }
    ui::Button(status, "ButtonTG2480Get", "Get", QRect(56, 122, 134, 25), [this] { ButtonTG2480GetClick(); });
}

// The spinners' positions, not the boxes' texts, are checked and sent; the checks run in the
// order data, height, width, and the first that fails ends the operation with its message.
void Barcode::ButtonCODE39PrintClick() {
    RunOperation(form_, "PrintBarCodeTG2480", [this] {
        if (CODE39Code->text().isEmpty())
            throw Exception(QStringLiteral("Nothing to print."));
        const int height = CODE39UDHeight->position();
        if (height < 1 || height > 255)
            throw Exception(QStringLiteral("Height is out of bounds [1..255]"));
        const int width = CODE39UDWidth->position();
        if (width < 1 || width > 6)
            throw Exception(QStringLiteral("Width is out of bounds [1..6]"));
        const QByteArray data = ToDevice(CODE39Code->text());
        const int hri = (CODE39HRITop->isChecked() ? 1 : 0) + (CODE39HRIBottom->isChecked() ? 2 : 0);
        const int symbology = ItemIndex(CODE39Type);
        return device::PrintBarCodeTG2480(symbology, hri, height, width, data.constData());
    });
}

// Four status bytes as decimal fields, shown as 0x and two upper-case hexadecimal digits. A field
// that is not an integer ends the read; the boxes set before it keep their new texts.
void Barcode::ButtonTG2480GetClick() {
    RunQuery(form_, "GetFiscalInfo(TG2480 status)", TILLCORE_INFO_PRINTER_STATUS, 4,
             [this](const std::vector<QByteArray>& fields, int) {
                 for (int i = 0; i < 4; ++i) {
                     const int32_t value = StrToInt(FromDevice(fields[i]));
                     TG2480Byte[i]->setText(QStringLiteral("0x") + HexText(static_cast<uint32_t>(value), 2));
                 }
             });
}

} // namespace pages::receipts
