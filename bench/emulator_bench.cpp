// emulator_bench.cpp - how fast the emulator sells, through its C interface, next to raw SQLite
// doing the same number of transactions with the same settings (the floor).
//
//   tillcore_bench [folder] [seconds] [journal MB]
//
// folder: where the module files are made (default: the current folder; give one on a real
// disk). seconds: time per figure (default 1). journal MB: also time the first call on a module
// file whose journal has grown to that size (the open checks the whole journal), next to
// SQLite's quick_check of the same file. Each durability mode runs in a child process of
// its own, since the library keeps one open module per process; emulator and floor take turns,
// three rounds each, and the median round counts.
#include <sqlite3.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tillcore.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void check(int rc, const char* what) {
    if (rc != 0) {
        std::fprintf(stderr, "tillcore_bench: %s answered %d\n", what, rc);
        std::exit(2);
    }
}

int pay(double cash) {
    return EndFiscalReceiptCurrEx(cash, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Item sales per second: receipts of 100 items; only the item calls are timed.
double itemSales(double budget) {
    double spent = 0;
    long items = 0;
    while (spent < budget) {
        check(BeginFiscalReceipt(), "BeginFiscalReceipt");
        auto t = Clock::now();
        for (int i = 0; i < 100; ++i)
            check(PrintRecItemDepart("Bread", 1, 1.00, 0, "pc", 0), "PrintRecItemDepart");
        spent += seconds(t);
        items += 100;
        check(pay(100), "EndFiscalReceiptCurrEx");
    }
    return double(items) / spent;
}

// Whole receipts of one item per second: open, sell, pay (three transactions each).
double oneItemReceipts(double budget) {
    long receipts = 0;
    auto t = Clock::now();
    while (seconds(t) < budget) {
        for (int i = 0; i < 20; ++i, ++receipts) {
            check(BeginFiscalReceipt(), "BeginFiscalReceipt");
            check(PrintRecItemDepart("Milk", 1, 0.99, 0, "", 0), "PrintRecItemDepart");
            check(pay(1), "EndFiscalReceiptCurrEx");
        }
    }
    return double(receipts) / seconds(t);
}

// The rates of items 1-500 and 4,501-5,000 of a 5,000-item receipt (medians of three).
void bigReceipt(double& first, double& last) {
    std::vector<double> firsts, lasts;
    for (int receipt = 0; receipt < 3; ++receipt) {
        check(BeginFiscalReceipt(), "BeginFiscalReceipt");
        for (int chunk = 0; chunk < 10; ++chunk) {
            auto t = Clock::now();
            for (int i = 0; i < 500; ++i)
                check(PrintRecItemDepart("Bread", 1, 1.00, 0, "pc", 0), "PrintRecItemDepart");
            double rate = 500 / seconds(t);
            if (chunk == 0)
                firsts.push_back(rate);
            if (chunk == 9)
                lasts.push_back(rate);
        }
        check(pay(5000), "EndFiscalReceiptCurrEx");
    }
    first = median(firsts);
    last = median(lasts);
}

// Raw SQLite: transactions of one small UPDATE and one INSERT of an item-sized printout.
struct Floor {
    sqlite3* db = nullptr;
    sqlite3_stmt *begin = nullptr, *update = nullptr, *insert = nullptr, *commit = nullptr;

    Floor(const std::string& path, const char* sync) {
        if (sqlite3_open(path.c_str(), &db) != SQLITE_OK)
            std::exit(2);
        if (sync) {
            sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
            sqlite3_exec(db, (std::string("PRAGMA synchronous=") + sync).c_str(), nullptr, nullptr, nullptr);
        }
        sqlite3_exec(db,
                     "CREATE TABLE IF NOT EXISTS counter(k INTEGER PRIMARY KEY, v INTEGER);"
                     "INSERT OR IGNORE INTO counter VALUES(1, 0);"
                     "CREATE TABLE IF NOT EXISTS log(id INTEGER PRIMARY KEY, text BLOB);",
                     nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, "BEGIN IMMEDIATE", -1, &begin, nullptr);
        sqlite3_prepare_v2(db, "UPDATE counter SET v = v + 1 WHERE k = 1", -1, &update, nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO log(text) VALUES(?)", -1, &insert, nullptr);
        sqlite3_prepare_v2(db, "COMMIT", -1, &commit, nullptr);
    }
    ~Floor() {
        for (sqlite3_stmt* s : {begin, update, insert, commit})
            sqlite3_finalize(s);
        sqlite3_close(db);
    }
    static void step(sqlite3_stmt* s) {
        if (sqlite3_step(s) != SQLITE_DONE)
            std::exit(2);
        sqlite3_reset(s);
    }
    double transactions(double budget) {
        static const char text[] = "Bread\n  1.000 pc x 1.00          1.00 A\n";
        long n = 0;
        auto t = Clock::now();
        while (seconds(t) < budget) {
            for (int i = 0; i < 20; ++i, ++n) {
                step(begin);
                step(update);
                sqlite3_bind_blob(insert, 1, text, int(sizeof text - 1), SQLITE_STATIC);
                step(insert);
                step(commit);
            }
        }
        return double(n) / seconds(t);
    }
};

struct Figures {
    double items = 0, receipts = 0, floor = 0, first500 = 0, last500 = 0;
};

// One durability mode, in the calling (child) process.
Figures measure(const std::string& module, const std::string& floorFile, const char* sync, double budget) {
    setenv("TILLCORE_DB", module.c_str(), 1);
    if (sync && std::strcmp(sync, "FULL") == 0)
        setenv("TILLCORE_SYNC", "full", 1);
    else
        unsetenv("TILLCORE_SYNC");
    Floor floor(floorFile, sync);
    char buf[256];
    check(GetFiscalInfo(2, buf), "GetFiscalInfo"); // opens (creates) the module
    check(MoneyInCurr(0, 1000), "MoneyInCurr");    // change for the receipts
    std::vector<double> items, receipts, floors;
    for (int round = 0; round < 3; ++round) {
        items.push_back(itemSales(budget / 2));
        floors.push_back(floor.transactions(budget / 2));
        receipts.push_back(oneItemReceipts(budget / 2));
    }
    Figures f;
    f.items = median(items);
    f.receipts = median(receipts);
    f.floor = median(floors);
    bigReceipt(f.first500, f.last500);
    return f;
}

// Runs f in a child process (the library opens one module per process) and gives its result.
template <class T, class F> T inChild(F f) {
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(2);
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        T result = f();
        _exit(write(fds[1], &result, sizeof result) == ssize_t(sizeof result) ? 0 : 1);
    }
    close(fds[1]);
    T result{};
    bool ok = read(fds[0], &result, sizeof result) == ssize_t(sizeof result);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!ok || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "tillcore_bench: a measuring process failed\n");
        std::exit(2);
    }
    return result;
}

