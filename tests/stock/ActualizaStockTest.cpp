// The stock writer end to end on the stock fixture: a voucher's grid
// becomes its stock rows and its entry, in both modes; transfers,
// production orders, the purchase-order receipt, the arguments taken per
// line and the refusals. Every test ends with the balance and entry
// invariants.
#include <gtest/gtest.h>

#include "StockFixture.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/suite/Library.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using namespace testing_support;
namespace a = numbering::articulos;

const QString kColumnas =
    "INSERT INTO V_MV_STOCK(TC,IdComprobante,IdComplemento,Secuencia,Fecha,IdCaja,IdDeposito,IdArticulo,Descripcion,"
    "NroLote,ControladoPor,NroSerie,IdUnidad,Cantidad,CantidadUD,IdUnidadBase,CuentaProveedor,IdMotivoStock,"
    "PrecioVenta,Importe_S_Iva,Costo,Impuestos,DtoItem,Tc_Origen,IdComprobante_Origen,Id_Origen,IVARI,IVARNI,"
    "EQUIV_UDBASE,IDINSERT,IDCOMPULSA,Oferta,IdVendedor,Importe_Ud,Ud_Pr,UNEGOCIO,ARTMONEDA,ARTCOTIZACION,EnComodato) "
    "VALUES ";

const QString kAsiento =
    "INSERT INTO MV_ASIENTOS (Cuenta,Secuencia,Mes_Operativo,[NUMERO ASIENTO],Fecha,FechaSubDiario,Detalle,TC,"
    "SUCURSAL,NUMERO,LETRA,PERIODO,Tipo_Reg,[DEBE-HABER],FechaHora_Grabacion,USUARIO_LOGEADO,Importe,Moneda,"
    "Cotizacion,CABImporte,CABCuenta,CABNombre,Unegocio,IdCajas) VALUES ";

class ActualizaStock : public StockDatabase {
 protected:
  // A delivery note of two plain lines: 4 screws from the voucher's deposit
  // and 2 cans of paint from deposit 2.
  ui::FlexGrid& remito() {
    return grilla("RM", {Articulo("TORNILLO", "4"), Articulo("123", "2", {{a::IdDeposito, "2"}})});
  }
  QStringList filasDeStock() { return filas("SELECT * FROM V_MV_STOCK ORDER BY Secuencia"); }
};

TEST_F(ActualizaStock, ADeliveryNoteInBothModesWritesTheSameRows) {
  const QString segunda = copia("segunda.db");
  Registro r{.acumula = true, .sql = "previo"};
  registra(remito(), r);
  EXPECT_FALSE(r.hayError);
  const QString c = QString(QChar(13)), crlf = "\r\n";
  EXPECT_EQ(r.sql,
            "previo" + c + kColumnas +
                "('RM','000100000015R',0,1,'15/03/2024','   1','   1','TORNILLO','Tornillo 3/8',NULL,'',NULL,'UN',-4,-4,"
                "'UN','211010001','   5',0,0,2.5,0,0,'NULL',NULL,0,0,0,1,0,0,0,'',0,'','   1','   1',1,0)" +
                c + kColumnas +
                "('RM','000100000015R',0,2,'15/03/2024','   1','   2','                      123','Pintura latex',"
                "NULL,'',NULL,'LT',-2,-2,'LT','211010002','   5',0,0,10,0,0,'NULL',NULL,0,0,0,1,0,0,0,'',0,'','   1',"
                "'   1',1,0)" +
                c + crlf + kAsiento +
                "('51101','1','3','1','15/03/2024','15/03/2024','Remitos','RM','0001','00000015','R','1','STK','D',"
                "'15/03/2024 14:05:09','Ana',30,'   1',1,30,'51101','1','   1','   1')" +
                crlf + kAsiento +
                "('11401','2','3','1','15/03/2024','15/03/2024','Remitos','RM','0001','00000015','R','1','STK','H',"
                "'15/03/2024 14:05:09','Ana',10,'   1',1,30,'51101','1','   1','   1')" +
                crlf + kAsiento +
                "('11402','3','3','1','15/03/2024','15/03/2024','Remitos','RM','0001','00000015','R','1','STK','H',"
                "'15/03/2024 14:05:09','Ana',20,'   1',1,30,'51101','1','   1','   1')");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK").toLong(), 0);  // accumulate mode writes nothing
  EXPECT_EQ(r.deposito, "'   1'");
  EXPECT_EQ(r.motivo, "   5");
  ASSERT_TRUE(ejecutaLote(r.sql.mid(6)));
  const QStringList acumuladas = filasDeStock();
  verificaInvariantes();

  usa(segunda);
  nueva();
  Registro inmediato;
  registra(remito(), inmediato);
  EXPECT_FALSE(inmediato.hayError);
  EXPECT_EQ(inmediato.sql, "");
  EXPECT_EQ(filasDeStock(), acumuladas);
  // The entries differ as the suite has them: immediate mode passes kind 0
  // (the counter line on the credit side, the default motive's account).
  EXPECT_EQ(lineasDeAsiento(), (QStringList{"RM|0001|00000015|R|1|3|STK|1|51201|H|30",
                                            "RM|0001|00000015|R|1|3|STK|2|11401|D|10",
                                            "RM|0001|00000015|R|1|3|STK|4|11402|D|20"}));
  EXPECT_TRUE(host.boxes().empty());
  verificaInvariantes();
}

