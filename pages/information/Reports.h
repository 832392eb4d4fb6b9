#pragma once

class TFormMain;

namespace pages::information {

// Table prints, X, mini X and Z reports, periodic reports by date and by number.
class Reports {
public:
    explicit Reports(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::information
