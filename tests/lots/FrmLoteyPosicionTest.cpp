// The position and lot dialog over a suite database: the balances by
// position and lot in the line's unit, the earlier picks put back, the
// checks and the lists accept writes.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "LotesFixture.h"
#include "lots/FrmLoteyPosicion.h"
#include "platform/runtime/Text.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using lots::FrmLoteyPosicion;
using testing_support::Columna;
using testing_support::Fila;

class LoteyPosicion : public testing_support::LotesDatabase {
 protected:
  void SetUp() override {
    LotesDatabase::SetUp();
    exec("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD) VALUES ('ART-1', 'aceite de GIRASOL', 'UN')");
    exec("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES ('ART-1', 'UN', 'CAJ', 12)");
    // P2 is filled before P1.
    exec("INSERT INTO MA_POSICIONES (IDPOSICION, IDDEPOSITO, ordeningreso) VALUES ('P1', '   1', 2), ('P2', '   1', 1)");
    saldo("P1", "L2", "UN", "5");
    saldo("P2", "L2", "UN", "3");
    saldo("P1", "L1", "UN", "4");
    saldo("P2", "L1", "CAJ", "1");  // 12 UN
    saldo("P1", "L3", "UN", "0");   // nothing left
    saldo("P1", "L1", "UN", "7", "2");
    saldo("", "L1", "UN", "6");
    saldo("", "L2", "UN", "4");
  }
  // A balance of ART-1 in a deposit (filled to 4), at a position ("": none).
  void saldo(const QString& posicion, const QString& lote, const QString& unidad, const QString& cantidad,
             const QString& deposito = "1") {
    exec(QStringLiteral("INSERT INTO AC_SALDOSLAYOUT (iddeposito, idposicion, idarticulo, nrolote, idunidadbase, saldo) "
                        "VALUES ('%1', %2, 'ART-1', '%3', '%4', %5)")
             .arg(deposito.rightJustified(4), posicion.isEmpty() ? "NULL" : "'" + posicion + "'", lote, unidad,
                  QString(cantidad).replace(',', '.')));
  }
  // A dialog of ART-1 filled for deposit 1.
  static void llena(FrmLoteyPosicion& dialogo, double cantidad, bool posicion, bool lote,
                    const QString& unidad = "UN", const QString& anteriores = "", const QString& lotesAnteriores = "") {
    dialogo.Cantidad1 = cantidad;
    dialogo.EsPosicion = posicion;
    dialogo.EsLote = lote;
    dialogo.IUNIDAD = unidad;
    dialogo.Articulo = "ART-1";
    dialogo.ArticuloDescripcion = "aceite de GIRASOL";
    dialogo.Deposito = "1";
    dialogo.PosicionesAnteriores = anteriores;
    dialogo.LotesAnteriores = lotesAnteriores;
    dialogo.EsConsultaDePosicionLote = !anteriores.isEmpty() || !lotesAnteriores.isEmpty();
    dialogo.CargaDatos();
  }
  // The fixture's dialog filled and on screen.
  void carga(double cantidad, bool posicion, bool lote, const QString& unidad = "UN",
             const QString& anteriores = "", const QString& lotesAnteriores = "") {
    llena(d, cantidad, posicion, lote, unidad, anteriores, lotesAnteriores);
    testing_support::Abre(d);
  }
  QStringList filas() const { return testing_support::Filas(d.MSFlexGrid1); }

  FrmLoteyPosicion d;
  ui::FlexGrid& g = d.MSFlexGrid1;
};

