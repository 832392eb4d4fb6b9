// Faults set from outside: what each refuses, what codes 9, 307 and 914 answer meanwhile, and
// that clearing it leaves the module memory exactly as it was.
#include <sqlite3.h>

#include <chrono>
#include <functional>

#include "module_fixture.h"
#include "tillcore_module.h"

namespace {

using Call = std::function<int()>;

int openReceipt() {
    int rc = BeginFiscalReceipt();
    return rc ? rc : PrintRecItemDepart("Milk", 1, 1.00, 0, "", 0);
}
int sellOne() {
    return PrintRecItemDepart("Bread", 1, 2.00, 0, "", 0);
}
int payReceipt() {
    int rc = openReceipt();
    return rc ? rc : EndFiscalReceiptCurrEx(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}
int automatSale() {
    return PrRecItemFuelAutomat(0, 0, 1, 1.59, 0, 0, 0);
}
int nonFiscalLine() {
    return PrintNonFiscalLine("hello", 0x41);
}

struct Refusal {
    const char* what;
    Call prepare; // before the fault is set; may be empty
    Call call;    // refused while the fault is set, answered 0 once it is cleared
    int code;
};

struct FaultCase {
    const char* name;
    const char* value;
    std::vector<Refusal> refused;
    std::vector<Call> allowed; // still answered 0 while the fault is set
    int mask;                  // hardware mask of code 9
    const char* status;        // extended status bytes of code 9, joined by blanks
    const char* printer;       // code 307, joined by blanks
    const char* card;          // code 914: free and total, joined by a blank; "*" the module's own
};

const Refusal kDocuments[] = {
    {"receipt", {}, BeginFiscalReceipt, 0},
    {"item in an open receipt", BeginFiscalReceipt, sellOne, 0},
    {"payment", openReceipt, [] { return EndFiscalReceiptCurrEx(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0); }, 0},
    {"non-fiscal line", BeginNonFiscalReceipt, nonFiscalLine, 0},
    {"X report", {}, PrintXReport, 0},
    {"Z report", payReceipt, PrintZReport, 0},
    {"money in", {}, [] { return MoneyInCurr(0, 10); }, 0},
};

std::vector<Refusal> documents(int code) {
    std::vector<Refusal> out(std::begin(kDocuments), std::end(kDocuments));
    for (Refusal& r : out)
        r.code = code;
    return out;
}

// Calls that print nothing go on under every printing fault.
const std::vector<Call> kQuiet = {
    [] { return SetDepartName(2, "Garden"); },
    [] { return SetCredit(1, "Cheque"); },
    [] { return OpenCashDrawer(); },
};

std::vector<FaultCase> cases() {
    return {
        {"paper-out", nullptr, documents(40), kQuiet, 0x01, "01 00 00", "8 32 0 96", "*"},
        {"cover-open", nullptr, documents(41), kQuiet, 0x01, "02 00 00", "8 4 0 0", "*"},
        {"printer-offline", nullptr, documents(42), kQuiet, 0x01, "04 00 00", "8 64 0 0", "*"},
        {"card-full", nullptr, documents(43), kQuiet, 0x02, "00 01 00", "0 0 0 0", "0 3872256"},
        {"card-missing", nullptr, documents(44), kQuiet, 0x02, "00 02 00", "0 0 0 0", "0 0"},
        {"hardware-error", nullptr, documents(46), kQuiet, 0x20, "00 00 01", "0 0 0 0", "*"},
        {"fiscal-memory-full",
         nullptr,
         {{"Z report", payReceipt, PrintZReport, 45}},
         {payReceipt, PrintXReport},
         0x04,
         "00 04 00",
         "0 0 0 0",
         "*"},
        {"shift-expired",
         nullptr,
         {{"receipt", {}, BeginFiscalReceipt, 47},
          {"item in an open receipt", BeginFiscalReceipt, sellOne, 47},
          {"fuel automat sale", {}, automatSale, 47}},
         {[] { return MoneyInCurr(0, 10); }, PrintXReport},
         0,
         "00 00 02",
         "0 0 0 0",
         "*"},
        {"fail",
         "SetVAT 23",
         {{"the named function", {}, [] { return SetVAT(3, 9); }, 23}},
         {[] { return SetDepartName(5, "Fresh"); }, BeginFiscalReceipt},
         0,
         "00 00 00",
         "0 0 0 0",
         "*"},
    };
}

std::string joined(const std::vector<std::string>& fields, size_t from, size_t count) {
    std::string out;
    for (size_t i = from; i < from + count && i < fields.size(); ++i)
        out += (i > from ? " " : "") + fields[i];
    return out;
}

} // namespace

class FaultTest : public ModuleTest {
protected:
    // Everything the module memory holds, as text: tables, rows, in a fixed order.
    std::string memory() {
        info(910); // the module memory exists from the first call on
        sqlite3* db = nullptr;
        std::string out;
        EXPECT_EQ(sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        for (const char* sql : {"SELECT name, sql FROM sqlite_master ORDER BY name",
                                "SELECT key, hex(value) FROM module ORDER BY key",
                                "SELECT offset, hex(text) FROM journal ORDER BY offset",
                                "SELECT number, date, hex(record) FROM fiscal ORDER BY number"}) {
            sqlite3_stmt* s = nullptr;
            EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), SQLITE_OK) << sql;
            while (sqlite3_step(s) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(s); ++c) {
                    const unsigned char* t = sqlite3_column_text(s, c);
                    out += (t ? reinterpret_cast<const char*>(t) : "NULL") + std::string("|");
                }
            out += "\n";
            sqlite3_finalize(s);
        }
        sqlite3_close(db);
        return out;
    }
    static std::string faults() {
        char buf[1024];
        EXPECT_EQ(TillcoreModuleFaults(buf, sizeof buf), 0);
        return joined(fields(buf), 0, 100);
    }
};

