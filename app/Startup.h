#pragma once

#include <QString>
#include <functional>

// Loads the device library with `load`, then shows the main window and runs the message loop until
// it closes. Returns the process exit code: 1 when the library could not be loaded (after an error
// box naming it and the loader's message), else 0.
int RunConsole(const std::function<bool(QString* error)>& load);

// Names the application and sets the window font. No display name is set: the platform would append
// it to every window caption.
void SetUpApplication();

// The window font: Tahoma 8 point (11 pixels), or the nearest font the system has.
void SetApplicationFont();
