#include <gtest/gtest.h>

#include <limits>

#include "platform/ado/Connection.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;
namespace errnum = ado::errnum;

namespace {

class UpdatableRecordsetTest : public SuiteDatabaseTest {
 protected:
  UpdatableRecordsetTest() {
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('UNO', '1')"));
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('DOS', '2')"));
  }
  ado::Recordset editable(const QString& sql) {
    ado::Recordset rs;
    rs.Open(sql, cn, ado::adOpenDynamic, ado::adLockOptimistic);
    return rs;
  }
  QString valor(const char* clave) {
    return scalar(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = '%1'").arg(QLatin1String(clave)))
        .toStringOrEmpty();
  }
};

}  // namespace

TEST_F(UpdatableRecordsetTest, AddNewWritesTheRowWithDayFirstDatesStoredAsIso) {
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM AUX_ERR LIMIT 1"));
  EXPECT_TRUE(rs.BOF());
  rs.AddNew();
  EXPECT_EQ(rs.EditMode(), 2);
  EXPECT_FALSE(rs.EOF());
  rs[QStringLiteral("Proceso")] = rt::Variant("importar_tavernix");
  rs[QStringLiteral("Fecha")] = rt::Variant("01/07/05 13:45");
  rs[QStringLiteral("Error")] = rt::Variant(2627);
  rs[QStringLiteral("Descripcion")] = rt::Variant("");
  rs[QStringLiteral("SQL")] = rt::Variant("BEGIN TRANSACTION \r\r\rINSERT ...\r");
  rs.Update();
  EXPECT_EQ(rs.EditMode(), 0);
  EXPECT_EQ(rs[QStringLiteral("Fecha")].Value(), rt::Variant(rt::MakeDate(2005, 7, 1, 13, 45)));
  EXPECT_TRUE(rs[QStringLiteral("PC")].Value().isNull());
  rs.Close();

  EXPECT_EQ(scalar(QStringLiteral("SELECT 'x' || Fecha FROM AUX_ERR")), rt::Variant("x2005-07-01 13:45:00"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Error FROM AUX_ERR")), rt::Variant(2627));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Descripcion FROM AUX_ERR")), rt::Variant(""));
}

TEST_F(UpdatableRecordsetTest, EditsTheCurrentRowInPlace) {
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'uno'"));
  rs[QStringLiteral("VALOR")] = rt::Variant("uno nuevo");
  EXPECT_EQ(rs.EditMode(), 1);
  EXPECT_EQ(rs[QStringLiteral("VALOR")].Value(), rt::Variant("uno nuevo"));
  rs.Update();
  EXPECT_EQ(valor("UNO"), QStringLiteral("uno nuevo"));
  EXPECT_EQ(valor("DOS"), QStringLiteral("2"));

  // A table without a key: the row is found by its values.
  exec(QStringLiteral("INSERT INTO AUX_ERR (Proceso, Fecha, Error) VALUES ('p', '2005-07-01', 1)"));
  exec(QStringLiteral("INSERT INTO AUX_ERR (Proceso, Fecha, Error) VALUES ('p', '2005-07-02', 1)"));
  ado::Recordset log = editable(QStringLiteral("SELECT * FROM AUX_ERR WHERE Fecha = '2005-07-02'"));
  log[QStringLiteral("Error")] = rt::Variant(547);
  log.Update();
  EXPECT_EQ(scalar(QStringLiteral("SELECT SUM(Error) FROM AUX_ERR")), rt::Variant(548));
}

