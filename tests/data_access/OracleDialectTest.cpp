// SQL Server statements and scripts as they reach an Oracle connection.
#include <gtest/gtest.h>

#include <QStringList>

#include "data_access/DB_Dll.h"
#include "data_access/OracleDialect.h"
#include "data_access/OracleScript.h"
#include "platform/runtime/Error.h"
#include "support/ErrorNumber.h"
#include "support/OracleRecorder.h"
#include "support/Printers.h"

namespace {

using data_access::TranslateToOracle;
using testing_support::ErrorNumberOf;

// A statement and its Oracle text, which translating again leaves as it is.
struct Translation {
  const char* sql;
  const char* oracle;
};

void expectEach(std::initializer_list<Translation> cases) {
  for (const Translation& c : cases) {
    const QString oracle = QString::fromUtf8(c.oracle);
    EXPECT_EQ(TranslateToOracle(c.sql), oracle) << c.sql;
    EXPECT_EQ(TranslateToOracle(oracle), oracle) << "twice: " << c.sql;
  }
}

TEST(OracleDialect, TranslatesEachConstruct) {
  expectEach({
      // Single words: only LEN changes.
      {"len", "LENGTH"},
      {"GETDATE", "GETDATE"},
      {"", ""},
      // Table hints and the owner.
      {"SELECT * FROM T with(nolock)  WHERE A = 1", "SELECT * FROM T   WHERE A = 1"},
      {"SELECT * FROM T WITH (NOLOCK) WHERE A = 1", "SELECT * FROM T  WHERE A = 1"},
      {"SELECT * FROM dbo.T, [dbo].U", "SELECT * FROM T, U"},
      // Functions and names.
      {"SELECT LEN(A), LEN  (B), LEN    (C) FROM T", "SELECT LENGTH(RTRIM(A)), LENGTH(RTRIM(B)), LENGTH(RTRIM(C)) FROM T"},
      {"SELECT * FROM T WHERE (Len(A) < Len(B))", "SELECT * FROM T WHERE (LENGTH(RTRIM(A)) < LENGTH(RTRIM(B)))"},
      {"SELECT [NUMERO ASIENTO], [a]]b] FROM T", "SELECT \"NUMERO ASIENTO\", \"a]b\" FROM T"},
      {"SELECT CHARINDEX('-', A) FROM T", "SELECT INSTR(A, '-') FROM T"},
      {"SELECT CHARINDEX('-', SUBSTRING(A, 2, 5), 3) FROM T", "SELECT INSTR(SUBSTR(A, 2, 5), '-', 3) FROM T"},
      {"SELECT SUBSTRING(A,1,2), ISNULL(B,0) FROM T", "SELECT SUBSTR(A,1,2), NVL(B,0) FROM T"},
      {"SELECT CONVERT(INT, A) FROM T", "SELECT TO_NUMBER( A) FROM T"},
      {"SELECT CONVERT(NVARCHAR, F, 103) FROM T", "SELECT TO_CHAR( F, 'DD/MM/YYYY') FROM T"},
      {"SELECT A FROM T WHERE B = 103", "SELECT A FROM T WHERE B = 103"},
      // Texts are never rewritten from the inside.
      {"SELECT * FROM T WHERE A = 'x [1] top 5 with(nolock) dbo.len(' AND B LIKE '%LAPTOP %'",
       "SELECT * FROM T WHERE A = 'x [1] top 5 with(nolock) dbo.len(' AND B LIKE '%LAPTOP %'"},
      // The trigger statements.
      {"ALTER TABLE MV_ASIENTOS DISABLE TRIGGER ALL", "ALTER TABLE MV_ASIENTOS DISABLE ALL TRIGGERS"},
      {"alter table T enable trigger all", "alter table T enable ALL TRIGGERS"},
      // Date literals: each its own TO_DATE, with four-digit year and time.
      {"SELECT * FROM T WHERE F = '01/07/2005' AND C = 'FC'",
       "SELECT * FROM T WHERE F = TO_DATE('01/07/2005','DD/MM/YYYY') AND C = 'FC'"},
      {"SELECT * FROM T WHERE A = '01/07/2005' OR B = '01/07/2005' OR C = '01/07/2005'",
       "SELECT * FROM T WHERE A = TO_DATE('01/07/2005','DD/MM/YYYY') OR B = TO_DATE('01/07/2005','DD/MM/YYYY') OR "
       "C = TO_DATE('01/07/2005','DD/MM/YYYY')"},
      {"SELECT * FROM T WHERE F >= '1/7/05' AND F <= '01/07/2005 23:59:59'",
       "SELECT * FROM T WHERE F >= TO_DATE('01/07/2005','DD/MM/YYYY') AND F <= TO_DATE('01/07/2005 23:59:59',"
       "'DD/MM/YYYY HH24:MI:SS')"},
      {"INSERT INTO T (F, G, H) VALUES ('15/03/24 14:05', '31/12/49', N'1/1/50')",
       "INSERT INTO T (F, G, H) VALUES (TO_DATE('15/03/2024 14:05:00','DD/MM/YYYY HH24:MI:SS'), "
       "TO_DATE('31/12/2049','DD/MM/YYYY'), TO_DATE('01/01/1950','DD/MM/YYYY'))"},
      // Only d/m/yy or d/m/yyyy with an optional time is a date.
      {"SELECT * FROM T WHERE A IN ('10:30', '1.2.10', '10-11-12', '31/02/2006', '1/7', '01/07/2005 25:00', "
       "' 01/07/2005')",
       "SELECT * FROM T WHERE A IN ('10:30', '1.2.10', '10-11-12', '31/02/2006', '1/7', '01/07/2005 25:00', "
       "' 01/07/2005')"},
      {"SELECT * FROM T WHERE F = TO_DATE('01/07/2005','DD/MM/YYYY') AND D LIKE '01/07/2005%'",
       "SELECT * FROM T WHERE F = TO_DATE('01/07/2005','DD/MM/YYYY') AND D LIKE '01/07/2005%'"},
      // Comparisons with the empty text, in conditions only.
      {"SELECT * FROM T WHERE A = '' AND B='' ", "SELECT * FROM T WHERE RTRIM(A) IS NULL AND RTRIM(B) IS NULL "},
      {"SELECT * FROM T INNER JOIN U ON T.A = '' WHERE B = ''",
       "SELECT * FROM T INNER JOIN U ON RTRIM(T.A) IS NULL WHERE RTRIM(B) IS NULL"},
      {"SELECT * FROM T WHERE CONTACTO <> '' OR B != '' OR LTRIM(RTRIM(C)) = '    '",
       "SELECT * FROM T WHERE RTRIM(CONTACTO) IS NOT NULL OR RTRIM(B) IS NOT NULL OR RTRIM(LTRIM(RTRIM(C))) IS NULL"},
      {"SELECT CASE WHEN A = '' THEN '' ELSE A END FROM T GROUP BY A HAVING MAX(B) <> ''",
       "SELECT CASE WHEN RTRIM(A) IS NULL THEN '' ELSE A END FROM T GROUP BY A HAVING RTRIM(MAX(B)) IS NOT NULL"},
      {"UPDATE T SET A = '', B = (SELECT C FROM U WHERE D = '') WHERE E = ''",
       "UPDATE T SET A = '', B = (SELECT C FROM U WHERE RTRIM(D) IS NULL) WHERE RTRIM(E) IS NULL"},
      {"INSERT INTO T (A, B) VALUES ('', 'x ')", "INSERT INTO T (A, B) VALUES ('', 'x ')"},
      {"SELECT * FROM T WHERE A + B = '' OR C = '' + D", "SELECT * FROM T WHERE A + B = '' OR C = '' + D"},
      // A text compared whole loses its trailing blanks.
      {"SELECT * FROM T WHERE (U = 'admin ') AND 'FC  ' = TC AND V = 'a ' + W AND X LIKE 'b %'",
       "SELECT * FROM T WHERE (U = 'admin') AND 'FC' = TC AND V = 'a ' + W AND X LIKE 'b %'"},
      // LIKE escapes.
      {"SELECT * FROM T WHERE P LIKE '%importar[_]tavernix%' AND Q LIKE '[[]1[%]\\'",
       "SELECT * FROM T WHERE P LIKE '%importar\\_tavernix%' ESCAPE '\\' AND Q LIKE '[1\\%\\\\' ESCAPE '\\'"},
      {"SELECT * FROM T WHERE P LIKE 'a\\_%' AND Q LIKE '[_]!%' ESCAPE '!'",
       "SELECT * FROM T WHERE P LIKE 'a\\_%' AND Q LIKE '[_]!%' ESCAPE '!'"},
  });
}

TEST(OracleDialect, LimitsTheRowsAQueryGives) {
  expectEach({
      // Without ordering: ROWNUM in the WHERE, the condition kept whole.
      {"SELECT TOP 1  * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='1'",
       "SELECT  * FROM T   WHERE (LTRIM(RTRIM(C)) ='1') AND ROWNUM <= 1"},
      {"SELECT TOP 5 * FROM T WHERE A = 1 OR B = 2", "SELECT * FROM T WHERE (A = 1 OR B = 2) AND ROWNUM <= 5"},
      {"select  top 1 * from AUX_ERR  with(nolock) ", "select * from AUX_ERR WHERE ROWNUM <= 1   "},
      {"SELECT TOP (3) A FROM T", "SELECT A FROM T WHERE ROWNUM <= 3"},
      // Sorted, grouped or distinct rows: the limit takes them as sorted.
      {"SELECT TOP 5 * FROM T WHERE A = 1 ORDER BY B",
       "SELECT * FROM (SELECT * FROM T WHERE A = 1 ORDER BY B) WHERE ROWNUM <= 5"},
      {"SELECT TOP 3 A, COUNT(*) FROM T GROUP BY A ORDER BY A",
       "SELECT * FROM (SELECT A, COUNT(*) FROM T GROUP BY A ORDER BY A) WHERE ROWNUM <= 3"},
      {"SELECT DISTINCT TOP 2 A FROM T", "SELECT * FROM (SELECT DISTINCT A FROM T) WHERE ROWNUM <= 2"},
      {"SELECT TOP 10 PERCENT A FROM T ORDER BY A",
       "SELECT * FROM (SELECT A FROM T ORDER BY A) WHERE ROWNUM <= (SELECT CEIL(COUNT(*) * 10 / 100) FROM "
       "(SELECT A FROM T ORDER BY A))"},
      // TOP 100 PERCENT is every row; in a subquery its ORDER BY goes too.
      {"SELECT TOP 100 PERCENT A FROM T ORDER BY A", "SELECT A FROM T ORDER BY A"},
      {"SELECT A FROM T WHERE B IN (SELECT TOP 100 PERCENT C FROM U ORDER BY C)",
       "SELECT A FROM T WHERE B IN (SELECT C FROM U )"},
      // Nested: a scalar TOP 1 x ... ORDER BY x DESC is MAX(x); any other
      // is wrapped where it stands.
      {"SELECT A, (SELECT TOP 1 X FROM U WHERE U.K < T.K ORDER BY X DESC) AS M FROM T",
       "SELECT A, (SELECT MAX(X) FROM U WHERE U.K < T.K ) AS M FROM T"},
      {"SELECT A FROM T WHERE B IN (SELECT TOP 1 X FROM U ORDER BY X DESC)",
       "SELECT A FROM T WHERE B IN (SELECT * FROM (SELECT X FROM U ORDER BY X DESC) WHERE ROWNUM <= 1)"},
      {"SELECT A, (SELECT TOP 1 Y FROM U ORDER BY X DESC) FROM T",
       "SELECT A, (SELECT * FROM (SELECT Y FROM U ORDER BY X DESC) WHERE ROWNUM <= 1) FROM T"},
      {"SELECT TOP 2 A FROM (SELECT TOP 5 A FROM T ORDER BY A) X",
       "SELECT A FROM (SELECT * FROM (SELECT A FROM T ORDER BY A) WHERE ROWNUM <= 5) X WHERE ROWNUM <= 2"},
  });
}

TEST(OracleDialect, AConditionedStatementBecomesOneStatement) {
  expectEach({
      {"IF NOT EXISTS (SELECT * FROM T WHERE A = 1) INSERT INTO T (A) VALUES (1)",
       "INSERT INTO T (A) SELECT 1 FROM DUAL WHERE NOT EXISTS (SELECT * FROM T WHERE A = 1)"},
      {"if exists(select * from T where A = 1) UPDATE T set B = 2 where A = 1",
       "UPDATE T set B = 2 where (A = 1) AND exists(select * from T where A = 1)"},
      {"IF EXISTS (SELECT 1 FROM U) DELETE FROM T", "DELETE FROM T WHERE EXISTS (SELECT 1 FROM U)"},
      {"IF NOT EXISTS (SELECT 1 FROM T) INSERT INTO T SELECT A FROM U",
       "INSERT INTO T SELECT * FROM (SELECT A FROM U) WHERE NOT EXISTS (SELECT 1 FROM T)"},
  });
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
  for (const char* sql : {"SELECT * FROM T WHERE A = 'x", "SELECT [A FROM T"}) {
    try {
      TranslateToOracle(sql);
      ADD_FAILURE() << "an unclosed quote was translated: " << sql;
    } catch (const rt::Error& e) {
      EXPECT_EQ(e.Number(), 5);
    }
  }
}

TEST(OracleDialect, DropsStatementsWithoutOracleMeaning) {
  EXPECT_EQ(data_access::DescartaSentenciaNoOracle("set nocount on"), "");
  EXPECT_EQ(data_access::DescartaSentenciaNoOracle("IF NOT EXISTS (SELECT 1 FROM T)"), "");
  EXPECT_EQ(data_access::DescartaSentenciaNoOracle("INSERT INTO T VALUES (1)"), "INSERT INTO T VALUES (1)");
  EXPECT_EQ(data_access::DescartaSentenciaNoOracle("INSERT INTO T VALUES ('IF NOT EXISTS', 'SET NOCOUNT')"),
            "INSERT INTO T VALUES ('IF NOT EXISTS', 'SET NOCOUNT')");
}

using testing_support::OracleRecorder;

QStringList run(const QString& script, long* affected = nullptr) { return OracleRecorder().run(script, affected); }

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
  EXPECT_EQ(run("SET NOCOUNT ON GO DELETE FROM T GO"), QStringList({"DELETE FROM T"}));
  EXPECT_EQ(run("BEGIN TRAN; DELETE FROM T; COMMIT WORK"), QStringList({"BEGIN", "DELETE FROM T", "COMMIT"}));
}

