#pragma once

class TFormMain;

namespace pages::service {

// The hidden Load page: a data-entry workspace whose buttons are inert.
class LoadWorkspace {
public:
    explicit LoadWorkspace(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::service
