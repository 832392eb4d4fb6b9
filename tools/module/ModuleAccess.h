// ModuleAccess.h - what tillmate-module reads and changes, through the device library's
// functions and the emulator's extension functions, and the text conversions it needs.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace module_tool {

// A failure that ends the command: the message for the user and the exit status.
struct Failure : std::runtime_error {
    Failure(const std::string& message, int status) : std::runtime_error(message), status(status) {}
    int status;
};

constexpr int kExitUsage = 2;  // bad arguments
constexpr int kExitModule = 1; // missing, damaged or refusing module

using Fields = std::vector<std::string>;

// The module memory file to use: --db, else TILLCORE_DB, else the library's default path.
std::string ModulePath(const std::string& option);

// Checks that path names an existing, non-empty module memory file, makes the library use it,
// and reads it once: a damaged file is reported (and left as it is) before anything else runs.
void OpenModule(const std::string& path);

// An information code's fields (FS-ended); Failure when the library refuses.
Fields Info(int code);
// The journal from offset to its end.
std::string JournalFrom(long long offset);
// Answers of the extension functions that fill a buffer, grown until the answer fits.
Fields ExtensionFields(int (*call)(char*, int), const char* what);

// Library result code to a Failure with the operation's name and the code's meaning.
[[noreturn]] void Refused(const std::string& what, int code);

// The module's Windows-1257 text in the terminal's encoding, or in UTF-8.
std::string ToTerminal(const std::string& text);
std::string ToUtf8(const std::string& text);

} // namespace module_tool
