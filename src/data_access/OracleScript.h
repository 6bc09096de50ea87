#pragma once
// Runs a SQL Server script on Oracle: the script is cut into single
// statements where a keyword of the runner (INSERT, DELETE, UPDATE, CREATE,
// DROP, ALTER, GRANT, SET TRANSACTION, COMMIT, ROLLBACK, IF [NOT] EXISTS,
// BEGIN TRANSACTION) stands as a whole word outside texts, quoted names and
// parentheses, and at the batch separators (GO, ";", SET NOCOUNT ON|OFF);
// each statement runs on its own, in Oracle's dialect, the transaction
// driven here. An IF [NOT] EXISTS and the INSERT, UPDATE or DELETE it
// governs are one statement. Text before the first keyword is no statement.
#include <QString>

#include "platform/ado/Error.h"

namespace data_access {

// What the runner needs of a connection.
class ScriptConnection {
 public:
  virtual ~ScriptConnection() = default;
  virtual void BeginTrans() = 0;
  virtual void CommitTrans() = 0;
  virtual void RollbackTrans() = 0;
  // Runs one statement; returns the rows it touched.
  virtual long Execute(const QString& statement) = 0;
  virtual ado::Errors& Errors() = 0;
  // The statement in the connection's dialect.
  virtual QString Translate(const QString& statement) = 0;
};

// Consumes `script`, adds the rows touched to `recordsAffected`. Errors of
// the connection are not trapped: the first one ends the run. An unclosed
// quote raises 5 before anything runs.
void RunOracleScript(QString& script, long& recordsAffected, ScriptConnection& connection);

}  // namespace data_access
