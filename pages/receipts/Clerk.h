#pragma once

#include "pages/PageHost.h"

class QLineEdit;

namespace pages::receipts {

// The Clerk group of the Settings page.
class Clerk {
public:
    explicit Clerk(PageHost& host);

    void ButtonSetClerkClick();

private:
    framework::FormBase& form_;
    QLineEdit* ClerkAttributes = nullptr;
    QLineEdit* ClerkName = nullptr;
};

} // namespace pages::receipts