TEST_F(ActualizaStock, ImmediateModeValuesEachLineOnceWithOneEntryNumber) {
  exec("INSERT INTO MV_ASIENTOS (TC, Cuenta, [DEBE-HABER], Importe, MES_OPERATIVO, Periodo, Tipo_Reg, Secuencia, "
       "[NUMERO ASIENTO]) VALUES ('AJP', '1', 'D', 1, 3, 1, 'STK', 1, 40), ('AJP', '1', 'H', 1, 3, 1, 'STK', 2, 40)");
  // A first line without movement, then a line of three lots and another.
  ui::FlexGrid& g = grilla("RM", {Articulo("LIJA", "0"),
                                  Articulo("VINO", "6", {{a::NroLote, "|L1\u00FF|L2\u00FF|L3\u00FF|"}, {a::NroSerie, "|1|2|3|"}}),
                                  Articulo("TORNILLO", "2")});
  for (const char* lote : {"L1", "L2", "L3"}) movimiento("VINO", "   1", lote, "", "10");
  Registro r;
  registra(g, r);
  EXPECT_FALSE(r.hayError);
  EXPECT_EQ(lineasDeAsiento(), (QStringList{"AJP|<null>|<null>|<null>|40|3|STK|1|1|D|1",
                                            "AJP|<null>|<null>|<null>|40|3|STK|2|1|H|1",
                                            "RM|0001|00000015|R|41|3|STK|1|51201|H|29",
                                            "RM|0001|00000015|R|41|3|STK|2|11403|D|24",
                                            "RM|0001|00000015|R|41|3|STK|4|11401|D|5"}));
  verificaInvariantes();
}

