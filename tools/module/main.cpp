// tillmate-module - inspects, follows and breaks the emulated fiscal module from a terminal.
// Reads go through the device library's information codes; what the 82 functions cannot do
// (faults, clock, records, reset) through the emulator's extension functions.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>
#include <thread>

#include "Json.h"
#include "ModuleAccess.h"
#include "tillcore_module.h"

using namespace module_tool;

namespace {

const char kUsage[] = "usage: tillmate-module [--db FILE] [--json] COMMAND\n"
                      "commands:\n"
                      "  status\n"
                      "  journal [--follow] [--from OFFSET]\n"
                      "  records\n"
                      "  clock set DATE TIME | clock host\n"
                      "  reset [--yes]\n"
                      "  fault list | fault set NAME [VALUE] | fault clear [NAME]\n"
                      "See tillmate-module(1).\n";

struct Options {
    std::string db, from;
    bool json = false, yes = false, follow = false, hasFrom = false, help = false;
    std::vector<std::string> words;
};

[[noreturn]] void Usage(const std::string& message) {
    throw Failure(message, kExitUsage);
}

Options Parse(int argc, char** argv) {
    Options o;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](const char* name) {
            if (i + 1 >= argc || !*argv[i + 1])
                Usage(std::string(name) + " needs a value");
            return std::string(argv[++i]);
        };
        if (!options || a.empty() || a[0] != '-')
            o.words.push_back(a);
        else if (a == "--")
            options = false;
        else if (a == "--db")
            o.db = value("--db");
        else if (a.rfind("--db=", 0) == 0 && a.size() > 5)
            o.db = a.substr(5);
        else if (a == "--json")
            o.json = true;
        else if (a == "--yes" || a == "-y")
            o.yes = true;
        else if (a == "--follow" || a == "-f")
            o.follow = true;
        else if (a == "--from")
            o.from = value("--from"), o.hasFrom = true;
        else if (a == "--help" || a == "-h")
            o.help = true;
        else
            Usage("unknown option '" + a + "' (see tillmate-module --help)");
    }
    if (o.hasFrom &&
        (o.from.empty() || o.from.size() > 12 || o.from.find_first_not_of("0123456789") != std::string::npos))
        Usage("--from needs a byte offset (0 or more), not '" + o.from + "'");
    return o;
}

void Expect(const Options& o, size_t min, size_t max) {
    if (o.words.size() < min)
        Usage("'" + o.words[0] + "' needs more arguments");
    if (o.words.size() > max)
        Usage("'" + o.words[0] + "': unexpected '" + o.words[max] + "'");
}

std::string Field(const Fields& f, size_t i) { // counted from 0; empty when missing
    return i < f.size() ? f[i] : std::string();
}

std::string Hex2(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", v & 0xff);
    return buf;
}

std::string DateText(const std::string& yyyymmdd) {
    return yyyymmdd.size() == 8
               ? yyyymmdd.substr(0, 4) + "-" + yyyymmdd.substr(4, 2) + "-" + yyyymmdd.substr(6, 2)
               : yyyymmdd;
}
std::string TimeText(const std::string& hhmm) {
    return hhmm.size() == 4 ? hhmm.substr(0, 2) + ":" + hhmm.substr(2, 2) : hhmm;
}

// Minutes between the module clock (date and time as the module answers) and the host clock.
long long ClockOffsetMinutes(const std::string& date, const std::string& time) {
    if (date.size() != 8 || time.size() != 4)
        return 0;
    struct tm m {};
    m.tm_year = std::stoi(date.substr(0, 4)) - 1900;
    m.tm_mon = std::stoi(date.substr(4, 2)) - 1;
    m.tm_mday = std::stoi(date.substr(6, 2));
    m.tm_hour = std::stoi(time.substr(0, 2));
    m.tm_min = std::stoi(time.substr(2, 2));
    time_t now = ::time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    local.tm_sec = 0;
    return (static_cast<long long>(timegm(&m)) - static_cast<long long>(timegm(&local))) / 60;
}

std::string HostClock() {
    time_t now = ::time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &local);
    return buf;
}

