#include "platform/ado/dbf/NumberField.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace ado::dbf {

namespace {

constexpr int kExactDigits = 19;  // every 19-digit number fits in 64 bits

bool isPad(char c) { return c == ' ' || c == '\0'; }

struct Decimal {
  bool negative = false;
  uint64_t digits = 0;  // the digits without the point
  int places = 0;       // how many of them follow the point
  bool exact = true;    // false with an exponent or too many significant digits
};

// Adds the digits from `p` on to `value`; returns where they end.
const char* readDigits(const char* p, const char* end, uint64_t& value) {
  for (unsigned digit; p < end && (digit = unsigned(uint8_t(*p)) - '0') <= 9; ++p) value = value * 10 + digit;
  return p;
}

// Digits from the first that is not 0 (the point skipped).
long significantDigits(const char* p, const char* end) {
  while (p < end && (*p == '0' || *p == '.')) ++p;
  long n = 0;
  for (; p < end; ++p) n += *p != '.';
  return n;
}

// [sign] digits [. digits] [exponent], at least one digit; the exponent is
// checked by the Double reading that it forces.
bool parseDecimal(const char* p, const char* end, Decimal& d) {
  if (*p == '-' || *p == '+') d.negative = *p++ == '-';
  const char* first = p;
  p = readDigits(p, end, d.digits);
  long count = p - first;
  if (p < end && *p == '.') {
    const char* fraction = ++p;
    p = readDigits(p, end, d.digits);
    d.places = int(p - fraction);
    count += d.places;
  }
  if (count == 0) return false;
  if (p < end) {
    if (*p != 'e' && *p != 'E') return false;
    d.exact = false;
    return true;
  }
  if (count > kExactDigits) d.exact = significantDigits(first, end) <= kExactDigits;
  return true;
}

bool readDouble(const char* first, const char* last, double& value) {
  if (*first == '+') ++first;
  auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last;
}

}  // namespace

NumberValue readNumber(const char* at, int length, char type, int decimals) {
  using Type = NumberValue::Type;
  constexpr NumberValue kNotANumber{Type::NotANumber, {}};
  const char* first = at;
  const char* last = at + length;
  while (first < last && isPad(*first)) ++first;
  while (last > first && isPad(last[-1])) --last;
  if (first == last) return NumberValue{};
  Decimal d;
  if (!parseDecimal(first, last, d)) return kNotANumber;
  if (type == 'N' && d.exact) {
    // Trailing zeros of the fraction matter only to tell a whole number or
    // to bring the places down to four.
    if (decimals == 0 || d.places > 4)
      while (d.places > 0 && d.digits % 10 == 0) d.digits /= 10, --d.places;
    if (d.places == 0 && decimals == 0 && d.digits <= uint64_t(std::numeric_limits<int32_t>::max()))
      return NumberValue{Type::Long, {d.negative ? -int64_t(d.digits) : int64_t(d.digits)}};
    if (d.places <= 4) {
      static constexpr int64_t kScale[] = {10000, 1000, 100, 10, 1};
      const __int128 raw = __int128(d.digits) * kScale[d.places] * (d.negative ? -1 : 1);
      if (raw >= std::numeric_limits<int64_t>::min() && raw <= std::numeric_limits<int64_t>::max())
        return NumberValue{Type::Currency, {static_cast<int64_t>(raw)}};
    }
  }
  NumberValue value{Type::Double, {}};
  if (!readDouble(first, last, value.real)) return kNotANumber;
  return value;
}

}  // namespace ado::dbf
