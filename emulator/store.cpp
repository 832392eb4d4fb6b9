// store.cpp - SQLite persistence of the module.
#include "store.h"

#include <sqlite3.h>

namespace tc {

namespace {

const char kFormat[] = "tillcore module 1";

const char kSchema[] =
    "CREATE TABLE module(key TEXT PRIMARY KEY, value BLOB NOT NULL);"
    "CREATE TABLE journal(offset INTEGER PRIMARY KEY, text BLOB NOT NULL);"
    "CREATE TABLE fiscal(number INTEGER PRIMARY KEY, date TEXT NOT NULL, record BLOB NOT NULL);"
    "CREATE INDEX fiscal_date ON fiscal(date);";

// A prepared statement that finalizes itself.
class Stmt {
public:
    Stmt(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~Stmt() { sqlite3_finalize(s_); }
    explicit operator bool() const { return s_ != nullptr; }
    Stmt& bind(int i, int64_t v) {
        sqlite3_bind_int64(s_, i, v);
        return *this;
    }
    Stmt& bind(int i, const std::string& v) {
        sqlite3_bind_blob(s_, i, v.data(), int(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    void reset() { sqlite3_reset(s_); }
    int step() { return s_ ? sqlite3_step(s_) : SQLITE_ERROR; }
    int64_t i64(int c) { return sqlite3_column_int64(s_, c); }
    std::string blob(int c) {
        const void* p = sqlite3_column_blob(s_, c);
        int n = sqlite3_column_bytes(s_, c);
        return p ? std::string(static_cast<const char*>(p), size_t(n)) : std::string();
    }

private:
    sqlite3_stmt* s_ = nullptr;
};

} // namespace

bool Store::exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

int64_t Store::dataVersion() {
    Stmt s(db_, "PRAGMA data_version");
    return s.step() == SQLITE_ROW ? s.i64(0) : -1;
}

int Store::open(const std::string& path, Module& m) {
    close();
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        close();
        return E_DB_OPEN;
    }
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_extended_result_codes(db_, 1);
    int64_t tables = -1;
    {
        Stmt s(db_, "SELECT count(*) FROM sqlite_master");
        int rc = s.step();
        if (rc == SQLITE_ROW)
            tables = s.i64(0);
        else if ((rc & 0xff) == SQLITE_CANTOPEN || (rc & 0xff) == SQLITE_PERM) {
            close();
            return E_DB_OPEN;
        }
    }
    int rc = tables < 0 ? E_DB_DAMAGED : tables == 0 ? createFresh(m) : load(m);
    if (rc != OK)
        close();
    else
        ++generation_;
    return rc;
}

void Store::close() {
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
    saved_.clear();
    dataVersion_ = -1;
}

int Store::createFresh(Module& m) {
    m = freshModule();
    if (!exec("BEGIN IMMEDIATE"))
        return E_DB_OPEN;
    // Another process may have created it meanwhile: then load what it wrote.
    {
        Stmt s(db_, "SELECT count(*) FROM sqlite_master");
        if (s.step() != SQLITE_ROW) {
            rollback();
            return E_DB_DAMAGED;
        }
        if (s.i64(0) != 0) {
            rollback();
            return load(m);
        }
    }
    if (!exec(kSchema)) {
        rollback();
        return E_DB_WRITE;
    }
    Stmt f(db_, "INSERT INTO module(key, value) VALUES('format', ?)");
    f.bind(1, std::string(kFormat));
    if (f.step() != SQLITE_DONE) {
        rollback();
        return E_DB_WRITE;
    }
    saved_.clear();
    return commit(m);
}

int Store::load(Module& m) {
    {
        Stmt q(db_, "PRAGMA quick_check");
        if (q.step() != SQLITE_ROW || q.blob(0) != "ok")
            return E_DB_DAMAGED;
    }
    Fields fields;
    std::string format;
    {
        Stmt s(db_, "SELECT key, value FROM module");
        if (!s)
            return E_DB_DAMAGED;
        int rc;
        while ((rc = s.step()) == SQLITE_ROW) {
            std::string k = s.blob(0);
            if (k == "format")
                format = s.blob(1);
            else
                fields.emplace_back(std::move(k), s.blob(1));
        }
        if (rc != SQLITE_DONE)
            return E_DB_DAMAGED;
    }
    if (format != kFormat)
        return E_DB_DAMAGED;
    Module loaded = freshModule();
    if (!deserialize(fields, loaded))
        return E_DB_DAMAGED;
    // The journal must end exactly where the module believes it does.
    {
        Stmt j(db_, "SELECT offset + length(text) FROM journal ORDER BY offset DESC LIMIT 1");
        if (!j)
            return E_DB_DAMAGED;
        int rc = j.step();
        int64_t end = rc == SQLITE_ROW ? j.i64(0) : 0;
        if ((rc != SQLITE_ROW && rc != SQLITE_DONE) || end != loaded.journalLen)
            return E_DB_DAMAGED;
    }
    {
        Stmt f(db_, "SELECT count(*) FROM fiscal");
        if (!f || f.step() != SQLITE_ROW)
            return E_DB_DAMAGED;
    }
    m = std::move(loaded);
    saved_ = std::map<std::string, std::string>(fields.begin(), fields.end());
    dataVersion_ = dataVersion();
    return OK;
}

int Store::begin(Module& m) {
    if (!exec("BEGIN IMMEDIATE"))
        return E_DB_WRITE;
    int64_t v = dataVersion();
    if (v != dataVersion_) { // another connection committed: take its state
        Module reloaded;
        int rc = load(reloaded);
        if (rc != OK) {
            rollback();
            return rc;
        }
        m = std::move(reloaded);
        ++generation_;
    }
    return OK;
}

int Store::commit(const Module& m) {
    Fields now = serialize(m);
    std::vector<std::pair<std::string, std::string>> changed;
    for (auto& [k, v] : now) {
        auto it = saved_.find(k);
        if (it == saved_.end() || it->second != v)
            changed.emplace_back(k, v);
    }
    if (!changed.empty()) {
        Stmt s(db_, "INSERT OR REPLACE INTO module(key, value) VALUES(?, ?)");
        if (!s) {
            rollback();
            return E_DB_WRITE;
        }
        for (auto& [k, v] : changed) {
            s.reset();
            s.bind(1, k).bind(2, v);
            if (s.step() != SQLITE_DONE) {
                rollback();
                return E_DB_WRITE;
            }
        }
    }
    if (!exec("COMMIT")) {
        rollback();
        return E_DB_WRITE;
    }
    for (auto& [k, v] : changed)
        saved_[k] = v;
    dataVersion_ = dataVersion();
    return OK;
}

void Store::rollback() {
    if (db_ && !sqlite3_get_autocommit(db_))
        exec("ROLLBACK");
}

int Store::appendJournal(int64_t offset, const std::string& text) {
    Stmt s(db_, "INSERT INTO journal(offset, text) VALUES(?, ?)");
    s.bind(1, offset).bind(2, text);
    return s.step() == SQLITE_DONE ? OK : E_DB_WRITE;
}

bool Store::readJournal(int64_t pos, size_t maxBytes, std::string& out) {
    out.clear();
    Stmt first(db_, "SELECT offset, text FROM journal WHERE offset <= ? ORDER BY offset DESC LIMIT 1");
    first.bind(1, pos);
    int rc = first.step();
    if (rc == SQLITE_ROW) {
        int64_t off = first.i64(0);
        std::string t = first.blob(1);
        if (pos - off < int64_t(t.size()))
            out = t.substr(size_t(pos - off), maxBytes);
    } else if (rc != SQLITE_DONE) {
        return false;
    }
    Stmt next(db_, "SELECT text FROM journal WHERE offset > ? ORDER BY offset");
    next.bind(1, pos);
    while (out.size() < maxBytes && (rc = next.step()) == SQLITE_ROW)
        out += next.blob(0).substr(0, maxBytes - out.size());
    return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

int Store::addRecord(const Record& r) {
    Stmt s(db_, "INSERT INTO fiscal(number, date, record) VALUES(?, ?, ?)");
    s.bind(1, r.number).bind(2, r.date).bind(3, r.text);
    return s.step() == SQLITE_DONE ? OK : E_DB_WRITE;
}

static bool collect(Stmt& s, std::vector<Record>& out) {
    out.clear();
    int rc;
    while ((rc = s.step()) == SQLITE_ROW)
        out.push_back({s.i64(0), s.blob(1), s.blob(2)});
    return rc == SQLITE_DONE;
}

bool Store::recordsByDate(const std::string& from, const std::string& to, std::vector<Record>& out) {
    Stmt s(db_, "SELECT number, date, record FROM fiscal WHERE date >= ? AND date <= ? ORDER BY number");
    s.bind(1, from).bind(2, to);
    return collect(s, out);
}

bool Store::recordsByNumber(int64_t first, int64_t last, std::vector<Record>& out) {
    Stmt s(db_, "SELECT number, date, record FROM fiscal WHERE number >= ? AND number <= ? ORDER BY number");
    s.bind(1, first).bind(2, last);
    return collect(s, out);
}

std::string Store::lastRecordDate() {
    Stmt s(db_, "SELECT max(date) FROM fiscal");
    return s.step() == SQLITE_ROW ? s.blob(0) : std::string();
}

} // namespace tc
