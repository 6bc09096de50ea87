#pragma once
// The program's loosely typed value: Empty (never assigned), Null (no value,
// as a database gives it), Boolean, Integer, Long, Double, Currency, Date or
// String, with the runtime's conversion rules.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <type_traits>
#include <variant>

#include "platform/runtime/Currency.h"

namespace rt {

struct Empty {
  friend bool operator==(Empty, Empty) { return true; }
};
struct Null {
  friend bool operator==(Null, Null) { return true; }
};

namespace detail {
template <class T, class Storage>
constexpr bool kHeldIn = false;
template <class T, class... Held>
constexpr bool kHeldIn<T, std::variant<Held...>> = (std::is_same_v<T, Held> || ...);
}  // namespace detail

class Variant {
  using Storage = std::variant<Empty, Null, bool, int16_t, int32_t, double, Currency, QDateTime, QString>;

 public:
  // Type codes as the runtime's VarType reports them.
  enum class Type { Empty = 0, Null = 1, Integer = 2, Long = 3, Double = 5, Currency = 6, Date = 7, String = 8, Boolean = 11 };

  Variant() = default;
  Variant(Empty) {}
  Variant(Null) : v_(Null{}) {}
  Variant(bool b) : v_(b) {}
  Variant(int16_t i) : v_(i) {}
  Variant(int32_t l) : v_(l) {}
  Variant(int64_t l);  // Long when it fits, Double otherwise
  Variant(double d) : v_(d) {}
  Variant(Currency c) : v_(c) {}
  Variant(const QDateTime& d) : v_(d) {}
  Variant(const QString& s) : v_(s) {}
  Variant(QString&& s) : v_(std::move(s)) {}
  Variant(const char* s) : v_(QString::fromUtf8(s)) {}
  Variant(const char16_t* s) : v_(QString::fromUtf16(s)) {}

  static Variant null() { return Variant(Null{}); }

  // A value of one of the held types (Empty, Null, bool, int16_t, int32_t,
  // double, Currency, QDateTime, QString) is assigned in place when this
  // already holds that type: readers filling a row over and over make no
  // temporary.
  template <class T>
    requires(detail::kHeldIn<std::remove_cvref_t<T>, Storage>)
  Variant& operator=(T&& value) {
    using U = std::remove_cvref_t<T>;
    if (U* held = std::get_if<U>(&v_))
      *held = std::forward<T>(value);
    else
      v_.template emplace<U>(std::forward<T>(value));
    return *this;
  }
  // Makes this a String (keeping the one it holds) and returns it to be
  // filled in place; an unshared String keeps its buffer.
  QString& makeString() {
    if (!isString()) v_.template emplace<QString>();
    return *std::get_if<QString>(&v_);
  }

  Type type() const;
  bool isEmpty() const { return std::holds_alternative<Empty>(v_); }
  bool isNull() const { return std::holds_alternative<Null>(v_); }
  bool isString() const { return std::holds_alternative<QString>(v_); }
  bool isNumeric() const;  // Integer, Long, Double, Currency, Boolean, Empty
  bool isDate() const { return std::holds_alternative<QDateTime>(v_); }

  // CStr: Empty gives "", Null raises 94, numbers and dates in the regional form.
  QString toString() const;
  // Like toString but Null gives "" (the library's Null-safe reading).
  QString toStringOrEmpty() const { return isNull() ? QString() : toString(); }
  // CDbl: text read with either decimal separator; Null raises 94, a text
  // that is not a number raises 13.
  double toDouble() const;
  // CCur: text read like CDbl but exactly.
  Currency toCurrency() const;
  int32_t toLong() const;     // CLng, halves to even
  int16_t toInteger() const;  // CInt
  bool toBool() const;        // CBool
  QDateTime toDate() const;   // CDate

  const QString* stringIf() const { return std::get_if<QString>(&v_); }

  // Identity of type and value (not the runtime's loose "=" comparison).
  friend bool operator==(const Variant& a, const Variant& b) { return a.v_ == b.v_; }

 private:
  Storage v_;
};

}  // namespace rt
