// A voucher is recorded whole or not at all, and never twice: failures
// injected at the k-th insert (a trigger), at an entry line, at a discharge
// row, in the caller's batch and at a yield. Every test ends with both
// invariants.
#include <gtest/gtest.h>

#include "StockFixture.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Error.h"
#include "platform/suite/Library.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using namespace testing_support;
namespace a = numbering::articulos;

constexpr int kLineas = 5;

class Confiabilidad : public StockDatabase {
 protected:
  void SetUp() override {
    StockDatabase::SetUp();
    config("IR_Oblig", "NO");
    exec("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA) VALUES ('OC', '000100000003X', '211010001')");
    movimiento("TORNILLO", "   1", "", "", "100");
    movimiento("VINO", "   1", "L1", "", "7");
  }
  // A purchase receipt of five lines that comes from a purchase order.
  ui::FlexGrid& recepcion() {
    std::vector<Celdas> lineas;
    for (const char* articulo : {"TORNILLO", "TUERCA", "123", "VINO", "CELULAR"})
      lineas.push_back(Articulo(articulo, "2", {{a::PrecioSinIVA, "3"}, {a::PideSerie, "0"}, {a::PideTalle, "0"}}));
    return grilla("RMC", lineas);
  }
  Registro compra(bool acumula = false) {
    return Registro{.tc = "RMC", .sucNroLetra = "000100000030R", .complemento = "211010001", .tcOrigen = "OC",
                    .cpteOrigen = "000100000003X", .cuenta = "211010001", .acumula = acumula, .cartel = true};
  }
  // Aborts the insert of the voucher's k-th row of `tabla` (1-based).
  void fallaEn(const QString& tabla, int k, const QString& condicion = "1") {
    DefineInDatabase(path, QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON %1 WHEN %3 AND (SELECT COUNT(*) "
                                          "FROM %1 WHERE TC = NEW.TC) >= %2 BEGIN SELECT RAISE(ABORT, 'Falla "
                                          "inyectada'); END")
                               .arg(tabla)
                               .arg(k - 1)
                               .arg(condicion));
  }
  void reparado() { DefineInDatabase(path, "DROP TRIGGER falla"); }
  QStringList saldos() {
    return filas("SELECT IDARTICULO, IDDEPOSITO, NROLOTE, CANTIDAD FROM STK_SERIES_Y_LOTES ORDER BY 1, 2, 3") +
           filas("SELECT IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK FROM STK_SALDOS_UNIDADES ORDER BY 1, 2, 3");
  }
  // Nothing of the voucher: no row, no entry line, the order not received,
  // the balances as they were.
  void nadaEscrito(const QStringList& antes) {
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC <> 'AJP'").toLong(), 0);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 0);
    EXPECT_TRUE(scalar("SELECT FechaRecepcion FROM C_MV_CPTE").isNull());
    EXPECT_EQ(saldos(), antes);
    EXPECT_EQ(suite::gCartel().ventana(), nullptr);
    EXPECT_EQ(data_access::gDB().gCnn.TransactionLevel(), 0);
  }
  // The voucher once, whole.
  void escritoUnaVez() {
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'RMC'").toLong(), kLineas);
    EXPECT_EQ(scalar("SELECT SUM(Cantidad) FROM V_MV_STOCK WHERE TC = 'RMC'").toDouble(), 2.0 * kLineas);
    EXPECT_FALSE(scalar("SELECT FechaRecepcion FROM C_MV_CPTE").isNull());
    EXPECT_GT(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 0);
    verificaInvariantes();
  }
  // The box of a database error the service leaves to its caller.
  void esperaErrorDeBase() { host.answer(1, "Falla inyectada"); }
};

