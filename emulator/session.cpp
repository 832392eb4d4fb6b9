// session.cpp - opening the module memory, one transaction per operation, shared helpers.
#include "session.h"

#include <sys/stat.h>
#include <zlib.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>

#include "faults.h"

namespace tc {

namespace {

std::mutex g_lock;
Store g_store;
Module g_module;

} // namespace

std::string memoryPath(bool createFolders) {
    if (const char* p = std::getenv("TILLCORE_DB"); p && *p)
        return p;
    std::string base;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x == '/')
        base = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        base = std::string(h) + "/.local/share";
    else
        return {};
    // Create each missing folder of base/tillmate.
    std::string dir = base + "/tillmate";
    for (size_t i = 1; createFolders && i <= dir.size(); ++i)
        if (i == dir.size() || dir[i] == '/') {
            std::string part = dir.substr(0, i);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return {};
        }
    return dir + "/module.sqlite";
}

namespace {

int ensureOpen() {
    if (g_store.isOpen())
        return OK;
    std::string path = memoryPath(true);
    if (path.empty())
        return E_DB_OPEN;
    return g_store.open(path, g_module);
}

} // namespace

void closeModule() {
    std::lock_guard<std::mutex> guard(g_lock);
    g_store.close();
}

int transact(unsigned sections, int (*op)(Ctx&, void*), void* arg) {
    std::lock_guard<std::mutex> guard(g_lock);
    bool readOnly = sections & S_READ_ONLY;
    try {
        if (int rc = ensureOpen(); rc != OK)
            return rc;
        if (int rc = g_store.begin(g_module, readOnly); rc != OK) {
            g_store.close(); // reopen (and recheck) on the next call
            return rc;
        }
        bool consumed = false; // a fault set from outside may refuse the call before it runs
        if (int rc = faultsBeforeCall(g_store, consumed); rc != OK) {
            if (!consumed)
                g_store.abandon(g_module, S_PRINTS);
            else if (int wrc = g_store.commit(g_module, S_PRINTS, std::string(), {}); wrc != OK)
                rc = wrc;
            return rc;
        }
        Paper paper(g_module);
        std::vector<Record> records;
        Ctx c{g_module, g_store, paper, records, sections & ~S_READ_ONLY};
        int rc = op(c, arg);
        if (rc == OK)
            rc = faultsAfterCall(g_store, paper.pending());
        if (rc == OK && !readOnly) {
            rc = g_store.commit(g_module, c.sections, paper.pending(), records);
            if (rc != OK) { // the module is read again from the file on the next call
                g_store.close();
                return rc;
            }
        } else {
            g_store.abandon(g_module, c.sections);
            if (rc == E_DB_DAMAGED) // found while reading: every call answers it from now on
                g_store.close();
        }
#ifdef TILLCORE_SELF_CHECK
        // Tests: what the call left in memory is what the file holds, whatever it answered.
        if (!g_store.holds(g_module)) {
            std::fprintf(stderr, "tillcore: the module in memory differs from its file after a call\n");
            std::abort();
        }
#endif
        return rc;
    } catch (...) { // out of memory: drop the open module, reload it on the next call
        g_store.close();
        return E_INTERNAL;
    }
}

// ---- argument checks -------------------------------------------------------------------

int checkText(const char* s, size_t max, bool allowEmpty) {
    if (!s)
        return E_NULL;
    size_t n = strnlen(s, max + 1);
    if (n > max || (!allowEmpty && n == 0))
        return E_TEXT;
    for (size_t i = 0; i < n; ++i) {
        unsigned char ch = static_cast<unsigned char>(s[i]);
        if (ch < 0x20 || ch == 0x7f)
            return E_TEXT;
    }
    return OK;
}

int toFixed(double v, int scale, int64_t max, int64_t& out) {
    if (!std::isfinite(v))
        return E_VALUE;
    double scaled = std::round(v * scale);
    if (std::fabs(scaled) > double(max))
        return E_VALUE;
    out = static_cast<int64_t>(scaled);
    return OK;
}

int toPositive(double v, int scale, int64_t max, int64_t& out) {
    int rc = toFixed(v, scale, max, out);
    return rc != OK ? rc : out <= 0 ? E_VALUE : OK;
}

int toNonNegative(double v, int scale, int64_t max, int64_t& out) {
    int rc = toFixed(v, scale, max, out);
    return rc != OK ? rc : out < 0 ? E_VALUE : OK;
}

// ---- number texts ----------------------------------------------------------------------

static std::string fixed(int64_t v, int decimals) {
    bool neg = v < 0;
    uint64_t a = neg ? uint64_t(0) - uint64_t(v) : uint64_t(v);
    uint64_t div = 1;
    for (int i = 0; i < decimals; ++i)
        div *= 10;
    std::string frac = std::to_string(a % div);
    frac.insert(0, size_t(decimals) - frac.size(), '0');
    return (neg ? "-" : "") + std::to_string(a / div) + (decimals ? "." + frac : "");
}

