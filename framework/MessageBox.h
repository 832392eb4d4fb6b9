#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace framework {

// Message box styles and answers, as the system message box numbers them.
enum MessageStyle : int {
    mbStop = 16,          // OK, stop icon
    mbYesNoQuestion = 36, // Yes and No, question mark
    mbInformation = 64,   // OK, information icon
};
enum MessageAnswer : int { idOk = 1, idYes = 6, idNo = 7 };

using MessageBoxHandler = std::function<int(const QString& caption, const QString& text, int style)>;

// Every message box of the console goes through here; tests install a recorder. Returns the
// handler that was installed before.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
int ShowMessageBox(const QString& caption, const QString& text, int style);

// The application's title: the caption of the application-level exception display.
extern const char* const ApplicationTitle;

// The application-level display for an exception that escaped a click handler.
void ShowApplicationException(const std::exception& e);

// Runs a click handler; an exception that escapes it is shown and the event loop goes on.
void RunGuarded(const std::function<void()>& handler);

} // namespace framework
