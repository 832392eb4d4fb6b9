#include "DepartmentsCredits.h"

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

int TableRowY(int row) {
    return layout::TitledFirstRow + row * layout::RowPitch;
}

QRect ButtonAt(int x, int rowY) {
    return {x, rowY - 1, 38, layout::ButtonHeight};
}

} // namespace

DepartmentsCredits::DepartmentsCredits(PageHost& host) : host_(host), form_(host.form()) {
    BuildDepartments();
    BuildCredits();

    GoodsReturnEnable = ui::Check(host.page(Page::Settings), "GoodsReturnEnable", "Allow goods return",
                                  layout::GoodsReturnCheck);
    ui::Button(host.page(Page::Settings), "ButtonSetAllowGoodsReturn", "Set", layout::GoodsReturnSet,
               [this] { ButtonSetAllowGoodsReturnClick(); });
}

void DepartmentsCredits::BuildDepartments() {
    // Designed at left 278, 231 wide; start-up moves it to 348 and narrows it to 205.
    QGroupBox* group =
        ui::Group(host_.page(Page::Settings), "GroupBox40", "Departments", layout::Departments);
    ui::Label(group, "Name", 24, layout::ColumnTitleY);
    for (int row = 0; row < 8; ++row) {
        const int y = TableRowY(row);
        const int n = row + 1;
        ui::Label(group, QStringLiteral("%1.").arg(n), 8, y + 3);
        departName_[row] =
            ui::Edit(group, QStringLiteral("Depart%1Name").arg(n), {24, y, 92, layout::RowHeight});
        ui::Button(group, QStringLiteral("ButtonDepart%1Set").arg(n), "Set", ButtonAt(120, y),
                   [this, row] { SendDepartName(row, departName_[row]->text()); });
        ui::Button(group, QStringLiteral("ButtonDepart%1Get").arg(n), "Get", ButtonAt(161, y),
                   [this, row] { QueryDepartment(row, departName_[row], nullptr); });
    }
}

void DepartmentsCredits::BuildCredits() {
    // Designed at left 517, 248 wide with names 64 wide and buttons at 163 and 204; start-up hides the
    // "Num" and "Print" columns, widens the names to 82, moves the buttons 30 left, the group 50 right
    // and narrows it to 220.
    QGroupBox* group = ui::Group(host_.page(Page::Settings), "GroupBox12", "Credits", layout::Credits);
    ui::Label(group, "Name", 24, layout::ColumnTitleY);
    ui::Label(group, "Num", 92, layout::ColumnTitleY, "Label254");
    ui::Label(group, "Print", 124, layout::ColumnTitleY, "Label255");
    for (int row = 0; row < 8; ++row) {
        const int y = TableRowY(row);
        const int n = row + 1;
        ui::Label(group, QStringLiteral("%1.").arg(n), 8, y + 3);
        creditName_[row] =
            ui::Edit(group, QStringLiteral("Credit%1Name").arg(n), {24, y, 64, layout::RowHeight});
        creditExt_[row] =
            ui::Edit(group, QStringLiteral("Credit%1Ext").arg(n), {92, y, 28, layout::RowHeight});
        creditPrint_[row] =
            ui::Check(group, QStringLiteral("Credit%1Print").arg(n), {}, {130, y + 1, 18, 19});
        ui::Button(group, QStringLiteral("ButtonCredit%1Set").arg(n), "Set", ButtonAt(163, y),
                   [this, row] { SendCreditName(row, creditName_[row]->text()); });
        ui::Button(group, QStringLiteral("ButtonCredit%1Get").arg(n), "Get", ButtonAt(204, y),
                   [this, row] { QueryCredit(row, creditName_[row], creditExt_[row], creditPrint_[row]); });
    }
}

void DepartmentsCredits::SendDepartName(int index, const QString& name) {
    RunOperation(form_, "SetDepartName", [&] {
        const QByteArray bytes = ToDevice(name);
        return device::SetDepartName(index, bytes.constData());
    });
}

void DepartmentsCredits::QueryDepartment(int index, QLineEdit* nameBox, QLineEdit* turnoverBox) {
    RunQuery(form_, "GetFiscalInfo(depart)", TILLCORE_INFO_DEPARTMENT_BASE + index, 3,
             [nameBox, turnoverBox](const std::vector<QByteArray>& fields, int) {
                 nameBox->setText(FromDevice(TrimRight(fields[1])));
                 if (turnoverBox)
                     turnoverBox->setText(FromDevice(fields[2]));
             });
}

void DepartmentsCredits::SendCreditName(int index, const QString& name) {
    RunOperation(form_, "SetCredit", [&] {
        const QByteArray bytes = ToDevice(name);
        return device::SetCredit(index, bytes.constData());
    });
}

void DepartmentsCredits::QueryCredit(int index, QLineEdit* nameBox, QLineEdit* extBox, QCheckBox* printBox) {
    RunQuery(form_, "GetFiscalInfo(credit)", TILLCORE_INFO_CREDIT_BASE + index, 5,
             [nameBox, extBox, printBox](const std::vector<QByteArray>& fields, int) {
                 nameBox->setText(FromDevice(TrimRight(fields[1])));
                 extBox->setText(FromDevice(TrimRight(fields[3])));
                 printBox->setChecked(StrToIntDef(FromDevice(fields[4]), 0) != 0);
             });
}

void DepartmentsCredits::ButtonSetAllowGoodsReturnClick() {
    // Goods returns are allowed by sending the module its own unit number, forbidden by an empty text.
    QByteArray unitNumber;
    if (GoodsReturnEnable->isChecked()) {
        unitNumber = QueryInfoText(form_, TILLCORE_INFO_UNIT_NUMBER, nullptr);
        if (unitNumber.isEmpty())
            return; // the read failed (already reported) or gave nothing to send
    }
    RunOperation(form_, "AllowGoodsReturn", [&] { return device::AllowGoodsReturn(unitNumber.constData()); });
}

void DepartmentsCredits::ButtonResetFiscalClick() {
    RunOperation(form_, "ResetFiscal", [] { return device::ResetFiscal(); });
}

} // namespace pages::settings
