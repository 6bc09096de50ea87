// The in-grid editor of the lot dialogs, played as the operator types: where
// an edit starts, how confirmed keys move, what is refused, the toolbar, the
// row sums and the quantity proposals.
#include <gtest/gtest.h>

#include <array>

#include "LotesFixture.h"
#include "lots/FrmCargaLotesySeries.h"
#include "lots/FrmLoteyPosicion.h"
#include "platform/runtime/Text.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"

namespace {

using lots::FrmCargaLotesySeries;
using testing_support::Columna;
using testing_support::Confirma;
using testing_support::Teclea;
using Filas = std::vector<std::array<QString, 4>>;

const QString y = QString(rt::Chr(255));

// The rows of a lot article's choice: L1 with stock 6 and 2 taken, L2 with
// stock 4, the row for goods without lot.
const Filas kEleccion = {{"L1", "", "6", "2"}, {"L2", "", "4", ""}, {"", "", "", "0"}};

class Editor : public testing_support::LotesDatabase {
 protected:
  // A choice-mode dialog holding `filas` (lot, serial, stock, quantity), on
  // screen, its current cell the first quantity.
  void eleccion(FrmCargaLotesySeries& d, double cantidad, const Filas& filas, bool serie = false) {
    d.EsConsultaDeSerieLote = true;
    d.EsSerie = serie;
    d.EsLote = !serie;
    d.Cantidad = cantidad;
    d.Load();
    d.InicializaGrid();
    for (const auto& f : filas) d.MSFlexGrid1.AddItem(f[0] + "\t" + f[1] + "\t" + f[2] + "\t" + f[3]);
    d.MSFlexGrid1.setCurrentCell(1, 3);
    d.MostrarForm = true;
    testing_support::Abre(d);
  }
  // An entry-mode dialog of `cantidad` units, on screen.
  void carga(FrmCargaLotesySeries& d, double cantidad, bool serie, bool lote) {
    d.Cantidad = cantidad;
    d.EsSerie = serie;
    d.EsLote = lote;
    d.CargaDatos();
    testing_support::Abre(d);
  }
};

TEST_F(Editor, AnEditStartsOnlyOnAnEditableCell) {
  struct Case {
    bool eleccion;
    int fila, columna;
    int caracter;
    bool abre;
    const char* texto;
    int caret;
    const char* campo;
    int largo;
  };
  const Case cases[] = {
      {true, 1, 3, '5', true, "5", 1, "Cantidad", 0},
      {true, 1, 3, ' ', true, "2", 1, "Cantidad", 0},  // the cell's value, caret at its end
      {true, 1, 3, 13, true, "2", 1, "Cantidad", 0},
      {true, 1, 3, '|', true, "", 0, "Cantidad", 0},   // never a list separator
      {true, 1, 2, '5', false, "", 0, "", 0},          // the stock
      {true, 1, 1, '5', false, "", 0, "", 0},          // the codes are fixed
      {true, 1, 0, '5', false, "", 0, "", 0},
      {true, 0, 3, '5', false, "", 0, "", 0},          // the header
      {false, 2, 1, 'a', true, "a", 1, "", 25},
      {false, 2, 0, 'a', false, "", 0, "", 0},         // the row numbers
  };
  for (const Case& c : cases) {
    FrmCargaLotesySeries d;
    if (c.eleccion) eleccion(d, 4, kEleccion);
    else carga(d, 3, false, true);
    ui::FlexGrid& g = d.MSFlexGrid1;
    g.setCurrentCell(c.fila, c.columna);
    testing_support::Pulsa(g, c.caracter);
    const std::string donde = std::to_string(c.fila) + "," + std::to_string(c.columna) + " " + char(c.caracter);
    ASSERT_EQ(d.TxtEdit.Visible(), c.abre) << donde;
    if (!c.abre) {
      EXPECT_EQ(d.ActiveControl(), &g) << donde;
      continue;
    }
    EXPECT_EQ(d.ActiveControl(), &d.TxtEdit) << donde;
    EXPECT_EQ(d.TxtEdit.Text(), c.texto) << donde;
    EXPECT_EQ(d.TxtEdit.SelStart(), c.caret) << donde;
    EXPECT_EQ(d.TxtEdit.DataField(), c.campo) << donde;
    EXPECT_EQ(d.TxtEdit.MaxLength(), c.largo) << donde;
    EXPECT_EQ(d.TxtEdit.Left(), g.Left() + g.CellLeft()) << donde;
    EXPECT_EQ(d.TxtEdit.Top(), g.Top() + g.CellTop()) << donde;
    EXPECT_EQ(d.TxtEdit.Width(), g.CellWidth()) << donde;
    EXPECT_EQ(d.TxtEdit.Height(), g.CellHeight()) << donde;
    EXPECT_EQ(g.Row(), c.fila) << donde;
  }
}

TEST_F(Editor, ConfirmedKeysWriteTheCellAndMove) {
  enum Modo { LotesEleccion, SeriesEleccion, LotesYSeriesCarga, SeriesCarga };
  struct Case {
    Modo modo;
    int fila, columna;
    const char* texto;
    int tecla;
    int filaFinal, columnaFinal;
    const char* celda;  // the edited cell afterwards
  };
  const Case cases[] = {
      {LotesEleccion, 1, 3, "1", ui::key::Return, 2, 3, "1"},
      {LotesEleccion, 3, 3, "1", ui::key::Return, 3, 3, "1"},  // the last row
      {LotesEleccion, 1, 3, "1", ui::key::Down, 2, 3, "1"},
      {LotesEleccion, 3, 3, "1", ui::key::Down, 3, 3, "1"},
      {LotesEleccion, 2, 3, "1", ui::key::Up, 1, 3, "1"},
      {LotesEleccion, 1, 3, "1", ui::key::Up, 1, 3, "1"},
      {LotesEleccion, 1, 3, "1", ui::key::Escape, 1, 3, "2"},  // dropped
      {SeriesEleccion, 1, 3, "1", ui::key::Return, 2, 3, "1"},
      {LotesYSeriesCarga, 1, 1, "L1", ui::key::Return, 1, 2, "L1"},
      // Serials go on down the serial column, under the lot copied down.
      {LotesYSeriesCarga, 1, 2, "S1", ui::key::Return, 2, 2, "S1"},
      {LotesYSeriesCarga, 3, 2, "S3", ui::key::Return, 3, 1, "S3"},  // the last row
      {LotesYSeriesCarga, 1, 2, "S1", ui::key::Down, 2, 2, "S1"},
      {LotesYSeriesCarga, 1, 1, "L1", ui::key::Down, 2, 1, "L1"},
      {LotesYSeriesCarga, 2, 2, "S2", ui::key::Up, 1, 2, "S2"},
      {SeriesCarga, 1, 1, "S1", ui::key::Return, 2, 1, "S1"},
  };
  for (const Case& c : cases) {
    FrmCargaLotesySeries d;
    switch (c.modo) {
      case LotesEleccion: eleccion(d, 4, kEleccion); break;
      case SeriesEleccion: eleccion(d, 2, {{"", "S1", "1", "2"}, {"", "S2", "1", ""}}, true); break;
      case LotesYSeriesCarga: carga(d, 3, true, true); break;
      case SeriesCarga: carga(d, 3, true, false); break;
    }
    ui::FlexGrid& g = d.MSFlexGrid1;
    g.setCurrentCell(c.fila, c.columna);
    Confirma(d, c.texto, c.tecla);
    const std::string donde = std::to_string(c.modo) + " " + std::to_string(c.fila) + "," +
                              std::to_string(c.columna) + " key " + std::to_string(c.tecla);
    EXPECT_FALSE(d.TxtEdit.Visible()) << donde;
    EXPECT_EQ(d.ActiveControl(), &g) << donde;
    EXPECT_EQ(g.TextMatrix(c.fila, c.columna), c.celda) << donde;
    EXPECT_EQ(g.Row(), c.filaFinal) << donde;
    EXPECT_EQ(g.Col(), c.columnaFinal) << donde;
  }
}

TEST_F(Editor, EnterPassesOverTheDialogsOwnErrorsAndReportsAnyOther) {
  struct Case {
    bool posicion;  // the position dialog, else the serial one
    long numero;
    bool informado;
  };
  const Case cases[] = {
      {false, 5, false}, {false, 30010, false}, {false, 9, true},
      {true, 5, false},  {true, 30010, true},   {true, 9, true},
  };
  for (const Case& c : cases) {
    FrmCargaLotesySeries serie;
    lots::FrmLoteyPosicion posicion;
    lots::DialogoConEditor& d = c.posicion ? static_cast<lots::DialogoConEditor&>(posicion) : serie;
    if (c.posicion) {
      posicion.EsPosicion = posicion.EsLote = true;
      posicion.Cantidad1 = 4;
      posicion.Load();
      posicion.InicializaGrid();
      posicion.MSFlexGrid1.AddItem("P1\tL1\tUN\t5\t0");
      posicion.MSFlexGrid1.AddItem("P2\tL1\tUN\t5\t0");
      posicion.MSFlexGrid1.setCurrentCell(1, 4);
      testing_support::Abre(posicion);
    } else {
      eleccion(serie, 4, kEleccion);
    }
    ui::FlexGrid& g = d.MSFlexGrid1;
    const int columna = g.Col();
    // Moving to the next row fails once.
    g.watch([&g, numero = c.numero, falla = true](const ui::PropertyChange& cambio) mutable {
      if (cambio.prop == ui::Prop::CurrentCell && std::exchange(falla, false))
        throw rt::Error(numero, QStringLiteral("Fallo de la grilla"));
    });
    const std::string que = (c.posicion ? "position " : "serial ") + std::to_string(c.numero);
    if (c.informado)
      host.answer(ui::mb::Ignore, QStringLiteral("Ha ocurrido el Siguiente Error (%1) Fallo").arg(c.numero));
    const size_t cajas = host.boxes().size();
    Confirma(d, "1");
    EXPECT_EQ(host.boxes().size() - cajas, c.informado ? 1u : 0u) << que;
    if (c.informado) EXPECT_TRUE(host.boxes().back().title.contains("EditKeyCode")) << que;
    EXPECT_EQ(g.TextMatrix(1, columna), "1") << que;
    EXPECT_EQ(g.Row(), 2) << que << ": on with the next step";
  }
}

TEST_F(Editor, ARefusedQuantityKeepsTheBoxOpenUntilCorrectedOrDropped) {
  struct Case {
    bool serie;
    int fila;
    const char* texto;
    const char* rechazo;
    bool pegado = false;  // pasted into the box, past the key filter
  };
  const Case cases[] = {
      {false, 1, "-1", "La Cantidad no puede ser Menor a Cero"},
      {false, 1, "2,5", "No Puede Informase Cantidades que no Sean Enteras"},
      {false, 1, "7", "La Cantidad supera a la cantidad disponible en Stock"},
      {false, 2, "4,0001", "No Puede Informase Cantidades que no Sean Enteras"},
      {false, 1, "dos", "La Cantidad informada no es un número", true},
      {false, 1, "1|2", "El valor no puede contener los caracteres", true},
      {true, 1, "2", "La Cantidad supera a la cantidad disponible en Stock"},  // serials are checked too
  };
  for (const Case& c : cases) {
    FrmCargaLotesySeries d;
    if (c.serie) eleccion(d, 2, {{"", "S1", "1", "2"}, {"", "S2", "1", ""}}, true);
    else eleccion(d, 4, kEleccion);
    ui::FlexGrid& g = d.MSFlexGrid1;
    g.setCurrentCell(c.fila, 3);
    const QString antes = g.TextMatrix(c.fila, 3);
    host.answer(ui::mb::Ok, c.rechazo);
    if (c.pegado) {
      testing_support::Pulsa(g, ' ');
      ui::op::type(d.TxtEdit, c.texto);
      ui::op::key(d.TxtEdit, ui::key::Return);
    } else {
      Confirma(d, c.texto);
    }
    EXPECT_TRUE(d.TxtEdit.Visible()) << c.texto;
    EXPECT_EQ(d.TxtEdit.Text(), c.texto);
    EXPECT_EQ(d.ActiveControl(), &d.TxtEdit);
    EXPECT_EQ(g.Row(), c.fila);
    EXPECT_EQ(g.TextMatrix(c.fila, 3), antes);
    // Escape needs no check: the value is dropped.
    ui::op::key(d.TxtEdit, ui::key::Escape);
    EXPECT_FALSE(d.TxtEdit.Visible()) << c.texto;
    EXPECT_EQ(g.TextMatrix(c.fila, 3), antes);
  }
  ASSERT_FALSE(host.boxes().empty());
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::OkOnly | ui::mb::Critical);

