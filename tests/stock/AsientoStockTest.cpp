// The accounting entry of a stock movement: its kinds, amounts, numbering
// and refusals. Entries that are run end with both invariants.
#include <gtest/gtest.h>

#include "StockFixture.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using namespace testing_support;
namespace a = numbering::articulos;

// One call, with the arguments a delivery note of March passes.
struct Llamada {
  QString motivo = "5";
  QString tc = "RM";
  QString suc = "0001", nro = "00000015", letra = "R";
  QString fecha = "15/03/2024";
  bool esDebito = true;
  int16_t tipo = 0;
  int32_t solo = 0;
  int16_t secuencia = 1;
};

// An expected line of the entry.
struct Esperada {
  QString cuenta;
  int secuencia;
  QString lado;
  QString importe;
};

struct Cabecera {
  QString tc = "RM";
  QString detalle;
  QString tipoReg = "STK";
  QString cabCuenta;
  QString cabImporte;
  QString cabNombre;
  int asiento = 1;
  int mes = 3;
  QString fecha = "15/03/2024";
  QString sucNroLetra = "'0001','00000015','R'";
};

QString Insert(const Cabecera& c, const Esperada& l) {
  return QStringLiteral(
             "\r\nINSERT INTO MV_ASIENTOS (Cuenta,Secuencia,Mes_Operativo,[NUMERO ASIENTO],Fecha,FechaSubDiario,Detalle,"
             "TC,SUCURSAL,NUMERO,LETRA,PERIODO,Tipo_Reg,[DEBE-HABER],FechaHora_Grabacion,USUARIO_LOGEADO,Importe,"
             "Moneda,Cotizacion,CABImporte,CABCuenta,CABNombre,Unegocio,IdCajas) VALUES ('%1','%2','%3','%4','%5','%5',"
             "'%6','%7',%8,'1','%9','%10','15/03/2024 14:05:09','Ana',%11,'   1',1,%12,'%13','%14','   1','   1')")
      .arg(l.cuenta)
      .arg(l.secuencia)
      .arg(c.mes)
      .arg(c.asiento)
      .arg(c.fecha, c.detalle, c.tc, c.sucNroLetra, c.tipoReg, l.lado, l.importe, c.cabImporte, c.cabCuenta,
           c.cabNombre);
}

QString Asiento(const Cabecera& c, const std::vector<Esperada>& lineas) {
  QString texto;
  for (const Esperada& l : lineas) texto += Insert(c, l);
  return texto;
}

class AsientoStock : public StockDatabase {
 protected:
  QString asiento(ui::FlexGrid& g, Llamada& l) {
    return cpte().GeneraAsientoStock(g, l.motivo, l.tc, l.suc, l.nro, l.letra, l.fecha, l.esDebito, l.tipo, l.solo,
                                     &l.secuencia);
  }
  // Runs the statements as the caller's batch would.
  void ejecuta(const QString& sentencias) {
    for (const QString& s : sentencias.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) exec(s);
  }
  // Three lines on two accounts: 11401 (10 + 1.5 at cost, 12 + 2 without
  // VAT) and 11402 (10 at cost, 12 without VAT).
  ui::FlexGrid& remito(bool diferencias = false) {
    return grilla("RM",
                  {Articulo("TORNILLO", "4", {{a::PrecioSinIVA, "3"}}), Articulo("TUERCA", "2", {{a::PrecioSinIVA, "1"}}),
                   Articulo("123", "1", {{a::PrecioSinIVA, "12"}})},
                  diferencias);
  }
};