TEST_F(UpdatableRecordsetTest, CancelUpdateDropsTheEdit) {
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM TA_CONFIGURACION ORDER BY CLAVE"));
  rs[QStringLiteral("VALOR")] = rt::Variant("cambiado");
  rs.CancelUpdate();
  EXPECT_EQ(rs.EditMode(), 0);
  EXPECT_EQ(rs[QStringLiteral("VALOR")].Value(), rt::Variant("2"));

  rs.AddNew();
  rs[QStringLiteral("CLAVE")] = rt::Variant("TRES");
  rs.CancelUpdate();
  EXPECT_EQ(rs[QStringLiteral("CLAVE")].Value(), rt::Variant("DOS")) << "back on the row current before AddNew";
  rs.MoveNext();
  rs.MoveNext();
  EXPECT_TRUE(rs.EOF());
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")), rt::Variant(2));
  EXPECT_EQ(valor("DOS"), QStringLiteral("2"));
}

TEST_F(UpdatableRecordsetTest, ClosingWithAPendingEditIsRefusedAndAMoveSavesIt) {
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM TA_CONFIGURACION ORDER BY CLAVE"));
  rs[QStringLiteral("VALOR")] = rt::Variant("dos nuevo");
  EXPECT_EQ(ErrorNumberOf([&] { rs.Close(); }), errnum::NotAllowedInContext);
  EXPECT_EQ(rs.State(), ado::adStateOpen);
  rs.MoveNext();  // saves the edit first
  EXPECT_EQ(valor("DOS"), QStringLiteral("dos nuevo"));
  EXPECT_EQ(rs[QStringLiteral("CLAVE")].Value(), rt::Variant("UNO"));

  rs.AddNew();
  rs[QStringLiteral("CLAVE")] = rt::Variant("TRES");
  EXPECT_EQ(ErrorNumberOf([&] { rs.Close(); }), errnum::NotAllowedInContext);
  rs.CancelUpdate();
  rs.Close();
  EXPECT_EQ(rs.State(), ado::adStateClosed);
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")), rt::Variant(2));
}

TEST_F(UpdatableRecordsetTest, AFailedUpdateKeepsTheEditAndFillsErrors) {
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM TA_CONFIGURACION"));
  rs.AddNew();
  rs[QStringLiteral("CLAVE")] = rt::Variant("uno  ");  // equal to UNO under the collation
  EXPECT_EQ(ErrorNumberOf([&] { rs.Update(); }), errnum::Integrity);
  ASSERT_EQ(cn.Errors().Count(), 2);
  EXPECT_EQ(cn.Errors()[0].NativeError, 2627);
  EXPECT_EQ(cn.Errors()[1].NativeError, 3621);
  EXPECT_EQ(rs.EditMode(), 2);
  rs[QStringLiteral("CLAVE")] = rt::Variant("TRES");
  rs.Update();
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")), rt::Variant(3));
  EXPECT_EQ(rs.RecordCount(), 3);
}

TEST_F(UpdatableRecordsetTest, ValuesAreConvertedByTheColumnType) {
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM AUX_ERR"));
  rs.AddNew();
  EXPECT_EQ(ErrorNumberOf([&] { rs[QStringLiteral("Fecha")] = rt::Variant("ayer"); }), errnum::TypeConversion);
  EXPECT_EQ(ErrorNumberOf([&] { rs[QStringLiteral("Error")] = rt::Variant("dos"); }), errnum::TypeConversion);
  rs[QStringLiteral("Error")] = rt::Variant("12");
  rs[QStringLiteral("Proceso")] = rt::Variant(12.5);
  EXPECT_EQ(rs[QStringLiteral("Error")].Value(), rt::Variant(12));
  EXPECT_EQ(rs[QStringLiteral("Proceso")].Value(), rt::Variant("12,5"));
  rs.CancelUpdate();
}

