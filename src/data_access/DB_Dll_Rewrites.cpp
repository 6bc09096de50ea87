// Per-user synonyms and the Oracle dialect.
#include "data_access/DB_Dll.h"
#include "data_access/DataAccessState.h"
#include "data_access/OracleDialect.h"
#include "data_access/OracleScript.h"
#include "data_access/Synonyms.h"
#include "platform/ado/ConnectionString.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {
// The service's connection as the script runner drives it.
class ServiceScriptConnection : public ScriptConnection {
 public:
  explicit ServiceScriptConnection(const DB_Dll& db, ado::Connection& cnn) : db_(db), cnn_(cnn) {}
  void BeginTrans() override { cnn_.BeginTrans(); }
  void CommitTrans() override { cnn_.CommitTrans(); }
  void RollbackTrans() override { cnn_.RollbackTrans(); }
  long Execute(const QString& statement) override {
    long affected = 0;
    cnn_.Execute(statement, &affected, -1);
    return affected;
  }
  ado::Errors& Errors() override { return cnn_.Errors(); }
  QString Translate(const QString& statement) override { return db_.ORACLE_Dicc(statement); }

 private:
  const DB_Dll& db_;
  ado::Connection& cnn_;
};
}  // namespace

QString DB_Dll::SS_TSinonimos(const QString& SQL) const {
  return RewriteForUser(SQL, {gEsAdmin, gConfidencialidad(), rt::ExecutableName()});
}

QString DB_Dll::ORACLE_Dicc(const QString& Valor) const {
  if (!ado::NamesOracle(gConnString)) return Valor;
  return TranslateToOracle(Valor);
}

void DB_Dll::EjecutaScriptOracle(QString& Script, long& RecordsAffected) {
  ServiceScriptConnection connection(*this, gCnn);
  RunOracleScript(Script, RecordsAffected, connection);
}

}  // namespace data_access
