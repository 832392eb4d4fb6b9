#include "HeaderFooter.h"

#include "SettingsLayout.h"
#include "device/DeviceLibrary.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

using namespace framework;

namespace pages::settings {

namespace {

// Columns of a line row inside the header and footer groups.
constexpr int AttributeLabelX = 8;
constexpr int AttributeX = 80;
constexpr int AttributeWidth = 26;
constexpr int LineLabelX = 112;
constexpr int LineX = 140;
constexpr int LineWidth = 140;
constexpr int ButtonX = 286;
constexpr int ButtonWidth = 46;

int RowY(int row) {
    return layout::FirstRow + row * layout::RowPitch;
}

// Attribute n and line n of a block, in the argument order of the device's setters.
struct LineArgs {
    int attribute;
    QByteArray text;
};

} // namespace

HeaderFooter::HeaderFooter(PageHost& host) : host_(host), form_(host.form()) {
    header_ = BuildBlock("GroupBox5", "Header", "Header", 6, layout::Header.y(), layout::Header.height(),
                         layout::Header.width());
    header_.group->hide(); // designed hidden; start-up shows it at its working width
    ui::Button(header_.group, "ButtonSetHeader", "Set", {ButtonX, RowY(0), ButtonWidth, layout::ButtonHeight},
               [this] { ButtonSetHeaderClick(); });
    ui::Button(header_.group, "ButtonGetHeader", "Get", {ButtonX, RowY(1), ButtonWidth, layout::ButtonHeight},
               [this] { ButtonGetHeaderClick(); });

    footer_ = BuildBlock("GroupBox6", "Footer", "Footer", 4, layout::Footer.y(), layout::Footer.height(),
                         layout::Footer.width());
    footer_.group->hide();
    ui::Button(footer_.group, "ButtonSetFooter", "Set", {ButtonX, RowY(0), ButtonWidth, layout::ButtonHeight},
               [this] { ButtonSetFooterClick(); });
    ui::Button(footer_.group, "ButtonGetFooter", "Get", {ButtonX, RowY(1), ButtonWidth, layout::ButtonHeight},
               [this] { ButtonGetFooterClick(); });
    const int footerSwitchY = RowY(4) + 2;
    FooterEnabled =
        ui::Check(footer_.group, "FooterEnabled", "Enabled", {AttributeLabelX, footerSwitchY + 2, 80, 19});
    ui::Button(footer_.group, "ButtonSetFooterEnabled", "Set",
               {LineX, footerSwitchY, ButtonWidth, layout::ButtonHeight},
               [this] { ButtonSetFooterEnabledClick(); });
    ui::Button(footer_.group, "ButtonGetFooterEnabled", "Get",
               {LineX + ButtonWidth + 4, footerSwitchY, ButtonWidth, layout::ButtonHeight},
               [this] { ButtonGetFooterEnabledClick(); });

    footer2_ = BuildBlock("GroupBox7", "Footer 2", "Footer2", 2, layout::Footer2.y(),
                          layout::Footer2.height(), layout::Footer2.width());
    ui::Button(footer2_.group, "ButtonSetFooter2", "Set",
               {ButtonX, RowY(0), ButtonWidth, layout::ButtonHeight}, [this] { ButtonSetFooter2Click(); });
    ui::Button(footer2_.group, "ButtonGetFooter2", "Get",
               {ButtonX, RowY(1), ButtonWidth, layout::ButtonHeight}, [this] { ButtonGetFooter2Click(); });
    const int footer2SwitchY = RowY(2) + 2;
    Footer2Enabled =
        ui::Check(footer2_.group, "Footer2Enabled", "Enabled", {AttributeLabelX, footer2SwitchY + 2, 80, 19});
    ui::Button(footer2_.group, "ButtonSetFooter2Enabled", "Set",
               {LineX, footer2SwitchY, ButtonWidth, layout::ButtonHeight},
               [this] { ButtonSetFooter2EnabledClick(); });
    ui::Button(footer2_.group, "ButtonGetFooter2Enabled", "Get",
               {LineX + ButtonWidth + 4, footer2SwitchY, ButtonWidth, layout::ButtonHeight},
               [this] { ButtonGetFooter2EnabledClick(); });
}

HeaderFooter::Block HeaderFooter::BuildBlock(const QString& groupName, const QString& caption,
                                             const QString& prefix, int rows, int y, int height,
                                             int designedWidth) {
    Block block;
    block.group =
        ui::Group(host_.page(Page::Settings), groupName, caption, {layout::LeftX, y, designedWidth, height});
    for (int row = 0; row < rows; ++row) {
        const int n = row + 1;
        const int rowY = RowY(row);
        ui::Label(block.group, QStringLiteral("%1. Attribute").arg(n), AttributeLabelX, rowY + 3);
        Line line;
        line.attribute =
            ui::Edit(block.group, QStringLiteral("%1Attribute%2").arg(prefix).arg(n),
                     {AttributeX, rowY, AttributeWidth, layout::RowHeight}, QStringLiteral("41"));
        ui::Label(block.group, QStringLiteral("Line"), LineLabelX, rowY + 3);
        line.text = ui::Edit(block.group, QStringLiteral("%1Line%2").arg(prefix).arg(n),
                             {LineX, rowY, LineWidth, layout::RowHeight});
        block.lines.push_back(line);
    }
    return block;
}

namespace {

// Attributes go as ParseHex of their box (never fails); lines as typed, in the device code page.
template <class Lines> std::vector<LineArgs> CollectLines(const Lines& lines) {
    std::vector<LineArgs> args;
    for (const auto& line : lines)
        args.push_back({ParseHex(line.attribute->text()), ToDevice(line.text->text())});
    return args;
}

} // namespace

void HeaderFooter::ButtonSetHeaderClick() {
    RunOperation(form_, "SetHeaderEx2", [this] {
        const std::vector<LineArgs> l = CollectLines(header_.lines);
        return device::SetHeaderEx2(l[0].attribute, l[0].text.constData(), l[1].attribute,
                                    l[1].text.constData(), l[2].attribute, l[2].text.constData(),
                                    l[3].attribute, l[3].text.constData(), l[4].attribute,
                                    l[4].text.constData(), l[5].attribute, l[5].text.constData());
    });
}

void HeaderFooter::ButtonSetFooterClick() {
    RunOperation(form_, "SetFooter", [this] {
        const std::vector<LineArgs> l = CollectLines(footer_.lines);
        return device::SetFooter(l[0].attribute, l[0].text.constData(), l[1].attribute, l[1].text.constData(),
                                 l[2].attribute, l[2].text.constData(), l[3].attribute,
                                 l[3].text.constData());
    });
}

void HeaderFooter::ButtonSetFooter2Click() {
    RunOperation(form_, "SetFooter2", [this] {
        const std::vector<LineArgs> l = CollectLines(footer2_.lines);
        return device::SetFooter2(l[0].attribute, l[0].text.constData(), l[1].attribute,
                                  l[1].text.constData());
    });
}

void HeaderFooter::ShowBlock(const Block& block, const std::vector<QByteArray>& fields) {
    for (std::size_t row = 0; row < block.lines.size(); ++row) {
        const QByteArray& attribute = fields[2 * row];
        block.lines[row].attribute->setText(attribute.isEmpty()
                                                ? QStringLiteral("00")
                                                : HexText(static_cast<unsigned char>(attribute[0]), 2));
        block.lines[row].text->setText(FromDevice(TrimRight(fields[2 * row + 1])));
    }
}

void HeaderFooter::GetBlock(const Block& block, const QString& name, int code) {
    const int fieldCount = static_cast<int>(block.lines.size()) * 2;
    RunQuery(form_, name, code, fieldCount,
             [&block](const std::vector<QByteArray>& fields, int) { ShowBlock(block, fields); });
}

void HeaderFooter::ButtonGetHeaderClick() {
    GetBlock(header_, "GetFiscalInfo(header)", TILLCORE_INFO_HEADER);
}

void HeaderFooter::ButtonGetFooterClick() {
    GetBlock(footer_, "GetFiscalInfo(footer)", TILLCORE_INFO_FOOTER);
}

void HeaderFooter::ButtonGetFooter2Click() {
    GetBlock(footer2_, "GetFiscalInfo(footer2)", TILLCORE_INFO_FOOTER2);
}

void HeaderFooter::SetEnabled(const QString& name, QCheckBox* box, int (*send)(int)) {
    RunOperation(form_, name, [box, send] { return send(box->isChecked() ? 1 : 0); });
}

void HeaderFooter::GetEnabled(const QString& name, int code, QCheckBox* box) {
    // Only the exact answer "1" means enabled.
    RunQuery(form_, name, code, 1,
             [box](const std::vector<QByteArray>& fields, int) { box->setChecked(fields[0] == "1"); });
}

void HeaderFooter::ButtonSetFooterEnabledClick() {
    SetEnabled("EnableFooter", FooterEnabled, &device::EnableFooter);
}

void HeaderFooter::ButtonGetFooterEnabledClick() {
    GetEnabled("GetFiscalInfo(footer enabled)", TILLCORE_INFO_FOOTER_ENABLED, FooterEnabled);
}

void HeaderFooter::ButtonSetFooter2EnabledClick() {
    SetEnabled("EnableFooter2", Footer2Enabled, &device::EnableFooter2);
}

void HeaderFooter::ButtonGetFooter2EnabledClick() {
    GetEnabled("GetFiscalInfo(footer2 enabled)", TILLCORE_INFO_FOOTER2_ENABLED, Footer2Enabled);
}

} // namespace pages::settings
