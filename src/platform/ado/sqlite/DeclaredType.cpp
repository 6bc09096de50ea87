#include "platform/ado/sqlite/DeclaredType.h"

#include <QList>

#include "platform/ado/Constants.h"

namespace ado::sqlite {

namespace {

struct TypeRow {
  const char* name;  // upper case, as declared before any "("
  int adoType;
  long size;         // defined size when the declaration gives no width
  ValueKind kind;
};

// SQL Server's type names as the embedded schema declares them.
constexpr TypeRow kTypes[] = {
    {"CHAR", adChar, 1, ValueKind::Text},
    {"CHARACTER", adChar, 1, ValueKind::Text},
    {"VARCHAR", adVarChar, 0, ValueKind::Text},
    {"NCHAR", adWChar, 1, ValueKind::Text},
    {"NVARCHAR", adVarWChar, 0, ValueKind::Text},
    {"TEXT", adLongVarChar, 2147483647, ValueKind::Text},
    {"NTEXT", adLongVarWChar, 1073741823, ValueKind::Text},
    {"INT", adInteger, 4, ValueKind::Integer},
    {"INTEGER", adInteger, 4, ValueKind::Integer},
    {"SMALLINT", adSmallInt, 2, ValueKind::Integer},
    {"TINYINT", 17 /* unsigned tiny integer */, 1, ValueKind::Integer},
    {"BIGINT", adBigInt, 8, ValueKind::Integer},
    {"BIT", adBoolean, 2, ValueKind::Boolean},
    {"MONEY", adCurrency, 8, ValueKind::Currency},
    {"SMALLMONEY", adCurrency, 4, ValueKind::Currency},
    {"DECIMAL", adNumeric, 19, ValueKind::Currency},
    {"NUMERIC", adNumeric, 19, ValueKind::Currency},
    {"FLOAT", adDouble, 8, ValueKind::Double},
    {"DOUBLE", adDouble, 8, ValueKind::Double},
    {"REAL", adSingle, 4, ValueKind::Double},
    {"DATE", adDBDate, 6, ValueKind::Date},
    {"DATETIME", adDBTimeStamp, 16, ValueKind::Date},
    {"SMALLDATETIME", adDBTimeStamp, 16, ValueKind::Date},
    {"DATETIME2", adDBTimeStamp, 16, ValueKind::Date},
    {"BINARY", adBinary, 1, ValueKind::Text},
    {"VARBINARY", adVarBinary, 0, ValueKind::Text},
    {"IMAGE", adLongVarBinary, 2147483647, ValueKind::Text},
    {"BLOB", adLongVarBinary, 2147483647, ValueKind::Text},
};

// Names the table does not hold, by their affinity.
DeclaredType byAffinity(const QByteArray& upper) {
  DeclaredType t;
  switch (AffinityOf(upper)) {
    case Affinity::Integer: t.adoType = adInteger, t.definedSize = 4, t.kind = ValueKind::Integer; break;
    case Affinity::Text: t.adoType = adVarChar, t.kind = ValueKind::Text; break;
    case Affinity::Real: t.adoType = adDouble, t.definedSize = 8, t.kind = ValueKind::Double; break;
    case Affinity::Numeric: t.adoType = adNumeric, t.definedSize = 19, t.kind = ValueKind::Double; break;
  }
  return t;
}

}  // namespace

Affinity AffinityOf(const QByteArray& upper) {
  if (upper.contains("INT")) return Affinity::Integer;
  if (upper.contains("CHAR") || upper.contains("CLOB") || upper.contains("TEXT")) return Affinity::Text;
  if (upper.contains("REAL") || upper.contains("FLOA") || upper.contains("DOUB")) return Affinity::Real;
  return Affinity::Numeric;
}

DeclaredType ParseDeclaredType(const char* declared) {
  if (!declared || !*declared) return DeclaredType{};
  QByteArray upper = QByteArray(declared).trimmed().toUpper();
  QByteArray name = upper, args;
  if (qsizetype open = upper.indexOf('('); open >= 0) {
    name = upper.left(open).trimmed();
    qsizetype close = upper.indexOf(')', open);
    args = upper.mid(open + 1, close < 0 ? -1 : close - open - 1);
  }
  name = name.simplified();
  if (name == "DOUBLE PRECISION") name = "DOUBLE";
  if (name == "CHARACTER VARYING") name = "VARCHAR";
  for (const TypeRow& row : kTypes) {
    if (name != row.name) continue;
    DeclaredType t;
    t.adoType = row.adoType;
    t.definedSize = row.size;
    t.kind = row.kind;
    QList<QByteArray> parts = args.split(',');
    if (!args.isEmpty()) {
      if (row.kind == ValueKind::Text) {
        t.definedSize = parts[0].trimmed() == "MAX" ? 2147483647 : parts[0].trimmed().toLong();
      } else if (t.adoType == adNumeric) {
        t.precision = parts[0].trimmed().toInt();
        t.scale = parts.size() > 1 ? parts[1].trimmed().toInt() : 0;
        if (t.scale > 4) t.kind = ValueKind::Double;
      }
    } else if (t.adoType == adNumeric) {
      t.precision = 18;
    }
    return t;
  }
  return byAffinity(upper);
}

}  // namespace ado::sqlite
