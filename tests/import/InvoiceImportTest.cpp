// The invoice detail carried into vouchers, entries, accounts, calendar
// days and fiscal years, end to end from a DBF table through the window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ImportRun.h"
#include "core/CoreState.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/DbfWriter.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using testing_support::TxfacRecord;
using testing_support::voucher;

class InvoiceImport : public testing_support::ImportRun {
 protected:
  // The five kinds: invoices A and B, credit notes A and B, a ticket, on
  // both sides of 1 July 2005.
  std::vector<TxfacRecord> everyKind() {
    return {voucher("A", 25, QDate(2005, 3, 15), "0001", 10, 12100, 2100),
            voucher("b", 0, QDate(2005, 6, 30), "2", 11, 10050, 0),
            voucher("m", 25, QDate(2005, 7, 1), "0001", 12, 6050, 1050),
            voucher("L", 26, QDate(2005, 7, 2), "0001", 13, 1000, 0),
            voucher("K", 25, QDate(2005, 7, 15), "0003", 14, 500, 0)};
  }
  long count(const char* table) { return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLong(); }
};

TEST_F(InvoiceImport, EveryKindBecomesAVoucherWithABalancedEntry) {
  writeTxfac(everyKind());
  importa(Facturacion);

  EXPECT_EQ(rows("SELECT TC, IdComprobante, IdComplemento, Fecha, Cuenta, Nombre, Importe, NetoGravado, AlicIva, "
                 "ImporteIVA, DOCUMENTONUMERO, DOCUMENTOTIPO, CondicionIva, UNEGOCIO, Moneda, Cotizacion, IdVendedor "
                 "FROM V_MV_CPTE ORDER BY ID"),
            QStringList({"FC|000100000010A|0|15/03/2005|112010025||121|121|21|21|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "FC|000200000011B|0|30/06/2005|112010001||100,5|100,5|21|0|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "NC|000100000012A|0|01/07/2005|112010025|Completar|60,5|60,5|21|10,5|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "NC|000100000013B|0|02/07/2005|112010026||10|10|21|0|20-12345678-9|   1|   1|   1|   1|1|   7",
                         "TK|000300000014X|0|15/07/2005|112010025|Completar|5|5|21|0|20-12345678-9|   1|   1|   1|   1|1|   7"}));

  // Two lines per voucher: the customer against the adjustment account, one
  // entry number per month and period.
  EXPECT_EQ(rows("SELECT TC, Sucursal, Numero, Letra, Secuencia, Cuenta, [DEBE-HABER], Importe, CabCuenta, "
                 "CabImporte, MES_OPERATIVO, Periodo, [NUMERO ASIENTO], EsAjuste, Tipo_Reg FROM MV_ASIENTOS "
                 "ORDER BY Numero, Secuencia"),
            QStringList({"FC|0001|00000010|A|1|112010025|D|121|112010025|121|3|0|1|Falso|",
                         "FC|0001|00000010|A|2|511|H|121|112010025|121|3|0|1|Verdadero|",
                         "FC|0002|00000011|B|1|112010001|D|100,5|112010001|100,5|6|0|1|Falso|",
                         "FC|0002|00000011|B|2|511|H|100,5|112010001|100,5|6|0|1|Verdadero|",
                         "NC|0001|00000012|A|1|112010025|H|60,5|112010025|60,5|7|1|1|Falso|",
                         "NC|0001|00000012|A|2|511|D|60,5|112010025|60,5|7|1|1|Verdadero|",
                         "NC|0001|00000013|B|1|112010026|H|10|112010026|10|7|1|2|Falso|",
                         "NC|0001|00000013|B|2|511|D|10|112010026|10|7|1|2|Verdadero|",
                         "TK|0003|00000014|X|1|112010025|D|5|112010025|5|7|1|3|Falso|",
                         "TK|0003|00000014|X|2|511|H|5|112010025|5|7|1|3|Verdadero|"}));
  EXPECT_EQ(rows("SELECT MES_OPERATIVO, Periodo, [NUMERO ASIENTO] FROM MV_ASIENTOS GROUP BY MES_OPERATIVO, Periodo, [NUMERO ASIENTO] "
                 "HAVING SUM(CASE [DEBE-HABER] WHEN 'D' THEN Importe ELSE -Importe END) <> 0"),
            QStringList());

  // The VAT-book figures ride on the first line only; a customer known
  // from an earlier voucher gives its name.
  EXPECT_EQ(rows("SELECT LIVA_TIPO, LIVA_TOTAL, CabCUIT, CabCondIVA, LIVA_IMPNETOGRAV, LIVA_IMPIVA, LIVA_ALICIVA, "
                 "Vencimiento, Detalle, IdVendedor, IDCAJAS, UNEGOCIO, Moneda, Transmision, usuario_logeado, "
                 "fechahora_grabacion FROM MV_ASIENTOS WHERE Numero = '00000012' ORDER BY Secuencia"),
            QStringList({"Ventas|-60,5|20-12345678-9||60,5|10,5|21|01/07/2005|7|   7|   1|   1|   1|4|operador|"
                         "15/03/2024 14:05:00",
                         "<null>|0|<null>|<null>|0|0|0|<null>|7|   7|   1|   1|   1|4|operador|15/03/2024 14:05:00"}));

  EXPECT_EQ(rows("SELECT CODIGO, DESCRIPCION, TipoVista FROM MA_CUENTAS WHERE CODIGO <> '511' ORDER BY CODIGO"),
            QStringList({"112010001|Completar|CL", "112010025|Completar|CL", "112010026|Completar|CL"}));
  EXPECT_EQ(rows("SELECT fecha, nolaborable FROM ma_calendario ORDER BY fecha"),
            QStringList({"15/03/2005|Falso", "30/06/2005|Falso", "01/07/2005|Falso", "02/07/2005|Falso", "15/07/2005|Falso"}));
  EXPECT_EQ(rows("SELECT PERIODO, DESCRIPCION, [FECHA DESDE], [FECHA HASTA] FROM MV_EJERCICIOS ORDER BY PERIODO"),
            QStringList({"0|Ejercicio Anterior|01/01/1994|30/06/2005", "1|Ejercicio 2005-2006|01/07/2005|30/06/2006"}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:5 Errores: 0\r\n Inicio: 15/03/2024 14:05:09"))
      << ventana.LblDetalle.Caption().toStdString();
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" FINALIZADO ")) << ventana.LblDetalle.Caption().toStdString();
  EXPECT_EQ(ventana.lblTabla.Caption(), "");
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace

namespace {

TEST_F(InvoiceImport, ARerunWritesNothingNew) {
  writeTxfac(everyKind());
  importa(Facturacion);
  const QStringList entries = rows("SELECT * FROM MV_ASIENTOS ORDER BY Numero, Secuencia");
  importa(Facturacion);
  EXPECT_EQ(rows("SELECT * FROM MV_ASIENTOS ORDER BY Numero, Secuencia"), entries);
  EXPECT_EQ(count("V_MV_CPTE"), 5);
  EXPECT_EQ(count("MA_CUENTAS"), 4);
  EXPECT_EQ(count("ma_calendario"), 5);
  EXPECT_EQ(count("MV_EJERCICIOS"), 2);
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:0 Errores: 0"));
}

TEST_F(InvoiceImport, AFailingRecordRollsBackAloneAndIsCounted) {
  // The database refuses the account of customer 0, which the second
  // voucher would add.
  define("CREATE TRIGGER T_CUENTA BEFORE INSERT ON MA_CUENTAS WHEN NEW.CODIGO = '112010001' BEGIN "
         "SELECT RAISE(ABORT, '50001: La cuenta 112010001 está reservada'); END");
  writeTxfac(everyKind());
  host.answer(ui::mb::Ok, "50001 : La cuenta 112010001 está reservada");
  importa(Facturacion);
  EXPECT_EQ(host.boxes().at(0).title, "Aviso al Operador!");
  EXPECT_EQ(rows("SELECT IdComprobante FROM V_MV_CPTE ORDER BY ID"),
            QStringList({"000100000010A", "000100000012A", "000100000013B", "000300000014X"}));
  EXPECT_EQ(count("MV_ASIENTOS"), 8);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTAS WHERE CODIGO = '112010001'").toLong(), 0);
  EXPECT_EQ(rows("SELECT Error, Descripcion FROM AUX_ERR"),
            QStringList({"50001|50001 : La cuenta 112010001 está reservada\r\n"}));
  EXPECT_TRUE(scalar("SELECT SQL FROM AUX_ERR").toString().contains("INSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) "
                                                                    "VALUES('112010001','Completar')"));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:4 Errores: 1"))
      << ventana.LblDetalle.Caption().toStdString();
}

TEST_F(InvoiceImport, RecordsThatCannotBeVouchersAreRejectedAndRecorded) {
  std::vector<TxfacRecord> records = everyKind();
  records[0].CodCpb = "Z";
  records[1].Fecha = rt::Variant::null();
  records[3].Prefijo = "AB";
  // A blank number is no voucher number: it would stand for every voucher
  // exported without one.
  records[4].Numero = rt::Variant::null();
  writeTxfac(records);
  importa(Facturacion);
  EXPECT_EQ(rows("SELECT IdComprobante FROM V_MV_CPTE ORDER BY ID"), QStringList({"000100000012A"}));
  EXPECT_EQ(count("MV_ASIENTOS"), 2);
  EXPECT_EQ(rows("SELECT fecha FROM ma_calendario ORDER BY fecha"), QStringList({"01/07/2005"}));
  EXPECT_EQ(rows("SELECT Error, Descripcion FROM AUX_ERR ORDER BY Descripcion"),
            QStringList({"0|TXFAC.DBF registro 1: el tipo de comprobante (Cod_Cpb) \"Z\" no es A, B, M, L ni K; el "
                         "registro no se importó.",
                         "0|TXFAC.DBF registro 2: la fecha \"\" está vacía o no es válida; el registro no se importó.",
                         "0|TXFAC.DBF registro 4: el prefijo \"AB\" o el número \"13\" no son números; el registro no "
                         "se importó.",
                         "0|TXFAC.DBF registro 5: el número de comprobante (Numero) está vacío; el registro no se "
                         "importó."}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:1 Errores: 4"))
      << ventana.LblDetalle.Caption().toStdString();
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(InvoiceImport, AFailedEntryNumberRejectsTheRecord) {
  writeTxfac({everyKind()[0]});
  // An entry number that is no number makes March's numbering fail. The
  // database refuses to store one now; a database an earlier build wrote
  // may hold it.
  testing_support::DefineInDatabase(
      path, "PRAGMA ignore_check_constraints = ON; INSERT INTO MV_ASIENTOS (Tipo_Reg, MES_OPERATIVO, Periodo, "
            "Secuencia, [NUMERO ASIENTO]) VALUES ('', 3, 0, 1, 'x')");
  host.answerAnyBoxWith(ui::mb::Abort);
  importa(Facturacion);
  ASSERT_FALSE(host.boxes().empty());
  EXPECT_TRUE(host.boxes()[0].title.contains("ObtieneNroAsiento")) << host.boxes()[0].title.toStdString();
  EXPECT_EQ(count("V_MV_CPTE"), 0);
  EXPECT_EQ(count("MV_ASIENTOS"), 1);
  EXPECT_EQ(scalar("SELECT Descripcion FROM AUX_ERR").toString(),
            "TXFAC.DBF registro 1: no se pudo obtener el número de asiento; el registro no se importó.");
}

// A table of another layout (no CUIT column): each record's failure is
// shown, and when the operator goes on past it the record is still counted
// and recorded with the error, never dropped without a trace.
TEST_F(InvoiceImport, ARecordWhoseFailureTheOperatorPassesOverIsRecorded) {
  testing_support::DbfWriter w;
  w.field("COD_CPB", 'C', 1).field("COD_CLI", 'N', 6).field("FECHA", 'D').field("PREFIJO", 'C', 4);
  w.field("NUMERO", 'N', 8).field("TOTAL", 'N', 12, 2).field("IVA1", 'N', 12, 2).field("IVA2", 'N', 12, 2);
  w.field("TASA1", 'N', 6, 2).field("TASA2", 'N', 6, 2).field("COD_EMP", 'C', 4);
  for (int numero : {10, 11})
    w.add({QStringLiteral("A"), int32_t(25), rt::MakeDate(2005, 3, 15), QStringLiteral("0001"), int32_t(numero),
           rt::Currency::fromInt(121), rt::Currency::fromInt(21), rt::Currency(), rt::Currency::fromInt(21),
           rt::Currency(), QStringLiteral("   7")});
  w.write(origen.file("TXFAC.DBF"));
  host.answerAnyBoxWith(ui::mb::Ignore);
  importa(Facturacion);
  EXPECT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(count("V_MV_CPTE"), 0);
  const QStringList recorded = rows("SELECT Descripcion FROM AUX_ERR ORDER BY Descripcion");
  ASSERT_EQ(recorded.size(), 2);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(recorded[i], QStringLiteral("TXFAC.DBF registro %1: No se encontró el elemento en la colección que "
                                          "corresponde al nombre o al ordinal solicitado; el registro no se importó.")
                               .arg(i + 1));
}

TEST_F(InvoiceImport, CancellingFinishesTheRecordInHand) {
  writeTxfac(everyKind());
  // Three yields per written record; the fourth is between the lines of
  // the second voucher.
  host.atYield(4, [this] { ui::op::click(ventana.CmdCancelar); });
  importa(Facturacion);
  EXPECT_EQ(rows("SELECT IdComprobante FROM V_MV_CPTE ORDER BY ID"), QStringList({"000100000010A", "000200000011B"}));
  EXPECT_EQ(count("MV_ASIENTOS"), 4);
  EXPECT_EQ(ventana.lblTabla.Caption(), " ---> CANCELADO ");
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 2 de 5 Grabados:2 Errores: 0"));
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" ---> CANCELADO "));
  EXPECT_TRUE(ventana.cmdImportar.Enabled());
  EXPECT_FALSE(ventana.CmdCancelar.Enabled());
}

TEST_F(InvoiceImport, NoRunWithoutAnExistingAdjustmentAccount) {
  writeTxfac(everyKind());
  ventana.txtFields(0).Text = "599";
  host.answer(ui::mb::Ok, "\"599\" no existe en el plan de cuentas");
  importa(Facturacion);
  EXPECT_EQ(host.boxes().at(0).title, "Atencion!");
  EXPECT_EQ(count("MV_ASIENTOS") + count("V_MV_CPTE") + count("ma_calendario") + count("MV_EJERCICIOS"), 0);
  EXPECT_EQ(ventana.LblDetalle.Caption(), "");
}

TEST_F(InvoiceImport, TheAdjustmentAccountIsTheBoxTaggedForIt) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('512', 'Otro ajuste')");
  ventana.txtFields(0).Tag = "CtaAjusteProveedor";
  ventana.txtFields(1).Tag = "CtaAjusteCliente";
  ventana.txtFields(1).Text = " 512 ";
  writeTxfac({everyKind()[0]});
  importa(Facturacion);
  EXPECT_EQ(rows("SELECT Cuenta FROM MV_ASIENTOS WHERE Secuencia = 2"), QStringList({"512"}));
}

TEST_F(InvoiceImport, MissingFiscalYearsAreAddedBesideExistingOnes) {
  exec("INSERT INTO MV_EJERCICIOS (PERIODO, DESCRIPCION) VALUES (5, 'Otro')");
  exec("INSERT INTO MV_EJERCICIOS (PERIODO, DESCRIPCION, [FECHA DESDE]) VALUES (1, 'Propio', '01/07/2005')");
  writeTxfac({});
  importa(Facturacion);
  EXPECT_EQ(rows("SELECT PERIODO, DESCRIPCION FROM MV_EJERCICIOS ORDER BY PERIODO"),
            QStringList({"0|Ejercicio Anterior", "1|Propio", "5|Otro"}));
  EXPECT_EQ(ventana.LblDetalle.Caption(), " FINALIZADO ");
}

TEST_F(InvoiceImport, AVoucherWhoseEntryHasItsCustomerLineIsLeftAlone) {
  writeTxfac({everyKind()[0]});
  importa(Facturacion);
  exec("DELETE FROM V_MV_CPTE");
  exec("DELETE FROM ma_calendario");
  importa(Facturacion);
  EXPECT_EQ(count("V_MV_CPTE"), 0);
  EXPECT_EQ(count("MV_ASIENTOS"), 2);
  EXPECT_EQ(count("ma_calendario"), 1);
}

TEST_F(InvoiceImport, TextsLoseTheirApostrophes) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010025', 'O''Brien S.A.')");
  exec("INSERT INTO MA_CUENTASADIC (Codigo, Iva) VALUES ('112010025', '1')");
  TxfacRecord r = everyKind()[0];
  r.Cuit = "20'1";
  writeTxfac({r});
  importa(Facturacion);
  EXPECT_EQ(rows("SELECT CabNombre, CabCUIT, CabCondIVA FROM MV_ASIENTOS WHERE Secuencia = 1"),
            QStringList({"OBrien S.A.|201|   1"}));
  EXPECT_EQ(rows("SELECT Nombre, DOCUMENTONUMERO, CondicionIva FROM V_MV_CPTE"), QStringList({"OBrien S.A.|201|   1"}));
}

// Values the batch would refuse with a width error box per record, and
// dates SQL Server's datetime does not hold, are rejected before anything
// of the record is written; the first day it holds goes in. A customer
// number whose account would pass nine characters (12345, or 9999.5, which
// the "0000" format rounds to 10000) is one of them; 9999.4 is customer
// 9999.
TEST_F(InvoiceImport, ValuesTheDatabaseCannotHoldAreRejectedUpFront) {
  std::vector<TxfacRecord> records(10, everyKind()[0]);
  for (int i = 0; i < 10; ++i) records[i].Numero = int32_t(20 + i);
  records[0].Prefijo = "-1";
  records[1].Numero = int32_t(-5);
  records[2].CodCli = int32_t(-3);
  records[3].Fecha = rt::MakeDate(12, 5, 12);
  records[4].Fecha = rt::MakeDate(1752, 12, 31);
  records[5].Fecha = rt::MakeDate(1753, 1, 1);
  records[6].Fecha = "00120512";
  records[7].CodCli = int32_t(12345);
  records[8].CodCli = "9999.5";
  records[9].CodCli = "9999.4";
  writeTxfac(records);
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT IdComprobante, Fecha, Cuenta FROM V_MV_CPTE ORDER BY ID"),
            QStringList({"000100000025A|01/01/1753|112010025", "000100000029A|15/03/2005|112019999"}));
  EXPECT_EQ(rows("SELECT Fecha FROM MV_ASIENTOS ORDER BY Fecha"),
            QStringList({"01/01/1753", "01/01/1753", "15/03/2005", "15/03/2005"}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTAS WHERE LEN(CODIGO) > 9").toLong(), 0);
  const QString tarde = "\" es anterior al 01/01/1753, la primera que admite la base de datos; el registro no se importó.";
  EXPECT_EQ(rows("SELECT Descripcion FROM AUX_ERR ORDER BY Descripcion"),
            QStringList({"TXFAC.DBF registro 1: el prefijo \"-1\" es negativo; el registro no se importó.",
                         "TXFAC.DBF registro 2: el número \"-5\" es negativo; el registro no se importó.",
                         "TXFAC.DBF registro 3: el cliente (cod_cli) \"-3\" es negativo; el registro no se importó.",
                         "TXFAC.DBF registro 4: la fecha \"12/05/0012" + tarde,
                         "TXFAC.DBF registro 5: la fecha \"31/12/1752" + tarde,
                         "TXFAC.DBF registro 7: la fecha \"12/05/0012" + tarde,
                         "TXFAC.DBF registro 8: el cliente (cod_cli) \"12345\" da la cuenta 1120112345, de más de 9 "
                         "caracteres; el registro no se importó.",
                         "TXFAC.DBF registro 9: el cliente (cod_cli) \"9999,5\" da la cuenta 1120110000, de más de 9 "
                         "caracteres; el registro no se importó."}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 10 de 10 Grabados:2 Errores: 8"))
      << ventana.LblDetalle.Caption().toStdString();
}

// An export whose FECHA is a character field: a day-first text that names
// a day is the voucher's date, one that names none rejects its record.
TEST_F(InvoiceImport, AFechaOfTextIsReadAsADate) {
  std::vector<TxfacRecord> records = {everyKind()[0], everyKind()[2]};
  records[0].Fecha = "15/03/2005";
  records[1].Fecha = "31/02/2005";
  testing_support::writeTxfacTable(origen.file("TXFAC.DBF"), records, 'C');
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT IdComprobante, Fecha FROM V_MV_CPTE"), QStringList({"000100000010A|15/03/2005"}));
  EXPECT_EQ(rows("SELECT Fecha, MES_OPERATIVO, Periodo FROM MV_ASIENTOS"),
            QStringList({"15/03/2005|3|0", "15/03/2005|3|0"}));
  EXPECT_EQ(scalar("SELECT Descripcion FROM AUX_ERR").toString(),
            "TXFAC.DBF registro 2: la fecha \"31/02/2005\" está vacía o no es válida; el registro no se importó.");
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 2 de 2 Grabados:1 Errores: 1"))
      << ventana.LblDetalle.Caption().toStdString();
}

TEST_F(InvoiceImport, ANumberWiderThanItsEightDigitsIsRejectedUpFront) {
  testing_support::DbfWriter w;
  w.field("COD_CPB", 'C', 1).field("COD_CLI", 'N', 6).field("FECHA", 'D').field("PREFIJO", 'C', 4);
  w.field("NUMERO", 'N', 10).field("TOTAL", 'N', 12, 2).field("IVA1", 'N', 12, 2).field("IVA2", 'N', 12, 2);
  w.field("TASA1", 'N', 6, 2).field("TASA2", 'N', 6, 2).field("CUIT", 'C', 13).field("COD_EMP", 'C', 4);
  w.add({QStringLiteral("A"), int32_t(25), rt::MakeDate(2005, 3, 15), QStringLiteral("0001"), int32_t(123456789),
         rt::Currency::fromInt(121), rt::Currency::fromInt(21), rt::Currency(), rt::Currency::fromInt(21),
         rt::Currency(), QStringLiteral("20-1"), QStringLiteral("7")});
  w.write(origen.file("TXFAC.DBF"));
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(count("MV_ASIENTOS"), 0);
  EXPECT_EQ(scalar("SELECT Descripcion FROM AUX_ERR").toString(),
            "TXFAC.DBF registro 1: el número \"123456789\" tiene más de 8 cifras; el registro no se importó.");
}

// A field whose bytes are no value (a date "20059999", an amount
// "12x4.00") rejects its record like an invalid date: counted, recorded
// with the field and the record, no box; first and last records too.
TEST_F(InvoiceImport, AFieldThatIsNoValueRejectsItsRecordAlone) {
  std::vector<TxfacRecord> records = everyKind();
  records[0].Fecha = "20059999";
  records[2].Total = "12x4.00";
  records[4].Fecha = "2005AB01";
  writeTxfac(records);
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT IdComprobante FROM V_MV_CPTE ORDER BY ID"), QStringList({"000200000011B", "000100000013B"}));
  EXPECT_EQ(count("MV_ASIENTOS"), 4);
  const QStringList recorded = rows("SELECT Error, Descripcion FROM AUX_ERR ORDER BY Descripcion");
  ASSERT_EQ(recorded.size(), 3);
  const char* expected[][2] = {{"TXFAC.DBF registro 1: ", "(registro 1, campo FECHA): la fecha «20059999» es inválida"},
                               {"TXFAC.DBF registro 3: ", "(registro 3, campo TOTAL): el número «12x4.00» es ilegible"},
                               {"TXFAC.DBF registro 5: ", "(registro 5, campo FECHA): la fecha «2005AB01» es inválida"}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(recorded[i].startsWith(QStringLiteral("0|") + expected[i][0])) << recorded[i].toStdString();
    // The reason ends where the sentence goes on, with one mark.
    EXPECT_TRUE(recorded[i].endsWith(QString::fromUtf8(expected[i][1]) + "; el registro no se importó."))
        << recorded[i].toStdString();
  }
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:2 Errores: 3"))
      << ventana.LblDetalle.Caption().toStdString();
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" FINALIZADO "));
}

// A record whose own bytes are damaged (its deletion mark) is rejected like
// a bad value: no box, recorded under its number, the rest imported. The
// first record too, which the opening of the table reads.
TEST_F(InvoiceImport, ADamagedRecordRejectsItselfAlone) {
  writeTxfac(everyKind());
  for (int registro : {1, 3}) testing_support::DamageDeletionMark(origen.file("TXFAC.DBF"), registro);
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT IdComprobante FROM V_MV_CPTE ORDER BY ID"),
            QStringList({"000200000011B", "000100000013B", "000300000014X"}));
  const QStringList recorded = rows("SELECT Descripcion FROM AUX_ERR ORDER BY Descripcion");
  ASSERT_EQ(recorded.size(), 2);
  for (int i : {0, 1}) {
    const QString registro = QString::number(i * 2 + 1);
    EXPECT_TRUE(recorded[i].startsWith("TXFAC.DBF registro " + registro + ": El archivo ")) << recorded[i].toStdString();
    EXPECT_TRUE(recorded[i].endsWith("(registro " + registro +
                                     "): la marca de borrado (código 88) no es la de un registro; el registro no se "
                                     "importó."))
        << recorded[i].toStdString();
  }
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:3 Errores: 2"))
      << ventana.LblDetalle.Caption().toStdString();
}

// A rejected record is named by its number in the table, where whoever
// opens the table to correct it finds it: the first record is 1 and the
// deleted ones count, whatever the reason.
TEST_F(InvoiceImport, ARejectedRecordIsNamedByItsNumberInTheTable) {
  std::vector<TxfacRecord> kinds = everyKind();
  TxfacRecord tipo = kinds[0], fecha = kinds[1], prefijo = kinds[3];
  tipo.CodCpb = "Z";
  fecha.Fecha = "20059999";
  prefijo.Prefijo = "AB";
  using testing_support::deleted;
  writeTxfac({deleted(kinds[2]), tipo, deleted(kinds[2]), kinds[2], fecha, deleted(kinds[4]), deleted(kinds[4]),
              prefijo, kinds[4]});
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT IdComprobante FROM V_MV_CPTE ORDER BY ID"), QStringList({"000100000012A", "000300000014X"}));
  const QStringList recorded = rows("SELECT Descripcion FROM AUX_ERR ORDER BY Descripcion");
  ASSERT_EQ(recorded.size(), 3);
  EXPECT_EQ(recorded[0], "TXFAC.DBF registro 2: el tipo de comprobante (Cod_Cpb) \"Z\" no es A, B, M, L ni K; el "
                         "registro no se importó.");
  EXPECT_TRUE(recorded[1].startsWith("TXFAC.DBF registro 5: ")) << recorded[1].toStdString();
  EXPECT_TRUE(recorded[1].contains("(registro 5, campo FECHA)")) << recorded[1].toStdString();
  EXPECT_EQ(recorded[2], "TXFAC.DBF registro 8: el prefijo \"AB\" o el número \"13\" no son números; el registro no "
                         "se importó.");
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:2 Errores: 3"))
      << ventana.LblDetalle.Caption().toStdString();
}

// A damaged table, not one bad value, still goes to the error dialog, once:
// the run ends there.
TEST_F(InvoiceImport, ATableWithADamagedHeaderStillStopsAtTheErrorDialog) {
  writeTxfac(everyKind());
  QFile table(origen.file("TXFAC.DBF"));
  ASSERT_TRUE(table.open(QIODevice::ReadWrite));
  table.seek(4);
  table.write(QByteArray("\xe8\x03", 2));  // 1000 records in a file of 5
  table.close();
  host.answer(ui::mb::Ignore, "está dañado");
  importa(Facturacion);
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(count("MV_ASIENTOS") + count("AUX_ERR"), 0);
}

// Another voucher stored under a record's type, branch, number and letter
// is left as it stands; the record is counted and recorded with both
// vouchers' date, customer and total. The very same voucher is passed over
// without a word, as every re-run does.
TEST_F(InvoiceImport, AnotherVoucherUnderATakenNumberIsRecordedNotWritten) {
  const TxfacRecord stored = everyKind()[0];
  writeTxfac({stored});
  importa(Facturacion);
  const QStringList entries = rows("SELECT * FROM MV_ASIENTOS ORDER BY Secuencia");

  TxfacRecord otherTotal = stored, otherDay = stored, otherCustomer = stored;
  otherTotal.Total = rt::Currency::fromInt(130);
  otherDay.Fecha = rt::MakeDate(2005, 3, 16);
  otherCustomer.CodCli = int32_t(26);
  writeTxfac({stored, otherTotal, otherDay, otherCustomer});
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT * FROM MV_ASIENTOS ORDER BY Secuencia"), entries);
  EXPECT_EQ(count("V_MV_CPTE"), 1);
  const QString grabado = "(grabado: 15/03/2005, cuenta 112010025, importe 121; registro: ";
  EXPECT_EQ(rows("SELECT Descripcion FROM AUX_ERR ORDER BY Descripcion"),
            QStringList({"TXFAC.DBF registro 2: el comprobante FC 000100000010A ya está grabado con otros datos " +
                             grabado + "15/03/2005, cuenta 112010025, importe 130); el registro no se importó.",
                         "TXFAC.DBF registro 3: el comprobante FC 000100000010A ya está grabado con otros datos " +
                             grabado + "16/03/2005, cuenta 112010025, importe 121); el registro no se importó.",
                         "TXFAC.DBF registro 4: el comprobante FC 000100000010A ya está grabado con otros datos " +
                             grabado + "15/03/2005, cuenta 112010026, importe 121); el registro no se importó."}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 4 de 4 Grabados:0 Errores: 3"))
      << ventana.LblDetalle.Caption().toStdString();
}

// With the entry lines deleted ("Borrar Movimientos") the stored header
// alone tells the voucher: the same one gets its entry again, another one
// is recorded.
TEST_F(InvoiceImport, AStoredHeaderAloneTellsTheVoucherToo) {
  const TxfacRecord stored = everyKind()[0];
  writeTxfac({stored});
  importa(Facturacion);
  exec("DELETE FROM MV_ASIENTOS");
  TxfacRecord other = stored;
  other.Total = rt::Currency::fromInt(130);
  writeTxfac({other, stored});
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT Cuenta, Importe FROM MV_ASIENTOS ORDER BY Secuencia"), QStringList({"112010025|121", "511|121"}));
  EXPECT_EQ(count("V_MV_CPTE"), 1);
  EXPECT_EQ(count("AUX_ERR"), 1);
  EXPECT_TRUE(scalar("SELECT Descripcion FROM AUX_ERR").toString().startsWith("TXFAC.DBF registro 1: el comprobante"));
}

// Both lines of a voucher take one entry number, taken once: a line that
// another writer adds meanwhile does not split the voucher's entry.
TEST_F(InvoiceImport, BothLinesOfAVoucherShareOneEntryNumber) {
  writeTxfac({everyKind()[0]});
  // The first yield stands between the two lines of the voucher.
  host.atYield(1, [this] {
    exec("INSERT INTO MV_ASIENTOS (Tipo_Reg, MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO]) "
         "VALUES ('', 3, 0, 1, 1)");
  });
  importa(Facturacion);
  EXPECT_EQ(rows("SELECT Secuencia, [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE TC = 'FC' ORDER BY Secuencia"),
            QStringList({"1|1", "2|1"}));
}

// A ";" in the folder's path is part of the folder, not the end of the
// connection string's value: the tables of that very folder are imported.
TEST_F(InvoiceImport, AFolderWithASemicolonIsTheFolderImported) {
  ASSERT_TRUE(QDir(origen.path()).mkpath("a;b/tavernix"));
  testing_support::writeTxfacTable(origen.file("a;b/tavernix/TXFAC.DBF"), {everyKind()[0]});
  ASSERT_TRUE(QDir(origen.path()).mkpath("a"));
  testing_support::writeTxfacTable(origen.file("a/TXFAC.DBF"), {everyKind()[1]});
  ventana.TxtPathDatos.Text = origen.file("a;b/tavernix");
  ui::op::click(ventana.chkTabla(Facturacion));
  ui::op::click(ventana.cmdImportar);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT IdComprobante FROM V_MV_CPTE"), QStringList({"000100000010A"}));
}

class UnauthorisedAccount : public InvoiceImport {
 protected:
  void SetUp() override {
    InvoiceImport::SetUp();
    // As the suite's trigger does for an account the user may not use.
    define("CREATE TRIGGER T_CUENTA BEFORE INSERT ON MV_ASIENTOS WHEN NEW.Cuenta = '112010026' BEGIN "
           "SELECT RAISE(ABORT, '50000: Cuenta no autorizada para el usuario'); END");
    writeTxfac(everyKind());
  }
};

TEST_F(UnauthorisedAccount, YesTriesTheVoucherOnceMore) {
  host.answer(ui::mb::Ok, "50000 : Cuenta no autorizada");
  host.answer(ui::mb::Yes, "no tiene autorizada todas las cuentas");
  host.answer(ui::mb::Ok, "50000 : Cuenta no autorizada");
  importa(Facturacion);
  EXPECT_EQ(host.boxes().at(1).title, "Atencion");
  EXPECT_EQ(host.boxes().at(1).buttons, ui::mb::YesNo | ui::mb::Question);
  EXPECT_EQ(count("V_MV_CPTE"), 4);
  EXPECT_EQ(count("AUX_ERR"), 2);
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 5 de 5 Grabados:4 Errores: 1"));
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" FINALIZADO "));
}

TEST_F(UnauthorisedAccount, NoLeavesTheImport) {
  host.answer(ui::mb::Ok, "50000 : Cuenta no autorizada");
  host.answer(ui::mb::No, "no tiene autorizada todas las cuentas");
  importa(Facturacion);
  EXPECT_EQ(count("V_MV_CPTE"), 3);
  EXPECT_FALSE(ventana.LblDetalle.Caption().contains("FINALIZADO"));
  EXPECT_TRUE(ventana.cmdImportar.Enabled());
}

}  // namespace