TEST_F(LoteyPosicion, PositionsAndLotsByLotThenEntryOrderThenPosition) {
  carga(14, true, true);
  EXPECT_EQ(d.Caption(), "Posiciones y Lotes (Deposito: 1)");
  EXPECT_EQ(d.lblArticulo.Caption(), "Aceite De Girasol");
  EXPECT_EQ(Fila(g, 0), "POSICION|LOTE|UNIDAD|DISPONIBLE|CANT.");
  EXPECT_EQ(filas(), QStringList({"P2|L1|UN|12|12", "P1|L1|UN|4|2", "P2|L2|UN|3|0", "P1|L2|UN|5|0",
                                  "DEPOSITO 1|L1|UN|6|0", "DEPOSITO 1|L2|UN|4|0"}));
  EXPECT_EQ(g.Row(), 6);
  EXPECT_EQ(g.Col(), 4);
  ui::op::click(d.CmdAceptar);
  EXPECT_FALSE(d.Visible());
  EXPECT_EQ(d.Posiciones, "|P2*12|P1*2|");
  EXPECT_EQ(d.Lotes, "|L1|L1|");
}

TEST_F(LoteyPosicion, TheStockWithoutPositionIsOfferedLotByLot) {
  saldo("", "L2", "UN", "-4");  // L2 comes to 0 without position: no row
  saldo("", "L3", "UN", "-2");
  carga(2, true, true);
  EXPECT_EQ(filas(), QStringList({"P2|L1|UN|12|2", "P1|L1|UN|4|0", "P2|L2|UN|3|0", "P1|L2|UN|5|0",
                                  "DEPOSITO 1|L1|UN|6|0", "DEPOSITO 1|L3|UN|-2|0"}));
  // Nothing can be taken from a balance below 0, yet its 0 stands.
  ui::op::clickCell(g, 6, 4);
  host.answer(ui::mb::Ok, "No hay disponible para esa posicion");
  testing_support::Confirma(d, "1");
  ui::op::key(d.TxtEdit, ui::key::Escape);
  // The operator takes the 2 from L1's stock without position.
  ui::op::clickCell(g, 1, 4);
  testing_support::Confirma(d, "0");
  ui::op::clickCell(g, 5, 4);
  testing_support::Confirma(d, "2");
  ui::op::click(d.CmdAceptar);
  EXPECT_FALSE(d.Visible());
  EXPECT_EQ(d.Posiciones, "|*2|");
  EXPECT_EQ(d.Lotes, "|L1|") << "what is taken keeps its lot";

  // Position only: one row for every lot.
  FrmLoteyPosicion posiciones;
  llena(posiciones, 1, true, false);
  EXPECT_EQ(Fila(posiciones.MSFlexGrid1, posiciones.MSFlexGrid1.Rows() - 1), "DEPOSITO 1||UN|4|0");
}

TEST_F(LoteyPosicion, CodesAListCannotCarryAreNotOfferedAndNamedWhenTheDialogShows) {
  exec("INSERT INTO MA_POSICIONES (IDPOSICION, IDDEPOSITO, ordeningreso) VALUES ('P*3', '   1', 3), ('P|4', '   1', 4)");
  const QString y(rt::Chr(255));
  saldo("P*3", "L1", "UN", "1");
  saldo("P|4", "L|5", "UN", "1");
  saldo("P1", "L" + y + "6", "UN", "1");
  saldo("P1", "-", "UN", "1");  // "-" is the empty item: it is offered
  saldo("", "L|7", "UN", "1");
  host.answer(ui::mb::Ok);
  carga(1, true, true);
  EXPECT_EQ(avisoNoOfrecidos(), "No se ofrecen los lotes o series que contienen los caracteres \"|\" o \"" + y +
                                    "\": L|5, L" + y + "6, L|7\r\nNo se ofrecen las posiciones que contienen los "
                                    "caracteres \"|\" o \"*\": P*3, P|4");
  EXPECT_EQ(Columna(g, 0), QStringList({"P1", "P2", "P1", "P2", "P1", "DEPOSITO 1", "DEPOSITO 1"}));
  EXPECT_EQ(Columna(g, 1), QStringList({"-", "L1", "L1", "L2", "L2", "L1", "L2"}));
}