  // Without lot or serial there is no stock to compare with.
  FrmCargaLotesySeries d;
  eleccion(d, 4, kEleccion);
  d.MSFlexGrid1.setCurrentCell(3, 3);
  Confirma(d, "50");
  EXPECT_EQ(d.MSFlexGrid1.TextMatrix(3, 3), "50");
}

TEST_F(Editor, ListSeparatorsAreNeverTakenTypedOrPasted) {
  FrmCargaLotesySeries d;
  carga(d, 2, true, false);
  Teclea(d, "A|B" + y + "C");
  EXPECT_EQ(d.TxtEdit.Text(), "ABC");
  for (const QString& pegado : {QString("A|B"), "A" + y + "B"}) {
    ui::op::type(d.TxtEdit, pegado);
    host.answer(ui::mb::Ok, "El valor no puede contener los caracteres \"|\" ni \"" + y + "\"");
    ui::op::key(d.TxtEdit, ui::key::Return);
    EXPECT_TRUE(d.TxtEdit.Visible());
    EXPECT_EQ(d.MSFlexGrid1.TextMatrix(1, 1), "");
  }
}

TEST_F(Editor, AValueLeftByAClickIsCheckedAtAccept) {
  FrmCargaLotesySeries d;
  eleccion(d, 9, kEleccion);
  ui::FlexGrid& g = d.MSFlexGrid1;
  Teclea(d, "7");
  ui::op::clickCell(g, 2, 3);
  EXPECT_FALSE(d.TxtEdit.Visible());
  EXPECT_EQ(g.TextMatrix(1, 3), "7") << "written unchecked";
  EXPECT_EQ(g.Row(), 2);
  host.answer(ui::mb::Ok, "La Cantidad supera a la cantidad disponible en Stock");
  ui::op::key(g, ui::key::F2);
  EXPECT_TRUE(d.Visible());
  EXPECT_EQ(g.Row(), 1) << "the refused cell becomes current";
  EXPECT_EQ(g.Col(), 3);
  EXPECT_EQ(d.Lotes, "");
}

