#include "platform/ado/odbc/ResultReader.h"

#include <sqlext.h>

#include <QDate>
#include <QTime>
#include <optional>

#include "platform/ado/odbc/Statement.h"
#include "platform/ado/odbc/Wide.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Dates.h"

namespace ado::odbc {

namespace {

QString columnText(SQLHSTMT h, SQLUSMALLINT column, SQLUSMALLINT field) {
  SQLWCHAR buffer[256] = {};
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(SQLColAttributeW(h, column, field, buffer, sizeof buffer, &length, nullptr))) return QString();
  return fromWideBuffer(buffer, 256, length / static_cast<SQLSMALLINT>(sizeof(SQLWCHAR)));
}

SQLLEN columnNumber(SQLHSTMT h, SQLUSMALLINT column, SQLUSMALLINT field) {
  SQLLEN value = 0;
  if (!SQL_SUCCEEDED(SQLColAttributeW(h, column, field, nullptr, 0, nullptr, &value))) return 0;
  return value;
}

// Decimal places needed to write the number exactly ("12.340" 2, "1.5e-5" 6).
int decimalPlaces(const QString& text) {
  const qsizetype e = text.indexOf(u'e', 0, Qt::CaseInsensitive);
  QString mantissa = e < 0 ? text : text.left(e);
  const int exponent = e < 0 ? 0 : text.mid(e + 1).toInt();
  const qsizetype point = mantissa.indexOf(u'.');
  int places = 0;
  if (point >= 0) {
    QString fraction = mantissa.mid(point + 1);
    while (fraction.endsWith(u'0')) fraction.chop(1);
    places = static_cast<int>(fraction.size());
  }
  return places - exponent;
}

// Decimal and money values become Currency when it holds them exactly;
// wider scales and magnitudes become Double.
rt::Variant exactValue(const QString& text, int scale) {
  if (scale <= 4 && decimalPlaces(text) <= 4)
    if (auto c = rt::Currency::parse(text)) return *c;
  return text.toDouble();
}

template <typename T>
bool fixed(const Statement& st, SQLUSMALLINT column, SQLSMALLINT cType, T& value) {
  SQLLEN indicator = 0;
  st.check(SQLGetData(st.handle(), column, cType, &value, sizeof value, &indicator));
  return indicator != SQL_NULL_DATA;
}

// Long values come in pieces, each but the last filling the buffer (less
// the terminator text carries). Nothing for Null.
std::optional<QByteArray> longValue(const Statement& st, SQLUSMALLINT column, SQLSMALLINT cType, SQLLEN terminator) {
  constexpr SQLLEN kBytes = 8192;
  alignas(8) char buffer[kBytes];
  QByteArray bytes;
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN r = SQLGetData(st.handle(), column, cType, buffer, kBytes, &indicator);
    if (r == SQL_NO_DATA) break;
    st.check(r);
    if (indicator == SQL_NULL_DATA) return std::nullopt;
    const SQLLEN room = kBytes - terminator;
    const bool more = indicator == SQL_NO_TOTAL || indicator > room;
    bytes.append(buffer, more ? room : indicator);
    if (!more) break;
  }
  return bytes;
}

rt::Variant textValue(const Statement& st, SQLUSMALLINT column) {
  const std::optional<QByteArray> bytes = longValue(st, column, SQL_C_WCHAR, sizeof(SQLWCHAR));
  if (!bytes) return rt::Null{};
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes->constData()), bytes->size() / 2);
}

rt::Variant binaryValue(const Statement& st, SQLUSMALLINT column) {
  const std::optional<QByteArray> bytes = longValue(st, column, SQL_C_BINARY, 0);
  if (!bytes) return rt::Null{};
  return QString::fromLatin1(*bytes);
}

