#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QScopeGuard>
#include <functional>

#include "platform/ado/Connection.h"
#include "platform/ado/ProviderLog.h"
#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;
namespace errnum = ado::errnum;

namespace {

class SqliteErrorsTest : public SuiteDatabaseTest {
 protected:
  SqliteErrorsTest() {
    define(QStringLiteral("CREATE TABLE PADRE (CODIGO VARCHAR(4) COLLATE CI_AS NOT NULL PRIMARY KEY)"));
    define(QStringLiteral(
        "CREATE TABLE HIJO (CODIGO VARCHAR(4) COLLATE CI_AS NOT NULL REFERENCES PADRE (CODIGO), "
        "NOMBRE VARCHAR(25) COLLATE CI_AS NOT NULL, NUMERO INTEGER, "
        "CONSTRAINT W_HIJO_NOMBRE CHECK (length(rtrim(NOMBRE)) <= 25), CONSTRAINT POSITIVO CHECK (NUMERO > 0))"));
    define(QStringLiteral(
        "CREATE TRIGGER T_HIJO BEFORE INSERT ON HIJO BEGIN "
        "SELECT RAISE(ABORT, '50000: Cuenta no autorizada') WHERE NEW.NUMERO = 7; "
        "SELECT RAISE(ABORT, '123: sin numero de usuario') WHERE NEW.NUMERO = 8; END"));
    exec(QStringLiteral("INSERT INTO PADRE VALUES ('FC')"));
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('K')"));
  }
  // Runs a statement that must fail and returns the runtime error.
  rt::Error failure(const QString& sql) {
    try {
      cn.Execute(sql);
    } catch (const rt::Error& e) {
      return e;
    }
    ADD_FAILURE() << "no error from " << sql.toStdString();
    return rt::Error(0, QString());
  }
};

}  // namespace

TEST_F(SqliteErrorsTest, DuplicateKeyIsSqlServersIntegrityErrorFollowedByTheClosingEntry) {
  rt::Error e = failure(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('k  ', 'x')"));
  EXPECT_EQ(e.Number(), errnum::Integrity);
  EXPECT_EQ(e.Number(), -2147217873);
  ASSERT_EQ(cn.Errors().Count(), 2);
  const ado::Error& first = cn.Errors()[0];
  EXPECT_EQ(first.NativeError, 2627);
  EXPECT_EQ(first.SQLState, QStringLiteral("23000"));
  EXPECT_EQ(first.Number, errnum::Integrity);
  EXPECT_EQ(e.Description(), first.Description);
  EXPECT_TRUE(first.Description.startsWith(QStringLiteral("Infracción de la restricción PRIMARY KEY"))) << first.Description.toStdString();
  EXPECT_TRUE(first.Description.contains(QStringLiteral("TA_CONFIGURACION")));
  const ado::Error& closing = cn.Errors()[1];
  EXPECT_EQ(closing.NativeError, 3621);
  EXPECT_EQ(closing.SQLState, QStringLiteral("01000"));
  EXPECT_EQ(closing.Description, QStringLiteral("Se terminó la instrucción."));
}

TEST_F(SqliteErrorsTest, ErrorsStayUntilClearedAndTheNextFailureReplacesThem) {
  failure(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('K')"));
  ASSERT_EQ(cn.Errors().Count(), 2);
  cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('OTRA')"));
  ado::Recordset rs = cn.Execute(QStringLiteral("SELECT * FROM TA_CONFIGURACION"));
  EXPECT_EQ(cn.Errors().Count(), 2) << "successful operations leave the collection alone";
  failure(QStringLiteral("SELECT * FROM NO_EXISTE"));
  ASSERT_EQ(cn.Errors().Count(), 1);
  EXPECT_EQ(cn.Errors()[0].NativeError, 208);
  cn.Errors().Clear();
  EXPECT_EQ(cn.Errors().Count(), 0);
  try {
    cn.Errors().Item(0);
    ADD_FAILURE() << "an empty collection has no item 0";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), errnum::ItemNotFound);
  }
}

