// libFuzzer target: any text as the statement whose result columns are typed
// without a row. The reader follows the text, its views and subqueries on its
// own; whatever the text, it answers with a type or none, and never runs away.
#include <sqlite3.h>

#include <QString>

#include "platform/ado/sqlite/ExpressionTypes.h"
#include "platform/ado/sqlite/SchemaCache.h"

namespace {

// A table with every kind of declared column, a view with computed columns
// over it, another view over that one, and two views that read each other
// (SQLite takes them, refusing them only when they are used).
sqlite3* FuzzDatabase() {
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  sqlite3_exec(db,
               "CREATE TABLE TIPOS (CODIGO VARCHAR(25), NOTA TEXT, CANTIDAD INT, GRANDE BIGINT, ACTIVO BIT,"
               " IMPORTE MONEY, TASA DECIMAL(18,4), FECHA DATETIME, OTRA);"
               "CREATE VIEW VISTA AS SELECT CODIGO, CANTIDAD * 1.0 AS DOBLE, UPPER(NOTA) AS N FROM TIPOS;"
               "CREATE VIEW VISTA2 AS SELECT CODIGO, DOBLE, (SELECT MAX(FECHA) FROM TIPOS) AS F FROM VISTA;"
               "CREATE VIEW IDA AS SELECT 1 AS X;"
               "CREATE VIEW VUELTA AS SELECT X FROM IDA;"
               "DROP VIEW IDA;"
               "CREATE VIEW IDA AS SELECT X FROM VUELTA;",
               nullptr, nullptr, nullptr);
  return db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static sqlite3* db = FuzzDatabase();
  static const ado::sqlite::SchemaCache schema(db);
  if (size == 0) return 0;
  // The first byte is how many columns the result has.
  const size_t columns = data[0] % 8;
  const QString sql = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  ado::sqlite::ExpressionTypes(sql, columns, schema);
  return 0;
}
