// The module memory: state survives a reopen and a killed process; a damaged file is refused
// and left as it is; the call trace.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "module_fixture.h"

using MemoryTest = ModuleTest;

TEST_F(MemoryTest, StateSurvivesReopen) {
    ASSERT_EQ(SetDepartName(3, "Flowers"), 0);
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Rose", 3, 1.50, 0, "", 3), 0);
    reopen();
    EXPECT_EQ(field(0, 1), "4.50") << "the open receipt is still open";
    ASSERT_EQ(pay(5), 0);
    reopen();
    EXPECT_EQ(field(313, 2), "Flowers");
    EXPECT_EQ(field(313, 3), "4.50");
    EXPECT_EQ(field(2, 1), "2");
}

TEST_F(MemoryTest, ProcessKilledAfterSuccessLosesNothing) {
    reopen(); // the child opens its own connection
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int rc = SetVAT(2, 7.5) | MoneyInCurr(0, 12.34) |
                 SetHeaderEx2(0x41, "KILLED SHOP", 0, "", 0, "", 0, "", 0, "", 0, "");
        if (rc != 0)
            _exit(1);
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "child failed before being killed";
    EXPECT_EQ(field(42, 2), "7.50");
    EXPECT_EQ(field(50, 2), "12.34");
    EXPECT_EQ(field(10, 2), "KILLED SHOP");
}