TEST_F(LoteyPosicion, PositionOnlyAddsUpTheLotsOfAPosition) {
  carga(5, true, false);
  EXPECT_EQ(d.Caption(), "Posiciones (Deposito: 1)");
  EXPECT_EQ(g.ColWidth(1), 0);
  EXPECT_EQ(g.TextMatrix(0, 1), "");
  EXPECT_EQ(filas(), QStringList({"P2||UN|15|5", "P1||UN|9|", "DEPOSITO 1||UN|10|0"}));
  d.Lotes = "sin tocar";
  ui::op::click(d.CmdAceptar);
  EXPECT_EQ(d.Posiciones, "|P2*5|");
  EXPECT_EQ(d.Lotes, "sin tocar") << "position-only accept writes no lots";
}

TEST_F(LoteyPosicion, LotOnlyOffersTheLotsOfTheDepositPlacedOrNot) {
  carga(25, false, true);
  EXPECT_EQ(d.Caption(), "Números de Lote (Deposito: 1)");
  EXPECT_EQ(g.ColWidth(0), 0) << "no positions";
  EXPECT_EQ(Fila(g, 0), "|LOTE|UNIDAD|DISPONIBLE|CANT.");
  EXPECT_EQ(filas(), QStringList({"|L1|UN|22|22", "|L2|UN|12|3"}));
  ui::op::click(d.CmdAceptar);
  EXPECT_EQ(d.Posiciones, "|*22|*3|");
  EXPECT_EQ(d.Lotes, "|L1|L2|");

  // Earlier picks come back by lot.
  FrmLoteyPosicion otra;
  llena(otra, 4, false, true, "UN", "|*4|", "|L2|");
  EXPECT_EQ(Columna(otra.MSFlexGrid1, 4), QStringList({"0", "4"}));
}

TEST_F(LoteyPosicion, EveryBalanceIsShownInTheLinesUnit) {
  carga(1, true, true, "CAJ");
  // 12 UN are a box, the stock without position (6 and 4 UN, the article's
  // own unit) too.
  EXPECT_EQ(Columna(g, 2), QStringList({"CAJ", "CAJ", "CAJ", "CAJ", "CAJ", "CAJ"}));
  EXPECT_EQ(Columna(g, 3), QStringList({"1", "0,3333", "0,25", "0,4167", "0,5", "0,3333"}));
}

TEST_F(LoteyPosicion, EarlierPicksArePutBack) {
  struct Case {
    bool lote;
    const char* posiciones;
    const char* lotes;
    bool sinPosicion;  // the deposit keeps stock without position
    QStringList cantidades;
  };
  const Case cases[] = {
      {true, "|P1*2|", "|L2|", true, {"0", "0", "0", "2", "0", "0"}},
      {true, "|P9*2|P1*1|", "|L1|L1|", true, {"0", "1", "0", "0", "0", "0"}},  // P9 holds nothing
      // Without position: on the row of its lot's stock without position.
      {true, "|*3|*1|", "|L2|L1|", true, {"0", "0", "0", "0", "1", "3"}},
      {true, "|*3|", "|L9|", true, {"0", "0", "0", "0", "0", "0"}},  // no such lot: dropped
      {true, "|*3|", "||", true, {"0", "0", "0", "0", "0", "0"}},
      {false, "|P2*1|P1*2,5|*4|", "|L1|", true, {"1", "2,5", "4"}},  // fewer lots than positions
      {true, "", "|L1|", true, {"0", "0", "0", "0", "0", "0"}},      // lots alone: nothing to put back
      {true, "|*3|", "|L1|", false, {"0", "0", "0", "0"}},  // no row without position: dropped
  };
  for (const Case& c : cases) {
    if (!c.sinPosicion) exec("DELETE FROM AC_SALDOSLAYOUT WHERE idposicion IS NULL");
    FrmLoteyPosicion dialogo;
    llena(dialogo, 9, true, c.lote, "UN", c.posiciones, c.lotes);
    QStringList cantidades = Columna(dialogo.MSFlexGrid1, 4);
    if (!c.lote) cantidades.replaceInStrings(QRegularExpression("^$"), "0");
    EXPECT_EQ(cantidades, c.cantidades) << c.posiciones << " / " << c.lotes;
  }
}

