#pragma once

class TFormMain;

namespace pages::receipts {

// The Fiscal Receipt page: items, discounts, voids, comments, payment and goods return.
class FiscalReceipt {
public:
    explicit FiscalReceipt(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::receipts
