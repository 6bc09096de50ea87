#pragma once
// Reading, rounding and rendering numbers. Three audiences, three rules:
// SQL text always carries '.', the operator sees the regional settings, and
// every reader of a number written by the program accepts ',' and '.'.
#include <QString>
#include <cstdint>
#include <optional>

#include "platform/runtime/Currency.h"

namespace rt {

// The leading number of a text: blanks skipped, '.' as decimal point, an
// optional exponent, &H/&O prefixes; 0 when the text does not start with one.
// A number beyond a double raises Overflow (6).
double Val(const QString& text);

// A whole text read as a number, accepting ',' or '.' as the decimal point
// (when both appear the last one is, the others group digits; one written
// more than once groups digits by threes); nullopt when the text is not a
// number.
std::optional<double> ParseNumber(const QString& text);
// The same reading, exact to the ten-thousandth (rounded to four places,
// halves to even); nullopt when the text is not a number or does not fit.
std::optional<Currency> ParseCurrency(const QString& text);

// Rounding of the runtime: halves go to the even neighbour.
double RoundHalfEven(double value, int digits = 0);
// CLng and CInt: rounded halves to even; Overflow (6) out of range.
int32_t CLng(double value);
int16_t CInt(double value);

// A number as the runtime writes it for people: up to 15 significant digits,
// the regional decimal separator, no grouping ("1234,5", "1E+20").
QString NumberText(double value);
// A single-precision number the same way with its 7 significant digits
// (1.5 gives "1,5", 1/3 "0,3333333", 1e7 "1E+07").
QString SingleText(float value);
// A number inside SQL text: '.' and no grouping ("1234.5"); an infinity or
// NaN raises Overflow (6).
QString SqlNumber(double value);

// Format with a numeric mask: '0' digit, '#' optional digit, '.' decimal
// placeholder and ',' grouping (both rendered with the regional separators),
// other characters copied. Halves round away from zero, as the runtime does.
QString FormatNumber(double value, const QString& mask);
QString FormatNumber(Currency value, const QString& mask);

}  // namespace rt