TEST_F(SqliteErrorsTest, SqliteErrorsMapToSqlServersNumbers) {
  struct Case {
    const char* sql;
    long number;
    long native;
    const char* sqlState;
    const char* description;
    bool terminated;
  };
  for (const Case& c : {
           Case{"INSERT INTO HIJO VALUES ('XX', 'n', 1)", errnum::Integrity, 547, "23000",
                "Instrucción INSERT en conflicto con una restricción FOREIGN KEY.", true},
           Case{"INSERT INTO HIJO (CODIGO, NUMERO) VALUES ('FC', 1)", errnum::Integrity, 515, "23000",
                "No se puede insertar el valor NULL en la columna 'NOMBRE', tabla 'HIJO'. La columna no admite valores "
                "NULL. Error de INSERT.",
                true},
           Case{"INSERT INTO HIJO VALUES ('FC', '12345678901234567890123456', 1)", errnum::DataOverflow, 8152,
                "22001", "Los datos de cadena o binarios se truncarían.", true},
           Case{"INSERT INTO HIJO VALUES ('FC', 'n', 0)", errnum::Integrity, 547, "23000",
                "Instrucción INSERT en conflicto con la restricción CHECK \"POSITIVO\".", true},
           Case{"INSERT INTO HIJO VALUES ('FC', 'n', 7)", errnum::CommandText, 50000, "42000", "Cuenta no autorizada",
                false},
           Case{"INSERT INTO HIJO VALUES ('FC', 'n', 8)", errnum::CommandText, 0, "42000", "123: sin numero de usuario",
                false},
           Case{"INSERT INTO ma_calendario (fecha, nolaborable) VALUES ('31/02/2006', 0)", errnum::TypeConversion,
                242, "22008",
                "La conversión del tipo de datos varchar en datetime produjo un valor fuera de intervalo.",
                true},
           Case{"SELECT * FROM ma_calendario WHERE fecha = '30/13/2006'", errnum::TypeConversion, 242, "22008",
                "La conversión del tipo de datos varchar en datetime produjo un valor fuera de intervalo.",
                false},
           Case{"SELECT * FROM NO_EXISTE", errnum::MissingTable, 208, "42S02", "El nombre de objeto 'NO_EXISTE' no es válido.",
                false},
           Case{"SELECT NO_EXISTE FROM HIJO", errnum::CommandText, 207, "42S22", "El nombre de columna 'NO_EXISTE' no es válido.",
                false},
           Case{"SELECT * FROM HIJO WHERE NUMERO = = 1", errnum::CommandText, 102, "42000", "Sintaxis incorrecta cerca de '='.",
                false},
           Case{"SELECT * FROM HIJO ORDER BY NOMBRE, 'x'", errnum::CommandText, 408, "42000",
                "Se encontró una expresión constante en la lista ORDER BY, posición 2.", false},
       }) {
    rt::Error e = failure(QString::fromUtf8(c.sql));
    EXPECT_EQ(e.Number(), c.number) << c.sql;
    ASSERT_EQ(cn.Errors().Count(), c.terminated ? 2 : 1) << c.sql;
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native) << c.sql;
    EXPECT_EQ(cn.Errors()[0].SQLState, QString::fromLatin1(c.sqlState)) << c.sql;
    EXPECT_EQ(cn.Errors()[0].Description, QString::fromUtf8(c.description)) << c.sql;
    if (c.terminated) {
      EXPECT_EQ(cn.Errors()[1].NativeError, 3621) << c.sql;
    }
  }
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM HIJO")), rt::Variant(0));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ma_calendario")), rt::Variant(0));
}

