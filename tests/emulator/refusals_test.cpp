// Refusals: each case puts the module into a state, makes one call, and expects its code.
#include <cmath>
#include <functional>
#include <limits>

#include "module_fixture.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

int openReceiptWithItem() {
    int rc = BeginFiscalReceipt();
    return rc ? rc : PrintRecItemDepart("Milk", 1, 1.00, 0, "", 0);
}

struct Case {
    const char* name;
    std::function<int()> prepare; // may be empty
    std::function<int()> call;
    int expected;
};

const std::string kLong(300, 'x');

std::vector<Case> cases() {
    return {
        {"item without receipt", {}, [] { return PrintRecItemDepart("A", 1, 1, 0, "", 0); }, 10},
        {"second receipt", BeginFiscalReceipt, BeginFiscalReceipt, 11},
        {"non-fiscal inside receipt", BeginFiscalReceipt, BeginNonFiscalReceipt, 11},
        {"line without non-fiscal", {}, [] { return PrintNonFiscalLine("x", 0x41); }, 12},
        {"end empty receipt", BeginFiscalReceipt,
         [] { return EndFiscalReceiptCurrEx(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0); }, 13},
        {"discount without item", BeginFiscalReceipt, [] { return DiscountAdditionForItem(1, -5); }, 13},
        {"second item discount",
         [] {
             int rc = openReceiptWithItem();
             return rc ? rc : DiscountAdditionForItem(1, -5);
         },
         [] { return DiscountAdditionForItem(1, -5); }, 14},
        {"discount of whole item", openReceiptWithItem, [] { return DiscountAdditionForItem(2, -1.00); }, 3},
        {"unknown adjustment kind", openReceiptWithItem, [] { return DiscountAdditionForItem(4, 1); }, 2},
        {"negative quantity", BeginFiscalReceipt, [] { return PrintRecItemDepart("A", -1, 1, 0, "", 0); }, 3},
        {"NaN price", BeginFiscalReceipt, [] { return PrintRecItemDepart("A", 1, kNaN, 0, "", 0); }, 3},
        {"infinite quantity", BeginFiscalReceipt, [] { return PrintRecItemDepart("A", kInf, 1, 0, "", 0); },
         3},
        {"huge price", BeginFiscalReceipt, [] { return PrintRecItemDepart("A", 1, 1e300, 0, "", 0); }, 3},
        {"tax index 4", BeginFiscalReceipt, [] { return PrintRecItemDepart("A", 1, 1, 4, "", 0); }, 2},
        {"department 8", BeginFiscalReceipt, [] { return PrintRecItemDepart("A", 1, 1, 0, "", 8); }, 2},
        {"null name", BeginFiscalReceipt, [] { return PrintRecItemDepart(nullptr, 1, 1, 0, "", 0); }, 1},
        {"long name", BeginFiscalReceipt, [] { return PrintRecItemDepart(kLong.c_str(), 1, 1, 0, "", 0); },
         4},
        {"control byte in name", BeginFiscalReceipt,
         [] { return PrintRecItemDepart("a\nb", 1, 1, 0, "", 0); }, 4},
        {"payment short", openReceiptWithItem,
         [] { return EndFiscalReceiptCurrEx(0.99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0); }, 15},
        {"negative payment", openReceiptWithItem,
         [] { return EndFiscalReceiptCurrEx(2, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0); }, 3},
        {"undefined currency", openReceiptWithItem,
         [] { return EndFiscalReceiptCurrEx(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5); }, 29},
        {"unknown information code",
         {},
         [] {
             char b[256];
             return GetFiscalInfo(12345, b);
         },
         6},
        {"null answer buffer", {}, [] { return GetFiscalInfo(1, nullptr); }, 1},
        {"absent fuel",
         {},
         [] {
             char b[256];
             return GetFiscalInfo(325, b);
         },
         87},
        {"price of absent fuel", {}, [] { return SetFuelPrice(5, 1.0); }, 87},
        {"tank with absent fuel", {}, [] { return SetFuelTank(3, "T", 7, 0, 10); }, 87},
        {"fuel still in a tank", {}, [] { return SetFuel(0, "", 2, 0, "l"); }, 33},
        {"nozzle not connected", BeginFiscalReceipt, [] { return PrRecItemFuel(5, 0, 1, 1); }, 30},
        {"fuel void without sale", BeginFiscalReceipt, [] { return PrRecItemFuelVoid(0, 0, 1, 1, 0, 0); },
         32},
        {"tax rate 100", {}, [] { return SetVAT(0, 100); }, 3},
        {"tax change after sale",
         [] {
             int rc = openReceiptWithItem();
             return rc ? rc : EndFiscalReceiptCurrEx(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
         },
         [] { return SetVAT(0, 5); }, 23},
        {"home currency rate", {}, [] { return SetCurrency(0, "EUR", 2); }, 3},
        {"date 20230230", {}, [] { return SetDate("20230230"); }, 5},
        {"time 2460", {}, [] { return SetTime("2460"); }, 5},
        {"header attribute FS",
         {},
         [] { return SetHeaderEx2(0x1c, "", 0, "", 0, "", 0, "", 0, "", 0, ""); },
         2},
        {"header line too long", {}, [] { return SetFooter2(0x41, kLong.c_str(), 0x41, ""); }, 4},
        {"reserved printer type", {}, [] { return SetPrinterTypeEx2(6, 0, 0, 1, 0); }, 2},
        {"barcode on other printer", [] { return SetPrinterTypeEx2(0, 0, 0, 1, 0); },
         [] { return PrintBarCodeTG2480(2, 0, 162, 2, "4006381333931"); }, 27},
        {"barcode letters in EAN", {}, [] { return PrintBarCodeTG2480(2, 0, 162, 2, "40063813339AB"); }, 28},
        {"barcode width 7", {}, [] { return PrintBarCodeTG2480(2, 0, 162, 7, "4006381333931"); }, 2},
        {"money out beyond drawer", {}, [] { return MoneyOutCurr(0, 0.01); }, 17},
        {"copy before any receipt", {}, PrintCopyOfLastReceipt, 25},
        {"report inside receipt", BeginFiscalReceipt, PrintXReport, 11},
        {"chassis after fiscalization",
         [] {
             char d[64];
             GetFiscalInfo(5, d);
             d[8] = 0;
             return Fiscalization(d);
         },
         [] { return SetShassi("CH-1"); }, 20},
        {"second fiscalization",
         [] {
             char d[64];
             GetFiscalInfo(5, d);
             d[8] = 0;
             return Fiscalization(d);
         },
         [] { return Fiscalization("20200101"); }, 20},
        {"fiscalization in the future", {}, [] { return Fiscalization("20991231"); }, 22},
        {"data block 128",
         {},
         [] {
             unsigned char d[32] = {};
             return WriteData(128, d);
         },
         2},
        {"print row dates reversed",
         {},
         [] { return SetPrintVal(1, true, "1.5", "20150201", "20150101"); },
         22},
        {"line width 10", {}, [] { return SetLineFR(10); }, 2},
    };
}

} // namespace

class RefusalTest : public ModuleTest {};

TEST_F(RefusalTest, EachCaseAnswersItsCodeAndChangesNothing) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        ResetFiscal();
        if (c.prepare) {
            ASSERT_EQ(c.prepare(), 0);
        }
        char before[64];
        ASSERT_EQ(GetFiscalInfo(910, before), 0);
        EXPECT_EQ(c.call(), c.expected);
        char after[64];
        ASSERT_EQ(GetFiscalInfo(910, after), 0);
        EXPECT_STREQ(before, after) << "a refused call printed something";
        TearDown();
        SetUp();
    }
}
