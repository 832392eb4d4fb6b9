#pragma once

class TFormMain;

namespace pages::information {

// The hidden Info page: any information code, with or without a parameter.
class RawRequests {
public:
    explicit RawRequests(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::information
