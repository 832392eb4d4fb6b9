// The strict integer and decimal conversions: each returns a value or raises its one message,
// agrees with the C library (or Qt) on what it accepts, and reads back what Qt writes of the value.
// Input: any text (see textFrom).
#include "FuzzCheck.h"
#include "framework/Codecs.h"

#include <cmath>
#include <cstdlib>

namespace {

bool isIntegerMessage(const QString& text, const QString& message) {
    return message == "'" + text + "' is not a valid integer value";
}

bool isFloatMessage(const QString& text, const QString& message) {
    return message == "'" + text + "' is not a valid floating point value";
}

void checkInteger(const QString& text) {
    int32_t value = 0;
    const bool converted =
        fuzz::returnsOrRaises([&] { value = framework::StrToInt(text); },
                              [&](const QString& m) { return isIntegerMessage(text, m); }, text);
    int32_t tried = 0;
    FUZZ_CHECK(framework::TryStrToInt(text, tried) == converted, text);
    for (int32_t fallback : {0, -7, INT32_MIN})
        FUZZ_CHECK(framework::StrToIntDef(text, fallback) == (converted ? value : fallback), text);
    if (!converted)
        return;
    FUZZ_CHECK(tried == value, text);

    // Leading blanks, then a hexadecimal prefix or a decimal number: Qt reads the same value.
    const QString body = text.trimmed();
    bool ok = false;
    if (body.startsWith(u'$') || body.startsWith(u'x') || body.startsWith(u'X')) {
        FUZZ_CHECK(body.mid(1).toUInt(&ok, 16) == static_cast<uint32_t>(value) && ok, text);
    } else if (body.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        FUZZ_CHECK(body.mid(2).toUInt(&ok, 16) == static_cast<uint32_t>(value) && ok, text);
    } else {
        FUZZ_CHECK(body.toLongLong(&ok, 10) == value && ok, text);
    }
    FUZZ_CHECK(framework::StrToInt(QString::number(value)) == value, text);
    FUZZ_CHECK(framework::StrToInt("$" + QString::number(static_cast<uint32_t>(value), 16)) == value, text);
}

void checkDecimal(const QString& text) {
    double value = 0;
    const bool converted =
        fuzz::returnsOrRaises([&] { value = framework::StrToFloat(text); },
                              [&](const QString& m) { return isFloatMessage(text, m); }, text);
    double amount = 0;
    const bool amountConverted =
        fuzz::returnsOrRaises([&] { amount = framework::ParseAmount(text); },
                              [&](const QString& m) { return isFloatMessage(text, m); }, text);
    if (text.isEmpty()) {
        FUZZ_CHECK(amountConverted && amount == 0.0 && !converted, text);
        return;
    }
    FUZZ_CHECK(amountConverted == converted, text);
    if (!converted)
        return;
    FUZZ_CHECK(std::isfinite(value) && amount == value, text);

    // Only blanks, signs, digits, the full stop and the exponent are accepted: plain ASCII that the
    // C library reads whole, to the same value.
    const QByteArray ascii = text.trimmed().toLatin1();
    FUZZ_CHECK(QString::fromLatin1(ascii) == text.trimmed(), text);
    char* end = nullptr;
    const double library = std::strtod(ascii.constData(), &end);
    FUZZ_CHECK(end == ascii.constData() + ascii.size() && library == value, text);
    FUZZ_CHECK(framework::StrToFloat(QString::number(value, 'g', 17)) == value, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzz::textFrom(data, size);
    checkInteger(text);
    checkDecimal(text);
    return 0;
}
