// Random calls with hostile arguments, run under AddressSanitizer and UndefinedBehavior-
// Sanitizer: nothing may crash or write past the binding's buffer sizes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tillcore.h"

namespace {

std::mt19937_64 rng(20240611);

int anyInt() {
    static const int special[] = {0,
                                  1,
                                  -1,
                                  2,
                                  3,
                                  7,
                                  8,
                                  9,
                                  10,
                                  11,
                                  15,
                                  16,
                                  28,
                                  65,
                                  127,
                                  128,
                                  255,
                                  256,
                                  357,
                                  911,
                                  1000,
                                  std::numeric_limits<int>::max(),
                                  std::numeric_limits<int>::min()};
    if (rng() % 3)
        return special[rng() % (sizeof special / sizeof *special)];
    return int(uint32_t(rng()));
}

double anyDouble() {
    static const double special[] = {0.0,
                                     -0.0,
                                     1.0,
                                     -1.0,
                                     0.005,
                                     1.5,
                                     99.99,
                                     100.0,
                                     1e6,
                                     1e300,
                                     -1e300,
                                     std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity(),
                                     -std::numeric_limits<double>::infinity(),
                                     std::numeric_limits<double>::denorm_min(),
                                     std::numeric_limits<double>::max()};
    if (rng() % 2)
        return special[rng() % (sizeof special / sizeof *special)];
    return double(int64_t(rng() % 2000000) - 1000000) / 100.0;
}

// Texts: null, empty, short, long, every byte value, FS, line feeds.
std::vector<std::string> texts;
const char* anyText() {
    if (rng() % 10 == 0)
        return nullptr;
    std::string& t = texts[rng() % texts.size()];
    return t.c_str();
}

// An answer buffer of exactly the binding's size on the heap, so any overrun is caught.
struct Answer {
    explicit Answer(size_t n) : size(n), p(static_cast<char*>(std::malloc(n))) { std::memset(p, 0x5A, n); }
    ~Answer() { std::free(p); }
    void checkTerminated(int rc) const {
        if (rc == 0 || rc == 21) {
            ASSERT_NE(std::memchr(p, 0, size), nullptr) << "answer not terminated";
        }
    }
    size_t size;
    char* p;
};

#define CALL_WITH(result, name, params, args) name,

void oneCall(int which) {
    switch (which) {
    case 0:
        SetHeaderEx2(anyInt(), anyText(), anyInt(), anyText(), anyInt(), anyText(), anyInt(), anyText(),
                     anyInt(), anyText(), anyInt(), anyText());
        break;
    case 1:
        SetFooter(anyInt(), anyText(), anyInt(), anyText(), anyInt(), anyText(), anyInt(), anyText());
        break;
    case 2:
        SetFooter2(anyInt(), anyText(), anyInt(), anyText());
        break;
    case 3:
        EnableFooter(anyInt());
        EnableFooter2(anyInt());
        break;
    case 4:
        SetVAT(anyInt() & 7, anyDouble());
        break;
    case 5:
        SetCurrency(anyInt(), anyText(), anyDouble());
        break;
    case 6:
        SetDate(anyText());
        SetTime(anyText());
        break;
    case 7:
        SetPrinterTypeEx2(anyInt(), anyInt(), anyInt(), anyInt(), anyInt());
        SetCompressionMode(anyInt());
        SetTillImpuls(anyInt(), anyInt());
        break;
    case 8:
        SetDepartName(anyInt(), anyText());
        SetCredit(anyInt(), anyText());
        break;
    case 9:
        AllowGoodsReturn(rng() % 2 ? "QF00012345" : anyText());
        break;
    case 10:
        ResetFiscal();
        break;
    case 11: {
        int code = rng() % 2 ? int(rng() % 1000) : anyInt();
        size_t size = code >= 330 && code <= 339 ? 512 : code == 910 ? 64 : 256;
        Answer a(size);
        int rc = GetFiscalInfo(code, rng() % 20 ? a.p : nullptr);
        a.checkTerminated(rc);
        break;
    }
    case 12: {
        Answer a(256);
        int code = rng() % 2 ? int(rng() % 1000) : anyInt();
        if (code >= 330 && code <= 339)
            code = 1;
        if (code == 910)
            code = 9;
        a.checkTerminated(GetFiscalInfo2(code, anyInt(), a.p));
        break;
    }
    case 13: {
        int room = int(rng() % 300);
        Answer a(room > 0 ? size_t(room) : 1);
        int code = rng() % 3 == 0 ? 911 : rng() % 2 ? 357 : int(rng() % 1000);
        a.checkTerminated(GetFiscalInfo2Ex(code, rng() % 2 ? int(rng() % 4000) : anyInt(), a.p,
                                           room > 0 ? room : anyInt() % 2));
        break;
    }
    case 14:
        BeginFiscalReceipt();
        break;
    case 15:
        PrintRecItemDepart(anyText(), anyDouble(), anyDouble(), anyInt() & 7, anyText(), anyInt() & 15);
        break;
    case 16:
        DiscountAdditionForItem(anyInt() & 3, anyDouble());
        DiscountAdditionForReceipt(anyInt() & 3, anyDouble());
        break;
    case 17:
        ItemReturnEx(anyText(), anyDouble(), anyDouble(), anyInt(), anyText(), anyInt(), anyInt(),
                     anyDouble());
        break;
    case 18:
        GoodsReturnCurrEx(anyDouble(), anyDouble(), anyDouble(), anyDouble(), anyDouble(), anyDouble(),
                          anyDouble(), anyDouble(), anyDouble(), anyDouble(), anyDouble(), anyDouble());
        break;
    case 19:
        EndFiscalReceiptCurrEx(anyDouble(), anyDouble(), 0, 0, 0, 0, 0, 0, 0, anyDouble(), 0, 0);
        break;
    case 20:
        PrintCommentLine(anyText(), anyInt());
        PrintCopyOfLastReceipt();
        break;
    case 21:
        BeginNonFiscalReceipt();
        PrintNonFiscalLine(anyText(), anyInt());
        break;
    case 22:
        PrintTareItem(anyText(), anyDouble(), anyDouble());
        PrintTareItemVoid(anyText(), anyDouble(), anyDouble());
        break;
    case 23:
        PrintDepositReceive(anyText(), anyDouble(), anyDouble());
        PrintDepositRefund(anyText(), anyDouble(), anyDouble());
        break;
    case 24:
        EndNonFiscalReceipt();
        PrintHeader();
        break;
    case 25:
        MoneyInCurr(anyInt(), anyDouble());
        MoneyOutCurr(anyInt(), anyDouble());
        break;
    case 26:
        CustomerDisplay(anyInt() & 1, anyText(), anyText());
        PrintErrorMessage(anyText());
        OpenCashDrawer();
        break;
    case 27:
        SetClerk(anyInt(), anyText());
        SetDispParam(anyInt(), anyInt());
        SetDispTime();
        break;
    case 28:
        PrintBarCodeTG2480(anyInt() % 10, anyInt(), anyInt(), anyInt(), anyText());
        break;
    case 29:
        SetLineFR(rng() % 2 ? 24 + int(rng() % 41) : anyInt());
        SetEnableFR(anyInt());
        SetVoidName(anyInt());
        break;
    case 30:
        SetPrintVal(anyInt(), rng() % 2, anyText(), anyText(), anyText());
        SetConvertType(rng() % 2);
        break;
    case 31:
        PrintVatTable();
        PrintCurrencyTable();
        PrintCreditTable();
        break;
    case 32:
        PrintXReport();
        PrintMiniXReport();
        break;
    case 33:
        PrintZReport();
        break;
    case 34:
        PrintSumPeriodicReport(anyText(), anyText());
        PrintPeriodicReport(anyText(), anyText());
        break;
    case 35:
        PrintSumPeriodicReportByNumber(anyInt(), anyInt());
        PrintPeriodicReportByNumber(int(rng() % 5), int(rng() % 5));
        break;
    case 36:
        SetFuel(anyInt() % 12, anyText(), anyInt(), anyInt(), anyText());
        SetFuelPrice(anyInt() % 12, anyDouble());
        break;
    case 37:
        SetFuelTank(anyInt() % 12, anyText(), anyInt() % 12, anyDouble(), anyDouble());
        break;
    case 38:
        SetFuelPump(anyInt() % 17, anyInt(), anyInt() % 11, anyInt() % 11, anyInt(), anyInt(), anyInt(),
                    anyInt(), anyInt(), anyInt());
        break;
    case 39:
        PrRecItemFuel(anyInt() % 17, anyInt() % 9, anyDouble(), anyDouble());
        PrRecItemFuelVoid(anyInt() % 17, anyInt() % 9, anyDouble(), anyDouble(), anyInt(), anyDouble());
        break;
    case 40:
        PrRecItemFuelAutomat(anyInt() % 3, anyInt() % 3, anyDouble(), anyDouble(), anyInt() % 4, anyDouble(),
                             anyInt() % 18);
        break;
    case 41:
        PrRecItemFuelAutomatEx(anyInt() % 3, anyInt() % 3, anyDouble(), anyDouble(), anyInt(), anyDouble(),
                               anyInt(), anyInt(), anyInt(), anyText(), anyText(), anyText(), anyText(),
                               anyText(), anyText());
        break;
    case 42:
        DiscountAdditionForFuelItem(anyInt(), anyDouble(), anyText(), anyInt());
        break;
    case 43:
        AddFuel(anyInt() % 12, anyDouble());
        FuelOverfilling(anyInt() % 17, anyInt() % 9, anyDouble());
        break;
    case 44: {
        unsigned char data[32];
        for (unsigned char& b : data)
            b = static_cast<unsigned char>(rng());
        WriteData(anyInt() % 130, rng() % 10 ? data : nullptr);
        break;
    }
    case 45:
        FuelPrintTankReport();
        PrintTankSumPeriodicReport(anyText(), anyText());
        PrintTankPeriodicReport(anyText(), anyText());
        break;
    case 46:
        PrintTankSumPeriodicReportByNumber(anyInt(), anyInt());
        PrintTankPeriodicReportByNumber(int(rng() % 4), int(rng() % 4));
        break;
    case 47:
        Fiscalization(anyText());
        break;
    case 48: {
        Answer a(256);
        a.checkTerminated(GetBadBlocks(rng() % 10 ? a.p : nullptr));
        SetShassi(anyText());
        SetId(anyText());
        break;
    }
    case 49: {
        const char* t = anyText();
        LoadJournalCrc(anyInt(), t, t ? int(std::strlen(t)) : anyInt());
        break;
    }
    }
}

} // namespace

