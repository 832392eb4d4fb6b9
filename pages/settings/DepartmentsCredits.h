#pragma once

#include "pages/PageHost.h"

#include <QString>
#include <array>

class QCheckBox;
class QLineEdit;

namespace pages::settings {

// Department and credit names, goods-return permission, and the fiscal reset that the "Reset"
// button of every page runs.
class DepartmentsCredits {
public:
    explicit DepartmentsCredits(PageHost& host);

    // Sends the name of department `index` (0..7) as typed.
    void SendDepartName(int index, const QString& name);
    // Reads department `index` (0..7): the name into `nameBox`, the turnover into `turnoverBox` when
    // one is given. Also used by the Information page.
    void QueryDepartment(int index, QLineEdit* nameBox, QLineEdit* turnoverBox);
    // Sends the name of credit `index` (0..7) as typed; the "Num" and "Print" columns are not sent.
    void SendCreditName(int index, const QString& name);
    // Reads credit `index` (0..7): name, extension ("Num") and print flag.
    void QueryCredit(int index, QLineEdit* nameBox, QLineEdit* extBox, QCheckBox* printBox);

    void ButtonSetAllowGoodsReturnClick();
    // The one handler of all eight "Reset" buttons (the window places them).
    void ButtonResetFiscalClick();

private:
    void BuildDepartments();
    void BuildCredits();

    PageHost& host_;
    framework::FormBase& form_;
    std::array<QLineEdit*, 8> departName_{};
    std::array<QLineEdit*, 8> creditName_{};
    std::array<QLineEdit*, 8> creditExt_{};
    std::array<QCheckBox*, 8> creditPrint_{};
    QCheckBox* GoodsReturnEnable = nullptr;
};

} // namespace pages::settings
