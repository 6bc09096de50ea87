#pragma once
// A connection for the Oracle script runner that records what it is asked:
// "BEGIN", "COMMIT", "ROLLBACK" and each statement as it would reach
// Oracle. Every statement touches one row; one holding "FALLA" fails.
#include <QStringList>

#include "data_access/OracleDialect.h"
#include "data_access/OracleScript.h"
#include "platform/runtime/Error.h"

namespace testing_support {

class OracleRecorder : public data_access::ScriptConnection {
 public:
  QStringList calls;
  ado::Errors errors;

  void BeginTrans() override { calls << "BEGIN"; }
  void CommitTrans() override { calls << "COMMIT"; }
  void RollbackTrans() override { calls << "ROLLBACK"; }
  long Execute(const QString& statement) override {
    calls << statement;
    if (statement.contains("FALLA")) throw rt::Error(-2147217900, "Incorrect syntax");
    return 1;
  }
  ado::Errors& Errors() override { return errors; }
  QString Translate(const QString& statement) override { return data_access::TranslateToOracle(statement); }

  // What the runner asks for `script`.
  QStringList run(const QString& script, long* affected = nullptr) {
    QString text = script;
    long count = 0;
    data_access::RunOracleScript(text, affected ? *affected : count, *this);
    return calls;
  }
};

}  // namespace testing_support
