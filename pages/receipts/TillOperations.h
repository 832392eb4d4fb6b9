#pragma once

class TFormMain;

namespace pages::receipts {

// Money in and out per currency, customer display, drawer and the printed message.
class TillOperations {
public:
    explicit TillOperations(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::receipts
