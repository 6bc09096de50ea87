#pragma once
// The tables (adSchemaTables, 20) and columns (adSchemaColumns, 4) schemas
// with ADO's column names, from SQLTables and SQLColumns. Restrictions, in
// ADO's order, are exact names without regard to case; Empty, Null or a
// blank text restricts nothing.
//   20: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE; columns
//       TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE, TABLE_GUID,
//       DESCRIPTION, TABLE_PROPID, DATE_CREATED, DATE_MODIFIED.
//    4: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME; columns
//       TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, ORDINAL_POSITION,
//       COLUMN_HASDEFAULT, COLUMN_DEFAULT, IS_NULLABLE, DATA_TYPE (ADO type
//       code), CHARACTER_MAXIMUM_LENGTH, NUMERIC_PRECISION, NUMERIC_SCALE,
//       DESCRIPTION.
#include <memory>
#include <vector>

#include "platform/ado/provider/Provider.h"

namespace ado::odbc {

class Link;

std::unique_ptr<provider::Cursor> tablesSchema(const Link& link, const std::vector<rt::Variant>& restrictions);
std::unique_ptr<provider::Cursor> columnsSchema(const Link& link, const std::vector<rt::Variant>& restrictions);

}  // namespace ado::odbc
