// documents.cpp - fiscal receipts, non-fiscal documents, cash movements, drawer, messages
// and barcodes.
#include "documents.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "api.h"

namespace tc {

namespace {

const char kTaxLetter[] = "ABCD";

std::string voidLabel(const Module& m) {
    static const char* const names[] = {"Void", "Discount", ""};
    return names[m.voidName >= 0 && m.voidName <= 2 ? m.voidName : 0];
}
std::string surchargeLabel(const Module& m) {
    return m.surchargeName == 11 ? "Service" : "Surcharge";
}

int64_t mulDiv(int64_t a, int64_t b, int64_t d) { // a * b / d rounded half away from zero
    __int128 v = __int128(a) * b;
    __int128 h = d / 2;
    return int64_t((v >= 0 ? v + h : v - h) / d);
}

// Shares total out in proportion to weights, exactly (largest remainder).
std::vector<int64_t> shares(int64_t total, const std::vector<int64_t>& weights) {
    std::vector<int64_t> out(weights.size(), 0);
    int64_t sum = 0;
    for (int64_t w : weights)
        sum += w;
    if (sum == 0 || total == 0)
        return out;
    int64_t given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        out[i] = int64_t(__int128(total) * weights[i] / sum);
        given += out[i];
    }
    // Truncation leaves less than one unit per share: hand it out one by one.
    while (given != total)
        for (size_t i = 0; i < weights.size() && given != total; ++i)
            if (weights[i] != 0) {
                int64_t step = total > given ? 1 : -1;
                out[i] += step;
                given += step;
            }
    return out;
}

int needReceipt(const Ctx& c) {
    return c.m.doc == D_FISCAL ? OK : E_NO_RECEIPT;
}
int needNonFiscal(const Ctx& c) {
    return c.m.doc == D_NONFISCAL ? OK : E_NO_NONFISCAL;
}
int needNoDocument(const Ctx& c) {
    return c.m.doc == D_NONE ? OK : E_DOC_OPEN;
}

bool currencyDefined(const Module& m, int i) {
    return !m.currency[i].name.empty() && m.currency[i].rateMicro > 0;
}

int itemFromArgs(const char* name, double quantity, double price, int taxIndex, const char* unit,
                 int departIndex, Item& it) {
    if (int rc = checkText(name, kItemNameMax))
        return rc;
    if (int rc = checkText(unit, kUnitMax))
        return rc;
    if (taxIndex < 0 || taxIndex >= kTaxes || departIndex < 0 || departIndex >= kDepartments)
        return E_RANGE;
    if (int rc = toPositive(quantity, 1000, kQtyMax, it.qty))
        return rc;
    if (int rc = toPositive(price, 100, kMoneyMax, it.price))
        return rc;
    it.amount = mulDiv(it.qty, it.price, 1000);
    if (it.amount <= 0)
        return E_VALUE;
    if (it.amount > kMoneyMax)
        return E_OVERFLOW;
    it.name = name;
    it.unit = unit;
    it.tax = taxIndex;
    it.dept = departIndex;
    return OK;
}

void printItemLine(Ctx& c, const Item& it) {
    c.paper.line(it.name.empty() && it.dept >= 0 ? c.m.dept[it.dept].name : it.name);
    std::string q = "  " + qty(it.qty) + (it.unit.empty() ? "" : " " + it.unit) + " x " + money(it.price);
    c.paper.pair(q, money(it.amount) + " " + kTaxLetter[it.tax]);
}

// Money-moving slip outside receipts (money in/out, tare and deposit lines share the form).
void printSlip(Ctx& c, const char* title, const std::string& what, int64_t amount) {
    printHeader(c, title);
    c.paper.pair(what, money(amount));
    printFooters(c);
}

int tareOrDeposit(const char* name, double quantity, double price, int total, bool cashIn,
                  const char* label) {
    if (int rc = checkText(name, kItemNameMax))
        return rc;
    int64_t q = 0, p = 0;
    if (int rc = toPositive(quantity, 1000, kQtyMax, q))
        return rc;
    if (int rc = toPositive(price, 100, kMoneyMax, p))
        return rc;
    int64_t amount = mulDiv(q, p, 1000);
    if (amount <= 0)
        return E_VALUE;
    if (amount > kMoneyMax)
        return E_OVERFLOW;
    return run(S_SHIFT, [&](Ctx& c) {
        if (int rc = needNonFiscal(c))
            return rc;
        if (!cashIn && c.m.drawer[0] < amount)
            return int(E_DRAWER);
        if (cashIn && c.m.drawer[0] + amount > kMoneyMax)
            return int(E_OVERFLOW);
        c.m.drawer[0] += cashIn ? amount : -amount;
        c.m.tot[size_t(total)] += amount;
        c.paper.line(std::string(label) + ": " + name);
        c.paper.pair("  " + qty(q) + " x " + money(p), (cashIn ? "" : "-") + money(amount));
        return int(OK);
    });
}

} // namespace