// A value a column cannot take is refused when it is assigned, naming the
// value as it was given, a number too: one of no form the column takes as a
// conversion, one beyond the column type's range as an overflow. What fits
// the field but not the column's checks is refused when the row is written.
// The field and the row keep what they had.
TEST_F(UpdatableRecordsetTest, AValueTheColumnCannotTakeIsRefusedByName) {
  exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, Fecha, Cantidad, PrecioVenta) "
                      "VALUES ('RM', '000100000001R', 1, '2005-07-01', 5, 10)"));
  const long conversion = errnum::TypeConversion, overflow = errnum::DataOverflow;
  struct Case {
    const char* column;
    rt::Variant value;
    long number;
    const char* description;
  };
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM V_MV_STOCK"));
  for (const Case& c : {
           Case{"PrecioVenta", "abc", conversion,
                "No se puede convertir el valor \"abc\" al tipo de la columna PrecioVenta."},
           Case{"PrecioVenta", "12,5,3", conversion,
                "No se puede convertir el valor \"12,5,3\" al tipo de la columna PrecioVenta."},
           Case{"PrecioVenta", 1e20, overflow,
                "El valor \"1E+20\" está fuera del intervalo del tipo de la columna PrecioVenta."},
           Case{"PrecioVenta", "1e20", overflow,
                "El valor \"1e20\" está fuera del intervalo del tipo de la columna PrecioVenta."},
           Case{"Cantidad", "n/d", conversion, "No se puede convertir el valor \"n/d\" al tipo de la columna Cantidad."},
           Case{"Secuencia", 1e10, overflow,
                "El valor \"10000000000\" está fuera del intervalo del tipo de la columna Secuencia."},
           Case{"Fecha", "2005-02-28 10:00:00+03:00", conversion,
                "No se puede convertir el valor \"2005-02-28 10:00:00+03:00\" al tipo de la columna Fecha."},
           Case{"Fecha", 3e6, overflow, "El valor \"3000000\" está fuera del intervalo del tipo de la columna Fecha."},
           Case{"Fecha", std::numeric_limits<double>::infinity(), overflow,
                "El valor \"INF\" está fuera del intervalo del tipo de la columna Fecha."},
       }) {
    SCOPED_TRACE(c.column);
    const QString column = QString::fromLatin1(c.column);
    const rt::Variant before = rs[column].Value();
    try {
      rs[column] = c.value;
      ADD_FAILURE() << "taken: " << c.value.toString().toStdString();
    } catch (const rt::Error& e) {
      EXPECT_EQ(e.Number(), c.number);
      EXPECT_EQ(e.Description(), QString::fromUtf8(c.description));
    }
    EXPECT_EQ(rs[column].Value(), before);
  }
  rs.CancelUpdate();

  struct Written {
    const char* column;
    rt::Variant value;
    long native;
  };
  for (const Written& w : {Written{"Cantidad", rt::Currency::fromInt(100000000000000), 8115},
                           Written{"Fecha", rt::MakeDate(1700, 1, 1), 242}}) {
    SCOPED_TRACE(w.column);
    rs[QString::fromLatin1(w.column)] = w.value;
    cn.Errors().Clear();
    EXPECT_NE(ErrorNumberOf([&] { rs.Update(); }), 0);
    ASSERT_GT(cn.Errors().Count(), 0);
    EXPECT_EQ(cn.Errors()[0].NativeError, w.native);
    rs.CancelUpdate();
  }
  EXPECT_EQ(scalar(QStringLiteral("SELECT Cantidad FROM V_MV_STOCK")), rt::Variant(rt::Currency::fromInt(5)));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Fecha FROM V_MV_STOCK")), rt::Variant(rt::MakeDate(2005, 7, 1)));
  EXPECT_EQ(scalar(QStringLiteral("SELECT PrecioVenta FROM V_MV_STOCK")), rt::Variant(rt::Currency::fromInt(10)));
}

