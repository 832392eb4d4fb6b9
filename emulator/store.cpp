// store.cpp - SQLite persistence of the module.
//
// The state is kept in sections (one row each in `module`), the open receipt's items one row
// each in `item`, the paper roll in `journal` (one row per operation's printout, keyed by its
// byte offset, with the running CRC-32 of the journal up to the row's end) and the Z reports
// in `fiscal`. An operation writes the sections it changed, appends its items and its
// printout, and commits; nothing is serialized or compared beyond what it named. The open
// receipt's paper is not stored twice: it is the end of the journal, from `doc_start`.
#include "store.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <map>

namespace tc {

namespace {

const char kFormat1[] = "tillcore module 1"; // one row per field; upgraded in place on open
const char kFormat[] = "tillcore module 2";
constexpr int kUpgrade = -1; // read(): the file is of format 1

const char kSchema[] =
    "CREATE TABLE module(key TEXT PRIMARY KEY, value BLOB NOT NULL, crc INTEGER NOT NULL);"
    "CREATE TABLE journal(offset INTEGER PRIMARY KEY, text BLOB NOT NULL, crc INTEGER NOT NULL);"
    "CREATE TABLE item(n INTEGER PRIMARY KEY, data BLOB NOT NULL, crc INTEGER NOT NULL);"
    "CREATE TABLE fiscal(number INTEGER PRIMARY KEY, date TEXT NOT NULL, record BLOB NOT NULL);"
    "CREATE INDEX fiscal_date ON fiscal(date);";

enum Sql {
    SQL_BEGIN_READ,
    SQL_BEGIN_WRITE,
    SQL_COMMIT,
    SQL_ROLLBACK,
    SQL_DATA_VERSION,
    SQL_FORMAT,
    SQL_SECTIONS,
    SQL_SET_SECTION,
    SQL_ITEMS,
    SQL_ADD_ITEM,
    SQL_DROP_ITEMS,
    SQL_ADD_JOURNAL,
    SQL_JOURNAL_FROM,
    SQL_JOURNAL_BEFORE,
    SQL_JOURNAL_LAST,
    SQL_JOURNAL_AT,
    SQL_JOURNAL_AFTER,
    SQL_COUNT_RECORDS,
    SQL_ADD_RECORD,
    SQL_RECORDS_BY_DATE,
    SQL_RECORDS_BY_NUMBER,
    SQL_LAST_DATE,
    SQL_COUNT
};

const char* const kSql[SQL_COUNT] = {
    "BEGIN",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "PRAGMA data_version",
    "SELECT value FROM module WHERE key = 'format'",
    "SELECT key, value, crc FROM module",
    "INSERT OR REPLACE INTO module(key, value, crc) VALUES(?, ?, ?)",
    "SELECT n, data, crc FROM item ORDER BY n",
    "INSERT OR REPLACE INTO item(n, data, crc) VALUES(?, ?, ?)",
    "DELETE FROM item WHERE n >= ?",
    "INSERT INTO journal(offset, text, crc) VALUES(?, ?, ?)",
    "SELECT offset, text, crc FROM journal WHERE offset >= ? ORDER BY offset",
    "SELECT offset + length(text), crc FROM journal WHERE offset < ? ORDER BY offset DESC LIMIT 1",
    "SELECT offset + length(text), crc FROM journal ORDER BY offset DESC LIMIT 1",
    "SELECT offset, text, crc FROM journal WHERE offset <= ? ORDER BY offset DESC LIMIT 1",
    "SELECT offset, text, crc FROM journal WHERE offset > ? ORDER BY offset",
    "SELECT count(*) FROM fiscal",
    "INSERT INTO fiscal(number, date, record) VALUES(?, ?, ?)",
    "SELECT number, date, record FROM fiscal WHERE date >= ? AND date <= ? ORDER BY number",
    "SELECT number, date, record FROM fiscal WHERE number >= ? AND number <= ? ORDER BY number",
    "SELECT max(date) FROM fiscal",
};

// One use of a statement: reset when done, so that it holds no lock and can run again.
// Bound texts must outlive the use: they are bound without a copy.
class Query {
public:
    explicit Query(sqlite3_stmt* s) : s_(s) {}
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    ~Query() {
        if (s_)
            sqlite3_reset(s_);
    }
    explicit operator bool() const { return s_ != nullptr; }
    Query& bind(int i, int64_t v) {
        sqlite3_bind_int64(s_, i, v);
        return *this;
    }
    Query& bind(int i, const std::string& v) {
        sqlite3_bind_blob(s_, i, v.data(), int(v.size()), SQLITE_STATIC);
        return *this;
    }
    Query& bindText(int i, const char* v) {
        sqlite3_bind_text(s_, i, v, -1, SQLITE_STATIC);
        return *this;
    }
    int step() { return s_ ? sqlite3_step(s_) : SQLITE_ERROR; }
    int64_t i64(int c) { return sqlite3_column_int64(s_, c); }
    std::string blob(int c) {
        const void* p = sqlite3_column_blob(s_, c);
        int n = sqlite3_column_bytes(s_, c);
        return p ? std::string(static_cast<const char*>(p), size_t(n)) : std::string();
    }
    uint32_t crcOf(int c, uint32_t crc, int64_t& size) { // extends crc by column c's bytes
        const void* p = sqlite3_column_blob(s_, c);
        size = sqlite3_column_bytes(s_, c);
        return p ? uint32_t(crc32(crc, static_cast<const Bytef*>(p), uInt(size))) : crc;
    }

private:
    sqlite3_stmt* s_;
};

// A statement prepared for one use, for the few that run once per file.
class OneOff {
public:
    OneOff(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~OneOff() { sqlite3_finalize(s_); }
    sqlite3_stmt* get() const { return s_; }

private:
    sqlite3_stmt* s_ = nullptr;
};

int64_t crcOf(const std::string& bytes) {
    return int64_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
}

bool oneItem(const std::string& data, Item& out) {
    Items v;
    if (!decodeItems(data, v) || v.size() != 1)
        return false;
    out = v.back();
    return true;
}

} // namespace

// What read() found saved in the file, besides the module itself.
struct Store::Saved {
    std::array<std::string, kSections> sections;
    size_t items = 0;
    std::string lastItem;
};

sqlite3_stmt* Store::statement(int id) {
    if (statements_.empty())
        statements_.assign(SQL_COUNT, nullptr);
    sqlite3_stmt*& s = statements_[size_t(id)];
    if (!s)
        sqlite3_prepare_v3(db_, kSql[id], -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    return s;
}

bool Store::exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool Store::run(int id) {
    Query q(statement(id));
    return q.step() == SQLITE_DONE;
}

bool Store::setFormat() {
    Query f(statement(SQL_SET_SECTION));
    std::string value = kFormat;
    return f.bindText(1, "format").bind(2, value).bind(3, crcOf(value)).step() == SQLITE_DONE;
}

int64_t Store::dataVersion() {
    Query q(statement(SQL_DATA_VERSION));
    return q.step() == SQLITE_ROW ? q.i64(0) : -1;
}

void Store::rollback() {
    if (db_ && !sqlite3_get_autocommit(db_) && !run(SQL_ROLLBACK))
        exec("ROLLBACK");
}

int Store::open(const std::string& path, Module& m) {
    close();
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        close();
        return E_DB_OPEN;
    }
    memory_ = path == ":memory:";
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_extended_result_codes(db_, 1);
    int64_t tables = -1;
    {
        OneOff count(db_, "SELECT count(*) FROM sqlite_master");
        Query s(count.get());
        int rc = s.step();
        if (rc == SQLITE_ROW)
            tables = s.i64(0);
        else if ((rc & 0xff) == SQLITE_CANTOPEN || (rc & 0xff) == SQLITE_PERM) {
            close();
            return E_DB_OPEN;
        }
    }
    if (tables == 0)
        setDurability(); // a new file is written in its mode from the start
    int rc = tables < 0 ? E_DB_DAMAGED : tables == 0 ? createFresh(m) : load(m);
    if (rc == OK) {
        healthy_ = true;
        ++generation_;
        setDurability();
    } else {
        close();
    }
    return rc;
}

// WAL: a commit is one append to the write-ahead log; readers do not block the writer.
// synchronous=NORMAL syncs the log only at checkpoints, so a commit survives the process being
// killed (the operating system holds the written log); TILLCORE_SYNC=full syncs the log at
// every commit, so it also survives a power loss.
void Store::setDurability() {
    if (memory_)
        return;
    const char* sync = std::getenv("TILLCORE_SYNC");
    exec("PRAGMA journal_mode=WAL");
    exec(sync && std::strcmp(sync, "full") == 0 ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
}

void Store::close() {
    for (sqlite3_stmt* s : statements_)
        sqlite3_finalize(s);
    statements_.clear();
    if (db_) {
        // A damaged file is left as it is: no checkpoint of the write-ahead log into it.
        if (!healthy_)
            sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_close_v2(db_);
    }
    db_ = nullptr;
    healthy_ = false;
    saved_ = {};
    savedItems_ = 0;
    savedLastItem_.clear();
    savedDocText_ = 0;
    dataVersion_ = -1;
}

int Store::createFresh(Module& m) {
    if (!run(SQL_BEGIN_WRITE))
        return E_DB_OPEN;
    // Another process may have created it meanwhile: then load what it wrote.
    int64_t tables = -1;
    {
        OneOff count(db_, "SELECT count(*) FROM sqlite_master");
        Query s(count.get());
        if (s.step() == SQLITE_ROW)
            tables = s.i64(0);
    }
    if (tables != 0) {
        rollback();
        return tables < 0 ? E_DB_DAMAGED : load(m);
    }
    Module fresh = freshModule();
    if (!exec(kSchema) || !setFormat()) {
        rollback();
        return E_DB_WRITE;
    }
    dataVersion_ = dataVersion();
    unsigned all = (1u << kSections) - 1;
    if (int rc = commit(fresh, all, std::string(), {}); rc != OK)
        return rc;
    m = std::move(fresh);
    return OK;
}

int Store::load(Module& m) {
    if (!run(SQL_BEGIN_READ))
        return E_DB_DAMAGED;
    bool sound = false;
    {
        OneOff check(db_, "PRAGMA quick_check");
        Query q(check.get());
        sound = q.step() == SQLITE_ROW && q.blob(0) == "ok";
    }
    if (!sound || !wholePages()) {
        rollback();
        return E_DB_DAMAGED;
    }
    Module loaded = freshModule();
    Saved saved;
    int rc = read(loaded, WHOLE, saved);
    int64_t version = dataVersion();
    rollback(); // ends the read
    if (rc == kUpgrade)
        return upgradeFormat1(m);
    if (rc != OK)
        return rc;
    adopt(saved, loaded);
    m = std::move(loaded);
    dataVersion_ = version;
    return OK;
}

// SQLite writes whole pages: a file whose size is not a multiple of its page size was cut
// short or grown by someone else (SQLite would read the missing bytes as zeros).
bool Store::wholePages() {
    const char* file = sqlite3_db_filename(db_, "main");
    struct stat st {};
    if (memory_ || !file || !*file)
        return true;
    OneOff size(db_, "PRAGMA page_size");
    Query q(size.get());
    return q.step() == SQLITE_ROW && q.i64(0) > 0 && ::stat(file, &st) == 0 && st.st_size % q.i64(0) == 0;
}

void Store::adopt(Saved& saved, const Module& m) {
    saved_ = std::move(saved.sections);
    savedItems_ = saved.items;
    savedLastItem_ = std::move(saved.lastItem);
    savedDocText_ = m.docText.size();
}

// Reads the module inside a transaction. The journal is checked as a chain of CRCs: on open
// the whole of it, after another process's commit what follows the end known here.
int Store::read(Module& m, Journal check, Saved& saved) {
    std::string format;
    {
        Query q(statement(SQL_FORMAT));
        if (q.step() != SQLITE_ROW)
            return E_DB_DAMAGED;
        format = q.blob(0);
    }
    if (format == kFormat1 && check == WHOLE)
        return kUpgrade;
    if (format != kFormat)
        return E_DB_DAMAGED;
    std::map<std::string, std::string> rows;
    {
        Query q(statement(SQL_SECTIONS));
        int rc;
        while ((rc = q.step()) == SQLITE_ROW) {
            std::string value = q.blob(1);
            if (crcOf(value) != q.i64(2)) // every row carries the CRC of its value
                return E_DB_DAMAGED;
            rows[q.blob(0)] = std::move(value);
        }
        if (rc != SQLITE_DONE)
            return E_DB_DAMAGED;
    }
    for (int s = 0; s < kSections; ++s) {
        auto it = rows.find(sectionName(s));
        if (it == rows.end() || !decodeSection(s, it->second, m))
            return E_DB_DAMAGED;
        saved.sections[size_t(s)] = std::move(it->second);
    }
    m.items.clear();
    {
        Query q(statement(SQL_ITEMS));
        Item it;
        int rc;
        while ((rc = q.step()) == SQLITE_ROW) {
            saved.lastItem = q.blob(1);
            if (q.i64(0) != int64_t(m.items.size()) || crcOf(saved.lastItem) != q.i64(2) ||
                !oneItem(saved.lastItem, it))
                return E_DB_DAMAGED;
            m.items.push_back(std::move(it));
        }
        if (rc != SQLITE_DONE)
            return E_DB_DAMAGED;
        saved.items = m.items.size();
    }
    if (check == WHOLE)
        m.journalLen = 0, m.journalCrc = 0;
    if (int rc = checkJournal(m.journalLen, m.journalCrc, check); rc != OK)
        return rc;
    m.docText.clear();
    if (m.docStart >= 0) {
        if (m.docStart > m.journalLen ||
            !readJournal(m.docStart, size_t(m.journalLen - m.docStart), m.docText) ||
            int64_t(m.docText.size()) != m.journalLen - m.docStart)
            return E_DB_DAMAGED;
    }
    if (!sane(m))
        return E_DB_DAMAGED;
    Query f(statement(SQL_COUNT_RECORDS));
    return f.step() == SQLITE_ROW ? OK : E_DB_DAMAGED;
}

// len and crc: the journal end known to be sound (0 for WHOLE), moved to the journal's end.
int Store::checkJournal(int64_t& len, uint32_t& crc, Journal check) {
    if (check == LAST) {
        Query q(statement(SQL_JOURNAL_LAST));
        int rc = q.step();
        len = rc == SQLITE_ROW ? q.i64(0) : 0;
        crc = rc == SQLITE_ROW ? uint32_t(q.i64(1)) : 0;
        return rc == SQLITE_ROW || rc == SQLITE_DONE ? OK : E_DB_DAMAGED;
    }
    if (check == TAIL && len > 0) { // the journal still ends where it did, as it did
        Query q(statement(SQL_JOURNAL_BEFORE));
        if (q.bind(1, len).step() != SQLITE_ROW || q.i64(0) != len || uint32_t(q.i64(1)) != crc)
            return E_DB_DAMAGED;
    }
    Query q(statement(SQL_JOURNAL_FROM));
    q.bind(1, len);
    int rc;
    while ((rc = q.step()) == SQLITE_ROW) {
        int64_t size = 0;
        if (q.i64(0) != len)
            return E_DB_DAMAGED;
        crc = q.crcOf(1, crc, size);
        if (int64_t(crc) != q.i64(2))
            return E_DB_DAMAGED;
        len += size;
    }
    return rc == SQLITE_DONE ? OK : E_DB_DAMAGED;
}

// Format 1 kept every field in its own row and the open receipt's items and paper as fields.
// The file is checked as on any open (its journal against the length and CRC it recorded),
// then rewritten to the current format in one transaction.
int Store::upgradeFormat1(Module& m) {
    if (!run(SQL_BEGIN_WRITE))
        return E_DB_WRITE;
    auto damaged = [&](int rc) {
        rollback();
        return rc;
    };
    std::map<std::string, std::string> rows;
    {
        OneOff all(db_, "SELECT key, value FROM module");
        Query q(all.get());
        int rc;
        while ((rc = q.step()) == SQLITE_ROW)
            rows[q.blob(0)] = q.blob(1);
        if (rc != SQLITE_DONE)
            return damaged(E_DB_DAMAGED);
    }
    if (rows["format"] == kFormat) { // another process upgraded it meanwhile
        rollback();
        return load(m);
    }
    Module loaded = freshModule();
    if (rows["format"] != kFormat1 || !readFormat1(rows, loaded) || !sane(loaded))
        return damaged(E_DB_DAMAGED);
    std::vector<std::pair<int64_t, uint32_t>> crcs; // offset, running CRC at the row's end
    {
        OneOff all(db_, "SELECT offset, text FROM journal ORDER BY offset");
        Query q(all.get());
        int64_t len = 0;
        uint32_t crc = 0;
        int rc;
        while ((rc = q.step()) == SQLITE_ROW) {
            int64_t size = 0;
            if (q.i64(0) != len)
                return damaged(E_DB_DAMAGED);
            crc = q.crcOf(1, crc, size);
            crcs.emplace_back(len, crc);
            len += size;
        }
        if (rc != SQLITE_DONE || len != loaded.journalLen || crc != loaded.journalCrc)
            return damaged(E_DB_DAMAGED);
    }
    {
        Query f(statement(SQL_COUNT_RECORDS));
        if (f.step() != SQLITE_ROW)
            return damaged(E_DB_DAMAGED);
    }
    if (!exec("ALTER TABLE journal ADD COLUMN crc INTEGER NOT NULL DEFAULT 0;"
              "ALTER TABLE module ADD COLUMN crc INTEGER NOT NULL DEFAULT 0;"
              "CREATE TABLE item(n INTEGER PRIMARY KEY, data BLOB NOT NULL, crc INTEGER NOT NULL);"
              "DELETE FROM module;"))
        return damaged(E_DB_WRITE);
    {
        OneOff set(db_, "UPDATE journal SET crc = ? WHERE offset = ?");
        for (auto& [offset, crc] : crcs) {
            Query q(set.get());
            if (q.bind(1, int64_t(crc)).bind(2, offset).step() != SQLITE_DONE)
                return damaged(E_DB_WRITE);
        }
    }
    if (!setFormat())
        return damaged(E_DB_WRITE);
    // The open receipt's paper must be the journal's end, where it is read from from now on.
    if (!loaded.docText.empty()) {
        std::string tail;
        loaded.docStart = loaded.journalLen - int64_t(loaded.docText.size());
        if (loaded.docStart < 0 || !readJournal(loaded.docStart, loaded.docText.size(), tail) ||
            tail != loaded.docText)
            return damaged(E_DB_DAMAGED);
    }
    saved_ = {};
    savedItems_ = 0;
    savedLastItem_.clear();
    dataVersion_ = dataVersion();
    unsigned all = (1u << kSections) - 1;
    if (int rc = commit(loaded, all | S_ITEMS, std::string(), {}); rc != OK)
        return rc;
    m = std::move(loaded);
    return OK;
}

int Store::begin(Module& m, bool readOnly) {
    if (!run(readOnly ? SQL_BEGIN_READ : SQL_BEGIN_WRITE))
        return E_DB_WRITE;
    int64_t v = dataVersion(); // also starts the read: what follows sees one snapshot
    if (v != dataVersion_) {   // another connection committed: take its state
        Module reloaded = m;
        Saved saved;
        int rc = read(reloaded, TAIL, saved);
        if (rc == E_DB_DAMAGED) { // a reset (tillmate-module) starts the journal afresh: check it whole
            reloaded = m;
            saved = Saved();
            rc = read(reloaded, WHOLE, saved);
        }
        if (rc != OK) {
            rollback();
            healthy_ = rc != E_DB_DAMAGED;
            return rc;
        }
        adopt(saved, reloaded);
        m = std::move(reloaded);
        dataVersion_ = v;
        ++generation_;
    }
    return OK;
}

bool Store::writeItems(const Items& items, std::string& last) {
    // Items only grow during a receipt, and only the last one changes (its adjustment): the
    // rows before it stay. A receipt cleared or closed drops them.
    size_t keep = items.size() < savedItems_ ? 0 : savedItems_;
    if (keep > 0 && encodeItem(items[keep - 1]) != savedLastItem_)
        --keep;
    if (savedItems_ > keep) {
        Query q(statement(SQL_DROP_ITEMS));
        if (q.bind(1, int64_t(keep)).step() != SQLITE_DONE)
            return false;
    }
    last = items.empty() ? std::string() : savedLastItem_;
    for (size_t i = keep; i < items.size(); ++i) {
        last = encodeItem(items[i]);
        Query q(statement(SQL_ADD_ITEM));
        if (q.bind(1, int64_t(i)).bind(2, last).bind(3, crcOf(last)).step() != SQLITE_DONE)
            return false;
    }
    return true;
}

int Store::commit(Module& m, unsigned sections, const std::string& journalText,
                  const std::vector<Record>& records) {
    auto fail = [&] {
        rollback();
        return int(E_DB_WRITE);
    };
    if (!journalText.empty()) {
        uint32_t crc = uint32_t(crc32(m.journalCrc, reinterpret_cast<const Bytef*>(journalText.data()),
                                      uInt(journalText.size())));
        Query q(statement(SQL_ADD_JOURNAL));
        if (q.bind(1, m.journalLen).bind(2, journalText).bind(3, int64_t(crc)).step() != SQLITE_DONE)
            return fail();
        m.journalLen += int64_t(journalText.size());
        m.journalCrc = crc;
    }
    for (const Record& r : records) {
        Query q(statement(SQL_ADD_RECORD));
        if (q.bind(1, r.number).bind(2, r.date).bind(3, r.text).step() != SQLITE_DONE)
            return fail();
    }
    m.docStart = m.docText.empty() ? -1 : m.journalLen - int64_t(m.docText.size());
    std::array<std::string, kSections> changed;
    unsigned written = 0;
    for (int s = 0; s < kSections; ++s) {
        if (!(sections & (1u << s)))
            continue;
        std::string now = encodeSection(s, m);
        if (now == saved_[size_t(s)])
            continue;
        Query q(statement(SQL_SET_SECTION));
        if (q.bindText(1, sectionName(s)).bind(2, now).bind(3, crcOf(now)).step() != SQLITE_DONE)
            return fail();
        changed[size_t(s)] = std::move(now);
        written |= 1u << s;
    }
    std::string lastItem = savedLastItem_;
    if ((sections & S_ITEMS) && !writeItems(m.items, lastItem))
        return fail();
    if (!run(SQL_COMMIT))
        return fail();
    for (int s = 0; s < kSections; ++s)
        if (written & (1u << s))
            saved_[size_t(s)] = std::move(changed[size_t(s)]);
    if (sections & S_ITEMS) {
        savedItems_ = m.items.size();
        savedLastItem_ = std::move(lastItem);
    }
    savedDocText_ = m.docText.size();
    return OK;
}

void Store::abandon(Module& m, unsigned sections) {
    rollback();
    for (int s = 0; s < kSections; ++s)
        if (sections & (1u << s))
            decodeSection(s, saved_[size_t(s)], m);
    if (sections & S_ITEMS) {
        if (m.items.size() >= savedItems_) {
            m.items.resize(savedItems_);
            if (savedItems_ > 0)
                oneItem(savedLastItem_, m.items.back());
        } else { // cleared: read them back
            m.items.clear();
            Query q(statement(SQL_ITEMS));
            Item it;
            while (q.step() == SQLITE_ROW && oneItem(q.blob(1), it))
                m.items.push_back(std::move(it));
        }
    }
    // The paper of the open receipt only grows within an operation, or is cleared.
    if (m.docText.size() >= savedDocText_)
        m.docText.resize(savedDocText_);
    else if (m.docStart >= 0)
        readJournal(m.docStart, savedDocText_, m.docText);
}

bool Store::holds(const Module& m) {
    if (!run(SQL_BEGIN_READ))
        return false;
    bool same = true;
    {
        std::map<std::string, std::string> rows;
        Query q(statement(SQL_SECTIONS));
        while (q.step() == SQLITE_ROW)
            rows[q.blob(0)] = q.blob(1);
        for (int s = 0; s < kSections; ++s)
            same = same && rows[sectionName(s)] == encodeSection(s, m) &&
                   rows[sectionName(s)] == saved_[size_t(s)];
    }
    {
        std::string items, last;
        size_t count = 0;
        Query q(statement(SQL_ITEMS));
        while (q.step() == SQLITE_ROW && q.i64(0) == int64_t(count++))
            items += last = q.blob(1);
        same = same && items == encodeItems(m.items) && count == savedItems_ && last == savedLastItem_;
    }
    int64_t len = 0;
    uint32_t crc = 0;
    std::string docText;
    same = same && checkJournal(len, crc, LAST) == OK && len == m.journalLen && crc == m.journalCrc &&
           (m.docStart < 0 ? m.docText.empty()
                           : readJournal(m.docStart, size_t(m.journalLen - m.docStart), docText) &&
                                 docText == m.docText) &&
           savedDocText_ == m.docText.size();
    rollback();
    return same;
}

// Reads whole rows and checks each against the journal's CRC chain: a row whose text changed
// on the disk is never served (the store then counts as damaged).
bool Store::readJournal(int64_t pos, size_t maxBytes, std::string& out) {
    out.clear();
    int64_t end = 0;  // where the next row must begin
    uint32_t crc = 0; // the journal's CRC up to there
    std::string text;
    auto sound = [&](Query& q) {
        text = q.blob(1);
        if (q.i64(0) != end)
            return false;
        crc = uint32_t(crc32(crc, reinterpret_cast<const Bytef*>(text.data()), uInt(text.size())));
        end += int64_t(text.size());
        return int64_t(crc) == q.i64(2);
    };
    auto damaged = [&] {
        healthy_ = false;
        return false;
    };
    int64_t after = pos;
    {
        Query first(statement(SQL_JOURNAL_AT));
        int rc = first.bind(1, pos).step();
        if (rc == SQLITE_ROW) {
            end = after = first.i64(0);
            if (end > 0) {
                Query before(statement(SQL_JOURNAL_BEFORE));
                if (before.bind(1, end).step() != SQLITE_ROW || before.i64(0) != end)
                    return damaged();
                crc = uint32_t(before.i64(1));
            }
            if (!sound(first))
                return damaged();
            if (pos - after < int64_t(text.size()))
                out = text.substr(size_t(pos - after), maxBytes);
        } else if (rc != SQLITE_DONE) {
            return false;
        }
    }
    Query next(statement(SQL_JOURNAL_AFTER));
    next.bind(1, after);
    int rc = SQLITE_DONE;
    while (out.size() < maxBytes && (rc = next.step()) == SQLITE_ROW) {
        if (!sound(next))
            return damaged();
        out += text.substr(0, maxBytes - out.size());
    }
    return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

static bool collect(Query& q, std::vector<Record>& out) {
    out.clear();
    int rc;
    while ((rc = q.step()) == SQLITE_ROW)
        out.push_back({q.i64(0), q.blob(1), q.blob(2)});
    return rc == SQLITE_DONE;
}

bool Store::recordsByDate(const std::string& from, const std::string& to, std::vector<Record>& out) {
    Query q(statement(SQL_RECORDS_BY_DATE));
    q.bind(1, from).bind(2, to);
    return q && collect(q, out);
}

bool Store::recordsByNumber(int64_t first, int64_t last, std::vector<Record>& out) {
    Query q(statement(SQL_RECORDS_BY_NUMBER));
    q.bind(1, first).bind(2, last);
    return q && collect(q, out);
}

std::string Store::lastRecordDate() {
    Query q(statement(SQL_LAST_DATE));
    return q.step() == SQLITE_ROW ? q.blob(0) : std::string();
}

} // namespace tc
