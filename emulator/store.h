// store.h - the module memory: one SQLite file holding the module's state in sections, the
// open receipt's items, its journal (the paper roll) and its fiscal records (one per Z report).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "module.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tc {

struct Record { // a Z report booked into fiscal memory
    int64_t number = 0;
    std::string date, text; // text: "key=value" lines
};

class Store {
public:
    ~Store() { close(); }
    // Opens the file and loads the module, or writes a fresh module into an empty file; a file
    // of format 1 is upgraded in place. A file that is not ours or fails its checks is left
    // untouched: E_DB_DAMAGED.
    int open(const std::string& path, Module& m);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }
    // Counts the times the module was read from the file (opened, or read again after another
    // process committed): what else is kept from the file is read again when it moves.
    uint64_t generation() const { return generation_; }

    // One transaction per operation. begin() takes the write lock unless the operation only
    // reads, and reloads the module if another connection committed since the last call.
    int begin(Module& m, bool readOnly);
    // Appends the journal text and the records, writes the sections named in `sections` that
    // differ from the saved ones and the items added or changed, then commits.
    int commit(Module& m, unsigned sections, const std::string& journalText,
               const std::vector<Record>& records);
    // Ends a transaction that writes nothing (a read or a refused operation) and puts the
    // named sections of m back as they were saved.
    void abandon(Module& m, unsigned sections);

    // Up to maxBytes of journal text from pos; false on a read failure or a damaged row.
    bool readJournal(int64_t pos, size_t maxBytes, std::string& out);
    bool recordsByDate(const std::string& from, const std::string& to, std::vector<Record>& out);
    bool recordsByNumber(int64_t first, int64_t last, std::vector<Record>& out);
    std::string lastRecordDate();

    // Whether the file holds exactly m: a check for the tests, outside a transaction.
    bool holds(const Module& m);

private:
    // How read() checks the journal's chain of CRCs: all of it, what follows the end known
    // here, or only its last row (for holds()).
    enum Journal { WHOLE, TAIL, LAST };
    struct Saved; // the sections and items as read()
    int createFresh(Module& m);
    int load(Module& m);
    bool wholePages();
    int read(Module& m, Journal check, Saved& saved);
    void adopt(Saved& saved, const Module& m);
    int upgradeFormat1(Module& m);
    int checkJournal(int64_t& len, uint32_t& crc, Journal check);
    bool writeItems(const Items& items, std::string& last);
    void setDurability();
    void rollback();
    bool exec(const char* sql);
    bool run(int id); // a cached statement without result rows
    bool setFormat();
    int64_t dataVersion();
    sqlite3_stmt* statement(int id);

    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> statements_;    // prepared once per connection, by id
    std::array<std::string, kSections> saved_; // each section as last written or read
    size_t savedItems_ = 0;
    std::string savedLastItem_; // the last saved item, encoded: the one an adjustment changes
    size_t savedDocText_ = 0;
    int64_t dataVersion_ = -1;
    bool memory_ = false;  // ":memory:": no journal file, nobody else sees it
    bool healthy_ = false; // loaded and sound: closing may checkpoint the log into the file
    uint64_t generation_ = 0;
};

} // namespace tc
