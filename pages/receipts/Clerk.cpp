#include "Clerk.h"

#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/settings/SettingsLayout.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace framework;
namespace layout = pages::settings::layout;

namespace pages::receipts {

Clerk::Clerk(PageHost& host) : form_(host.form()) {
    QGroupBox* group = ui::Group(host.page(Page::Settings), "GroupBoxClerk", "Clerk", layout::Clerk);
    const int row1 = layout::FirstRow;
    const int row2 = row1 + 24;
    ui::Label(group, "Attribute", 8, row1 + 3);
    ClerkAttributes = ui::Edit(group, "ClerkAttributes", {62, row1, 28, layout::RowHeight}, "41");
    ui::Label(group, "Name", 98, row1 + 3);
    ClerkName = ui::Edit(group, "ClerkName", {134, row1, 64, layout::RowHeight});
    // The password is hidden at start-up and is never sent.
    ui::Label(group, "Password", 8, row2 + 3, "labelClerkPassword");
    ui::Edit(group, "ClerkPassword", {64, row2, 80, layout::RowHeight});
    ui::Button(group, "ButtonSetClerk", "Set", {150, row2 - 1, 48, layout::ButtonHeight},
               [this] { ButtonSetClerkClick(); });
}

void Clerk::ButtonSetClerkClick() {
    RunOperation(form_, "SetClerk", [this] {
        const QByteArray name = ToDevice(ClerkName->text());
        const int attribute = ParseHex(ClerkAttributes->text());
        return device::SetClerk(attribute, name.constData());
    });
}

} // namespace pages::receipts