// ---- shared receipt steps --------------------------------------------------------------

int beginReceipt(Ctx& c) {
    if (int rc = needNoDocument(c))
        return rc;
    if (c.m.nextReceipt > 99999999)
        return E_OVERFLOW;
    c.m.doc = D_FISCAL;
    c.m.items.clear();
    c.m.receiptAdj = 0;
    c.m.receiptAdjusted = 0;
    c.m.docText.clear();
    printHeader(c, ("RECEIPT " + std::to_string(c.m.nextReceipt)).c_str());
    return OK;
}

int computeAdjustment(const Item& it, int kind, double value, int64_t& adj) {
    int64_t v = 0;
    switch (kind) {
    case 1:
        if (int rc = toFixed(value, 100, 9999, v))
            return rc;
        adj = mulDiv(std::llabs(it.amount), v, 10000);
        break;
    case 2:
        if (int rc = toFixed(value, 100, kMoneyMax, v))
            return rc;
        adj = v;
        break;
    case 3:
        if (int rc = toFixed(value, 100, kMoneyMax, v))
            return rc;
        adj = mulDiv(it.qty, v, 1000);
        break;
    default:
        return E_RANGE;
    }
    if (adj == 0)
        return E_VALUE;
    int64_t base = std::llabs(it.amount);
    if (base + adj <= 0 || base + adj > kMoneyMax)
        return E_VALUE; // a discount stays below the item
    return OK;
}

void printAdjustment(Ctx& c, int64_t adj, const std::string& what) {
    std::string label = adj < 0 ? voidLabel(c.m) : surchargeLabel(c.m);
    if (label.empty())
        label = adj < 0 ? "-" : "+";
    c.paper.pair("  " + label + (what.empty() ? "" : " " + what), money(adj));
}

int addItem(Ctx& c, Item it) {
    int64_t total = c.m.receiptTotal() + it.amount + it.adj;
    if (total > kMoneyMax)
        return E_OVERFLOW;
    if (total < 0)
        return E_VALUE;
    c.m.items.push_back(it);
    return OK;
}

