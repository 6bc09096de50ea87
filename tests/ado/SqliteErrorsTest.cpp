#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QScopeGuard>
#include <functional>
#include <limits>

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
  // UPDATE of `column` ("table.column") to `value` as the statement writes
  // it: refused with `native` (245, 8115 or 220; the closing entry after it,
  // the row keeping what it had), or with 0 stored to read back as `stored`.
  void expectUpdate(const char* column, const char* value, long native, const rt::Variant& stored) {
    const QStringList where = QString::fromLatin1(column).split(u'.');
    const QString sql = QStringLiteral("UPDATE %1 SET %2 = %3").arg(where[0], where[1], QString::fromUtf8(value));
    SCOPED_TRACE(sql.toStdString());
    const QString read = QStringLiteral("SELECT %1 FROM %2").arg(where[1], where[0]);
    if (native == 0) {
      exec(sql);
      EXPECT_EQ(scalar(read), stored);
      return;
    }
    const rt::Variant before = scalar(read);
    const rt::Error e = failure(sql);
    EXPECT_EQ(e.Number(), native == 245 ? errnum::TypeConversion : errnum::DataOverflow);
    ASSERT_EQ(cn.Errors().Count(), 2);
    EXPECT_EQ(cn.Errors()[0].NativeError, native);
    EXPECT_EQ(cn.Errors()[0].SQLState, QLatin1String(native == 245 ? "22018" : "22003"));
    EXPECT_EQ(cn.Errors()[1].NativeError, 3621);
    EXPECT_EQ(scalar(read), before);
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

// A value written to a whole-number or bit column through T-SQL is
// converted as SQL Server converts it, and what it does not take is refused
// with its error: a text that is no whole number (245, the value named), a
// number beyond the type (8115 for an int, 220 for a smallint). A fraction
// is truncated toward zero, '' and blanks give 0, a bit takes 1 for any
// number but 0. The same for a literal, an expression, INSERT ... VALUES by
// position, INSERT ... SELECT and UPDATE; a refused row keeps what it had.
TEST_F(SqliteErrorsTest, WholeNumberAndBitColumnsTakeWhatSqlServerTakes) {
  exec(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdReparto, ANULADA) VALUES ('FC', '000100000001A', 3, 0)"));
  exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, dv) VALUES ('1', 3)"));
  struct Case {
    const char* column;  // table.column
    const char* value;   // as written in the statement
    long native;         // 0: stored
    rt::Variant stored;  // what reads back
  };
  const rt::Variant no;
  for (const Case& c : {
           Case{"V_MV_CPTE.IdReparto", "'abc'", 245, no},
           Case{"V_MV_CPTE.IdReparto", "'12.5'", 245, no},
           Case{"V_MV_CPTE.IdReparto", "'12.0'", 245, no},
           Case{"V_MV_CPTE.IdReparto", "'1e3'", 245, no},
           Case{"V_MV_CPTE.IdReparto", "'- 5'", 245, no},
           Case{"V_MV_CPTE.IdReparto", "2147483648", 8115, no},
           Case{"V_MV_CPTE.IdReparto", "-2147483649", 8115, no},
           Case{"V_MV_CPTE.IdReparto", "1e10", 8115, no},
           Case{"V_MV_CPTE.IdReparto", "'99999999999999999999'", 8115, no},
           Case{"V_MV_CPTE.IdReparto", "ISNULL(NULL, 'abc')", 245, no},
           Case{"V_MV_CPTE.IdReparto", "IdReparto * 1e9", 8115, no},
           Case{"V_MV_CPTE.IdReparto", "12.7", 0, 12},
           Case{"V_MV_CPTE.IdReparto", "-12.7", 0, -12},
           Case{"V_MV_CPTE.IdReparto", "' +12 '", 0, 12},
           Case{"V_MV_CPTE.IdReparto", "''", 0, 0},
           Case{"V_MV_CPTE.IdReparto", "'   '", 0, 0},
           Case{"V_MV_CPTE.IdReparto", "2147483647", 0, 2147483647},
           Case{"V_MV_CPTE.IdReparto", "-2147483648", 0, std::numeric_limits<int32_t>::min()},
           Case{"V_MV_CPTE.IdReparto", "25 / 2.0", 0, 12},
           Case{"V_MV_CPTE.IdReparto", "NULL", 0, rt::Variant::null()},
           Case{"V_MV_CPTE.ID", "'abc'", 245, no},
           Case{"V_MV_CPTE.ID", "2147483648", 8115, no},
           Case{"V_MV_CPTE.ID", "'7'", 0, 7},
           Case{"MA_CUENTAS.dv", "40000", 220, no},
           Case{"MA_CUENTAS.dv", "-32769", 220, no},
           Case{"MA_CUENTAS.dv", "'abc'", 245, no},
           Case{"MA_CUENTAS.dv", "32767", 0, 32767},
           Case{"MA_CUENTAS.dv", "-12.9", 0, -12},
           Case{"V_MV_CPTE.ANULADA", "'abc'", 245, no},
           Case{"V_MV_CPTE.ANULADA", "'0.5'", 245, no},
           Case{"V_MV_CPTE.ANULADA", "5", 0, true},
           Case{"V_MV_CPTE.ANULADA", "0", 0, false},
           Case{"V_MV_CPTE.ANULADA", "0.5", 0, true},
           Case{"V_MV_CPTE.ANULADA", "-1", 0, true},
           Case{"V_MV_CPTE.ANULADA", "'FALSE'", 0, false},
           Case{"V_MV_CPTE.ANULADA", "' true '", 0, true},
           Case{"V_MV_CPTE.ANULADA", "'2'", 0, true},
           Case{"V_MV_CPTE.ANULADA", "''", 0, false},
       })
    expectUpdate(c.column, c.value, c.native, c.stored);

  // SQL Server's texts, with the value where it names it.
  const auto description = [&](const QString& sql) {
    failure(sql);
    return cn.Errors().Count() > 0 ? cn.Errors()[0].Description : QString();
  };
  EXPECT_EQ(description(QStringLiteral("UPDATE V_MV_CPTE SET IdReparto = 'abc'")),
            QStringLiteral("Error de conversión al convertir el valor varchar 'abc' al tipo de datos int."));
  EXPECT_EQ(description(QStringLiteral("UPDATE V_MV_CPTE SET ANULADA = 'sí'")),
            QStringLiteral("Error de conversión al convertir el valor varchar 'sí' al tipo de datos bit."));
  EXPECT_EQ(description(QStringLiteral("UPDATE V_MV_CPTE SET IdReparto = 2147483648")),
            QStringLiteral("Error de desbordamiento aritmético al convertir expression al tipo de datos int."));
  EXPECT_EQ(description(QStringLiteral("UPDATE MA_CUENTAS SET dv = 40000")),
            QStringLiteral("Error de desbordamiento aritmético para el tipo de datos smallint, valor = 40000."));

  // INSERT ... VALUES by position and INSERT ... SELECT convert and refuse the same.
  const QString entry = QStringLiteral("INSERT INTO MV_ASIENTOS (MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], "
                                       "EsAjuste) %1");
  exec(entry.arg(QStringLiteral("VALUES ('7', 1.9, ' 2 ', 3, 4)")));
  exec(entry.arg(QStringLiteral("SELECT 8, Periodo, Secuencia + 0.5, '', 0 FROM MV_ASIENTOS")));
  EXPECT_EQ(failure(entry.arg(QStringLiteral("VALUES (7, 1, 1, 'x', 0)"))).Number(), errnum::TypeConversion);
  EXPECT_EQ(failure(entry.arg(QStringLiteral("SELECT 7, 40000, 1, 1, 0"))).Number(), errnum::DataOverflow);
  EXPECT_EQ(cn.Errors()[0].NativeError, 220);
  ado::Recordset rs =
      cn.Execute(QStringLiteral("SELECT MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], EsAjuste FROM MV_ASIENTOS "
                                "ORDER BY MES_OPERATIVO"));
  QStringList rows;
  for (; !rs.EOF(); rs.MoveNext()) {
    QStringList row;
    for (int i = 0; i < 5; ++i) row << rs.Fields(i).Value().toString();
    rows << row.join(u'|');
  }
  EXPECT_EQ(rows, QStringList({"7|1|2|3|Verdadero", "8|1|2|0|Falso"}));
}

