// module.h - the state a fiscal module keeps, and the result codes it answers with.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tillcore.h"

namespace tc {

// Result codes. Every one is listed with its meaning in emulator/README.md.
enum Rc : int {
    OK = 0,
    E_NULL = 1,          // a required pointer argument is null
    E_RANGE = 2,         // an index or number outside its range
    E_VALUE = 3,         // NaN, infinite, negative, zero or too large where that is not allowed
    E_TEXT = 4,          // a text too long, or holding control bytes (below 0x20) or DEL
    E_DATE = 5,          // a date or time text that is malformed or names no real day or time
    E_CODE = 6,          // unknown information code
    E_NO_RECEIPT = 10,   // no fiscal receipt is open
    E_DOC_OPEN = 11,     // a document is already open (or one is open that forbids this)
    E_NO_NONFISCAL = 12, // no non-fiscal document is open
    E_NO_ITEM = 13,      // nothing to adjust, or the receipt has no item
    E_ADJUSTED = 14,     // the item or receipt already carries an adjustment
    E_SHORT = 15,        // payment short of the receipt total
    E_BALANCE = 16,      // non-cash payment above the total, or a return payout that differs from it
    E_DRAWER = 17,       // not enough cash in the drawer
    E_RETURN_OFF = 18,   // goods returns are not allowed
    E_UNIT = 19,         // the text is not this module's unit number
    E_FISCAL = 20,       // not allowed once the module is fiscalized
    E_END = TILLCORE_END_OF_JOURNAL,      // journal: nothing more to read
    E_DATE_ORDER = 22,                    // date before the last fiscal record, or first date after last
    E_SHIFT = 23,                         // the shift has turnover: print the Z report first
    E_NO_RECORDS = 24,                    // no fiscal record in the range
    E_NO_LAST = 25,                       // no receipt printed yet
    E_OVERFLOW = 26,                      // a total or counter would pass its limit
    E_PRINTER = 27,                       // the attached printer cannot do this
    E_BARCODE = 28,                       // barcode data not valid for the symbology
    E_CURRENCY = 29,                      // the currency is not defined
    E_NOZZLE = 30,                        // nozzle not connected to a tank, or tank not set up
    E_CAPACITY = 31,                      // the tank would hold more than its maximum level
    E_NO_MATCH = 32,                      // no sold item in this receipt matches the return or void
    E_IN_USE = 33,                        // the fuel is still assigned to a tank
    E_FUEL_ABSENT = TILLCORE_FUEL_ABSENT, // no such fuel programmed
    E_ROOM = TILLCORE_ROOM_TOO_SMALL,     // the answer does not fit in the room given
    E_DB_OPEN = 200,                      // the module memory file cannot be opened or created
    E_DB_DAMAGED = 201,                   // the module memory file is damaged or not ours
    E_DB_WRITE = 202,                     // the module memory could not be written; nothing changed
    E_INTERNAL = 203,                     // unexpected failure (out of memory); nothing changed
};

constexpr int kDepartments = TILLCORE_DEPARTMENTS, kCredits = TILLCORE_CREDITS, kTaxes = TILLCORE_TAXES,
              kCurrencies = TILLCORE_CURRENCIES;
constexpr int kFuels = TILLCORE_FUELS, kTanks = TILLCORE_TANKS, kPumps = TILLCORE_PUMPS,
              kNozzles = TILLCORE_NOZZLES, kBlocks = TILLCORE_DATA_BLOCKS;

// Limits that keep every answer inside the binding's buffers.
constexpr size_t kHeaderLineMax = 38; // 6 x (attr, FS, line, FS) stays below 256
constexpr size_t kNameMax = 24;       // department, credit, clerk, currency names
constexpr size_t kFuelNameMax = 16, kUnitMax = 8, kNumberMax = 20;
constexpr size_t kItemNameMax = 56, kLineMax = 120, kDisplayMax = 20;

// Money is held in cents, quantities in thousandths, rates in millionths, tax in hundredths.
constexpr int64_t kMoneyMax = 99999999999;       // 999,999,999.99
constexpr int64_t kQtyMax = 99999999;            // 99,999.999 per item
constexpr int64_t kTotalizerWrap = 100000000000; // pump totalizers roll over like a counter

struct Line {
    int attr = 0x41;
    std::string text;
};

struct Currency {
    std::string name;
    int64_t rateMicro = 0; // value of one unit in currency 1, in millionths
};

struct Department {
    std::string name;
    int64_t turnover = 0;
};

struct Credit {
    std::string name, ext;
    int print = 1;
    int64_t turnover = 0;
};

struct PrintRow { // a currency in which totals are also printed, for a period
    int print = 0;
    std::string rate, from, till;
};

struct Fuel { // absent while its name is empty
    std::string name, unit;
    int tax = 0, decimals = 2;
    int64_t price = 0;
};

struct Tank { // unused while its name is empty; figures in thousandths
    std::string name;
    int fuel = 0;
    int64_t min = 0, max = 0;
    int64_t start = 0, replenish = 0, underflow = 0, overflow = 0;
    std::array<int64_t, 1 + kCredits> soldQty{}, soldSum{}; // [0] cash, [1..8] credits
    int64_t stock() const;
};

struct Pump {
    int dec = 2;
    std::array<int, kNozzles> nozzle{}; // tank number, -1 none
    std::array<int64_t, kNozzles> totalQty{}, totalSum{};
    Pump() { nozzle.fill(-1); }
};

enum ItemKind { I_SALE = 0, I_RETURN = 1, I_FUEL = 2, I_FUEL_VOID = 3 };

struct Item {
    int kind = I_SALE;
    std::string name, unit;
    int64_t qty = 0, price = 0, amount = 0, adj = 0; // amount before adjustment, signed
    int tax = 0, dept = -1, pump = -1, nozzle = -1, tank = -1;
    int adjusted = 0;
};

// The open receipt's items. Only the last one changes in place (it takes the item's
// adjustment), so the sum of those before it is kept as items are added: the receipt total
// costs the same at the 5,000th item as at the first.
class Items {
public:
    size_t size() const { return v_.size(); }
    bool empty() const { return v_.empty(); }
    std::vector<Item>::const_iterator begin() const { return v_.begin(); }
    std::vector<Item>::const_iterator end() const { return v_.end(); }
    const Item& operator[](size_t i) const { return v_[i]; }
    Item& back() { return v_.back(); }
    const Item& back() const { return v_.back(); }
    void push_back(Item it) {
        if (!v_.empty())
            before_ += v_.back().amount + v_.back().adj;
        v_.push_back(std::move(it));
    }
    void clear() {
        v_.clear();
        before_ = 0;
    }
    void resize(size_t n) {
        v_.resize(n);
        before_ = 0;
        for (size_t i = 0; i + 1 < v_.size(); ++i)
            before_ += v_[i].amount + v_[i].adj;
    }
    int64_t sum() const { return v_.empty() ? 0 : before_ + v_.back().amount + v_.back().adj; } // adjusted

private:
    std::vector<Item> v_;
    int64_t before_ = 0; // amounts with adjustments of all items but the last
};

enum DocKind { D_NONE = 0, D_FISCAL = 1, D_NONFISCAL = 2 };

// Shift totals that the Z report books and clears.
enum Tot {
    T_RECEIPTS,
    T_RETURN_RECEIPTS,
    T_SALES,
    T_RETURNS,
    T_ITEM_VOIDS,
    T_DISCOUNTS,
    T_ADDITIONS,
    T_CHANGE,
    T_NONFISCAL,
    T_TARE_IN,
    T_TARE_OUT,
    T_DEPOSIT_IN,
    T_DEPOSIT_OUT,
    T_COPIES,
    T_COUNT
};
extern const char* const kTotNames[T_COUNT];

struct Module {
    // identity and service
    std::string unitNumber, version, chassis, id, fiscalDate; // fiscalDate empty: training
    std::string badBlocks;                                    // FS-terminated block numbers
    int64_t clockOffset = 0;                                  // seconds added to the host clock
    // receipt layout
    std::array<Line, 6> header;
    std::array<Line, 4> footer;
    std::array<Line, 2> footer2;
    int footerOn = 1, footer2On = 0;
    std::array<int64_t, kTaxes> tax{}; // hundredths of a percent
    std::array<Currency, kCurrencies> currency;
    std::array<Department, kDepartments> dept;
    std::array<Credit, kCredits> credit;
    std::string clerk;
    int clerkAttr = 0x41;
    // printer
    int printerType = 4, codePage = 1, imageOn = 0, imageNumber = 1, largeImage = 0;
    int compression = 15, impulse1 = 40, impulse2 = 40;
    std::array<int, 4> printerStatus{};
    int hwMask = 0;
    std::array<int, 3> statusBytes{};
    // options
    int frOn = 0, lineWidth = 40, convertIndirect = 1, voidName = 0, surchargeName = 10;
    std::array<PrintRow, 3> printRow;
    int goodsReturn = 0;
    std::string display1, display2;
    int dispCode = 0, dispType = 0, drawerOpenings = 0;
    // money and counters
    std::array<int64_t, kCurrencies> drawer{};
    int64_t nextReceipt = 1, dayTurnover = 0, nextDayReceipt = 1, zCount = 0, grandTotal = 0;
    std::array<int64_t, T_COUNT> tot{};
    std::array<int64_t, kTaxes> taxTurnover{};
    std::array<int64_t, kCurrencies> cashTaken{}; // cash received per currency this shift
    std::array<int64_t, kCurrencies> moneyIn{}, moneyOut{};
    // fuel station
    std::array<Fuel, kFuels> fuel;
    std::array<Tank, kTanks> tank;
    std::array<Pump, kPumps> pump;
    std::array<std::string, kBlocks> block; // 32 raw bytes each
    // open document
    int doc = D_NONE;
    Items items;
    int64_t receiptAdj = 0;
    int receiptAdjusted = 0;
    std::string docText, lastReceipt; // the open receipt's paper, the last receipt's paper
    // journal bookkeeping, kept by the store: the journal's length and CRC-32, and where the
    // open receipt's paper (docText) begins in it (-1 when there is none)
    int64_t docStart = -1;
    int64_t journalLen = 0;
    uint32_t journalCrc = 0;

