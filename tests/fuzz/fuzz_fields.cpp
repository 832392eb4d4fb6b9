// Field splitting of answer texts: SplitFields (both forms), SplitAnswer, NextField, TakeToken.
// Input: a count, a delimiter, then the answer bytes.
#include "FuzzCheck.h"
#include "device/AnswerFields.h"
#include "framework/Codecs.h"

#include <algorithm>
#include <cstring>
#include <memory>

constexpr char FS = TILLCORE_FS;

namespace {

const QByteArray untouched("\0untouched", 10); // no split field can hold a zero byte

void checkSplit(const char* buffer, int n) {
    const QByteArray text(buffer);
    const QString detail = QStringLiteral("n=%1 buffer hex %2").arg(n).arg(QString::fromLatin1(text.toHex()));
    const int room = std::max(n, 0);
    // Exactly `room` elements on the heap: a write past the last one is an overflow.
    std::unique_ptr<QByteArray[]> fields(new QByteArray[static_cast<size_t>(room)]);
    std::fill(fields.get(), fields.get() + room, untouched);
    const int count = device::SplitFields(buffer, fields.get(), n);

    const int ended = static_cast<int>(text.count(FS));
    FUZZ_CHECK(count == std::min(ended, room), detail);
    QByteArray joined;
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(!fields[i].contains(FS) && !fields[i].contains('\0'), detail);
        joined += fields[i] + FS;
    }
    if (count < room) {
        FUZZ_CHECK(!fields[count].contains(FS), detail);
        joined += fields[count]; // the field the zero ended
        FUZZ_CHECK(joined == text, detail);
        for (int i = count + 1; i < room; ++i)
            FUZZ_CHECK(fields[i] == untouched, detail);
    } else {
        FUZZ_CHECK(text.startsWith(joined), detail);
    }

    std::vector<QByteArray> vector(static_cast<size_t>(room), untouched);
    FUZZ_CHECK(device::SplitFields(buffer, vector) == count, detail);
    FUZZ_CHECK(std::equal(vector.begin(), vector.end(), fields.get()), detail);
    int answerCount = -1;
    const std::vector<QByteArray> answer = device::SplitAnswer(buffer, n, &answerCount);
    FUZZ_CHECK(answerCount == count && answer.size() == static_cast<size_t>(room), detail);
}

void checkNextField(const char* buffer) {
    const size_t length = std::strlen(buffer);
    const char* end = buffer + length;
    const QString detail = QString::fromLatin1(QByteArray(buffer).toHex());
    int fsSteps = 0;
    for (const char* at = buffer; at != end;) {
        const char* next = device::NextField(at);
        FUZZ_CHECK(next > at && next <= end, detail);
        FUZZ_CHECK(next == end || next[-1] == FS, detail);
        FUZZ_CHECK(std::find(at, next - 1, FS) == next - 1, detail + " skipped an FS");
        fsSteps += next[-1] == FS ? 1 : 0;
        at = next;
    }
    FUZZ_CHECK(device::NextField(end) == end, detail);
    FUZZ_CHECK(fsSteps == std::count(buffer, end, FS), detail);
}

void checkTakeToken(QByteArray source, char delimiter) {
    // Every take shortens the source until it is empty, and token + delimiter + rest is the source.
    while (!source.isEmpty()) {
        const QByteArray before = source;
        const QByteArray token = framework::TakeToken(source, delimiter);
        const QString detail = QString::fromLatin1(before.toHex());
        FUZZ_CHECK(!token.contains(delimiter), detail);
        if (before.contains(delimiter))
            FUZZ_CHECK(token + delimiter + source == before, detail);
        else
            FUZZ_CHECK(token == before && source.isEmpty(), detail);
    }
    FUZZ_CHECK(framework::TakeToken(source, delimiter).isEmpty() && source.isEmpty(), QString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int n = static_cast<int8_t>(data[0]) % 12; // -11 .. 11, with zero and negative counts
    const char delimiter = static_cast<char>(data[1]);
    const size_t length = size - 2;
    // The answer as the library leaves it: zero-terminated, in a heap block of exactly its size.
    std::unique_ptr<char[]> buffer(new char[length + 1]);
    std::memcpy(buffer.get(), data + 2, length);
    buffer[length] = '\0';

    checkSplit(buffer.get(), n);
    checkNextField(buffer.get());
    checkTakeToken(QByteArray(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(length)),
                   delimiter);
    return 0;
}