void removeModule(const std::string& path) {
    for (const char* tail : {"", "-wal", "-shm", "-journal"})
        unlink((path + tail).c_str());
}

// Grows the module's journal to about mb megabytes: copies of a 5,000-item receipt.
void growJournal(const std::string& module, int mb) {
    setenv("TILLCORE_DB", module.c_str(), 1);
    unsetenv("TILLCORE_SYNC");
    check(BeginFiscalReceipt(), "BeginFiscalReceipt");
    for (int i = 0; i < 5000; ++i)
        check(PrintRecItemDepart("Bread", 1, 1.00, 0, "pc", 0), "PrintRecItemDepart");
    check(pay(5000), "EndFiscalReceiptCurrEx");
    char buf[64];
    for (;;) {
        check(GetFiscalInfo(910, buf), "GetFiscalInfo");
        if (std::atoll(buf) >= int64_t(mb) << 20)
            break;
        check(PrintCopyOfLastReceipt(), "PrintCopyOfLastReceipt");
    }
}

double firstCall(const std::string& module) {
    setenv("TILLCORE_DB", module.c_str(), 1);
    char buf[64];
    auto t = Clock::now();
    check(GetFiscalInfo(910, buf), "GetFiscalInfo");
    return seconds(t);
}

double quickCheck(const std::string& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    auto t = Clock::now();
    sqlite3_exec(db, "PRAGMA quick_check", nullptr, nullptr, nullptr);
    double s = seconds(t);
    sqlite3_close(db);
    return s;
}

