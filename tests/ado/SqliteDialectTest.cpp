// The program's own statements, in SQL Server's dialect, on the embedded
// database: these need the dialect translator.
#include <gtest/gtest.h>

#include "platform/ado/Connection.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;
namespace errnum = ado::errnum;

namespace {

class SqliteDialectTest : public SuiteDatabaseTest {
 protected:
  // Runs a statement that must fail; returns the runtime error's number.
  long failing(const QString& sql) {
    try {
      cn.Execute(sql);
    } catch (const rt::Error& e) {
      return e.Number();
    }
    ADD_FAILURE() << "no error from " << sql.toStdString();
    return 0;
  }
  rt::Variant count(const char* table) {
    return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)));
  }
};

}  // namespace

TEST_F(SqliteDialectTest, TheErrorTableTakesARowThroughItsUpdatableRecordset) {
  ado::Recordset rs;
  rs.Open(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), cn, ado::adOpenDynamic, ado::adLockOptimistic);
  rs.AddNew();
  rs[QStringLiteral("Proceso")] = rt::Variant("importar_tavernix");
  rs[QStringLiteral("Fecha")] = rt::Variant("01/07/05 13:45");
  rs[QStringLiteral("Error")] = rt::Variant(2627);
  rs[QStringLiteral("Descripcion")] = rt::Variant("");
  rs[QStringLiteral("SQL")] = rt::Variant("BEGIN TRANSACTION \r\r\r...\r");
  rs[QStringLiteral("PC")] = rt::Variant("caja1");
  rs[QStringLiteral("Usuario")] = rt::Variant("sa");
  rs.Update();
  rs.Close();
  EXPECT_EQ(count("AUX_ERR"), rt::Variant(1));
  EXPECT_EQ(scalar(QStringLiteral("SELECT 'x' || Fecha FROM AUX_ERR")), rt::Variant("x2005-07-01 13:45:00"));
}

TEST_F(SqliteDialectTest, AFailingBatchStopsAndItsRollbackLeavesNothing) {
  const QString script = QStringLiteral(
      "BEGIN TRANSACTION \r\r\rINSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('A', '1')\r"
      "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('a', '2')\r"
      "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('B', '3')\r");
  EXPECT_EQ(failing(script), errnum::Integrity);
  ASSERT_EQ(cn.Errors().Count(), 2);
  EXPECT_EQ(cn.Errors()[0].NativeError, 2627);
  EXPECT_EQ(cn.Errors()[1].NativeError, 3621);
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION WHERE CLAVE = 'B'")), rt::Variant(0))
      << "the script stopped at the failing statement";
  cn.Execute(QStringLiteral("ROLLBACK TRANSACTION"));
  EXPECT_EQ(count("TA_CONFIGURACION"), rt::Variant(0));
}

