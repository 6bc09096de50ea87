// SQL Server statements and scripts as they reach an Oracle connection.
#include <gtest/gtest.h>

#include <QStringList>

#include "data_access/DB_Dll.h"
#include "data_access/OracleDialect.h"
#include "data_access/OracleScript.h"
#include "platform/runtime/Error.h"
#include "support/Printers.h"

namespace {

using data_access::TranslateToOracle;

TEST(OracleDialect, TranslatesEachConstruct) {
  struct Case {
    const char* sql;
    const char* oracle;
  };
  const Case cases[] = {
      // Single words: only LEN changes.
      {"len", "LENGTH"},
      {"GETDATE", "GETDATE"},
      {"", ""},
      // Table hints.
      {"SELECT * FROM T with(nolock)  WHERE A = 1", "SELECT * FROM T   WHERE A = 1"},
      {"SELECT * FROM T WITH (NOLOCK) WHERE A = 1", "SELECT * FROM T  WHERE A = 1"},
      // Row limit before the ordering; GROUP BY runs to the end.
      {"SELECT TOP 5 * FROM T WHERE A = 1 ORDER BY B", "SELECT  * FROM T WHERE A = 1    AND ROWNUM <= 5  ORDER BY B"},
      {"SELECT TOP 3 A, COUNT(*) FROM T GROUP BY A ORDER BY A",
       "SELECT  A, COUNT(*) FROM T    WHERE ROWNUM <= 3  GROUP BY A ORDER BY A "},
      {"SELECT TOP 1  * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='1'",
       "SELECT  * FROM T   WHERE LTRIM(RTRIM(C)) ='1'  AND ROWNUM <= 1  "},
      // Functions and names.
      {"SELECT LEN(A), LEN  (B), LEN    (C) FROM T", "SELECT LENGTH(A), LENGTH(B), LENGTH(C) FROM T"},
      {"SELECT [NUMERO ASIENTO] FROM T", "SELECT \"NUMERO ASIENTO\" FROM T"},
      {"SELECT CHARINDEX('-', A) FROM T", "SELECT InStr('-', A) FROM T"},
      {"SELECT SUBSTRING(A,1,2), ISNULL(B,0) FROM T", "SELECT SUBSTR(A,1,2), NVL(B,0) FROM T"},
      {"SELECT CONVERT(INT, A) FROM T", "SELECT TO_NUMBER( A) FROM T"},
      {"SELECT CONVERT(NVARCHAR, F, 103) FROM T", "SELECT TO_CHAR( F, 'DD/MM/YYYY') FROM T"},
      {"SELECT A FROM T WHERE B = 103", "SELECT A FROM T WHERE B = 103"},
      // Date literals, once.
      {"SELECT * FROM T WHERE F = '01/07/2005' AND C = 'FC'",
       "SELECT * FROM T WHERE F = TO_DATE('01/07/2005','DD/MM/YYYY') AND C = 'FC'"},
      {"SELECT * FROM T WHERE F >= '1/7/05'", "SELECT * FROM T WHERE F >= TO_DATE('01/07/2005','DD/MM/YYYY')"},
      {"SELECT * FROM T WHERE F = TO_DATE('01/07/2005','DD/MM/YYYY')",
       "SELECT * FROM T WHERE F = TO_DATE('01/07/2005','DD/MM/YYYY')"},
      // Empty texts after the first WHERE.
      {"SELECT * FROM T WHERE A = '' AND B='' ", "SELECT * FROM T WHERE A  IS NULL  AND B IS NULL  "},
      {"SELECT * FROM T INNER JOIN U ON T.A = '' WHERE B = ''", "SELECT * FROM T INNER JOIN U ON T.A = '' WHERE B  IS NULL "},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateToOracle(c.sql), QString::fromUtf8(c.oracle)) << c.sql;
}

TEST(OracleDialect, OnlyOnOracleConnections) {
  data_access::DB_Dll db;
  const QString sql = "SELECT ISNULL(A,0) FROM T with(nolock) ";
  EXPECT_EQ(db.ORACLE_Dicc(sql), sql);
  db.gConnString = "PROVIDER=SQLOLEDB;Server=srv;Database =KORANET;UId=sa;Pwd=;";
  EXPECT_EQ(db.ORACLE_Dicc(sql), sql);
  db.gConnString = "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=vx;Password=;";
  EXPECT_EQ(db.ORACLE_Dicc(sql), "SELECT NVL(A,0) FROM T  ");
}

TEST(OracleDialect, OddApostrophesAreAnInvalidArgument) {
  try {
    TranslateToOracle("SELECT * FROM T WHERE A = 'x");
    ADD_FAILURE() << "an unclosed quote was translated";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), 5);
  }
}

