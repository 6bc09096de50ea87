#include "platform/ado/sqlite/SchemaRowsets.h"

#include <algorithm>

#include "platform/ado/Constants.h"
#include "platform/ado/provider/BufferedCursor.h"

namespace ado::sqlite {

namespace {

using Row = std::vector<rt::Variant>;
constexpr int adUnsignedSmallInt = 18, adUnsignedInt = 19;

provider::ColumnInfo column(const char* name, int type, long size = 0) {
  provider::ColumnInfo c;
  c.name = QString::fromLatin1(name);
  c.type = type;
  c.definedSize = size;
  return c;
}

bool allows(const std::vector<rt::Variant>& restrictions, size_t index, const QString& value) {
  if (index >= restrictions.size() || restrictions[index].isEmpty() || restrictions[index].isNull()) return true;
  return restrictions[index].toString().compare(value, Qt::CaseInsensitive) == 0;
}

const QString& dbo() {
  static const QString name = QStringLiteral("dbo");
  return name;
}

// The OLE DB type code a schema rowset reports (ADO's field types 200 and
// 202 are the OLE DB string types 129 and 130).
int oleDbType(int adoType) {
  switch (adoType) {
    case adVarChar: case adLongVarChar: return adChar;
    case adVarWChar: case adLongVarWChar: return adWChar;
    case adVarBinary: case adLongVarBinary: return adBinary;
    default: return adoType;
  }
}

bool isText(int adoType) { return oleDbType(adoType) == adChar || oleDbType(adoType) == adWChar; }

// Tables and views that pass the catalogue, schema and name restrictions,
// sorted by name.
std::vector<const TableDef*> objectsAllowed(const SchemaCache& schema, const std::vector<rt::Variant>& restrictions,
                                            bool catalogMatches) {
  std::vector<const TableDef*> found;
  if (!catalogMatches || !allows(restrictions, 1, dbo())) return found;
  for (const auto& [name, view] : schema.objects())
    if (allows(restrictions, 2, name))
      if (const TableDef* t = schema.table(name)) found.push_back(t);
  std::sort(found.begin(), found.end(), [](const TableDef* a, const TableDef* b) {
    return a->name.compare(b->name, Qt::CaseInsensitive) < 0;
  });
  return found;
}

}  // namespace

std::unique_ptr<provider::Cursor> TablesRowset(const SchemaCache& schema, const QString& catalog,
                                               const std::vector<rt::Variant>& restrictions, bool catalogMatches) {
  std::vector<provider::ColumnInfo> columns{
      column("TABLE_CATALOG", adVarWChar, 128), column("TABLE_SCHEMA", adVarWChar, 128),
      column("TABLE_NAME", adVarWChar, 128),    column("TABLE_TYPE", adVarWChar, 128),
      column("TABLE_GUID", 72 /* adGUID */, 16), column("DESCRIPTION", adVarWChar, 255),
      column("TABLE_PROPID", adUnsignedInt, 4), column("DATE_CREATED", adDate, 8),
      column("DATE_MODIFIED", adDate, 8)};
  std::vector<Row> rows;
  for (const TableDef* t : objectsAllowed(schema, restrictions, catalogMatches)) {
    const QString type = t->isView ? QStringLiteral("VIEW") : QStringLiteral("TABLE");
    if (!allows(restrictions, 3, type)) continue;
    const rt::Variant null = rt::Variant::null();
    rows.push_back(Row{catalog, dbo(), t->name, type, null, null, null, null, null});
  }
  // OLE DB orders the tables rowset by type, then name.
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return *a[3].stringIf() < *b[3].stringIf();
  });
  return std::make_unique<provider::BufferedCursor>(std::move(columns), std::move(rows));
}

std::unique_ptr<provider::Cursor> ColumnsRowset(const SchemaCache& schema, const QString& catalog,
                                                const std::vector<rt::Variant>& restrictions, bool catalogMatches) {
  std::vector<provider::ColumnInfo> columns{
      column("TABLE_CATALOG", adVarWChar, 128), column("TABLE_SCHEMA", adVarWChar, 128),
      column("TABLE_NAME", adVarWChar, 128),     column("COLUMN_NAME", adVarWChar, 128),
      column("ORDINAL_POSITION", adUnsignedInt, 4), column("COLUMN_HASDEFAULT", adBoolean, 2),
      column("COLUMN_DEFAULT", adLongVarWChar, 1073741823), column("IS_NULLABLE", adBoolean, 2),
      column("DATA_TYPE", adUnsignedSmallInt, 2), column("CHARACTER_MAXIMUM_LENGTH", adUnsignedInt, 4),
      column("NUMERIC_PRECISION", adUnsignedSmallInt, 2), column("NUMERIC_SCALE", adSmallInt, 2),
      column("COLLATION_NAME", adVarWChar, 128)};
  std::vector<Row> rows;
  for (const TableDef* t : objectsAllowed(schema, restrictions, catalogMatches)) {
    int32_t position = 0;
    for (const ColumnDef& c : t->columns) {
      ++position;
      if (!allows(restrictions, 3, c.name)) continue;
      const rt::Variant null = rt::Variant::null();
      const bool text = isText(c.type.adoType);
      const bool numeric = c.type.adoType == adNumeric;
      rows.push_back(Row{catalog, dbo(), t->name, c.name, position, c.hasDefault,
                         c.hasDefault ? rt::Variant(c.defaultText) : null, !c.notNull && !c.primaryKey,
                         static_cast<int32_t>(oleDbType(c.type.adoType)),
                         text ? rt::Variant(static_cast<int32_t>(c.type.definedSize)) : null,
                         numeric ? rt::Variant(static_cast<int32_t>(c.type.precision)) : null,
                         numeric ? rt::Variant(static_cast<int32_t>(c.type.scale)) : null,
                         text && !c.collation.isEmpty() ? rt::Variant(c.collation) : null});
    }
  }
  return std::make_unique<provider::BufferedCursor>(std::move(columns), std::move(rows));
}

}  // namespace ado::sqlite
