// FuzzCheck.h - what the fuzz targets share: a failed property aborts with its message (libFuzzer
// then saves the input and the run fails), and the fuzzer's bytes read as a text.
#pragma once

#include "framework/Exception.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* property, const QString& detail) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, property,
                 detail.toUtf8().constData());
    std::abort();
}

// The detail names the input; libFuzzer saves the input itself as the crash file.
#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::fuzz::fail(__FILE__, __LINE__, #condition, (detail));                                          \
    } while (false)

// The first byte chooses how the rest reads: even as Latin-1 (dense in the characters the codecs
// look at), odd as UTF-16 in little-endian pairs (any QString, lone surrogates included).
inline QString textFrom(const uint8_t* data, size_t size) {
    if (size == 0)
        return {};
    const char* rest = reinterpret_cast<const char*>(data + 1);
    if (data[0] % 2 == 0)
        return QString::fromLatin1(rest, static_cast<qsizetype>(size - 1));
    QString text;
    for (size_t i = 1; i + 1 < size; i += 2)
        text += QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    return text;
}

// Runs f(); returns true when it returned, false when it raised framework::Exception with exactly
// the message `expected` gives for it. Any other message breaks the property; any other exception
// escapes and ends the run.
template <class F, class M> bool returnsOrRaises(F f, M expected, const QString& input) {
    try {
        f();
        return true;
    } catch (const framework::Exception& e) {
        FUZZ_CHECK(expected(e.message()), "input '" + input + "' raised '" + e.message() + "'");
        return false;
    }
}

} // namespace fuzz