TEST_F(FaultTest, EachFaultRefusesItsCallsUntilCleared) {
    for (const FaultCase& f : cases())
        for (const Refusal& r : f.refused) {
            SCOPED_TRACE(std::string(f.name) + ": " + r.what);
            if (r.prepare) {
                ASSERT_EQ(r.prepare(), 0);
            }
            std::string before = memory();
            ASSERT_EQ(TillcoreModuleSetFault(f.name, f.value), 0);
            EXPECT_EQ(r.call(), r.code);
            EXPECT_EQ(r.call(), r.code) << "the fault is still in force";
            ASSERT_EQ(TillcoreModuleClearFault(f.name), 0);
            EXPECT_TRUE(memory() == before) << "a fault or its refusals left a trace in the module memory";
            EXPECT_EQ(r.call(), 0) << "clearing the fault restores normal work";
            TearDown();
            SetUp();
        }
}

TEST_F(FaultTest, EachFaultShowsInStatusPrinterAndCardAnswers) {
    for (const FaultCase& f : cases()) {
        SCOPED_TRACE(f.name);
        std::string ownCard = joined(info(914), 0, 2);
        ASSERT_EQ(TillcoreModuleSetFault(f.name, f.value), 0);
        auto state = info(9);
        ASSERT_EQ(state.size(), 5u);
        EXPECT_EQ(state[0], "TRAINING READY");
        EXPECT_EQ(state[1], f.mask ? std::string(1, char(f.mask)) : std::string());
        EXPECT_EQ(joined(state, 2, 3), f.status);
        EXPECT_EQ(joined(info(307), 0, 4), f.printer);
        std::string card = joined(info(914), 0, 2);
        EXPECT_EQ(card, std::string(f.card) == "*" ? ownCard : f.card);
        for (const Call& call : f.allowed)
            EXPECT_EQ(call(), 0) << "a call the fault does not concern was refused";
        ASSERT_EQ(TillcoreModuleClearFault(nullptr), 0);
        EXPECT_EQ(joined(info(9), 1, 4), " 00 00 00") << "cleared: no mask, no status bit";
        EXPECT_EQ(joined(info(307), 0, 4), "0 0 0 0");
        ResetFiscal();
    }
}

