#include "platform/ado/odbc/OdbcSchema.h"

#include <sqlext.h>

#include "platform/ado/Constants.h"
#include "platform/ado/odbc/Catalog.h"
#include "platform/ado/odbc/ColumnTypes.h"
#include "platform/ado/odbc/Link.h"
#include "platform/ado/odbc/ResultReader.h"

namespace ado::odbc {

namespace {

QString restriction(const std::vector<rt::Variant>& restrictions, size_t index) {
  if (index >= restrictions.size()) return QString();
  return restrictions[index].toStringOrEmpty().trimmed();
}

rt::Variant textOrNull(const QString& text) { return text.isEmpty() ? rt::Variant(rt::Null{}) : rt::Variant(text); }

std::vector<provider::ColumnInfo> describe(std::initializer_list<std::pair<const char*, int>> columns) {
  std::vector<provider::ColumnInfo> infos;
  for (const auto& [name, type] : columns) {
    provider::ColumnInfo c;
    c.name = QString::fromLatin1(name);
    c.type = type;
    infos.push_back(c);
  }
  return infos;
}

}  // namespace

std::unique_ptr<provider::Cursor> tablesSchema(const Link& link, const std::vector<rt::Variant>& restrictions) {
  const ObjectName table{restriction(restrictions, 0), restriction(restrictions, 1), restriction(restrictions, 2)};
  std::vector<std::vector<rt::Variant>> rows;
  for (const TableRow& t : catalogTables(link, table, restriction(restrictions, 3)))
    rows.push_back({textOrNull(t.catalog), textOrNull(t.schema), t.name, t.type, rt::Null{}, textOrNull(t.remarks), rt::Null{},
                    rt::Null{}, rt::Null{}});
  return std::make_unique<BufferedRows>(
      describe({{"TABLE_CATALOG", adVarWChar}, {"TABLE_SCHEMA", adVarWChar}, {"TABLE_NAME", adVarWChar},
                {"TABLE_TYPE", adVarWChar}, {"TABLE_GUID", adGUID}, {"DESCRIPTION", adVarWChar}, {"TABLE_PROPID", adInteger},
                {"DATE_CREATED", adDate}, {"DATE_MODIFIED", adDate}}),
      std::move(rows));
}

std::unique_ptr<provider::Cursor> columnsSchema(const Link& link, const std::vector<rt::Variant>& restrictions) {
  const ObjectName table{restriction(restrictions, 0), restriction(restrictions, 1), restriction(restrictions, 2)};
  std::vector<std::vector<rt::Variant>> rows;
  for (const ColumnRow& c : catalogColumns(link, table, restriction(restrictions, 3))) {
    const SQLULEN size = c.columnSize.isNull() ? 0 : static_cast<SQLULEN>(std::max(c.columnSize.toLong(), 0));
    // SQL Server's tinyint is unsigned, as ADO reports it.
    const bool isUnsigned = c.sqlType == SQL_TINYINT && link.dbms() == Dbms::SqlServer;
    const ColumnType type = columnType(c.sqlType, c.typeName, size, isUnsigned);
    const bool characters = type.kind == ValueKind::Text || type.kind == ValueKind::Binary;
    const bool numeric = type.kind == ValueKind::SmallInteger || type.kind == ValueKind::Integer ||
                         type.kind == ValueKind::Double || type.kind == ValueKind::Exact;
    rows.push_back({textOrNull(c.catalog), textOrNull(c.schema), c.table, c.name, static_cast<int32_t>(c.ordinal),
                    !c.defaultValue.isNull(), c.defaultValue, c.nullable, static_cast<int16_t>(type.adoType),
                    characters ? rt::Variant(static_cast<int32_t>(size)) : rt::Variant(rt::Null{}),
                    numeric ? rt::Variant(static_cast<int16_t>(size)) : rt::Variant(rt::Null{}),
                    type.kind == ValueKind::Exact && !c.decimalDigits.isNull()
                        ? rt::Variant(static_cast<int16_t>(c.decimalDigits.toLong()))
                        : rt::Variant(rt::Null{}),
                    rt::Null{}});
  }
  return std::make_unique<BufferedRows>(
      describe({{"TABLE_CATALOG", adVarWChar}, {"TABLE_SCHEMA", adVarWChar}, {"TABLE_NAME", adVarWChar},
                {"COLUMN_NAME", adVarWChar}, {"ORDINAL_POSITION", adInteger}, {"COLUMN_HASDEFAULT", adBoolean},
                {"COLUMN_DEFAULT", adVarWChar}, {"IS_NULLABLE", adBoolean}, {"DATA_TYPE", adSmallInt},
                {"CHARACTER_MAXIMUM_LENGTH", adInteger}, {"NUMERIC_PRECISION", adSmallInt}, {"NUMERIC_SCALE", adSmallInt},
                {"DESCRIPTION", adVarWChar}}),
      std::move(rows));
}

}  // namespace ado::odbc
