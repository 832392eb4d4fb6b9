#pragma once

#include "pages/PageHost.h"

#include <array>

class QLineEdit;

namespace pages::information {

// The hidden Info page: any information code, with or without a parameter; the first five fields
// of the answer are shown as text.
class RawRequests {
public:
    explicit RawRequests(PageHost& host);

    // "GetInfo": GetFiscalInfo with the code of RequestName.
    void Button11Click();
    // "GetInfo2": GetFiscalInfo2 with the code of RequestName2 and the parameter of RequestName3.
    void Button12Click();

private:
    void ShowAnswer(const char* answer);

    PageHost& host_;
    framework::FormBase& form_;
    QLineEdit* RequestName = nullptr;
    QLineEdit* RequestName2 = nullptr;
    QLineEdit* RequestName3 = nullptr;
    std::array<QLineEdit*, 5> answer_{};
};

} // namespace pages::information
