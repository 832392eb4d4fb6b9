#pragma once

class TFormMain;

namespace pages::receipts {

// FR options, currency conversion type, void and surcharge names, print-currency rows.
class ReceiptOptions {
public:
    explicit ReceiptOptions(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::receipts
