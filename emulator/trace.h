// trace.h - the call trace: with TILLCORE_TRACE naming a file, every call is appended to it as
// one line: local time, function, arguments, result code, duration.
#pragma once

#include <chrono>
#include <string>

namespace tc {

std::string traceArg(int v);
std::string traceArg(double v);
std::string traceArg(bool v);
std::string traceArg(const char* v);
std::string traceArg(char* v); // an answer buffer: shown as what was written into it
std::string traceArg(const unsigned char* v);

inline std::string argText() {
    return {};
}
template <class T, class... Rest> std::string argText(T first, Rest... rest) {
    std::string s = traceArg(first);
    ((s += ", " + traceArg(rest)), ...);
    return s;
}

class TraceCall {
public:
    TraceCall();
    bool enabled() const { return !path_.empty(); }
    void finish(const char* name, long long result, const std::string& args);

private:
    std::string path_;
    std::chrono::steady_clock::time_point start_;
};

} // namespace tc
