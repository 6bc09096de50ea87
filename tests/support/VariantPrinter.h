#pragma once
// Readable test failures for runtime values: the type and the value.
#include <ostream>

#include "platform/runtime/Variant.h"

namespace rt {

inline void PrintTo(const Variant& v, std::ostream* os) {
  switch (v.type()) {
    case Variant::Type::Empty: *os << "Empty"; return;
    case Variant::Type::Null: *os << "Null"; return;
    case Variant::Type::String: *os << "String(\"" << v.stringIf()->toStdString() << "\")"; return;
    case Variant::Type::Currency: *os << "Currency(" << v.toCurrency().toSqlText().toStdString() << ")"; return;
    case Variant::Type::Date: *os << "Date(" << v.toDate().toString(Qt::ISODateWithMs).toStdString() << ")"; return;
    case Variant::Type::Boolean: *os << (v.toBool() ? "True" : "False"); return;
    case Variant::Type::Integer: *os << "Integer(" << v.toInteger() << ")"; return;
    case Variant::Type::Long: *os << "Long(" << v.toLong() << ")"; return;
    case Variant::Type::Double: *os << "Double(" << v.toDouble() << ")"; return;
  }
}

}  // namespace rt
