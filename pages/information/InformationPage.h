#pragma once

class TFormMain;

namespace pages::information {

// The Information page's read-outs: counters, numbers, clock, state, cash in drawer, departments.
class InformationPage {
public:
    explicit InformationPage(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::information