std::string money(int64_t cents) {
    return fixed(cents, 2);
}
std::string qty(int64_t milli) {
    return fixed(milli, 3);
}
std::string percent(int64_t hundredths) {
    return fixed(hundredths, 2);
}
std::string rate(int64_t micro) {
    return fixed(micro, 6);
}

// ---- clock -----------------------------------------------------------------------------

static bool digits(const char* s, size_t n) {
    if (!s || strnlen(s, n + 1) != n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

bool parseDate(const char* s, int& y, int& mo, int& d) {
    if (!digits(s, 8))
        return false;
    y = std::atoi(std::string(s, 4).c_str());
    mo = std::atoi(std::string(s + 4, 2).c_str());
    d = std::atoi(std::string(s + 6, 2).c_str());
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 2000 || y > 2099 || mo < 1 || mo > 12 || d < 1)
        return false;
    int dim = days[mo - 1] + (mo == 2 && y % 4 == 0 ? 1 : 0);
    return d <= dim;
}

bool parseTime(const char* s, int& h, int& mi) {
    if (!digits(s, 4))
        return false;
    h = (s[0] - '0') * 10 + (s[1] - '0');
    mi = (s[2] - '0') * 10 + (s[3] - '0');
    return h < 24 && mi < 60;
}

int64_t moduleNow(const Module& m) {
    time_t host = time(nullptr);
    struct tm local {};
    localtime_r(&host, &local);
    return int64_t(timegm(&local)) + m.clockOffset;
}

static struct tm broken(int64_t t) {
    time_t tt = time_t(t);
    struct tm out {};
    gmtime_r(&tt, &out);
    return out;
}

std::string dateText(int64_t t) {
    struct tm b = broken(t);
    char buf[48];
    snprintf(buf, sizeof buf, "%04d%02d%02d", (b.tm_year + 1900) % 10000, b.tm_mon + 1, b.tm_mday);
    return buf;
}

std::string timeText(int64_t t) {
    struct tm b = broken(t);
    char buf[32];
    snprintf(buf, sizeof buf, "%02d%02d", b.tm_hour, b.tm_min);
    return buf;
}

std::string today(const Module& m) {
    return dateText(moduleNow(m));
}

// ---- paper -----------------------------------------------------------------------------

void Paper::raw(const std::string& text) {
    pending_ += text;
    pending_ += '\n';
    if (m_.doc == D_FISCAL) {
        m_.docText += text;
        m_.docText += '\n';
    }
}

void Paper::line(const std::string& text) {
    size_t w = size_t(m_.lineWidth);
    if (text.empty())
        raw(text);
    for (size_t i = 0; i < text.size(); i += w)
        raw(text.substr(i, w));
}

void Paper::pair(const std::string& left, const std::string& right) {
    size_t w = size_t(m_.lineWidth);
    if (left.size() + 1 + right.size() <= w) {
        raw(left + std::string(w - left.size() - right.size(), ' ') + right);
    } else {
        line(left);
        raw(std::string(right.size() < w ? w - right.size() : 0, ' ') + right.substr(0, w));
    }
}

void Paper::center(const std::string& text) {
    size_t w = size_t(m_.lineWidth);
    if (text.size() >= w)
        return line(text);
    raw(std::string((w - text.size()) / 2, ' ') + text);
}

void Paper::rule(char c) {
    raw(std::string(size_t(m_.lineWidth), c));
}

void printHeader(Ctx& c, const char* title) {
    for (const Line& l : c.m.header)
        if (!l.text.empty())
            c.paper.center(l.text);
    if (!c.m.fiscal())
        c.paper.center("*** TRAINING ***");
    int64_t now = moduleNow(c.m);
    std::string d = dateText(now), t = timeText(now);
    c.paper.pair(d.substr(6, 2) + "." + d.substr(4, 2) + "." + d.substr(0, 4),
                 t.substr(0, 2) + ":" + t.substr(2, 2));
    if (!c.m.clerk.empty())
        c.paper.line("Clerk: " + c.m.clerk);
    c.paper.center(title);
    c.paper.rule();
}

void printFooters(Ctx& c) {
    c.paper.rule();
    if (c.m.footerOn)
        for (const Line& l : c.m.footer)
            if (!l.text.empty())
                c.paper.center(l.text);
    if (c.m.footer2On)
        for (const Line& l : c.m.footer2)
            if (!l.text.empty())
                c.paper.center(l.text);
    c.paper.pair("UNIT " + c.m.unitNumber, c.m.fiscal() ? "FISCAL" : "TRAINING");
    c.paper.line("");
}

int64_t applyRate(const Module& m, int currency, int64_t cents) {
    if (currency == 0)
        return cents;
    // cents * rate / 1e6, rounded half away from zero, in 128-bit to stay exact
    __int128 v = __int128(cents) * m.currency[currency].rateMicro;
    __int128 q = (v + (v >= 0 ? 500000 : -500000)) / 1000000;
    return int64_t(q);
}

} // namespace tc
