#include "PrinterSettings.h"

#include "SettingsLayout.h"
#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/Widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

using namespace framework;

namespace pages::settings {

namespace {

// Item position = printer type code sent to the module.
const QStringList PrinterTypes = {
    "Epson 210",
    "STAR TYPE 900",
    "Epson 260",
    "BA-T500II",
    "TG2480",
    "Reserved 5",
    "Reserved 6",
    "Reserved 7",
    "Reserved 8",
    "Samsung SRP 350(57mm)",
    "Samsung SRP 350 (thermal)",
    "Samsumg SRP 275",
};

constexpr int FieldX = 118;
constexpr int RowH = layout::RowHeight;

} // namespace

PrinterSettings::PrinterSettings(PageHost& host) : form_(host.form()) {
    // Designed 126 high: the till impulse row shows once start-up makes the group 170 high.
    QGroupBox* group =
        ui::Group(host.page(Page::Settings), "GroupBox2", "Printer settings", layout::PrinterSettings);

    ui::Label(group, "Type", 8, 21);
    PrinterType = ui::Combo(group, "PrinterType", {FieldX, 18, 184, RowH}, PrinterTypes);
    ui::Label(group, "Code page", 8, 45);
    PrinterCodePage = ui::Combo(group, "PrinterCodePage", {FieldX, 42, 100, RowH}, {"DOS", "Win 1257"}, true);
    ui::Button(group, "ButtonSetPrinterType", "Set", {FieldX + 138, 41, 46, layout::ButtonHeight},
               [this] { ButtonSetPrinterTypeClick(); });

    ImageEnable = ui::Check(group, "ImageEnable", "Enable image", {8, 68, 102, 19});
    NumberImage = ui::Edit(group, "NumberImage", {FieldX, 66, 36, RowH}, "1");
    LargeImage = ui::Check(group, "LargeImage", "Large image", {FieldX + 50, 68, 100, 19});

    ui::Label(group, "Compression mode", 8, 95);
    UpDownCompressionMode =
        ui::SpinEdit(group, "CompressionMode", "UpDownCompressionMode", {FieldX, 92, 56, RowH}, 0, 100, 15);
    ui::Button(group, "ButtonSetCompressionMode", "Set", {FieldX + 62, 91, 46, layout::ButtonHeight},
               [this] { ButtonSetCompressionModeClick(); });

    ui::Label(group, "Till impuls", 8, 121);
    UpDownTillImpuls1 =
        ui::SpinEdit(group, "TillImpuls1", "UpDownTillImpuls1", {FieldX, 118, 56, RowH}, 0, 100, 40);
    UpDownTillImpuls2 =
        ui::SpinEdit(group, "TillImpuls2", "UpDownTillImpuls2", {FieldX + 62, 118, 56, RowH}, 0, 100, 40);
    ui::Button(group, "ButtonSetTillImpuls", "Set", {FieldX + 126, 117, 46, layout::ButtonHeight},
               [this] { ButtonSetTillImpulsClick(); });
}

void PrinterSettings::ButtonSetPrinterTypeClick() {
    const int type = ItemIndex(PrinterType);
    if (type < 0)
        return; // no printer chosen: nothing to send
    RunOperation(form_, "SetPrinterTypeEx2", [&] {
        const int large = LargeImage->isChecked() ? 1 : 0;
        const int number = StrToInt(NumberImage->text());
        const int image = ImageEnable->isChecked() ? 1 : 0;
        const int codePage = ItemIndex(PrinterCodePage); // -1 when the typed text is no item
        return device::SetPrinterTypeEx2(type, codePage, image, number, large);
    });
}

void PrinterSettings::ButtonSetCompressionModeClick() {
    RunOperation(form_, "SetCompressionMode",
                 [this] { return device::SetCompressionMode(UpDownCompressionMode->position()); });
}

void PrinterSettings::ButtonSetTillImpulsClick() {
    RunOperation(form_, "SetTillImpuls", [this] {
        const int second = UpDownTillImpuls2->position();
        const int first = UpDownTillImpuls1->position();
        return device::SetTillImpuls(first, second);
    });
}

} // namespace pages::settings