TEST_F(AsientoStock, EachKindItsCostMotiveAndSides) {
  exec("INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) VALUES "
       "('   7', 'Roturas d''envases', '51301')");
  const struct {
    const char* tc;
    int16_t tipo;
    bool diferencias;
    const char* motivo;     // passed
    const char* cabNombre;  // the motive after the call
    const char* cabCuenta;
    const char* detalle;
    bool esDebito;
    bool sinIva;  // valued on column 17
    const char* tipoReg;
  } casos[] = {
      // Kept as the suite has it: a delivery note gets its counter line on
      // the credit side with kind 0 (what immediate mode passes) and on the
      // debit side with kind 1 (what accumulate mode works out for "RM").
      {"RM", 0, false, "5", "5", "51201", "Ajustes de stock", false, false, "STK"},
      {"RM", 1, false, "5", "1", "51101", "Remitos", true, false, "STK"},
      {"RM", 2, false, "5", "2", "11501", "Comodatos", true, false, "STK"},
      {"RM", 3, false, "5", "3", "11409", "Transferencias", true, false, "STK"},
      {"RM", 4, false, "5", "3", "11409", "Transferencias", false, false, "STK"},
      {"RM", 5, false, "5", "4", "21102", "Recepcion de compras", false, true, "STK"},
      {"RM", 1, true, "5", "5", "51201", "Ajustes de stock", false, false, "STK"},
      {"RM", 4, true, "'5'", "5", "51201", "Ajustes de stock", true, false, "STK"},
      {"RMC", 0, false, "5", "4", "21102", "Recepcion de compras", false, true, "COMP"},
      {"RMC", 0, true, "5", "5", "51201", "Ajustes de stock", true, true, "COMP"},
      {"IR", 0, false, "7", "7", "51301", "Roturas d''envases", false, false, "COMP"},
      {"AJP", 0, false, "5", "5", "51201", "Ajustes de stock", false, false, "STK"},
      {"AJP", 1, false, "5", "1", "51101", "Remitos", true, false, "STK"},
      {"AJN", 0, false, "5", "5", "51201", "Ajustes de stock", true, false, "    "},  // no journal
      {"TR", 0, false, "5", "5", "51201", "Ajustes de stock", true, false, "STK"},     // no direction
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.tc) + " kind " + std::to_string(c.tipo) + (c.diferencias ? " (Dif)" : ""));
    ui::FlexGrid& g = remito(c.diferencias);
    nueva();
    Llamada l{.motivo = c.motivo, .tc = c.tc, .esDebito = !c.esDebito, .tipo = c.tipo};
    const QString d = c.esDebito ? "D" : "H", h = c.esDebito ? "H" : "D";
    const Cabecera cab{.tc = c.tc,
                       .detalle = c.detalle,
                       .tipoReg = c.tipoReg,
                       .cabCuenta = c.cabCuenta,
                       .cabImporte = c.sinIva ? "26" : "21.5",
                       .cabNombre = c.cabNombre};
    EXPECT_EQ(asiento(g, l), Asiento(cab, {{c.cabCuenta, 1, d, c.sinIva ? "26" : "21.5"},
                                           {"11401", 2, h, c.sinIva ? "14" : "11.5"},
                                           {"11402", 3, h, c.sinIva ? "12" : "10"}}));
    EXPECT_EQ(l.esDebito, c.esDebito);
    EXPECT_EQ(l.motivo, c.cabNombre);
    EXPECT_EQ(l.secuencia, 4);
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(AsientoStock, ArticlesAreSummedPerArticleAndPerAccount) {
  ui::FlexGrid& g = grilla("RM", {Articulo("TORNILLO", "4"), Articulo("123", "1"), Articulo("tornillo", "2"),
                                  Articulo("TUERCA", "2", {{a::Costo, "0,25"}}), Articulo("LIJA", "3")});
  Llamada l{.tipo = 1, .secuencia = 5};
  const QString sentencias = asiento(g, l);
  EXPECT_EQ(sentencias.count("INSERT INTO MV_ASIENTOS"), 3);
  EXPECT_EQ(l.secuencia, 8);
  ejecuta(sentencias);
  // LIJA has no stock account: it is valued on no line.
  EXPECT_EQ(lineasDeAsiento(), (QStringList{"RM|0001|00000015|R|1|3|STK|5|51101|D|25.5",
                                            "RM|0001|00000015|R|1|3|STK|6|11401|H|15.5",
                                            "RM|0001|00000015|R|1|3|STK|7|11402|H|10"}));
  verificaAsientos();
}

TEST_F(AsientoStock, NegativeAmountsGoOnTheOtherSideAndTheEntryBalances) {
  const struct {
    const char* tornillo;  // quantity of the 11401 line (cost 2.5)
    const char* pintura;   // quantity of the 11402 line (cost 10)
    QStringList lineas;
  } casos[] = {
      {"-4", "2", {"RM|0001|00000015|R|1|3|STK|1|51101|D|10", "RM|0001|00000015|R|1|3|STK|2|11401|D|10",
                   "RM|0001|00000015|R|1|3|STK|3|11402|H|20"}},
      // Only negative amounts: the counter line takes the other side.
      {"-4", "-1", {"RM|0001|00000015|R|1|3|STK|1|51101|H|20", "RM|0001|00000015|R|1|3|STK|2|11401|D|10",
                    "RM|0001|00000015|R|1|3|STK|3|11402|D|10"}},
      // A zero total writes no counter line.
      {"-4", "1", {"RM|0001|00000015|R|1|3|STK|2|11401|D|10", "RM|0001|00000015|R|1|3|STK|3|11402|H|10"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.tornillo) + " / " + c.pintura);
    exec("DELETE FROM MV_ASIENTOS");
    ui::FlexGrid& g = grilla("RM", {Articulo("TORNILLO", c.tornillo), Articulo("123", c.pintura)});
    nueva();
    Llamada l{.tipo = 1};
    ejecuta(asiento(g, l));
    EXPECT_EQ(lineasDeAsiento(), c.lineas);
    verificaAsientos();
  }
}