// The faults in force as (name, value) pairs.
std::vector<std::pair<std::string, std::string>> Faults() {
    Fields f = ExtensionFields(TillcoreModuleFaults, "fault list");
    std::vector<std::pair<std::string, std::string>> out;
    for (size_t i = 0; i + 1 < f.size(); i += 2)
        out.emplace_back(f[i], f[i + 1]);
    return out;
}

std::string FaultsJson() {
    std::vector<std::string> items;
    for (auto& [name, value] : Faults())
        items.push_back(JsonObject().Text("name", name).Text("value", value).str());
    return JsonArray(items);
}

std::string FaultsText() {
    std::string out;
    for (auto& [name, value] : Faults())
        out += (out.empty() ? "" : ", ") + name + (value.empty() ? "" : " " + value);
    return out.empty() ? "none" : out;
}

// ---- status ------------------------------------------------------------------------------

int Status(const Options& o, const std::string& path) {
    Fields state = Info(9), journal = Info(910), card = Info(914), printer = Info(307);
    std::string stateText = Field(state, 0);
    bool fiscal = stateText.rfind("FISCAL", 0) == 0;
    std::string doc = stateText.substr(std::min(stateText.size(), stateText.find(' ') + 1));
    std::string document = doc == "FISCAL RECEIPT"       ? "fiscal receipt"
                           : doc == "NONFISCAL DOCUMENT" ? "non-fiscal"
                                                         : "none";
    int mask = Field(state, 1).empty() ? 0 : static_cast<unsigned char>(Field(state, 1)[0]);
    std::string date = Field(Info(5), 0), time = Field(Info(6), 0);
    long long offset = ClockOffsetMinutes(date, time);
    struct Cash {
        std::string name, amount;
    };
    std::vector<Cash> cash;
    for (int i = 0; i < 4; ++i) {
        std::string name = Field(Info(30 + i), 1);
        if (!name.empty())
            cash.push_back({name, Field(Info(50 + i), 1)});
    }
    std::string total = Field(Info(0), 0), turnover = Field(Info(1), 0);
    std::string next = Field(Info(2), 0), nextDay = Field(Info(8), 0), zCount = Field(Info(7), 0);
    std::string unit = Field(Info(3), 0), version = Field(Info(4), 0);

    if (o.json) {
        std::vector<std::string> cashJson, bytes, printerJson;
        for (const Cash& c : cash)
            cashJson.push_back(
                JsonObject().Text("currency", ToUtf8(c.name)).Number("amount", c.amount).str());
        for (size_t i = 2; i < 5; ++i)
            bytes.push_back(std::to_string(std::stoi("0" + Field(state, i), nullptr, 16)));
        for (size_t i = 0; i < 4; ++i)
            printerJson.push_back(JsonNumber(Field(printer, i)));
        JsonObject out;
        out.Text("file", path)
            .Text("unit", ToUtf8(unit))
            .Text("version", ToUtf8(version))
            .Text("mode", fiscal ? "fiscal" : "training")
            .Text("document", document)
            .Number("receipt_total", total)
            .Number("next_receipt", next)
            .Number("next_day_receipt", nextDay)
            .Number("z_reports", zCount)
            .Number("day_turnover", turnover)
            .Raw("clock", JsonObject()
                              .Text("module", DateText(date) + " " + TimeText(time))
                              .Text("host", HostClock())
                              .Raw("offset_minutes", std::to_string(offset))
                              .str())
            .Raw("cash", JsonArray(cashJson))
            .Raw("journal",
                 JsonObject().Number("length", Field(journal, 0)).Text("crc32", Field(journal, 1)).str())
            .Raw("card",
                 JsonObject().Number("free_kb", Field(card, 0)).Number("total_kb", Field(card, 1)).str())
            .Raw("hardware_mask", std::to_string(mask))
            .Raw("status_bytes", JsonArray(bytes))
            .Raw("printer_status", JsonArray(printerJson))
            .Raw("faults", FaultsJson());
        std::cout << out.str() << "\n";
        return 0;
    }
    auto row = [](const char* label, const std::string& value) {
        std::printf("%-16s%s\n", label, value.c_str());
    };
    row("Module file", path);
    row("Unit", ToTerminal(unit) + " (" + ToTerminal(version) + ")");
    row("Mode", fiscal ? "fiscal" : "training");
    row("Document", document == "none" ? "none" : document + " open, total " + total);
    row("Next receipt", next + " (day " + nextDay + ")");
    row("Z reports", zCount);
    row("Day turnover", turnover);
    row("Clock", DateText(date) + " " + TimeText(time) + " (host " + HostClock() + ", " +
                     (offset >= 0 ? "+" : "") + std::to_string(offset) + " min)");
    std::string cashText;
    for (const Cash& c : cash)
        cashText += (cashText.empty() ? "" : ", ") + ToTerminal(c.name) + " " + c.amount;
    row("Cash", cashText);
    row("Journal", Field(journal, 0) + " bytes, CRC-32 " + Field(journal, 1));
    row("Card", Field(card, 0) + " KB free of " + Field(card, 1) + " KB");
    row("Hardware", "mask " + Hex2(mask) + ", status bytes " + Field(state, 2) + " " + Field(state, 3) + " " +
                        Field(state, 4));
    row("Printer status",
        Field(printer, 0) + " " + Field(printer, 1) + " " + Field(printer, 2) + " " + Field(printer, 3));
    row("Faults", FaultsText());
    return 0;
}

