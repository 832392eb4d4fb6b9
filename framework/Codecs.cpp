#include "Codecs.h"

#include "Exception.h"

#include <charconv>
#include <cmath>

namespace framework {

namespace {

Exception notAnInteger(const QString& text) {
    return Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

Exception notAFloat(const QString& text) {
    return Exception(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isHexDigit(QChar c) {
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

int HexDigitValue(char c) {
    const signed char s = static_cast<signed char>(c);
    if (s >= '0' && s <= '9')
        return s - '0';
    if (s >= 'a' && s <= 'f')
        return s - 'a' + 10;
    if (s >= 'A' && s <= 'F')
        return s - 'A' + 10;
    return 0;
}

int HexDigitValue(QChar c) {
    return c.unicode() < 0x80 ? HexDigitValue(static_cast<char>(c.unicode())) : 0;
}

int32_t ParseHex(const QString& text) {
    uint32_t value = 0;
    for (QChar c : text)
        value = value * 16u + static_cast<uint32_t>(HexDigitValue(c));
    return static_cast<int32_t>(value);
}

QByteArray TakeToken(QByteArray& source, char delimiter) {
    const qsizetype at = source.indexOf(delimiter);
    if (at < 0) {
        QByteArray token = source;
        source.clear();
        return token;
    }
    QByteArray token = source.left(at);
    source.remove(0, at + 1);
    return token;
}

bool TryStrToInt(const QString& text, int32_t& value) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (i >= n)
        return false;

    bool hex = false;
    if (text[i] == u'$' || text[i] == u'x' || text[i] == u'X') {
        hex = true;
        ++i;
    } else if (text[i] == u'0' && i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }

    if (hex) {
        if (i >= n)
            return false;
        uint64_t v = 0;
        for (; i < n; ++i) {
            if (!isHexDigit(text[i]))
                return false;
            v = v * 16 + static_cast<uint64_t>(HexDigitValue(text[i]));
            if (v > 0xFFFFFFFFull)
                return false;
        }
        value = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }

    bool negative = false;
    if (text[i] == u'+' || text[i] == u'-') {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= n)
        return false;
    int64_t v = 0;
    for (; i < n; ++i) {
        if (!isDigit(text[i]))
            return false;
        v = v * 10 + (text[i].unicode() - u'0');
        if (v > 2147483648LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 2147483647LL)
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

int32_t StrToInt(const QString& text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw notAnInteger(text);
    return value;
}

int32_t StrToIntDef(const QString& text, int32_t defaultValue) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

double StrToFloat(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;

    // Check the form by hand: from_chars alone would accept "inf", "nan" and hexadecimal floats.
    QByteArray ascii;
    qsizetype i = begin;
    auto take = [&] {
        ascii.append(static_cast<char>(text[i].unicode()));
        ++i;
    };
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii.append('-');
        ++i;
    }
    int digits = 0;
    while (i < end && isDigit(text[i])) {
        take();
        ++digits;
    }
    if (i < end && text[i] == u'.') {
        take();
        while (i < end && isDigit(text[i])) {
            take();
            ++digits;
        }
    }
    if (digits == 0)
        throw notAFloat(text);
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        take();
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            take();
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            take();
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw notAFloat(text);
    }
    if (i != end)
        throw notAFloat(text);

    double value = 0;
    const auto result = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        throw notAFloat(text);
    return value;
}

double ParseAmount(const QString& text) {
    return text.isEmpty() ? 0.0 : StrToFloat(text);
}

QString DateEncodeMessage() {
    return QStringLiteral("Invalid argument to date encode");
}

QDate ParseYmdDate(const QString& text) {
    const int day = StrToInt(text.mid(6, 2));
    const int month = StrToInt(text.mid(4, 2));
    const int year = StrToInt(text.mid(0, 4));
    const uint16_t y = static_cast<uint16_t>(year);
    const uint16_t m = static_cast<uint16_t>(month);
    const uint16_t d = static_cast<uint16_t>(day);
    if (y < 1 || y > 9999 || !QDate::isValid(y, m, d))
        throw Exception(DateEncodeMessage());
    return QDate(y, m, d);
}

QTime ParseHhmmTime(const QString& text) {
    const int minutes = StrToInt(text.mid(2, 2));
    const int hours = StrToInt(text.mid(0, 2));
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        throw Exception(QStringLiteral("Invalid argument to time encode"));
    return QTime(hours, minutes, 0, 0);
}

QByteArray DateText(const QDate& date) {
    return QString::asprintf("%04d%02d%02d", date.year(), date.month(), date.day()).toLatin1();
}

QByteArray TimeText(const QTime& time) {
    return QString::asprintf("%02d%02d", time.hour(), time.minute()).toLatin1();
}

QString HexText(uint32_t value, int width) {
    return QString::number(value, 16).toUpper().rightJustified(width, u'0');
}

QByteArray TrimRight(const QByteArray& text) {
    qsizetype end = text.size();
    while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= 0x20)
        --end;
    return text.left(end);
}

} // namespace framework