// What SQL Server refuses to store is refused at the write, with its error:
// a number beyond a money or decimal column's range (8115), a text that is
// no date (241) or names no day within DATETIME's range (242), in an
// insert or an update.
TEST_F(SqliteErrorsTest, ValuesTheServerRefusesAreRefusedAtTheWrite) {
  const QString entry = QStringLiteral(
      "INSERT INTO MV_ASIENTOS (MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], %1) VALUES (7, 1, 1, 1, %2)");
  exec(entry.arg(QStringLiteral("Importe"), QStringLiteral("1")));
  exec(QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('2005-07-01')"));
  struct Case {
    QString sql;
    long number;
    long native;
    const char* sqlState;
  };
  const long overflow = errnum::DataOverflow, conversion = errnum::TypeConversion;
  for (const Case& c : {
           Case{entry.arg(QStringLiteral("Importe"), QStringLiteral("1e20")), overflow, 8115, "22003"},
           Case{entry.arg(QStringLiteral("Importe"), QStringLiteral("1e400")), overflow, 8115, "22003"},
           Case{entry.arg(QStringLiteral("CabImporte"), QStringLiteral("-922337203685478")), overflow, 8115, "22003"},
           Case{QStringLiteral("UPDATE MV_ASIENTOS SET Importe = Importe * 1e20"), overflow, 8115, "22003"},
           Case{entry.arg(QStringLiteral("Cotizacion"), QStringLiteral("100000000000000")), overflow, 8115, "22003"},
           Case{QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('2005-02-31')"), conversion, 242, "22008"},
           Case{QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('1700-01-01')"), conversion, 242, "22008"},
           Case{QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('2005-07-02 25:00:00')"), conversion, 242, "22008"},
           Case{QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('not a date')"), conversion, 241, "22007"},
           Case{QStringLiteral("UPDATE ma_calendario SET fecha = 'mañana'"), conversion, 241, "22007"},
       }) {
    rt::Error e = failure(c.sql);
    EXPECT_EQ(e.Number(), c.number) << c.sql.toStdString();
    ASSERT_EQ(cn.Errors().Count(), 2) << c.sql.toStdString();
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native) << c.sql.toStdString();
    EXPECT_EQ(cn.Errors()[0].SQLState, QString::fromLatin1(c.sqlState)) << c.sql.toStdString();
    EXPECT_EQ(cn.Errors()[1].NativeError, 3621) << c.sql.toStdString();
  }
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS")), rt::Variant(1));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Importe FROM MV_ASIENTOS")), rt::Variant(rt::Currency::fromInt(1)));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ma_calendario")), rt::Variant(1));

  // The edges SQL Server takes are taken.
  exec(entry.arg(QStringLiteral("Importe"), QStringLiteral("922337203685477")));
  exec(entry.arg(QStringLiteral("Importe"), QStringLiteral("-922337203685477.25")));
  exec(QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('1753-01-01')"));
  exec(QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('2004-02-29 23:59:59')"));
  exec(QStringLiteral("INSERT INTO ma_calendario (fecha) VALUES ('28/02/2005')"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT TOP 1 Importe FROM MV_ASIENTOS ORDER BY Importe DESC")),
            rt::Variant(rt::Currency::fromInt(922337203685477)));
}

// The same holds for the money, decimal and date columns of every area:
// voucher lines, third-party vouchers, actions, shortages, prices and
// position balances. Nothing of it is stored, so every later read of the
// lines still reads them.
TEST_F(SqliteErrorsTest, EveryAreasColumnsRefuseWhatTheServerRefuses) {
  const QString line =
      QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, %1) VALUES ('FC', '000100000001A', %2)");
  const QString thirdParty =
      QStringLiteral("INSERT INTO V_MV_CPTETERCEROS (IdComprobante, %1) VALUES ('000100000001A', %2)");
  const QString action = QStringLiteral(
      "INSERT INTO V_MV_CPTEACCIONES (TC, IdComprobante, Tipo_accion, FECHAHORA) "
      "VALUES ('FC', '000100000001A', 'A', %1)");
  struct Case {
    QString sql;
    long native;
  };
  for (const Case& c : {
           Case{line.arg(QStringLiteral("Importe"), QStringLiteral("1e400")), 8115},
           Case{line.arg(QStringLiteral("TotalFinal"), QStringLiteral("1e20")), 8115},
           Case{line.arg(QStringLiteral("Cantidad"), QStringLiteral("1e20")), 8115},
           Case{line.arg(QStringLiteral("AlicIVA"), QStringLiteral("100000")), 8115},
           Case{line.arg(QStringLiteral("Equiv_UDBase"), QStringLiteral("-1e400")), 8115},
           Case{thirdParty.arg(QStringLiteral("Fecha"), QStringLiteral("'2005-02-31'")), 242},
           Case{thirdParty.arg(QStringLiteral("FECHARECIBIDO"), QStringLiteral("'not a date'")), 241},
           Case{action.arg(QStringLiteral("'not a date'")), 241},
           Case{action.arg(QStringLiteral("'1752-12-31 10:00:00'")), 242},
           Case{QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora) VALUES ('2005-02-31')"), 242},
           Case{QStringLiteral("INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, PRECIO) "
                               "VALUES ('   1', 'V', 'A1', 1e20)"),
                8115},
           Case{QStringLiteral(
                    "INSERT INTO AC_SALDOSLAYOUT (iddeposito, idarticulo, saldo) VALUES ('   1', 'A1', 1e400)"),
                8115},
       }) {
    failure(c.sql);
    ASSERT_GT(cn.Errors().Count(), 0) << c.sql.toStdString();
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native) << c.sql.toStdString();
  }
  for (const char* table : {"V_MV_CPTEINSUMOS", "V_MV_CPTETERCEROS", "V_MV_CPTEACCIONES", "V_MV_FALTANTES",
                            "V_MA_PRECIOS", "AC_SALDOSLAYOUT"})
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))), rt::Variant(0)) << table;

  exec(line.arg(QStringLiteral("Importe"), QStringLiteral("922337203685477")));
  exec(thirdParty.arg(QStringLiteral("Fecha"), QStringLiteral("'28/02/2005'")));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Importe FROM V_MV_CPTEINSUMOS")),
            rt::Variant(rt::Currency::fromInt(922337203685477)));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Fecha FROM V_MV_CPTETERCEROS")), rt::Variant(rt::MakeDate(2005, 2, 28)));
}