// A voucher recorded again over the entries it has: each call's rows get an
// entry of their own that balances and values them, whatever entries of the
// voucher share its accounts; the earlier entry is left as it was. In
// accumulate mode a voucher loaded before is refused whole, except a
// production order, which is recorded over several calls.
TEST_F(ActualizaStock, ACallOverAVoucherWithEntriesWritesItsRowsAndAnEntryOfItsOwnOrNothing) {
  const struct {
    const char* caso;
    const char* tc;
    const char* numero;
    const char* segundaFecha;  // of the second call
    std::vector<Celdas> lineas;
    const char* cargado;  // accumulate mode: the second call is refused with this entry; nullptr: recorded
  } casos[] = {
      {"a production order", "OP", "000100000005X", "15/03/2024",
       {Articulo("HARINA", "4"), Articulo("PIZZA", "2", {{a::CantidadInsumo, "-1"}}),
        Articulo("TORNILLO", "1", {{a::CantidadInsumo, "-1"}})},
       nullptr},
      {"a delivery note", "RM", "000100000015R", "15/03/2024",
       {Articulo("TORNILLO", "4"), Articulo("TUERCA", "2"), Articulo("123", "1")}, "03 - 000001"},
      // A type without journal: its register type is four blanks.
      {"an adjustment out", "AJN", "000100000007X", "15/03/2024", {Articulo("TORNILLO", "4"), Articulo("TUERCA", "2")},
       "03 - 000001"},
      // Entries are numbered per month: the first of April is number 1 too.
      {"a delivery note again in the next month", "RM", "000100000016R", "02/04/2024",
       {Articulo("TORNILLO", "4"), Articulo("TUERCA", "2")}, "03 - 000001"},
  };
  for (bool acumula : {false, true}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(std::string(c.caso) + (acumula ? " (accumulated)" : " (immediate)"));
      for (const char* tabla : {"V_MV_STOCK", "MV_ASIENTOS", "STK_SERIES_Y_LOTES", "STK_SALDOS_UNIDADES", "STK_STOCK_UDKG"})
        exec(QStringLiteral("DELETE FROM %1").arg(tabla));
      nueva();
      Registro primero{.tc = c.tc, .sucNroLetra = c.numero, .acumula = acumula};
      ASSERT_TRUE(graba(grilla(c.tc, c.lineas), primero));
      const QStringList antes = lineasDeAsiento();
      const bool rechazado = acumula && c.cargado;
      if (rechazado) host.answer(1, QStringLiteral("El comprobante ya ha Sido Cargado. Asiento ") + c.cargado);
      Registro segundo{.tc = c.tc, .sucNroLetra = c.numero, .fecha = c.segundaFecha, .acumula = acumula};
      EXPECT_EQ(graba(grilla(c.tc, c.lineas), segundo), !rechazado);
      if (rechazado) EXPECT_EQ(segundo.sql, "");
      const long lineas = static_cast<long>(c.lineas.size());
      EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE IdComprobante = '%1'").arg(c.numero)).toLong(),
                rechazado ? lineas : 2 * lineas);
      EXPECT_EQ(filas("SELECT COUNT(DISTINCT [NUMERO ASIENTO] || '-' || MES_OPERATIVO) FROM MV_ASIENTOS"),
                QStringList{rechazado ? "1" : "2"});
      EXPECT_EQ(lineasDeAsiento().mid(0, antes.size()), antes) << "the earlier entry as it was";
      EXPECT_EQ(filas("SELECT [NUMERO ASIENTO], MES_OPERATIVO, Cuenta, [DEBE-HABER] FROM MV_ASIENTOS GROUP BY "
                      "[NUMERO ASIENTO], MES_OPERATIVO, Cuenta, [DEBE-HABER] HAVING COUNT(*) > 1"),
                QStringList())
          << "a row's amount is added to its entry's line of the account";
      verificaValorDelAsiento(c.tc, c.numero);
      verificaInvariantes();
    }
  }
  EXPECT_TRUE(host.scriptExhausted());
}

TEST_F(ActualizaStock, TheWriterChoosesTheKindOfTheAccumulatedEntry) {
  const struct {
    const char* caso;
    const char* tc;
    const char* tcOrigen;
    Celdas prestamo;           // cells of the second line
    const char* prestamoCantidad;
    const char* contrapartida;  // the counter line: account and side
  } casos[] = {
      {"a delivery note", "RM", "", {}, "2", "51101|D"},
      {"a delivery note with a line on loan", "RM", "", {{a::EnComodato, "1"}}, "2", "11501|D"},
      {"a line on loan that writes no row", "RM", "", {{a::EnComodato, "1"}}, "0", "51101|D"},
      {"a receipt of a purchase order", "IR", "OC", {}, "2", "21102|H"},
  };
  int voucher = 30;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    nueva();
    const QString numero = QStringLiteral("0001%1R").arg(++voucher, 8, 10, QChar(u'0'));
    Registro r{.tc = c.tc, .sucNroLetra = numero, .tcOrigen = c.tcOrigen, .acumula = true};
    registra(grilla(c.tc, {Articulo("TORNILLO", "4", {{a::PrecioSinIVA, "3"}}),
                           Articulo("TUERCA", c.prestamoCantidad, c.prestamo)}),
             r);
    ASSERT_FALSE(r.hayError);
    ASSERT_TRUE(ejecutaLote(r.sql));
    EXPECT_EQ(filas("SELECT Cuenta, [DEBE-HABER] FROM MV_ASIENTOS WHERE NUMERO = '" + numero.mid(4, 8) +
                    "' AND Secuencia = '1'"),
              QStringList{c.contrapartida});
  }
  verificaInvariantes();
}