TEST_F(MemoryTest, ChangesByAnotherProcessAreSeen) {
    ASSERT_EQ(SetCredit(0, "Visa"), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        tc::closeModule();
        _exit(SetCredit(0, "Maestro") == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(field(60, 2), "Maestro");
}

TEST_F(MemoryTest, DamagedFileIsRefusedAndNotOverwritten) {
    reopen();
    { std::ofstream(path_) << "this is not a module memory file, but someone's notes"; }
    char buf[256];
    EXPECT_EQ(GetFiscalInfo(1, buf), 201);
    EXPECT_EQ(SetVAT(0, 10), 201);
    std::stringstream kept;
    kept << std::ifstream(path_).rdbuf();
    EXPECT_EQ(kept.str(), "this is not a module memory file, but someone's notes");
}

TEST_F(MemoryTest, UnopenableFileIsRefused) {
    setenv("TILLCORE_DB", (dir_ + "/missing-folder/module.sqlite").c_str(), 1);
    reopen();
    EXPECT_EQ(BeginFiscalReceipt(), 200);
}

TEST_F(MemoryTest, FreshModuleInMemoryIsReadyToSell) {
    setenv("TILLCORE_DB", ":memory:", 1);
    reopen();
    EXPECT_EQ(field(30, 3), "1.000000");
    EXPECT_EQ(field(320, 2), "Diesel");
    EXPECT_EQ(field(9, 1), "TRAINING READY");
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Apple", 1, 0.5, 0, "kg", 0), 0);
    EXPECT_EQ(pay(0.5), 0);
}

TEST_F(MemoryTest, TraceAppendsOneLinePerCall) {
    std::string trace = dir_ + "/trace.log";
    setenv("TILLCORE_TRACE", trace.c_str(), 1);
    SetVAT(9, 1.5);
    SetCurrency(1, "US\"D", 0.9);
    unsetenv("TILLCORE_TRACE");
    std::ifstream in(trace);
    std::string l1, l2, l3;
    std::getline(in, l1);
    std::getline(in, l2);
    EXPECT_FALSE(std::getline(in, l3));
    EXPECT_NE(l1.find("SetVAT(9, 1.5) -> 2 "), std::string::npos) << l1;
    EXPECT_NE(l2.find("SetCurrency(1, \"US\\\"D\", 0.9) -> 0 "), std::string::npos) << l2;
    EXPECT_NE(l2.find("us"), std::string::npos);
}

TEST_F(MemoryTest, ReceiptItemsAndAdjustmentSurviveEveryReopen) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Bread", 2, 1.25, 0, "", 0), 0);
    reopen();
    ASSERT_EQ(PrintRecItemDepart("Cheese", 1, 4.00, 0, "", 0), 0);
    reopen();
    ASSERT_EQ(DiscountAdditionForItem(2, -0.50), 0) << "adjusts the last item, saved by an earlier call";
    reopen();
    EXPECT_EQ(field(0, 1), "6.00");
    EXPECT_EQ(DiscountAdditionForItem(2, -0.10), 14) << "the adjustment was kept";
    ASSERT_EQ(PrintRecItemDepart("Milk", 1, 0.99, 0, "", 0), 0);
    reopen();
    EXPECT_EQ(DiscountAdditionForItem(1, 10), 0) << "the new last item is not adjusted yet";
    ASSERT_EQ(pay(10), 0);
    reopen();
    EXPECT_EQ(field(310, 3), "7.09");
    EXPECT_EQ(field(0, 1), "0.00");
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    EXPECT_EQ(DiscountAdditionForItem(2, -0.10), 13) << "a new receipt starts without items";
    ASSERT_EQ(PrintCopyOfLastReceipt(), 11);
    ASSERT_EQ(ResetFiscal(), 0);
    ASSERT_EQ(PrintCopyOfLastReceipt(), 0) << "the last receipt's paper was kept for its copy";
}

TEST_F(MemoryTest, AnotherProcessSellingIntoTheOpenReceiptIsSeen) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Apple", 1, 1.00, 0, "", 0), 0);
    int lengthBefore = std::stoi(info(910)[0]);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        tc::closeModule();
        _exit(PrintRecItemDepart("Pear", 1, 2.00, 0, "", 0) == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(field(0, 1), "3.00");
    EXPECT_GT(std::stoi(info(910)[0]), lengthBefore);
    ASSERT_EQ(PrintRecItemDepart("Plum", 1, 4.00, 0, "", 0), 0);
    ASSERT_EQ(pay(7), 0);
    std::vector<char> buf(100000, 0);
    ASSERT_EQ(GetFiscalInfo2Ex(911, lengthBefore, buf.data(), int(buf.size())), 0);
    std::string tail = buf.data();
    EXPECT_LT(tail.find("Pear"), tail.find("Plum"));
    EXPECT_NE(tail.find("7.00"), std::string::npos) << tail;
}

// A writer elsewhere holds the file's write lock: reading calls still answer at once, so they
// neither take that lock nor write.
TEST_F(MemoryTest, ReadingCallsNeedNoWriteLock) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Apple", 1, 1.00, 0, "", 0), 0);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    char buf[1024];
    EXPECT_EQ(GetFiscalInfo(0, buf), 0);
    EXPECT_STREQ(buf, "1.00\x1c");
    EXPECT_EQ(GetFiscalInfo2(357, 0, buf), 0);
    EXPECT_EQ(GetFiscalInfo2Ex(911, 0, buf, sizeof buf), 0);
    EXPECT_EQ(GetBadBlocks(buf), 0);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

// A module file written by the emulator's first storage format (one row per field), holding a
// Z report and an open receipt with an adjusted item, is upgraded where it lies.
TEST_F(MemoryTest, FileOfTheFirstFormatIsUpgradedInPlace) {
    std::string copy = "cp '" TILLCORE_TEST_DATA "/module-format1.sqlite' '" + path_ + "'";
    ASSERT_EQ(std::system(copy.c_str()), 0);
    reopen();
    EXPECT_EQ(info(910), (std::vector<std::string>{"2105", "122485F8"}));
    EXPECT_EQ(field(0, 1), "12.50");
    EXPECT_EQ(field(10, 2), "FORMAT ONE SHOP");
    EXPECT_EQ(field(2, 1), "2");
    EXPECT_EQ(field(7, 1), "1");
    EXPECT_EQ(DiscountAdditionForItem(2, -0.10), 14) << "the last item's adjustment was kept";
    ASSERT_EQ(pay(20), 0);
    reopen();
    EXPECT_EQ(field(313, 3), "1.50");
    EXPECT_EQ(field(312, 3), "11.00");
    std::vector<char> buf(100000, 0);
    ASSERT_EQ(GetFiscalInfo2Ex(911, 0, buf.data(), int(buf.size())), 0);
    std::string journal = buf.data();
    auto head = info(910);
    EXPECT_EQ(std::to_string(journal.size()), head[0]);
    char crc[16];
    snprintf(crc, sizeof crc, "%08X", LoadJournalCrc(0, journal.c_str(), int(journal.size())));
    EXPECT_EQ(crc, head[1]);
    EXPECT_NE(journal.find("Tulip"), std::string::npos);
    EXPECT_NE(journal.find("CHANGE"), std::string::npos);
}

namespace {

std::string fileBytes(const std::string& path) {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// Flips one bit in every copy of a text in the file (SQLite may keep stale copies in free
// space; the live one is among them).
void flipBitIn(std::string& bytes, const std::string& text) {
    size_t copies = 0;
    for (size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1), ++copies)
        bytes[at + 3] = char(bytes[at + 3] ^ 0x01);
    ASSERT_GT(copies, 0u) << text;
}

struct Damage {
    const char* what;
    void (*apply)(std::string& bytes);
};

const Damage kDamages[] = {
    {"a flipped bit inside journal text", [](std::string& b) { flipBitIn(b, "ONLY ON THE PAPER ROLL"); }},
    {"a flipped bit inside a saved field", [](std::string& b) { flipBitIn(b, "DISPLAY ONLY"); }},
    {"the file cut short by one byte", [](std::string& b) { b.pop_back(); }},
    {"the file cut short by 100 bytes", [](std::string& b) { b.resize(b.size() - 100); }},
};

} // namespace

// Damage anywhere in the file: every call answers 201, nothing of it is served, and the file is
// left byte for byte as it was.
TEST_F(MemoryTest, DamageInsideTheFileIsRefusedAndNotOverwritten) {
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.what);
        reopen();
        std::remove(path_.c_str());
        ASSERT_EQ(CustomerDisplay(0, "DISPLAY ONLY", ""), 0);
        ASSERT_EQ(BeginNonFiscalReceipt(), 0);
        ASSERT_EQ(PrintNonFiscalLine("ONLY ON THE PAPER ROLL", 0x41), 0);
        ASSERT_EQ(EndNonFiscalReceipt(), 0);
        ASSERT_EQ(BeginFiscalReceipt(), 0);
        ASSERT_EQ(PrintRecItemDepart("Milk", 1, 1.00, 0, "", 0), 0);
        ASSERT_EQ(pay(1), 0);
        reopen(); // closed: everything is in the file itself
        std::string bytes = fileBytes(path_);
        d.apply(bytes);
        { std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes; }

        char buf[1024] = "untouched";
        EXPECT_EQ(GetFiscalInfo2Ex(911, 0, buf, sizeof buf), 201);
        EXPECT_STREQ(buf, "") << "nothing served";
        EXPECT_EQ(GetFiscalInfo(910, buf), 201);
        EXPECT_EQ(GetFiscalInfo(1, buf), 201);
        EXPECT_EQ(SetVAT(0, 10), 201);
        EXPECT_EQ(BeginFiscalReceipt(), 201);
        EXPECT_EQ(PrintXReport(), 201);
        reopen();
        EXPECT_EQ(GetFiscalInfo(1, buf), 201) << "also after a reopen";
        reopen();
        EXPECT_TRUE(fileBytes(path_) == bytes) << "the file was written";
    }
}
