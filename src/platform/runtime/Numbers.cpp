#include "platform/runtime/Numbers.h"

#include <cmath>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <type_traits>

#include "platform/runtime/Error.h"
#include "platform/runtime/Regional.h"

namespace rt {

double Val(const QString& text) {
  // Blanks, tabs and line feeds are skipped wherever they stand.
  QString s;
  s.reserve(text.size());
  for (QChar c : text)
    if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s += c;
  if (s.startsWith(u'&') && s.size() > 1) {
    int base = 0;
    qsizetype i = 1;
    QChar k = s[1].toUpper();
    if (k == u'H') base = 16, i = 2;
    else if (k == u'O') base = 8, i = 2;
    else base = 8;
    qsizetype j = i;
    while (j < s.size() && QStringLiteral("0123456789ABCDEF").left(base).contains(s[j].toUpper())) ++j;
    bool ok = false;
    long long v = s.mid(i, j - i).toLongLong(&ok, base);
    return ok ? static_cast<double>(v) : 0.0;
  }
  qsizetype i = 0;
  const qsizetype n = s.size();
  std::string num;
  if (i < n && (s[i] == u'-' || s[i] == u'+')) num += static_cast<char>(s[i++].unicode());
  bool digits = false;
  while (i < n && s[i].isDigit() && s[i].unicode() < 128) num += static_cast<char>(s[i++].unicode()), digits = true;
  if (i < n && s[i] == u'.') {
    num += '.';
    ++i;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) num += static_cast<char>(s[i++].unicode()), digits = true;
  }
  if (!digits) return 0.0;
  if (i < n && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
    std::string e = "e";
    qsizetype j = i + 1;
    if (j < n && (s[j] == u'-' || s[j] == u'+')) e += static_cast<char>(s[j++].unicode());
    bool expDigits = false;
    while (j < n && s[j].isDigit() && s[j].unicode() < 128) e += static_cast<char>(s[j++].unicode()), expDigits = true;
    if (expDigits) num += e;
  }
  const double value = std::strtod(num.c_str(), nullptr);
  if (!std::isfinite(value)) raise(err::Overflow);
  return value;
}

namespace {

// A whole number text with ',' or '.' as its decimal point (the last one
// when both appear, the others grouping digits; one of them written more
// than once groups digits by threes), rewritten with '.' only;
// nullopt when it is not a number.
std::optional<std::string> plainNumber(const QString& input) {
  const QString text = input.trimmed();
  if (text.isEmpty()) return std::nullopt;
  qsizetype lastDot = text.lastIndexOf(u'.');
  qsizetype lastComma = text.lastIndexOf(u',');
  qsizetype decimalAt = std::max(lastDot, lastComma);
  // One separator written more than once only groups: "1.234.567".
  if (decimalAt >= 0 && (lastDot < 0 || lastComma < 0)) {
    const QChar separator = text[decimalAt];
    const qsizetype first = text.indexOf(separator);
    if (first != decimalAt) {
      if (first == 0 || !text[first - 1].isDigit()) return std::nullopt;
      for (qsizetype at = first; at >= 0; at = text.indexOf(separator, at + 1)) {
        const qsizetype next = text.indexOf(separator, at + 1);
        if ((next < 0 ? text.size() : next) - at != 4) return std::nullopt;
      }
      decimalAt = -1;
    }
  }
  std::string num;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text[i];
    if (c == u'.' || c == u',') {
      if (i == decimalAt) num += '.';
      else if (decimalAt < 0 || (i < decimalAt && text[decimalAt] != c)) continue;  // grouping
      else return std::nullopt;
    } else if (c.unicode() < 128 && (c.isDigit() || c == u'-' || c == u'+' || c == u'e' || c == u'E')) {
      num += static_cast<char>(c.unicode());
    } else {
      return std::nullopt;
    }
  }
  return num;
}

}  // namespace

std::optional<double> ParseNumber(const QString& input) {
  const auto num = plainNumber(input);
  if (!num) return std::nullopt;
  char* end = nullptr;
  double v = std::strtod(num->c_str(), &end);
  if (end == num->c_str() || *end != '\0') return std::nullopt;
  return v;
}

std::optional<Currency> ParseCurrency(const QString& text) {
  if (auto exact = Currency::parse(text)) return exact;
  const auto num = plainNumber(text);
  if (!num) return std::nullopt;
  return Currency::parse(QString::fromLatin1(num->data(), static_cast<qsizetype>(num->size())));
}