TEST_F(FaultTest, SeveralFaultsCombineTheirBitsAndTheHardestRefuses) {
    ASSERT_EQ(TillcoreModuleSetFault("paper-out", nullptr), 0);
    ASSERT_EQ(TillcoreModuleSetFault("card-full", ""), 0);
    ASSERT_EQ(TillcoreModuleSetFault("hardware-error", nullptr), 0);
    auto state = info(9);
    EXPECT_EQ(state[1], std::string(1, char(0x23)));
    EXPECT_EQ(joined(state, 2, 3), "01 01 01");
    EXPECT_EQ(BeginFiscalReceipt(), 46);
    ASSERT_EQ(TillcoreModuleClearFault("hardware-error"), 0);
    EXPECT_EQ(BeginFiscalReceipt(), 40);
    ASSERT_EQ(TillcoreModuleClearFault("paper-out"), 0);
    EXPECT_EQ(BeginFiscalReceipt(), 43);
    EXPECT_EQ(faults(), "card-full ");
}

TEST_F(FaultTest, ZReportEndsTheExpiredShift) {
    ASSERT_EQ(payReceipt(), 0);
    ASSERT_EQ(TillcoreModuleSetFault("shift-expired", nullptr), 0);
    EXPECT_EQ(BeginFiscalReceipt(), 47);
    ASSERT_EQ(PrintZReport(), 0);
    EXPECT_EQ(faults(), "");
    EXPECT_EQ(BeginFiscalReceipt(), 0);
}

TEST_F(FaultTest, RefusedZKeepsTheExpiredShift) {
    ASSERT_EQ(TillcoreModuleSetFault("shift-expired", nullptr), 0);
    ASSERT_EQ(TillcoreModuleSetFault("paper-out", nullptr), 0);
    EXPECT_EQ(PrintZReport(), 40);
    EXPECT_EQ(faults(), "paper-out  shift-expired ");
    reopen();
    EXPECT_EQ(BeginFiscalReceipt(), 47);
}

TEST_F(FaultTest, FailOnceAnswersOnceThenTheFunctionWorks) {
    ASSERT_EQ(TillcoreModuleSetFault("fail", "SetDepartName 203 once"), 0);
    ASSERT_EQ(TillcoreModuleSetFault("fail", "GetFiscalInfo 200"), 0);
    EXPECT_EQ(faults(), "fail GetFiscalInfo 200 fail SetDepartName 203 once");
    EXPECT_EQ(SetDepartName(1, "Wine"), 203);
    EXPECT_EQ(SetDepartName(1, "Wine"), 0);
    char buf[256] = "x";
    EXPECT_EQ(GetFiscalInfo(311, buf), 200);
    EXPECT_STREQ(buf, "") << "a failed read answers nothing";
    EXPECT_EQ(faults(), "fail GetFiscalInfo 200");
    ASSERT_EQ(TillcoreModuleClearFault("fail GetFiscalInfo"), 0);
    EXPECT_EQ(field(311, 2), "Wine") << "the call after the failed one did its work";
    // A reading call uses up its failure too, though it writes nothing else.
    ASSERT_EQ(TillcoreModuleSetFault("fail", "GetBadBlocks 203 once"), 0);
    char blocks[256];
    EXPECT_EQ(GetBadBlocks(blocks), 203);
    EXPECT_EQ(GetBadBlocks(blocks), 0);
    EXPECT_EQ(faults(), "");
}

TEST_F(FaultTest, LatencyHoldsEveryCallBack) {
    using clock = std::chrono::steady_clock;
    auto timed = [](const Call& call) {
        auto start = clock::now();
        EXPECT_EQ(call(), 0);
        return std::chrono::duration_cast<std::chrono::milliseconds>(clock::now() - start).count();
    };
    ASSERT_EQ(TillcoreModuleSetFault("latency", "150"), 0);
    EXPECT_GE(timed([] { return SetVAT(3, 1); }), 150);
    EXPECT_GE(timed([] { return LoadJournalCrc(0, "abc", 3) == 0x352441c2u ? 0 : 1; }), 150);
    ASSERT_EQ(TillcoreModuleClearFault("latency"), 0);
    EXPECT_LT(timed([] { return SetVAT(3, 1); }), 150);
}

