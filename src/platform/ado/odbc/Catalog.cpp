#include "platform/ado/odbc/Catalog.h"

#include <sqlext.h>

#include <algorithm>

#include "platform/ado/odbc/Link.h"
#include "platform/ado/odbc/ResultReader.h"
#include "platform/ado/odbc/Statement.h"
#include "platform/ado/odbc/Wide.h"

namespace ado::odbc {

namespace {

// An argument of a catalogue function: null means "any".
struct Argument {
  QString text;
  SQLWCHAR* pointer() const { return text.isEmpty() ? nullptr : wide(text); }
  SQLSMALLINT length() const { return text.isEmpty() ? 0 : SQL_NTS; }
};

Argument catalogArgument(const Link& link, const QString& catalog) {
  return {link.supportsCatalogs() ? catalog.trimmed() : QString()};
}

bool matches(const QString& restriction, const QString& value) {
  return restriction.trimmed().isEmpty() || value.compare(restriction.trimmed(), Qt::CaseInsensitive) == 0;
}

// Drivers without catalogues or schemas report them blank; blank passes.
bool matchesOptional(const QString& restriction, const QString& value) { return value.isEmpty() || matches(restriction, value); }

std::vector<std::vector<rt::Variant>> allRows(const Statement& st) {
  std::unique_ptr<provider::Cursor> rows = readResult(st);
  std::vector<std::vector<rt::Variant>> result;
  std::vector<rt::Variant> row;
  while (rows->next(row)) result.push_back(std::move(row));
  return result;
}

QString text(const rt::Variant& v) { return v.toStringOrEmpty(); }

}  // namespace

std::vector<TableRow> catalogTables(const Link& link, const ObjectName& table, const QString& types) {
  const Statement st = link.statement();
  const Argument catalog = catalogArgument(link, table.catalog), schema{table.schema.trimmed()}, name{table.name.trimmed()},
                 kinds{types.trimmed()};
  st.check(SQLTablesW(st.handle(), catalog.pointer(), catalog.length(), schema.pointer(), schema.length(), name.pointer(),
                      name.length(), kinds.pointer(), kinds.length()));
  std::vector<TableRow> tables;
  for (const auto& row : allRows(st)) {
    TableRow t{text(row.at(0)), text(row.at(1)), text(row.at(2)), text(row.at(3)), text(row.at(4))};
    if (matchesOptional(table.catalog, t.catalog) && matchesOptional(table.schema, t.schema) && matches(table.name, t.name))
      tables.push_back(std::move(t));
  }
  return tables;
}

std::vector<ColumnRow> catalogColumns(const Link& link, const ObjectName& table, const QString& column) {
  const Statement st = link.statement();
  const Argument catalog = catalogArgument(link, table.catalog), schema{table.schema.trimmed()}, name{table.name.trimmed()},
                 columnName{column.trimmed()};
  st.check(SQLColumnsW(st.handle(), catalog.pointer(), catalog.length(), schema.pointer(), schema.length(), name.pointer(),
                       name.length(), columnName.pointer(), columnName.length()));
  std::vector<ColumnRow> columns;
  for (const auto& row : allRows(st)) {
    ColumnRow c;
    c.catalog = text(row.at(0));
    c.schema = text(row.at(1));
    c.table = text(row.at(2));
    c.name = text(row.at(3));
    c.sqlType = row.at(4).isNull() ? SQL_UNKNOWN_TYPE : static_cast<SQLSMALLINT>(row.at(4).toLong());
    c.typeName = text(row.at(5));
    c.columnSize = row.at(6);
    c.decimalDigits = row.at(8);
    c.nullable = row.at(10).isNull() || row.at(10).toLong() != SQL_NO_NULLS;
    // Drivers write a Null default as the word NULL.
    c.defaultValue = text(row.at(12)).compare(u"NULL", Qt::CaseInsensitive) == 0 ? rt::Variant(rt::Null{}) : row.at(12);
    c.ordinal = row.size() > 16 && !row.at(16).isNull() ? row.at(16).toLong() : static_cast<int>(columns.size()) + 1;
    if (matchesOptional(table.catalog, c.catalog) && matchesOptional(table.schema, c.schema) && matches(table.name, c.table) &&
        matches(column, c.name))
      columns.push_back(std::move(c));
  }
  return columns;
}

QStringList primaryKey(const Link& link, const ObjectName& table) {
  const Statement st = link.statement();
  const Argument catalog = catalogArgument(link, table.catalog), schema{table.schema.trimmed()}, name{table.name.trimmed()};
  st.check(SQLPrimaryKeysW(st.handle(), catalog.pointer(), catalog.length(), schema.pointer(), schema.length(),
                           name.pointer(), name.length()));
  std::vector<std::pair<int, QString>> keys;
  for (const auto& row : allRows(st)) keys.emplace_back(row.at(4).isNull() ? 0 : row.at(4).toLong(), text(row.at(3)));
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QStringList names;
  for (const auto& k : keys) names << k.second;
  return names;
}

}  // namespace ado::odbc