TEST(OracleScript, OnlyWholeKeywordsOutsideTextsNamesAndParenthesesCut) {
  EXPECT_EQ(run("INSERT INTO A VALUES ('x DELETE y')"), QStringList({"INSERT INTO A VALUES ('x DELETE y')"}));
  EXPECT_EQ(run("UPDATE T SET COMMITTED = 1, [ALTER ] = 'SALTER SA', \"GRANT \" = 'THE COMMITTEE SRL'"),
            QStringList({"UPDATE T SET COMMITTED = 1, \"ALTER \" = 'SALTER SA', \"GRANT \" = 'THE COMMITTEE SRL'"}));
  EXPECT_EQ(run("ALTER TABLE T ADD CONSTRAINT F FOREIGN KEY (A) REFERENCES U (A) ON DELETE CASCADE\r\n"
                "GRANT SELECT ON T TO V WITH GRANT OPTION"),
            QStringList({"ALTER TABLE T ADD CONSTRAINT F FOREIGN KEY (A) REFERENCES U (A) ON DELETE CASCADE",
                         "GRANT SELECT ON T TO V WITH GRANT OPTION"}));
  // A line break or a comment between two words is a blank; inside a text
  // it stays.
  EXPECT_EQ(run("INSERT INTO T (A)\r\n-- the note\r\nVALUES ('a\r\nb')"),
            QStringList({"INSERT INTO T (A) VALUES ('a\r\nb')"}));
  // An INSERT, UPDATE or DELETE under IF [NOT] EXISTS runs as one
  // statement; anything else under IF NOT EXISTS runs alone.
  EXPECT_EQ(run("IF NOT EXISTS (SELECT * FROM T WHERE A = 1) INSERT INTO T VALUES (1)"),
            QStringList({"INSERT INTO T SELECT 1 FROM DUAL WHERE NOT EXISTS (SELECT * FROM T WHERE A = 1)"}));
  EXPECT_EQ(run("IF NOT EXISTS (SELECT * FROM U) CREATE TABLE U (A INT)"), QStringList({"CREATE TABLE U (A INT)"}));
  // Text before the first keyword is no statement.
  EXPECT_EQ(run("SELECT 1 INSERT INTO T VALUES (1)"), QStringList({"INSERT INTO T VALUES (1)"}));
  EXPECT_EQ(run("SELECT 1"), QStringList());
  // An unclosed text is an invalid argument before anything runs.
  OracleRecorder unclosed;
  EXPECT_EQ(ErrorNumberOf([&] { unclosed.run("INSERT INTO A VALUES (1) INSERT INTO B VALUES ('x)"); }),
            rt::err::InvalidCall);
  EXPECT_EQ(unclosed.calls, QStringList());
}

TEST(OracleScript, FirstFailureEndsTheRun) {
  OracleRecorder cnn;
  QString script = "BEGIN TRANSACTION INSERT INTO FALLA VALUES (1) INSERT INTO B VALUES (2) COMMIT TRANSACTION";
  long affected = 0;
  EXPECT_THROW(data_access::RunOracleScript(script, affected, cnn), rt::Error);
  EXPECT_EQ(cnn.calls, QStringList({"BEGIN", "INSERT INTO FALLA VALUES (1)"}));
}

TEST(OracleScript, ClearsOnlyALoneInformationalEntry) {
  OracleRecorder lone;
  lone.errors.Add({265929, "info", {}, {}, 0});
  lone.run("DELETE FROM T");
  EXPECT_EQ(lone.errors.Count(), 0);

  OracleRecorder two;
  two.errors.Add({265929, "info", {}, {}, 0});
  two.errors.Add({-2147217873, "duplicate", {}, {}, 2627});
  two.run("DELETE FROM T");
  EXPECT_EQ(two.errors.Count(), 2);
}

}  // namespace
