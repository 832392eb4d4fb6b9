#pragma once

class TFormMain;

namespace pages::service {

// The electronic journal read with its checksum comparison, and the card space.
class Journal {
public:
    explicit Journal(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::service
