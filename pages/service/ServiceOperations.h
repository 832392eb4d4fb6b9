#pragma once

class TFormMain;

namespace pages::service {

// Fiscalization, chassis and identification numbers, bad blocks (Service page).
class ServiceOperations {
public:
    explicit ServiceOperations(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::service
