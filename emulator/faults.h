// faults.h - faults set on the module from outside (tillmate-module, or an integrator's test): a
// printer out of paper, a full journal card, a failing function, a slow module. They live in a
// table of their own in the module memory, so the next call of every process sees them; they
// never touch the module's own state, so clearing one leaves the module as it was.
#pragma once

#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace tc {

class Store;

// Result codes of the faults. Every one is listed with its meaning in emulator/README.md.
enum FaultRc : int {
    E_PAPER_OUT = 40,
    E_COVER_OPEN = 41,
    E_PRINTER_OFFLINE = 42,
    E_CARD_FULL = 43,
    E_CARD_MISSING = 44,
    E_FISCAL_MEMORY_FULL = 45,
    E_HARDWARE = 46,
    E_SHIFT_EXPIRED = 47,
};

// The faults without a value, one bit each.
enum FaultBit : unsigned {
    F_PAPER_OUT = 1u << 0,
    F_COVER_OPEN = 1u << 1,
    F_PRINTER_OFFLINE = 1u << 2,
    F_CARD_FULL = 1u << 3,
    F_CARD_MISSING = 1u << 4,
    F_FISCAL_MEMORY_FULL = 1u << 5,
    F_HARDWARE = 1u << 6,
    F_SHIFT_EXPIRED = 1u << 7,
};

struct Failure {
    int code = 0;
    bool once = false;
};

// The faults in force, as last read from the module memory.
struct FaultSet {
    unsigned bits = 0;
    int latencyMs = 0;
    std::map<std::string, Failure> failing; // by function name

    bool has(unsigned bit) const { return (bits & bit) != 0; }
    bool empty() const { return bits == 0 && latencyMs == 0 && failing.empty(); }
    // What the information codes answer on top of the module's own values.
    int hardwareMask() const;
    std::array<int, 3> statusBytes() const;
    std::array<int, 4> printerStatus() const;
    // The code that refuses a document while a printer, card or hardware fault is set, else 0.
    int printingRefusal() const;
};

// From now on this process only inspects the module: no fault fails, delays or refuses its
// calls, while the answers still show the faults (tillmate-module).
void observeOnly();

// The faults in force for the call being answered (read under the module's lock).
const FaultSet& activeFaults();

// Call entry, in the exported function: names the call for the checks below and holds it back
// until the set latency has passed.
class FaultScope {
public:
    explicit FaultScope(const char* function);
    ~FaultScope();
    FaultScope(const FaultScope&) = delete;
    FaultScope& operator=(const FaultScope&) = delete;

private:
    int64_t startNs_;
};

// Inside the call's transaction, before the operation runs. Rereads the faults when the store
// has loaded the module again (another process committed). Returns 0, or the code that refuses
// the call; consumed is set when a `fail ... once` was used up (the removal must be committed).
int faultsBeforeCall(Store& store, bool& consumed);
// After the operation succeeded, before its paper is printed: the code that refuses it, or 0.
// A Z report taken ends the shift-older-than-24-hours fault.
int faultsAfterCall(Store& store, const std::string& pendingPaper);
// The fault table was written in this process: read it again at the next call.
void faultsForget();

// The faults' names, as the fault table and tillmate-module spell them; ends with nullptr.
const char* const* faultNames();
// Removes one row of the fault table, and the table with its last row.
bool removeFault(sqlite3* db, const std::string& name);

} // namespace tc
