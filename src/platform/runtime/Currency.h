#pragma once
// Fixed-point money: a 64-bit count of ten-thousandths. Amounts travel from
// source files to SQL text without passing through binary floating point.
#include <QString>
#include <cstdint>
#include <optional>

namespace rt {

class Currency {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency fromRaw(int64_t tenThousandths) {
    Currency c;
    c.raw_ = tenThousandths;
    return c;
  }
  static Currency fromInt(int64_t units);
  // Rounds its shortest decimal text to four places, halves to even;
  // raises Overflow out of range.
  static Currency fromDouble(double value);
  // Exact decimal reading of "-1234.5678", "1234,5" (either separator as the
  // decimal point), optional exponent; nullopt for anything else.
  static std::optional<Currency> parse(QStringView text);

  constexpr int64_t raw() const { return raw_; }
  double toDouble() const { return static_cast<double>(raw_) / kScale; }

  // Rounded to `places` (0..4) decimals, halves to even.
  Currency rounded(int places) const;

  // Plain decimal text with '.' and no trailing zeros ("1234.5", "-3", "0").
  QString toSqlText() const;
  // The same digits with the given decimal separator.
  QString toText(QChar decimalSeparator) const;

  friend constexpr bool operator==(Currency a, Currency b) { return a.raw_ == b.raw_; }
  friend constexpr auto operator<=>(Currency a, Currency b) { return a.raw_ <=> b.raw_; }
  Currency operator+(Currency o) const;
  Currency operator-(Currency o) const;
  Currency operator-() const { return fromRaw(-raw_); }
  // Exact products and quotients rounded once to four places, halves to
  // even; Overflow (6) out of range, DivisionByZero (11) for a zero divisor.
  Currency operator*(Currency o) const;
  Currency operator/(Currency o) const;
  Currency& operator+=(Currency o) { return *this = *this + o; }
  Currency& operator-=(Currency o) { return *this = *this - o; }
  Currency& operator*=(Currency o) { return *this = *this * o; }
  Currency& operator/=(Currency o) { return *this = *this / o; }
  // This times `by` over `over`, rounded once (a share of a whole): 0.3333
  // times 0.5 over 0.5 stays 0.3333.
  Currency scaled(Currency by, Currency over) const;

 private:
  int64_t raw_ = 0;
};

}  // namespace rt