int closeReceipt(Ctx& c, const double pay[12], bool goodsReturn) {
    Module& m = c.m;
    if (int rc = needReceipt(c))
        return rc;
    if (m.items.empty())
        return E_NO_ITEM;
    int64_t cash[kCurrencies], credit[kCredits];
    const int cashArg[kCurrencies] = {0, 9, 10, 11};
    for (int i = 0; i < kCurrencies; ++i)
        if (int rc = toNonNegative(pay[cashArg[i]], 100, kMoneyMax, cash[i]))
            return rc;
    for (int k = 0; k < kCredits; ++k)
        if (int rc = toNonNegative(pay[1 + k], 100, kMoneyMax, credit[k]))
            return rc;
    int64_t cashBase = 0, credits = 0;
    bool foreign = false;
    for (int i = 0; i < kCurrencies; ++i) {
        if (cash[i] == 0)
            continue;
        if (!currencyDefined(m, i))
            return E_CURRENCY;
        cashBase += applyRate(m, i, cash[i]);
        foreign = foreign || i > 0;
    }
    for (int64_t k : credit)
        credits += k;
    if (cashBase > kMoneyMax || credits > kMoneyMax)
        return E_OVERFLOW;
    int64_t total = m.receiptTotal();
    int64_t change = 0;
    if (goodsReturn) {
        if (!m.goodsReturn)
            return E_RETURN_OFF;
        int64_t diff = cashBase + credits - total;
        if (diff < 0 && diff >= -1 && foreign)
            diff = 0; // conversion rounding of foreign cash
        if (diff != 0 && !(foreign && diff == 1))
            return E_BALANCE;
        for (int i = 0; i < kCurrencies; ++i)
            if (cash[i] > m.drawer[i])
                return E_DRAWER;
    } else {
        if (credits > total)
            return E_BALANCE;
        if (cashBase + credits < total)
            return E_SHORT;
        change = cashBase + credits - total;
        if (m.drawer[0] + cash[0] - change < 0)
            return E_DRAWER;
    }
    int sign = goodsReturn ? -1 : 1;
    if (m.grandTotal > 999999999999999 - total || m.dayTurnover > 999999999999999 - total)
        return E_OVERFLOW;
    for (int i = 0; i < kCurrencies; ++i)
        if (m.drawer[i] + cash[i] > 999999999999999)
            return E_OVERFLOW;

    // Net amount of every item with the receipt adjustment shared out over them.
    std::vector<int64_t> net;
    for (const Item& it : m.items)
        net.push_back(it.amount + it.adj);
    std::vector<int64_t> extra = shares(m.receiptAdj, net);
    for (size_t i = 0; i < m.items.size(); ++i) {
        const Item& it = m.items[i];
        int64_t n = net[i] + extra[i];
        m.taxTurnover[it.tax] += sign * n;
        if (it.dept >= 0)
            m.dept[it.dept].turnover += sign * n;
        if (it.adj < 0)
            m.tot[T_DISCOUNTS] -= it.adj;
        if (it.adj > 0)
            m.tot[T_ADDITIONS] += it.adj;
        if (it.kind == I_RETURN || it.kind == I_FUEL_VOID)
            m.tot[T_ITEM_VOIDS] -= it.amount + it.adj;
    }
    if (m.receiptAdj < 0)
        m.tot[T_DISCOUNTS] -= m.receiptAdj;
    if (m.receiptAdj > 0)
        m.tot[T_ADDITIONS] += m.receiptAdj;

    // Fuel: tank sales by payment kind, pump totalizers, quantity drawn below the minimum.
    std::vector<int64_t> weights{cashBase - change};
    for (int64_t k : credit)
        weights.push_back(k);
    for (size_t i = 0; i < m.items.size(); ++i) {
        const Item& it = m.items[i];
        if (it.kind != I_FUEL && it.kind != I_FUEL_VOID)
            continue;
        c.touch(S_TANKS);
        int64_t q = (it.kind == I_FUEL ? it.qty : -it.qty) * sign;
        int64_t sum = (net[i] + extra[i]) * sign;
        Tank& t = m.tank[size_t(it.tank)];
        int64_t before = t.stock();
        std::vector<int64_t> qs = shares(q, weights), ss = shares(sum, weights);
        if (total == 0)
            qs[0] = q, ss[0] = sum;
        for (size_t k = 0; k < weights.size(); ++k) {
            t.soldQty[k] += qs[k];
            t.soldSum[k] += ss[k];
        }
        if (q > 0)
            t.underflow += std::clamp(t.min - (before - q), int64_t(0), q);
        Pump& p = m.pump[size_t(it.pump)];
        p.totalQty[size_t(it.nozzle)] =
            ((p.totalQty[size_t(it.nozzle)] + q) % kTotalizerWrap + kTotalizerWrap) % kTotalizerWrap;
        p.totalSum[size_t(it.nozzle)] =
            ((p.totalSum[size_t(it.nozzle)] + sum) % kTotalizerWrap + kTotalizerWrap) % kTotalizerWrap;
    }

    for (int i = 0; i < kCurrencies; ++i) {
        m.drawer[i] += sign * cash[i];
        m.cashTaken[i] += sign * cash[i];
    }
    m.drawer[0] -= change;
    m.cashTaken[0] -= change;
    for (int k = 0; k < kCredits; ++k)
        m.credit[k].turnover += sign * credit[k];
    if (goodsReturn) {
        m.tot[T_RETURN_RECEIPTS]++;
        m.tot[T_RETURNS] += total;
        m.dayTurnover -= total;
    } else {
        m.tot[T_RECEIPTS]++;
        m.tot[T_SALES] += total;
        m.tot[T_CHANGE] += change;
        m.dayTurnover += total;
        m.grandTotal += total;
    }

    // Paper: totals, tax breakdown, payments, change, totals in the print currencies.
    c.paper.rule();
    if (m.receiptAdj != 0) {
        c.paper.pair("SUBTOTAL", money(total - m.receiptAdj));
        printAdjustment(c, m.receiptAdj, "");
    }
    c.paper.pair(goodsReturn ? "RETURN TOTAL" : "TOTAL", money(total));
    std::array<int64_t, kTaxes> byTax{};
    for (size_t i = 0; i < m.items.size(); ++i)
        byTax[size_t(m.items[i].tax)] += net[i] + extra[i];
    for (int t = 0; t < kTaxes; ++t)
        if (byTax[t] != 0)
            c.paper.pair(std::string(1, kTaxLetter[t]) + " " + percent(m.tax[t]) + "% of " + money(byTax[t]),
                         money(mulDiv(byTax[t], m.tax[t], 10000 + m.tax[t])));
    for (int i = 0; i < kCurrencies; ++i)
        if (cash[i])
            c.paper.pair("Cash " + m.currency[i].name, money(cash[i]));
    for (int k = 0; k < kCredits; ++k)
        if (credit[k])
            c.paper.pair(m.credit[k].name.empty() ? "Credit " + std::to_string(k + 1) : m.credit[k].name,
                         money(credit[k]));
    if (change)
        c.paper.pair("CHANGE", money(change));
    std::string day = today(m);
    if (m.frOn)
        for (const PrintRow& r : m.printRow) {
            int64_t micro = 0;
            if (!r.print || day < r.from || day > r.till)
                continue;
            if (toPositive(std::strtod(r.rate.c_str(), nullptr), 1000000, 1000000000000, micro) != OK)
                continue;
            int64_t shown = m.convertIndirect ? mulDiv(total, 1000000, micro) : mulDiv(total, micro, 1000000);
            c.paper.pair("TOTAL at " + r.rate, money(shown));
        }
    c.paper.pair("Receipt " + std::to_string(m.nextReceipt), "day " + std::to_string(m.nextDayReceipt));
    printFooters(c);
    m.nextReceipt++;
    m.nextDayReceipt++;
    m.lastReceipt = m.docText;
    m.doc = D_NONE;
    m.items.clear();
    m.receiptAdj = 0;
    m.receiptAdjusted = 0;
    m.docText.clear();
    return OK;
}