TEST_F(Editor, F2AndTheToolbarPassAnOpenBoxThroughTheCheck) {
  FrmCargaLotesySeries d;
  eleccion(d, 4, kEleccion);
  ui::FlexGrid& g = d.MSFlexGrid1;
  Teclea(d, "-1");
  host.answer(ui::mb::Ok, "Menor a Cero");
  ui::op::clickButton(d.Toolbar1, 1);
  EXPECT_EQ(Columna(g, 3), QStringList({"2", "", "0"})) << "nothing copied";
  host.answer(ui::mb::Ok, "Menor a Cero");
  ui::op::key(d.TxtEdit, ui::key::F2);
  EXPECT_TRUE(d.Visible());
  EXPECT_TRUE(d.TxtEdit.Visible());

  ui::op::type(d.TxtEdit, "4");
  ui::op::key(d.TxtEdit, ui::key::F2);
  EXPECT_FALSE(d.Visible()) << "accepted with the 4 typed";
  EXPECT_EQ(d.Lotes, "|L1" + y + "|L2" + y + "|" + y + "|");
  EXPECT_EQ(d.Series, "|4|-|0|");
}

TEST_F(Editor, ToolbarButtonsCopyOrClearBelowTheCurrentCellOfAnEditableColumn) {
  struct Case {
    int fila, columna, boton;
    QStringList cantidades, stock;
  };
  const QStringList stock = {"6", "4", ""};
  const Case cases[] = {
      {1, 3, 1, {"2", "2", "2"}, stock},
      {2, 3, 1, {"2", "", ""}, stock},
      {1, 3, 2, {"2", "", ""}, stock},
      {3, 3, 2, {"2", "", "0"}, stock},  // nothing below the last row
      {1, 2, 1, {"2", "", "0"}, stock},  // never the stock
      {1, 2, 2, {"2", "", "0"}, stock},
  };
  for (const Case& c : cases) {
    FrmCargaLotesySeries d;
    eleccion(d, 4, kEleccion);
    d.MSFlexGrid1.setCurrentCell(c.fila, c.columna);
    ui::op::clickButton(d.Toolbar1, c.boton);
    EXPECT_EQ(Columna(d.MSFlexGrid1, 3), c.cantidades) << c.fila << "," << c.columna << " button " << c.boton;
    EXPECT_EQ(Columna(d.MSFlexGrid1, 2), c.stock);
  }
  EXPECT_EQ(FrmCargaLotesySeries().Toolbar1.Buttons.Count(), 2);

  FrmCargaLotesySeries d;
  carga(d, 3, false, true);
  Confirma(d, "L1", ui::key::Escape);
  d.MSFlexGrid1.setTextMatrix(1, 1, "L1");
  d.MSFlexGrid1.setCurrentCell(1, 1);
  ui::op::clickButton(d.Toolbar1, 1);
  EXPECT_EQ(Columna(d.MSFlexGrid1, 1), QStringList({"L1", "L1", "L1"}));
  d.MSFlexGrid1.setCurrentCell(2, 1);
  ui::op::clickButton(d.Toolbar1, 2);
  EXPECT_EQ(Columna(d.MSFlexGrid1, 1), QStringList({"L1", "L1", ""}));
  EXPECT_EQ(Columna(d.MSFlexGrid1, 0), QStringList({"1", "2", "3"}));
}

