// Every Get after a Set shows what was set, in the answer layouts the console reads.
#include <cstring>

#include "module_fixture.h"

using SettingsTest = ModuleTest;

TEST_F(SettingsTest, HeaderAndFootersReadBackWithAttributes) {
    ASSERT_EQ(SetHeaderEx2(0x41, "Shop", 0xA1, "Street  ", 0, "", 0x41, "", 0x41, "", 0x41, "6"), 0);
    auto h = info(10);
    ASSERT_EQ(h.size(), 12u);
    EXPECT_EQ(h[0], "A");
    EXPECT_EQ(h[1], "Shop");
    EXPECT_EQ(h[2], "\xA1");
    EXPECT_EQ(h[3], "Street  ");
    EXPECT_EQ(h[4], "") << "attribute 0 reads as an empty field (00)";
    EXPECT_EQ(h[11], "6");
    ASSERT_EQ(SetFooter2(0x42, "bye", 0x43, "see you"), 0);
    EXPECT_EQ(info(12), (std::vector<std::string>{"B", "bye", "C", "see you"}));
    ASSERT_EQ(EnableFooter(0), 0);
    ASSERT_EQ(EnableFooter2(1), 0);
    EXPECT_EQ(field(13, 1), "0");
    EXPECT_EQ(field(14, 1), "1");
}

struct RoundTrip {
    const char* what;
    int (*set)();
    int code;
    size_t fieldNo;
    const char* expected;
};

TEST_F(SettingsTest, SingleValuesReadBack) {
    const RoundTrip cases[] = {
        {"tax 2", [] { return SetVAT(1, 21.5); }, 41, 2, "21.50"},
        {"currency name", [] { return SetCurrency(2, "USD", 0.912345); }, 32, 2, "USD"},
        {"currency rate", [] { return SetCurrency(2, "USD", 0.912345); }, 32, 3, "0.912345"},
        {"date", [] { return SetDate("20310304"); }, 5, 1, "20310304"},
        {"time", [] { return SetTime("0907"); }, 6, 1, "0907"},
        {"department", [] { return SetDepartName(7, "Garden"); }, 317, 2, "Garden"},
        {"credit", [] { return SetCredit(7, "Gift card"); }, 67, 2, "Gift card"},
        {"chassis", [] { return SetShassi("CH-777"); }, 301, 1, "CH-777"},
        {"id", [] { return SetId("ID 42"); }, 302, 1, "ID 42"},
        {"FR enabled", [] { return SetEnableFR(1); }, 303, 1, "1"},
        {"conversion type", [] { return SetConvertType(false); }, 306, 1, "0"},
        {"fuel name", [] { return SetFuel(4, "LPG", 1, 2, "kg"); }, 324, 2, "LPG"},
        {"fuel tax", [] { return SetFuel(4, "LPG", 1, 2, "kg"); }, 324, 3, "2"},
        {"fuel decimals", [] { return SetFuel(4, "LPG", 1, 2, "kg"); }, 324, 4, "1"},
        {"fuel unit", [] { return SetFuel(4, "LPG", 1, 2, "kg"); }, 324, 5, "kg"},
        {"fuel price", [] { return SetFuelPrice(1, 1.719); }, 321, 6, "1.72"},
        {"tank name", [] { return SetFuelTank(5, "North", 1, 100.5, 5000); }, 335, 2, "North"},
        {"tank fuel", [] { return SetFuelTank(5, "North", 1, 100.5, 5000); }, 335, 3, "1"},
        {"tank min", [] { return SetFuelTank(5, "North", 1, 100.5, 5000); }, 335, 4, "100.500"},
        {"tank max", [] { return SetFuelTank(5, "North", 1, 100.5, 5000); }, 335, 5, "5000.000"},
        {"pump dec", [] { return SetFuelPump(15, 3, 1, -1, -1, -1, -1, -1, -1, 9); }, 355, 2, "3"},
        {"pump nozzle 0", [] { return SetFuelPump(15, 3, 1, -1, -1, -1, -1, -1, -1, 9); }, 355, 3, "1"},
        {"pump nozzle 7", [] { return SetFuelPump(15, 3, 1, -1, -1, -1, -1, -1, -1, 9); }, 355, 10, "9"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.set(), 0);
        EXPECT_EQ(field(c.code, c.fieldNo), c.expected);
    }
}

TEST_F(SettingsTest, PrintCurrencyRowsAnswerFiveTerminatedFields) {
    ASSERT_EQ(SetPrintVal(2, true, "1.5", "20150101", "20151231"), 0);
    auto row = info(304);
    ASSERT_GE(row.size(), 5u);
    EXPECT_EQ(row[1], "1");
    EXPECT_EQ(row[2], "1.5");
    EXPECT_EQ(row[3], "20150101");
    EXPECT_EQ(row[4], "20151231");
    ASSERT_EQ(SetEnableFR(1), 0);
    ASSERT_EQ(SetPrintVal(1, false, "0.702804", "20130815", "20140701"), 0);
    row = info(303);
    ASSERT_GE(row.size(), 5u);
    EXPECT_EQ(row[0], "1");
    EXPECT_EQ(row[1], "0");
}

TEST_F(SettingsTest, StateAnswerHasFiveTerminatedFields) {
    EXPECT_EQ(info(9).size(), 5u);
    EXPECT_EQ(info(307).size(), 4u);
    EXPECT_EQ(info(914).size(), 2u);
    EXPECT_EQ(info(910).size(), 2u);
    EXPECT_EQ(info(330).size(), 27u);
    EXPECT_EQ(info(340).size(), 10u);
}

TEST_F(SettingsTest, DataBlockReadsBackRawBytesIncludingZeroAndFs) {
    unsigned char data[32];
    for (int i = 0; i < 32; ++i)
        data[i] = static_cast<unsigned char>(i); // 0x00 .. 0x1F
    ASSERT_EQ(WriteData(127, data), 0);
    char buf[256];
    memset(buf, 0x55, sizeof buf);
    ASSERT_EQ(GetFiscalInfo(497, buf), 0);
    const char* fs = static_cast<const char*>(memchr(buf, TILLCORE_FS, sizeof buf));
    ASSERT_NE(fs, nullptr);
    EXPECT_EQ(std::string(buf, size_t(fs - buf)), "128");
    EXPECT_EQ(memcmp(fs + 1, data, 32), 0);
}

TEST_F(SettingsTest, GoodsReturnAcceptsOnlyTheUnitNumber) {
    std::string unit = field(3, 1);
    EXPECT_EQ(AllowGoodsReturn((unit + " ").c_str()), 19);
    EXPECT_EQ(AllowGoodsReturn(unit.c_str()), 0);
    EXPECT_EQ(AllowGoodsReturn(""), 0);
}

TEST_F(SettingsTest, FiscalizationEndsTraining) {
    EXPECT_EQ(field(9, 1), "TRAINING READY");
    char d[64];
    ASSERT_EQ(GetFiscalInfo(5, d), 0);
    d[8] = '\0';
    ASSERT_EQ(Fiscalization(d), 0);
    reopen();
    EXPECT_EQ(field(9, 1), "FISCAL READY");
}
