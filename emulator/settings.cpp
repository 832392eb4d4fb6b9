// settings.cpp - programming the module: receipt layout, tables, clock, printer, options,
// service numbers, fuel tables and data blocks.
#include <cstring>

#include "api.h"
#include "session.h"

namespace tc {

namespace {

int noDocument(const Ctx& c) {
    return c.m.doc == D_NONE ? OK : E_DOC_OPEN;
}

bool shiftHasTurnover(const Module& m) {
    return m.tot[T_RECEIPTS] + m.tot[T_RETURN_RECEIPTS] > 0;
}

// A line attribute is one byte; 28 is the field separator of the answers and cannot be one.
bool validAttr(int a) {
    return a >= 0 && a <= 255 && a != 0x1c;
}

template <size_t N>
int setLines(std::array<Line, N> Module::*field, const int* attrs, const char* const* texts) {
    return run(S_LAYOUT, [&](Ctx& c) {
        std::array<Line, N>& target = c.m.*field;
        if (int rc = noDocument(c))
            return rc;
        for (size_t i = 0; i < N; ++i) {
            if (int rc = checkText(texts[i], kHeaderLineMax))
                return rc;
            if (!validAttr(attrs[i]))
                return int(E_RANGE);
        }
        for (size_t i = 0; i < N; ++i)
            target[i] = {attrs[i], texts[i]};
        return int(OK);
    });
}

int setFlag(int Module::*field, int value) {
    if (value != 0 && value != 1)
        return E_RANGE;
    return run(S_LAYOUT, [&](Ctx& c) {
        c.m.*field = value;
        return int(OK);
    });
}

// Moves the module clock so that it shows the given moment (naive seconds).
void setClock(Module& m, int64_t target) {
    m.clockOffset += target - moduleNow(m);
}

int64_t daysFromCivil(int y, int mo, int d) { // days since 1970-01-01
    y -= mo <= 2;
    int64_t era = y / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool decimalText(const char* s) { // digits with at most one point, at least one digit
    int points = 0, digits = 0;
    for (; *s; ++s) {
        if (*s == '.')
            ++points;
        else if (*s >= '0' && *s <= '9')
            ++digits;
        else
            return false;
    }
    return points <= 1 && digits > 0;
}

} // namespace

// ---- header and footers ----------------------------------------------------------------

int SetHeaderEx2(int a1, const char* l1, int a2, const char* l2, int a3, const char* l3, int a4,
                 const char* l4, int a5, const char* l5, int a6, const char* l6) {
    const int attrs[] = {a1, a2, a3, a4, a5, a6};
    const char* const texts[] = {l1, l2, l3, l4, l5, l6};
    return setLines(&Module::header, attrs, texts);
}

int SetFooter(int a1, const char* l1, int a2, const char* l2, int a3, const char* l3, int a4,
              const char* l4) {
    const int attrs[] = {a1, a2, a3, a4};
    const char* const texts[] = {l1, l2, l3, l4};
    return setLines(&Module::footer, attrs, texts);
}

int SetFooter2(int a1, const char* l1, int a2, const char* l2) {
    const int attrs[] = {a1, a2};
    const char* const texts[] = {l1, l2};
    return setLines(&Module::footer2, attrs, texts);
}

int EnableFooter(int enabled) {
    return setFlag(&Module::footerOn, enabled);
}
int EnableFooter2(int enabled) {
    return setFlag(&Module::footer2On, enabled);
}

// ---- tax and currency tables, clock ----------------------------------------------------

int SetVAT(int index, double rateValue) {
    if (index < 0 || index >= kTaxes)
        return E_RANGE;
    int64_t hundredths = 0;
    if (int rc = toNonNegative(rateValue, 100, 9999, hundredths))
        return rc;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        if (c.m.tax[index] != hundredths && shiftHasTurnover(c.m))
            return int(E_SHIFT);
        c.m.tax[index] = hundredths;
        return int(OK);
    });
}

int SetCurrency(int index, const char* name, double rateValue) {
    if (index < 0 || index >= kCurrencies)
        return E_RANGE;
    if (int rc = checkText(name, kNameMax))
        return rc;
    int64_t micro = 0;
    if (int rc = toNonNegative(rateValue, 1000000, 1000000000000, micro))
        return rc;
    // Currency 1 is the home currency at rate 1; others are defined by a name and a rate,
    // or cleared with an empty name and rate 0.
    bool cleared = name[0] == '\0' && micro == 0;
    if (index == 0 && (micro != 1000000 || name[0] == '\0'))
        return E_VALUE;
    if (!cleared && (micro == 0 || name[0] == '\0'))
        return E_VALUE;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        if (shiftHasTurnover(c.m) && c.m.currency[index].rateMicro != micro)
            return int(E_SHIFT);
        if (cleared && c.m.drawer[index] != 0)
            return int(E_DRAWER);
        c.m.currency[index] = {name, micro};
        return int(OK);
    });
}