TEST_F(Editor, DistribuyeCantidadFillsEachRowUpToItsStock) {
  struct Case {
    double pedida;
    QStringList stock, antes, despues;
  };
  const Case cases[] = {
      {5, {"3", "4", "4"}, {"0", "0", "0"}, {"3", "2", "0"}},
      {10, {"3", "4"}, {"0", "0"}, {"3", "4"}},  // 3 stay unplaced
      {7, {"2"}, {"0"}, {"2"}},                  // one row too keeps to its stock
      {5, {"-2", "6"}, {"0", "0"}, {"0", "5"}},  // no stock below 0
      {5, {"3", "4"}, {"1", "0"}, {"3", "2"}},
      {0.3, {"0,1", "0,2"}, {"0", "0"}, {"0,1", "0,2"}},
  };
  for (const Case& c : cases) {
    Filas filas;
    for (int i = 0; i < c.stock.size(); ++i) filas.push_back({"L" + QString::number(i), "", c.stock[i], c.antes[i]});
    FrmCargaLotesySeries d;
    eleccion(d, c.pedida, filas);
    d.DistribuyeCantidad();
    EXPECT_EQ(Columna(d.MSFlexGrid1, 3), c.despues) << c.pedida;
  }
}

TEST_F(Editor, CompletaCantidadesTakesInOrderAndLeavesTheRestToTheRowWithoutLot) {
  struct Case {
    double pedida;
    Filas filas;
    QStringList despues;
  };
  const Case cases[] = {
      {5, {{"L1", "", "3", "9"}, {"L2", "", "4", "9"}, {"", "", "", "9"}}, {"3", "2", "9"}},
      {9, {{"L1", "", "3", "9"}, {"L2", "", "4", "9"}, {"", "", "", "9"}}, {"3", "4", "2"}},
      {5, {{"L1", "", "3", "9"}, {"L2", "", "0", "9"}, {"", "", "", "9"}}, {"3", "0", "2"}},
  };
  for (const Case& c : cases) {
    FrmCargaLotesySeries d;
    eleccion(d, c.pedida, c.filas);
    d.CompletaCantidades();
    EXPECT_EQ(Columna(d.MSFlexGrid1, 3), c.despues) << c.pedida;
  }
}

