// The module memory: state survives a reopen and a killed process; a damaged file is refused
// and left as it is; the call trace.
#include <signal.h>
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
