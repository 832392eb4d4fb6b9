#pragma once

class TFormMain;

namespace pages::settings {

// Department and credit names, goods-return permission, and the fiscal reset on every page.
class DepartmentsCredits {
public:
    explicit DepartmentsCredits(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::settings
