#pragma once

class QLineEdit;
class TFormMain;

namespace pages::settings {

// Department and credit names, goods-return permission, and the fiscal reset on every page.
class DepartmentsCredits {
public:
    explicit DepartmentsCredits(TFormMain& form);

    // Reads department `index` (0..7): the name into `nameBox`, the turnover into `turnoverBox` when
    // one is given. Also used by the Information page.
    void QueryDepartment(int index, QLineEdit* nameBox, QLineEdit* turnoverBox);
    // The one handler of all eight "Reset" buttons.
    void ButtonResetFiscalClick();

private:
    TFormMain& form_;
};

} // namespace pages::settings