// What reaches a whole-number or bit column by another way than the
// conversion of a value written to it (a row copied whole from another
// table, another program writing) meets the column's checks, with the same
// numbers.
TEST_F(SqliteErrorsTest, WholeNumberAndBitColumnsRefuseWhatElseReachesThem) {
  define(QStringLiteral("CREATE TABLE CUENTAS_DE_OTRO AS SELECT * FROM MA_CUENTAS WHERE 0;"
                        "CREATE TABLE CPTES_DE_OTRO AS SELECT ID, TC, IdComprobante FROM V_MV_CPTE WHERE 0"));
  const char* copyAccounts = "INSERT INTO MA_CUENTAS SELECT * FROM CUENTAS_DE_OTRO";
  struct Case {
    const char* row;  // into the other program's table
    const char* sql;
    long native;
    const char* description;
  };
  for (const Case& c : {
           Case{"INSERT INTO CUENTAS_DE_OTRO (CODIGO, dv) VALUES ('1', 40000)", copyAccounts, 220,
                "Error de desbordamiento aritmético para el tipo de datos smallint."},
           Case{"INSERT INTO CUENTAS_DE_OTRO (CODIGO, dv) VALUES ('1', 'abc')", copyAccounts, 245,
                "Error de conversión al convertir un valor al tipo de datos smallint."},
           Case{"INSERT INTO CUENTAS_DE_OTRO (CODIGO, titulo) VALUES ('1', 2)", copyAccounts, 245,
                "Error de conversión al convertir un valor al tipo de datos bit."},
           Case{"INSERT INTO CPTES_DE_OTRO VALUES ('abc', 'FC', '000100000001A')",
                "INSERT INTO V_MV_CPTE (ID, TC, IdComprobante) SELECT * FROM CPTES_DE_OTRO", 245,
                "Error de conversión al convertir un valor al tipo de datos int."},
       }) {
    SCOPED_TRACE(c.row);
    define(QStringLiteral("DELETE FROM CUENTAS_DE_OTRO; DELETE FROM CPTES_DE_OTRO; ") + QLatin1String(c.row));
    failure(QString::fromLatin1(c.sql));
    ASSERT_GT(cn.Errors().Count(), 0);
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native);
    EXPECT_EQ(cn.Errors()[0].Description, QString::fromUtf8(c.description));
  }
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS")), rt::Variant(0));
  for (const auto& [sql, check] : {
           std::pair{"INSERT INTO V_MV_CPTE (TC, IdComprobante, IdReparto) VALUES ('FC', '1', 12.5)",
                     "IT_V_MV_CPTE_IdReparto"},
           std::pair{"INSERT INTO V_MV_CPTE (TC, IdComprobante, IdReparto) VALUES ('FC', '1', 2147483648)",
                     "IR_V_MV_CPTE_IdReparto"},
           std::pair{"INSERT INTO V_MV_CPTE (ID, TC, IdComprobante) VALUES (2147483648, 'FC', '1')", "IR_V_MV_CPTE_ID"},
           std::pair{"INSERT INTO V_MV_CPTE (TC, IdComprobante, ANULADA) VALUES ('FC', '1', 5)", "BT_V_MV_CPTE_ANULADA"},
       })
    EXPECT_EQ(RunInDatabase(path, QString::fromLatin1(sql)), QStringLiteral("CHECK constraint failed: ") + check);
}