TEST_F(UpdatableRecordsetTest, AnSSViewWritesToItsBaseTable) {
  define(QStringLiteral("CREATE VIEW SS_TA_CONFIGURACION AS SELECT CLAVE, VALOR FROM TA_CONFIGURACION "
                      "UNION ALL SELECT CLAVE, VALOR FROM TA_CONFIGURACION WHERE 0"));
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM SS_TA_CONFIGURACION WHERE CLAVE = 'UNO'"));
  rs[QStringLiteral("VALOR")] = rt::Variant("por la vista");
  rs.AddNew();  // saves the edit, then adds
  rs[QStringLiteral("CLAVE")] = rt::Variant("TRES");
  rs[QStringLiteral("VALOR")] = rt::Variant("3");
  rs.Update();
  EXPECT_EQ(valor("UNO"), QStringLiteral("por la vista"));
  EXPECT_EQ(valor("TRES"), QStringLiteral("3"));
}

TEST_F(UpdatableRecordsetTest, AReadOnlyRecordsetRefusesEdits) {
  ado::Recordset rs;
  rs.Open(QStringLiteral("SELECT * FROM TA_CONFIGURACION"), cn);
  EXPECT_EQ(ErrorNumberOf([&] { rs.AddNew(); }), errnum::NotSupported);
  EXPECT_EQ(ErrorNumberOf([&] { rs[QStringLiteral("VALOR")] = rt::Variant("x"); }), errnum::NotSupported);
  ado::Recordset empty = editable(QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'nada'"));
  EXPECT_EQ(ErrorNumberOf([&] { empty[QStringLiteral("VALOR")] = rt::Variant("x"); }), errnum::BofOrEof);
}

// The program writes its recording times as "dd/mm/yy hh:mm" text, through
// T-SQL and through recordsets: the database reads a two-digit year as SQL
// Server does (00-49 are 2000-2049), whichever the path, while the
// runtime's own reading keeps the suite's window.
TEST_F(UpdatableRecordsetTest, TwoDigitYearsOfDatesTheDatabaseReadsFollowSqlServer) {
  struct Case {
    const char* text;
    QDateTime stored;
  };
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM AUX_ERR"));
  int row = 0;
  for (const Case& c : {Case{"01/07/30 10:15", rt::MakeDate(2030, 7, 1, 10, 15)},
                        Case{"31/12/49", rt::MakeDate(2049, 12, 31)}, Case{"01/01/50", rt::MakeDate(1950, 1, 1)},
                        Case{"1/7/05 13:45", rt::MakeDate(2005, 7, 1, 13, 45)}}) {
    SCOPED_TRACE(c.text);
    const QString sqlRow = QStringLiteral("sql%1").arg(++row), recordsetRow = QStringLiteral("rs%1").arg(row);
    exec(QStringLiteral("INSERT INTO AUX_ERR (Proceso, Fecha) VALUES ('%1', '%2')").arg(sqlRow, QLatin1String(c.text)));
    rs.AddNew();
    rs[QStringLiteral("Proceso")] = rt::Variant(recordsetRow);
    rs[QStringLiteral("Fecha")] = rt::Variant(c.text);
    rs.Update();
    for (const QString& written : {sqlRow, recordsetRow})
      EXPECT_EQ(scalar(QStringLiteral("SELECT Fecha FROM AUX_ERR WHERE Proceso = '%1'").arg(written)),
                rt::Variant(c.stored))
          << written.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR WHERE Fecha = '%1'").arg(QLatin1String(c.text))),
              rt::Variant(2));
  }
  EXPECT_EQ(rt::Variant("01/07/30 10:15").toDate(), rt::MakeDate(1930, 7, 1, 10, 15));
  EXPECT_EQ(rt::ParseDate(u"31/12/49"), rt::MakeDate(1949, 12, 31));
}