TEST_F(ActualizaStock, ATransferGoesOutOfEachLinesDepositAndIntoTheDestination) {
  movimiento("VINO", "   1", "L1", "", "10");
  movimiento("VINO", "   1", "L2", "", "10");
  ui::FlexGrid& g = grilla("TR", {Articulo("TORNILLO", "4"), Articulo("123", "2", {{a::IdDeposito, "2"}}),
                                  Articulo("VINO", "5", {{a::NroLote, "|L1\u00FF|L2\u00FF|"}, {a::NroSerie, "|3|2|"},
                                                         {a::PideSerie, "0"}, {a::PideTalle, "0"}}),
                                  // A serial item without Chr(255) moves as a lot without serial.
                                  Articulo("CELULAR", "1", {{a::NroLote, "|S1|"}, {a::NroSerie, "|1|"},
                                                            {a::PideSerie, "-1"}, {a::PideTalle, "0"}})});
  Registro r{.tc = "TR", .sucNroLetra = "000100000004X", .destino = "3", .transferencia = true};
  registra(g, r);
  EXPECT_FALSE(r.hayError);
  EXPECT_EQ(filas("SELECT Secuencia, IdDeposito, IDDEPOSITO_DESTINO, IdArticulo, NroLote, Cantidad FROM V_MV_STOCK "
                  "WHERE TC = 'TR' ORDER BY Secuencia"),
            (QStringList{"1|   1|   3|TORNILLO|<null>|-4", "2|   2|   3|                      123|<null>|-2",
                         "3|   1|   3|VINO|L1|-3", "4|   1|   3|VINO|L2|-2", "5|   1|   3|CELULAR|S1|-1",
                         "6|   3|   1|TORNILLO|<null>|4", "7|   3|   2|                      123|<null>|2",
                         "8|   3|   1|VINO|L1|3", "9|   3|   1|VINO|L2|2", "10|   3|   1|CELULAR|S1|1"}));
  EXPECT_EQ(r.destino, "'   3'");
  verificaInvariantes();
}

TEST_F(ActualizaStock, AProductionOrderBringsItsMadeLinesInFirstAfterTheStoredSequence) {
  const struct {
    const char* guardada;  // the highest Secuencia stored for the order, nullptr: none
    int primera;
  } casos[] = {{"7", 9}, {nullptr, 1}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.guardada ? c.guardada : "none");
    exec("DELETE FROM V_MV_STOCK");
    if (c.guardada)
      exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, IdDeposito, Cantidad) "
                          "VALUES ('OP', '000100000002X', %1, 'PIZZA', '   1', 1)")
               .arg(c.guardada));
    ui::FlexGrid& g = grilla("OP", {Articulo("HARINA", "2"), Articulo("PIZZA", "4", {{a::CantidadInsumo, "-1"}})});
    Registro r{.tc = "OP", .sucNroLetra = "000100000002X", .secuenciaFija = 20};
    registra(g, r);
    EXPECT_FALSE(r.hayError);
    EXPECT_EQ(filas("SELECT Secuencia, IdArticulo, Cantidad FROM V_MV_STOCK WHERE Secuencia >= " +
                    QString::number(c.primera) + " ORDER BY Secuencia"),
              (QStringList{QString::number(c.primera) + "|PIZZA|4", QString::number(c.primera + 1) + "|HARINA|-2"}));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE'").toLong(), 0);  // no discharge
  }
  verificaInvariantes();
}

