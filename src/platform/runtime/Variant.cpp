#include "platform/runtime/Variant.h"

#include <cmath>
#include <limits>

#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/Text.h"

namespace rt {

namespace {
template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

bool textToBool(const QString& s, bool& out) {
  QString t = Trim(s);
  if (OneOfText(t, {"True", "Verdadero"})) return out = true, true;
  if (OneOfText(t, {"False", "Falso"})) return out = false, true;
  if (auto n = ParseNumber(t)) return out = (*n != 0), true;
  return false;
}
}  // namespace

Variant::Variant(int64_t l) {
  if (l >= std::numeric_limits<int32_t>::min() && l <= std::numeric_limits<int32_t>::max())
    v_ = static_cast<int32_t>(l);
  else
    v_ = static_cast<double>(l);
}

Variant::Type Variant::type() const {
  return std::visit(Overload{[](Empty) { return Type::Empty; }, [](Null) { return Type::Null; },
                             [](bool) { return Type::Boolean; }, [](int16_t) { return Type::Integer; },
                             [](int32_t) { return Type::Long; }, [](double) { return Type::Double; },
                             [](Currency) { return Type::Currency; }, [](const QDateTime&) { return Type::Date; },
                             [](const QString&) { return Type::String; }},
                    v_);
}

bool Variant::isNumeric() const {
  switch (type()) {
    case Type::Empty: case Type::Boolean: case Type::Integer: case Type::Long: case Type::Double: case Type::Currency:
      return true;
    case Type::String: return ParseNumber(*stringIf()).has_value();
    default: return false;
  }
}

QString Variant::toString() const {
  return std::visit(
      Overload{[](Empty) { return QString(); },
               [](Null) -> QString { raise(err::InvalidUseOfNull); },
               [](bool b) { return b ? QStringLiteral("Verdadero") : QStringLiteral("Falso"); },
               [](int16_t i) { return QString::number(i); }, [](int32_t l) { return QString::number(l); },
               [](double d) { return NumberText(d); },
               [](Currency c) { return c.toText(regional().decimalSeparator); },
               [](const QDateTime& d) { return DateText(d); }, [](const QString& s) { return s; }},
      v_);
}

double Variant::toDouble() const {
  return std::visit(Overload{[](Empty) { return 0.0; },
                             [](Null) -> double { raise(err::InvalidUseOfNull); },
                             [](bool b) { return b ? -1.0 : 0.0; },
                             [](int16_t i) { return static_cast<double>(i); },
                             [](int32_t l) { return static_cast<double>(l); }, [](double d) { return d; },
                             [](Currency c) { return c.toDouble(); },
                             [](const QDateTime& d) { return ToSerial(d); },
                             [](const QString& s) -> double {
                               const auto n = ParseNumber(s);
                               if (!n) raise(err::TypeMismatch);
                               if (!std::isfinite(*n)) raise(err::Overflow);
                               return *n;
                             }},
                    v_);
}

Currency Variant::toCurrency() const {
  if (auto s = stringIf()) {
    if (auto c = ParseCurrency(*s)) return *c;
    raise(ParseNumber(*s) ? err::Overflow : err::TypeMismatch);
  }
  if (auto c = std::get_if<Currency>(&v_)) return *c;
  if (auto i = std::get_if<int32_t>(&v_)) return Currency::fromInt(*i);
  if (auto i = std::get_if<int16_t>(&v_)) return Currency::fromInt(*i);
  return Currency::fromDouble(toDouble());
}

int32_t Variant::toLong() const {
  if (auto l = std::get_if<int32_t>(&v_)) return *l;
  return CLng(toDouble());
}

int16_t Variant::toInteger() const {
  if (auto i = std::get_if<int16_t>(&v_)) return *i;
  return CInt(toDouble());
}

bool Variant::toBool() const {
  if (auto b = std::get_if<bool>(&v_)) return *b;
  if (auto s = stringIf()) {
    bool out = false;
    if (textToBool(*s, out)) return out;
    raise(err::TypeMismatch);
  }
  return toDouble() != 0;
}

QDateTime Variant::toDate() const {
  if (auto d = std::get_if<QDateTime>(&v_)) return *d;
  if (isNull()) raise(err::InvalidUseOfNull);
  if (auto s = stringIf()) {
    if (auto d = ParseDate(*s)) return *d;
    raise(err::TypeMismatch);
  }
  return FromSerial(toDouble());
}

}  // namespace rt
