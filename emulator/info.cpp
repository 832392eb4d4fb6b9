// info.cpp - information codes: a small table of answerers, the journal in pieces, bad blocks
// and the journal checksum.
#include <zlib.h>

#include <cstring>

#include "api.h"
#include "faults.h"
#include "session.h"

namespace tc {

namespace {

constexpr char FS = TILLCORE_FS;
constexpr size_t kAnswerSize = TILLCORE_ANSWER_SIZE, kTankAnswerSize = 512, kJournalInfoSize = 64;
constexpr size_t kPieceMax = 1 << 20; // at most 1 MiB of journal per call
constexpr int64_t kCardKb = 3872256;  // a 4 GB micro SD card

std::string f(const std::string& s) {
    return s + FS;
}
std::string f(int64_t v) {
    return std::to_string(v) + FS;
}

using Answerer = int (*)(Ctx& c, int index, int param, std::string& out);

int counters(Ctx& c, int code, int, std::string& out) {
    const Module& m = c.m;
    int64_t now = moduleNow(m);
    switch (code) {
    case 0:
        out = f(money(m.doc == D_FISCAL ? m.receiptTotal() : 0));
        break;
    case 1:
        out = f(money(m.dayTurnover));
        break;
    case 2:
        out = f(m.nextReceipt);
        break;
    case 3:
        out = f(m.unitNumber);
        break;
    case 4:
        out = f(m.version);
        break;
    case 5:
        out = f(dateText(now));
        break;
    case 6:
        out = f(timeText(now));
        break;
    case 7:
        out = f(m.zCount);
        break;
    case 8:
        out = f(m.nextDayReceipt);
        break;
    }
    return OK;
}

// State text, hardware mask as one raw byte (an empty field when no bit is set), and the three
// extended status bytes as two hexadecimal digits each.
int state(Ctx& c, int, int, std::string& out) {
    const Module& m = c.m;
    const char* doc = m.doc == D_FISCAL      ? "FISCAL RECEIPT"
                      : m.doc == D_NONFISCAL ? "NONFISCAL DOCUMENT"
                                             : "READY";
    out = f(std::string(m.fiscal() ? "FISCAL " : "TRAINING ") + doc);
    const FaultSet& faults = activeFaults();
    int hwMask = m.hwMask | faults.hardwareMask();
    std::string mask;
    if (hwMask > 0 && hwMask <= 255 && hwMask != 0x1c)
        mask = std::string(1, char(hwMask));
    out += f(mask);
    std::array<int, 3> extra = faults.statusBytes();
    for (size_t i = 0; i < extra.size(); ++i) {
        char buf[8];
        snprintf(buf, sizeof buf, "%02X", unsigned(m.statusBytes[i] | extra[i]) & 0xffu);
        out += f(buf);
    }
    return OK;
}

std::string attrField(int a) {
    return a == 0 ? std::string() : std::string(1, char(a));
}

int lines(Ctx& c, int code, int, std::string& out) {
    const Module& m = c.m;
    auto add = [&](const auto& arr) {
        for (const Line& l : arr)
            out += f(attrField(l.attr)) + f(l.text);
    };
    if (code == TILLCORE_INFO_HEADER)
        add(m.header);
    else if (code == TILLCORE_INFO_FOOTER)
        add(m.footer);
    else if (code == TILLCORE_INFO_FOOTER2)
        add(m.footer2);
    else if (code == TILLCORE_INFO_FOOTER_ENABLED)
        out = f(m.footerOn ? "1" : "0");
    else
        out = f(m.footer2On ? "1" : "0");
    return OK;
}

int currency(Ctx& c, int i, int, std::string& out) {
    out = f(i) + f(c.m.currency[i].name) + f(rate(c.m.currency[i].rateMicro));
    return OK;
}
int tax(Ctx& c, int i, int, std::string& out) {
    out = f(i) + f(percent(c.m.tax[i]));
    return OK;
}
int drawer(Ctx& c, int i, int, std::string& out) {
    out = f(i) + f(money(c.m.drawer[i]));
    return OK;
}
int credit(Ctx& c, int i, int, std::string& out) {
    const Credit& k = c.m.credit[i];
    out = f(i) + f(k.name) + f(money(k.turnover)) + f(k.ext) + f(k.print);
    return OK;
}
int department(Ctx& c, int i, int, std::string& out) {
    out = f(i) + f(c.m.dept[i].name) + f(money(c.m.dept[i].turnover));
    return OK;
}
int numbers(Ctx& c, int code, int, std::string& out) {
    out = f(code == TILLCORE_INFO_CHASSIS_NUMBER ? c.m.chassis : c.m.id);
    return OK;
}
int printRow(Ctx& c, int i, int, std::string& out) {
    const PrintRow& r = c.m.printRow[i];
    out = (i == 0 ? f(c.m.frOn) : f(i + 1)) + f(r.print) + f(r.rate) + f(r.from) + f(r.till);
    if (i == 0)
        out += f(c.m.lineWidth);
    return OK;
}
int convertType(Ctx& c, int, int, std::string& out) {
    out = f(c.m.convertIndirect);
    return OK;
}
int printerStatus(Ctx& c, int, int, std::string& out) {
    std::array<int, 4> extra = activeFaults().printerStatus();
    for (size_t i = 0; i < extra.size(); ++i)
        out += f((c.m.printerStatus[i] | extra[i]) & 0xff);
    return OK;
}
int fuel(Ctx& c, int i, int, std::string& out) {
    const Fuel& x = c.m.fuel[i];
    if (x.name.empty())
        return E_FUEL_ABSENT;
    out = f(i) + f(x.name) + f(x.tax) + f(x.decimals) + f(x.unit) + f(money(x.price));
    return OK;
}
int tank(Ctx& c, int i, int, std::string& out) {
    const Tank& t = c.m.tank[i];
    out = f(i) + f(t.name) + f(t.fuel) + f(qty(t.min)) + f(qty(t.max)) + f(qty(t.start)) +
          f(qty(t.replenish)) + f(qty(t.underflow)) + f(qty(t.overflow));
    for (int k = 0; k <= kCredits; ++k)
        out += f(qty(t.soldQty[k])) + f(money(t.soldSum[k]));
    return OK;
}
int pump(Ctx& c, int i, int, std::string& out) {
    const Pump& p = c.m.pump[i];
    out = f(i) + f(p.dec);
    for (int n : p.nozzle)
        out += f(n);
    return OK;
}
// Pump totals: the pump number, then nozzle, quantity total, money total for every nozzle
// connected to a tank or with a total.
int pumpTotals(Ctx& c, int, int param, std::string& out) {
    if (param < 0 || param >= kPumps)
        return E_RANGE;
    const Pump& p = c.m.pump[param];
    out = f(param);
    for (int n = 0; n < kNozzles; ++n)
        if (p.nozzle[n] >= 0 || p.totalQty[n] || p.totalSum[n])
            out += f(n) + f(qty(p.totalQty[n])) + f(money(p.totalSum[n]));
    return OK;
}
int dataBlock(Ctx& c, int i, int, std::string& out) {
    out = f(i + 1) + c.m.block[i];
    return OK;
}
int journalInfo(Ctx& c, int, int, std::string& out) {
    char crc[16];
    snprintf(crc, sizeof crc, "%08X", c.m.journalCrc);
    out = f(c.m.journalLen) + f(crc);
    return OK;
}
int cardSpace(Ctx& c, int, int, std::string& out) {
    int64_t used = (c.m.journalLen + 1023) / 1024 + c.m.zCount;
    const FaultSet& faults = activeFaults();
    if (faults.has(F_CARD_MISSING)) // no card: no space at all
        out = f(0) + f(0);
    else
        out = f(used < kCardKb && !faults.has(F_CARD_FULL) ? kCardKb - used : 0) + f(kCardKb);
    return OK;
}

struct Entry {
    int first, last; // codes first..last; the answerer gets code - first, or the code itself
    bool byIndex;
    size_t size; // the binding's answer buffer for these codes
    Answerer answer;
};

const Entry kTable[] = {
    {TILLCORE_INFO_RECEIPT_TOTAL, TILLCORE_INFO_NEXT_DAY_RECEIPT, false, kAnswerSize, counters},
    {TILLCORE_INFO_STATE, TILLCORE_INFO_STATE, false, kAnswerSize, state},
    {TILLCORE_INFO_HEADER, TILLCORE_INFO_FOOTER2_ENABLED, false, kAnswerSize, lines},
    {TILLCORE_INFO_CURRENCY_BASE, TILLCORE_INFO_CURRENCY_BASE + kCurrencies - 1, true, kAnswerSize, currency},
    {TILLCORE_INFO_VAT_BASE, TILLCORE_INFO_VAT_BASE + kTaxes - 1, true, kAnswerSize, tax},
    {TILLCORE_INFO_CASH_IN_DRAWER_BASE, TILLCORE_INFO_CASH_IN_DRAWER_BASE + kCurrencies - 1, true,
     kAnswerSize, drawer},
    {TILLCORE_INFO_CREDIT_BASE, TILLCORE_INFO_CREDIT_BASE + kCredits - 1, true, kAnswerSize, credit},
    {TILLCORE_INFO_CHASSIS_NUMBER, TILLCORE_INFO_ID_NUMBER, false, kAnswerSize, numbers},
    {TILLCORE_INFO_PRINT_CURRENCY_BASE, TILLCORE_INFO_PRINT_CURRENCY_BASE + 2, true, kAnswerSize, printRow},
    {TILLCORE_INFO_CONVERSION_TYPE, TILLCORE_INFO_CONVERSION_TYPE, false, kAnswerSize, convertType},
    {TILLCORE_INFO_PRINTER_STATUS, TILLCORE_INFO_PRINTER_STATUS, false, kAnswerSize, printerStatus},
    {TILLCORE_INFO_DEPARTMENT_BASE, TILLCORE_INFO_DEPARTMENT_BASE + kDepartments - 1, true, kAnswerSize,
     department},
    {TILLCORE_INFO_FUEL_BASE, TILLCORE_INFO_FUEL_BASE + kFuels - 1, true, kAnswerSize, fuel},
    {TILLCORE_INFO_TANK_BASE, TILLCORE_INFO_TANK_BASE + kTanks - 1, true, kTankAnswerSize, tank},
    {TILLCORE_INFO_PUMP_BASE, TILLCORE_INFO_PUMP_BASE + kPumps - 1, true, kAnswerSize, pump},
    {TILLCORE_INFO_PUMP_TOTALS, TILLCORE_INFO_PUMP_TOTALS, false, kAnswerSize, pumpTotals},
    {TILLCORE_INFO_DATA_BLOCK_BASE + 1, TILLCORE_INFO_DATA_BLOCK_BASE + kBlocks, true, kAnswerSize,
     dataBlock},
    {TILLCORE_INFO_JOURNAL_INFO, TILLCORE_INFO_JOURNAL_INFO, false, kJournalInfoSize, journalInfo},
    {TILLCORE_INFO_CARD_SPACE, TILLCORE_INFO_CARD_SPACE, false, kAnswerSize, cardSpace},
};

const Entry* find(int code) {
    for (const Entry& e : kTable)
        if (code >= e.first && code <= e.last)
            return &e;
    return nullptr;
}

// The journal from a position, in whole lines that fit in room - 1 bytes.
int journalPiece(Ctx& c, int position, size_t room, std::string& out) {
    if (position < 0 || position > c.m.journalLen)
        return E_RANGE;
    if (position == c.m.journalLen)
        return E_END;
    size_t want = std::min(room - 1, kPieceMax);
    // A zero byte would end the reader's text early: the journal never holds one.
    if (!c.store.readJournal(position, want, out) || std::memchr(out.data(), 0, out.size()))
        return E_DB_DAMAGED;
    bool reachesEnd = position + int64_t(out.size()) >= c.m.journalLen;
    if (!reachesEnd || out.size() > want) {
        size_t cut = out.rfind('\n');
        if (cut == std::string::npos)
            return E_ROOM;
        out.resize(cut + 1);
    }
    return out.empty() ? E_ROOM : OK;
}

// Answers a code into answer, which holds room bytes. Pump totals and the journal take a parameter.
int answerInto(int code, int param, char* answer, size_t room) {
    if (!answer)
        return E_NULL;
    if (room == 0)
        return E_ROOM;
    answer[0] = '\0';
    std::string out;
    int rc = run(S_READ_ONLY, [&](Ctx& c) {
        if (code == TILLCORE_INFO_JOURNAL)
            return journalPiece(c, param, room, out);
        const Entry* e = find(code);
        if (!e)
            return int(E_CODE);
        return e->answer(c, e->byIndex ? code - e->first : code, param, out);
    });
    if (rc != OK && !(rc == E_END && out.empty()))
        return rc;
    if (out.size() + 1 > room)
        return E_ROOM;
    std::memcpy(answer, out.data(), out.size());
    answer[out.size()] = '\0';
    return rc;
}

size_t bufferFor(int code) {
    const Entry* e = find(code);
    return e ? e->size : kAnswerSize;
}

} // namespace

int GetFiscalInfo(int code, char* answer) {
    return answerInto(code, 0, answer, bufferFor(code));
}

int GetFiscalInfo2(int code, int parameter, char* answer) {
    return answerInto(code, parameter, answer, bufferFor(code));
}

int GetFiscalInfo2Ex(int code, int parameter, char* answer, int room) {
    if (!answer)
        return E_NULL;
    if (room <= 0)
        return E_ROOM;
    return answerInto(code, parameter, answer, size_t(room));
}

int GetBadBlocks(char* answer) {
    if (!answer)
        return E_NULL;
    answer[0] = '\0';
    std::string out;
    int rc = run(S_READ_ONLY, [&](Ctx& c) {
        out = c.m.badBlocks;
        return int(OK);
    });
    if (rc != OK)
        return rc;
    if (out.size() + 1 > kAnswerSize)
        out.resize(kAnswerSize - 1);
    std::memcpy(answer, out.data(), out.size());
    answer[out.size()] = '\0';
    return OK;
}

// Mode 0: the CRC-32 of the text given. The text is read up to length bytes or its
// terminating zero, whichever comes first. Other modes answer 0.
unsigned int LoadJournalCrc(int mode, const char* text, int length) {
    if (mode != 0 || !text || length <= 0)
        return 0;
    size_t n = strnlen(text, size_t(length));
    return unsigned(crc32(0, reinterpret_cast<const Bytef*>(text), uInt(n)));
}

} // namespace tc