// ---- fiscal receipt --------------------------------------------------------------------

int BeginFiscalReceipt() {
    return run(S_DOC | S_ITEMS, [](Ctx& c) { return beginReceipt(c); });
}

int PrintRecItemDepart(const char* name, double quantity, double price, int taxIndex, const char* unit,
                       int departIndex) {
    Item it;
    if (int rc = itemFromArgs(name, quantity, price, taxIndex, unit, departIndex, it))
        return rc;
    return run(S_ITEMS, [&](Ctx& c) {
        if (int rc = needReceipt(c))
            return rc;
        if (c.m.receiptAdjusted)
            return int(E_ADJUSTED);
        if (int rc = addItem(c, it))
            return rc;
        printItemLine(c, it);
        return int(OK);
    });
}

int DiscountAdditionForItem(int kind, double value) {
    return run(S_ITEMS, [&](Ctx& c) {
        if (int rc = needReceipt(c))
            return rc;
        if (c.m.items.empty())
            return int(E_NO_ITEM);
        if (c.m.receiptAdjusted)
            return int(E_ADJUSTED);
        Item& last = c.m.items.back();
        if (last.kind != I_SALE && last.kind != I_FUEL)
            return int(E_NO_ITEM);
        if (last.adjusted)
            return int(E_ADJUSTED);
        int64_t adj = 0;
        if (int rc = computeAdjustment(last, kind, value, adj))
            return rc;
        if (c.m.receiptTotal() + adj > kMoneyMax)
            return int(E_OVERFLOW);
        last.adj = adj;
        last.adjusted = 1;
        printAdjustment(c, adj, kind == 1 ? percent(std::llabs(adj) * 10000 / last.amount) + "%" : "");
        return int(OK);
    });
}

