// ParseYmdDate and ParseHhmmTime: a valid date or time that DateText/TimeText write back the same,
// or one of the documented messages. Input: any text (see textFrom).
#include "FuzzCheck.h"
#include "framework/Codecs.h"

namespace {

bool namesPiece(const QString& message, const QString& piece) {
    return message == "'" + piece + "' is not a valid integer value";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzz::textFrom(data, size);

    QDate date;
    if (fuzz::returnsOrRaises([&] { date = framework::ParseYmdDate(text); },
                              [&](const QString& m) {
                                  return m == "Invalid argument to date encode" ||
                                         namesPiece(m, text.mid(6, 2)) || namesPiece(m, text.mid(4, 2)) ||
                                         namesPiece(m, text.mid(0, 4));
                              },
                              text)) {
        FUZZ_CHECK(date.isValid() && date.year() >= 1 && date.year() <= 9999, text);
        FUZZ_CHECK(framework::ParseYmdDate(QString::fromLatin1(framework::DateText(date))) == date, text);
    }

    QTime time;
    if (fuzz::returnsOrRaises([&] { time = framework::ParseHhmmTime(text); },
                              [&](const QString& m) {
                                  return m == "Invalid argument to time encode" ||
                                         namesPiece(m, text.mid(2, 2)) || namesPiece(m, text.mid(0, 2));
                              },
                              text)) {
        FUZZ_CHECK(time.isValid() && time.second() == 0 && time.msec() == 0, text);
        FUZZ_CHECK(framework::ParseHhmmTime(QString::fromLatin1(framework::TimeText(time))) == time, text);
    }
    return 0;
}
