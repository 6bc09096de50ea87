#pragma once
// The schema rowsets the program opens: tables (TABLE_NAME, TABLE_TYPE
// "TABLE" or "VIEW") and columns (COLUMN_NAME, ORDINAL_POSITION, DATA_TYPE
// as OLE DB type codes ...). Restrictions, in order: catalogue, schema
// ("dbo"), table name, and table type or column name; an Empty or Null
// restriction lets everything through.
#include <memory>
#include <vector>

#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/SchemaCache.h"

namespace ado::sqlite {

// `catalog` is the database's name; `catalogMatches` whether the catalogue
// restriction names this database.
std::unique_ptr<provider::Cursor> TablesRowset(const SchemaCache& schema, const QString& catalog,
                                               const std::vector<rt::Variant>& restrictions, bool catalogMatches);
std::unique_ptr<provider::Cursor> ColumnsRowset(const SchemaCache& schema, const QString& catalog,
                                                const std::vector<rt::Variant>& restrictions, bool catalogMatches);

}  // namespace ado::sqlite
