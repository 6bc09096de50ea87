#pragma once
// What a column of a driver's result is to the program: its ADO type code,
// its defined size, and how its values are read.
#include <sql.h>

#include <QString>

namespace ado::odbc {

enum class ValueKind {
  SmallInteger,  // Integer
  Integer,       // Long (Double beyond its range)
  Boolean,
  Double,
  Exact,         // decimal and money columns: read as text, never through double
  Timestamp,
  Time,          // a time alone, on the runtime's day zero
  Text,
  Binary,        // bytes, one character per byte
};

struct ColumnType {
  int adoType;
  ValueKind kind;
  long definedSize;
};

// From the driver's SQL type and type name ("money", "numeric(12,2)" ...).
ColumnType columnType(SQLSMALLINT sqlType, const QString& typeName, SQLULEN columnSize, bool isUnsigned);

}  // namespace ado::odbc
