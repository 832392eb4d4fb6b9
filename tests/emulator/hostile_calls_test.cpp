// Random calls with hostile arguments, run under AddressSanitizer and UndefinedBehavior-
// Sanitizer: nothing may crash or write past the binding's buffer sizes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "hostile_calls.h"
#include "tillcore.h"

namespace {
std::mt19937_64 rng(20240611);
uint64_t draw() {
    return rng();
}
} // namespace

TEST(HostileCalls, RandomArgumentsNeverCrashOrOverrun) {
    setenv("TILLCORE_DB", ":memory:", 1);
    hostile::setSource(&draw);
    hostile::texts() = hostile::defaultTexts();
    for (int i = 0; i < 12000; ++i) {
        // Mostly valid receipts, so deep paths run; hostile calls in between.
        if (rng() % 4 == 0)
            hostile::validReceipt();
        ASSERT_TRUE(hostile::oneCall(int(rng() % hostile::callKinds))) << "answer not terminated";
    }
    // The module still answers sensibly afterwards.
    char buf[256];
    EXPECT_EQ(GetFiscalInfo(910, buf), 0);
    std::vector<char> journal(1 << 22);
    int rc = GetFiscalInfo2Ex(911, 0, journal.data(), int(journal.size()));
    EXPECT_TRUE(rc == 0 || rc == 21);
}
