#include "platform/ado/sqlite/SqlServerConversions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ado::sqlite {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A decimal number as its significant digits: 0.d1d2d3... times ten to
// `point` (12.5 is "125" with point 2, 0.0015 is "15" with point -2).
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading or trailing zeros; empty for zero
  int point = 0;
};

// Exponents beyond this leave no digit within any type's range or scale.
constexpr int kFarthestExponent = 4000;

// Blanks around, an optional sign, digits with an optional point (at least
// one digit) and, with `exponent`, an optional exponent.
std::optional<Decimal> readDecimal(QStringView text, bool exponent) {
  qsizetype i = 0, n = text.size();
  while (i < n && text[i] == u' ') ++i;
  while (n > i && text[n - 1] == u' ') --n;
  Decimal d;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) d.negative = text[i++] == u'-';
  bool anyDigit = false, fraction = false;
  for (; i < n; ++i) {
    const QChar c = text[i];
    if (isDigit(c)) {
      anyDigit = true;
      if (c == u'0' && d.digits.empty()) {  // a leading zero, or one right after the point
        if (fraction) --d.point;
        continue;
      }
      d.digits += static_cast<char>(c.unicode());
      if (!fraction) ++d.point;
    } else if (c == u'.' && !fraction) {
      fraction = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  if (i < n && exponent && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) negativeExponent = text[i++] == u'-';
    if (i == n) return std::nullopt;
    int e = 0;
    for (; i < n && isDigit(text[i]); ++i) e = std::min(e * 10 + (text[i].unicode() - u'0'), kFarthestExponent);
    d.point += negativeExponent ? -e : e;
  }
  if (i != n) return std::nullopt;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d = Decimal{};
  return d;
}

// Rounded half away from zero to `scale` places.
Decimal rounded(Decimal d, int scale) {
  const long keep = static_cast<long>(d.point) + scale;
  if (keep >= static_cast<long>(d.digits.size())) return d;
  if (keep < 0) return Decimal{};
  const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
  d.digits.resize(static_cast<size_t>(keep));
  if (up) {
    size_t k = d.digits.size();
    while (k > 0 && d.digits[k - 1] == '9') d.digits[--k] = '0';
    if (k == 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    } else {
      ++d.digits[k - 1];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) return Decimal{};
  return d;
}

StoredNumber stored(const Decimal& d) {
  if (d.digits.empty()) return int64_t{0};
  if (d.point >= static_cast<int>(d.digits.size()) && d.point <= 18) {
    int64_t whole = 0;
    for (int k = 0; k < d.point; ++k)
      whole = whole * 10 + (k < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(k)] - '0' : 0);
    return d.negative ? -whole : whole;
  }
  // 0.d1d2d3...e(point), which from_chars reads to the nearest double;
  // beyond a double's range, an infinity the column's checks refuse.
  std::string text = d.negative ? "-0." : "0.";
  text += d.digits + "e" + std::to_string(d.point);
  double value = 0;
  const auto [at, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range && d.point > 0)
    return d.negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  return value;
}

// The shortest decimal text that reads back as `value`.
QString shortestText(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, error == std::errc() ? end - buffer : 0);
}

struct Range {
  int64_t low, high;
};

Range rangeOf(WholeType type) {
  switch (type) {
    case WholeType::Int: return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    case WholeType::SmallInt: return {std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()};
    case WholeType::TinyInt: return {0, 255};
    case WholeType::BigInt: case WholeType::Bit: break;
  }
  return {std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()};
}

[[noreturn]] void refuseOverflow(WholeType type, const QString& value) {
  if (type == WholeType::SmallInt || type == WholeType::TinyInt)
    throw ConversionRefused{Condition::SmallWholeOverflow, {NameOf(type), value}};
  throw ConversionRefused{Condition::WholeOverflow, {NameOf(type)}};
}

