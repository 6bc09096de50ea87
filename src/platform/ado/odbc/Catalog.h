#pragma once
// The driver's catalogue functions (SQLTables, SQLColumns, SQLPrimaryKeys)
// with exact names: the driver takes them as patterns, where "_" matches any
// character, so what it returns is filtered again, without regard to case.
#include <sql.h>

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/runtime/Variant.h"

namespace ado::odbc {

class Link;

// A table name taken apart; blank parts are not restrictions.
struct ObjectName {
  QString catalog, schema, name;
};

struct TableRow {
  QString catalog, schema, name, type, remarks;
};

struct ColumnRow {
  QString catalog, schema, table, name, typeName;
  SQLSMALLINT sqlType = 0;
  rt::Variant columnSize, decimalDigits, defaultValue;
  bool nullable = true;
  int ordinal = 0;
};

// `types` as SQLTables takes them ("TABLE", "'TABLE','VIEW'"), blank for all.
std::vector<TableRow> catalogTables(const Link& link, const ObjectName& table, const QString& types);
std::vector<ColumnRow> catalogColumns(const Link& link, const ObjectName& table, const QString& column = QString());
// Key columns in key order; empty without a primary key.
QStringList primaryKey(const Link& link, const ObjectName& table);

}  // namespace ado::odbc
