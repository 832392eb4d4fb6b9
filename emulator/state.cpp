// state.cpp - a fresh module, and the list of fields that the module memory keeps.
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <map>

#include "module.h"

namespace tc {

const char* const kTotNames[T_COUNT] = {
    "receipts", "return_receipts", "sales",   "returns",  "item_voids", "discounts",   "additions",
    "change",   "nonfiscal",       "tare_in", "tare_out", "deposit_in", "deposit_out", "copies"};

int64_t Tank::stock() const {
    int64_t sold = 0;
    for (int64_t q : soldQty)
        sold += q;
    return start + replenish - sold - overflow;
}

int64_t Module::receiptTotal() const {
    return receiptAdj + items.sum();
}

Module freshModule() {
    Module m;
    m.unitNumber = "QF00012345";
    m.version = "QF 2.14.1";
    const char* header[6] = {
        "TILLMATE DEMO SHOP", "Brivibas iela 1, Riga", "PVN LV40003000000", "Tel. 67000000", "", ""};
    for (int i = 0; i < 6; ++i)
        m.header[i].text = header[i];
    m.footer[0].text = "THANK YOU FOR SHOPPING";
    m.footer[1].text = "WELCOME BACK";
    m.tax = {2100, 1200, 500, 0};
    m.currency[0] = {"EUR", 1000000};
    const char* depts[kDepartments] = {"Food", "Drinks",   "Household", "Tobacco",
                                       "Fuel", "Services", "Deposit",   "Other"};
    for (int i = 0; i < kDepartments; ++i)
        m.dept[i].name = depts[i];
    const char* credits[kCredits] = {"Card",     "Cheque", "Voucher", "Credit",
                                     "Transfer", "Coupon", "Loyalty", "Other"};
    for (int i = 0; i < kCredits; ++i)
        m.credit[i].name = credits[i];
    for (PrintRow& r : m.printRow)
        r = {0, "0.702804", "20130815", "20140701"};
    m.fuel[0] = {"Diesel", "l", 0, 2, 159};
    m.fuel[1] = {"Petrol 95", "l", 0, 2, 169};
    m.tank[0].name = "Tank 1";
    m.tank[0].fuel = 0;
    m.tank[1].name = "Tank 2";
    m.tank[1].fuel = 1;
    for (int t = 0; t < 2; ++t) {
        m.tank[t].min = 500000;
        m.tank[t].max = 20000000;
        m.tank[t].start = 10000000;
    }
    m.pump[0].nozzle[0] = 0;
    m.pump[0].nozzle[1] = 1;
    m.pump[1].nozzle[0] = 0;
    m.pump[1].nozzle[1] = 1;
    for (std::string& b : m.block)
        b.assign(32, '\0');
    return m;
}

namespace {

std::string num(int64_t v) {
    return std::to_string(v);
}

bool parseNum(const std::string& s, int64_t& out) {
    if (s.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return false;
    out = v;
    return true;
}

// Every persisted field, section by section. The keys name the fields in the module memory
// (format 1 kept one row per key; format 2 keeps one row per section).
template <class F> void visitSection(int section, Module& m, F&& f) {
    auto lines = [&](const char* name, auto& arr) {
        for (size_t i = 0; i < arr.size(); ++i) {
            std::string k = name + std::to_string(i);
            f(k + ".attr", arr[i].attr);
            f(k + ".text", arr[i].text);
        }
    };
    switch (Section(1u << section)) {
    case S_IDENTITY:
        f("unit", m.unitNumber);
        f("version", m.version);
        f("chassis", m.chassis);
        f("id", m.id);
        f("fiscal_date", m.fiscalDate);
        f("bad_blocks", m.badBlocks);
        f("clock_offset", m.clockOffset);
        break;
    case S_LAYOUT:
        lines("header", m.header);
        lines("footer", m.footer);
        lines("footer2_", m.footer2);
        f("footer_on", m.footerOn);
        f("footer2_on", m.footer2On);
        for (int i = 0; i < kTaxes; ++i)
            f("tax" + num(i), m.tax[i]);
        for (int i = 0; i < kCurrencies; ++i) {
            f("currency" + num(i) + ".name", m.currency[i].name);
            f("currency" + num(i) + ".rate", m.currency[i].rateMicro);
        }
        for (int i = 0; i < kDepartments; ++i)
            f("dept" + num(i) + ".name", m.dept[i].name);
        for (int i = 0; i < kCredits; ++i) {
            std::string k = "credit" + num(i);
            f(k + ".name", m.credit[i].name);
            f(k + ".ext", m.credit[i].ext);
            f(k + ".print", m.credit[i].print);
        }
        f("clerk", m.clerk);
        f("clerk_attr", m.clerkAttr);
        f("fr_on", m.frOn);
        f("line_width", m.lineWidth);
        f("convert_indirect", m.convertIndirect);
        f("void_name", m.voidName);
        f("surcharge_name", m.surchargeName);
        for (int i = 0; i < 3; ++i) {
            std::string k = "print_row" + num(i);
            f(k + ".print", m.printRow[i].print);
            f(k + ".rate", m.printRow[i].rate);
            f(k + ".from", m.printRow[i].from);
            f(k + ".till", m.printRow[i].till);
        }
        f("goods_return", m.goodsReturn);
        break;
    case S_DEVICE:
        f("printer_type", m.printerType);
        f("code_page", m.codePage);
        f("image_on", m.imageOn);
        f("image_number", m.imageNumber);
        f("large_image", m.largeImage);
        f("compression", m.compression);
        f("impulse1", m.impulse1);
        f("impulse2", m.impulse2);
        for (int i = 0; i < 4; ++i)
            f("printer_status" + num(i), m.printerStatus[i]);
        f("hw_mask", m.hwMask);
        for (int i = 0; i < 3; ++i)
            f("status_byte" + num(i), m.statusBytes[i]);
        f("display1", m.display1);
        f("display2", m.display2);
        f("disp_code", m.dispCode);
        f("disp_type", m.dispType);
        f("drawer_openings", m.drawerOpenings);
        break;
    case S_SHIFT:
        for (int i = 0; i < kTaxes; ++i)
            f("tax" + num(i) + ".turnover", m.taxTurnover[i]);
        for (int i = 0; i < kCurrencies; ++i) {
            std::string k = "currency" + num(i);
            f(k + ".drawer", m.drawer[i]);
            f(k + ".cash_taken", m.cashTaken[i]);
            f(k + ".money_in", m.moneyIn[i]);
            f(k + ".money_out", m.moneyOut[i]);
        }
        for (int i = 0; i < kDepartments; ++i)
            f("dept" + num(i) + ".turnover", m.dept[i].turnover);
        for (int i = 0; i < kCredits; ++i)
            f("credit" + num(i) + ".turnover", m.credit[i].turnover);
        f("next_receipt", m.nextReceipt);
        f("day_turnover", m.dayTurnover);
        f("next_day_receipt", m.nextDayReceipt);
        f("z_count", m.zCount);
        f("grand_total", m.grandTotal);
        for (int i = 0; i < T_COUNT; ++i)
            f(std::string("shift.") + kTotNames[i], m.tot[i]);
        break;
    case S_FUEL:
        for (int i = 0; i < kFuels; ++i) {
            std::string k = "fuel" + num(i);
            f(k + ".name", m.fuel[i].name);
            f(k + ".unit", m.fuel[i].unit);
            f(k + ".tax", m.fuel[i].tax);
            f(k + ".decimals", m.fuel[i].decimals);
            f(k + ".price", m.fuel[i].price);
        }
        break;
    case S_TANKS:
        for (int i = 0; i < kTanks; ++i) {
            Tank& t = m.tank[i];
            std::string k = "tank" + num(i);
            f(k + ".name", t.name);
            f(k + ".fuel", t.fuel);
            f(k + ".min", t.min);
            f(k + ".max", t.max);
            f(k + ".start", t.start);
            f(k + ".replenish", t.replenish);
            f(k + ".underflow", t.underflow);
            f(k + ".overflow", t.overflow);
            for (int j = 0; j <= kCredits; ++j) {
                f(k + ".sold_qty" + num(j), t.soldQty[j]);
                f(k + ".sold_sum" + num(j), t.soldSum[j]);
            }
        }
        for (int i = 0; i < kPumps; ++i) {
            Pump& p = m.pump[i];
            std::string k = "pump" + num(i);
            f(k + ".dec", p.dec);
            for (int j = 0; j < kNozzles; ++j) {
                f(k + ".nozzle" + num(j), p.nozzle[j]);
                f(k + ".total_qty" + num(j), p.totalQty[j]);
                f(k + ".total_sum" + num(j), p.totalSum[j]);
            }
        }
        break;
    case S_BLOCKS:
        for (int i = 0; i < kBlocks; ++i)
            f("block" + num(i), m.block[i]);
        break;
    case S_DOC:
        f("doc", m.doc);
        f("receipt_adj", m.receiptAdj);
        f("receipt_adjusted", m.receiptAdjusted);
        f("doc_start", m.docStart);
        break;
    case S_LAST:
        f("last_receipt", m.lastReceipt);
        break;
    default:
        break;
    }
}

// A section as text: "key=length:value" lines. Values are bytes (data blocks hold zeros).
struct Writer {
    std::string& out;
    void put(const std::string& k, const char* v, size_t n) {
        out += k;
        out += '=';
        out += num(int64_t(n));
        out += ':';
        out.append(v, n);
        out += '\n';
    }
    void operator()(const std::string& k, const std::string& v) { put(k, v.data(), v.size()); }
    template <class T> void operator()(const std::string& k, const T& v) {
        std::string s = num(int64_t(v));
        put(k, s.data(), s.size());
    }
};

bool parseSection(const std::string& blob, std::map<std::string, std::string>& out) {
    size_t pos = 0;
    while (pos < blob.size()) {
        size_t eq = blob.find('=', pos), colon = blob.find(':', eq == std::string::npos ? pos : eq);
        if (eq == std::string::npos || colon == std::string::npos)
            return false;
        int64_t n = 0;
        if (!parseNum(blob.substr(eq + 1, colon - eq - 1), n) || n < 0 ||
            uint64_t(n) > blob.size() - colon - 1 || blob.size() - colon - 1 - size_t(n) < 1 ||
            blob[colon + 1 + size_t(n)] != '\n')
            return false;
        out[blob.substr(pos, eq - pos)] = blob.substr(colon + 1, size_t(n));
        pos = colon + 2 + size_t(n);
    }
    return true;
}

struct Reader {
    const std::map<std::string, std::string>& in;
    bool ok = true;
    const std::string* find(const std::string& k) {
        auto it = in.find(k);
        if (it == in.end())
            ok = false;
        return it == in.end() ? nullptr : &it->second;
    }
    void operator()(const std::string& k, std::string& v) {
        if (const std::string* s = find(k))
            v = *s;
    }
    template <class T> void operator()(const std::string& k, T& v) {
        int64_t n = 0;
        const std::string* s = find(k);
        if (!s)
            return;
        if (!parseNum(*s, n) || n < static_cast<int64_t>(std::numeric_limits<T>::min()) ||
            n > static_cast<int64_t>(std::numeric_limits<T>::max())) {
            ok = false;
            return;
        }
        v = static_cast<T>(n);
    }
};

} // namespace

const char* sectionName(int section) {
    static const char* const names[kSections] = {"identity", "layout", "device",   "shift",       "fuel",
                                                 "tanks",    "blocks", "document", "last_receipt"};
    return section >= 0 && section < kSections ? names[section] : "";
}

std::string encodeSection(int section, const Module& m) {
    std::string out;
    // The writer only reads: the visitor takes the module by reference for the reader's sake.
    visitSection(section, const_cast<Module&>(m), Writer{out});
    return out;
}

bool decodeSection(int section, const std::string& blob, Module& m) {
    std::map<std::string, std::string> in;
    if (!parseSection(blob, in))
        return false;
    Reader r{in};
    visitSection(section, m, r);
    return r.ok;
}

bool readFormat1(const std::map<std::string, std::string>& rows, Module& m) {
    std::map<std::string, std::string> all = rows;
    all.emplace("doc_start", "-1"); // format 1 kept the open receipt's paper as a field
    Reader r{all};
    for (int s = 0; s < kSections; ++s)
        visitSection(s, m, r);
    r("doc_text", m.docText);
    r("journal_len", m.journalLen);
    r("journal_crc", m.journalCrc);
    const std::string* items = r.find("items");
    return r.ok && items && decodeItems(*items, m.items);
}

bool sane(const Module& m) {
    if (m.doc < D_NONE || m.doc > D_NONFISCAL || m.journalLen < 0)
        return false;
    for (const Fuel& f : m.fuel)
        if (f.tax < 0 || f.tax >= kTaxes)
            return false;
    for (const Tank& t : m.tank)
        if (t.fuel < 0 || t.fuel >= kFuels)
            return false;
    for (const Pump& p : m.pump)
        for (int n : p.nozzle)
            if (n < -1 || n >= kTanks)
                return false;
    for (const std::string& b : m.block)
        if (b.size() != 32)
            return false;
    return true;
}

// Items: fields joined by US (0x1F), items ended by RS (0x1E); texts never hold control bytes.
std::string encodeItem(const Item& it) {
    std::string out;
    for (int64_t v :
         {int64_t(it.kind), it.qty, it.price, it.amount, it.adj, int64_t(it.tax), int64_t(it.dept),
          int64_t(it.pump), int64_t(it.nozzle), int64_t(it.tank), int64_t(it.adjusted)})
        out += num(v) + '\x1f';
    out += it.name + '\x1f' + it.unit + '\x1e';
    return out;
}

std::string encodeItems(const Items& items) {
    std::string out;
    for (const Item& it : items)
        out += encodeItem(it);
    return out;
}

bool decodeItems(const std::string& text, Items& items) {
    items.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\x1e', pos);
        if (end == std::string::npos)
            return false;
        std::vector<std::string> f;
        size_t a = pos;
        for (size_t b; (b = text.find('\x1f', a)) != std::string::npos && b < end; a = b + 1)
            f.push_back(text.substr(a, b - a));
        f.push_back(text.substr(a, end - a));
        if (f.size() != 13)
            return false;
        int64_t v[11];
        for (int i = 0; i < 11; ++i)
            if (!parseNum(f[i], v[i]) || v[i] < -kMoneyMax * 100 || v[i] > kMoneyMax * 100)
                return false;
        Item it;
        it.kind = int(v[0]);
        it.qty = v[1];
        it.price = v[2];
        it.amount = v[3];
        it.adj = v[4];
        it.tax = int(v[5]);
        it.dept = int(v[6]);
        it.pump = int(v[7]);
        it.nozzle = int(v[8]);
        it.tank = int(v[9]);
        it.adjusted = int(v[10]);
        it.name = f[11];
        it.unit = f[12];
        if (it.tax < 0 || it.tax >= kTaxes || it.dept < -1 || it.dept >= kDepartments || it.pump < -1 ||
            it.pump >= kPumps || it.nozzle < -1 || it.nozzle >= kNozzles || it.tank < -1 || it.tank >= kTanks)
            return false;
        items.push_back(it);
        pos = end + 1;
    }
    return true;
}

} // namespace tc
