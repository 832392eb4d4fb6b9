#pragma once

class TFormMain;

namespace pages::fuel {

// Fuel items on a fiscal receipt: sale, void, discounts and the automat sales.
class FuelSales {
public:
    explicit FuelSales(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::fuel
