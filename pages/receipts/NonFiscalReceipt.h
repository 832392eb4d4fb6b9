#pragma once

class TFormMain;

namespace pages::receipts {

// The NonFiscal Receipt page: text lines, tare and deposit items, header print.
class NonFiscalReceipt {
public:
    explicit NonFiscalReceipt(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::receipts