int SetDate(const char* yyyymmdd) {
    int y, mo, d;
    if (!yyyymmdd)
        return E_NULL;
    if (!parseDate(yyyymmdd, y, mo, d))
        return E_DATE;
    return run(S_IDENTITY, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        if (std::string(yyyymmdd) < c.store.lastRecordDate())
            return int(E_DATE_ORDER);
        int64_t now = moduleNow(c.m);
        int64_t secondsOfDay = ((now % 86400) + 86400) % 86400;
        setClock(c.m, daysFromCivil(y, mo, d) * 86400 + secondsOfDay);
        return int(OK);
    });
}

int SetTime(const char* hhmm) {
    int h, mi;
    if (!hhmm)
        return E_NULL;
    if (!parseTime(hhmm, h, mi))
        return E_DATE;
    return run(S_IDENTITY, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        int64_t now = moduleNow(c.m);
        int64_t day = now - (((now % 86400) + 86400) % 86400);
        setClock(c.m, day + h * 3600 + mi * 60);
        return int(OK);
    });
}

// ---- printer ---------------------------------------------------------------------------

int SetPrinterTypeEx2(int printerType, int codePage, int imageEnabled, int imageNumber, int largeImage) {
    bool reserved = printerType >= 5 && printerType <= 8;
    if (printerType < 0 || printerType > 11 || reserved || codePage < 0 || codePage > 1 || imageEnabled < 0 ||
        imageEnabled > 1 || imageNumber < 1 || imageNumber > 16 || largeImage < 0 || largeImage > 1)
        return E_RANGE;
    return run(S_DEVICE, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        c.m.printerType = printerType;
        c.m.codePage = codePage;
        c.m.imageOn = imageEnabled;
        c.m.imageNumber = imageNumber;
        c.m.largeImage = largeImage;
        return int(OK);
    });
}

int SetCompressionMode(int mode) {
    if (mode < 0 || mode > 100)
        return E_RANGE;
    return run(S_DEVICE, [&](Ctx& c) {
        c.m.compression = mode;
        return int(OK);
    });
}

int SetTillImpuls(int first, int second) {
    if (first < 0 || first > 255 || second < 0 || second > 255)
        return E_RANGE;
    return run(S_DEVICE, [&](Ctx& c) {
        c.m.impulse1 = first;
        c.m.impulse2 = second;
        return int(OK);
    });
}

// ---- departments, credits, goods return, reset -----------------------------------------

int SetDepartName(int index, const char* name) {
    if (index < 0 || index >= kDepartments)
        return E_RANGE;
    if (int rc = checkText(name, kNameMax))
        return rc;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        c.m.dept[index].name = name;
        return int(OK);
    });
}

int SetCredit(int index, const char* name) {
    if (index < 0 || index >= kCredits)
        return E_RANGE;
    if (int rc = checkText(name, kNameMax))
        return rc;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        c.m.credit[index].name = name;
        return int(OK);
    });
}

int AllowGoodsReturn(const char* unitNumber) {
    if (!unitNumber)
        return E_NULL;
    if (strnlen(unitNumber, kNumberMax + 1) > kNumberMax)
        return E_UNIT;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (unitNumber[0] == '\0')
            c.m.goodsReturn = 0;
        else if (c.m.unitNumber == unitNumber)
            c.m.goodsReturn = 1;
        else
            return int(E_UNIT);
        return int(OK);
    });
}

// Cancels the open document, if any. Fiscal memory, counters and totals are never touched.
int ResetFiscal() {
    return run(S_DOC | S_ITEMS, [](Ctx& c) {
        if (c.m.doc == D_FISCAL) {
            c.paper.center("*** RECEIPT CANCELLED ***");
            c.paper.line("");
        } else if (c.m.doc == D_NONFISCAL) {
            c.paper.center("*** DOCUMENT CANCELLED ***");
            c.paper.line("");
        }
        c.m.doc = D_NONE;
        c.m.items.clear();
        c.m.receiptAdj = 0;
        c.m.receiptAdjusted = 0;
        c.m.docText.clear();
        return int(OK);
    });
}

