// module_fixture.h - a fresh module in its own memory file for every test, and helpers that
// read answers the way the console splits them.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tillcore.h"

namespace tc {
void closeModule(); // test hook of the emulator: the next call reopens the memory file
}

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/tillcore-test-XXXXXX";
        dir_ = mkdtemp(tmpl);
        path_ = dir_ + "/module.sqlite";
        setenv("TILLCORE_DB", path_.c_str(), 1);
        unsetenv("TILLCORE_TRACE");
        tc::closeModule();
    }
    void TearDown() override {
        tc::closeModule();
        std::string cmd = "rm -rf '" + dir_ + "'";
        if (std::system(cmd.c_str()) != 0)
            ADD_FAILURE() << "cleanup failed";
    }
    void reopen() { tc::closeModule(); }

    // Fields that an FS ends, as the console counts them.
    static std::vector<std::string> fields(const char* answer) {
        std::vector<std::string> out;
        std::string cur;
        for (const char* p = answer; *p; ++p) {
            if (*p == TILLCORE_FS) {
                out.push_back(cur);
                cur.clear();
            } else {
                cur += *p;
            }
        }
        return out;
    }
    static std::vector<std::string> info(int code) {
        char buf[512] = {};
        EXPECT_EQ(GetFiscalInfo(code, buf), 0) << "code " << code;
        return fields(buf);
    }
    static std::string field(int code, size_t n) { // n counted from 1
        auto f = info(code);
        return n <= f.size() ? f[n - 1] : "<missing>";
    }
    static int pay(double cash1, double credit1 = 0, double cash2 = 0) {
        return EndFiscalReceiptCurrEx(cash1, credit1, 0, 0, 0, 0, 0, 0, 0, cash2, 0, 0);
    }

    std::string dir_, path_;
};
