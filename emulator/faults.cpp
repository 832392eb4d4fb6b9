// faults.cpp - reading the faults from the module memory, and what they refuse and answer.
#include "faults.h"

#include <time.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "module.h"
#include "store.h"

namespace tc {

namespace {

struct Named {
    const char* name;
    unsigned bit;
};

const Named kFlags[] = {
    {"paper-out", F_PAPER_OUT},
    {"cover-open", F_COVER_OPEN},
    {"printer-offline", F_PRINTER_OFFLINE},
    {"card-full", F_CARD_FULL},
    {"card-missing", F_CARD_MISSING},
    {"fiscal-memory-full", F_FISCAL_MEMORY_FULL},
    {"hardware-error", F_HARDWARE},
    {"shift-expired", F_SHIFT_EXPIRED},
};

const char* const kNames[] = {"paper-out",      "cover-open",    "printer-offline",
                              "card-full",      "card-missing",  "fiscal-memory-full",
                              "hardware-error", "shift-expired", "fail",
                              "latency",        nullptr};

// Calls that sell: refused while the shift is older than 24 hours.
const char* const kSales[] = {"BeginFiscalReceipt", "PrintRecItemDepart", "PrRecItemFuel",
                              "PrRecItemFuelAutomat", "PrRecItemFuelAutomatEx"};

FaultSet g_faults;                   // guarded by the module's lock (every use is inside a call)
uint64_t g_generation = 0;           // the store's generation the faults were read at
bool g_valid = false;                // false: read them again at the next call
std::atomic<int> g_latencyMs{0};     // read outside the lock, when a call returns
std::atomic<bool> g_observer{false}; // this process inspects the module: faults do not touch its calls
thread_local const char* t_function = nullptr; // the exported function being answered

int64_t nowNs() {
    struct timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

bool parseInt(const char* s, int min, int max, int& out) {
    if (!s || !*s)
        return false;
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (*end != '\0' || v < min || v > max)
        return false;
    out = int(v);
    return true;
}

// Reads the fault table. A module memory without one has no faults; a row this version does
// not know is skipped (the module's own state is not affected by it).
FaultSet readFaults(sqlite3* db) {
    FaultSet out;
    sqlite3_stmt* s = nullptr;
    if (!db || sqlite3_prepare_v2(db, "SELECT name, value FROM fault", -1, &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return out;
    }
    while (sqlite3_step(s) == SQLITE_ROW) {
        const char* name = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        const char* value = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
        if (!name || !value)
            continue;
        for (const Named& f : kFlags)
            if (std::strcmp(name, f.name) == 0)
                out.bits |= f.bit;
        if (std::strcmp(name, "latency") == 0)
            parseInt(value, 0, 60000, out.latencyMs);
        if (std::strncmp(name, "fail:", 5) == 0) {
            Failure f;
            std::string v = value;
            f.once = v.size() > 5 && v.compare(v.size() - 5, 5, " once") == 0;
            if (f.once)
                v.resize(v.size() - 5);
            if (parseInt(v.c_str(), 1, 99999, f.code))
                out.failing[name + 5] = f;
        }
    }
    sqlite3_finalize(s);
    return out;
}

bool execute(sqlite3* db, const char* sql, const char* bound) {
    sqlite3_stmt* s = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK;
    if (ok && bound)
        sqlite3_bind_text(s, 1, bound, -1, SQLITE_TRANSIENT);
    ok = ok && sqlite3_step(s) == SQLITE_DONE;
    sqlite3_finalize(s);
    return ok;
}

} // namespace

// Removes one fault row; the table goes with its last row, so a module whose faults are all
// cleared holds exactly what a module that never had one holds.
bool removeFault(sqlite3* db, const std::string& name) {
    sqlite3_stmt* s = nullptr;
    bool exists = sqlite3_prepare_v2(db, "SELECT count(*) FROM fault", -1, &s, nullptr) == SQLITE_OK;
    sqlite3_finalize(s);
    if (!exists)
        return true;
    if (!execute(db, "DELETE FROM fault WHERE name = ?", name.c_str()))
        return false;
    bool empty = false;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM fault", -1, &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW)
        empty = sqlite3_column_int64(s, 0) == 0;
    sqlite3_finalize(s);
    return !empty || execute(db, "DROP TABLE fault", nullptr);
}

namespace {

bool isSale(const char* function) {
    for (const char* s : kSales)
        if (std::strcmp(function, s) == 0)
            return true;
    return false;
}

} // namespace

int FaultSet::hardwareMask() const {
    int mask = 0;
    if (has(F_PAPER_OUT | F_COVER_OPEN | F_PRINTER_OFFLINE))
        mask |= 0x01;
    if (has(F_CARD_FULL | F_CARD_MISSING))
        mask |= 0x02;
    if (has(F_FISCAL_MEMORY_FULL))
        mask |= 0x04;
    if (has(F_HARDWARE))
        mask |= 0x20;
    return mask;
}

std::array<int, 3> FaultSet::statusBytes() const {
    std::array<int, 3> b{};
    b[0] =
        (has(F_PAPER_OUT) ? 0x01 : 0) | (has(F_COVER_OPEN) ? 0x02 : 0) | (has(F_PRINTER_OFFLINE) ? 0x04 : 0);
    b[1] = (has(F_CARD_FULL) ? 0x01 : 0) | (has(F_CARD_MISSING) ? 0x02 : 0) |
           (has(F_FISCAL_MEMORY_FULL) ? 0x04 : 0);
    b[2] = (has(F_HARDWARE) ? 0x01 : 0) | (has(F_SHIFT_EXPIRED) ? 0x02 : 0);
    return b;
}

// The printer's real-time status bytes: 0 printer (0x08 off line), 1 off-line cause (0x04 cover
// open, 0x20 stopped at paper end, 0x40 error), 2 error cause, 3 paper sensor (0x60 paper end).
std::array<int, 4> FaultSet::printerStatus() const {
    std::array<int, 4> b{};
    if (has(F_PAPER_OUT | F_COVER_OPEN | F_PRINTER_OFFLINE))
        b[0] |= 0x08;
    if (has(F_COVER_OPEN))
        b[1] |= 0x04;
    if (has(F_PAPER_OUT)) {
        b[1] |= 0x20;
        b[3] |= 0x60;
    }
    if (has(F_PRINTER_OFFLINE))
        b[1] |= 0x40;
    return b;
}

// The hardest fault answers: the module first, then the printer, then the journal card.
int FaultSet::printingRefusal() const {
    static const std::pair<unsigned, int> order[] = {
        {F_HARDWARE, E_HARDWARE},   {F_PRINTER_OFFLINE, E_PRINTER_OFFLINE}, {F_COVER_OPEN, E_COVER_OPEN},
        {F_PAPER_OUT, E_PAPER_OUT}, {F_CARD_MISSING, E_CARD_MISSING},       {F_CARD_FULL, E_CARD_FULL},
    };
    for (auto [bit, code] : order)
        if (has(bit))
            return code;
    return 0;
}

const FaultSet& activeFaults() {
    return g_faults;
}

const char* const* faultNames() {
    return kNames;
}

void observeOnly() {
    g_observer.store(true);
}

FaultScope::FaultScope(const char* function) : startNs_(0) {
    if (g_observer.load(std::memory_order_relaxed))
        return;
    t_function = function;
    if (g_latencyMs.load(std::memory_order_relaxed) > 0)
        startNs_ = nowNs();
}

FaultScope::~FaultScope() {
    t_function = nullptr;
    int ms = g_latencyMs.load(std::memory_order_relaxed);
    if (ms <= 0 || g_observer.load(std::memory_order_relaxed))
        return;
    if (startNs_ == 0) // the latency was set while this call ran: it counts from now
        startNs_ = nowNs();
    int64_t until = startNs_ + int64_t(ms) * 1000000;
    struct timespec ts {};
    ts.tv_sec = time_t(until / 1000000000);
    ts.tv_nsec = long(until % 1000000000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) != 0) {
    }
}

int faultsBeforeCall(Store& store, bool& consumed) {
    consumed = false;
    if (!g_valid || store.generation() != g_generation) {
        g_faults = readFaults(store.handle());
        g_generation = store.generation();
        g_valid = true;
        g_latencyMs.store(g_faults.latencyMs, std::memory_order_relaxed);
    }
    const char* function = t_function;
    if (!function || (g_faults.failing.empty() && !g_faults.has(F_SHIFT_EXPIRED | F_FISCAL_MEMORY_FULL)))
        return 0;
    if (auto it = g_faults.failing.find(function); it != g_faults.failing.end()) {
        int code = it->second.code;
        if (it->second.once) {
            std::string key = std::string("fail:") + function;
            consumed = removeFault(store.handle(), key);
            if (!consumed)
                return E_DB_WRITE;
            g_valid = false;
        }
        return code;
    }
    if (g_faults.has(F_SHIFT_EXPIRED) && isSale(function))
        return E_SHIFT_EXPIRED;
    if (g_faults.has(F_FISCAL_MEMORY_FULL) && std::strcmp(function, "PrintZReport") == 0)
        return E_FISCAL_MEMORY_FULL;
    return 0;
}

int faultsAfterCall(Store& store, const std::string& pendingPaper) {
    if (g_faults.bits == 0 || !t_function)
        return 0;
    if (!pendingPaper.empty())
        if (int rc = g_faults.printingRefusal())
            return rc;
    // A Z report closes the shift that was too old. The removal commits with the report.
    if (g_faults.has(F_SHIFT_EXPIRED) && t_function && std::strcmp(t_function, "PrintZReport") == 0) {
        if (!removeFault(store.handle(), "shift-expired"))
            return E_DB_WRITE;
        g_valid = false;
    }
    return 0;
}

void faultsForget() {
    g_valid = false;
}

} // namespace tc
