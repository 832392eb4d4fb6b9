#include "DeviceLibrary.h"

#include <array>
#include <dlfcn.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace device {

FunctionTable& Functions() {
    static FunctionTable table;
    return table;
}

void Install(const FunctionTable& table) {
    Functions() = table;
}

namespace {

// The folder of the running executable, with its trailing slash; empty when it cannot be read.
std::string executableFolder() {
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0)
        return {};
    const std::string_view exe(path.data(), static_cast<size_t>(length));
    const size_t slash = exe.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(exe.substr(0, slash + 1));
}

} // namespace

bool Load(QString* error) {
    // By soname first, so the system's search (LD_LIBRARY_PATH, the run path) decides. The run path
    // is not searched when another library makes the call (a sanitizer runtime does) nor in an
    // installed layout without one, so the library beside the executable comes next.
    void* handle = dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const QString sonameError = QString::fromLocal8Bit(dlerror());
        const std::string folder = executableFolder();
        if (!folder.empty())
            handle = dlopen((folder + LibraryName).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            if (error)
                *error = sonameError;
            return false;
        }
    }
    FunctionTable table;
#define TILLCORE_RESOLVE(result, name, params, args)                                                         \
    table.name = reinterpret_cast<result(*) params>(dlsym(handle, #name));
    TILLCORE_FUNCTIONS(TILLCORE_RESOLVE)
#undef TILLCORE_RESOLVE
    Install(table);
    return true; // the library stays loaded for the whole run
}

} // namespace device