TEST_F(Editor, SumsAreExactToTheTenThousandth) {
  FrmCargaLotesySeries d;
  eleccion(d, 6, {{"L1", "", "9", "1"}, {"L2", "", "9", "2"}, {"L3", "", "9", "3"}});
  EXPECT_EQ(d.SumaFilas(-1), rt::Currency::fromInt(6));
  EXPECT_EQ(d.SumaFilas(2), rt::Currency::fromInt(4));
  EXPECT_TRUE(d.ValidaCantidadCantidadPedida());
  d.MSFlexGrid1.setTextMatrix(3, 3, "3,0001");
  EXPECT_FALSE(d.ValidaCantidadCantidadPedida());

  FrmCargaLotesySeries decimas;
  eleccion(decimas, 0.3, {{"L1", "", "9", "0,1"}, {"L2", "", "9", "0.2"}});
  EXPECT_TRUE(decimas.ValidaCantidadCantidadPedida());
}

TEST_F(Editor, ColumnsFitTheirLongestTextButHiddenOnesStayHidden) {
  FrmCargaLotesySeries d;
  eleccion(d, 1, {{"ABCDEF", "", "12", ""}});
  d.MSFlexGrid1.setTextMatrix(0, 3, "");
  d.MSFlexGrid1.setColWidth(3, 777);
  d.AjustaAnchoColumnas();
  EXPECT_EQ(d.MSFlexGrid1.ColWidth(0), d.TextWidth("XXXXXXX")) << "six letters and the cell's room";
  EXPECT_EQ(d.MSFlexGrid1.ColWidth(1), 0);
  EXPECT_EQ(d.MSFlexGrid1.ColWidth(2), d.TextWidth("XXXXXXXXXXXX")) << "\"CANT. STOCK\"";
  EXPECT_EQ(d.MSFlexGrid1.ColWidth(3), 777) << "nothing to fit";
}

}  // namespace