// A money or decimal column holds numbers and a DATETIME column the two
// forms dates are stored in, "yyyy-mm-dd" and "yyyy-mm-dd hh:mm:ss": a text
// that is no number, a blob, any other form of a date and a number for a
// date are refused with SQL Server's conversion error, and the row keeps
// what it had. A number written as text is stored as the number.
TEST_F(SqliteErrorsTest, MoneyDecimalAndDateColumnsHoldOnlyTheirOwnValues) {
  exec(QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, Importe) VALUES ('FC', '000100000001A', 5)"));
  exec(QStringLiteral("INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, PRECIO) VALUES ('   1', 'V', 'A1', 5)"));
  exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, IdDeposito, Cantidad, Fecha) "
                      "VALUES ('RM', '000100000001R', 'A1', '   1', 5, '2005-07-01')"));
  exec(QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, Cotizacion) VALUES ('FC', '000100000001A', "
                      "'211010001', 5)"));
  exec(QStringLiteral("INSERT INTO MV_ASIENTOS (MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], Fecha) "
                      "VALUES (7, 1, 1, 1, '2005-07-01')"));
  const QString money = QStringLiteral("No se puede convertir un valor char a money. El valor char tiene una sintaxis "
                                       "incorrecta."),
                numeric = QStringLiteral("Error al convertir el tipo de datos varchar a numeric."),
                date = QStringLiteral("Error de conversión al convertir la fecha y/u hora a partir de una cadena de "
                                      "caracteres."),
                range = QStringLiteral("La conversión del tipo de datos varchar en datetime produjo un valor fuera de "
                                       "intervalo.");
  struct Case {
    const char* column;  // table.column
    const char* value;   // as written in the statement
    long native;
    const char* sqlState;
    const QString& description;
  };
  for (const Case& c : {
           Case{"V_MV_CPTEINSUMOS.Importe", "'abc'", 235, "22018", money},
           Case{"V_MV_CPTEINSUMOS.Importe", "'12,5'", 235, "22018", money},
           Case{"V_MV_CPTEINSUMOS.Importe", "''", 235, "22018", money},
           Case{"V_MA_PRECIOS.PRECIO", "'abc'", 235, "22018", money},
           Case{"V_MV_STOCK.Cantidad", "'abc'", 8114, "22018", numeric},
           Case{"V_MV_STOCK.Cantidad", "'12,5'", 8114, "22018", numeric},
           Case{"C_MV_CPTE.Cotizacion", "'abc'", 8114, "22018", numeric},
           Case{"MV_ASIENTOS.Fecha", "'2005-02-28 10:00:00+03:00'", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "'2005-03-01T10:00'", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "'2005-03-01T10:00:00'", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "'2005-02-28 '", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "' 2005-02-28'", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "'2005-02-28 10:00'", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "'2005-02-28 10:00:00.5'", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "'2005-2-28'", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "1e400", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "12345.5", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "38534", 241, "22007", date},
           Case{"MV_ASIENTOS.Fecha", "'2005-02-29'", 242, "22008", range},
           Case{"MV_ASIENTOS.Fecha", "'2005-02-28 24:00:00'", 242, "22008", range},
           Case{"MV_ASIENTOS.Fecha", "'2005-02-28 23:59:60'", 242, "22008", range},
           Case{"V_MV_STOCK.Fecha", "12345.5", 241, "22007", date},
       }) {
    const QStringList where = QString::fromLatin1(c.column).split(u'.');
    const QString sql = QStringLiteral("UPDATE %1 SET %2 = %3").arg(where[0], where[1], QLatin1String(c.value));
    SCOPED_TRACE(sql.toStdString());
    const rt::Variant before = scalar(QStringLiteral("SELECT %1 FROM %2").arg(where[1], where[0]));
    const rt::Error e = failure(sql);
    EXPECT_EQ(e.Number(), errnum::TypeConversion);
    ASSERT_EQ(cn.Errors().Count(), 2);
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native);
    EXPECT_EQ(cn.Errors()[0].SQLState, QString::fromLatin1(c.sqlState));
    EXPECT_EQ(cn.Errors()[0].Description, c.description);
    EXPECT_EQ(cn.Errors()[1].NativeError, 3621);
    EXPECT_EQ(scalar(QStringLiteral("SELECT %1 FROM %2").arg(where[1], where[0])), before);
  }
  // A blob cannot come through the program's statements; another program
  // writing one meets the same checks.
  for (const auto& [sql, check] : {
           std::pair{"UPDATE V_MV_CPTEINSUMOS SET Importe = x'3132'", "MT_V_MV_CPTEINSUMOS_Importe"},
           std::pair{"UPDATE V_MV_STOCK SET Cantidad = x'3132'", "NT_V_MV_STOCK_Cantidad"},
           std::pair{"UPDATE MV_ASIENTOS SET Fecha = x'323030352d30372d3031'", "DT_MV_ASIENTOS_Fecha"},  // 2005-07-01
       })
    EXPECT_EQ(RunInDatabase(path, QString::fromLatin1(sql)), QStringLiteral("CHECK constraint failed: ") + check);
  // The stock balance the movement keeps did not move either.
  EXPECT_EQ(scalar(QStringLiteral("SELECT SUM(CANTIDAD) FROM STK_SERIES_Y_LOTES")), rt::Variant(5));

  exec(QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET Importe = '12'"));
  exec(QStringLiteral("UPDATE V_MV_STOCK SET Cantidad = ' 12.5 '"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Importe FROM V_MV_CPTEINSUMOS")), rt::Variant(rt::Currency::fromInt(12)));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Cantidad FROM V_MV_STOCK")), rt::Variant(rt::Currency::fromDouble(12.5)));
  struct Stored {
    const char* value;
    QDateTime date;
  };
  for (const Stored& s : {Stored{"'2005-02-28'", rt::MakeDate(2005, 2, 28)},
                          Stored{"'2005-02-28 10:00:05'", rt::MakeDate(2005, 2, 28, 10, 0, 5)},
                          Stored{"'28/02/2005 10:00'", rt::MakeDate(2005, 2, 28, 10, 0)}, Stored{"NULL", QDateTime()}}) {
    exec(QStringLiteral("UPDATE MV_ASIENTOS SET Fecha = %1").arg(QLatin1String(s.value)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Fecha FROM MV_ASIENTOS")),
              s.date.isValid() ? rt::Variant(s.date) : rt::Variant::null())
        << s.value;
  }
}

