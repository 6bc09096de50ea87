// The layouts of the four voucher grids by voucher type, family,
// configuration and timber-yard mode.
#include <gtest/gtest.h>

#include <QStringList>
#include <map>

#include "VoucherFixture.h"
#include "core/CoreState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using namespace testing_support;
using vouchers::ClsCmnCptes;

struct Diseno {
  const char* nombre;
  const char* TC;
  std::map<QString, QString> claves;
  bool maderera;
  // Visible columns as column=width in capital X of the window's font.
  const char* tareas;
  const char* articulos;
  const char* otros;
};

const char* const kTareas = "0=7 1=37 2=7 3=11 4=11";
const char* const kArticulosVentas = "0=15 1=29 5=4 7=6 14=11 18=10 40=10";
const char* const kOtros = "0=49 1=11 2=11";

const Diseno kDisenos[] = {
    {"ventas sin claves", "FC", {}, false, kTareas, kArticulosVentas, kOtros},
    {"compras sin claves", "FCC", {}, false, kTareas, kArticulosVentas, kOtros},
    // w(39) + w(11) - 480 twips, w(4) + w(4), w(6) + w(7).
    {"stock", "AJP", {}, false, kTareas, "0=15 1=46 5=8 7=13", kOtros},
    {"stock, familia en minúsculas y con blancos", "RM", {}, false, kTareas, "0=15 1=46 5=8 7=13", kOtros},
    {"tipo sin fila en V_TA_CPTE",
     "ZZ",
     {{"V_ListaPreciosPorItemArticulos", "SI"}, {"V_DescuentoPorArticulos", "SI"}},
     true,
     kTareas,
     kArticulosVentas,
     kOtros},
    {"orden de pedido OP", "OP", {}, false, "0=7 1=59 2=7", "0=15 1=50 5=4 7=6 40=10", "0=71"},
    {"OT sin importes y con depósito",
     "OT",
     {{"NoMostrarImportesEnOT", "SI"}, {"PideDepositoEnCptes", "SI"}},
     false,
     "0=7 1=66",
     "0=15 1=50 5=4 7=6 40=10",
     "0=71"},
    {"OT sin la clave", "OT", {{"PideDepositoEnCptes", "SI"}}, false, kTareas, kArticulosVentas, kOtros},
    {"PR sin depósito", "PR", {{"PideDepositoEnCptes", "SI"}}, false, kTareas, kArticulosVentas, kOtros},
    {"depósito con si en minúsculas", "FC", {{"PideDepositoEnCptes", "si"}}, false, kTareas,
     "0=15 1=29 5=4 6=4 7=6 14=11 18=10 40=10", kOtros},
    {"maderera en ventas", "FC", {}, true, kTareas, "0=15 1=29 3=7 4=7 5=4 7=6 8=7 12=4 13=9 18=10 40=10", kOtros},
    {"maderera en compras", "FCC", {}, true, kTareas, kArticulosVentas, kOtros},
    {"lista de precios y descuento en ventas",
     "FC",
     {{"V_ListaPreciosPorItemArticulos", "SI"}, {"V_DescuentoPorArticulos", "SI"}},
     false,
     kTareas,
     "0=13 1=23 2=4 5=4 7=6 11=5 14=10 18=10 40=10",
     kOtros},
    {"descuento de compras con blancos; el de ventas no cuenta",
     "FCC",
     {{"ComprasDescuentoPorArticulo", " SI "}, {"V_DescuentoPorArticulos", "SI"},
      {"V_ListaPreciosPorItemArticulos", "SI"}},
     false,
     kTareas,
     "0=14 1=26 5=4 7=6 11=5 14=10 18=10 40=10",
     kOtros},
    {"descuento de ventas sin trim no cuenta", "FC", {{"V_DescuentoPorArticulos", " SI"}}, false, kTareas,
     kArticulosVentas, kOtros},
    {"lotes y series de DVPE", "DVPE", {}, false, kTareas, "0=15 1=29 5=4 7=6 14=11 18=10 21=12 22=13 40=10",
     kOtros},
    {"unidad equivalente y combustibles", "FC", {{"ConfirmaUDEquiv", "SI"}, {"TransporteCombustibles", "SI"}}, false,
     kTareas, "0=15 1=29 5=4 7=6 9=7 10=9 14=11 18=10 40=10 93=10", kOtros},
    {"stock con combustibles, equivalencia y maderera",
     "AJP",
     {{"TransporteCombustibles", "SI"}, {"ConfirmaUDEquiv", "SI"}, {"PideDepositoEnCptes", "SI"}},
     true,
     kTareas,
     "0=15 1=46 5=8 6=4 7=13 9=7 10=9",
     kOtros},
};

