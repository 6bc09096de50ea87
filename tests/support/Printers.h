#pragma once
// Readable test failures for the values tests compare: Qt texts and dates,
// and runtime values with their type.
#include <QDateTime>
#include <QString>
#include <ostream>

#include "platform/runtime/Variant.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QDateTime& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }

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