// A whole value given as its sign and the first `length` digits of its
// magnitude (zeros beyond the digits held).
int64_t fromDigits(bool negative, const std::string& digits, int length, WholeType type) {
  __int128 magnitude = 0;
  for (int k = 0; k < length && k <= 19; ++k)
    magnitude = magnitude * 10 + (k < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(k)] - '0' : 0);
  const __int128 value = negative ? -magnitude : magnitude;
  const Range range = rangeOf(type);
  if (length > 19 || value < range.low || value > range.high) {
    QString written = QString::fromLatin1(digits.data(), std::min<qsizetype>(static_cast<qsizetype>(digits.size()), length));
    written += QString(std::max<qsizetype>(0, length - written.size()), u'0');
    refuseOverflow(type, negative ? u'-' + written : written);
  }
  return static_cast<int64_t>(value);
}

// A number truncated toward zero; for a bit, 1 for any number but 0.
int64_t truncated(const Decimal& d, WholeType type) {
  if (type == WholeType::Bit) return d.digits.empty() ? 0 : 1;
  if (d.point <= 0 || d.digits.empty()) return 0;
  return fromDigits(d.negative, d.digits, d.point, type);
}

}  // namespace

QString NameOf(WholeType type) {
  switch (type) {
    case WholeType::Int: return QStringLiteral("int");
    case WholeType::SmallInt: return QStringLiteral("smallint");
    case WholeType::TinyInt: return QStringLiteral("tinyint");
    case WholeType::BigInt: return QStringLiteral("bigint");
    case WholeType::Bit: return QStringLiteral("bit");
  }
  return {};
}

std::optional<WholeType> WholeTypeNamed(QAnyStringView name) {
  for (WholeType t : {WholeType::Int, WholeType::SmallInt, WholeType::TinyInt, WholeType::BigInt, WholeType::Bit})
    if (QAnyStringView::compare(name, NameOf(t), Qt::CaseInsensitive) == 0) return t;
  return std::nullopt;
}

int64_t WholeFromText(QStringView text, WholeType type) {
  const QStringView trimmed = text.trimmed();
  if (type == WholeType::Bit) {
    if (trimmed.compare(u"TRUE", Qt::CaseInsensitive) == 0) return 1;
    if (trimmed.compare(u"FALSE", Qt::CaseInsensitive) == 0) return 0;
  }
  bool blanks = true;
  for (QChar c : text) blanks = blanks && c == u' ';
  if (blanks) return 0;
  const std::optional<Decimal> d = readDecimal(text, false);
  if (!d || text.contains(u'.')) throw ConversionRefused{Condition::WholeConversion, {text.toString(), NameOf(type)}};
  return truncated(*d, type);
}

int64_t WholeFromInteger(int64_t value, WholeType type) {
  if (type == WholeType::Bit) return value != 0 ? 1 : 0;
  const Range range = rangeOf(type);
  if (value < range.low || value > range.high) refuseOverflow(type, QString::number(value));
  return value;
}

int64_t WholeFromReal(double value, WholeType type) {
  if (type == WholeType::Bit) return value != 0 ? 1 : 0;
  const double whole = std::trunc(value);
  const Range range = rangeOf(type);
  // 2^63 itself is the first double beyond a 64-bit integer.
  if (!(whole >= static_cast<double>(range.low) && whole < static_cast<double>(range.high) + 1.0))
    refuseOverflow(type, QString::number(whole, 'f', 0));
  return static_cast<int64_t>(whole);
}

int64_t WholeFromNumber(QStringView number, WholeType type) {
  const std::optional<Decimal> d = readDecimal(number, true);
  if (!d) throw ConversionRefused{Condition::WholeConversion, {number.toString(), NameOf(type)}};
  return truncated(*d, type);
}

std::optional<StoredNumber> RoundedNumber(QStringView text, bool exponent, int scale) {
  const std::optional<Decimal> d = readDecimal(text, exponent);
  if (!d || d->point > kFarthestExponent / 2) return std::nullopt;
  return stored(rounded(*d, scale));
}

StoredNumber RoundedNumber(double value, int scale) {
  if (!std::isfinite(value)) return value;
  if (const std::optional<StoredNumber> r = RoundedNumber(shortestText(value), true, scale)) return *r;
  return value;
}

StoredNumber NumericFromText(QStringView text) {
  const std::optional<Decimal> d = readDecimal(text, false);
  if (!d) throw ConversionRefused{Condition::NumericConversion, {}};
  return stored(*d);
}

}  // namespace ado::sqlite
