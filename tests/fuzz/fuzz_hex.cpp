// HexDigitValue and ParseHex, and HexText read back. Input: any text (see textFrom).
#include "FuzzCheck.h"
#include "framework/Codecs.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

// The digit's value by the C library, 0 for everything that is not a hexadecimal digit.
int libraryDigitValue(unsigned char c) {
    const char digit[2] = {static_cast<char>(c), '\0'};
    return std::isxdigit(c) ? static_cast<int>(std::strtol(digit, nullptr, 16)) : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const int value = framework::HexDigitValue(static_cast<char>(data[i]));
        FUZZ_CHECK(value == libraryDigitValue(data[i]), QStringLiteral("byte %1").arg(data[i]));
    }

    const QString text = fuzz::textFrom(data, size);
    for (QChar c : text) {
        const int expected =
            c.unicode() < 0x80 ? libraryDigitValue(static_cast<unsigned char>(c.unicode())) : 0;
        FUZZ_CHECK(framework::HexDigitValue(c) == expected, QStringLiteral("character %1").arg(c.unicode()));
    }

    // Wrapping 32-bit arithmetic: only the last eight characters count.
    const int32_t value = framework::ParseHex(text);
    FUZZ_CHECK(value == framework::ParseHex(text.right(8)), text);
    const QByteArray latin1 = text.toLatin1();
    if (!text.isEmpty() && text.size() <= 8 && QString::fromLatin1(latin1) == text &&
        std::all_of(latin1.begin(), latin1.end(),
                    [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        FUZZ_CHECK(static_cast<uint32_t>(value) == std::strtoul(latin1.constData(), nullptr, 16), text);

    // What HexText writes, ParseHex reads back, whatever the width.
    const uint32_t number = static_cast<uint32_t>(value) ^ static_cast<uint32_t>(size * 2654435761u);
    const int width = size > 0 ? data[0] % 12 : 0;
    const QString hex = framework::HexText(number, width);
    FUZZ_CHECK(hex.size() >= width && static_cast<uint32_t>(framework::ParseHex(hex)) == number, hex);
    return 0;
}