TEST(HostileCalls, RandomArgumentsNeverCrashOrOverrun) {
    setenv("TILLCORE_DB", ":memory:", 1);
    texts = {"",
             "A",
             "QF00012345",
             "20240229",
             "20231301",
             "1200",
             "2599",
             "4006381333931",
             "CODE39 TEXT",
             std::string(300, 'y'),
             std::string(37, 'z'),
             std::string(5000, 'w'),
             "line\nfeed",
             "fs\x1c"
             "field",
             "\x7f\x80\xff\xfe",
             "1.5",
             "-3",
             "0.702804"};
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    texts.push_back(all);
    for (int i = 0; i < 12000; ++i) {
        // Mostly valid receipts, so deep paths run; hostile calls in between.
        if (rng() % 4 == 0) {
            BeginFiscalReceipt();
            PrintRecItemDepart("Item", 1 + double(rng() % 5), 0.01 * double(1 + rng() % 1000), int(rng() % 4),
                               "pcs", int(rng() % 8));
            PrRecItemFuel(0, int(rng() % 2), 1 + double(rng() % 20), 5.0);
            EndFiscalReceiptCurrEx(100000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        }
        oneCall(int(rng() % 50));
        if (::testing::Test::HasFatalFailure())
            return;
    }
    // The module still answers sensibly afterwards.
    char buf[256];
    EXPECT_EQ(GetFiscalInfo(910, buf), 0);
    std::vector<char> journal(1 << 22);
    int rc = GetFiscalInfo2Ex(911, 0, journal.data(), int(journal.size()));
    EXPECT_TRUE(rc == 0 || rc == 21);
}