TEST_F(SqliteErrorsTest, WritingOnAnOutdatedReadIsALockTimeout) {
  ado::Connection other;
  other.Open(EmbeddedConnectionString(path));
  ado::Recordset reading = other.Execute(QStringLiteral("SELECT * FROM TA_CONFIGURACION"));
  cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('NUEVA')"));
  try {
    other.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('OTRA')"));
    ADD_FAILURE() << "wrote over a newer state of the database";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), errnum::Timeout);
  }
  EXPECT_EQ(other.Errors()[0].NativeError, 1222);
  reading.Close();
  other.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('OTRA')"));
}

// A column ALTER TABLE cannot add is told in Spanish, by SQL Server's error
// where it has one (2705, 4901), and SQLite's own words are kept in the
// error log. A table without rows takes a NOT NULL column without default,
// as on SQL Server.
TEST_F(SqliteErrorsTest, AColumnThatCannotBeAddedIsToldInSpanishWithSqlitesWordsInTheLog) {
  QStringList reports;
  ado::SetProviderLog([&](const QString& source, const QString& text) { reports << source + ": " + text; });
  const auto noMoreReports = qScopeGuard([] { ado::SetProviderLog(nullptr); });
  struct Case {
    const char* sql;
    long native;
    const char* sqlState;
    const char* description;
    const char* sqliteWords;
  };
  for (const Case& c : {
           Case{"ALTER TABLE PADRE ADD codigo INT", 2705, "42S21",
                "Los nombres de columna de cada tabla deben ser únicos. El nombre de columna 'codigo' de la tabla "
                "'PADRE' se especificó más de una vez.",
                "duplicate column name: codigo"},
           Case{"ALTER TABLE dbo.PADRE ADD Legajo int Not Null ", 4901, "42000",
                "ALTER TABLE sólo permite agregar columnas que admitan valores NULL, que tengan una definición "
                "DEFAULT o que sean de identidad o de marca de tiempo; si no se cumple ninguna de estas condiciones, "
                "la tabla debe estar vacía para agregar la columna. No se puede agregar la columna 'Legajo' a la "
                "tabla 'PADRE', que no está vacía, porque no cumple estas condiciones.",
                "Cannot add a NOT NULL column with default value NULL"},
           Case{"ALTER TABLE \"PADRE\" ADD [Otra]]Clave] INT PRIMARY KEY", 0, "42000",
                "La base de datos embebida no puede agregar la columna 'Otra]Clave' a la tabla 'PADRE' (el motivo "
                "quedó en el registro de errores del programa).",
                "Cannot add a PRIMARY KEY column"},
       }) {
    SCOPED_TRACE(c.sql);
    reports.clear();
    rt::Error e = failure(QString::fromUtf8(c.sql));
    EXPECT_EQ(e.Number(), errnum::CommandText);
    ASSERT_EQ(cn.Errors().Count(), 1);
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native);
    EXPECT_EQ(cn.Errors()[0].SQLState, QString::fromLatin1(c.sqlState));
    EXPECT_EQ(cn.Errors()[0].Description, QString::fromUtf8(c.description));
    EXPECT_EQ(reports, QStringList({QStringLiteral("SQLite: ") + QString::fromUtf8(c.description) +
                                    QStringLiteral(" | ") + QString::fromUtf8(c.sqliteWords)}));
  }
  exec(QStringLiteral("ALTER TABLE dbo.HIJO ADD Legajo int Not Null "));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(Legajo) FROM HIJO")), rt::Variant(0));
}