// ---- journal -----------------------------------------------------------------------------

void PrintPiece(const Options& o, long long offset, const std::string& text) {
    if (o.json)
        std::cout << JsonObject().Raw("offset", std::to_string(offset)).Text("text", ToUtf8(text)).str()
                  << "\n";
    else
        std::cout << ToTerminal(text);
    std::cout.flush();
}

int Journal(const Options& o) {
    Fields info = Info(910);
    long long length = std::stoll(Field(info, 0));
    long long from = o.hasFrom ? std::stoll(o.from) : o.follow ? length : 0;
    if (from > length)
        throw Failure("--from " + o.from + " is beyond the journal's end (" + std::to_string(length) +
                          " bytes)",
                      kExitUsage);
    if (!o.follow) {
        std::string text = JournalFrom(from);
        if (o.json)
            std::cout << JsonObject()
                             .Raw("from", std::to_string(from))
                             .Raw("length", std::to_string(length))
                             .Text("crc32", Field(info, 1))
                             .Text("text", ToUtf8(text))
                             .str()
                      << "\n";
        else
            std::cout << ToTerminal(text);
        return 0;
    }
    // Like tail -f: each document as it is printed, by whichever process prints it.
    long long pos = from;
    for (;;) {
        long long now = std::stoll(Field(Info(910), 0));
        if (now < pos) {
            std::cerr << "tillmate-module: the journal starts again (the module was reset)\n";
            pos = 0;
        }
        if (now > pos) {
            std::string text = JournalFrom(pos);
            PrintPiece(o, pos, text);
            pos += (long long)text.size();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

// ---- records -----------------------------------------------------------------------------

int Records(const Options& o) {
    Fields f = ExtensionFields(TillcoreModuleRecords, "fiscal records");
    std::vector<std::string> items;
    if (!o.json)
        std::printf("%6s  %-10s  %-5s  %8s  %14s  %14s  %14s  %16s\n", "Z", "Date", "Time", "Receipts",
                    "Sales", "Returns", "Day turnover", "Grand total");
    for (size_t i = 0; i + 2 < f.size(); i += 3) {
        std::map<std::string, std::string> figures;
        std::vector<std::pair<std::string, std::string>> ordered;
        size_t pos = 0, nl;
        while ((nl = f[i + 2].find('\n', pos)) != std::string::npos) {
            std::string line = f[i + 2].substr(pos, nl - pos);
            pos = nl + 1;
            size_t eq = line.find('=');
            if (eq != std::string::npos) {
                figures[line.substr(0, eq)] = line.substr(eq + 1);
                ordered.emplace_back(line.substr(0, eq), line.substr(eq + 1));
            }
        }
        auto money = [&](const char* key) {
            long long cents = std::atoll(figures[key].c_str());
            char buf[32];
            std::snprintf(buf, sizeof buf, "%s%lld.%02lld", cents < 0 ? "-" : "", std::llabs(cents) / 100,
                          std::llabs(cents) % 100);
            return std::string(buf);
        };
        bool training = figures["training"] == "1";
        std::string time = TimeText(figures["time"]);
        if (o.json) {
            JsonObject figs;
            for (auto& [k, v] : ordered)
                if (k != "time" && k != "training")
                    figs.Number(k, v);
            items.push_back(JsonObject()
                                .Number("number", f[i])
                                .Text("date", DateText(f[i + 1]))
                                .Text("time", time)
                                .Bool("training", training)
                                .Raw("figures", figs.str())
                                .str());
        } else {
            std::printf("%6s  %-10s  %-5s  %8s  %14s  %14s  %14s  %16s%s\n", f[i].c_str(),
                        DateText(f[i + 1]).c_str(), time.c_str(), figures["receipts"].c_str(),
                        money("sales").c_str(), money("returns").c_str(), money("day_turnover").c_str(),
                        money("grand_total").c_str(), training ? "  training" : "");
        }
    }
    if (o.json)
        std::cout << JsonArray(items) << "\n";
    return 0;
}

// ---- clock -------------------------------------------------------------------------------

// "2031-07-04" or "20310704"; "23:59" or "2359". The module checks that the day exists.
std::string Digits(const std::string& text, size_t want, const char* what) {
    std::string d;
    for (char c : text)
        if (c >= '0' && c <= '9')
            d += c;
        else if (c != '-' && c != ':')
            d = "x";
    if (d.size() != want)
        Usage(std::string("not a ") + what + ": '" + text + "'");
    return d;
}

int Clock(const Options& o) {
    Expect(o, 2, 4);
    int rc;
    if (o.words[1] == "host") {
        Expect(o, 2, 2);
        rc = TillcoreModuleSetClock(nullptr, nullptr);
    } else if (o.words[1] == "set") {
        Expect(o, 4, 4);
        std::string date = Digits(o.words[2], 8, "date (YYYY-MM-DD)"),
                    time = Digits(o.words[3], 4, "time (HH:MM)");
        rc = TillcoreModuleSetClock(date.c_str(), time.c_str());
        if (rc == 5)
            Usage("no such date and time: " + o.words[2] + " " + o.words[3] + " (years 2000..2099)");
    } else {
        Usage("clock: 'set DATE TIME' or 'host', not '" + o.words[1] + "'");
    }
    if (rc != 0)
        Refused("clock", rc);
    std::string shown = DateText(Field(Info(5), 0)) + " " + TimeText(Field(Info(6), 0));
    if (o.json)
        std::cout << JsonObject().Text("module", shown).Text("host", HostClock()).str() << "\n";
    else
        std::cout << "module clock: " << shown << "\n";
    return 0;
}

// ---- reset -------------------------------------------------------------------------------

int Reset(const Options& o, const std::string& path) {
    Expect(o, 1, 1);
    char stamp[32];
    time_t now = ::time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string backup = path + ".backup-" + stamp;
    for (int n = 2; ::access(backup.c_str(), F_OK) == 0; ++n)
        backup = path + ".backup-" + stamp + "-" + std::to_string(n);
    if (!o.yes) {
        if (!::isatty(STDIN_FILENO))
            Usage("reset asks before it erases the module; without a terminal, say --yes");
        std::cerr << "Make " << path << " a fresh module? Its memory is kept as " << backup << " [y/N] ";
        std::string answer;
        std::getline(std::cin, answer);
        if (answer != "y" && answer != "Y" && answer != "yes") {
            std::cerr << "nothing changed\n";
            return 1;
        }
    }
    if (int rc = TillcoreModuleReset(backup.c_str()); rc != 0)
        Refused("reset", rc);
    if (o.json)
        std::cout << JsonObject().Text("backup", backup).str() << "\n";
    else
        std::cout << "fresh module; the old one is kept as " << backup << "\n";
    return 0;
}

// ---- faults ------------------------------------------------------------------------------

struct FaultHelp {
    const char* name;
    const char* value;
    const char* effect;
};

const FaultHelp kFaults[] = {
    {"paper-out", "", "documents refused (40); 307 and 9 show it"},
    {"cover-open", "", "documents refused (41); 307 and 9 show it"},
    {"printer-offline", "", "documents refused (42); 307 and 9 show it"},
    {"card-full", "", "documents refused (43); 914 answers no free space"},
    {"card-missing", "", "documents refused (44); 914 answers no card"},
    {"fiscal-memory-full", "", "Z report refused (45)"},
    {"hardware-error", "", "documents refused (46); mask bit 0x20 in 9"},
    {"shift-expired", "", "sales refused (47) until a Z report"},
    {"fail", "FUNCTION CODE [once]", "that function answers CODE"},
    {"latency", "MS", "every call takes at least MS milliseconds"},
};

int FaultCommand(const Options& o) {
    Expect(o, 2, 100);
    const std::string& verb = o.words[1];
    std::string rest;
    for (size_t i = 3; i < o.words.size(); ++i)
        rest += (rest.empty() ? "" : " ") + o.words[i];
    if (verb == "set") {
        Expect(o, 3, 100);
        const std::string& name = o.words[2];
        int rc = TillcoreModuleSetFault(name.c_str(), rest.c_str());
        if (rc == 2)
            Usage(name == "fail"
                      ? "fail: no device function '" + o.words[3] + "' (LoadJournalCrc cannot fail)"
                      : "no fault '" + name + "'; 'tillmate-module fault list' names them");
        if (rc == 3) {
            for (const FaultHelp& f : kFaults)
                if (name == f.name)
                    Usage(*f.value ? name + " takes " + f.value + (name == "latency" ? " (1..60000)" : "") +
                                         ", not '" + rest + "'"
                                   : name + " takes no value");
        }
        if (rc != 0)
            Refused("fault set", rc);
    } else if (verb == "clear") {
        std::string name = o.words.size() > 2 ? o.words[2] + (rest.empty() ? "" : " " + rest) : "";
        int rc = TillcoreModuleClearFault(name.c_str());
        if (rc == 2)
            Usage("no fault '" + name + "'; 'tillmate-module fault list' names them");
        if (rc != 0)
            Refused("fault clear", rc);
    } else if (verb == "list") {
        Expect(o, 2, 2);
    } else {
        Usage("fault: 'list', 'set' or 'clear', not '" + verb + "'");
    }
    auto set = Faults();
    if (o.json) {
        std::vector<std::string> names;
        for (const FaultHelp& f : kFaults)
            names.push_back(JsonString(f.name));
        std::cout << JsonObject().Raw("faults", FaultsJson()).Raw("known", JsonArray(names)).str() << "\n";
        return 0;
    }
    if (verb != "list") {
        std::cout << "faults in force: " << FaultsText() << "\n";
        return 0;
    }
    for (const FaultHelp& f : kFaults) {
        std::string state;
        for (auto& [name, value] : set)
            if (name == f.name || name.rfind(std::string(f.name) + " ", 0) == 0)
                state += (state.empty() ? "" : ", ") +
                         (name == f.name ? (value.empty() ? "SET" : value) : name.substr(5) + " " + value);
        std::printf("%-19s %-21s %-44s %s\n", f.name, f.value, f.effect, state.empty() ? "-" : state.c_str());
    }
    return 0;
}

int Run(const Options& o) {
    if (o.help || o.words.empty()) {
        std::cout << kUsage;
        return o.help ? 0 : kExitUsage;
    }
    const std::string& command = o.words[0];
    static const std::vector<std::string> known = {"status", "journal", "records", "clock", "reset", "fault"};
    if (std::find(known.begin(), known.end(), command) == known.end())
        Usage("unknown command '" + command + "' (see tillmate-module --help)");
    if ((o.follow || o.hasFrom) && command != "journal")
        Usage("--follow and --from belong to 'journal'");
    if (o.yes && command != "reset")
        Usage("--yes belongs to 'reset'");
    if (command == "status" || command == "journal" || command == "records")
        Expect(o, 1, 1);
    std::string path = ModulePath(o.db);
    OpenModule(path);
    if (command == "status")
        return Status(o, path);
    if (command == "journal")
        return Journal(o);
    if (command == "records")
        return Records(o);
    if (command == "clock")
        return Clock(o);
    if (command == "reset")
        return Reset(o, path);
    return FaultCommand(o);
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    try {
        return Run(Parse(argc, argv));
    } catch (const Failure& f) {
        std::cerr << "tillmate-module: " << f.what() << "\n";
        return f.status;
    } catch (const std::exception& e) {
        std::cerr << "tillmate-module: " << e.what() << "\n";
        return kExitModule;
    }
}
