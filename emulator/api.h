// api.h - the module's side of every device library function, one per entry of
// TILLCORE_FUNCTIONS, with the same name and parameters. exports.cpp wraps each one into the
// exported C function (with the call trace).
#pragma once

#include "tillcore.h"

namespace tc {
#define TC_DECLARE_IMPL(result, name, params, args) result name params;
TILLCORE_FUNCTIONS(TC_DECLARE_IMPL)
#undef TC_DECLARE_IMPL
} // namespace tc
