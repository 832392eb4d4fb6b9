// reports.cpp - tables, X and mini X, the Z report that books the shift into fiscal memory,
// periodic reports read back from those records, and the tank reports.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "api.h"
#include "session.h"

namespace tc {

namespace {

using Figures = std::vector<std::pair<std::string, int64_t>>;

std::string n(int i) {
    return std::to_string(i);
}

bool endsWith(const std::string& s, const char* tail) {
    size_t t = std::strlen(tail);
    return s.size() >= t && s.compare(s.size() - t, t, tail) == 0;
}

// The shift as figures: what X prints and what Z books.
Figures shiftFigures(const Module& m) {
    Figures f;
    for (int i = 0; i < T_COUNT; ++i)
        f.emplace_back(kTotNames[i], m.tot[i]);
    f.emplace_back("day_turnover", m.dayTurnover);
    f.emplace_back("grand_total", m.grandTotal);
    for (int i = 0; i < kTaxes; ++i) {
        f.emplace_back("tax" + n(i) + "_rate", m.tax[i]);
        f.emplace_back("tax" + n(i), m.taxTurnover[i]);
    }
    for (int i = 0; i < kDepartments; ++i)
        f.emplace_back("dept" + n(i), m.dept[i].turnover);
    for (int i = 0; i < kCredits; ++i)
        f.emplace_back("credit" + n(i), m.credit[i].turnover);
    for (int i = 0; i < kCurrencies; ++i) {
        f.emplace_back("cash" + n(i), m.cashTaken[i]);
        f.emplace_back("money_in" + n(i), m.moneyIn[i]);
        f.emplace_back("money_out" + n(i), m.moneyOut[i]);
    }
    for (int i = 0; i < kTanks; ++i) {
        const Tank& t = m.tank[i];
        if (t.name.empty())
            continue;
        int64_t qty = 0, sum = 0;
        for (int k = 0; k <= kCredits; ++k)
            qty += t.soldQty[k], sum += t.soldSum[k];
        std::string k = "tank" + n(i);
        f.emplace_back(k + "_start", t.start);
        f.emplace_back(k + "_replenish", t.replenish);
        f.emplace_back(k + "_underflow", t.underflow);
        f.emplace_back(k + "_overflow", t.overflow);
        f.emplace_back(k + "_sold_qty", qty);
        f.emplace_back(k + "_sold_sum", sum);
        f.emplace_back(k + "_stock", t.stock());
    }
    return f;
}

std::string recordText(const Module& m, int64_t now) {
    std::string s = "time=" + timeText(now) + "\ntraining=" + (m.fiscal() ? "0" : "1") + "\n";
    for (auto& [k, v] : shiftFigures(m))
        s += k + "=" + std::to_string(v) + "\n";
    return s;
}

Figures parseRecord(const Record& r, std::string& time, bool& training) {
    Figures f;
    size_t pos = 0, nl;
    while ((nl = r.text.find('\n', pos)) != std::string::npos) {
        std::string line = r.text.substr(pos, nl - pos);
        pos = nl + 1;
        size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string k = line.substr(0, eq), v = line.substr(eq + 1);
        if (k == "time")
            time = v;
        else if (k == "training")
            training = v == "1";
        else
            f.emplace_back(k, std::strtoll(v.c_str(), nullptr, 10));
    }
    return f;
}

// Sums figures of several records: start figures from the first, rates, stocks and the grand
// total from the last, everything else added up.
void accumulate(Figures& sum, const Figures& next, bool first) {
    for (auto& [k, v] : next) {
        auto it = std::find_if(sum.begin(), sum.end(), [&key = k](auto& p) { return p.first == key; });
        if (it == sum.end()) {
            sum.emplace_back(k, v);
            continue;
        }
        if (endsWith(k, "_start") && !first)
            continue;
        if (endsWith(k, "_rate") || endsWith(k, "_stock") || k == "grand_total")
            it->second = v;
        else
            it->second += v;
    }
}

std::string label(const Module& m, const std::string& k) {
    auto idx = [&](size_t from) { return std::atoi(k.c_str() + from); };
    if (k.rfind("tax", 0) == 0 && !endsWith(k, "_rate"))
        return std::string("Tax ") + "ABCD"[idx(3) & 3] + " " + percent(m.tax[idx(3) & 3]) + "%";
    if (k.rfind("dept", 0) == 0)
        return "Dept " + m.dept[idx(4) & 7].name;
    if (k.rfind("credit", 0) == 0)
        return m.credit[idx(6) & 7].name;
    if (k.rfind("cash", 0) == 0)
        return "Cash " + m.currency[idx(4) & 3].name;
    if (k.rfind("money_in", 0) == 0)
        return "Money in " + m.currency[idx(8) & 3].name;
    if (k.rfind("money_out", 0) == 0)
        return "Money out " + m.currency[idx(9) & 3].name;
    std::string s = k;
    for (char& ch : s)
        if (ch == '_')
            ch = ' ';
    if (!s.empty())
        s[0] = char(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

bool isCount(const std::string& k) {
    return k == "receipts" || k == "return_receipts" || k == "nonfiscal" || k == "copies";
}

void printFigures(Ctx& c, const Figures& f, bool tanks) {
    for (auto& [k, v] : f) {
        bool tank = k.rfind("tank", 0) == 0;
        if (tank != tanks || endsWith(k, "_rate"))
            continue;
        if (!tanks && v == 0 && k.rfind("receipts", 0) != 0 && k != "day_turnover")
            continue;
        std::string text = isCount(k) ? std::to_string(v) : tank && !endsWith(k, "_sum") ? qty(v) : money(v);
        std::string name = tank ? c.m.tank[std::atoi(k.c_str() + 4) % kTanks].name + " " +
                                      label(c.m, k.substr(k.find('_') + 1))
                                : label(c.m, k);
        c.paper.pair(name, text);
    }
}

int needNoDocument(const Ctx& c) {
    return c.m.doc == D_NONE ? OK : E_DOC_OPEN;
}

int table(const char* title, void (*body)(Ctx&)) {
    return run(S_PRINTS, [&](Ctx& c) {
        if (int rc = needNoDocument(c))
            return rc;
        printHeader(c, title);
        body(c);
        printFooters(c);
        return int(OK);
    });
}

// Periodic reports, by dates or by Z numbers, summary or detailed, shift or tank figures.
int periodic(const char* from, const char* to, int first, int last, bool byDate, bool detailed, bool tanks) {
    std::string a, b;
    if (byDate) {
        int y, mo, d;
        if (!from || !to)
            return E_NULL;
        if (!parseDate(from, y, mo, d) || !parseDate(to, y, mo, d))
            return E_DATE;
        a = from;
        b = to;
        if (a > b)
            return E_DATE_ORDER;
    } else if (first < 1 || last < first) {
        return E_RANGE;
    }
    return run(S_PRINTS, [&](Ctx& c) {
        if (int rc = needNoDocument(c))
            return rc;
        std::vector<Record> records;
        bool ok =
            byDate ? c.store.recordsByDate(a, b, records) : c.store.recordsByNumber(first, last, records);
        if (!ok)
            return int(E_DB_DAMAGED);
        if (records.empty())
            return int(E_NO_RECORDS);
        std::string title =
            std::string(tanks ? "TANK " : "") + (detailed ? "PERIODIC REPORT" : "SUM PERIODIC REPORT");
        printHeader(c, title.c_str());
        c.paper.pair("From Z " + std::to_string(records.front().number), records.front().date);
        c.paper.pair("To Z " + std::to_string(records.back().number), records.back().date);
        Figures sum;
        for (size_t i = 0; i < records.size(); ++i) {
            std::string time;
            bool training = false;
            Figures f = parseRecord(records[i], time, training);
            if (detailed) {
                c.paper.rule();
                c.paper.pair("Z " + std::to_string(records[i].number) + (training ? " TRAINING" : ""),
                             records[i].date + " " + time);
                printFigures(c, f, tanks);
            }
            accumulate(sum, f, i == 0);
        }
        c.paper.rule('=');
        c.paper.center("TOTAL");
        printFigures(c, sum, tanks);
        printFooters(c);
        return int(OK);
    });
}

} // namespace

int PrintVatTable() {
    return table("VAT TABLE", [](Ctx& c) {
        for (int i = 0; i < kTaxes; ++i)
            c.paper.pair(std::string("Tax ") + "ABCD"[i], percent(c.m.tax[i]) + "%");
    });
}

int PrintCurrencyTable() {
    return table("CURRENCY TABLE", [](Ctx& c) {
        for (int i = 0; i < kCurrencies; ++i)
            if (!c.m.currency[i].name.empty())
                c.paper.pair(std::to_string(i + 1) + ". " + c.m.currency[i].name,
                             rate(c.m.currency[i].rateMicro));
    });
}

int PrintCreditTable() {
    return table("CREDIT TABLE", [](Ctx& c) {
        for (int i = 0; i < kCredits; ++i)
            c.paper.line(std::to_string(i + 1) + ". " + c.m.credit[i].name);
    });
}

int PrintXReport() {
    return table("X REPORT", [](Ctx& c) {
        c.paper.pair("Next Z", std::to_string(c.m.zCount + 1));
        printFigures(c, shiftFigures(c.m), false);
        for (int i = 0; i < kCurrencies; ++i)
            if (!c.m.currency[i].name.empty())
                c.paper.pair("Drawer " + c.m.currency[i].name, money(c.m.drawer[i]));
    });
}

int PrintMiniXReport() {
    return table("MINI X REPORT", [](Ctx& c) {
        c.paper.pair("Receipts", std::to_string(c.m.tot[T_RECEIPTS]));
        c.paper.pair("Sales", money(c.m.tot[T_SALES]));
        c.paper.pair("Returns", money(c.m.tot[T_RETURNS]));
        c.paper.pair("Day turnover", money(c.m.dayTurnover));
        c.paper.pair("Drawer " + c.m.currency[0].name, money(c.m.drawer[0]));
    });
}

// Books the shift as fiscal record number zCount + 1 and clears it. Cash in the drawer stays:
// it is still in the drawer.
int PrintZReport() {
    return run(S_SHIFT | S_TANKS, [](Ctx& c) {
        if (int rc = needNoDocument(c))
            return rc;
        Module& m = c.m;
        int64_t now = moduleNow(m);
        std::string date = dateText(now);
        if (date < c.store.lastRecordDate())
            return int(E_DATE_ORDER);
        if (m.zCount >= 99999999)
            return int(E_OVERFLOW);
        Record r{m.zCount + 1, date, recordText(m, now)};
        printHeader(c, ("Z REPORT " + std::to_string(r.number)).c_str());
        printFigures(c, shiftFigures(m), false);
        printFigures(c, shiftFigures(m), true);
        printFooters(c);
        c.newRecords.push_back(r);
        m.zCount = r.number;
        m.tot.fill(0);
        m.taxTurnover.fill(0);
        m.cashTaken.fill(0);
        m.moneyIn.fill(0);
        m.moneyOut.fill(0);
        for (Department& d : m.dept)
            d.turnover = 0;
        for (Credit& k : m.credit)
            k.turnover = 0;
        for (Tank& t : m.tank) {
            t.start = t.stock();
            t.replenish = t.underflow = t.overflow = 0;
            t.soldQty.fill(0);
            t.soldSum.fill(0);
        }
        m.dayTurnover = 0;
        m.nextDayReceipt = 1;
        return int(OK);
    });
}

int PrintSumPeriodicReport(const char* a, const char* b) {
    return periodic(a, b, 0, 0, true, false, false);
}
int PrintPeriodicReport(const char* a, const char* b) {
    return periodic(a, b, 0, 0, true, true, false);
}
int PrintSumPeriodicReportByNumber(int a, int b) {
    return periodic(nullptr, nullptr, a, b, false, false, false);
}
int PrintPeriodicReportByNumber(int a, int b) {
    return periodic(nullptr, nullptr, a, b, false, true, false);
}
int PrintTankSumPeriodicReport(const char* a, const char* b) {
    return periodic(a, b, 0, 0, true, false, true);
}
int PrintTankPeriodicReport(const char* a, const char* b) {
    return periodic(a, b, 0, 0, true, true, true);
}
int PrintTankSumPeriodicReportByNumber(int a, int b) {
    return periodic(nullptr, nullptr, a, b, false, false, true);
}
int PrintTankPeriodicReportByNumber(int a, int b) {
    return periodic(nullptr, nullptr, a, b, false, true, true);
}

int FuelPrintTankReport() {
    return table("TANK REPORT", [](Ctx& c) {
        for (const Tank& t : c.m.tank) {
            if (t.name.empty())
                continue;
            c.paper.pair(t.name, c.m.fuel[size_t(t.fuel)].name);
            c.paper.pair("  Start", qty(t.start));
            c.paper.pair("  Replenished", qty(t.replenish));
            c.paper.pair("  Overfilled", qty(t.overflow));
            c.paper.pair("  Stock", qty(t.stock()));
        }
    });
}

} // namespace tc
