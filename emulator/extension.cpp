// extension.cpp - the emulator's functions beyond the device library's 82 (tillcore_module.h):
// faults, the clock, the fiscal records as data, and a fresh start with a backup.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <ctime>
#include <string>

#include "faults.h"
#include "session.h"
#include "tillcore.h"
#include "tillcore_module.h"

namespace tc {

namespace {

constexpr char FS = TILLCORE_FS;

bool isFlag(const std::string& name) {
    for (const char* const* n = faultNames(); *n; ++n)
        if (name == *n && name != "fail" && name != "latency")
            return true;
    return false;
}

// The device functions that a `fail` can name: all but LoadJournalCrc, which computes a checksum
// on the host and never asks the module.
bool isModuleFunction(const std::string& name) {
#define TC_NAME(result, fn, params, args) #fn,
    static const char* const names[] = {TILLCORE_FUNCTIONS(TC_NAME)};
#undef TC_NAME
    for (const char* n : names)
        if (name == n)
            return name != "LoadJournalCrc";
    return false;
}

bool exec(sqlite3* db, const char* sql, const std::string* a = nullptr, const std::string* b = nullptr) {
    sqlite3_stmt* s = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK;
    if (ok && a)
        sqlite3_bind_text(s, 1, a->c_str(), -1, SQLITE_TRANSIENT);
    if (ok && b)
        sqlite3_bind_text(s, 2, b->c_str(), -1, SQLITE_TRANSIENT);
    ok = ok && sqlite3_step(s) == SQLITE_DONE;
    sqlite3_finalize(s);
    return ok;
}

// Rows of the fault table as (name, value), in name order; none when there is no table.
std::vector<std::pair<std::string, std::string>> faultRows(sqlite3* db) {
    std::vector<std::pair<std::string, std::string>> out;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name, value FROM fault ORDER BY name", -1, &s, nullptr) == SQLITE_OK)
        while (sqlite3_step(s) == SQLITE_ROW)
            out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)),
                             reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
    sqlite3_finalize(s);
    return out;
}

bool number(const std::string& s, long min, long max, long& out) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::strtol(s.c_str(), nullptr, 10);
    return out >= min && out <= max;
}

// Checks a fault and its value; the row to store in key and stored.
int faultRow(const std::string& name, const std::string& value, std::string& key, std::string& stored) {
    if (isFlag(name)) {
        if (!value.empty())
            return E_VALUE;
        key = name;
        return OK;
    }
    long n = 0;
    if (name == "latency") {
        if (!number(value, 1, 60000, n))
            return E_VALUE;
        key = name;
        stored = std::to_string(n);
        return OK;
    }
    if (name != "fail")
        return E_RANGE;
    // "FUNCTION CODE" or "FUNCTION CODE once"
    std::vector<std::string> words;
    for (size_t pos = 0; pos < value.size();) {
        size_t end = value.find(' ', pos);
        if (end == std::string::npos)
            end = value.size();
        if (end > pos)
            words.push_back(value.substr(pos, end - pos));
        pos = end + 1;
    }
    if (words.empty() || !isModuleFunction(words[0]))
        return words.empty() ? E_VALUE : E_RANGE;
    if (words.size() < 2 || words.size() > 3 || !number(words[1], 1, 99999, n) ||
        (words.size() == 3 && words[2] != "once"))
        return E_VALUE;
    key = "fail:" + words[0];
    stored = std::to_string(n) + (words.size() == 3 ? " once" : "");
    return OK;
}

// Runs build in a call's transaction and writes the text it made into out (room bytes).
template <class F> int answer(char* out, int room, F&& build) {
    if (!out)
        return E_NULL;
    out[0] = '\0';
    std::string text;
    if (int rc = run(S_READ_ONLY, [&](Ctx& c) { return build(c, text); }))
        return rc;
    if (room <= 0 || text.size() + 1 > size_t(room))
        return E_ROOM;
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
    return OK;
}

} // namespace

} // namespace tc

using namespace tc;

void TillcoreModuleObserveOnly() {
    observeOnly();
}

int TillcoreModulePath(char* out, int room) {
    if (!out)
        return E_NULL;
    std::string path = memoryPath(false);
    if (path.empty())
        return E_DB_OPEN;
    if (room <= 0 || path.size() + 1 > size_t(room))
        return E_ROOM;
    std::memcpy(out, path.c_str(), path.size() + 1);
    return OK;
}

