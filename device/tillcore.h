/* tillcore.h - the C interface of the Tillmate device library (libtillcore.so.1).
 *
 * The 82 functions are listed once, in TILLCORE_FUNCTIONS.  Each entry is
 *     X(result type, name, (parameter list), (argument names))
 * and every user of the list (the declarations below, the console's binding
 * table, the recording test fake, the emulator's call trace) expands it with
 * its own X, so a signature is written in exactly one place.
 *
 * Conventions: every function but LoadJournalCrc returns a result code, 0 for
 * success.  Texts are zero-terminated 8-bit Windows-1257.  Information answers
 * are zero-terminated texts of fields separated by FS (0x1C).
 */
#ifndef TILLCORE_H
#define TILLCORE_H

#ifdef __cplusplus
#include <cstdbool>
extern "C" {
#else
#include <stdbool.h>
#endif

/* The field separator of information answers. */
#define TILLCORE_FS '\x1c'

/* Information codes, the first argument of GetFiscalInfo, GetFiscalInfo2 and
 * GetFiscalInfo2Ex.  A code named ..._BASE starts a run: entry i (from 0, or
 * the block number for data blocks) is BASE + i. */
enum tillcore_info_code {
    TILLCORE_INFO_RECEIPT_TOTAL = 0, /* total of the started receipt */
    TILLCORE_INFO_DAY_TURNOVER = 1,
    TILLCORE_INFO_NEXT_RECEIPT = 2, /* total number of the next receipt */
    TILLCORE_INFO_UNIT_NUMBER = 3,  /* number of the fiscal unit */
    TILLCORE_INFO_UNIT_VERSION = 4,
    TILLCORE_INFO_DATE = 5, /* "yyyymmdd" */
    TILLCORE_INFO_TIME = 6, /* "hhmm" */
    TILLCORE_INFO_Z_REPORT_COUNT = 7,
    TILLCORE_INFO_NEXT_DAY_RECEIPT = 8,
    TILLCORE_INFO_STATE = 9, /* state, hardware mask, error details */
    TILLCORE_INFO_HEADER = 10,
    TILLCORE_INFO_FOOTER = 11,
    TILLCORE_INFO_FOOTER2 = 12,
    TILLCORE_INFO_FOOTER_ENABLED = 13,
    TILLCORE_INFO_FOOTER2_ENABLED = 14,
    TILLCORE_INFO_CURRENCY_BASE = 30,       /* + currency index */
    TILLCORE_INFO_VAT_BASE = 40,            /* + tax index */
    TILLCORE_INFO_CASH_IN_DRAWER_BASE = 50, /* + currency index */
    TILLCORE_INFO_CREDIT_BASE = 60,         /* + credit index */
    TILLCORE_INFO_CHASSIS_NUMBER = 301,
    TILLCORE_INFO_ID_NUMBER = 302,
    /* FR options: field 1 is the enable flag.  The same answer is print-currency row 0. */
    TILLCORE_INFO_FR_OPTIONS = 303,
    TILLCORE_INFO_PRINT_CURRENCY_BASE = 303, /* + print-currency row */
    TILLCORE_INFO_CONVERSION_TYPE = 306,
    TILLCORE_INFO_PRINTER_STATUS = 307,
    TILLCORE_INFO_DEPARTMENT_BASE = 310, /* + department index */
    TILLCORE_INFO_FUEL_BASE = 320,       /* + fuel index */
    TILLCORE_INFO_TANK_BASE = 330,       /* + tank index */
    TILLCORE_INFO_PUMP_BASE = 340,       /* + pump index */
    TILLCORE_INFO_PUMP_TOTALS = 357,     /* the pump index is the parameter */
    TILLCORE_INFO_DATA_BLOCK_BASE = 369, /* + block number (1 to TILLCORE_DATA_BLOCKS) */
    TILLCORE_INFO_JOURNAL_INFO = 910,    /* journal length, the module's checksum */
    TILLCORE_INFO_JOURNAL = 911,         /* the journal from the position given as parameter */
    TILLCORE_INFO_CARD_SPACE = 914       /* card free and total space in KB */
};

/* Result codes a caller acts on.  0 is success; any other code is a refusal. */
enum tillcore_result {
    TILLCORE_OK = 0,
    TILLCORE_END_OF_JOURNAL = 21, /* the journal has nothing more from this position */
    TILLCORE_FUEL_ABSENT = 87,    /* no such fuel programmed */
    TILLCORE_ROOM_TOO_SMALL = 163 /* the answer does not fit in the room given */
};

/* Sizes of the module's tables and of the documented answer buffer. */
enum tillcore_size {
    TILLCORE_DEPARTMENTS = 8,
    TILLCORE_CREDITS = 8,
    TILLCORE_TAXES = 4,
    TILLCORE_CURRENCIES = 4,
    TILLCORE_FUELS = 10,
    TILLCORE_TANKS = 10,
    TILLCORE_PUMPS = 16,
    TILLCORE_NOZZLES = 8,
    TILLCORE_DATA_BLOCKS = 128,
    TILLCORE_DATA_BLOCK_SIZE = 32, /* bytes of one data block */
    TILLCORE_ANSWER_SIZE = 256     /* the answer buffer the library documents */
};

/* Codes passed as arguments.  SetVoidName: surcharge names follow the void
 * names from this code on.  PrRecItemFuelAutomat(Ex): cash items are pay
 * codes 0 to 3, credits follow from TILLCORE_PAY_CODE_CREDIT_BASE on. */
enum tillcore_argument_code { TILLCORE_SURCHARGE_NAME_BASE = 10, TILLCORE_PAY_CODE_CREDIT_BASE = 10 };

/* clang-format off */
#define TILLCORE_FUNCTIONS(X) \
  /* header and footers */ \
  X(int, SetHeaderEx2, (int attribute1, const char* line1, int attribute2, const char* line2, int attribute3, const char* line3, int attribute4, const char* line4, int attribute5, const char* line5, int attribute6, const char* line6), (attribute1, line1, attribute2, line2, attribute3, line3, attribute4, line4, attribute5, line5, attribute6, line6)) \
  X(int, SetFooter, (int attribute1, const char* line1, int attribute2, const char* line2, int attribute3, const char* line3, int attribute4, const char* line4), (attribute1, line1, attribute2, line2, attribute3, line3, attribute4, line4)) \
  X(int, SetFooter2, (int attribute1, const char* line1, int attribute2, const char* line2), (attribute1, line1, attribute2, line2)) \
  X(int, EnableFooter, (int enabled), (enabled)) \
  X(int, EnableFooter2, (int enabled), (enabled)) \
  /* tax and currency tables, clock */ \
  X(int, SetVAT, (int index, double rate), (index, rate)) \
  X(int, SetCurrency, (int index, const char* name, double rate), (index, name, rate)) \
  X(int, SetDate, (const char* yyyymmdd), (yyyymmdd)) \
  X(int, SetTime, (const char* hhmm), (hhmm)) \
  /* printer */ \
  X(int, SetPrinterTypeEx2, (int printerType, int codePage, int imageEnabled, int imageNumber, int largeImage), (printerType, codePage, imageEnabled, imageNumber, largeImage)) \
  X(int, SetCompressionMode, (int mode), (mode)) \
  X(int, SetTillImpuls, (int first, int second), (first, second)) \
  /* departments, credits, goods return, reset */ \
  X(int, SetDepartName, (int index, const char* name), (index, name)) \
  X(int, SetCredit, (int index, const char* name), (index, name)) \
  X(int, AllowGoodsReturn, (const char* unitNumber), (unitNumber)) \
  X(int, ResetFiscal, (void), ()) \
  /* information */ \
  X(int, GetFiscalInfo, (int code, char* answer), (code, answer)) \
  X(int, GetFiscalInfo2, (int code, int parameter, char* answer), (code, parameter, answer)) \
  X(int, GetFiscalInfo2Ex, (int code, int parameter, char* answer, int room), (code, parameter, answer, room)) \
  /* fiscal receipt */ \
  X(int, BeginFiscalReceipt, (void), ()) \
  X(int, PrintRecItemDepart, (const char* name, double quantity, double price, int taxIndex, const char* unit, int departIndex), (name, quantity, price, taxIndex, unit, departIndex)) \
  X(int, DiscountAdditionForItem, (int kind, double value), (kind, value)) \
  X(int, DiscountAdditionForReceipt, (int kind, double value), (kind, value)) \
  X(int, ItemReturnEx, (const char* name, double quantity, double price, int taxIndex, const char* unit, int departIndex, int kind, double value), (name, quantity, price, taxIndex, unit, departIndex, kind, value)) \
  X(int, GoodsReturnCurrEx, (double cash1, double credit1, double credit2, double credit3, double credit4, double credit5, double credit6, double credit7, double credit8, double cash2, double cash3, double cash4), (cash1, credit1, credit2, credit3, credit4, credit5, credit6, credit7, credit8, cash2, cash3, cash4)) \
  X(int, EndFiscalReceiptCurrEx, (double cash1, double credit1, double credit2, double credit3, double credit4, double credit5, double credit6, double credit7, double credit8, double cash2, double cash3, double cash4), (cash1, credit1, credit2, credit3, credit4, credit5, credit6, credit7, credit8, cash2, cash3, cash4)) \
  X(int, PrintCommentLine, (const char* text, int attribute), (text, attribute)) \
  X(int, PrintCopyOfLastReceipt, (void), ()) \
  /* non-fiscal receipt */ \
  X(int, BeginNonFiscalReceipt, (void), ()) \
  X(int, EndNonFiscalReceipt, (void), ()) \
  X(int, PrintNonFiscalLine, (const char* text, int attribute), (text, attribute)) \
  X(int, PrintTareItem, (const char* name, double quantity, double price), (name, quantity, price)) \
  X(int, PrintTareItemVoid, (const char* name, double quantity, double price), (name, quantity, price)) \
  X(int, PrintDepositReceive, (const char* name, double quantity, double price), (name, quantity, price)) \
  X(int, PrintDepositRefund, (const char* name, double quantity, double price), (name, quantity, price)) \
  X(int, PrintHeader, (void), ()) \
  /* cash, drawer, display, clerk */ \
  X(int, MoneyInCurr, (int currencyIndex, double amount), (currencyIndex, amount)) \
  X(int, MoneyOutCurr, (int currencyIndex, double amount), (currencyIndex, amount)) \
  X(int, CustomerDisplay, (int mode, const char* line1, const char* line2), (mode, line1, line2)) \
  X(int, PrintErrorMessage, (const char* message), (message)) \
  X(int, OpenCashDrawer, (void), ()) \
  X(int, SetClerk, (int attribute, const char* name), (attribute, name)) \
  X(int, SetDispParam, (int codeIndex, int typeIndex), (codeIndex, typeIndex)) \
  X(int, SetDispTime, (void), ()) \
  /* barcode */ \
  X(int, PrintBarCodeTG2480, (int symbology, int hriPosition, int height, int width, const char* data), (symbology, hriPosition, height, width, data)) \
  /* receipt options */ \
  X(int, SetLineFR, (int lineWidth), (lineWidth)) \
  X(int, SetEnableFR, (int enabled), (enabled)) \
  X(int, SetVoidName, (int nameCode), (nameCode)) \
  X(int, SetPrintVal, (int row, bool print, const char* rate, const char* firstDay, const char* lastDay), (row, print, rate, firstDay, lastDay)) \
  X(int, SetConvertType, (bool indirect), (indirect)) \
  /* reports */ \
  X(int, PrintVatTable, (void), ()) \
  X(int, PrintCurrencyTable, (void), ()) \
  X(int, PrintCreditTable, (void), ()) \
  X(int, PrintXReport, (void), ()) \
  X(int, PrintMiniXReport, (void), ()) \
  X(int, PrintZReport, (void), ()) \
  X(int, PrintSumPeriodicReport, (const char* firstDate, const char* lastDate), (firstDate, lastDate)) \
  X(int, PrintPeriodicReport, (const char* firstDate, const char* lastDate), (firstDate, lastDate)) \
  X(int, PrintSumPeriodicReportByNumber, (int firstNumber, int lastNumber), (firstNumber, lastNumber)) \
  X(int, PrintPeriodicReportByNumber, (int firstNumber, int lastNumber), (firstNumber, lastNumber)) \
  /* fuel tables */ \
  X(int, SetFuel, (int fuel, const char* name, int decimals, int tax, const char* unit), (fuel, name, decimals, tax, unit)) \
  X(int, SetFuelPrice, (int fuel, double price), (fuel, price)) \
  X(int, SetFuelTank, (int tank, const char* name, int fuel, double minLevel, double maxLevel), (tank, name, fuel, minLevel, maxLevel)) \
  X(int, SetFuelPump, (int pump, int dec, int nozzle0, int nozzle1, int nozzle2, int nozzle3, int nozzle4, int nozzle5, int nozzle6, int nozzle7), (pump, dec, nozzle0, nozzle1, nozzle2, nozzle3, nozzle4, nozzle5, nozzle6, nozzle7)) \
  /* fuel sales */ \
  X(int, PrRecItemFuel, (int pump, int nozzle, double quantity, double sum), (pump, nozzle, quantity, sum)) \
  X(int, PrRecItemFuelVoid, (int pump, int nozzle, double quantity, double sum, int kind, double discount), (pump, nozzle, quantity, sum, kind, discount)) \
  X(int, PrRecItemFuelAutomat, (int pump, int nozzle, double quantity, double sum, int kind, double discount, int payCode), (pump, nozzle, quantity, sum, kind, discount, payCode)) \
  X(int, PrRecItemFuelAutomatEx, (int pump, int nozzle, double quantity, double sum, int kind, double discount, int payCode, int subclient, int checkNumber, const char* yyyymmdd, const char* hhmm, const char* name, const char* address, const char* registration, const char* remark), (pump, nozzle, quantity, sum, kind, discount, payCode, subclient, checkNumber, yyyymmdd, hhmm, name, address, registration, remark)) \
  X(int, DiscountAdditionForFuelItem, (int kind, double discount, const char* comment, int mode), (kind, discount, comment, mode)) \
  /* fuel stock, data blocks, tank reports */ \
  X(int, AddFuel, (int tank, double quantity), (tank, quantity)) \
  X(int, FuelOverfilling, (int pump, int nozzle, double quantity), (pump, nozzle, quantity)) \
  X(int, WriteData, (int blockIndex, const unsigned char* data32), (blockIndex, data32)) \
  X(int, FuelPrintTankReport, (void), ()) \
  X(int, PrintTankSumPeriodicReport, (const char* firstDate, const char* lastDate), (firstDate, lastDate)) \
  X(int, PrintTankPeriodicReport, (const char* firstDate, const char* lastDate), (firstDate, lastDate)) \
  X(int, PrintTankSumPeriodicReportByNumber, (int firstNumber, int lastNumber), (firstNumber, lastNumber)) \
  X(int, PrintTankPeriodicReportByNumber, (int firstNumber, int lastNumber), (firstNumber, lastNumber)) \
  /* service */ \
  X(int, Fiscalization, (const char* yyyymmdd), (yyyymmdd)) \
  X(int, GetBadBlocks, (char* answer), (answer)) \
  X(int, SetShassi, (const char* number), (number)) \
  X(int, SetId, (const char* number), (number)) \
  /* journal */ \
  X(unsigned int, LoadJournalCrc, (int mode, const char* text, int length), (mode, text, length))
/* clang-format on */

#define TILLCORE_DECLARE(result, name, params, args)                                                         \
    __attribute__((visibility("default"))) result name params;
TILLCORE_FUNCTIONS(TILLCORE_DECLARE)
#undef TILLCORE_DECLARE

#ifdef __cplusplus
}
#endif

#endif /* TILLCORE_H */