// SQLite's own words, in English, never reach the operator: a statement it
// refuses for a reason SQL Server has no error for, a full disk, a file
// that cannot be opened and any other failure are told in Spanish, and
// SQLite's words are kept in the error log.
TEST_F(SqliteErrorsTest, SqlitesOwnWordsAreToldInSpanishAndKeptInTheLog) {
  QStringList reports;
  ado::SetProviderLog([&](const QString& source, const QString& text) { reports << source + ": " + text; });
  const auto noMoreReports = qScopeGuard([] { ado::SetProviderLog(nullptr); });
  const auto toldAndLogged = [&](const QString& description, const char* sqliteWords) {
    EXPECT_EQ(reports, QStringList({QStringLiteral("SQLite: ") + description + QStringLiteral(" | ") +
                                    QString::fromUtf8(sqliteWords)}));
    reports.clear();
  };

  failure(QStringLiteral("SELECT CODIGO FROM HIJO, PADRE"));
  ASSERT_EQ(cn.Errors().Count(), 1);
  EXPECT_EQ(cn.Errors()[0].Description, "La base de datos embebida no puede ejecutar la sentencia (el motivo quedó "
                                        "en el registro de errores del programa).");
  toldAndLogged(cn.Errors()[0].Description, "ambiguous column name: CODIGO");

  // Failures no statement brings about at will: SQLite's own, on this file
  // (a full disk by the file's page limit), as the provider reports them.
  struct Case {
    const char* label;
    QString file;
    const char* sql;
    std::function<void(sqlite3*)> before;
    const char* description;
    const char* sqliteWords;
  };
  const QString io = QStringLiteral("Error de lectura o escritura en la base de datos \"%1\": %2");
  for (const Case& c : {
           Case{"full disk", path, "INSERT INTO GRANDE VALUES (zeroblob(1000000))",
                [](sqlite3* db) {
                  sqlite3_exec(db, "CREATE TABLE GRANDE (B)", nullptr, nullptr, nullptr);
                  sqlite3_exec(db, "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
                },
                "no queda espacio en el disco", "database or disk is full"},
           Case{"no such folder", folder.file("no/existe.db"), nullptr, nullptr, "no existe el archivo o la carpeta",
                "unable to open database file"},
           Case{"value too long", path, "SELECT zeroblob(1000)",
                [](sqlite3* db) { sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 100); },
                "La base de datos embebida no pudo completar la operación (el motivo quedó en el registro de errores "
                "del programa).",
                "string or blob too big"},
       }) {
    SCOPED_TRACE(c.label);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(c.file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (c.before) c.before(db);
    if (c.sql) rc = sqlite3_exec(db, c.sql, nullptr, nullptr, nullptr);
    ASSERT_NE(rc, SQLITE_OK);
    const ado::provider::Failure f = ado::sqlite::FailureFromSqlite(db, rc, QString::fromUtf8(c.sql), true, c.file);
    sqlite3_close(db);
    const QString description =
        c.description[0] == 'L' ? QString::fromUtf8(c.description) : io.arg(c.file, QString::fromUtf8(c.description));
    EXPECT_EQ(f.errors.front().Description, description);
    toldAndLogged(description, c.sqliteWords);
  }
}

// SQL Server cuts blanks beyond a column's width without complaint (a code
// padded by a fixed-width source); only other characters are a truncation.
TEST_F(SqliteErrorsTest, BlanksBeyondTheWidthAreNoTruncation) {
  exec(QStringLiteral("INSERT INTO MV_ASIENTOS (Tipo_Reg, Cuenta, MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO]) "
                      "VALUES ('FC      ', '112010042   ', 7, 1, 1, 1)"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Tipo_Reg = 'fc' AND Cuenta = '112010042'")),
            rt::Variant(1));
  exec(QStringLiteral("UPDATE MV_ASIENTOS SET Tipo_Reg = '     '"));
  failure(QStringLiteral("UPDATE MV_ASIENTOS SET Tipo_Reg = 'FC   X'"));
  EXPECT_EQ(cn.Errors()[0].NativeError, 8152);
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Tipo_Reg = ''")), rt::Variant(1));
}

// ORDER BY a whole number sorts by the column at that position and refuses
// one the select list does not have (108); any other constant is refused
// (408), and GROUP BY a constant too (164).
TEST_F(SqliteErrorsTest, OrderByAndGroupByConstantsAreRefusedAsSqlServerRefusesThem) {
  exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('1', 'b')"));
  exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('2', 'a')"));
  struct Case {
    const char* sql;
    long native;
    const char* description;
  };
  const char* outOfRange = "El número de posición %1 de ORDER BY está fuera del intervalo del número de elementos de "
                           "la lista de selección.";
  const char* constant = "Se encontró una expresión constante en la lista ORDER BY, posición %1.";
  const char* group = "Cada expresión GROUP BY debe contener al menos una columna que no sea una referencia externa.";
  for (const Case& c : {
           Case{"SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY 3", 108, outOfRange},
           Case{"SELECT CODIGO FROM MA_CUENTAS ORDER BY 0", 108, outOfRange},
           Case{"SELECT * FROM MA_CUENTAS ORDER BY 10", 108, outOfRange},
           Case{"SELECT m.* FROM MA_CUENTAS m ORDER BY 1, 10 DESC", 108, outOfRange},
           Case{"SELECT CODIGO FROM MA_CUENTAS ORDER BY CODIGO, -1", 408, constant},
           Case{"SELECT CODIGO FROM MA_CUENTAS ORDER BY (1)", 408, constant},
           Case{"SELECT CODIGO FROM MA_CUENTAS ORDER BY 1.5", 408, constant},
           Case{"SELECT CODIGO FROM MA_CUENTAS WHERE CODIGO IN (SELECT CODIGO FROM MA_CUENTAS ORDER BY 2)", 108,
                outOfRange},
           Case{"SELECT COUNT(*) FROM MA_CUENTAS GROUP BY 1", 164, group},
           Case{"SELECT COUNT(*) FROM MA_CUENTAS GROUP BY TipoVista, 'x'", 164, group},
           Case{"SELECT COUNT(*) FROM MA_CUENTAS GROUP BY (-1) HAVING COUNT(*) > 0", 164, group},
       }) {
    SCOPED_TRACE(c.sql);
    failure(QString::fromLatin1(c.sql));
    ASSERT_EQ(cn.Errors().Count(), 1);
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native);
    EXPECT_EQ(cn.Errors()[0].SQLState, QStringLiteral("42000"));
    EXPECT_TRUE(cn.Errors()[0].Description.startsWith(QString::fromUtf8(c.description).section(u'%', 0, 0)))
        << cn.Errors()[0].Description.toStdString();
  }
  EXPECT_EQ(cn.Errors()[0].Description, QString::fromUtf8(group));
  failure(QStringLiteral("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY 3"));
  EXPECT_EQ(cn.Errors()[0].Description, QString::fromUtf8(outOfRange).arg(3));
  failure(QStringLiteral("SELECT CODIGO FROM MA_CUENTAS ORDER BY CODIGO, -1"));
  EXPECT_EQ(cn.Errors()[0].Description, QString::fromUtf8(constant).arg(2));

  // A position the list has sorts by that column.
  ado::Recordset rs = cn.Execute(QStringLiteral("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY 2"));
  EXPECT_EQ(rs.Fields(0).Value(), rt::Variant("2"));
  ado::Recordset all = cn.Execute(QStringLiteral("SELECT * FROM MA_CUENTAS ORDER BY 3 DESC"));
  EXPECT_EQ(all.Fields(0).Value(), rt::Variant("1"));
}