class Disenos : public VoucherDatabase {
 protected:
  void SetUp() override {
    VoucherDatabase::SetUp();
    exec("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, SISTEMA) VALUES ('FC', 1, 'VENTAS'), ('FCC', 1, 'COMPRAS'), "
         "('AJP', 1, 'STOCK'), ('RM', 1, ' stock '), ('OP', 1, 'VENTAS'), ('OT', 1, 'VENTAS'), ('PR', 1, 'VENTAS'), "
         "('DVPE', 1, 'VENTAS')");
    X = ventana.TextWidth("X");
  }

  void aplica(const Diseno& d) {
    exec("DELETE FROM TA_CONFIGURACION");
    for (const auto& [clave, valor] : d.claves) config(clave, valor);
    core::gCore().gMaderera = d.maderera;
  }

  void disena(const Diseno& d) {
    aplica(d);
    ClsCmnCptes cpte;
    cpte.InicializaGrids(&ventana.MSFlexGrid1, &ventana.MSFlexGrid2, &ventana.MSFlexGrid3, &ventana.TxtEdit,
                         &ventana.txtEdit2, &ventana.txtEdit3, &ventana, QString::fromUtf8(d.TC),
                         &ventana.MSFlexGrid4);
  }

  QString visibles(const ui::FlexGrid& g) const {
    QStringList out;
    for (int c = 0; c < g.Cols(); ++c) {
      const int w = g.ColWidth(c);
      if (w == 0) continue;
      out << (w % X == 0 ? QStringLiteral("%1=%2").arg(c).arg(w / X) : QStringLiteral("%1=%2twips").arg(c).arg(w));
    }
    return out.join(u' ');
  }

  // Every column: width and title.
  static QStringList forma(const ui::FlexGrid& g) {
    QStringList out{QStringLiteral("%1x%2").arg(g.Rows()).arg(g.Cols())};
    for (int c = 0; c < g.Cols(); ++c) out << QStringLiteral("%1 %2").arg(g.ColWidth(c)).arg(g.TextMatrix(0, c));
    return out;
  }
  QStringList formas() const {
    return forma(ventana.MSFlexGrid1) + forma(ventana.MSFlexGrid2) + forma(ventana.MSFlexGrid3) +
           forma(ventana.MSFlexGrid4);
  }

  int X = 0;
};

