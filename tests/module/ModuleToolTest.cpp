// tillmate-module as a user runs it: a separate process on the module memory that this test
// process holds open through libtillcore.so.1, as a console or a till program would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tillcore.h"

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path) {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// Runs the tool with args (and stdin from /dev/null), waits for it, and collects its output.
Result RunTool(const std::vector<std::string>& args, const std::string& dir) {
    std::string out = dir + "/out.txt", err = dir + "/err.txt";
    pid_t pid = fork();
    if (pid == 0) {
        int in = open("/dev/null", O_RDONLY);
        int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(o, 1);
        dup2(e, 2);
        std::vector<char*> argv{const_cast<char*>(TILLMATE_MODULE_TOOL)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Result r;
    int status = 0;
    waitpid(pid, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

int SellAndPay(const char* name, double price) {
    int rc = BeginFiscalReceipt();
    rc = rc ? rc : PrintRecItemDepart(name, 1, price, 0, "", 0);
    return rc ? rc : EndFiscalReceiptCurrEx(price, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

std::vector<std::string> Fields(int code) {
    char buf[512] = {};
    EXPECT_EQ(GetFiscalInfo(code, buf), 0);
    std::vector<std::string> out;
    std::string cur;
    for (const char* p = buf; *p; ++p)
        if (*p == TILLCORE_FS)
            out.push_back(cur), cur.clear();
        else
            cur += *p;
    return out;
}

} // namespace

// One module file per test; this process opens it first and keeps it open.
class ModuleToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/tillmate-module-test-XXXXXX";
        dir_ = mkdtemp(tmpl);
        path_ = dir_ + "/module.sqlite";
        // The library reads TILLCORE_DB when it first opens the module; each test runs in a
        // process of its own (gtest_discover_tests), so this is the file for the whole test.
        setenv("TILLCORE_DB", path_.c_str(), 1);
        ASSERT_EQ(SellAndPay("Bread", 3), 0);
        ASSERT_EQ(PrintZReport(), 0);
    }
    void TearDown() override {
        std::string cmd = "rm -rf '" + dir_ + "'";
        if (std::system(cmd.c_str()) != 0)
            ADD_FAILURE() << "cleanup failed";
    }
    Result Tool(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", path_});
        return RunTool(args, dir_);
    }
    std::string dir_, path_;
};

// Each step runs in order on the same module; out and err must contain each of their texts.
struct Step {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> out, err;
};

TEST_F(ModuleToolTest, CommandsAnswerInTextAndJson) {
    const Step steps[] = {
        {{"status"},
         0,
         {"Mode            training\n", "Document        none\n", "Z reports       1\n",
          "Cash            EUR 3.00\n", "Hardware        mask 00, status bytes 00 00 00\n",
          "Printer status  0 0 0 0\n", "Faults          none\n"},
         {}},
        {{"--json", "status"},
         0,
         {"\"mode\":\"training\"", "\"document\":\"none\"", "\"z_reports\":1,",
          "\"cash\":[{\"currency\":\"EUR\",\"amount\":3.00}]", "\"hardware_mask\":0,",
          "\"printer_status\":[0,0,0,0]", "\"faults\":[]}\n"},
         {}},
        {{"records"}, 0, {"Grand total\n", "     1  ", "            3.00              3.00  training\n"}, {}},
        {{"--json", "records"},
         0,
         {"[{\"number\":1,", "\"training\":true,", "\"sales\":300,", "\"receipts\":1,"},
         {}},
        {{"journal"}, 0, {"RECEIPT 1\n", "Bread\n", "Z REPORT 1\n"}, {}},
        {{"--json", "journal", "--from", "0"}, 0, {"{\"from\":0,\"length\":", "RECEIPT 1\\n"}, {}},
        {{"fault", "set", "paper-out"}, 0, {"faults in force: paper-out\n"}, {}},
        {{"fault", "set", "fail", "SetVAT", "23", "once"},
         0,
         {"faults in force: fail SetVAT 23 once, paper-out\n"},
         {}},
        {{"--json", "fault", "list"},
         0,
         {"{\"faults\":[{\"name\":\"fail SetVAT\",\"value\":\"23 "
          "once\"},{\"name\":\"paper-out\",\"value\":\"\"}],"
          "\"known\":[\"paper-out\","},
         {}},
        {{"fault", "list"}, 0, {"paper-out ", " SET\n", " SetVAT 23 once\n", "\nlatency "}, {}},
        {{"status"},
         0,
         {"Hardware        mask 01, status bytes 01 00 00\n", "Printer status  8 32 0 96\n"},
         {}},
        {{"--json", "status"},
         0,
         {"\"hardware_mask\":1,", "\"status_bytes\":[1,0,0]", "\"printer_status\":[8,32,0,96]"},
         {}},
        {{"fault", "clear", "fail", "SetVAT"}, 0, {"faults in force: paper-out\n"}, {}},
        {{"fault", "clear"}, 0, {"faults in force: none\n"}, {}},
        {{"clock", "set", "2031-07-04", "23:59"}, 0, {"module clock: 2031-07-04 23:59\n"}, {}},
        {{"--json", "clock", "host"}, 0, {"{\"module\":\""}, {}},
        // bad arguments: a message, exit status 2, nothing changed
        {{"fault", "set", "paper-jam"}, 2, {}, {"no fault 'paper-jam'"}},
        {{"fault", "set", "latency", "0"}, 2, {}, {"latency takes MS (1..60000), not '0'"}},
        {{"fault", "set", "fail", "SetVat", "23"}, 2, {}, {"no device function 'SetVat'"}},
        {{"fault", "set", "paper-out", "now"}, 2, {}, {"paper-out takes no value"}},
        {{"fault", "toggle"}, 2, {}, {"fault: 'list', 'set' or 'clear', not 'toggle'"}},
        {{"clock", "set", "2031-02-30", "10:00"}, 2, {}, {"no such date and time: 2031-02-30 10:00"}},
        {{"clock", "set", "tomorrow", "10:00"}, 2, {}, {"not a date (YYYY-MM-DD): 'tomorrow'"}},
        {{"journal", "--from", "-5"}, 2, {}, {"--from needs a byte offset (0 or more), not '-5'"}},
        {{"journal", "--from", "ten"}, 2, {}, {"--from needs a byte offset"}},
        {{"journal", "--from", "99999999"}, 2, {}, {"is beyond the journal's end"}},
        {{"status", "--follow"}, 2, {}, {"--follow and --from belong to 'journal'"}},
        {{"status", "now"}, 2, {}, {"'status': unexpected 'now'"}},
        {{"bogus"}, 2, {}, {"unknown command 'bogus'"}},
        {{"reset"}, 2, {}, {"without a terminal, say --yes"}},
        {{"status"}, 0, {"Z reports       1\n", "Faults          none\n"}, {}},
    };
    for (const Step& s : steps) {
        std::string line;
        for (const std::string& a : s.args)
            line += a + " ";
        SCOPED_TRACE(line);
        Result r = Tool(s.args);
        EXPECT_EQ(r.status, s.status) << r.err;
        for (const std::string& want : s.out)
            EXPECT_NE(r.out.find(want), std::string::npos) << "missing: " << want << "\nin:\n" << r.out;
        for (const std::string& want : s.err)
            EXPECT_NE(r.err.find(want), std::string::npos) << "missing: " << want << "\nin:\n" << r.err;
        if (s.status != 0) {
            EXPECT_EQ(r.out, "") << "a refused command printed a result";
        }
    }
}

TEST_F(ModuleToolTest, MissingEmptyOrDamagedFileIsReportedAndLeftAlone) {
    struct Case {
        const char* file;
        const char* content; // nullptr: no file at all
        const char* message;
    } cases[] = {
        {"missing.sqlite", nullptr, "no module memory file there"},
        {"empty.sqlite", "", "empty file, not a module memory; left untouched"},
        {"notes.sqlite", "shopping list: milk, bread", "damaged, or not a module memory; left untouched"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::string file = dir_ + "/" + c.file;
        if (c.content)
            std::ofstream(file) << c.content;
        for (const char* command : {"status", "journal", "records"}) {
            Result r = RunTool({"--db", file, command}, dir_);
            EXPECT_EQ(r.status, 1);
            EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        }
        Result r = RunTool({"--db", file, "fault", "set", "paper-out"}, dir_);
        EXPECT_EQ(r.status, 1);
        if (c.content)
            EXPECT_EQ(ReadFile(file), c.content);
        else
            EXPECT_NE(access(file.c_str(), F_OK), 0) << "the tool created a module file";
    }
}

TEST_F(ModuleToolTest, FileComesFromTheEnvironmentWithoutDb) {
    Result r = RunTool({"status"}, dir_); // TILLCORE_DB names this test's module
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Module file     " + path_ + "\n"), std::string::npos) << r.out;
}

// The module speaks Windows-1257: the journal comes out in the terminal's encoding, JSON in UTF-8.
TEST_F(ModuleToolTest, JournalTextIsConvertedFromTheModuleCodePage) {
    ASSERT_EQ(SellAndPay("\xF0\xE2l\xEB", 1), 0); // šālė
    const std::string utf8 = "\xC5\xA1\xC4\x81l\xC4\x97";
    setenv("LC_ALL", "C.UTF-8", 1);
    Result text = Tool({"journal"});
    Result json = Tool({"--json", "journal"});
    setenv("LC_ALL", "C", 1);
    Result ascii = Tool({"journal"});
    unsetenv("LC_ALL");
    EXPECT_NE(text.out.find("\n" + utf8 + "\n"), std::string::npos) << text.out;
    EXPECT_NE(json.out.find("\\n" + utf8 + "\\n"), std::string::npos) << json.out;
    EXPECT_NE(ascii.out.find("\n??l?\n"), std::string::npos) << "an ASCII terminal gets no raw module bytes\n"
                                                             << ascii.out;
}

TEST_F(ModuleToolTest, FaultSetByTheToolIsSeenByTheNextCallOfAProcessHoldingTheModule) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Milk", 1, 1, 0, "", 0), 0);
    ASSERT_EQ(Tool({"fault", "set", "paper-out"}).status, 0);
    EXPECT_EQ(PrintRecItemDepart("Milk", 1, 1, 0, "", 0), 40);
    EXPECT_EQ(Fields(307), (std::vector<std::string>{"8", "32", "0", "96"}));
    ASSERT_EQ(Tool({"fault", "set", "card-missing"}).status, 0);
    EXPECT_EQ(Fields(914), (std::vector<std::string>{"0", "0"}));
    ASSERT_EQ(Tool({"fault", "clear"}).status, 0);
    EXPECT_EQ(PrintRecItemDepart("Milk", 1, 1, 0, "", 0), 0);
    EXPECT_EQ(Fields(0)[0], "2.00") << "the refused sale left no trace";
    ASSERT_EQ(Tool({"fault", "set", "fail", "EndFiscalReceiptCurrEx", "17", "once"}).status, 0);
    EXPECT_EQ(EndFiscalReceiptCurrEx(2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 17);
    EXPECT_EQ(EndFiscalReceiptCurrEx(2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(Tool({"fault", "list"}).out.find("SET"), std::string::npos) << "the once-failure is used up";
}

TEST_F(ModuleToolTest, FaultsDoNotHoldBackTheToolItself) {
    ASSERT_EQ(Tool({"fault", "set", "latency", "3000"}).status, 0);
    ASSERT_EQ(Tool({"fault", "set", "fail", "GetFiscalInfo2Ex", "6"}).status, 0);
    ASSERT_EQ(Tool({"fault", "set", "paper-out"}).status, 0);
    auto start = std::chrono::steady_clock::now();
    Result r = Tool({"status"});
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Printer status  8 32 0 96\n"), std::string::npos)
        << "the answers still show the faults";
    EXPECT_LT(took, std::chrono::seconds(3)) << "the tool's own calls were delayed";
    ASSERT_EQ(Tool({"fault", "clear", "latency"}).status, 0);
    char buf[512];
    EXPECT_EQ(GetFiscalInfo2Ex(1, 0, buf, sizeof buf), 6) << "the faults are still there for everyone else";
}

TEST_F(ModuleToolTest, ResetKeepsTheOldModuleAsBackup) {
    Result r = Tool({"reset", "--yes"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string said = "fresh module; the old one is kept as ";
    ASSERT_EQ(r.out.rfind(said, 0), 0u) << r.out;
    std::string backup = r.out.substr(said.size(), r.out.size() - said.size() - 1);
    EXPECT_EQ(Fields(7)[0], "0") << "this process sees the fresh module at its next call";
    EXPECT_EQ(Fields(910)[0], "0");
    Result old = RunTool({"--db", backup, "status"}, dir_);
    EXPECT_NE(old.out.find("Z reports       1\n"), std::string::npos) << old.out << old.err;
}

TEST_F(ModuleToolTest, JournalFollowPrintsADocumentMadeByAnotherProcess) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], 1);
        close(pipeFds[0]);
        execl(TILLMATE_MODULE_TOOL, TILLMATE_MODULE_TOOL, "--db", path_.c_str(), "journal", "--follow",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    // Read what the follower prints until text appears, for at most 10 seconds.
    std::string seen;
    auto waitFor = [&](const std::string& text) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (seen.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            pollfd p{pipeFds[0], POLLIN, 0};
            if (poll(&p, 1, 100) > 0) {
                char buf[4096];
                ssize_t n = read(pipeFds[0], buf, sizeof buf);
                if (n <= 0)
                    break;
                seen.append(buf, size_t(n));
            }
        }
        return seen.find(text) != std::string::npos;
    };
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // the follower starts at the end
    ASSERT_EQ(SellAndPay("Cheese", 4.2), 0);
    EXPECT_TRUE(waitFor("UNIT QF00012345")) << seen;
    EXPECT_NE(seen.find("RECEIPT 2\n"), std::string::npos) << seen;
    EXPECT_NE(seen.find("Cheese\n"), std::string::npos) << seen;
    EXPECT_EQ(seen.find("RECEIPT 1\n"), std::string::npos) << "the follower printed what was there before";
    ASSERT_EQ(PrintXReport(), 0);
    EXPECT_TRUE(waitFor("X REPORT")) << seen;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    close(pipeFds[0]);
}