TEST_F(Confiabilidad, ARowThatFailsLeavesNothingAndARerunWritesTheVoucherOnce) {
  const QStringList antes = saldos();
  for (int k : {1, 3, kLineas}) {
    SCOPED_TRACE(k);
    fallaEn("V_MV_STOCK", k, "NEW.TC = 'RMC'");
    esperaErrorDeBase();
    Registro r = compra();
    registra(recepcion(), r);
    EXPECT_TRUE(r.hayError);
    nadaEscrito(antes);
    reparado();
  }
  ASSERT_EQ(host.boxes().size(), 3u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al operador");
  EXPECT_EQ(host.boxes()[0].buttons, 16);

  Registro r = compra();
  registra(recepcion(), r);
  EXPECT_FALSE(r.hayError);
  escritoUnaVez();
}

TEST_F(Confiabilidad, AnErrorTheServiceShowsGivesTwoBoxes) {
  const QStringList antes = saldos();
  Registro r{.tc = "FCC", .sucNroLetra = "000100000031A", .fecha = "31/02/2024"};
  host.answer(1).answer(1);
  registra(grilla("FCC", {Articulo("TORNILLO", "1")}), r);
  EXPECT_TRUE(r.hayError);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al operador!!!");
  EXPECT_EQ(host.boxes()[1].title, "Aviso al operador");
  EXPECT_EQ(host.boxes()[1].prompt, host.boxes()[0].prompt);
  nadaEscrito(antes);
}

TEST_F(Confiabilidad, ARowTheDatabaseDropsAsTooWideStopsTheVoucher) {
  const QStringList antes = saldos();
  Registro r = compra();
  r.vendedor = "ABCDE";
  host.answer(1, "El movimiento de stock no se grabó: un dato es más largo que su columna.");
  registra(recepcion(), r);
  EXPECT_TRUE(r.hayError);
  nadaEscrito(antes);
}

TEST_F(Confiabilidad, AnEntryLineThatFailsLeavesNothing) {
  const QStringList antes = saldos();
  fallaEn("MV_ASIENTOS", 4);  // the fourth line's account
  esperaErrorDeBase();
  Registro r = compra();
  registra(recepcion(), r);
  EXPECT_TRUE(r.hayError);
  nadaEscrito(antes);
  reparado();
  r = compra();
  registra(recepcion(), r);
  escritoUnaVez();
}

TEST_F(Confiabilidad, ADischargeRowThatFailsLeavesNothing) {
  const QStringList antes = saldos();
  fallaEn("V_MV_STOCK", 2, "NEW.TC = 'PE'");
  esperaErrorDeBase();
  Registro r = compra();
  ui::FlexGrid& g = recepcion();
  g.setTextMatrix(2, a::IdArticulo, "PIZZA");
  registra(g, r);
  EXPECT_TRUE(r.hayError);
  EXPECT_EQ(r.sql, "");  // no numbering for the caller either
  nadaEscrito(antes);
  verificaInvariantes();
}

TEST_F(Confiabilidad, AnAccumulatedVoucherWhoseBatchFailsLeavesNothingAndOneErrorRow) {
  const QStringList antes = saldos();
  Registro r = compra(true);
  registra(recepcion(), r);
  EXPECT_FALSE(r.hayError);
  fallaEn("V_MV_STOCK", 3, "NEW.TC = 'RMC'");
  EXPECT_FALSE(ejecutaLote(r.sql));
  nadaEscrito(antes);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 1);
  reparado();
  EXPECT_TRUE(ejecutaLote(r.sql));
  escritoUnaVez();
}

TEST_F(Confiabilidad, AStaleErrorDoesNotStopACleanVoucher) {
  data_access::gDB().gCnn.Errors().Add({-2147217900, "un error de antes", "ADODB.Connection", "42000", 102});
  Registro r = compra();
  registra(recepcion(), r);
  EXPECT_FALSE(r.hayError);
  EXPECT_TRUE(host.boxes().empty());
  escritoUnaVez();
}

TEST_F(Confiabilidad, LeavingTheErrorDialogWritesNothingGoingOnKeepsGoing) {
  const QStringList antes = saldos();
  host.atYield(9, [] { throw rt::Error(5, "Falla en la espera", "prueba"); });
  host.answer(3, "Falla en la espera");  // leave
  Registro r = compra();
  registra(recepcion(), r);
  EXPECT_TRUE(r.hayError);
  EXPECT_TRUE(host.boxes().back().title.contains("ActualizaStock")) << host.boxes().back().title.toStdString();
  nadaEscrito(antes);

  host.atYield(host.yields() + 9, [] { throw rt::Error(5, "Falla en la espera", "prueba"); });
  host.answer(5, "Falla en la espera");  // go on
  r = compra();
  registra(recepcion(), r);
  EXPECT_FALSE(r.hayError);
  escritoUnaVez();
}

TEST_F(Confiabilidad, InsideTheCallersTransactionTheCallerDecides) {
  const QStringList antes = saldos();
  ado::Connection& cn = data_access::gDB().gCnn;
  fallaEn("V_MV_STOCK", 3, "NEW.TC = 'RMC'");
  cn.BeginTrans();
  esperaErrorDeBase();
  Registro r = compra();
  registra(recepcion(), r);
  EXPECT_TRUE(r.hayError);
  EXPECT_EQ(cn.TransactionLevel(), 1);  // neither committed nor rolled back
  cn.RollbackTrans();
  nadaEscrito(antes);
  reparado();

  cn.BeginTrans();
  r = compra();
  registra(recepcion(), r);
  EXPECT_FALSE(r.hayError);
  EXPECT_EQ(cn.TransactionLevel(), 1);
  cn.CommitTrans();
  escritoUnaVez();
}

}  // namespace