TEST_F(Disenos, VisibleColumnsAndWidthsByTypeFamilyConfigurationAndTimberMode) {
  for (const Diseno& d : kDisenos) {
    SCOPED_TRACE(d.nombre);
    disena(d);
    EXPECT_EQ(visibles(ventana.MSFlexGrid1), QString::fromUtf8(d.tareas));
    EXPECT_EQ(visibles(ventana.MSFlexGrid2), QString::fromUtf8(d.articulos));
    EXPECT_EQ(visibles(ventana.MSFlexGrid3), QString::fromUtf8(d.otros));
    EXPECT_EQ(visibles(ventana.MSFlexGrid4), "0=50 1=15 2=10");
    EXPECT_EQ(ventana.MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(ventana.MSFlexGrid1.Cols(), 22);
    EXPECT_EQ(ventana.MSFlexGrid2.Rows(), 2);
    EXPECT_EQ(ventana.MSFlexGrid2.Cols(), 96);
    EXPECT_EQ(ventana.MSFlexGrid3.Rows(), 2);
    EXPECT_EQ(ventana.MSFlexGrid3.Cols(), 7);
    EXPECT_EQ(ventana.MSFlexGrid4.Rows(), 5);
    EXPECT_EQ(ventana.MSFlexGrid4.Cols(), 3);
  }
}

TEST_F(Disenos, EveryArticleTitleOfTheDefaultLayout) {
  disena(kDisenos[0]);
  const std::map<int, QString> titulos = {
      {0, "Código"},          {1, "Descripción"},         {2, "Lista"},
      {5, "UD"},              {6, "Dep."},                {7, "Cant."},
      {8, "AuxCoeficiente"},  {11, "% Dto."},             {14, "Importe"},
      {15, "Total"},          {16, "AuxEsExento"},        {17, "AuxPrecioSinIVA"},
      {18, "TOTAL"},          {19, "AuxPideSerie"},       {20, "AuxPidelote"},
      {21, "AuxNroLote"},     {22, "AuxNroSerie"},        {23, "AuxRestoPorAplicar"},
      {24, "AuxTipoArticulo"}, {25, "AuxRubroArticulo"},  {26, "AuxListaConIVA"},
      {27, "AuxPrecioConIVA"}, {28, "AuxCantidadInsumo"}, {29, "AuxImporteDescuentoArticulo"},
      {30, "AuxTipoCoeficiente"}, {31, "AuxStockDisponible"}, {32, "AuxStockMinimo"},
      {33, "AuxTasaIVA"},     {34, "AuxCpteOrigen"},      {35, "AuxIdCpteOrigen"},
      {36, "Lote_Origen"},    {37, "Lote_Aduana"},        {40, "Impuestos"},
      {83, "PideMedidas"},    {84, "LargoAnt"},           {88, "EnComodato"},
      {89, "MKBaseFamilia"},  {90, "CodError"},           {91, "Moneda"},
      {92, "Cotizacion"},     {93, "ITC"},                {95, "AuxCodigoPercepcion"}};
  for (int c = 0; c < numbering::articulos::Columnas; ++c) {
    const auto t = titulos.find(c);
    EXPECT_EQ(ventana.MSFlexGrid2.TextMatrix(0, c), t == titulos.end() ? QString() : t->second) << "column " << c;
  }
}

TEST_F(Disenos, TitlesOfTheOtherGridsAndOfTheSwitchedColumns) {
  disena(kDisenos[0]);
  QStringList tareas;
  for (int c = 0; c < numbering::tareas::Columnas; ++c) tareas << ventana.MSFlexGrid1.TextMatrix(0, c);
  EXPECT_EQ(tareas.join(u'|'),
            "Código|Descripción|Cantidad|Importe|Total|AuxEsExento|ImporteSinIVA|AuxObservAdic|AuxFechaInicio|"
            "AuxFechaFin|AuxIdTecnico|CodigoOriginal|AuxFechaREALInicio|AuxFechaREALFin|AuxCuentaContable|"
            "Prioridad|Usuario|AuxFhPresentacion|AuxFhEmision|AuxNroExp|AuxFhEntrega|AuxTasaIVA");
  QStringList otros, totales;
  for (int c = 0; c < numbering::otros::Columnas; ++c) otros << ventana.MSFlexGrid3.TextMatrix(0, c);
  for (int c = 0; c < numbering::totales::Columnas; ++c) totales << ventana.MSFlexGrid4.TextMatrix(0, c);
  EXPECT_EQ(otros.join(u'|'), "Detalle|Importe S/Iva|Importe|Cuenta|||");
  EXPECT_EQ(totales.join(u'|'), "Descripcion|Cantidad ITEM'S|Cantidad");

  const ui::FlexGrid& a = ventana.MSFlexGrid2;
  disena(kDisenos[10]);  // timber mode
  EXPECT_EQ(a.TextMatrix(0, 3) + "|" + a.TextMatrix(0, 4) + "|" + a.TextMatrix(0, 8) + "|" + a.TextMatrix(0, 12) +
                "|" + a.TextMatrix(0, 13),
            "Espesor|Ancho|Largo|UD|Importe");
  disena(kDisenos[15]);  // DVPE
  EXPECT_EQ(a.TextMatrix(0, 21) + "|" + a.TextMatrix(0, 22), "Nro. Lote|Nro. Serie");
  disena(kDisenos[16]);
  EXPECT_EQ(a.TextMatrix(0, 9) + "|" + a.TextMatrix(0, 10), "UDEquiv|Cant. Equiv");
  disena(kDisenos[2]);  // stock
  EXPECT_EQ(a.TextMatrix(0, 11) + "|" + a.TextMatrix(0, 18) + "|" + a.TextMatrix(0, 40), "||");
}

TEST_F(Disenos, AlignmentEditBoxesAndTheWindowsFont) {
  ventana.TxtEdit.Visible = true;
  ventana.txtEdit2.Visible = true;
  ventana.txtEdit3.Text = "a medio escribir";
  disena(kDisenos[0]);
  EXPECT_FALSE(ventana.TxtEdit.Visible());
  EXPECT_FALSE(ventana.txtEdit2.Visible());
  EXPECT_EQ(ventana.txtEdit3.Text(), "");
  EXPECT_EQ(ventana.MSFlexGrid1.ColAlignment(1), ui::FlexGrid::LeftCenter);
  EXPECT_EQ(ventana.MSFlexGrid2.ColAlignment(0), ui::FlexGrid::LeftCenter);
  EXPECT_EQ(ventana.MSFlexGrid2.ColAlignment(1), ui::FlexGrid::LeftCenter);
  EXPECT_EQ(ventana.MSFlexGrid3.ColAlignment(0), ui::FlexGrid::LeftCenter);
  EXPECT_EQ(ventana.MSFlexGrid4.ColAlignment(0), ui::FlexGrid::LeftCenter);

  // Measured in the window's font on every call: twice the size, twice the
  // width; the third of an inch a stock layout takes off stays 480 twips.
  ventana.FontSize = 16.5;
  disena(kDisenos[0]);
  EXPECT_EQ(ventana.MSFlexGrid2.ColWidth(0), 15 * 2 * ui::ScriptedHost::kCharWidth);
  disena(kDisenos[2]);  // stock
  EXPECT_EQ(ventana.MSFlexGrid2.ColWidth(1), (39 + 11) * 2 * ui::ScriptedHost::kCharWidth - 480);
}

// A grid laid out again is the grid laid out afresh: no width, title or
// line of the earlier layout stays, and no visible column lacks a title.
TEST_F(Disenos, LayingOutAgainLeavesNothingOfTheEarlierLayout) {
  std::vector<QStringList> frescas;
  for (const Diseno& d : kDisenos) {
    VentanaComprobante nueva;
    aplica(d);
    ClsCmnCptes().InicializaGrids(&nueva.MSFlexGrid1, &nueva.MSFlexGrid2, &nueva.MSFlexGrid3, &nueva.TxtEdit,
                                  &nueva.txtEdit2, &nueva.txtEdit3, &nueva, QString::fromUtf8(d.TC),
                                  &nueva.MSFlexGrid4);
    frescas.push_back(forma(nueva.MSFlexGrid1) + forma(nueva.MSFlexGrid2) + forma(nueva.MSFlexGrid3) +
                      forma(nueva.MSFlexGrid4));
  }
  for (const Diseno& antes : kDisenos) {
    for (size_t i = 0; i < std::size(kDisenos); ++i) {
      SCOPED_TRACE(std::string(antes.nombre) + " -> " + kDisenos[i].nombre);
      disena(antes);
      AgregaLinea(ventana.MSFlexGrid2, {{0, "ART"}, {7, "1"}});
      disena(kDisenos[i]);
      EXPECT_EQ(formas(), frescas[i]);
      for (const ui::FlexGrid* g : {&ventana.MSFlexGrid1, &ventana.MSFlexGrid2, &ventana.MSFlexGrid3,
                                    &ventana.MSFlexGrid4})
        for (int c = 0; c < g->Cols(); ++c)
          if (g->ColWidth(c) > 0) {
            EXPECT_NE(g->TextMatrix(0, c), "") << g->Name().toStdString() << " column " << c;
          }
    }
  }
}

TEST_F(Disenos, AbsentGridsAndBoxesAreLeftAlone) {
  ventana.MSFlexGrid1.setCols(3);
  ClsCmnCptes cpte;
  cpte.InicializaGrids(nullptr, &ventana.MSFlexGrid2, nullptr, nullptr, nullptr, nullptr, &ventana, "FC");
  EXPECT_EQ(ventana.MSFlexGrid1.Cols(), 3);
  EXPECT_EQ(ventana.MSFlexGrid2.Cols(), 96);
  EXPECT_EQ(ventana.MSFlexGrid4.Rows(), 2);
  EXPECT_EQ(ErrorNumberOf([&] {
              cpte.InicializaGrids(nullptr, &ventana.MSFlexGrid2, nullptr, nullptr, nullptr, nullptr, nullptr, "FC");
            }),
            424);
  // Without grids nothing is measured.
  EXPECT_EQ(ErrorNumberOf([&] {
              cpte.InicializaGrids(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "FC");
            }),
            0);
}

}  // namespace

