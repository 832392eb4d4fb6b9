#pragma once

// Conversions between what the user types, the device library's argument forms and the module's
// answer texts (cut into fields by device/AnswerFields.h). Answer texts are raw bytes (8-bit Windows-1257) so
// that attribute and status bytes keep their values; what the user typed is a QString.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

namespace framework {

// 0..15 for a hexadecimal digit of either case; 0 for every other character.
int HexDigitValue(char c);
int HexDigitValue(QChar c);

// Every character shifts in one hexadecimal digit (non-digits count as 0), in wrapping 32-bit
// arithmetic, so only the last eight digits matter. Never fails.
int32_t ParseHex(const QString& text);

// Cuts the text before the first delimiter off the source (dropping the delimiter too); without a
// delimiter the whole source is the token and the source becomes empty.
QByteArray TakeToken(QByteArray& source, char delimiter);

// Integer conversion: leading blanks; an optional sign and decimal digits within 32 bits, or a
// "$", "x", "X", "0x", "0X" prefix and up to 32 bits of hexadecimal digits; nothing after.
// Raises "'%s' is not a valid integer value".
int32_t StrToInt(const QString& text);
// The same, giving the default instead of raising.
int32_t StrToIntDef(const QString& text, int32_t defaultValue);
bool TryStrToInt(const QString& text, int32_t& value);

// Decimal conversion with the full stop as separator, blanks around allowed, optional exponent.
// Raises "'%s' is not a valid floating point value".
double StrToFloat(const QString& text);

// The empty text gives 0.0; anything else goes through StrToFloat.
double ParseAmount(const QString& text);

// "yyyymmdd" by character positions (day first, then month, then year converted). Raises the
// integer conversion error of the first bad piece, or "Invalid argument to date encode".
QDate ParseYmdDate(const QString& text);
// The message of a date that does not convert.
QString DateEncodeMessage();
// "hhmm": minutes converted first, then hours. Raises the integer conversion error or
// "Invalid argument to time encode".
QTime ParseHhmmTime(const QString& text);

QByteArray DateText(const QDate& date); // "yyyymmdd"
QByteArray TimeText(const QTime& time); // "hhmm", seconds dropped
// Upper-case hexadecimal with at least `width` digits, no prefix.
QString HexText(uint32_t value, int width);

// Removes every trailing byte of value 0x20 or below.
QByteArray TrimRight(const QByteArray& text);

} // namespace framework