int DiscountAdditionForReceipt(int kind, double value) {
    if (kind != 1 && kind != 2)
        return E_RANGE;
    return run(S_DOC, [&](Ctx& c) {
        if (int rc = needReceipt(c))
            return rc;
        if (c.m.receiptAdjusted)
            return int(E_ADJUSTED);
        int64_t subtotal = c.m.receiptTotal();
        if (c.m.items.empty() || subtotal <= 0)
            return int(E_NO_ITEM);
        Item whole;
        whole.amount = subtotal;
        whole.qty = 1000;
        int64_t adj = 0;
        if (int rc = computeAdjustment(whole, kind, value, adj))
            return rc;
        c.m.receiptAdj = adj;
        c.m.receiptAdjusted = 1;
        return int(OK);
    });
}

// Returns (voids) an item sold earlier in this receipt, with the adjustment it carried.
int ItemReturnEx(const char* name, double quantity, double price, int taxIndex, const char* unit,
                 int departIndex, int kind, double value) {
    Item it;
    if (int rc = itemFromArgs(name, quantity, price, taxIndex, unit, departIndex, it))
        return rc;
    if (kind < 0 || kind > 3)
        return E_RANGE;
    if (std::isnan(value) || (value != 0 && kind == 0))
        return E_VALUE;
    if (value != 0)
        if (int rc = computeAdjustment(it, kind, value, it.adj))
            return rc;
    return run(S_ITEMS, [&](Ctx& c) {
        if (int rc = needReceipt(c))
            return rc;
        if (c.m.receiptAdjusted)
            return int(E_ADJUSTED);
        int64_t left = 0;
        for (const Item& s : c.m.items)
            if (s.name == it.name && s.price == it.price && s.tax == it.tax && s.dept == it.dept &&
                (s.kind == I_SALE || s.kind == I_RETURN))
                left += s.kind == I_SALE ? s.qty : -s.qty;
        if (left < it.qty)
            return int(E_NO_MATCH);
        it.kind = I_RETURN;
        it.amount = -it.amount;
        it.adj = -it.adj;
        if (int rc = addItem(c, it))
            return rc;
        c.paper.line(voidLabel(c.m).empty() ? "Return" : voidLabel(c.m));
        printItemLine(c, it);
        if (it.adj)
            printAdjustment(c, it.adj, "");
        return int(OK);
    });
}

static int endReceipt(const double pay[12], bool goodsReturn) {
    return run(S_DOC | S_ITEMS | S_SHIFT | S_LAST, [&](Ctx& c) { return closeReceipt(c, pay, goodsReturn); });
}

