#pragma once

class TFormMain;

namespace pages::receipts {

// TG2480 barcode printing and printer status bytes (NonFiscal Receipt page).
class Barcode {
public:
    explicit Barcode(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::receipts