    bool fiscal() const { return !fiscalDate.empty(); }
    int64_t receiptTotal() const;
};

Module freshModule();

// The module memory keeps the state in sections, one row each, so that an operation writes
// only the sections it changed. An operation names the sections it may change when it runs.
enum Section : unsigned {
    S_PRINTS = 0,           // nothing but the printout, which goes to the journal
    S_IDENTITY = 1u << 0,   // unit, version, service numbers, fiscalization, clock
    S_LAYOUT = 1u << 1,     // header, footers, tax rates, currencies, names, receipt options
    S_DEVICE = 1u << 2,     // printer, status bytes, customer display, drawer openings
    S_SHIFT = 1u << 3,      // money and counters: what receipts, cash movements and Z change
    S_FUEL = 1u << 4,       // the fuel table
    S_TANKS = 1u << 5,      // tanks and pumps, with their figures and totalizers
    S_BLOCKS = 1u << 6,     // data blocks
    S_DOC = 1u << 7,        // the open document and its receipt adjustment
    S_LAST = 1u << 8,       // the paper of the last receipt (for its copy)
    S_ITEMS = 1u << 9,      // the open receipt's items: rows of their own, appended one by one
    S_READ_ONLY = 1u << 31, // answers only: no write lock, nothing written
};
constexpr int kSections = 9; // the sections kept as one row each (all but the items)

const char* sectionName(int section); // section: bit number, 0 .. kSections - 1
std::string encodeSection(int section, const Module& m);
bool decodeSection(int section, const std::string& blob, Module& m); // false: unreadable
// Format 1 of the module memory kept one row per field: reads all of them.
bool readFormat1(const std::map<std::string, std::string>& rows, Module& m);
// Values used as indexes or sizes are within their ranges (else the memory was tampered with).
bool sane(const Module& m);

std::string encodeItem(const Item& item);
std::string encodeItems(const Items& items);
bool decodeItems(const std::string& text, Items& items);

} // namespace tc
