#include "framework/Codecs.h"
#include "device/AnswerFields.h"
#include "framework/Exception.h"
#include "framework/TextCodec.h"

#include <gtest/gtest.h>
#include <initializer_list>

using namespace framework;
using namespace device;

namespace {

// Runs `f` and returns the message of the framework::Exception it raises ("" when none).
template <class F> QString raisedMessage(F f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.message();
    }
    return {};
}

std::string show(const QString& s) {
    return s.toStdString();
}

} // namespace

TEST(HexDigitValue, DigitsOfBothCasesAndZeroForEverythingElse) {
    const std::pair<char, int> cases[] = {{'0', 0}, {'9', 9}, {'a', 10}, {'f', 15}, {'A', 10}, {'F', 15},
                                          {'g', 0}, {'G', 0}, {' ', 0},  {'/', 0},  {':', 0},  {'\xC0', 0}};
    for (auto [c, expected] : cases)
        EXPECT_EQ(HexDigitValue(c), expected) << "character " << int(static_cast<unsigned char>(c));
}

TEST(ParseHex, EveryCharacterShiftsInOneDigit) {
    const std::pair<const char*, int32_t> cases[] = {
        {"41", 65},  {"", 0},       {"ff", 255},  {"FF", 255},      {"4G", 64},
        {" 41", 65}, {"41 ", 1040}, {"0x41", 65}, {"FFFFFFFF", -1}, {"123456789", 0x23456789},
        {"A", 10},   {"141", 321},  {"1FF", 511},
    };
    for (auto [text, expected] : cases)
        EXPECT_EQ(ParseHex(QString::fromLatin1(text)), expected) << "text '" << text << "'";
    EXPECT_EQ(ParseHex(QStringLiteral("4\u0101")), 64) << "a non-ASCII character counts as the digit 0";
}

TEST(SplitFields, CountsOnlyTheFieldsThatAnFsEnds) {
    struct Case {
        QByteArray buffer;
        int n;
        std::vector<QByteArray> fields; // expected contents of the n-element array
        int count;
    };
    const Case cases[] = {
        {"", 3, {"", "", ""}, 0},
        {"A", 3, {"A", "", ""}, 0},
        {"A\x1c"
         "B",
         3,
         {"A", "B", ""},
         1},
        {"A\x1c"
         "B\x1c",
         3,
         {"A", "B", ""},
         2},
        {"A\x1c"
         "B\x1c"
         "C",
         2,
         {"A", "B"},
         2},
        {"A\x1c"
         "B",
         1,
         {"A"},
         1},
        {"\x1c", 3, {"", "", ""}, 1},
    };
    for (const Case& c : cases) {
        std::vector<QByteArray> fields(c.n, "old");
        for (auto& f : fields)
            f.clear();
        EXPECT_EQ(SplitFields(c.buffer.constData(), fields), c.count) << c.buffer.toStdString();
        EXPECT_EQ(fields, c.fields) << c.buffer.toStdString();
    }
}

TEST(SplitFields, LeavesUnassignedElementsAndIgnoresNonPositiveCounts) {
    QByteArray fields[3] = {"x", "y", "z"};
    EXPECT_EQ(SplitFields("A", fields, 3), 0);
    EXPECT_EQ(fields[0], "A");
    EXPECT_EQ(fields[1], "y");
    EXPECT_EQ(fields[2], "z");
    EXPECT_EQ(SplitFields("A\x1c", fields, 0), 0);
    EXPECT_EQ(SplitFields("A\x1c", fields, -1), 0);
    EXPECT_EQ(fields[0], "A");
}

TEST(NextField, StepsPastFsAndStaysAtTheEnd) {
    const char buffer[] = "A\x1c"
                          "B";
    EXPECT_EQ(NextField(buffer), buffer + 2);
    const char* end = NextField(buffer + 2);
    EXPECT_EQ(end, buffer + 3);
    EXPECT_EQ(NextField(end), end);
}

TEST(TakeToken, CutsAtTheFirstDelimiter) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"12;34", "12", "34"}, {"1234", "1234", ""}, {";34", "", "34"}, {"", "", ""}, {"1;2;3", "1", "2;3"}};
    for (auto [source, token, rest] : cases) {
        QByteArray s(source);
        EXPECT_EQ(TakeToken(s, ';'), QByteArray(token)) << source;
        EXPECT_EQ(s, QByteArray(rest)) << source;
    }
}

TEST(StrToInt, AcceptsDecimalAndPrefixedHexadecimal) {
    const std::pair<const char*, int32_t> cases[] = {
        {"0", 0},
        {"42", 42},
        {"+7", 7},
        {"-7", -7},
        {"  12", 12},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"$FFFFFFFF", -1},
        {"007", 7},
    };
    for (auto [text, expected] : cases)
        EXPECT_EQ(StrToInt(QString::fromLatin1(text)), expected) << text;
}

TEST(StrToInt, RejectsEverythingElseWithTheTextInTheMessage) {
    for (const char* text : {"", " ", "12 ", "1.5", "abc", "+", "-", "0x", "$", "2147483648", "-2147483649",
                             "$100000000", "-$10", "1e3", "9:"}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(show(raisedMessage([&] { StrToInt(t); })), show("'" + t + "' is not a valid integer value"))
            << "text '" << text << "'";
        EXPECT_EQ(StrToIntDef(t, -99), -99) << text;
    }
}