TEST_F(AsientoStock, AmountsAddUpExactly) {
  // 0.1 + 0.2 on one account and 0.3 back on the other: a total of exactly 0.
  ui::FlexGrid& g = grilla("RM", {Articulo("TORNILLO", "1", {{a::Costo, "0.1"}}),
                                  Articulo("TUERCA", "1", {{a::Costo, "0.2"}}), Articulo("123", "-1", {{a::Costo, "0.3"}})});
  Llamada l{.tipo = 1};
  ejecuta(asiento(g, l));
  EXPECT_EQ(lineasDeAsiento(), (QStringList{"RM|0001|00000015|R|1|3|STK|2|11401|H|0.3",
                                            "RM|0001|00000015|R|1|3|STK|3|11402|D|0.3"}));
  verificaAsientos();
}

TEST_F(AsientoStock, TypesThatBookNoStockEntry) {
  const struct {
    const char* tc;
    int16_t tipo;
    bool asienta;
  } casos[] = {
      {"FC", 1, false},   {"TK", 0, false},   {"FKFC", 1, false}, {"FP", 3, false},  {"NC", 1, false},
      {"NCP", 1, false},  {"nd", 1, false},   {"FCC", 99, false}, {"FPC", 0, false}, {"NCC", 99, false},
      {"NCCP", 1, false}, {"NDC", 99, false}, {"RM", 99, false},  {"FC", 99, true},
      {"TKFC", 1, true},  // kept as the suite lists it: FKFC is left out, not TKFC
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.tc) + " kind " + std::to_string(c.tipo));
    ui::FlexGrid& g = remito();
    nueva();
    Llamada l{.tc = c.tc, .tipo = c.tipo};
    if (c.tipo == 99) l.motivo = "1";
    EXPECT_EQ(asiento(g, l).isEmpty(), !c.asienta);
    EXPECT_EQ(l.secuencia, c.asienta ? 4 : 1);
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(AsientoStock, CostOfGoodsSoldIsAVoucherOfItsOwn) {
  for (int venta : {15, 16}) {
    SCOPED_TRACE(venta);
    ui::FlexGrid& g = grilla("FC", {Articulo("TORNILLO", "4")});
    Llamada l{.motivo = "1", .tc = "FC", .nro = QStringLiteral("000000%1").arg(venta), .letra = "A", .tipo = 99};
    const QString sentencias = asiento(g, l);
    const QString cmv = QStringLiteral("0000001%1").arg(venta - 12);  // the CMV book's counter, then past its entry
    EXPECT_EQ(l.tc, "CMV");
    EXPECT_EQ(l.suc + l.nro + l.letra, "0001" + cmv + "X");
    EXPECT_TRUE(l.esDebito);
    ASSERT_EQ(sentencias.count("INSERT INTO MV_ASIENTOS"), 2);
    EXPECT_TRUE(sentencias.contains(",TC_ORIGEN,CPTE_ORIGEN) VALUES ('51105','1','3','" + QString::number(venta - 14) +
                                    "','15/03/2024','15/03/2024','Ventas de mostrador','CMV','0001','" + cmv +
                                    "','X','1','VTAS','D'"))
        << sentencias.toStdString();
    EXPECT_TRUE(sentencias.contains(QStringLiteral(",'   1','   1','FC','0001000000%1A')").arg(venta)))
        << sentencias.toStdString();
    ejecuta(sentencias);
  }
  verificaAsientos();

  // A sales motive without a cost-of-goods account.
  ui::FlexGrid& g = grilla("FC", {Articulo("TORNILLO", "4")});
  Llamada l{.motivo = "2", .tc = "FC", .letra = "A", .tipo = 99};
  host.answer(1, "No se puede generar el asiento de Costo de mercaderia!.. no esta configurada la cuenta");
  EXPECT_EQ(asiento(g, l), "");
  EXPECT_EQ(host.boxes().back().title, "Aviso al Operador");
  EXPECT_EQ(host.boxes().back().buttons, 64);
}