int TillcoreModuleSetFault(const char* name, const char* value) {
    if (!name)
        return E_NULL;
    std::string key, stored;
    if (int rc = faultRow(name, value ? value : "", key, stored))
        return rc;
    return run(S_PRINTS, [&](Ctx& c) {
        sqlite3* db = c.store.handle();
        if (!exec(db, "CREATE TABLE IF NOT EXISTS fault(name TEXT PRIMARY KEY, value TEXT NOT NULL)") ||
            !exec(db, "INSERT OR REPLACE INTO fault(name, value) VALUES(?, ?)", &key, &stored))
            return int(E_DB_WRITE);
        faultsForget();
        return int(OK);
    });
}

int TillcoreModuleClearFault(const char* name) {
    std::string n = name ? name : "";
    bool all = n.empty(), allFailures = n == "fail";
    std::string one;
    if (n.rfind("fail ", 0) == 0) {
        one = "fail:" + n.substr(5);
        if (!isModuleFunction(n.substr(5)))
            return E_RANGE;
    } else if (!all && !allFailures) {
        if (!isFlag(n) && n != "latency")
            return E_RANGE;
        one = n;
    }
    return run(S_PRINTS, [&](Ctx& c) {
        sqlite3* db = c.store.handle();
        for (auto& [key, value] : faultRows(db))
            if (all || (allFailures && key.rfind("fail:", 0) == 0) || key == one)
                if (!removeFault(db, key))
                    return int(E_DB_WRITE);
        faultsForget();
        return int(OK);
    });
}

int TillcoreModuleFaults(char* out, int room) {
    return answer(out, room, [](Ctx& c, std::string& text) {
        for (auto& [key, value] : faultRows(c.store.handle())) {
            std::string shown = key.rfind("fail:", 0) == 0 ? "fail " + key.substr(5) : key;
            text += shown + FS + value + FS;
        }
        return int(OK);
    });
}

int TillcoreModuleSetClock(const char* yyyymmdd, const char* hhmm) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    bool host = !yyyymmdd && !hhmm;
    if (!host && (!yyyymmdd || !hhmm))
        return E_NULL;
    if (!host && (!parseDate(yyyymmdd, y, mo, d) || !parseTime(hhmm, h, mi)))
        return E_DATE;
    return run(S_IDENTITY, [&](Ctx& c) {
        if (host) {
            c.m.clockOffset = 0;
            return int(OK);
        }
        struct tm t {};
        t.tm_year = y - 1900;
        t.tm_mon = mo - 1;
        t.tm_mday = d;
        t.tm_hour = h;
        t.tm_min = mi;
        c.m.clockOffset += int64_t(timegm(&t)) - moduleNow(c.m);
        return int(OK);
    });
}

int TillcoreModuleRecords(char* out, int room) {
    return answer(out, room, [](Ctx& c, std::string& text) {
        std::vector<Record> records;
        if (!c.store.recordsByNumber(1, INT64_MAX, records))
            return int(E_DB_DAMAGED);
        for (const Record& r : records)
            text += std::to_string(r.number) + FS + r.date + FS + r.text + FS;
        return int(OK);
    });
}

int TillcoreModuleReset(const char* backupPath) {
    if (!backupPath)
        return E_NULL;
    struct stat st {};
    if (!*backupPath || ::stat(backupPath, &st) == 0)
        return E_VALUE;
    constexpr unsigned everything = ((1u << kSections) - 1) | S_ITEMS;
    int rc = run(everything, [&](Ctx& c) {
        sqlite3* db = c.store.handle();
        // This call's transaction keeps every other writer out, and has written nothing yet: a
        // second connection reads the module as it is about to be reset.
        sqlite3 *source = nullptr, *copy = nullptr;
        const char* path = sqlite3_db_filename(db, "main");
        bool ok = path && *path &&
                  sqlite3_open_v2(path, &source, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
                  sqlite3_open_v2(backupPath, &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) ==
                      SQLITE_OK;
        if (ok) {
            sqlite3_backup* b = sqlite3_backup_init(copy, "main", source, "main");
            ok = b && sqlite3_backup_step(b, -1) == SQLITE_DONE;
            ok = sqlite3_backup_finish(b) == SQLITE_OK && ok;
        }
        sqlite3_close_v2(copy);
        sqlite3_close_v2(source);
        if (!ok) {
            ::unlink(backupPath);
            return int(E_DB_WRITE);
        }
        if (!exec(db, "DELETE FROM journal") || !exec(db, "DELETE FROM fiscal") ||
            !exec(db, "DROP TABLE IF EXISTS fault"))
            return int(E_DB_WRITE);
        c.m = freshModule();
        faultsForget();
        return int(OK);
    });
    if (rc == OK) // the next call reads the fresh module from the file, as every other process does
        closeModule();
    return rc;
}
