#include "platform/ado/odbc/Parameters.h"

#include <sqlext.h>

#include <algorithm>

#include "platform/ado/odbc/Statement.h"

namespace ado::odbc {

namespace {

bool isBinary(SQLSMALLINT t) { return t == SQL_BINARY || t == SQL_VARBINARY || t == SQL_LONGVARBINARY; }
bool isTimestamp(SQLSMALLINT t) { return t == SQL_TYPE_TIMESTAMP || t == SQL_TIMESTAMP; }

template <typename T>
QByteArray bytesOf(const T& value) {
  return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

SQLULEN declaredSize(const ColumnRow& column) {
  const long size = column.columnSize.isNull() ? 0 : column.columnSize.toLong();
  return size > 0 ? static_cast<SQLULEN>(size) : 1;
}

}  // namespace

void Parameters::add(const rt::Variant& value, const ColumnRow& column) {
  Slot s{SQL_C_CHAR, column.sqlType == SQL_UNKNOWN_TYPE ? SQLSMALLINT(SQL_WVARCHAR) : column.sqlType, declaredSize(column),
         static_cast<SQLSMALLINT>(column.decimalDigits.isNull() ? 0 : column.decimalDigits.toLong()), QByteArray(), 0};
  if (isTimestamp(s.sqlType)) {  // milliseconds, as dates are held
    s.columnSize = 23;
    s.digits = 3;
  }
  if (value.isNull() || value.isEmpty()) {
    s.indicator = SQL_NULL_DATA;
  } else if (const QString* text = value.stringIf()) {
    if (isBinary(s.sqlType)) {
      s.cType = SQL_C_BINARY;
      s.data = text->toLatin1();
    } else {
      s.cType = SQL_C_WCHAR;
      s.data = QByteArray(reinterpret_cast<const char*>(text->utf16()), text->size() * 2);
    }
    s.columnSize = std::max<SQLULEN>(text->size(), 1);
  } else {
    switch (value.type()) {
      case rt::Variant::Type::Boolean:
        if (s.sqlType == SQL_BIT) {
          s.cType = SQL_C_BIT;
          s.data = bytesOf(static_cast<unsigned char>(value.toBool() ? 1 : 0));
        } else {  // True is -1 to the runtime
          s.cType = SQL_C_SLONG;
          s.data = bytesOf(static_cast<SQLINTEGER>(value.toBool() ? -1 : 0));
        }
        break;
      case rt::Variant::Type::Integer:
      case rt::Variant::Type::Long:
        s.cType = SQL_C_SLONG;
        s.data = bytesOf(static_cast<SQLINTEGER>(value.toLong()));
        break;
      case rt::Variant::Type::Double:
        s.cType = SQL_C_DOUBLE;
        s.data = bytesOf(value.toDouble());
        break;
      case rt::Variant::Type::Currency:
        s.data = value.toCurrency().toSqlText().toLatin1();
        break;
      case rt::Variant::Type::Date: {
        const QDateTime d = value.toDate();
        SQL_TIMESTAMP_STRUCT ts{};
        ts.year = static_cast<SQLSMALLINT>(d.date().year());
        ts.month = static_cast<SQLUSMALLINT>(d.date().month());
        ts.day = static_cast<SQLUSMALLINT>(d.date().day());
        ts.hour = static_cast<SQLUSMALLINT>(d.time().hour());
        ts.minute = static_cast<SQLUSMALLINT>(d.time().minute());
        ts.second = static_cast<SQLUSMALLINT>(d.time().second());
        ts.fraction = static_cast<SQLUINTEGER>(d.time().msec()) * 1000000u;
        s.cType = SQL_C_TYPE_TIMESTAMP;
        s.data = bytesOf(ts);
        break;
      }
      default:
        s.indicator = SQL_NULL_DATA;
        break;
    }
  }
  if (s.indicator != SQL_NULL_DATA) s.indicator = s.data.size();
  slots_.push_back(std::move(s));
}

void Parameters::bind(const Statement& st) const {
  for (size_t i = 0; i < slots_.size(); ++i) {
    const Slot& s = slots_[i];
    st.check(SQLBindParameter(st.handle(), static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, s.cType, s.sqlType,
                              s.columnSize, s.digits, const_cast<char*>(s.data.constData()), s.data.size(), &s.indicator));
  }
}

}  // namespace ado::odbc