namespace {

// |value| as the operator sees it: its 15 significant decimal digits and how
// many of them stand before the decimal point (none or fewer than none for
// values below 1, more than 15 for large ones).
struct SignificantDigits {
  char digit[15];
  int pointAt;
  // The digit of place value 10^(pointAt - 1 - index), '0' outside the 15.
  char at(int index) const { return index >= 0 && index < 15 ? digit[index] : '0'; }
};

SignificantDigits significantDigits(double value) {
  char buf[32];
  const char* end = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14).ptr;
  // "d.dddddddddddddde+XX"
  SignificantDigits d;
  d.digit[0] = buf[0];
  std::copy(buf + 2, buf + 16, d.digit + 1);
  int exponent = 0;
  std::from_chars(buf + 17 + (buf[17] == '+'), end, exponent);
  d.pointAt = exponent + 1;
  return d;
}

// How the digits of `value` beyond `digits` decimals compare with a half
// (-1 below, 0 exactly, 1 above), on its decimal digits rather than on its
// binary noise.
int comparedWithHalf(double value, int digits) {
  const SignificantDigits d = significantDigits(value);
  const int dropped = d.pointAt + digits;  // index of the first digit dropped
  if (dropped < 0 || dropped >= 15) return -1;
  if (d.digit[dropped] != '5') return d.digit[dropped] > '5' ? 1 : -1;
  for (int i = dropped + 1; i < 15; ++i)
    if (d.digit[i] != '0') return 1;
  return 0;
}

// |value| as plain decimal text ("1234.50") rounded once to `places`
// decimals, halves away from zero, on its decimal digits.
QString roundedText(double value, int places) {
  const SignificantDigits d = significantDigits(value);
  const int whole = std::max(d.pointAt, 0);
  const int first = d.pointAt - whole;  // digit index of the first whole place
  std::string kept(static_cast<size_t>(whole + places), '0');
  for (int q = 0; q < whole + places; ++q) kept[static_cast<size_t>(q)] = d.at(first + q);
  bool carry = d.at(first + whole + places) >= '5';
  for (int q = whole + places - 1; carry && q >= 0; --q) {
    char& c = kept[static_cast<size_t>(q)];
    carry = c == '9';
    c = carry ? '0' : static_cast<char>(c + 1);
  }
  QString text;
  text.reserve(whole + places + 3);
  if (carry) text += u'1';
  for (int q = 0; q < whole; ++q) text += QLatin1Char(kept[static_cast<size_t>(q)]);
  if (places > 0) {
    text += u'.';
    for (int q = whole; q < whole + places; ++q) text += QLatin1Char(kept[static_cast<size_t>(q)]);
  }
  return text;
}

}  // namespace

double RoundHalfEven(double value, int digits) {
  if (!std::isfinite(value)) return value;
  double scale = std::pow(10.0, digits);
  double x = value * scale;
  double r = std::nearbyint(x);
  // Near a half, the decimal digits decide; only an exact half goes to the
  // even neighbour. From 1e14 on a double holds no noise below the half.
  double diff = std::fabs(x - std::trunc(x));
  if (std::fabs(x) < 1e14 && std::fabs(diff - 0.5) < 1e-9 * std::max(1.0, std::fabs(x))) {
    double down = std::trunc(x);
    double up = down + (x < 0 ? -1 : 1);
    const int half = comparedWithHalf(value, digits);
    r = half < 0 ? down : half > 0 ? up : (std::fmod(down, 2.0) == 0 ? down : up);
  }
  return r / scale;
}