int EndFiscalReceiptCurrEx(double cash1, double c1, double c2, double c3, double c4, double c5, double c6,
                           double c7, double c8, double cash2, double cash3, double cash4) {
    const double pay[12] = {cash1, c1, c2, c3, c4, c5, c6, c7, c8, cash2, cash3, cash4};
    return endReceipt(pay, false);
}

int GoodsReturnCurrEx(double cash1, double c1, double c2, double c3, double c4, double c5, double c6,
                      double c7, double c8, double cash2, double cash3, double cash4) {
    const double pay[12] = {cash1, c1, c2, c3, c4, c5, c6, c7, c8, cash2, cash3, cash4};
    return endReceipt(pay, true);
}

int PrintCommentLine(const char* text, int attribute) {
    if (int rc = checkText(text, kLineMax))
        return rc;
    if (attribute < 0 || attribute > 255)
        return E_RANGE;
    return run(S_PRINTS, [&](Ctx& c) {
        if (int rc = needReceipt(c))
            return rc;
        c.paper.line(text);
        return int(OK);
    });
}

int PrintCopyOfLastReceipt() {
    return run(S_SHIFT, [](Ctx& c) {
        if (int rc = needNoDocument(c))
            return rc;
        if (c.m.lastReceipt.empty())
            return int(E_NO_LAST);
        c.paper.center("*** COPY ***");
        size_t pos = 0, nl;
        while ((nl = c.m.lastReceipt.find('\n', pos)) != std::string::npos) {
            c.paper.line(c.m.lastReceipt.substr(pos, nl - pos));
            pos = nl + 1;
        }
        c.paper.center("*** COPY - NOT A FISCAL RECEIPT ***");
        c.paper.line("");
        c.m.tot[T_COPIES]++;
        return int(OK);
    });
}

// ---- non-fiscal documents --------------------------------------------------------------

int BeginNonFiscalReceipt() {
    return run(S_DOC | S_SHIFT, [](Ctx& c) {
        if (int rc = needNoDocument(c))
            return rc;
        c.m.doc = D_NONFISCAL;
        c.m.tot[T_NONFISCAL]++;
        printHeader(c, "NON-FISCAL DOCUMENT");
        return int(OK);
    });
}

int EndNonFiscalReceipt() {
    return run(S_DOC, [](Ctx& c) {
        if (int rc = needNonFiscal(c))
            return rc;
        c.paper.center("NON-FISCAL DOCUMENT");
        printFooters(c);
        c.m.doc = D_NONE;
        return int(OK);
    });
}

int PrintNonFiscalLine(const char* text, int attribute) {
    if (int rc = checkText(text, kLineMax))
        return rc;
    if (attribute < 0 || attribute > 255)
        return E_RANGE;
    return run(S_PRINTS, [&](Ctx& c) {
        if (int rc = needNonFiscal(c))
            return rc;
        c.paper.line(text);
        return int(OK);
    });
}

// Tare received back pays the customer; tare sold and deposits received take money in.
int PrintTareItem(const char* n, double q, double p) {
    return tareOrDeposit(n, q, p, T_TARE_IN, false, "Tare received");
}
int PrintTareItemVoid(const char* n, double q, double p) {
    return tareOrDeposit(n, q, p, T_TARE_OUT, true, "Tare sold");
}
int PrintDepositReceive(const char* n, double q, double p) {
    return tareOrDeposit(n, q, p, T_DEPOSIT_IN, true, "Deposit in");
}
int PrintDepositRefund(const char* n, double q, double p) {
    return tareOrDeposit(n, q, p, T_DEPOSIT_OUT, false, "Deposit out");
}

int PrintHeader() {
    return run(S_PRINTS, [](Ctx& c) {
        if (c.m.doc == D_FISCAL)
            return int(E_DOC_OPEN);
        for (const Line& l : c.m.header)
            if (!l.text.empty())
                c.paper.center(l.text);
        return int(OK);
    });
}

// ---- cash, drawer, messages ------------------------------------------------------------

