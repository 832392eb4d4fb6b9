#pragma once

class TFormMain;

namespace pages::fuel {

// Replenishment, overfilling, data blocks, pump totals and the tank reports.
class FuelStock {
public:
    explicit FuelStock(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::fuel