int32_t CLng(double value) {
  double r = RoundHalfEven(value);
  if (!std::isfinite(r) || r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
    raise(err::Overflow);
  return static_cast<int32_t>(r);
}

int16_t CInt(double value) {
  double r = RoundHalfEven(value);
  if (!std::isfinite(r) || r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
    raise(err::Overflow);
  return static_cast<int16_t>(r);
}

namespace {

// The C library's "%.15G" of a double, "%.7G" of a single: a float is
// written from its own shortest digits, not from its double widening.
template <class Number>
QString generalText(Number value) {
  if (value == 0) return QStringLiteral("0");
  constexpr int kDigits = std::is_same_v<Number, float> ? 7 : 15;
  char buf[64];
  const char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, kDigits).ptr;
  for (char* c = buf; c != end; ++c) *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
  QString s = QString::fromLatin1(buf, end - buf);
  // "1.5E+020" style of some C libraries aside, the runtime writes "1,5E+20".
  qsizetype e = s.indexOf(u'E');
  if (e >= 0) {
    QString mant = s.left(e), exp = s.mid(e + 1);
    QChar sign = exp[0];
    exp = exp.mid(1);
    while (exp.size() > 2 && exp.startsWith(u'0')) exp.remove(0, 1);
    s = mant + u'E' + sign + exp;
  }
  return s;
}

}  // namespace

QString NumberText(double value) {
  QString s = generalText(value);
  return s.replace(u'.', regional().decimalSeparator);
}

QString SingleText(float value) {
  QString s = generalText(value);
  return s.replace(u'.', regional().decimalSeparator);
}

QString SqlNumber(double value) {
  // An infinity or NaN would reach SQL as "INF" or "NAN".
  if (!std::isfinite(value)) raise(err::Overflow);
  return generalText(value);
}

namespace {

// A mask's parts; prefix and suffix point into the mask.
struct Mask {
  QStringView prefix, suffix;
  int intZeros = 0;       // '0' placeholders before the decimal point
  bool grouping = false;
  bool hasPoint = false;
  int fracZeros = 0;      // '0' placeholders after the point
  int fracHashes = 0;     // '#' placeholders after the point
};

Mask parseMask(const QString& m) {
  Mask k;
  const qsizetype semicolon = m.indexOf(u';');
  const QStringView section = QStringView(m).left(semicolon < 0 ? m.size() : semicolon);
  qsizetype first = -1, last = -1;
  for (qsizetype i = 0; i < section.size(); ++i)
    if (section[i] == u'0' || section[i] == u'#' || section[i] == u'.') {
      if (first < 0) first = i;
      last = i;
    }
  if (first < 0) {
    k.prefix = section;
    return k;
  }
  k.prefix = section.left(first);
  k.suffix = section.mid(last + 1);
  bool afterPoint = false;
  for (qsizetype i = first; i <= last; ++i) {
    QChar c = section[i];
    if (c == u'.') {
      if (!afterPoint) afterPoint = k.hasPoint = true;
    } else if (c == u',') {
      if (!afterPoint) k.grouping = true;
    } else if (c == u'0') {
      afterPoint ? ++k.fracZeros : ++k.intZeros;
    } else if (c == u'#') {
      if (afterPoint) ++k.fracHashes;
    }
  }
  return k;
}

// `plain`: the digits of |value| already rounded to the mask's places, with
// "." before the fraction.
QString render(bool negative, QStringView plain, const Mask& k) {
  const qsizetype dot = plain.indexOf(u'.');
  QStringView whole = dot < 0 ? plain : plain.left(dot);
  const QStringView written = dot < 0 ? QStringView() : plain.mid(dot + 1);
  // The fraction cut or padded to the places, less the trailing zeros of
  // optional '#' places.
  const int places = k.fracZeros + k.fracHashes;
  const auto fracDigit = [&](qsizetype i) { return i < written.size() ? written[i] : QChar(u'0'); };
  qsizetype fracSize = places;
  while (fracSize > k.fracZeros && fracDigit(fracSize - 1) == u'0') --fracSize;
  while (whole.startsWith(u'0')) whole = whole.mid(1);
  const qsizetype padding = std::max<qsizetype>(k.intZeros - whole.size(), 0);
  const qsizetype digits = padding + whole.size();
  bool allZero = whole.isEmpty();
  for (qsizetype i = 0; i < fracSize; ++i) allZero = allZero && fracDigit(i) == u'0';

  QString out;
  out.reserve(1 + k.prefix.size() + digits * 2 + 1 + fracSize + k.suffix.size());
  if (negative && !allZero) out += u'-';
  out += k.prefix;
  for (qsizetype i = 0; i < digits; ++i) {
    out += i < padding ? QChar(u'0') : whole[i - padding];
    const qsizetype left = digits - 1 - i;  // digits still to come
    if (k.grouping && digits > 3 && left > 0 && left % 3 == 0) out += regional().groupSeparator;
  }
  if (k.hasPoint) {
    out += regional().decimalSeparator;
    for (qsizetype i = 0; i < fracSize; ++i) out += fracDigit(i);
  }
  out += k.suffix;
  return out;
}

}  // namespace

QString FormatNumber(double value, const QString& mask) {
  if (!std::isfinite(value)) raise(err::Overflow);
  Mask k = parseMask(mask);
  const int places = k.hasPoint ? k.fracZeros + k.fracHashes : 0;
  // A whole number is its own decimal text.
  if (places <= 4 && std::fabs(value) < 1e14 && value == std::trunc(value))
    return FormatNumber(Currency::fromRaw(static_cast<int64_t>(value) * Currency::kScale), mask);
  return render(value < 0, roundedText(value, places), k);
}

QString FormatNumber(Currency value, const QString& mask) {
  Mask k = parseMask(mask);
  const int places = k.hasPoint ? std::min(k.fracZeros + k.fracHashes, 4) : 0;
  int64_t raw = value.raw() < 0 ? -value.raw() : value.raw();
  int64_t unit = 1;
  for (int i = places; i < 4; ++i) unit *= 10;
  int64_t q = raw / unit, r = raw % unit;
  if (r * 2 >= unit) ++q;
  return render(value.raw() < 0, Currency::fromRaw(q * unit).toSqlText(), k);
}

}  // namespace rt
