// Timber-yard sales: the measures of each article line, the cells that do
// not apply, and the merge of equal lines.
#include <gtest/gtest.h>

#include <vector>

#include "CargaFixture.h"
#include "core/CoreState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/ui/Colors.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;
namespace a = numbering::articulos;

const QString kNumero = "001000000007A";

class Maderera : public CargaDatabase {
 protected:
  void SetUp() override {
    CargaDatabase::SetUp();
    core::CoreState& estado = core::gCore();
    estado.gMaderera = true;
    estado.gMadTiras = "TIR";
    estado.gUnidadMedidaM3 = "M3";
  }
  // A board of 2 x 4 at 3 per price unit.
  static Campos tabla(Campos propios = {}) {
    Campos c{{"IdArticulo", "'TABLA'"}, {"IdUnidad", "'M3'"}, {"ESPESOR", "2"},  {"Ancho", "4"}, {"Ud_Pr", "'M3'"},
             {"Importe_Ud", "3"},       {"Cantidad", "1"},    {"Importe", "10"}, {"Total", "10"}};
    for (const auto& [columna, valor] : propios) c[columna] = valor;
    return c;
  }
  void carga(const std::vector<Campos>& lineas, const QString& TC = "FC") {
    exec("DELETE FROM V_MV_CPTE");
    exec("DELETE FROM V_MV_CPTEINSUMOS");
    cabecera(TC, kNumero, {{"Cotizacion", "2"}});
    for (const Campos& l : lineas) articulo(TC, kNumero, l);
    CargaDatabase::carga(TC, kNumero);
  }
  const ui::FlexGrid& g() const { return ventana.MSFlexGrid2; }
  bool blanca(int fila, int columna) const { return g().cellFormat(fila, columna).fore == ui::color::White; }
};

