#include "FakeDevice.h"

#include <cstring>
#include <iomanip>
#include <type_traits>
#include <zlib.h>

namespace testing_support {

namespace {

FakeDevice* instance = nullptr;

Arg toArg(int v) {
    return v;
}
Arg toArg(double v) {
    return v;
}
Arg toArg(bool v) {
    return v;
}
Arg toArg(const char* v) {
    return std::string(v ? v : "<null>");
}
Arg toArg(const unsigned char* v) {
    return std::string(reinterpret_cast<const char*>(v), TILLCORE_DATA_BLOCK_SIZE);
}

template <class T> void collect(std::vector<Arg>& args, char*& buffer, T value) {
    if constexpr (std::is_same_v<T, char*>)
        buffer = value;
    else
        args.push_back(toArg(value));
}

template <class... T> int record(const char* name, T... values) {
    DeviceCall call{name, {}};
    char* buffer = nullptr;
    (collect(call.args, buffer, values), ...);
    int room = TILLCORE_ANSWER_SIZE;
    if (call.name == "GetFiscalInfo2Ex")
        room = std::get<int>(call.args.back());
    return FakeDevice::current().invoke(std::move(call), buffer, room);
}

#define FAKE_FUNCTION(result, name, params, args)                                                            \
    result Fake##name params {                                                                               \
        return static_cast<result>(                                                                          \
            std::apply([](auto... v) { return record(#name, v...); }, std::make_tuple args));                \
    }
TILLCORE_FUNCTIONS(FAKE_FUNCTION)
#undef FAKE_FUNCTION

device::FunctionTable fakeTable() {
    device::FunctionTable table;
#define FAKE_ENTRY(result, name, params, args) table.name = &Fake##name;
    TILLCORE_FUNCTIONS(FAKE_ENTRY)
#undef FAKE_ENTRY
    return table;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const DeviceCall& call) {
    out << call.name << "(";
    for (size_t i = 0; i < call.args.size(); ++i) {
        if (i)
            out << ", ";
        std::visit(
            [&out](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, std::string>)
                    out << std::quoted(v);
                else if constexpr (std::is_same_v<V, bool>)
                    out << (v ? "true" : "false");
                else if constexpr (std::is_same_v<V, double>)
                    out << std::setprecision(17) << v << "d";
                else
                    out << v;
            },
            call.args[i]);
    }
    return out << ")";
}

FakeDevice::FakeDevice() {
    instance = this;
    device::Install(fakeTable());
}

FakeDevice::~FakeDevice() {
    device::Install(device::FunctionTable{});
    instance = nullptr;
}

FakeDevice& FakeDevice::current() {
    return *instance;
}

std::vector<std::string> FakeDevice::callNames() const {
    std::vector<std::string> names;
    for (const DeviceCall& call : calls_)
        names.push_back(call.name);
    return names;
}

void FakeDevice::setResult(const std::string& function, int result) {
    results_[function] = result;
}

void FakeDevice::queueResults(const std::string& function, std::vector<int> results) {
    queuedResults_[function].assign(results.begin(), results.end());
}

void FakeDevice::setAnswer(int code, const QByteArray& answer, int result) {
    answers_[code] = {result, answer};
}

void FakeDevice::queueAnswers(int code, std::vector<Reply> replies) {
    queuedAnswers_[code].assign(replies.begin(), replies.end());
}

void FakeDevice::setBadBlocks(const QByteArray& answer, int result) {
    badBlocks_ = {result, answer};
}

void FakeDevice::setHandler(const std::string& function, Handler handler) {
    handlers_[function] = std::move(handler);
}

void FakeDevice::removeFunction(const std::string& function) {
    device::FunctionTable table = device::Functions();
#define FAKE_REMOVE(result, name, params, args)                                                              \
    if (function == #name)                                                                                   \
        table.name = nullptr;
    TILLCORE_FUNCTIONS(FAKE_REMOVE)
#undef FAKE_REMOVE
    device::Install(table);
}

int FakeDevice::scriptedResult(const std::string& function) {
    auto queued = queuedResults_.find(function);
    if (queued != queuedResults_.end() && !queued->second.empty()) {
        const int result = queued->second.front();
        queued->second.pop_front();
        return result;
    }
    auto fixed = results_.find(function);
    return fixed == results_.end() ? 0 : fixed->second;
}

int FakeDevice::invoke(DeviceCall call, char* buffer, int room) {
    calls_.push_back(call);
    auto handler = handlers_.find(call.name);
    if (handler != handlers_.end())
        return handler->second(calls_.back(), buffer);

    if (call.name == "LoadJournalCrc") {
        // Without a script the checksum is the CRC-32 of the text, as the module computes it.
        const std::string& text = std::get<std::string>(call.args[1]);
        const int length = std::get<int>(call.args[2]);
        return static_cast<int>(crc32(0, reinterpret_cast<const Bytef*>(text.data()),
                                      static_cast<uInt>(std::min<size_t>(length, text.size()))));
    }

    Reply reply{scriptedResult(call.name), {}};
    if (buffer) {
        if (call.name == "GetBadBlocks") {
            reply = badBlocks_;
        } else {
            const int code = std::get<int>(call.args[0]);
            auto queued = queuedAnswers_.find(code);
            if (queued != queuedAnswers_.end() && !queued->second.empty()) {
                reply = queued->second.front();
                queued->second.pop_front();
            } else if (auto fixed = answers_.find(code); fixed != answers_.end()) {
                reply = fixed->second;
            }
        }
        const size_t n =
            std::min<size_t>(static_cast<size_t>(reply.answer.size()), static_cast<size_t>(room - 1));
        std::memcpy(buffer, reply.answer.constData(), n);
        buffer[n] = '\0';
    }
    return reply.result;
}

} // namespace testing_support