TEST_F(AsientoStock, AVoucherWithAnEntryIsRefused) {
  exec("INSERT INTO MV_ASIENTOS (TC, Sucursal, Numero, Letra, Cuenta, [DEBE-HABER], Importe, MES_OPERATIVO, Periodo, "
       "Secuencia, [NUMERO ASIENTO]) VALUES ('RM', '0001', '00000015', 'R', '51101', 'D', 1, 7, 1, 1, 13), "
       "('RM', '0001', '00000015', 'R', '11401', 'H', 1, 7, 1, 2, 13)");
  ui::FlexGrid& g = remito();
  Llamada l{.tipo = 1};
  host.answer(1, "El comprobante ya ha Sido Cargado. Asiento 07 - 000013");
  EXPECT_EQ(asiento(g, l), "");
  EXPECT_EQ(l.secuencia, 1);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].prompt, "El comprobante ya ha Sido Cargado. Asiento 07 - 000013");
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador");
  // A row of the voucher asked alone adds to it without asking.
  l.solo = 2;
  EXPECT_NE(asiento(g, l), "");
}

TEST_F(AsientoStock, AFailedRegisterTypeLookupTakesNoNumber) {
  ui::FlexGrid& g = remito();
  Llamada primero{.tipo = 1};
  EXPECT_TRUE(asiento(g, primero).contains("'51101','1','3','1',"));  // left for a batch, not run

  DefineInDatabase(path, "DROP TABLE MA_SUBDIARIOSCOMPROBANTES");
  host.answer(3, "MA_SUBDIARIOSCOMPROBANTES").answer(3, "3704");  // the read, then the journal lookup: left
  host.answer(1, "No se ha informado El Tipo de Registro que generará el Asiento, corrija esto desde configuración y "
                 "vuelva a intentarlo");
  Llamada segundo{.nro = "00000016", .tipo = 1};
  EXPECT_EQ(asiento(g, segundo), "");
  EXPECT_EQ(host.boxes().back().title, "Aviso al Operador");

  DefineInDatabase(path, "CREATE TABLE MA_SUBDIARIOSCOMPROBANTES (TC CHAR(4) COLLATE CI_AS NOT NULL PRIMARY KEY, "
                         "Subdiario CHAR(4) COLLATE CI_AS); INSERT INTO MA_SUBDIARIOSCOMPROBANTES VALUES ('RM', 'STK')");
  Llamada tercero{.nro = "00000017", .tipo = 1};
  EXPECT_TRUE(asiento(g, tercero).contains("'51101','1','3','2',"));
  EXPECT_TRUE(host.scriptExhausted());
}

TEST_F(AsientoStock, EntriesAreNumberedWithinTheirMonthPeriodAndRegisterType) {
  exec("INSERT INTO MV_ASIENTOS (TC, Cuenta, [DEBE-HABER], Importe, MES_OPERATIVO, Periodo, Tipo_Reg, Secuencia, "
       "[NUMERO ASIENTO]) VALUES ('AJP', '1', 'D', 1, 3, 1, 'STK', 1, 40), ('AJP', '1', 'H', 1, 3, 1, 'STK', 2, 40), "
       "('AJP', '1', 'D', 1, 4, 1, 'COMP', 1, 70), ('AJP', '1', 'H', 1, 4, 1, 'COMP', 2, 70)");
  const struct {
    const char* tc;
    const char* fecha;
    int periodo;
    int numero;
  } casos[] = {
      {"RM", "15/03/2024", 1, 41}, {"RM", "20/03/2024", 1, 42}, {"RM", "02/04/2024", 1, 1},
      {"RMC", "02/04/2024", 1, 71}, {"RM", "31/03/2024", 1, 43}, {"RM", "31/03/2024", 2, 1},
      {"RM", "05/04/2024", 1, 2},
  };
  ui::FlexGrid& g = remito();
  QString lote;
  int nro = 20;
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.tc) + " " + c.fecha + " period " + std::to_string(c.periodo));
    core::gCore().gPeriodo = c.periodo;
    Llamada l{.tc = c.tc, .nro = QStringLiteral("000000%1").arg(++nro), .fecha = c.fecha, .tipo = 1};
    const QString sentencias = asiento(g, l);
    const int mes = QString::fromLatin1(c.fecha).mid(3, 2).toInt();
    EXPECT_TRUE(sentencias.startsWith(QStringLiteral("\r\nINSERT INTO MV_ASIENTOS (")));
    EXPECT_TRUE(sentencias.contains(QStringLiteral("VALUES ('51101','1','%1','%2',").arg(mes).arg(c.numero)))
        << sentencias.toStdString();
    lote += sentencias;  // one batch for all of them, run at the end
  }
  ejecuta(lote);
  verificaAsientos();
}