static int moveMoney(int currencyIndex, double amount, bool in) {
    if (currencyIndex < 0 || currencyIndex >= kCurrencies)
        return E_RANGE;
    int64_t cents = 0;
    if (int rc = toPositive(amount, 100, kMoneyMax, cents))
        return rc;
    return run(S_SHIFT, [&](Ctx& c) {
        if (int rc = needNoDocument(c))
            return rc;
        if (!currencyDefined(c.m, currencyIndex))
            return int(E_CURRENCY);
        int64_t& drawer = c.m.drawer[currencyIndex];
        if (!in && drawer < cents)
            return int(E_DRAWER);
        if (in && drawer + cents > 999999999999999)
            return int(E_OVERFLOW);
        drawer += in ? cents : -cents;
        (in ? c.m.moneyIn : c.m.moneyOut)[currencyIndex] += cents;
        printSlip(c, in ? "MONEY IN" : "MONEY OUT", c.m.currency[currencyIndex].name, cents);
        return int(OK);
    });
}

int MoneyInCurr(int currencyIndex, double amount) {
    return moveMoney(currencyIndex, amount, true);
}
int MoneyOutCurr(int currencyIndex, double amount) {
    return moveMoney(currencyIndex, amount, false);
}

int PrintErrorMessage(const char* message) {
    if (int rc = checkText(message, kLineMax))
        return rc;
    return run(S_PRINTS, [&](Ctx& c) {
        if (c.m.doc == D_FISCAL)
            return int(E_DOC_OPEN);
        c.paper.line(std::string("!! ") + message);
        return int(OK);
    });
}

int OpenCashDrawer() {
    return run(S_DEVICE, [](Ctx& c) {
        if (c.m.doc == D_FISCAL)
            return int(E_DOC_OPEN);
        c.m.drawerOpenings++;
        return int(OK);
    });
}

// ---- barcode ---------------------------------------------------------------------------

static bool barcodeValid(int symbology, const std::string& d) {
    auto all = [&](const char* set) { return d.find_first_not_of(set) == std::string::npos; };
    const char* digits = "0123456789";
    switch (symbology) {
    case 0:
        return all(digits) && (d.size() == 11 || d.size() == 12); // UPC-A
    case 1:
        return all(digits) && (d.size() == 11 || d.size() == 12) && d[0] == '0'; // UPC-E
    case 2:
        return all(digits) && (d.size() == 12 || d.size() == 13); // EAN-13
    case 3:
        return all(digits) && (d.size() == 7 || d.size() == 8); // EAN-8
    case 4:
        return all("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%"); // CODE 39
    case 5:
        return all(digits) && d.size() % 2 == 0; // ITF
    case 6:
        return all("0123456789ABCD$+-./:"); // CODABAR
    default:                                // CODE 93, 128
        for (unsigned char ch : d)
            if (ch > 0x7e)
                return false;
        return true;
    }
}

int PrintBarCodeTG2480(int symbology, int hriPosition, int height, int width, const char* data) {
    if (symbology < 0 || symbology > 8 || hriPosition < 0 || hriPosition > 3 || height < 1 || height > 255 ||
        width < 1 || width > 6)
        return E_RANGE;
    if (int rc = checkText(data, 24, false))
        return rc;
    if (!barcodeValid(symbology, data))
        return E_BARCODE;
    static const char* const names[] = {"UPC-A", "UPC-E",   "EAN-13",  "EAN-8",   "CODE 39",
                                        "ITF",   "CODABAR", "CODE 93", "CODE 128"};
    return run(S_PRINTS, [&](Ctx& c) {
        if (c.m.printerType != 4)
            return int(E_PRINTER);
        if (c.m.doc == D_FISCAL)
            return int(E_DOC_OPEN);
        if (hriPosition & 1)
            c.paper.center(data);
        c.paper.center(std::string("[") + names[symbology] + " " + data + "]");
        if (hriPosition & 2)
            c.paper.center(data);
        return int(OK);
    });
}

} // namespace tc
