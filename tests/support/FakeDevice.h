#pragma once

// The recording fake device: fills the console's binding table with functions that record every
// call (name and arguments) and answer with scripted result codes and answer texts.

#include "device/DeviceLibrary.h"

#include <QByteArray>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace testing_support {

// One recorded argument. Texts are the bytes the console sent; answer buffers are not recorded.
using Arg = std::variant<int, double, bool, std::string>;

struct DeviceCall {
    std::string name;
    std::vector<Arg> args;
    bool operator==(const DeviceCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const DeviceCall& call);

class FakeDevice {
public:
    // What one scripted call does: its result code and, for the reading functions, the answer text
    // written into the buffer (also when the result is not 0).
    struct Reply {
        int result = 0;
        QByteArray answer;
    };
    // A custom behaviour: gets the call, the answer buffer (or nullptr) and returns the result.
    using Handler = std::function<int(const DeviceCall& call, char* buffer)>;

    // Installs itself into the binding table; uninstalls (empty table) on destruction.
    FakeDevice();
    ~FakeDevice();
    FakeDevice(const FakeDevice&) = delete;
    FakeDevice& operator=(const FakeDevice&) = delete;

    const std::vector<DeviceCall>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    // Names of the recorded calls, in order.
    std::vector<std::string> callNames() const;

    // Every call of `function` returns `result`.
    void setResult(const std::string& function, int result);
    // The next calls of `function` return these results in turn, then the setResult value.
    void queueResults(const std::string& function, std::vector<int> results);
    // Information code `code` (GetFiscalInfo, GetFiscalInfo2 and GetFiscalInfo2Ex) answers
    // `answer` with `result`. GetBadBlocks answers what setBadBlocks gave.
    void setAnswer(int code, const QByteArray& answer, int result = 0);
    // The next reads of `code` answer these replies in turn, then the setAnswer one.
    void queueAnswers(int code, std::vector<Reply> replies);
    void setBadBlocks(const QByteArray& answer, int result = 0);
    void setHandler(const std::string& function, Handler handler);
    // Removes `function` from the binding table, as a library that lacks it would.
    void removeFunction(const std::string& function);

    // Called by the generated fake functions.
    int invoke(DeviceCall call, char* buffer, int room);
    static FakeDevice& current();

private:
    int scriptedResult(const std::string& function);

    std::vector<DeviceCall> calls_;
    std::map<std::string, int> results_;
    std::map<std::string, std::deque<int>> queuedResults_;
    std::map<int, Reply> answers_;
    std::map<int, std::deque<Reply>> queuedAnswers_;
    Reply badBlocks_;
    std::map<std::string, Handler> handlers_;
};

// Builds expected calls: Call("SetVAT", 1, 21.5), Call("SetDate", "20240305").
template <class... A> DeviceCall Call(const std::string& name, A... args) {
    return DeviceCall{name, {Arg(args)...}};
}
inline Arg Text(const char* text) {
    return Arg(std::string(text));
}

} // namespace testing_support
