#include "platform/ado/odbc/ColumnTypes.h"

#include <sqlext.h>

#include <algorithm>
#include <climits>

#include "platform/ado/Constants.h"

namespace ado::odbc {

namespace {
long widthOf(SQLULEN columnSize) { return static_cast<long>(std::min<SQLULEN>(columnSize, INT_MAX)); }
}  // namespace

ColumnType columnType(SQLSMALLINT sqlType, const QString& typeName, SQLULEN columnSize, bool isUnsigned) {
  const QString name = typeName.trimmed().toLower();
  // Names first: some drivers report money or decimals as text or doubles.
  if (name.startsWith(u"money") || name.startsWith(u"smallmoney")) return {adCurrency, ValueKind::Exact, 8};
  if (name.startsWith(u"decimal") || name.startsWith(u"numeric")) return {adNumeric, ValueKind::Exact, 19};
  switch (sqlType) {
    case SQL_DECIMAL:
    case SQL_NUMERIC:
      return {adNumeric, ValueKind::Exact, 19};
    case SQL_BIT:
      return {adBoolean, ValueKind::Boolean, 2};
    case SQL_TINYINT:
      return {isUnsigned ? adUnsignedTinyInt : adTinyInt, ValueKind::SmallInteger, 1};
    case SQL_SMALLINT:
      return {adSmallInt, ValueKind::SmallInteger, 2};
    case SQL_INTEGER:
      return {adInteger, ValueKind::Integer, 4};
    case SQL_BIGINT:
      return {adBigInt, ValueKind::Integer, 8};
    case SQL_REAL:
      return {adSingle, ValueKind::Double, 4};
    case SQL_FLOAT:
    case SQL_DOUBLE:
      return {adDouble, ValueKind::Double, 8};
    case SQL_TYPE_DATE:
    case SQL_DATE:
      return {adDBDate, ValueKind::Timestamp, 6};
    case SQL_TYPE_TIME:
    case SQL_TIME:
      return {adDBTime, ValueKind::Time, 6};
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
      return {adDBTimeStamp, ValueKind::Timestamp, 16};
    case SQL_CHAR:
      return {adChar, ValueKind::Text, widthOf(columnSize)};
    case SQL_VARCHAR:
      return {adVarChar, ValueKind::Text, widthOf(columnSize)};
    case SQL_LONGVARCHAR:
      return {adLongVarChar, ValueKind::Text, widthOf(columnSize)};
    case SQL_WCHAR:
      return {adWChar, ValueKind::Text, widthOf(columnSize)};
    case SQL_WVARCHAR:
      return {adVarWChar, ValueKind::Text, widthOf(columnSize)};
    case SQL_WLONGVARCHAR:
      return {adLongVarWChar, ValueKind::Text, widthOf(columnSize)};
    case SQL_BINARY:
      return {adBinary, ValueKind::Binary, widthOf(columnSize)};
    case SQL_VARBINARY:
      return {adVarBinary, ValueKind::Binary, widthOf(columnSize)};
    case SQL_LONGVARBINARY:
      return {adLongVarBinary, ValueKind::Binary, widthOf(columnSize)};
    case SQL_GUID:
      return {adGUID, ValueKind::Text, 16};
    default:  // server-specific types (sql_variant, xml ...) as text
      return {adVarWChar, ValueKind::Text, widthOf(columnSize)};
  }
}

}  // namespace ado::odbc
