// trace.cpp - formatting and appending trace lines.
#include "trace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tc {

namespace {

constexpr size_t kShown = 64; // bytes of a text shown in the trace

std::string quoted(const char* v, size_t max) {
    if (!v)
        return "NULL";
    std::string s = "\"";
    size_t n = strnlen(v, max + 1);
    for (size_t i = 0; i < n && i < max; ++i) {
        unsigned char ch = static_cast<unsigned char>(v[i]);
        if (ch == '"' || ch == '\\') {
            s += '\\';
            s += char(ch);
        } else if (ch < 0x20 || ch == 0x7f) {
            char buf[8];
            snprintf(buf, sizeof buf, "\\x%02X", ch);
            s += buf;
        } else {
            s += char(ch);
        }
    }
    s += '"';
    if (n > max)
        s += "...";
    return s;
}

} // namespace

std::string traceArg(int v) {
    return std::to_string(v);
}
std::string traceArg(bool v) {
    return v ? "true" : "false";
}
std::string traceArg(double v) {
    char buf[40];
    snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}
std::string traceArg(const char* v) {
    return quoted(v, kShown);
}
std::string traceArg(char* v) {
    return v ? "out" : "NULL";
}
std::string traceArg(const unsigned char* v) {
    if (!v)
        return "NULL";
    std::string s;
    char buf[4];
    for (int i = 0; i < 32; ++i) {
        snprintf(buf, sizeof buf, "%02X", v[i]);
        s += buf;
    }
    return s;
}

TraceCall::TraceCall() {
    if (const char* p = std::getenv("TILLCORE_TRACE"); p && *p)
        path_ = p;
    start_ = std::chrono::steady_clock::now();
}

void TraceCall::finish(const char* name, long long result, const std::string& args) {
    auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_)
                  .count();
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    struct tm local {};
    localtime_r(&ts.tv_sec, &local);
    char when[40];
    strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    char tail[96];
    snprintf(tail, sizeof tail, ".%03ld ", long(ts.tv_nsec / 1000000));
    std::string line = std::string(when) + tail + name + "(" + args + ") -> " + std::to_string(result) + " " +
                       std::to_string(us) + "us\n";
    // One write on an O_APPEND descriptor keeps lines whole even with several processes.
    int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    ssize_t ignored = ::write(fd, line.data(), line.size());
    (void)ignored;
    ::close(fd);
}

} // namespace tc
