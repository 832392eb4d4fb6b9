// session.h - the one open module, the transaction around each operation, and the helpers
// that every operation uses: argument checks, number and date texts, the paper roll.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "module.h"
#include "store.h"

namespace tc {

// The paper roll. Lines printed during an operation are appended to the journal when the
// operation commits; a refused operation prints nothing.
class Paper {
public:
    explicit Paper(Module& m) : m_(m) {}
    void line(const std::string& text);                           // wrapped at the line width
    void pair(const std::string& left, const std::string& right); // right part flush right
    void center(const std::string& text);
    void rule(char c = '-');
    const std::string& pending() const { return pending_; }
    void clear() { pending_.clear(); }

private:
    void raw(const std::string& text);
    Module& m_;
    std::string pending_;
};

struct Ctx {
    Module& m;
    Store& store;
    Paper& paper;
    std::vector<Record>& newRecords;
    unsigned sections; // what the operation may change: Section bits
    // Names sections that the operation changes only in some cases, known once it runs.
    void touch(unsigned more) { sections |= more; }
};

// Runs one operation as one transaction: a nonzero result leaves module and memory unchanged.
// `sections` names what the operation may change (its printout goes to the journal anyway);
// S_READ_ONLY runs it without the write lock, and it may neither change nor print anything.
int transact(unsigned sections, int (*op)(Ctx&, void*), void* arg);
template <class F> int run(unsigned sections, F&& f) {
    return transact(
        sections, [](Ctx& c, void* p) { return (*static_cast<F*>(p))(c); }, &f);
}

// The module memory file: TILLCORE_DB, else the data folder's tillmate/module.sqlite (whose
// folders are made when createFolders); empty when there is no home.
std::string memoryPath(bool createFolders);

// Test hook: forget the open module so the next call opens the memory file again.
void closeModule();

// Argument checks: OK or the refusal code.
int checkText(const char* s, size_t max, bool allowEmpty = true);
int toFixed(double v, int scale, int64_t max, int64_t& out);    // v * scale rounded, |v| <= max
int toPositive(double v, int scale, int64_t max, int64_t& out); // as toFixed, and > 0
int toNonNegative(double v, int scale, int64_t max, int64_t& out);

// Texts of numbers.
std::string money(int64_t cents);        // "-12.34"
std::string qty(int64_t milli);          // "1.500"
std::string percent(int64_t hundredths); // "21.00"
std::string rate(int64_t micro);         // "1.000000"

// Dates "yyyymmdd" and times "hhmm".
bool parseDate(const char* s, int& y, int& mo, int& d);
bool parseTime(const char* s, int& h, int& mi);
int64_t moduleNow(const Module& m); // seconds of the module clock, as naive UTC
std::string dateText(int64_t t);
std::string timeText(int64_t t);
std::string today(const Module& m);

// Printing shared by documents.
void printHeader(Ctx& c, const char* title);
void printFooters(Ctx& c);
int64_t applyRate(const Module& m, int currency, int64_t cents); // amount in currency 1

} // namespace tc