std::string fsType(const std::string& dir) {
    struct statfs s {};
    if (statfs(dir.c_str(), &s) != 0)
        return "?";
    switch (s.f_type) {
    case 0xEF53:
        return "ext4";
    case 0x01021994:
        return "tmpfs";
    case 0x9123683E:
        return "btrfs";
    case 0x58465342:
        return "xfs";
    case 0x794c7630:
        return "overlayfs";
    default:
        return "other";
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string dir = argc > 1 ? argv[1] : ".";
    double budget = argc > 2 ? std::atof(argv[2]) : 1.0;
    int journalMb = argc > 3 ? std::atoi(argv[3]) : 0;
    if (budget <= 0) {
        std::fprintf(stderr, "usage: tillcore_bench [folder] [seconds per figure] [journal MB]\n");
        return 2;
    }
    std::string tag = dir + "/tillcore-bench-" + std::to_string(getpid());
    struct Mode {
        const char* name;
        std::string module, floor;
        const char* sync; // the floor's synchronous setting (WAL); null: in memory
    } modes[] = {
        {"disk, default (WAL, synchronous=NORMAL)", tag + "-normal.sqlite", tag + "-normal-floor.sqlite",
         "NORMAL"},
        {"disk, TILLCORE_SYNC=full (WAL, FULL)", tag + "-full.sqlite", tag + "-full-floor.sqlite", "FULL"},
        {":memory:", ":memory:", ":memory:", nullptr},
    };
    std::printf("tillcore_bench: files in %s (%s), %.1f s per figure, median of 3 rounds\n\n", dir.c_str(),
                fsType(dir).c_str(), budget);
    std::printf("%-40s %11s %11s %6s %11s %11s %6s\n", "mode", "items/s", "floor tx/s", "ratio", "receipts/s",
                "floor / 3", "ratio");
    std::vector<Figures> all;
    for (const Mode& m : modes) {
        Figures f = inChild<Figures>([&] { return measure(m.module, m.floor, m.sync, budget); });
        removeModule(m.module);
        removeModule(m.floor);
        all.push_back(f);
        // A 1-item receipt is three transactions: open, sell, pay.
        std::printf("%-40s %11.0f %11.0f %6.2f %11.0f %11.0f %6.2f\n", m.name, f.items, f.floor,
                    f.items / f.floor, f.receipts, f.floor / 3, f.receipts / (f.floor / 3));
        std::fflush(stdout);
    }
    std::printf("\n5,000-item receipt: items/s of items 1-500 and 4,501-5,000\n");
    for (size_t i = 0; i < all.size(); ++i)
        std::printf("%-40s %11.0f %11.0f %6.2f\n", modes[i].name, all[i].first500, all[i].last500,
                    all[i].last500 / all[i].first500);
    if (journalMb > 0) {
        std::string module = tag + "-journal.sqlite";
        inChild<double>([&] {
            growJournal(module, journalMb);
            return 0.0;
        });
        double cold = inChild<double>([&] { return firstCall(module); });
        double check = inChild<double>([&] { return quickCheck(module); });
        std::printf(
            "\nfirst call on a module file with a %d MB journal: %.0f ms (SQLite's quick_check of the "
            "file alone: %.0f ms)\n",
            journalMb, cold * 1000, check * 1000);
        removeModule(module);
    }
    return 0;
}