TEST_F(AsientoStock, ARowAloneAddsToTheLinesOfItsVoucher) {
  ui::FlexGrid& g = grilla("RM", {Articulo("TORNILLO", "4"), Articulo("TUERCA", "2"), Articulo("123", "1")});
  Llamada l{.solo = 1};
  ejecuta(asiento(g, l));
  EXPECT_EQ(l.secuencia, 3);
  l.solo = 2;
  const QString segunda = asiento(g, l);
  EXPECT_EQ(segunda,
            "\r\nUPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 1.5 WHERE TC = 'RM' AND SUCURSAL = '0001' AND NUMERO = "
            "'00000015' AND LETRA = 'R' AND [NUMERO ASIENTO] = 1 AND MES_OPERATIVO = 3 AND PERIODO = 1 AND Tipo_Reg = "
            "'STK' AND CUENTA = '51201' AND [DEBE-HABER] = 'H'"
            "\r\nUPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 1.5 WHERE TC = 'RM' AND SUCURSAL = '0001' AND NUMERO = "
            "'00000015' AND LETRA = 'R' AND [NUMERO ASIENTO] = 1 AND MES_OPERATIVO = 3 AND PERIODO = 1 AND Tipo_Reg = "
            "'STK' AND CUENTA = '11401' AND [DEBE-HABER] = 'D'");
  EXPECT_EQ(l.secuencia, 5);
  ejecuta(segunda);
  l.solo = 3;
  const QString tercera = asiento(g, l);
  EXPECT_EQ(tercera.count("UPDATE"), 1);  // the counter line; 11402 is new
  ejecuta(tercera);
  EXPECT_EQ(l.secuencia, 7);
  EXPECT_EQ(lineasDeAsiento(), (QStringList{"RM|0001|00000015|R|1|3|STK|1|51201|H|21.5",
                                            "RM|0001|00000015|R|1|3|STK|2|11401|D|11.5",
                                            "RM|0001|00000015|R|1|3|STK|6|11402|D|10"}));
  // The first row of another voucher starts the next entry.
  Llamada otro{.nro = "00000016", .solo = 1};
  ejecuta(asiento(g, otro));
  EXPECT_EQ(filas("SELECT DISTINCT [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE NUMERO = '00000016'"), QStringList{"2"});
  verificaAsientos();
}

TEST_F(AsientoStock, BusinessUnitCashRegisterAndQuotes) {
  core::CoreState& estado = core::gCore();
  estado.gCaja = " ";
  estado.gUNegocio = "null";
  estado.gUsuarioLogeado = "O'Neil";
  ui::FlexGrid& g = grilla("RM", {Articulo("TORNILLO", "4")});
  Llamada l{.suc = "0001", .nro = "0000'015", .tipo = 1};
  const QString sentencias = asiento(g, l);
  EXPECT_TRUE(sentencias.contains("'RM','0001','0000''015','R'")) << sentencias.toStdString();
  EXPECT_TRUE(sentencias.contains("'O''Neil'")) << sentencias.toStdString();
  EXPECT_TRUE(sentencias.endsWith(",'51101','1',null,NULL)")) << sentencias.toStdString();
  ejecuta(sentencias);
  verificaAsientos();
}

TEST_F(AsientoStock, NothingWithoutStockEntriesOrAMotiveAccount) {
  config("AsientosXStock", "si");
  ui::FlexGrid& g = remito();
  Llamada conMotivoSinCuenta{.motivo = "6"};
  EXPECT_EQ(asiento(g, conMotivoSinCuenta), "");
  Llamada sinMotivo{.motivo = "99"};
  EXPECT_EQ(asiento(g, sinMotivo), "");
  config("AsientosXStock", "S");
  Llamada apagado{.motivo = "'5'", .tipo = 1};
  EXPECT_EQ(nueva().GeneraAsientoStock(g, apagado.motivo, apagado.tc, apagado.suc, apagado.nro, apagado.letra,
                                       apagado.fecha, apagado.esDebito, apagado.tipo),
            "");
  EXPECT_EQ(apagado.motivo, "'5'");
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
