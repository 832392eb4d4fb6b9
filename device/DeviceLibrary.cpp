#include "DeviceLibrary.h"

#include <dlfcn.h>

namespace device {

FunctionTable& Functions() {
    static FunctionTable table;
    return table;
}

void Install(const FunctionTable& table) {
    Functions() = table;
}

bool Load(QString* error) {
    void* handle = dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error)
            *error = QString::fromLocal8Bit(dlerror());
        return false;
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
