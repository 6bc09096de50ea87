#pragma once
// Runs a SQL Server script on Oracle: the batch separators and transaction
// statements are normalised, the script is cut into single statements at
// its keywords, and each runs on its own, the transaction driven here.
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
// the connection are not trapped: the first one ends the run.
void RunOracleScript(QString& script, long& recordsAffected, ScriptConnection& connection);

}  // namespace data_access