namespace {

TEST_F(Disenos, TheArticleTitleInProperCase) {
  const struct {
    const char* valor;  // nullptr: no key
    const char* titulo;
  } casos[] = {{nullptr, "Código"}, {"   ", "Código"}, {"PRODUCTO interno", "Producto Interno"}, {"ítem", "Ítem"}};
  for (const auto& c : casos) {
    exec("DELETE FROM TA_CONFIGURACION");
    if (c.valor) config("NombreArticulos", QString::fromUtf8(c.valor));
    ClsCmnCptes().InicializaGrids(nullptr, &ventana.MSFlexGrid2, nullptr, nullptr, nullptr, nullptr, &ventana, "FC");
    EXPECT_EQ(ventana.MSFlexGrid2.TextMatrix(0, 0), QString::fromUtf8(c.titulo)) << (c.valor ? c.valor : "(none)");
  }
}

TEST_F(Disenos, WhatTheEditBoxEditsInEachColumn) {
  VentanaComprobante otra;
  ui::TextBox txtaux2{otra, " txtaux2 "};
  ui::TextBox ajena{otra, "txtBuscar"};
  const struct {
    ui::TextBox* caja;
    int columna;
    const char* campo;
    const char* tabla;
    int largo;
    const char* tecleado = nullptr;  // what the operator types, kept whole
  } casos[] = {
      {&ventana.TxtEdit, 0, "IdTarea", "v_ta_tareas", 4},
      {&ventana.TxtEdit, 2, "HorasEstimadas", "", 0},
      {&ventana.TxtEdit, 4, "Total", "", 0},
      {&ventana.TxtEdit, 5, "", "", 0},
      {&ventana.txtEdit2, 0, "IdArticulo", "v_ma_articulos", 25},
      {&ventana.txtEdit2, 1, "Descripcion", "", 50},
      {&ventana.txtEdit2, 2, "IdListaPrecioArticulo", "V_MA_PRECIOS", 4},
      {&ventana.txtEdit2, 6, "IdDepositoArt", "V_TA_DEPOSITO", 4},
      {&ventana.txtEdit2, 8, "Largo", "", 0},
      {&ventana.txtEdit2, 9, "IdUnidadEquiv", "V_TA_UNIDAD", 4},
      {&ventana.txtEdit2, 11, "PorcDtoArticulo", "", 0, "12,5"},
      {&ventana.txtEdit2, 12, "Ud_Pr", "V_TA_UNIDAD", 4},
      {&ventana.txtEdit2, 14, "ArtImporte", "", 0},
      {&ventana.txtEdit2, 16, "", "", 0},
      {&ventana.txtEdit2, 40, "Impuestos", "", 0},
      {&ventana.txtEdit2, 93, "ITC", "", 0},
      {&txtaux2, 0, "IdArticulo", "v_ma_articulos", 25},
      {&ventana.txtEdit3, 0, "OCDescripcion", "MA_CUENTAS/SOLOIMPUTABLES", 200},
      {&ventana.txtEdit3, 2, "OCImporte", "", 0},
      {&ventana.txtEdit3, 3, "", "", 0},
      {&ajena, 0, "", "", 0},
  };
  ClsCmnCptes cpte;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caja->Name().toStdString() + " " + std::to_string(c.columna));
    c.caja->DataField = "antes";
    c.caja->Tag = "antes";
    c.caja->MaxLength = 99;
    cpte.TextPropiedades(*c.caja, c.columna);
    EXPECT_EQ(c.caja->DataField(), QString::fromUtf8(c.campo));
    EXPECT_EQ(c.caja->Tag(), QString::fromUtf8(c.tabla));
    EXPECT_EQ(c.caja->MaxLength(), c.largo);
    if (c.tecleado) {
      ui::op::type(*c.caja, QString::fromUtf8(c.tecleado));
      EXPECT_EQ(c.caja->Text(), QString::fromUtf8(c.tecleado));
    }
  }
}

}  // namespace