TEST_F(SqliteDialectTest, TransactionStatementsShareTheCounter) {
  cn.Execute(QStringLiteral("BEGIN TRANSACTION"));
  cn.Execute(QStringLiteral("BEGIN TRAN INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('A')"));
  cn.Execute(QStringLiteral("COMMIT TRANSACTION"));
  cn.Execute(QStringLiteral("ROLLBACK TRANSACTION"));
  EXPECT_EQ(count("TA_CONFIGURACION"), rt::Variant(0));
  EXPECT_EQ(failing(QStringLiteral("ROLLBACK TRANSACTION")), errnum::CommandText);
  EXPECT_EQ(cn.Errors()[0].NativeError, 3903);
  EXPECT_EQ(failing(QStringLiteral("COMMIT TRANSACTION")), errnum::CommandText);
  EXPECT_EQ(cn.Errors()[0].NativeError, 3902);
  cn.Execute(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('B')\r"));
  cn.Execute(QStringLiteral("COMMIT TRANSACTION"));
  EXPECT_EQ(count("TA_CONFIGURACION"), rt::Variant(1));
}

TEST_F(SqliteDialectTest, TheCalendarDayIsInsertedOnceAndReadBackAsADate) {
  const QString insertDay = QStringLiteral(
      " if not exists (select fecha from ma_calendario where fecha='01/07/2005') insert into ma_calendario "
      "(fecha,nolaborable) values('01/07/2005',0)");
  cn.Execute(insertDay);
  cn.Execute(insertDay);
  EXPECT_EQ(count("ma_calendario"), rt::Variant(1));
  EXPECT_EQ(scalar(QStringLiteral("SELECT 'x' || fecha FROM ma_calendario")), rt::Variant("x2005-07-01"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT fecha FROM ma_calendario")), rt::Variant(rt::MakeDate(2005, 7, 1)));
  cn.Execute(QStringLiteral("UPDATE ma_calendario SET fecha = '02/07/2005 10:30' WHERE fecha = '01/07/2005'"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT fecha FROM ma_calendario")), rt::Variant(rt::MakeDate(2005, 7, 2, 10, 30)));
}

TEST_F(SqliteDialectTest, LookupsAsTheProgramWritesThem) {
  exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, ValorAux) VALUES (' FC  ', 'factura', 'aux')"));
  ado::Recordset exists = cn.Execute(
      QStringLiteral("SELECT TOP 1  * FROM TA_CONFIGURACION with(nolock)  WHERE LTRIM(RTRIM(CLAVE)) ='fc'"));
  EXPECT_FALSE(exists.BOF());
  ado::Recordset cfg = cn.Execute(
      QStringLiteral("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = ' FC'"));
  EXPECT_EQ(cfg[QStringLiteral("ValorAux")].Value(), rt::Variant("aux"));
  ado::Recordset hinted = cn.Execute(
      QStringLiteral("SELECT TOP 1 * FROM dbo.TA_CONFIGURACION WITH (NOLOCK) WHERE ISNULL(VALOR, '') <> ''"));
  EXPECT_EQ(hinted[QStringLiteral("VALOR")].Value(), rt::Variant("factura"));
}

// Bound texts keep every character: accents, a NUL inside, the empty text
// (not NULL), each character counted.
TEST_F(SqliteDialectTest, LiteralsAreStoredAsWritten) {
  const QString values[] = {QStringLiteral("Peña"), QStringLiteral("a") + QChar(0) + QStringLiteral("b"),
                            QStringLiteral("ñ") + QChar(0), QString(), QStringLiteral("O'Brien")};
  for (const QString& value : values) {
    const QString quoted = QString(value).replace(u'\'', QStringLiteral("''"));
    cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('K', '%1')").arg(quoted));
    EXPECT_EQ(scalar(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION")), rt::Variant(value)) << value.size();
    EXPECT_EQ(scalar(QStringLiteral("SELECT LEN(VALOR) FROM TA_CONFIGURACION")),
              rt::Variant(static_cast<int32_t>(value.size())));
    cn.Execute(QStringLiteral("DELETE TA_CONFIGURACION"));
  }
}

// A bare whole number beyond 32 bits (a CUIT written without quotes) keeps
// every digit and gains no decimals in a text column.
TEST_F(SqliteDialectTest, WholeNumbersBeyond32BitsAreStoredExactly) {
  for (const char* number : {"20123456789", "9007199254740993", "-3000000000"}) {
    cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('K', %1)").arg(QLatin1String(number)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION")), rt::Variant(QString::fromLatin1(number)));
    cn.Execute(QStringLiteral("DELETE TA_CONFIGURACION"));
  }
}

TEST_F(SqliteDialectTest, DeleteWithoutFromAndTriggerSwitchesRun) {
  exec(QStringLiteral("INSERT INTO AUX_ERR (Proceso) VALUES ('p')"));
  cn.Execute(QStringLiteral("ALTER TABLE AUX_ERR DISABLE TRIGGER ALL"));
  cn.Execute(QStringLiteral("DELETE AUX_ERR"));
  cn.Execute(QStringLiteral("ALTER TABLE AUX_ERR ENABLE TRIGGER ALL"));
  EXPECT_EQ(count("AUX_ERR"), rt::Variant(0));
}

// A bracketed name is one name, whatever quotes or brackets it holds.
TEST_F(SqliteDialectTest, AnAddedColumnIsTheNameInItsBrackets) {
  cn.Execute(QStringLiteral("ALTER TABLE dbo.TA_MENU ADD [a\" INT, x INT) --] int Null"));
  cn.Execute(QStringLiteral("ALTER TABLE TA_MENU ADD [c]]d] varchar(4)"));
  ado::Recordset columns = cn.OpenSchema(ado::adSchemaColumns, {rt::Variant(), rt::Variant(), rt::Variant("TA_MENU")});
  QStringList names;
  for (; !columns.EOF(); columns.MoveNext()) names << columns.Fields("COLUMN_NAME").Value().toString();
  EXPECT_EQ(names, (QStringList{"Clave", "Proceso", "Nombre", "a\" INT, x INT) --", "c]d"}));
}

// A name holding "]" (written "]]" inside brackets) is the same name in
// every statement: written, read, compared, ordered, aliased, and through
// an updatable recordset.
TEST_F(SqliteDialectTest, NamesHoldingABracketWorkInEveryStatement) {
  define(QStringLiteral("CREATE TABLE \"T]1\" (\"a]b\" INTEGER, \"c]\" VARCHAR(10) COLLATE CI_AS)"));
  for (const char* statement : {"INSERT INTO [T]]1] ([a]]b], [c]]]) VALUES (2, 'dos')",
                                "INSERT INTO dbo.[T]]1] ([a]]b], [c]]]) VALUES (1, 'UNO')",
                                "UPDATE [T]]1] SET [a]]b] = [a]]b] * 10 WHERE [c]]] = 'uno'",
                                "INSERT INTO [T]]1] VALUES (3, 'tres')", "DELETE [T]]1] WHERE [a]]b] = 3"})
    cn.Execute(QString::fromUtf8(statement));
  ado::Recordset rs = cn.Execute(
      QStringLiteral("SELECT t.[a]]b] AS [x]]y], [c]]] AS 'z]' FROM [T]]1] t WHERE [a]]b] > 0 ORDER BY [a]]b] DESC"));
  QStringList read;
  for (; !rs.EOF(); rs.MoveNext())
    read << rs.Fields(QStringLiteral("x]y")).Value().toString() + u'|' +
                rs.Fields(QStringLiteral("z]")).Value().toString();
  EXPECT_EQ(read, (QStringList{"10|UNO", "2|dos"}));

  ado::Recordset edit;
  edit.Open(QStringLiteral("SELECT * FROM [T]]1] WHERE [c]]] = 'dos'"), cn, ado::adOpenDynamic, ado::adLockOptimistic);
  edit.Fields(QStringLiteral("a]b")) = rt::Variant(int32_t(20));
  edit.Update();
  edit.AddNew();
  edit.Fields(QStringLiteral("a]b")) = rt::Variant(int32_t(30));
  edit.Fields(QStringLiteral("c]")) = rt::Variant("treinta");
  edit.Update();
  edit.Close();
  EXPECT_EQ(scalar(QStringLiteral("SELECT SUM([a]]b]) FROM [T]]1]")), rt::Variant(int32_t(60)));
}

TEST_F(SqliteDialectTest, WhatCannotBeTranslatedIsRefusedClearly) {
  EXPECT_EQ(failing(QStringLiteral("SELECT TOP 10 PERCENT * FROM AUX_ERR")), errnum::CommandText);
  ASSERT_EQ(cn.Errors().Count(), 1);
  EXPECT_TRUE(cn.Errors()[0].Description.startsWith(QStringLiteral("La base de datos embebida no admite esta sentencia")))
      << cn.Errors()[0].Description.toStdString();
}
