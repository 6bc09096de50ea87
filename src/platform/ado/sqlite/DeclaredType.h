#pragma once
// What a column's declared type ("VARCHAR(25)", "money", "DATETIME",
// "decimal(18,2)") means to the data-access objects: the ADO type code, the
// defined size, and how stored values are read back.
#include <QString>

namespace ado::sqlite {

// How a stored value becomes a Variant.
enum class ValueKind {
  Text,      // strings
  Integer,   // Long (or Double beyond its range)
  Boolean,   // bit
  Currency,  // money, and decimals of up to four places
  Double,    // float, real, decimals of more places
  Date,      // ISO text read back as a date
  Untyped,   // no declared type (expressions): by the stored value
};

struct DeclaredType {
  int adoType = 200;       // adVarChar
  long definedSize = 0;
  int precision = 0, scale = 0;
  ValueKind kind = ValueKind::Untyped;
  bool isDate() const { return kind == ValueKind::Date; }
};

// SQLite's affinity of a type name it takes as it is (a name the table does
// not hold, or CAST's): what it stores the values as.
enum class Affinity { Integer, Text, Real, Numeric };
Affinity AffinityOf(const QByteArray& upperTypeName);

// Null or empty text gives the untyped kind.
DeclaredType ParseDeclaredType(const char* declared);
inline DeclaredType ParseDeclaredType(const QString& declared) {
  return ParseDeclaredType(declared.toUtf8().constData());
}

}  // namespace ado::sqlite