TEST_F(LoteyPosicion, TheEditorOpensOnTheQuantityAlone) {
  saldo("P3", "L5", "UN", "2,5");
  exec("INSERT INTO MA_POSICIONES (IDPOSICION, IDDEPOSITO, ordeningreso) VALUES ('P3', '   1', 3)");
  carga(2, true, true);
  ASSERT_EQ(Fila(g, 5), "P3|L5|UN|2,5|0");
  for (int columna = 0; columna < 4; ++columna) {
    g.setCurrentCell(5, columna);
    testing_support::Pulsa(g, '1');
    EXPECT_FALSE(d.TxtEdit.Visible()) << columna;
  }
  g.setCurrentCell(5, 4);
  const std::pair<const char*, const char*> rechazos[] = {{"3", "No hay disponible para esa posicion"},
                                                          {"-1", "La Cantidad no puede ser Menor a Cero"}};
  for (const auto& [texto, rechazo] : rechazos) {
    host.answer(ui::mb::Ok, rechazo);
    testing_support::Confirma(d, texto);
    EXPECT_TRUE(d.TxtEdit.Visible()) << texto;
    ui::op::key(d.TxtEdit, ui::key::Escape);
  }
  testing_support::Confirma(d, "2,5");
  EXPECT_EQ(g.TextMatrix(5, 4), "2,5") << "a decimal comma reads as one";
  EXPECT_EQ(g.Row(), 6);
  testing_support::Confirma(d, "0");
  EXPECT_EQ(g.Row(), 7);
  // Enter on the last row goes to Aceptar.
  testing_support::Confirma(d, "0");
  EXPECT_EQ(d.ActiveControl(), &d.CmdAceptar);

  // The toolbar acts on the quantity column only.
  g.setCurrentCell(1, 3);
  ui::op::clickButton(d.Toolbar1, 1);
  ui::op::clickButton(d.Toolbar1, 2);
  EXPECT_EQ(Columna(g, 3), QStringList({"12", "4", "3", "5", "2,5", "6", "4"}));
  g.setCurrentCell(1, 4);
  ui::op::clickButton(d.Toolbar1, 1);
  EXPECT_EQ(Columna(g, 4), QStringList({"2", "2", "2", "2", "2", "2", "2"}));
  g.setCurrentCell(2, 4);
  ui::op::clickButton(d.Toolbar1, 2);
  EXPECT_EQ(Columna(g, 4), QStringList({"2", "2", "0", "0", "0", "0", "0"}));
}

TEST_F(LoteyPosicion, ProponerAutomaticamenteFillsInOrderAgain) {
  exec("DELETE FROM AC_SALDOSLAYOUT");
  saldo("P1", "L1", "UN", "5");
  saldo("P2", "L1", "UN", "5");
  carga(3, true, true);
  g.setTextMatrix(2, 4, "5");
  g.setCurrentCell(1, 2);
  ui::op::clickButton(d.Toolbar1, 3);
  EXPECT_EQ(Columna(g, 4), QStringList({"3", "0"}));
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 4);
  EXPECT_EQ(d.Toolbar1.Buttons(3).ToolTipText(), "Proponer Automaticamente");
  // Without stock outside the positions, the last row keeps its position.
  g.setTextMatrix(1, 4, "1");
  g.setTextMatrix(2, 4, "2");
  ui::op::click(d.CmdAceptar);
  EXPECT_EQ(d.Posiciones, "|P2*1|P1*2|");
  EXPECT_EQ(d.Lotes, "|L1|L1|");
}