// A value written to money or a decimal column through T-SQL is rounded to
// the column's scale half away from zero, from the digits the statement
// writes, and its range is that of the rounded value; a comparison with
// the same literal finds it.
TEST_F(SqliteErrorsTest, MoneyAndDecimalsAreRoundedToTheirScaleAsSqlServerRoundsThem) {
  exec(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante) VALUES ('FC', '000100000001A')"));
  exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, IdDeposito, Cantidad, Fecha) "
                      "VALUES ('RM', '000100000001R', 'A1', '   1', 5, '2005-07-01')"));
  struct Case {
    const char* column;
    const char* value;
    long native;
    rt::Variant stored;
  };
  const rt::Variant no;
  const auto money = [](const char* text) { return rt::Variant(*rt::Currency::parse(QString::fromLatin1(text))); };
  for (const Case& c : {
           Case{"V_MV_CPTE.Importe", "1.00005", 0, money("1.0001")},
           Case{"V_MV_CPTE.Importe", "Importe * 3", 0, money("3.0003")},
           Case{"V_MV_CPTE.Importe", "-1.00005", 0, money("-1.0001")},
           Case{"V_MV_CPTE.Importe", "1.00004999", 0, money("1")},
           Case{"V_MV_CPTE.Importe", "0.00015", 0, money("0.0002")},
           Case{"V_MV_CPTE.Importe", "'2.00005'", 0, money("2.0001")},
           Case{"V_MV_CPTE.Importe", "12.34565e1", 0, money("123.4565")},
           Case{"V_MV_CPTE.Importe", "922337203685477.58075", 8115, no},
           Case{"V_MV_CPTE.Importe", "2.5 * 1.00002", 0, money("2.5001")},
           Case{"V_MV_CPTE.AlicIva", "99999.99995", 8115, no},
           Case{"V_MV_CPTE.AlicIva", "99999.99994", 0, money("99999.9999")},
           Case{"V_MV_CPTE.AlicIva", "10.50005", 0, money("10.5001")},
           Case{"V_MV_STOCK.EQUIV_UDBASE", "1.0000005", 0, 1.000001},
           Case{"V_MV_STOCK.EQUIV_UDBASE", "-0.0000004", 0, 0.0},
       })
    expectUpdate(c.column, c.value, c.native, c.stored);
  exec(QStringLiteral("UPDATE V_MV_CPTE SET Importe = 1.00005"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE WHERE Importe = 1.0001")), rt::Variant(1));
  exec(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante, Importe, AlicIva) VALUES ('FC', '000100000002A', "
                      "7.77775, '21.00005')"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE WHERE Importe = 7.7778 AND AlicIva = 21.0001")),
            rt::Variant(1));
}

// CAST and CONVERT to a whole number, and a text added to a number, convert
// as SQL Server does: a text that is no whole number is refused (245), ''
// gives 0, a number's fraction is truncated.
TEST_F(SqliteErrorsTest, ConversionsThatCannotBeMadeAreRefused) {
  exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('A1', '12')"));
  struct Case {
    const char* expression;
    long native;
    rt::Variant value;
  };
  const rt::Variant no;
  for (const Case& c : {
           Case{"CONVERT(int, 'abc')", 245, no},
           Case{"CAST('abc' AS INT)", 245, no},
           Case{"CAST('12.7' AS INT)", 245, no},
           Case{"CAST(CODIGO AS INT)", 245, no},
           Case{"CODIGO + 1", 245, no},
           Case{"1 + CODIGO", 245, no},
           Case{"CODIGO + 1.5", 8114, no},
           Case{"CAST(40000 AS SMALLINT)", 220, no},
           Case{"CAST(3000000000 AS INT)", 8115, no},
           Case{"CAST('' AS INT)", 0, 0},
           Case{"CAST(' -12 ' AS INT)", 0, -12},
           Case{"CAST(12.7 AS INT)", 0, 12},
           Case{"CONVERT(INT, DESCRIPCION)", 0, 12},
           Case{"DESCRIPCION + 1", 0, 13},
           Case{"DESCRIPCION + 0.5", 0, 12.5},
           Case{"CAST(3000000000 AS BIGINT)", 0, int64_t{3000000000}},
       }) {
    const QString sql = QStringLiteral("SELECT %1 FROM MA_CUENTAS").arg(QLatin1String(c.expression));
    SCOPED_TRACE(sql.toStdString());
    if (c.native == 0) {
      EXPECT_EQ(scalar(sql), c.value);
      continue;
    }
    failure(sql);
    ASSERT_GT(cn.Errors().Count(), 0);
    EXPECT_EQ(cn.Errors()[0].NativeError, c.native);
  }
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