// ---- clerk and customer display --------------------------------------------------------

int SetClerk(int attribute, const char* name) {
    if (!validAttr(attribute))
        return E_RANGE;
    if (int rc = checkText(name, kNameMax))
        return rc;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        c.m.clerkAttr = attribute;
        c.m.clerk = name;
        return int(OK);
    });
}

int CustomerDisplay(int mode, const char* line1, const char* line2) {
    if (mode != 0)
        return E_RANGE;
    if (int rc = checkText(line1, kDisplayMax))
        return rc;
    if (int rc = checkText(line2, kDisplayMax))
        return rc;
    return run(S_DEVICE, [&](Ctx& c) {
        c.m.display1 = line1;
        c.m.display2 = line2;
        return int(OK);
    });
}

int SetDispParam(int codeIndex, int typeIndex) {
    if (codeIndex < 0 || codeIndex > 1 || typeIndex < 0 || typeIndex > 1)
        return E_RANGE;
    return run(S_DEVICE, [&](Ctx& c) {
        c.m.dispCode = codeIndex;
        c.m.dispType = typeIndex;
        return int(OK);
    });
}

int SetDispTime() {
    return run(S_DEVICE, [](Ctx& c) {
        int64_t now = moduleNow(c.m);
        std::string d = dateText(now), t = timeText(now);
        c.m.display1 = d.substr(6, 2) + "." + d.substr(4, 2) + "." + d.substr(0, 4);
        c.m.display2 = t.substr(0, 2) + ":" + t.substr(2, 2);
        return int(OK);
    });
}

// ---- receipt options -------------------------------------------------------------------

int SetLineFR(int lineWidth) {
    if (lineWidth < 24 || lineWidth > 64)
        return E_RANGE;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        c.m.lineWidth = lineWidth;
        return int(OK);
    });
}

int SetEnableFR(int enabled) {
    return setFlag(&Module::frOn, enabled);
}

int SetVoidName(int nameCode) {
    if (!(nameCode >= 0 && nameCode <= 2) && nameCode != 10 && nameCode != 11)
        return E_RANGE;
    return run(S_LAYOUT, [&](Ctx& c) {
        if (nameCode < 10)
            c.m.voidName = nameCode;
        else
            c.m.surchargeName = nameCode;
        return int(OK);
    });
}

int SetPrintVal(int row, bool print, const char* rateText, const char* firstDay, const char* lastDay) {
    if (row < 1 || row > 3)
        return E_RANGE;
    if (int rc = checkText(rateText, 12))
        return rc;
    if (!firstDay || !lastDay)
        return E_NULL;
    int y, mo, d;
    if (!parseDate(firstDay, y, mo, d) || !parseDate(lastDay, y, mo, d))
        return E_DATE;
    if (std::strcmp(firstDay, lastDay) > 0)
        return E_DATE_ORDER;
    if (rateText[0] != '\0' && !decimalText(rateText))
        return E_VALUE;
    if (print && (rateText[0] == '\0' || std::strtod(rateText, nullptr) <= 0))
        return E_VALUE;
    return run(S_LAYOUT, [&](Ctx& c) {
        c.m.printRow[size_t(row - 1)] = {print ? 1 : 0, rateText, firstDay, lastDay};
        return int(OK);
    });
}

int SetConvertType(bool indirect) {
    return run(S_LAYOUT, [&](Ctx& c) {
        c.m.convertIndirect = indirect ? 1 : 0;
        return int(OK);
    });
}

// ---- service ---------------------------------------------------------------------------

int Fiscalization(const char* yyyymmdd) {
    int y, mo, d;
    if (!yyyymmdd)
        return E_NULL;
    if (!parseDate(yyyymmdd, y, mo, d))
        return E_DATE;
    return run(S_IDENTITY, [&](Ctx& c) {
        if (c.m.fiscal())
            return int(E_FISCAL);
        if (int rc = noDocument(c))
            return rc;
        if (shiftHasTurnover(c.m))
            return int(E_SHIFT);
        std::string date = yyyymmdd;
        if (date < c.store.lastRecordDate() || date > today(c.m))
            return int(E_DATE_ORDER);
        c.m.fiscalDate = date;
        printHeader(c, "FISCALIZATION");
        c.paper.pair("Fiscal from", date.substr(6, 2) + "." + date.substr(4, 2) + "." + date.substr(0, 4));
        c.paper.pair("Chassis", c.m.chassis);
        c.paper.pair("Id", c.m.id);
        printFooters(c);
        return int(OK);
    });
}