TEST_F(ActualizaStock, AFixedSequenceStartsTheRowsAfterIt) {
  Registro r{.secuenciaFija = 10};
  registra(grilla("RM", {Articulo("TORNILLO", "1"), Articulo("TUERCA", "1")}), r);
  EXPECT_EQ(filas("SELECT Secuencia FROM V_MV_STOCK ORDER BY rowid"), (QStringList{"11", "12"}));
  verificaInvariantes();
}

TEST_F(ActualizaStock, APurchaseFromAnOrderMarksItReceivedOnce) {
  exec("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA) VALUES ('OC', '000100000003X', '211010001')");
  const auto recepcion = [&] { return scalar("SELECT FechaRecepcion FROM C_MV_CPTE").toStringOrEmpty(); };
  const auto compra = [&](const QString& fecha, bool acumula) {
    Registro r{.tc = "FCC", .sucNroLetra = "000100000021A", .complemento = "211010001", .fecha = fecha,
               .tcOrigen = "OC", .cpteOrigen = "000100000003X", .cuenta = "211010001", .acumula = acumula};
    registra(grilla("FCC", {Articulo("TORNILLO", "10")}), r);
    EXPECT_FALSE(r.hayError);
    return r.sql;
  };
  config("IR_Oblig", "SI");
  compra("10/03/2024", false);
  EXPECT_EQ(recepcion(), "");
  config("IR_Oblig", "no");
  const QString acumulado = compra("11/03/2024", true);
  EXPECT_TRUE(acumulado.startsWith(
      "\rif exists(select * from c_mv_cpte  with(nolock)  where TC='OC' and IDCOMPROBANTE='000100000003X' and "
      "fecharecepcion is null)  UPDATE c_mv_cpte set FechaRecepcion='11/03/2024' where TC='OC' and "
      "IDCOMPROBANTE='000100000003X'\rINSERT INTO V_MV_STOCK(TC,IdComprobante,Secuencia,"))
      << acumulado.left(400).toStdString();
  EXPECT_EQ(recepcion(), "");  // the batch is the caller's to run
  compra("12/03/2024", false);
  EXPECT_EQ(recepcion(), "12/03/2024");
  compra("13/03/2024", false);
  EXPECT_EQ(recepcion(), "12/03/2024");
  EXPECT_EQ(filas("SELECT COUNT(*), SUM(Cantidad), MIN(IdComplemento) FROM V_MV_STOCK"), QStringList{"3|30|<null>"});
  verificaInvariantes();
}

TEST_F(ActualizaStock, ArgumentsTakenPerLineInAnyCase) {
  ui::FlexGrid& g = grilla(
      "RM", {Articulo("TORNILLO", "1", {{a::IdDeposito, "2"}, {a::MotivoStock, "3"}, {a::CpteOrigen, "FC  000100000007A"}}),
             Articulo("TUERCA", "1", {{a::CpteOrigen, "NC  000100000008A"}})});
  Registro r{.deposito = "eldelgrid", .motivo = "ElDelGrid", .tcOrigen = " ELDELGRID", .cpteOrigen = "eldelGrid",
             .acumula = true};
  registra(g, r);
  const QStringList s = Sentencias(r.sql);
  const auto primera = Columnas(s[0]), segunda = Columnas(s[1]);
  EXPECT_EQ(primera.at("IdDeposito"), "'   2'");
  EXPECT_EQ(segunda.at("IdDeposito"), "'   1'");  // a blank line deposit: the default
  EXPECT_EQ(primera.at("IdMotivoStock"), "'   3'");
  EXPECT_EQ(segunda.at("IdMotivoStock"), "'   5'");
  EXPECT_EQ(primera.at("Tc_Origen"), "'FC'");
  EXPECT_EQ(primera.at("IdComprobante_Origen"), "'000100000007A'");
  EXPECT_EQ(segunda.at("Tc_Origen"), "'NC'");
  EXPECT_EQ(r.motivo, "   5");
  EXPECT_EQ(r.tcOrigen, "NC");
  EXPECT_EQ(r.cpteOrigen, "'000100000008A'");
  ASSERT_TRUE(ejecutaLote(r.sql));
  verificaInvariantes();
}