TEST(OracleDialect, DropsStatementsWithoutOracleMeaning) {
  EXPECT_EQ(data_access::DescartaSentenciaNoOracle("set nocount on"), "");
  EXPECT_EQ(data_access::DescartaSentenciaNoOracle("IF NOT EXISTS (SELECT 1 FROM T)"), "");
  EXPECT_EQ(data_access::DescartaSentenciaNoOracle("INSERT INTO T VALUES (1)"), "INSERT INTO T VALUES (1)");
}

// Records what the runner asks of the connection; every statement touches
// one row, a statement holding "FALLA" fails.
class RecordingConnection : public data_access::ScriptConnection {
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
  QString Translate(const QString& statement) override { return TranslateToOracle(statement); }
};

QStringList run(const QString& script, long* affected = nullptr, RecordingConnection* connection = nullptr) {
  RecordingConnection own;
  RecordingConnection& cnn = connection ? *connection : own;
  QString text = script;
  long count = 0;
  data_access::RunOracleScript(text, affected ? *affected : count, cnn);
  return cnn.calls;
}

TEST(OracleScript, SplitsAtKeywordsAndDrivesTheTransaction) {
  long affected = 10;
  EXPECT_EQ(run("BEGIN TRANSACTION\r\nGO\r\nINSERT INTO A VALUES (1)\r\nGO\r\nINSERT INTO B VALUES (2)\r\nGO\r\n"
                "COMMIT TRANSACTION",
                &affected),
            QStringList({"BEGIN", "INSERT INTO A VALUES (1)", "INSERT INTO B VALUES (2)", "COMMIT"}));
  EXPECT_EQ(affected, 12);

  // The batch runner's script: statements on lines of their own.
  EXPECT_EQ(run("BEGIN TRANSACTION \r\rINSERT INTO A VALUES (1)\rUPDATE B SET C = ISNULL(D,0)\r"),
            QStringList({"BEGIN", "INSERT INTO A VALUES (1)", "UPDATE B SET C = NVL(D,0)"}));
  EXPECT_EQ(run("rollback transaction"), QStringList({"ROLLBACK"}));
  EXPECT_EQ(run("SET NOCOUNT ON GO DELETE FROM T GO"), QStringList({"DELETE FROM T GO"}));
}

TEST(OracleScript, KeywordsCutStatementsWhereverTheyStand) {
  // Cut inside a quoted text, the statement fails before anything runs.
  RecordingConnection quoted;
  QString script = "INSERT INTO A VALUES ('x DELETE y')";
  long affected = 0;
  EXPECT_THROW(data_access::RunOracleScript(script, affected, quoted), rt::Error);
  EXPECT_EQ(quoted.calls, QStringList());
  EXPECT_EQ(run("UPDATE T SET COMMITTED = 1"), QStringList({"UPDATE T SET", "COMMITTED = 1"}));
  EXPECT_EQ(run("IF NOT EXISTS (SELECT * FROM T WHERE A = 1) INSERT INTO T VALUES (1)"),
            QStringList({"INSERT INTO T VALUES (1)"}));
  // Text before the first keyword is no statement.
  EXPECT_EQ(run("SELECT 1 INSERT INTO T VALUES (1)"), QStringList({"INSERT INTO T VALUES (1)"}));
  EXPECT_EQ(run("SELECT 1"), QStringList());
}

TEST(OracleScript, FirstFailureEndsTheRun) {
  RecordingConnection cnn;
  QString script = "BEGIN TRANSACTION INSERT INTO FALLA VALUES (1) INSERT INTO B VALUES (2) COMMIT TRANSACTION";
  long affected = 0;
  EXPECT_THROW(data_access::RunOracleScript(script, affected, cnn), rt::Error);
  EXPECT_EQ(cnn.calls, QStringList({"BEGIN", "INSERT INTO FALLA VALUES (1)"}));
}

TEST(OracleScript, ClearsOnlyALoneInformationalEntry) {
  RecordingConnection lone;
  lone.errors.Add({265929, "info", {}, {}, 0});
  run("DELETE FROM T", nullptr, &lone);
  EXPECT_EQ(lone.errors.Count(), 0);

  RecordingConnection two;
  two.errors.Add({265929, "info", {}, {}, 0});
  two.errors.Add({-2147217873, "duplicate", {}, {}, 2627});
  run("DELETE FROM T", nullptr, &two);
  EXPECT_EQ(two.errors.Count(), 2);
}

}  // namespace
