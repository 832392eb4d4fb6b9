// A second build of libtillcore.so.1 that exports only GetFiscalInfo: it shows which build of the
// library the console's loader picked up, and what happens to functions a library lacks.
#include <cstring>

extern "C" __attribute__((visibility("default"))) int GetFiscalInfo(int, char* answer) {
    std::strcpy(answer, "PROBE\x1c");
    return 0;
}
