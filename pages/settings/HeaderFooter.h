#pragma once

class TFormMain;

namespace pages::settings {

// Receipt header, footer and second footer lines with their attributes (Settings page).
class HeaderFooter {
public:
    explicit HeaderFooter(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::settings