// Through a recordset a value is converted on the client side as ADO does
// (12.5 is 12, 12.7 is 13, a bit takes any number but 0 for true), refused
// when it is assigned if its column cannot take it, a smallint's range
// included, and what the field takes is stored and reads back so.
TEST_F(UpdatableRecordsetTest, WholeNumberAndBitFieldsTakeWhatTheirTypeTakes) {
  exec(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante) VALUES ('FC', '000100000001A')"));
  exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO) VALUES ('1')"));
  const long conversion = errnum::TypeConversion, overflow = errnum::DataOverflow;
  struct Case {
    const char* column;  // table.column
    rt::Variant value;
    long refused;        // 0: stored
    rt::Variant stored;  // what reads back
  };
  const rt::Variant no;
  for (const Case& c : {
           Case{"V_MV_CPTE.IdReparto", "abc", conversion, no},
           Case{"V_MV_CPTE.IdReparto", 2147483648.0, overflow, no},
           Case{"V_MV_CPTE.IdReparto", 12.5, 0, 12},
           Case{"V_MV_CPTE.IdReparto", 12.7, 0, 13},
           Case{"V_MV_CPTE.IdReparto", "-12", 0, -12},
           Case{"MA_CUENTAS.dv", 40000, overflow, no},
           Case{"MA_CUENTAS.dv", "-32769", overflow, no},
           Case{"MA_CUENTAS.dv", 32767, 0, 32767},
           Case{"V_MV_CPTE.ANULADA", "abc", conversion, no},
           Case{"V_MV_CPTE.ANULADA", 5, 0, true},
           Case{"V_MV_CPTE.ANULADA", -1, 0, true},
           Case{"V_MV_CPTE.ANULADA", 0, 0, false},
       }) {
    const QStringList where = QString::fromLatin1(c.column).split(u'.');
    SCOPED_TRACE(QStringLiteral("%1 = %2").arg(c.column, c.value.toString()).toStdString());
    ado::Recordset rs = editable(QStringLiteral("SELECT * FROM %1").arg(where[0]));
    const rt::Variant before = rs[where[1]].Value();
    if (c.refused != 0) {
      EXPECT_EQ(ErrorNumberOf([&] { rs[where[1]] = c.value; }), c.refused);
      EXPECT_EQ(rs[where[1]].Value(), before);
      continue;
    }
    rs[where[1]] = c.value;
    rs.Update();
    EXPECT_EQ(scalar(QStringLiteral("SELECT %1 FROM %2").arg(where[1], where[0])), c.stored);
  }
}

// A width counts every character of a text, a NUL among them, and never
// bytes of UTF-8: through a recordset and through T-SQL alike.
TEST_F(UpdatableRecordsetTest, WidthsCountEveryCharacterWhicheverThePath) {
  exec(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante) VALUES ('FC', '000100000001A')"));
  const QString withNul = QStringLiteral("AB") + QChar(u'\0') + QStringLiteral("CDEFG");
  ado::Recordset rs = editable(QStringLiteral("SELECT * FROM V_MV_CPTE"));
  rs[QStringLiteral("Moneda")] = rt::Variant(withNul);
  cn.Errors().Clear();
  EXPECT_EQ(ErrorNumberOf([&] { rs.Update(); }), errnum::DataOverflow);
  ASSERT_GT(cn.Errors().Count(), 0);
  EXPECT_EQ(cn.Errors()[0].NativeError, 8152);
  rs.CancelUpdate();
  try {
    cn.Execute(QStringLiteral("UPDATE V_MV_CPTE SET Moneda = '%1'").arg(withNul));
    ADD_FAILURE() << "a text of eight characters in CHAR(4)";
  } catch (const rt::Error& e) {
    EXPECT_EQ(cn.Errors()[0].NativeError, 8152);
  }
  EXPECT_TRUE(scalar(QStringLiteral("SELECT Moneda FROM V_MV_CPTE")).isNull());

  rs[QStringLiteral("Moneda")] = rt::Variant(QString::fromUtf8("ÑÑÑÑ"));
  rs.Update();
  exec(QStringLiteral("UPDATE V_MV_CPTE SET Nombre = 'ñandú' WHERE Moneda = 'ññññ'"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Nombre FROM V_MV_CPTE")), rt::Variant(QString::fromUtf8("ñandú")));
}
