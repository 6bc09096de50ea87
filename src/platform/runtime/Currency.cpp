#include "platform/runtime/Currency.h"

#include <QLocale>
#include <cmath>
#include <limits>

#include "platform/runtime/Error.h"

namespace rt {

namespace {

// Integer division of n by d (d != 0) rounding halves to even; Overflow
// when the quotient does not fit 64 bits.
int64_t divRoundHalfEven(__int128 n, __int128 d) {
  if (d < 0) n = -n, d = -d;
  __int128 q = n / d;
  __int128 r = n % d;
  if (r < 0) r = -r;
  __int128 twice = 2 * r;
  if (twice > d || (twice == d && (q % 2 != 0))) q += (n < 0) ? -1 : 1;
  if (q > std::numeric_limits<int64_t>::max() || q < std::numeric_limits<int64_t>::min())
    raise(err::Overflow);
  return static_cast<int64_t>(q);
}

// Only ASCII digits: other scripts' digits are not read as their values.
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

Currency Currency::fromInt(int64_t units) {
  __int128 v = static_cast<__int128>(units) * kScale;
  if (v > std::numeric_limits<int64_t>::max() || v < std::numeric_limits<int64_t>::min())
    raise(err::Overflow);
  return fromRaw(static_cast<int64_t>(v));
}

Currency Currency::fromDouble(double value) {
  if (!std::isfinite(value)) raise(err::Overflow);
  double scaled = value * kScale;
  if (std::fabs(scaled) >= 9.2e18) raise(err::Overflow);
  // The shortest decimal text that reads back as the double is the value
  // the operator typed; round that, so that 0.00015 is the half it reads
  // as and not the binary 0.000149999...
  auto exact = parse(QString::number(value, 'g', QLocale::FloatingPointShortest));
  if (exact) return *exact;
  return fromRaw(static_cast<int64_t>(std::nearbyint(scaled)));
}

std::optional<Currency> Currency::parse(QStringView input) {
  const QStringView text = input.trimmed();
  int i = 0;
  const int n = text.size();
  bool negative = false;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) {
    negative = text[i] == u'-';
    ++i;
  }
  __int128 mantissa = 0;
  int fractionDigits = 0;
  bool anyDigit = false;
  bool inFraction = false;
  int extraDigits = 0;  // integer digits beyond what fits: scale by ten later
  for (; i < n; ++i) {
    QChar c = text[i];
    if (IsDigit(c)) {
      anyDigit = true;
      if (mantissa > (__int128(1) << 100)) {
        if (!inFraction) ++extraDigits;
        continue;
      }
      mantissa = mantissa * 10 + (c.unicode() - u'0');
      if (inFraction) ++fractionDigits;
    } else if ((c == u'.' || c == u',') && !inFraction) {
      inFraction = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  int exponent = 0;
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    int j = i + 1;
    bool expNeg = false;
    if (j < n && (text[j] == u'-' || text[j] == u'+')) {
      expNeg = text[j] == u'-';
      ++j;
    }
    if (j >= n || !IsDigit(text[j])) return std::nullopt;
    int e = 0;
    for (; j < n && IsDigit(text[j]); ++j) e = std::min(e * 10 + (text[j].unicode() - u'0'), 1000);
    exponent = expNeg ? -e : e;
    i = j;
  }
  if (i != n) return std::nullopt;
  // Zero is zero whatever its exponent ("0e180").
  if (mantissa == 0) return fromRaw(0);
  int shift = 4 - fractionDigits + exponent + extraDigits;  // power of ten to apply
  if (shift > 30) return std::nullopt;
  if (shift >= 0) {
    const __int128 limit = negative ? -__int128(std::numeric_limits<int64_t>::min())
                                    : __int128(std::numeric_limits<int64_t>::max());
    for (int k = 0; k < shift && mantissa <= limit; ++k) mantissa *= 10;
    if (mantissa > limit) return std::nullopt;
    if (negative) return fromRaw(static_cast<int64_t>(-mantissa));
    return fromRaw(static_cast<int64_t>(mantissa));
  }
  if (-shift > 36) return fromRaw(0);
  __int128 divisor = 1;
  for (int k = 0; k < -shift; ++k) divisor *= 10;
  try {
    int64_t raw = divRoundHalfEven(negative ? -mantissa : mantissa, divisor);
    return fromRaw(raw);
  } catch (const Error&) {
    return std::nullopt;
  }
}

Currency Currency::rounded(int places) const {
  if (places >= 4) return *this;
  if (places < 0) places = 0;
  int64_t unit = 1;
  for (int k = places; k < 4; ++k) unit *= 10;
  return fromRaw(divRoundHalfEven(raw_, unit) * unit);
}

QString Currency::toText(QChar decimalSeparator) const {
  const bool negative = raw_ < 0;
  // The magnitude of any 64-bit amount, the lowest too, fits 64 unsigned bits.
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(raw_) : static_cast<uint64_t>(raw_);
  uint64_t whole = magnitude / kScale;
  uint64_t frac = magnitude % kScale;
  // Written backwards into a buffer: the fraction without trailing zeros,
  // the separator, the whole digits, the sign.
  char16_t text[32];
  int at = 32;
  if (frac != 0) {
    int places = 4;
    while (frac % 10 == 0) {
      frac /= 10;
      --places;
    }
    for (int k = 0; k < places; ++k, frac /= 10) text[--at] = char16_t(u'0' + frac % 10);
    text[--at] = decimalSeparator.unicode();
  }
  do {
    text[--at] = char16_t(u'0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  if (negative) text[--at] = u'-';
  return QString(reinterpret_cast<const QChar*>(text + at), 32 - at);
}

QString Currency::toSqlText() const { return toText(u'.'); }

Currency Currency::operator+(Currency o) const {
  int64_t r;
  if (__builtin_add_overflow(raw_, o.raw_, &r)) raise(err::Overflow);
  return fromRaw(r);
}

Currency Currency::operator-(Currency o) const {
  int64_t r;
  if (__builtin_sub_overflow(raw_, o.raw_, &r)) raise(err::Overflow);
  return fromRaw(r);
}

Currency Currency::operator*(Currency o) const {
  return fromRaw(divRoundHalfEven(static_cast<__int128>(raw_) * o.raw_, kScale));
}

Currency Currency::operator/(Currency o) const {
  if (o.raw_ == 0) raise(err::DivisionByZero);
  return fromRaw(divRoundHalfEven(static_cast<__int128>(raw_) * kScale, o.raw_));
}

Currency Currency::scaled(Currency by, Currency over) const {
  if (over.raw_ == 0) raise(err::DivisionByZero);
  return fromRaw(divRoundHalfEven(static_cast<__int128>(raw_) * by.raw_, over.raw_));
}

}  // namespace rt
