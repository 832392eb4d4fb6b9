#pragma once

class TFormMain;

namespace pages::receipts {

// The Clerk group of the Settings page.
class Clerk {
public:
    explicit Clerk(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::receipts
