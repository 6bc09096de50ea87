// Tables and columns of the connected database: tested and added.
#include "data_access/DB_Dll.h"
#include "data_access/DataAccessState.h"
#include "data_access/LookupSql.h"
#include "platform/ado/ConnectionString.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {

rt::StepRunner loggedSteps(const char* rutina) {
  return rt::StepRunner([rutina](const rt::Error& e) {
    return gDB().TratamientoErrores(e, std::nullopt, QString::fromLatin1(rutina));
  });
}

// Walks a schema recordset from its first row for a row whose `column` is
// `name` (trimmed, without regard to case).
bool schemaHolds(ado::Recordset& rows, const QString& column, const QString& name, rt::StepRunner& steps) {
  for (;;) {
    bool atEnd = true, match = false;
    if (!steps.run([&] { atEnd = rows.EOF(); }) || atEnd) return false;
    if (!steps.run([&] {
          match = rt::EqualsText(rt::Trim(rows.Fields(column).Value().toStringOrEmpty()), rt::Trim(name));
        }))
      return false;
    if (match) return true;
    if (!steps.run([&] { rows.MoveNext(); })) return false;
  }
}

}  // namespace

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                      const std::optional<rt::Variant>& ValorDefault) {
  rt::StepRunner steps = loggedSteps("errAddField");
  QString statement;
  const bool oracle = ado::NamesOracle(gConnString);
  if (!steps.run([&] { statement = sql::AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault, oracle); })) return;
  steps.run([&] { EjecutaConsultaSQL(statement); });
}

bool DB_Dll::ExisteTablaDB(const QString& Tabla) {
  rt::StepRunner steps = loggedSteps("VerificaCampos");
  ado::Recordset tables;
  if (!steps.run([&] { tables = gCnn.OpenSchema(ado::adSchemaTables); })) return false;
  return schemaHolds(tables, QStringLiteral("TABLE_NAME"), Tabla, steps);
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo) {
  // Oracle's columns are not asked for: every column counts as present. The
  // provider name says so after the login dialog; a "#" server at start-up
  // leaves it at SQLOLEDB, and only the connection string tells.
  if (rt::InStr(gDB().gProveedor, QStringLiteral("ORACLE"), rt::Compare::Text) > 0 ||
      ado::NamesOracle(gDB().gConnString))
    return true;
  rt::StepRunner steps = loggedSteps("VerificaCampos");
  ado::Recordset columns;
  if (!steps.run([&] {
        columns = gCnn.OpenSchema(ado::adSchemaColumns, {rt::Variant(gDBName), rt::Variant(), rt::Variant(Tabla),
                                                         rt::Variant()});
      }))
    return false;
  return schemaHolds(columns, QStringLiteral("COLUMN_NAME"), Campo, steps);
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                        bool PermiteNulos, const std::optional<rt::Variant>& ValorDefault) {
  if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar)
    AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
  return true;
}

}  // namespace data_access