static int setServiceNumber(std::string Module::*field, const char* number) {
    if (int rc = checkText(number, kNumberMax, false))
        return rc;
    return run(S_IDENTITY, [&](Ctx& c) {
        if (c.m.fiscal())
            return int(E_FISCAL);
        c.m.*field = number;
        return int(OK);
    });
}

int SetShassi(const char* number) {
    return setServiceNumber(&Module::chassis, number);
}
int SetId(const char* number) {
    return setServiceNumber(&Module::id, number);
}

int WriteData(int blockIndex, const unsigned char* data32) {
    if (blockIndex < 0 || blockIndex >= kBlocks)
        return E_RANGE;
    if (!data32)
        return E_NULL;
    return run(S_BLOCKS, [&](Ctx& c) {
        c.m.block[size_t(blockIndex)].assign(reinterpret_cast<const char*>(data32), 32);
        return int(OK);
    });
}

// ---- fuel tables -----------------------------------------------------------------------

// An empty name removes the fuel, unless a tank still holds it.
int SetFuel(int fuel, const char* name, int decimals, int tax, const char* unit) {
    if (fuel < 0 || fuel >= kFuels)
        return E_RANGE;
    if (int rc = checkText(name, kFuelNameMax))
        return rc;
    if (int rc = checkText(unit, kUnitMax))
        return rc;
    bool removing = name[0] == '\0';
    if (!removing && (decimals < 0 || decimals > 3 || tax < 0 || tax >= kTaxes))
        return E_RANGE;
    return run(S_FUEL, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        Fuel& f = c.m.fuel[size_t(fuel)];
        if (removing) {
            for (const Tank& t : c.m.tank)
                if (!t.name.empty() && t.fuel == fuel)
                    return int(E_IN_USE);
            f = Fuel{};
            return int(OK);
        }
        f.name = name;
        f.unit = unit;
        f.decimals = decimals;
        f.tax = tax;
        return int(OK);
    });
}

int SetFuelPrice(int fuel, double price) {
    if (fuel < 0 || fuel >= kFuels)
        return E_RANGE;
    int64_t cents = 0;
    if (int rc = toPositive(price, 100, 99999999, cents))
        return rc;
    return run(S_FUEL, [&](Ctx& c) {
        if (c.m.fuel[size_t(fuel)].name.empty())
            return int(E_FUEL_ABSENT);
        if (int rc = noDocument(c))
            return rc;
        c.m.fuel[size_t(fuel)].price = cents;
        return int(OK);
    });
}

// An empty name takes the tank out of use; its figures are kept.
int SetFuelTank(int tank, const char* name, int fuel, double minLevel, double maxLevel) {
    if (tank < 0 || tank >= kTanks || fuel < 0 || fuel >= kFuels)
        return E_RANGE;
    if (int rc = checkText(name, kFuelNameMax))
        return rc;
    int64_t lo = 0, hi = 0;
    if (int rc = toNonNegative(minLevel, 1000, kQtyMax * 1000, lo))
        return rc;
    if (int rc = toNonNegative(maxLevel, 1000, kQtyMax * 1000, hi))
        return rc;
    if (lo > hi)
        return E_VALUE;
    return run(S_TANKS, [&](Ctx& c) {
        if (name[0] != '\0' && c.m.fuel[size_t(fuel)].name.empty())
            return int(E_FUEL_ABSENT);
        if (int rc = noDocument(c))
            return rc;
        Tank& t = c.m.tank[size_t(tank)];
        t.name = name;
        t.fuel = fuel;
        t.min = lo;
        t.max = hi;
        return int(OK);
    });
}

int SetFuelPump(int pump, int dec, int n0, int n1, int n2, int n3, int n4, int n5, int n6, int n7) {
    const int nozzles[kNozzles] = {n0, n1, n2, n3, n4, n5, n6, n7};
    if (pump < 0 || pump >= kPumps || dec < 0 || dec > 3)
        return E_RANGE;
    for (int n : nozzles)
        if (n < -1 || n >= kTanks)
            return E_RANGE;
    return run(S_TANKS, [&](Ctx& c) {
        if (int rc = noDocument(c))
            return rc;
        Pump& p = c.m.pump[size_t(pump)];
        p.dec = dec;
        for (int i = 0; i < kNozzles; ++i)
            p.nozzle[size_t(i)] = nozzles[i];
        return int(OK);
    });
}

} // namespace tc