TEST_F(Maderera, TheMeasuresOfTheLine) {
  const struct {
    const char* nombre;
    Campos linea;
    QStringList celdas;  // 83, 3, 4, 67, 8, 12, 13
    QString blancas;     // of 3, 4 and 8
  } casos[] = {
      {"pide medidas", tabla({{"IdUnidad", "'m3'"}}), {"83=1", "3=2", "4=4", "67=m3", "8=1", "12=M3", "13=3"}, "8"},
      {"pide medidas, en tiras",
       tabla({{"IdUnidad", "'tir'"}, {"Equiv_UDBase", "2.5"}}),
       {"83=1", "3=2", "4=4", "67=tir", "8=2,5", "12=M3", "13=3"},
       ""},
      {"no pide medidas",
       tabla({{"IdArticulo", "'CLAVO'"}}),
       {"83=0", "3=", "4=", "67=M3", "8=1", "12=M3", "13=3"},
       "3 4 8"},
      {"sin fila en el maestro",
       tabla({{"IdArticulo", "'SINMAESTRO'"}}),
       {"83=0", "3=", "4=", "67=M3", "8=1", "12=M3", "13=3"},
       "3 4 8"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    carga({c.linea});
    EXPECT_EQ(
        celdas(g(), 1,
               {a::PideMedidas, a::Espesor, a::Ancho, a::IdUnidadCopia, a::Coeficiente, a::UdPrecio, a::ImporteUd}),
        c.celdas);
    QStringList blancas;
    for (int columna : {a::Espesor, a::Ancho, a::Coeficiente})
      if (blanca(1, columna)) blancas << QString::number(columna);
    EXPECT_EQ(blancas.join(' '), c.blancas);
  }
  // The amount per price unit times the rate.
  Opciones o;
  o.convertir = true;
  CargaDatabase::carga("FC", kNumero, o);
  EXPECT_EQ(celdas(g(), 1, {a::ImporteUd}), QStringList({"13=6"}));
}

TEST_F(Maderera, EqualLinesMerge) {
  const std::initializer_list<int> columnas = {
      a::Cantidad, a::Importe,   a::PrecioSinIVA, a::Total,       a::TotalConImpuestos, a::RestoPorAplicar,
      a::Costo,    a::Impuestos, a::ITC,          a::Coeficiente, a::LargoAnt,          a::CantidadM3};
  const Campos dos = {{"Cantidad", "2"}, {"Importe", "10"}, {"Importe_S_IVA", "10"}, {"Total", "20"}, {"Costo", "1"}};
  const Campos tres = {{"Cantidad", "3"}, {"Importe", "20"}, {"Importe_S_IVA", "20"}, {"Total", "60"}, {"Costo", "2"}};
  const struct {
    const char* nombre;
    std::vector<Campos> lineas;
    QStringList codigos;
    QStringList fila1;  // 7, 14, 17, 15, 18, 23, 38, 40, 93, 8, 84, 62
    QString TC = "FC";
  } casos[] = {
      {"dos iguales",
       {tabla(dos), tabla(tres)},
       {"TABLA", ""},
       {"7=5", "14=16", "17=16", "15=80", "18=80", "23=5", "38=1,6", "40=0", "93=0", "8=1", "84=1", "62=5"}},
      // Its units are worked out again though another row follows it.
      {"en una fila que no es la última",
       {tabla(dos), tabla({{"IdArticulo", "'CLAVO'"}}), tabla(tres)},
       {"TABLA", "CLAVO", ""},
       {"7=5", "14=16", "17=16", "15=80", "18=80", "23=5", "38=1,6", "40=0", "93=0", "8=1", "84=1", "62=5"}},
      {"el código en otras letras", {tabla(dos), tabla({{"IdArticulo", "'tabla'"}})}, {"TABLA", ""}, {}},
      {"otro espesor", {tabla(dos), tabla({{"ESPESOR", "3"}})}, {"TABLA", "TABLA", ""}, {}},
      {"otro importe por unidad", {tabla(dos), tabla({{"Importe_Ud", "3.5"}})}, {"TABLA", "TABLA", ""}, {}},
      {"tres iguales y una distinta",
       {tabla(), tabla(), tabla(), tabla({{"Ancho", "5"}})},
       {"TABLA", "TABLA", ""},
       {"7=3", "14=10", "17=10", "15=30", "18=30", "23=3", "38=0", "40=0", "93=0", "8=1", "84=1", "62=3"}},
      {"promedios a cuatro decimales",
       {tabla({{"Costo", "1"}, {"Impuestos", "0.1"}, {"iTC", "0.01"}}),
        tabla({{"Cantidad", "2"}, {"Total", "20"}, {"Costo", "2"}, {"Impuestos", "0.2"}, {"iTC", "0.02"}})},
       {"TABLA", ""},
       {"7=3", "14=10", "17=10", "15=30", "18=30,55", "23=3", "38=1,6667", "40=0,1667", "93=0,0167", "8=1", "84=1",
        "62=3"}},
      {"largos de tiras",
       {tabla({{"IdUnidad", "'TIR'"}, {"Equiv_UDBase", "2.5"}}), tabla({{"IdUnidad", "'TIR'"}, {"Equiv_UDBase", "3"}})},
       {"TABLA", ""},
       {"7=2", "14=10", "17=10", "15=20", "18=20", "23=2", "38=0", "40=0", "93=0", "8=2,75", "84=2,75", "62=0"}},
      // Quantities that cancel out have no average (a delivery note keeps
      // its returned goods negative).
      {"5 y -5", {tabla({{"Cantidad", "5"}}), tabla({{"Cantidad", "-5"}})}, {"TABLA", "TABLA", ""}, {}, "RM"},
      // Their lots would be lost: such lines stay apart, and the next
      // equal line without lots joins the first one that has none.
      {"con lotes",
       {tabla({{"Nro_Lote", "'|L1|'"}}), tabla(dos), tabla(tres)},
       {"TABLA", "TABLA", ""},
       {"7=1", "14=10", "17=10", "15=10", "18=10", "23=1", "38=0", "40=0", "93=0", "8=1", "84=", "62=1"}},
      {"con series", {tabla(), tabla({{"Nro_Serie", "'|S1|'"}})}, {"TABLA", "TABLA", ""}, {}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    carga(c.lineas, c.TC);
    EXPECT_EQ(codigos(g()), c.codigos);
    if (!c.fila1.isEmpty()) {
      EXPECT_EQ(celdas(g(), 1, columnas), c.fila1);
    }
  }
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(celdas(g(), 2, {a::Cantidad, a::NroSerie}), QStringList({"7=1", "22=|S1|"}));
}

TEST_F(Maderera, ALineMergesIntoARowOfAnEarlierLoad) {
  carga({tabla({{"Cantidad", "2"}})});
  cabecera("FC", "001000000008A");
  articulo("FC", "001000000008A", tabla({{"Cantidad", "3"}, {"Total", "30"}}));
  articulo("FC", "001000000008A", tabla({{"IdArticulo", "'CLAVO'"}}));
  cargaEncima("FC", "001000000008A");
  EXPECT_EQ(codigos(g()), QStringList({"TABLA", "CLAVO", ""}));
  EXPECT_EQ(celdas(g(), 1, {a::Cantidad, a::Total, a::CpteCargado}), QStringList({"7=5", "15=40", "69=" + kNumero}));
}

TEST_F(Maderera, NoMeasuresNorMergesOutsideTimberYardSales) {
  for (bool maderera : {false, true}) {
    SCOPED_TRACE(maderera);
    core::gCore().gMaderera = maderera;
    // With the yard on, a voucher type of the purchases family.
    carga({tabla(), tabla()}, maderera ? "FCC" : "FC");
    EXPECT_EQ(codigos(g()), QStringList({"TABLA", "TABLA", ""}));
    EXPECT_EQ(celdas(g(), 2, {a::PideMedidas, a::Espesor, a::Ancho, a::UdPrecio, a::ImporteUd, a::CantidadM3}),
              QStringList({"83=", "3=", "4=", "12=", "13=", "62=1"}));
    for (int columna : {a::Espesor, a::Ancho, a::Coeficiente}) EXPECT_FALSE(blanca(2, columna));
  }
}

}  // namespace
