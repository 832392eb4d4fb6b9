// store.h - the module memory: one SQLite file holding the module's fields, its journal
// (the paper roll) and its fiscal records (one per Z report).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "module.h"

struct sqlite3;

namespace tc {

struct Record { // a Z report booked into fiscal memory
    int64_t number = 0;
    std::string date, text; // text: "key=value" lines
};

class Store {
public:
    ~Store() { close(); }
    // Opens the file and loads the module, or writes a fresh module into an empty file.
    // A file that is not ours or fails its checks is left untouched: E_DB_DAMAGED.
    int open(const std::string& path, Module& m);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }
    // Counts the times the module was read from the file (opened, or reloaded after another
    // process committed): what else is kept from the file is read again when it moves.
    uint64_t generation() const { return generation_; }

    // One transaction per operation. begin() reloads the module if another process changed it.
    int begin(Module& m);
    int commit(const Module& m); // saves the changed fields, then commits
    void rollback();

    int appendJournal(int64_t offset, const std::string& text);
    // Up to maxBytes of journal text from pos; false on a read failure.
    bool readJournal(int64_t pos, size_t maxBytes, std::string& out);
    int addRecord(const Record& r);
    bool recordsByDate(const std::string& from, const std::string& to, std::vector<Record>& out);
    bool recordsByNumber(int64_t first, int64_t last, std::vector<Record>& out);
    std::string lastRecordDate();

private:
    int load(Module& m);
    int createFresh(Module& m);
    bool exec(const char* sql);
    int64_t dataVersion();

    sqlite3* db_ = nullptr;
    std::map<std::string, std::string> saved_; // fields as last written or read
    int64_t dataVersion_ = -1;
    uint64_t generation_ = 0;
};

} // namespace tc