TEST_F(ActualizaStock, RefusedVouchersWriteNothing) {
  exec("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA) VALUES ('OC', '000100000003X', '211010001')");
  config("IR_Oblig", "NO");
  exec("DELETE FROM V_TA_CPTE WHERE CODIGO = 'FCC'");
  for (bool acumula : {false, true}) {
    SCOPED_TRACE(acumula ? "accumulate" : "immediate");
    core::gCore().gUNegocio = "  ";
    Registro sinUnidad{.acumula = acumula};
    host.answer(1, "ERROR EN ASIGNACION DE UNIDAD DE NEGOCIO\r\nVerifique si el usuario tiene asignado una unidad de "
                   "negocio");
    registra(remito(), sinUnidad);
    EXPECT_TRUE(sinUnidad.hayError);
    EXPECT_EQ(host.boxes().back().title, "Atencion!");
    core::gCore().gUNegocio = "   1";

    // An unknown type is refused before the purchase order is touched.
    Registro desconocido{.tc = "FCC", .tcOrigen = "OC", .cpteOrigen = "000100000003X", .acumula = acumula};
    host.answer(1, "El Tipo de Comprobante informado no existe en la tabla de comprobantes");
    registra(grilla("FCC", {Articulo("TORNILLO", "1")}), desconocido);
    EXPECT_TRUE(desconocido.hayError);
    EXPECT_EQ(desconocido.sql, "");
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK").toLong() + scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 0);
  EXPECT_TRUE(scalar("SELECT FechaRecepcion FROM C_MV_CPTE").isNull());

  // The caller's sign needs no type: -1 writes outgoing rows, another value
  // counts as its sign. (The entry would ask for the type: none here.)
  config("AsientosXStock", "NO");
  nueva();
  for (int16_t signo : {-1, 2}) {
    Registro remoto{.tc = "ZZ", .signo = signo};
    registra(grilla("RM", {Articulo("TORNILLO", "3")}), remoto);
    EXPECT_FALSE(remoto.hayError);
  }
  EXPECT_EQ(filas("SELECT TC, Cantidad FROM V_MV_STOCK ORDER BY rowid"), (QStringList{"ZZ|-3", "ZZ|3"}));
  EXPECT_TRUE(host.scriptExhausted());
  verificaInvariantes();
}

TEST_F(ActualizaStock, ASecondVoucherWhileOneIsRecordedIsRefused) {
  ui::FlexGrid& g = remito();
  Registro anidado{.sucNroLetra = "000100000016R"};
  host.atYield(2, [&] {
    host.answer(1, "Se está grabando el stock de otro comprobante");
    registra(g, anidado);
  });
  Registro r;
  registra(g, r);
  EXPECT_FALSE(r.hayError);
  EXPECT_TRUE(anidado.hayError);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK WHERE IdComprobante = '000100000015R'").toLong(), 2);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK WHERE IdComprobante = '000100000016R'").toLong(), 0);
  verificaInvariantes();
}

TEST_F(ActualizaStock, TheStatusWindowShowsTheLineAndCloses) {
  std::vector<QString> vistos;
  host.atEveryYield([&] {
    if (suite::frmCartel* v = suite::gCartel().ventana()) vistos.push_back(v->lblProgreso.Caption());
  });
  Registro r{.cartel = true};
  registra(remito(), r);
  EXPECT_NE(std::find(vistos.begin(), vistos.end(), QString("2 de 3")), vistos.end());  // the entry row counts
  EXPECT_EQ(suite::gCartel().ventana(), nullptr);
  verificaInvariantes();
}

}  // namespace
