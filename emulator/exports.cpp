// exports.cpp - the 82 exported C functions. Each one runs the module's side and, when
// TILLCORE_TRACE names a file, appends one trace line for the call.
#include "api.h"
#include "faults.h"
#include "trace.h"

#define TC_EXPORT(result, name, params, args)                                                                \
    extern "C" __attribute__((visibility("default"))) result name params {                                   \
        tc::TraceCall call;                                                                                  \
        tc::FaultScope faults(#name);                                                                        \
        result r = tc::name args;                                                                            \
        if (call.enabled())                                                                                  \
            call.finish(#name, static_cast<long long>(r), tc::argText args);                                 \
        return r;                                                                                            \
    }
TILLCORE_FUNCTIONS(TC_EXPORT)
