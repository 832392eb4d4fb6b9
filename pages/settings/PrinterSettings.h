#pragma once

class TFormMain;

namespace pages::settings {

// Printer type, code page, image options, compression mode and till impulses (Settings page).
class PrinterSettings {
public:
    explicit PrinterSettings(TFormMain& form);

private:
    TFormMain& form_;
};

} // namespace pages::settings
