// The emulator through its C interface: the input becomes a sequence of calls with hostile
// arguments (the same calls as the sanitized hostile-call test), each on a fresh module in memory.
// Afterwards every answer given was terminated within its buffer, and the journal read in pieces
// is as long as the module says and has the CRC-32 it reports.
#include "FuzzCheck.h"
#include "tests/emulator/hostile_calls.h"
#include "tillcore.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace tc {
void closeModule(); // the emulator's test hook: the next call opens the module memory afresh
}

namespace {

FuzzedDataProvider* g_input = nullptr;

uint64_t draw() {
    return g_input->ConsumeIntegral<uint64_t>();
}

// Reads the whole journal as the console does: pieces from the end of what was read so far.
std::string readJournal() {
    std::vector<char> buffer(4096, '\0');
    size_t read = 0;
    for (;;) {
        const int rc = GetFiscalInfo2Ex(911, static_cast<int>(read), buffer.data() + read,
                                        static_cast<int>(buffer.size() - read));
        if (rc == 163) {
            buffer.resize(buffer.size() * 2, '\0');
            continue;
        }
        FUZZ_CHECK(rc == 0 || rc == 21, QStringLiteral("journal piece at %1 answered %2").arg(read).arg(rc));
        const size_t piece = strnlen(buffer.data() + read, buffer.size() - read);
        FUZZ_CHECK(piece < buffer.size() - read,
                   QStringLiteral("journal piece at %1 not terminated").arg(read));
        if (piece == 0)
            return std::string(buffer.data(), read);
        read += piece;
    }
}

void checkJournal() {
    char head[64] = {};
    FUZZ_CHECK(GetFiscalInfo(910, head) == 0, QStringLiteral("code 910 refused"));
    const std::string journal = readJournal();
    char expected[64];
    std::snprintf(
        expected, sizeof expected, "%zu\x1c%08lX\x1c", journal.size(),
        crc32(0, reinterpret_cast<const Bytef*>(journal.data()), static_cast<uInt>(journal.size())));
    FUZZ_CHECK(std::strcmp(head, expected) == 0,
               QStringLiteral("910 answered '%1', the journal read is '%2'")
                   .arg(QString::fromLatin1(head), QString::fromLatin1(expected)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TILLCORE_DB", ":memory:", 1);
    unsetenv("TILLCORE_TRACE");
    hostile::setSource(&draw);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    g_input = &input;
    tc::closeModule();

    // The fixed hostile texts and a few of the fuzzer's own.
    std::vector<std::string>& texts = hostile::texts();
    texts = hostile::defaultTexts();
    for (int i = input.ConsumeIntegralInRange(0, 3); i > 0; --i)
        texts.push_back(input.ConsumeRandomLengthString(600));

    while (input.remaining_bytes() > 0) {
        const int which = input.ConsumeIntegralInRange(0, hostile::callKinds);
        if (which == hostile::callKinds)
            hostile::validReceipt();
        else
            FUZZ_CHECK(hostile::oneCall(which),
                       QStringLiteral("call kind %1: answer not terminated").arg(which));
    }
    checkJournal();
    g_input = nullptr;
    return 0;
}