TEST_F(LoteyPosicion, AcceptWritesTheRowsThatTakeSomething) {
  carga(5, true, true);
  const QStringList cantidades = {"0", "2", "00", "", "3"};
  for (int r = 1; r <= 5; ++r) g.setTextMatrix(r, 4, cantidades[r - 1]);
  ui::op::click(d.CmdAceptar);
  EXPECT_EQ(d.Posiciones, "|P1*2|P2*00|*3|") << "\"00\" is not left out; the stock without position has none";
  EXPECT_EQ(d.Lotes, "|L1|L2|L1|") << "the stock without position keeps its lot";

  // A negative line takes the quantity the dialog placed on its first row;
  // typed, it would be refused.
  FrmLoteyPosicion negativa;
  llena(negativa, -2, true, true);
  negativa.CmdAceptar_Click();
  EXPECT_EQ(negativa.Posiciones, "|P2*-2|");
  EXPECT_EQ(negativa.Lotes, "|L1|");
  EXPECT_TRUE(host.boxes().empty());

  // Too little, without the dialog on screen: only the notice.
  FrmLoteyPosicion corta;
  llena(corta, 50, true, false);
  host.answer(ui::mb::Ok, "La suma de cantidades informadas es Menor a la cantidad solicitada ");
  corta.CmdAceptar_Click();
  EXPECT_EQ(corta.Posiciones, "");
  EXPECT_EQ(host.boxes().back().buttons, ui::mb::OkOnly | ui::mb::Information);
}

TEST_F(LoteyPosicion, PidePosicionLoteHandsBackTheListsAndTheAdjustedQuantity) {
  vouchers::ClsCmnCptes cpte;
  QString posiciones = "viejo", lotes = "viejo";
  double cantidad = 0;
  cpte.PidePosicionLote("ART-1", "UN", cantidad, "1", "", "", posiciones, lotes);
  EXPECT_EQ(posiciones, "");
  EXPECT_EQ(lotes, "");
  EXPECT_TRUE(host.shownForms().empty());

  host.onModal<FrmLoteyPosicion>("FrmLoteyPosicion", [](FrmLoteyPosicion& f) {
    EXPECT_EQ(f.lblArticulo.Caption(), "ART-1");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 4), "4") << "the earlier pick, not a proposal";
    f.MSFlexGrid1.setTextMatrix(5, 4, "3");
    f.CmdAceptar_Click();
  });
  host.answer(ui::mb::Yes, "supera a la solicitada");
  cantidad = 6;
  cpte.PidePosicionLote("ART-1", "UN", cantidad, "1", "|P2*4|", "|L1|", posiciones, lotes, true, true);
  EXPECT_EQ(cantidad, 7) << "the quantity the operator agreed to";
  EXPECT_EQ(posiciones, "|P2*4|*3|");
  EXPECT_EQ(lotes, "|L1|L1|");

  for (bool cierre : {false, true}) {
    host.onModal<FrmLoteyPosicion>("FrmLoteyPosicion", [cierre](FrmLoteyPosicion& f) {
      if (cierre) ui::op::close(f);
      else ui::op::click(f.CmdCancelar);
    });
    cantidad = 6;
    cpte.PidePosicionLote("ART-1", "UN", cantidad, "1", "|P2*4|", "|L1|", posiciones, lotes, true, true);
    EXPECT_EQ(posiciones, "") << cierre;
    EXPECT_EQ(lotes, "");
    EXPECT_EQ(cantidad, 6);
  }
}

TEST_F(LoteyPosicion, AnArticleCodeWithAnApostrophe) {
  exec("INSERT INTO AC_SALDOSLAYOUT (iddeposito, idposicion, idarticulo, nrolote, idunidadbase, saldo) VALUES "
       "('   1', 'P1', 'O''NEIL', 'L1', 'UN', 2)");
  d.Cantidad1 = 1;
  d.EsPosicion = d.EsLote = true;
  d.IUNIDAD = "UN";
  d.Articulo = "O'NEIL";
  d.Deposito = "1";
  d.CargaDatos();
  EXPECT_EQ(filas(), QStringList({"P1|L1|UN|2|1"}));
}

}  // namespace
