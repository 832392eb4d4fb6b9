#pragma once

// The console's binding to the device library. At start the console loads libtillcore.so.1 by
// that name (the system's library search decides which build, LD_LIBRARY_PATH included), failing
// that the one beside the executable, and resolves each of the 82 functions by name. The
// functions in namespace device call through the binding table; a function the loaded library
// lacks raises "Device library has no function NAME" when an operation needs it.

#include "framework/Exception.h"
#include "tillcore.h"

#include <QString>
#include <array>

namespace device {

constexpr const char* LibraryName = "libtillcore.so.1";

struct FunctionTable {
#define TILLCORE_POINTER(result, name, params, args) result(*name) params = nullptr;
    TILLCORE_FUNCTIONS(TILLCORE_POINTER)
#undef TILLCORE_POINTER
};

// The table the console calls through.
FunctionTable& Functions();

// Loads the library and resolves every function; on failure returns false with the loader's message.
bool Load(QString* error);
// Replaces the table (the tests' recording device does this).
void Install(const FunctionTable& table);

#define TILLCORE_WRAPPER(result, name, params, args)                                                         \
    inline result name params {                                                                              \
        auto function = Functions().name;                                                                    \
        if (!function)                                                                                       \
            throw framework::Exception(QStringLiteral("Device library has no function " #name));             \
        return function args;                                                                                \
    }
TILLCORE_FUNCTIONS(TILLCORE_WRAPPER)
#undef TILLCORE_WRAPPER

// An answer buffer for the library. It is larger than any answer the library documents and is
// zero-terminated at its last byte before it is read, so an overlong answer cannot overrun it.
class AnswerBuffer {
public:
    static constexpr int Size = 1024;
    char* data() { return bytes_.data(); }
    const char* text() {
        bytes_.back() = '\0';
        return bytes_.data();
    }

private:
    std::array<char, Size> bytes_{};
};

} // namespace device