TEST_F(FaultTest, BadFaultsAreRefusedAndNothingIsSet) {
    struct Bad {
        const char* name;
        const char* value;
        int code;
    } bad[] = {
        {"paper-jam", nullptr, 2},
        {"paper-out", "1", 3},
        {"latency", nullptr, 3},
        {"latency", "0", 3},
        {"latency", "60001", 3},
        {"latency", "12ms", 3},
        {"fail", nullptr, 3},
        {"fail", "SetVAT", 3},
        {"fail", "SetVat 23", 2},
        {"fail", "LoadJournalCrc 5", 2},
        {"fail", "SetVAT 0", 3},
        {"fail", "SetVAT 23 twice", 3},
        {"fail", "SetVAT 23 once more", 3},
        {nullptr, nullptr, 1},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(std::string(b.name ? b.name : "NULL") + " " + (b.value ? b.value : "NULL"));
        EXPECT_EQ(TillcoreModuleSetFault(b.name, b.value), b.code);
    }
    EXPECT_EQ(TillcoreModuleClearFault("paper-jam"), 2);
    EXPECT_EQ(TillcoreModuleClearFault("fail NoSuchFunction"), 2);
    EXPECT_EQ(faults(), "");
}

TEST_F(FaultTest, DamagedMemoryTakesNoFault) {
    reopen();
    {
        FILE* f = fopen(path_.c_str(), "w");
        ASSERT_NE(f, nullptr);
        fputs("not a module", f);
        fclose(f);
    }
    EXPECT_EQ(TillcoreModuleSetFault("paper-out", nullptr), 201);
    EXPECT_EQ(TillcoreModuleClearFault(nullptr), 201);
    FILE* f = fopen(path_.c_str(), "r");
    char kept[64] = {};
    ASSERT_NE(fgets(kept, sizeof kept, f), nullptr);
    fclose(f);
    EXPECT_STREQ(kept, "not a module");
}

TEST_F(FaultTest, ClockMovesAndReturnsToTheHost) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(TillcoreModuleSetClock("20310704", "2359"), 0) << "a document may be open";
    EXPECT_EQ(field(5, 1), "20310704");
    EXPECT_EQ(field(6, 1), "2359");
    EXPECT_EQ(TillcoreModuleSetClock("20310231", "1200"), 5);
    EXPECT_EQ(TillcoreModuleSetClock("20310704", nullptr), 1);
    ASSERT_EQ(TillcoreModuleSetClock(nullptr, nullptr), 0);
    time_t now = time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    char today[16];
    strftime(today, sizeof today, "%Y%m%d", &local);
    EXPECT_EQ(field(5, 1), today);
}

TEST_F(FaultTest, RecordsListEveryZWithItsFigures) {
    ASSERT_EQ(payReceipt(), 0);
    ASSERT_EQ(PrintZReport(), 0);
    ASSERT_EQ(PrintZReport(), 0);
    char small[8];
    EXPECT_EQ(TillcoreModuleRecords(small, sizeof small), 163);
    char buf[8192];
    ASSERT_EQ(TillcoreModuleRecords(buf, sizeof buf), 0);
    auto f = fields(buf);
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[0], "1");
    EXPECT_EQ(f[1], field(5, 1));
    EXPECT_NE(f[2].find("\nsales=100\n"), std::string::npos) << f[2];
    EXPECT_EQ(f[3], "2");
    EXPECT_NE(f[5].find("\nsales=0\n"), std::string::npos) << f[5];
}

TEST_F(FaultTest, ResetKeepsABackupAndStartsFresh) {
    ASSERT_EQ(payReceipt(), 0);
    ASSERT_EQ(PrintZReport(), 0);
    ASSERT_EQ(SetDepartName(0, "Bakery"), 0);
    ASSERT_EQ(TillcoreModuleSetFault("paper-out", nullptr), 0);
    std::string before = memory();
    std::string backup = dir_ + "/backup.sqlite";
    ASSERT_EQ(TillcoreModuleReset(backup.c_str()), 0);
    EXPECT_EQ(TillcoreModuleReset(backup.c_str()), 3) << "an existing backup is never overwritten";
    EXPECT_EQ(field(7, 1), "0");
    EXPECT_EQ(field(310, 2), "Food");
    EXPECT_EQ(field(910, 1), "0");
    EXPECT_EQ(faults(), "");
    EXPECT_EQ(BeginFiscalReceipt(), 0);
    // The backup is the module as it was, and works as a module memory of its own.
    std::string current = path_;
    path_ = backup;
    EXPECT_TRUE(memory() == before);
    setenv("TILLCORE_DB", backup.c_str(), 1);
    reopen();
    EXPECT_EQ(field(310, 2), "Bakery");
    EXPECT_EQ(field(7, 1), "1");
    path_ = current;
}