rt::Variant readValue(const Statement& st, SQLUSMALLINT column, const ResultColumn& c) {
  switch (c.type.kind) {
    case ValueKind::SmallInteger: {
      SQLSMALLINT v = 0;
      return fixed(st, column, SQL_C_SSHORT, v) ? rt::Variant(static_cast<int16_t>(v)) : rt::Variant(rt::Null{});
    }
    case ValueKind::Integer: {
      SQLBIGINT v = 0;
      return fixed(st, column, SQL_C_SBIGINT, v) ? rt::Variant(static_cast<int64_t>(v)) : rt::Variant(rt::Null{});
    }
    case ValueKind::Boolean: {
      unsigned char v = 0;
      return fixed(st, column, SQL_C_BIT, v) ? rt::Variant(v != 0) : rt::Variant(rt::Null{});
    }
    case ValueKind::Double: {
      double v = 0;
      return fixed(st, column, SQL_C_DOUBLE, v) ? rt::Variant(v) : rt::Variant(rt::Null{});
    }
    case ValueKind::Exact: {
      char text[128] = {};
      SQLLEN indicator = 0;
      st.check(SQLGetData(st.handle(), column, SQL_C_CHAR, text, sizeof text, &indicator));
      if (indicator == SQL_NULL_DATA) return rt::Null{};
      return exactValue(QString::fromLatin1(text).trimmed(), c.info.scale);
    }
    case ValueKind::Timestamp: {
      SQL_TIMESTAMP_STRUCT v{};
      if (!fixed(st, column, SQL_C_TYPE_TIMESTAMP, v)) return rt::Null{};
      return rt::MakeDate(QDate(v.year, v.month, v.day),
                          QTime(v.hour, v.minute, v.second, static_cast<int>(v.fraction / 1000000)));
    }
    case ValueKind::Time: {
      SQL_TIME_STRUCT v{};
      if (!fixed(st, column, SQL_C_TYPE_TIME, v)) return rt::Null{};
      return rt::MakeDate(1899, 12, 30, v.hour, v.minute, v.second);
    }
    case ValueKind::Text:
      return textValue(st, column);
    case ValueKind::Binary:
      return binaryValue(st, column);
  }
  return rt::Null{};
}

}  // namespace

std::vector<ResultColumn> describeResult(const Statement& st) {
  const SQLSMALLINT n = st.resultColumns();
  std::vector<ResultColumn> columns;
  columns.reserve(n);
  for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(n); ++i) {
    SQLWCHAR name[256] = {};
    SQLSMALLINT nameLength = 0, sqlType = 0, scale = 0, nullable = SQL_NULLABLE_UNKNOWN;
    SQLULEN size = 0;
    st.check(SQLDescribeColW(st.handle(), i, name, 256, &nameLength, &sqlType, &size, &scale, &nullable));
    const bool isUnsigned = columnNumber(st.handle(), i, SQL_DESC_UNSIGNED) == SQL_TRUE;
    ResultColumn c{{}, columnType(sqlType, columnText(st.handle(), i, SQL_DESC_TYPE_NAME), size, isUnsigned)};
    c.info.name = fromWideBuffer(name, 256, nameLength);
    c.info.type = c.type.adoType;
    c.info.definedSize = c.type.definedSize;
    c.info.precision = static_cast<int>(columnNumber(st.handle(), i, SQL_DESC_PRECISION));
    c.info.scale = scale;
    c.info.nullable = nullable != SQL_NO_NULLS;
    c.info.baseTable = columnText(st.handle(), i, SQL_DESC_BASE_TABLE_NAME);
    c.info.baseColumn = columnText(st.handle(), i, SQL_DESC_BASE_COLUMN_NAME);
    columns.push_back(std::move(c));
  }
  return columns;
}

std::unique_ptr<provider::Cursor> readResult(const Statement& st) {
  const std::vector<ResultColumn> columns = describeResult(st);
  std::vector<std::vector<rt::Variant>> rows;
  for (;;) {
    const SQLRETURN r = SQLFetch(st.handle());
    if (r == SQL_NO_DATA) break;
    st.check(r);
    std::vector<rt::Variant> row;
    row.reserve(columns.size());
    for (size_t i = 0; i < columns.size(); ++i) row.push_back(readValue(st, static_cast<SQLUSMALLINT>(i + 1), columns[i]));
    rows.push_back(std::move(row));
  }
  std::vector<provider::ColumnInfo> infos;
  infos.reserve(columns.size());
  for (const ResultColumn& c : columns) infos.push_back(c.info);
  return std::make_unique<BufferedRows>(std::move(infos), std::move(rows));
}

bool BufferedRows::next(std::vector<rt::Variant>& row) {
  if (position_ >= rows_.size()) return false;
  row = std::move(rows_[position_++]);
  return true;
}

}  // namespace ado::odbc
