#pragma once

class QLineEdit;
class TFormMain;

namespace pages::receipts {

// The Clerk group of the Settings page.
class Clerk {
public:
    explicit Clerk(TFormMain& form);

    void ButtonSetClerkClick();

private:
    TFormMain& form_;
    QLineEdit* ClerkAttributes = nullptr;
    QLineEdit* ClerkName = nullptr;
};

} // namespace pages::receipts
