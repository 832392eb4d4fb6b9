// ModuleAccess.cpp - the module through libtillcore.so.1.
#include "ModuleAccess.h"

#include <iconv.h>
#include <langinfo.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "tillcore.h"
#include "tillcore_module.h"

namespace module_tool {

namespace {

const char* Meaning(int code) {
    switch (code) {
    case 2:
        return "out of range";
    case 3:
        return "bad value";
    case 5:
        return "malformed date or time";
    case 21:
        return "end of the journal";
    case 40:
        return "paper out";
    case 41:
        return "cover open";
    case 42:
        return "printer offline";
    case 43:
        return "journal card full";
    case 44:
        return "journal card missing";
    case 45:
        return "fiscal memory full";
    case 46:
        return "hardware error";
    case 47:
        return "shift older than 24 hours";
    case 163:
        return "answer does not fit";
    case 200:
        return "module memory file cannot be opened";
    case 201:
        return "module memory file damaged or not a module memory; left untouched";
    case 202:
        return "module memory could not be written";
    case 203:
        return "unexpected failure";
    default:
        return nullptr;
    }
}

std::string Convert(const std::string& text, const char* to) {
    iconv_t cd = iconv_open(to, "WINDOWS-1257");
    if (cd == iconv_t(-1))
        return text;
    std::string out;
    char* in = const_cast<char*>(text.data());
    size_t left = text.size();
    char buf[4096];
    while (left > 0) {
        char* o = buf;
        size_t room = sizeof buf;
        size_t rc = iconv(cd, &in, &left, &o, &room);
        out.append(buf, size_t(o - buf));
        if (rc == size_t(-1) && errno != E2BIG) { // a byte the target cannot hold
            out += '?';
            ++in;
            --left;
        }
    }
    iconv_close(cd);
    return out;
}

Fields Split(const char* answer) {
    Fields out;
    std::string cur;
    for (const char* p = answer; *p; ++p)
        if (*p == TILLCORE_FS) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += *p;
        }
    return out;
}

} // namespace

void Refused(const std::string& what, int code) {
    const char* meaning = Meaning(code);
    throw Failure(what + ": error " + std::to_string(code) +
                      (meaning ? std::string(" (") + meaning + ")" : ""),
                  kExitModule);
}

std::string ModulePath(const std::string& option) {
    if (!option.empty())
        return option;
    char path[4096];
    if (TillcoreModulePath(path, int(sizeof path)) != 0)
        throw Failure("no module memory file: set --db FILE, TILLCORE_DB or HOME", kExitUsage);
    return path;
}

void OpenModule(const std::string& path) {
    if (path == ":memory:")
        throw Failure("':memory:' is a module of one process only; name a module memory file", kExitUsage);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw Failure(path + ": no module memory file there (" + std::strerror(errno) + ")", kExitModule);
    if (!S_ISREG(st.st_mode))
        throw Failure(path + ": not a module memory file (not a regular file)", kExitModule);
    if (st.st_size == 0)
        throw Failure(path + ": empty file, not a module memory; left untouched", kExitModule);
    setenv("TILLCORE_DB", path.c_str(), 1);
    TillcoreModuleObserveOnly(); // the faults it sets are for the others, not for its own reads
    char answer[64] = {};
    int rc = GetFiscalInfo(910, answer);
    if (rc == 201)
        throw Failure(path + ": damaged, or not a module memory; left untouched", kExitModule);
    if (rc == 200)
        throw Failure(path + ": cannot be opened", kExitModule);
    if (rc != 0)
        Refused(path, rc);
}

Fields Info(int code) {
    char answer[1024] = {};
    if (int rc = GetFiscalInfo2Ex(code, 0, answer, int(sizeof answer)); rc != 0)
        Refused("information code " + std::to_string(code), rc);
    return Split(answer);
}

std::string JournalFrom(long long offset) {
    std::string text;
    std::vector<char> buf(1 << 16);
    for (;;) {
        buf[0] = '\0';
        int rc = GetFiscalInfo2Ex(911, int(offset), buf.data(), int(buf.size()));
        if (rc == 163 && buf.size() < (1u << 24)) { // a line longer than the room: offer more
            buf.resize(buf.size() * 2);
            continue;
        }
        size_t n = strnlen(buf.data(), buf.size());
        text.append(buf.data(), n);
        offset += (long long)n;
        if (rc == 21 || (rc == 0 && n == 0))
            return text;
        if (rc != 0)
            Refused("journal at byte " + std::to_string(offset), rc);
    }
}

Fields ExtensionFields(int (*call)(char*, int), const char* what) {
    std::vector<char> buf(4096);
    for (;;) {
        int rc = call(buf.data(), int(buf.size()));
        if (rc == 163 && buf.size() < (1u << 28)) {
            buf.resize(buf.size() * 4);
            continue;
        }
        if (rc != 0)
            Refused(what, rc);
        return Split(buf.data());
    }
}

std::string ToTerminal(const std::string& text) {
    std::string to = std::string(nl_langinfo(CODESET)) + "//TRANSLIT";
    return Convert(text, to.c_str());
}

std::string ToUtf8(const std::string& text) {
    return Convert(text, "UTF-8");
}

} // namespace module_tool