TEST(StrToFloat, AcceptsTheFullStopFormOnly) {
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5}, {" 12.5 ", 12.5}, {"-1.5", -1.5},   {"+2", 2},      {".5", 0.5},
        {"5.", 5.0},    {"1e3", 1000},    {"2.5E-1", 0.25}, {"10.5", 10.5}, {"12.30", 12.3}};
    for (auto [text, expected] : cases)
        EXPECT_DOUBLE_EQ(StrToFloat(QString::fromLatin1(text)), expected) << text;
    for (const char* text :
         {"", "  ", "12,5", "1.2.3", "1e", "e5", ".", "abc", "1 000", "inf", "nan", "0x10", "1e999", "\t1"}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(show(raisedMessage([&] { StrToFloat(t); })),
                  show("'" + t + "' is not a valid floating point value"))
            << "text '" << text << "'";
    }
}

TEST(ParseAmount, EmptyIsZeroAndEverythingElseIsStrict) {
    EXPECT_EQ(ParseAmount(""), 0.0);
    EXPECT_EQ(ParseAmount("12.5"), 12.5);
    EXPECT_EQ(ParseAmount(" 12.5 "), 12.5);
    EXPECT_EQ(show(raisedMessage([] { ParseAmount("12,5"); })), "'12,5' is not a valid floating point value");
    EXPECT_EQ(show(raisedMessage([] { ParseAmount("   "); })), "'   ' is not a valid floating point value");
}

TEST(ParseAmount, TheFullStopIsTheSeparatorWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ParseAmount("1.5"), 1.5);
    EXPECT_EQ(show(raisedMessage([] { ParseAmount("1,5"); })), "'1,5' is not a valid floating point value");
    QLocale::setDefault(before);
}

TEST(ParseYmdDate, ReadsByPositionAndChecksTheCalendar) {
    EXPECT_EQ(ParseYmdDate("20240229"), QDate(2024, 2, 29));
    EXPECT_EQ(ParseYmdDate("20150101xyz"), QDate(2015, 1, 1)) << "characters after the eighth are ignored";
    EXPECT_EQ(ParseYmdDate("00010101"), QDate(1, 1, 1));
    const std::pair<const char*, const char*> failures[] = {
        {"20230229", "Invalid argument to date encode"},   {"2024010", "Invalid argument to date encode"},
        {"20241301", "Invalid argument to date encode"},   {"00000101", "Invalid argument to date encode"},
        {"20240100", "Invalid argument to date encode"},   {"", "'' is not a valid integer value"},
        {"2024ab01", "'ab' is not a valid integer value"}, {"20240ab", "'b' is not a valid integer value"},
    };
    for (auto [text, message] : failures)
        EXPECT_EQ(show(raisedMessage([&] { ParseYmdDate(QString::fromLatin1(text)); })), message) << text;
}

TEST(ParseHhmmTime, MinutesConvertFirstThenHours) {
    EXPECT_EQ(ParseHhmmTime("0905"), QTime(9, 5));
    EXPECT_EQ(ParseHhmmTime("2359"), QTime(23, 59));
    const std::pair<const char*, const char*> failures[] = {
        {"2400", "Invalid argument to time encode"},   {"1260", "Invalid argument to time encode"},
        {"9:05", "'9:' is not a valid integer value"}, {"09", "'' is not a valid integer value"},
        {"ab:x", "':x' is not a valid integer value"},
    };
    for (auto [text, message] : failures)
        EXPECT_EQ(show(raisedMessage([&] { ParseHhmmTime(QString::fromLatin1(text)); })), message) << text;
}

TEST(TextForms, DatesTimesHexAndTrim) {
    EXPECT_EQ(DateText(QDate(2024, 3, 5)), "20240305");
    EXPECT_EQ(TimeText(QTime(9, 7, 45)), "0907");
    EXPECT_EQ(HexText(0xA1, 2), "A1");
    EXPECT_EQ(HexText(1, 2), "01");
    EXPECT_EQ(HexText(0xABCD, 8), "0000ABCD");
    EXPECT_EQ(HexText(0xFFFFFFFFu, 8), "FFFFFFFF");
    EXPECT_EQ(TrimRight("EUR  \t\r\n"), "EUR");
    EXPECT_EQ(TrimRight("  lead"), "  lead");
    EXPECT_EQ(TrimRight("\xA0"), "\xA0") << "bytes above 0x20 stay";
    EXPECT_EQ(TrimRight("   "), "");
}

TEST(TextCodec, Windows1257BothWays) {
    EXPECT_EQ(ToDevice(QStringLiteral("Ābols")), QByteArray("\xC2"
                                                            "bols"));
    EXPECT_EQ(FromDevice(QByteArray("\xC2"
                                    "bols")),
              QStringLiteral("Ābols"));
    EXPECT_EQ(ToDevice(QString()), QByteArray());
}

TEST(TextCodec, RefusesEveryCharacterTheCodePageCannotHold) {
    // UTF-16 code units as given, lone surrogates included.
    auto units = [](std::initializer_list<char16_t> u) {
        return QString(reinterpret_cast<const QChar*>(u.begin()), static_cast<qsizetype>(u.size()));
    };
    const QString refused[] = {
        QStringLiteral("Zoë 日本"),
        units({u'A', 0xD800, u'B'}),
        units({u'A', 0xDC00, u'B'}),
        units({u'A', 0xDC00, 0xD800}),
        units({u'A', u'B', 0xD800}),
        units({0xDC00}),
        QStringLiteral("smile \U0001F600"),
        QStringLiteral("replacement \uFFFD"),
        QStringLiteral("noncharacter \uFFFF"),
    };
    for (const QString& text : refused) {
        // Compared as QStrings: a lone surrogate would not survive a conversion to UTF-8.
        const QString message = raisedMessage([&] { ToDevice(text); });
        EXPECT_TRUE(message ==
                    "'" + text + "' contains a character that the device code page cannot represent")
            << "case " << &text - refused << ": " << show(message);
    }
}
