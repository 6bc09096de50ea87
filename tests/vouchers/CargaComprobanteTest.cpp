// The voucher loader's frame: the table sets and their key, the task and
// other-concept rows, where a load puts its lines, the header handed back,
// the statements and the error trap.
#include <gtest/gtest.h>

#include <functional>

#include "CargaFixture.h"
#include "core/CoreState.h"
#include "platform/runtime/Error.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedHost.h"
#include "support/Printers.h"
#include "support/QueryPlan.h"
#include "vouchers/ColumnasGrillas.h"
#include "vouchers/SentenciasCarga.h"

namespace {

using namespace testing_support;
namespace t = vouchers::tareas;
namespace a = vouchers::articulos;

const QString kFC = "001000000001A";

class Carga : public CargaDatabase {};

TEST_F(Carga, TasksInTheOrderOfTheirIdBelowTheTitles) {
  cabecera("FC", kFC);
  linea("V_", "MV_CPTETAREAS", "FC", kFC,
        {{"ID", "30"}, {"IdTarea", "'T3'"}, {"Horas", "90"}, {"Prioridad", "2"}, {"Usuario", "'Ana'"}});
  linea("V_", "MV_CPTETAREAS", "FC", kFC,
        {{"ID", "10"},
         {"IdTarea", "' T1 '"},
         {"Descripcion", "'Cambio de aceite'"},
         {"ValorHora", "12.5"},
         {"valorHora_S_Iva", "10.33"},
         {"Total", "25"},
         {"descripcionadicional", "' con filtro '"},
         {"FechaEstInicio", "'2024-03-01'"},
         {"FechaEstFin", "'2024-03-02'"},
         {"IdTecnico", "'   7'"},
         {"FechaREALInicio", "'2024-03-01 09:30:00'"},
         {"FechaREALFin", "NULL"},
         {"Usuario", "'12 Ana'"},
         {"FHPRESENTACION", "'2024-03-05'"},
         {"NROEXP", "' EX-1 '"}});
  linea("V_", "MV_CPTETAREAS", "FC", kFC, {{"ID", "20"}, {"IdTarea", "'T2'"}});
  linea("V_", "MV_CPTETAREAS", "FC", "001000000002A", {{"IdTarea", "'OTRO'"}});
  carga("FC", kFC);

  const ui::FlexGrid& g = ventana.MSFlexGrid1;
  EXPECT_EQ(codigos(g), QStringList({"T1", "T2", "T3", ""}));
  EXPECT_EQ(celdas(g, 1), QStringList({"0=T1", "1=Cambio de aceite", "2=01:00", "3=12,50", "4=25,00", "6=10,33",
                                       "7=con filtro", "8=01/03/2024", "9=02/03/2024", "10=7", "11=T1",
                                       "12=01/03/2024 09:30:00", "15=0", "16=12", "17=05/03/2024", "19= EX-1 "}));
  EXPECT_EQ(celdas(g, 3, {t::Cantidad, t::Prioridad, t::Usuario}), QStringList({"2=01:30", "15=2", "16=0"}));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Carga, OtherConceptsAreTheObservationsMarkedOC) {
  cabecera("FC", kFC);
  linea("V_", "MV_CPTE_Observ", "FC", kFC, {{"ID", "5"}, {"Observacion", "'Seguro'"}, {"Importe", "12.345"}});
  linea("V_", "MV_CPTE_Observ", "FC", kFC, {{"ID", "6"}, {"TIPO_OBS", "'OB'"}, {"Observacion", "'Entregar tarde'"}});
  linea("V_", "MV_CPTE_Observ", "FC", kFC, {{"ID", "2"}, {"TIPO_OBS", "'oc'"}, {"Importe_S_IVA", "NULL"}});
  carga("FC", kFC);
  const ui::FlexGrid& g = ventana.MSFlexGrid3;
  ASSERT_EQ(g.Rows(), 4);
  EXPECT_EQ(celdas(g, 1), QStringList({"0=Flete", "1=0,00", "2=100,00"}));
  EXPECT_EQ(celdas(g, 2), QStringList({"0=Seguro", "1=80,00", "2=12,34"}));
  EXPECT_TRUE(celdas(g, 3).isEmpty());
}

TEST_F(Carga, AVoucherWithoutLinesOfAKindLeavesThatGridAsItWas) {
  cabecera("FC", kFC);
  articulo("FC", kFC);
  carga("FC", kFC);
  EXPECT_EQ(ventana.MSFlexGrid1.Rows(), 2);
  EXPECT_EQ(ventana.MSFlexGrid3.Rows(), 2);
  EXPECT_EQ(codigos(ventana.MSFlexGrid2), QStringList({"CLAVO", ""}));
}

TEST_F(Carga, PurchasesComeFromTheirOwnTablesByTheSupplierAccount) {
  const QString numero = "000300000123A";
  cabeceraCompra("FCC", numero);
  cabeceraCompra("FCC", numero, {{"CUENTA", "'PROV2'"}});
  linea("C_", "MV_CPTETAREAS", "FCC", numero, {{"IdTarea", "'C1'"}, {"descripcionadicional", "'no va'"}, {"Prioridad", "3"}});
  linea("C_", "MV_CPTETAREAS", "FCC", numero, {{"IdTarea", "'C2'"}, {"CUENTA", "'PROV2'"}});
  linea("C_", "MV_CPTE_Observ", "FCC", numero, {{"Observacion", "'Flete de compra'"}});
  // The sales set holds the same number: it is not read.
  cabecera("FCC", numero);
  linea("V_", "MV_CPTETAREAS", "FCC", numero, {{"IdTarea", "'V1'"}});
  Opciones o;
  o.compras = true;
  o.proveedor = "PROV1";
  o.complemento = "no se usa";
  carga("FCC", numero, o);
  EXPECT_EQ(codigos(ventana.MSFlexGrid1), QStringList({"C1", ""}));
  EXPECT_EQ(celdas(ventana.MSFlexGrid1, 1), QStringList({"0=C1", "1=Tarea", "2=01:00", "3=10,00", "4=10,00", "6=8,00", "11=C1"}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({"Flete de compra", ""}));
}

TEST_F(Carga, ConvertedAmountsAreTheStoredOnesTimesTheRate) {
  cabecera("FC", kFC, {{"Cotizacion", "3"}});
  linea("V_", "MV_CPTETAREAS", "FC", kFC, {{"ValorHora", "10"}, {"valorHora_S_Iva", "8.2645"}, {"Total", "33.3333"}});
  linea("V_", "MV_CPTE_Observ", "FC", kFC, {{"Importe", "0.005"}, {"Importe_S_IVA", "1.5"}});
  for (bool convertir : {false, true}) {
    SCOPED_TRACE(convertir);
    Opciones o;
    o.convertir = convertir;
    carga("FC", kFC, o);
    EXPECT_EQ(celdas(ventana.MSFlexGrid1, 1, {t::Importe, t::ImporteSinIVA, t::Total}),
              convertir ? QStringList({"3=30,00", "6=24,79", "4=100,00"}) : QStringList({"3=10,00", "6=8,26", "4=33,33"}));
    EXPECT_EQ(celdas(ventana.MSFlexGrid3, 1, {1, 2}),
              convertir ? QStringList({"1=4,50", "2=0,02"}) : QStringList({"1=1,50", "2=0,00"}));
  }
}

TEST_F(Carga, ASecondLoadAppendsAndNoLineIsWrittenOver) {
  cabecera("FC", kFC);
  cabecera("FC", "001000000002A");
  linea("V_", "MV_CPTETAREAS", "FC", kFC, {{"IdTarea", "'A1'"}});
  linea("V_", "MV_CPTETAREAS", "FC", kFC, {{"IdTarea", "'A2'"}});
  linea("V_", "MV_CPTETAREAS", "FC", "001000000002A", {{"IdTarea", "'B1'"}});
  linea("V_", "MV_CPTE_Observ", "FC", kFC, {{"Observacion", "'A'"}});
  linea("V_", "MV_CPTE_Observ", "FC", "001000000002A", {{"Observacion", "'B'"}});
  articulo("FC", kFC, {{"IdArticulo", "'TORNILLO'"}});
  articulo("FC", "001000000002A", {{"IdArticulo", "'CELULAR'"}});
  carga("FC", kFC);
  cargaEncima("FC", "001000000002A");
  EXPECT_EQ(codigos(ventana.MSFlexGrid1), QStringList({"A1", "A2", "B1", ""}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid2), QStringList({"TORNILLO", "CELULAR", ""}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({"A", "B", ""}));

  // A last row that holds a line (the entry row taken by the operator) is
  // kept: the load starts below it.
  for (ui::FlexGrid* g : {&ventana.MSFlexGrid1, &ventana.MSFlexGrid2, &ventana.MSFlexGrid3}) {
    g->setRows(g->Rows() - 1);
    g->setTextMatrix(g->Rows() - 1, 1, "escrita");
  }
  cargaEncima("FC", "001000000002A");
  EXPECT_EQ(codigos(ventana.MSFlexGrid1), QStringList({"A1", "A2", "B1", "B1", ""}));
  EXPECT_EQ(ventana.MSFlexGrid1.TextMatrix(3, t::Descripcion), "escrita");
  EXPECT_EQ(codigos(ventana.MSFlexGrid2), QStringList({"TORNILLO", "CELULAR", "CELULAR", ""}));
  EXPECT_EQ(ventana.MSFlexGrid2.TextMatrix(2, a::Descripcion), "escrita");
  EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({"A", "B", "B", ""}));
}

TEST_F(Carga, AVoucherNotStoredLeavesTheGridsUntouched) {
  cabecera("FC", kFC);
  articulo("FC", kFC);
  carga("FC", kFC);
  // Lines without their header are no stored voucher either.
  articulo("FC", "001000000009A");
  linea("V_", "MV_CPTETAREAS", "FC", "001000000009A");
  ado::Recordset cabeceraDevuelta;
  Opciones o;
  o.reparto = -98;
  o.cabecera = &cabeceraDevuelta;
  for (const char* numero : {"001000000009A", "001000000404A"}) {
    SCOPED_TRACE(numero);
    EXPECT_EQ(cargaEncima("FC", numero, o), 0);
    EXPECT_EQ(codigos(ventana.MSFlexGrid1), QStringList({""}));
    EXPECT_EQ(codigos(ventana.MSFlexGrid2), QStringList({"CLAVO", ""}));
    EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({""}));
    EXPECT_TRUE(cabeceraDevuelta.BOF());
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Carga, TheComplementIsComparedBareOnlyWhenItIsAWholeNumber) {
  cabecera("RM", kFC);
  cabecera("RM", kFC, {{"IdComplemento", "'A''1'"}, {"Nombre", "'con texto'"}});
  articulo("RM", kFC, {{"IdArticulo", "'TORNILLO'"}});
  articulo("RM", kFC, {{"IdArticulo", "'CELULAR'"}, {"IdComplemento", "'A''1'"}});
  const struct {
    const char* complemento;
    QStringList articulos;
  } casos[] = {
      {"0", {"TORNILLO", ""}},
      {" 0 ", {"TORNILLO", ""}},
      {"A'1", {"CELULAR", ""}},
      // What the voucher search hands back for a delivery note: nothing is
      // found, and nothing is said.
      {"", {""}},
      {"0 OR 1=1", {""}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.complemento);
    Opciones o;
    o.complemento = c.complemento;
    carga("RM", kFC, o);
    EXPECT_EQ(codigos(ventana.MSFlexGrid2), c.articulos);
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Carga, TheDistributionOfTheHeaderComesBack) {
  cabecera("FC", kFC, {{"IdReparto", "5"}});
  cabecera("FC", "001000000002A", {{"IdReparto", "NULL"}});
  cabecera("FCC", kFC, {{"IdReparto", "7"}});
  const struct {
    const char* TC;
    QString numero;
    int16_t entra, sale;
  } casos[] = {
      {"FC", kFC, 0, 5}, {"FC", kFC, -98, 5}, {"FC", "001000000002A", 3, 0},
      // A purchases type keeps what it was given.
      {"FCC", kFC, 3, 3}, {"FCC", kFC, -98, -98},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.TC) + " " + std::to_string(c.entra));
    Opciones o;
    o.reparto = c.entra;
    EXPECT_EQ(carga(c.TC, c.numero, o), c.sale);
  }
}

TEST_F(Carga, TheOpenHeaderIsHandedBackWhenAsked) {
  cabecera("FC", kFC, {{"Cotizacion", "2.5"}, {"Nombre", "'Almacén Don Juan'"}});
  articulo("FC", kFC);
  ado::Recordset rs;
  Opciones o;
  o.cabecera = &rs;
  carga("FC", kFC, o);
  ASSERT_FALSE(rs.BOF());
  EXPECT_EQ(rs["Nombre"].Value(), rt::Variant("Almacén Don Juan"));
  EXPECT_EQ(rs["IdComprobante"].Value(), rt::Variant(kFC));
}

TEST_F(Carga, TheExtraTaskConditionNarrowsTheTasksOnly) {
  cabecera("FC", kFC);
  linea("V_", "MV_CPTETAREAS", "FC", kFC, {{"IdTarea", "'T1'"}});
  linea("V_", "MV_CPTETAREAS", "FC", kFC, {{"IdTarea", "'T2'"}});
  articulo("FC", kFC);
  linea("V_", "MV_CPTE_Observ", "FC", kFC);
  Opciones o;
  o.whrTareas = " AND IdTarea = 'T2'";
  carga("FC", kFC, o);
  EXPECT_EQ(codigos(ventana.MSFlexGrid1), QStringList({"T2", ""}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid2), QStringList({"CLAVO", ""}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({"Flete", ""}));
}

TEST(SentenciasCarga, KeyConditionAndStatements) {
  namespace sql = vouchers::sentencia;
  const QString venta = sql::CondicionComprobante("FC", "0001000'0001A", "0", false, "X");
  EXPECT_EQ(venta, " WHERE TC = 'FC' AND IDCOMPROBANTE = '0001000''0001A' AND IdComplemento = 0");
  EXPECT_EQ(sql::CondicionComprobante("FC", "N", "1 OR 1=1", false, ""),
            " WHERE TC = 'FC' AND IDCOMPROBANTE = 'N' AND IdComplemento = '1 OR 1=1'");
  EXPECT_EQ(sql::CondicionComprobante("F'C", "N", "0", true, "O'Neil"),
            " WHERE TC = 'F''C' AND IDCOMPROBANTE = 'N' AND CUENTA = 'O''Neil'");
  EXPECT_EQ(sql::CabeceraComprobante("V_", venta), "SELECT * FROM V_MV_CPTE  with(nolock)  " + venta + " ORDER BY ID ");
  EXPECT_EQ(sql::TareasComprobante("C_", " W", " AND X = 1"),
            "SELECT * FROM C_MV_CPTETAREAS  with(nolock)   W AND X = 1 ORDER BY ID ");
  EXPECT_EQ(sql::ArticulosComprobante("V_", " W", true), "SELECT * FROM V_MV_CPTEINSUMOS  with(nolock)   W ORDER BY PALLETS ");
  EXPECT_EQ(sql::ArticulosComprobante("V_", " W", false), "SELECT * FROM V_MV_CPTEINSUMOS  with(nolock)   W ORDER BY ID ");
  EXPECT_EQ(sql::OtrosConceptosComprobante("V_", " W"),
            "SELECT * FROM V_MV_CPTE_Observ  with(nolock)   W AND TIPO_OBS ='OC'  ORDER BY ID ");
  EXPECT_EQ(sql::CantidadAplicada("RM", "N'1", "A'B"),
            "SELECT CantidadAplicada FROM VT_V_MV_INSUMOS_APLICACION WHERE TCO_ORIGEN = 'RM' AND "
            "IDCOMPROBANTEORIGEN = 'N''1' AND IDARTICULO = 'A''B'");
  EXPECT_EQ(sql::CantidadPedida("RM", "N", "A"),
            "SELECT * FROM VT_V_MV_CPTEINSUMOS_CONS2  with(nolock)  WHERE (TC = 'RM') AND IDCOMPROBANTE = 'N' AND "
            "IDARTICULO = 'A'");
  EXPECT_EQ(sql::CantidadEntregada("RM", "N", "A"),
            "SELECT SUM(CANTIDAD) AS CANTIDAD FROM VT_V_MV_Stock_Cons WHERE (TC = 'RM') AND IDCOMPROBANTE = 'N' AND "
            "IDARTICULO = 'A'");
  EXPECT_EQ(sql::ListaConIva("O'K", "   1"),
            "SELECT CONIVA FROM  VT_MA_PRECIOS_ARTICULOS WHERE IDARTICULO = 'O''K' AND IDLISTA = '   1' AND "
            "TIPOLISTA = 'V'");
}

class PlanesCarga : public QueryPlanTest {};

TEST_F(PlanesCarga, EveryLookupOfTheLoaderUsesAnIndex) {
  namespace sql = vouchers::sentencia;
  const QString venta = sql::CondicionComprobante("FC", "000100000001A", "0", false, "");
  const QString compra = sql::CondicionComprobante("FCC", "000100000001A", "", true, "PROV1");
  const QString statements[] = {
      sql::CabeceraComprobante("V_", venta),
      sql::TareasComprobante("V_", venta, ""),
      sql::ArticulosComprobante("V_", venta, false),
      sql::ArticulosComprobante("V_", venta, true),
      sql::OtrosConceptosComprobante("V_", venta),
      sql::CabeceraComprobante("C_", compra),
      sql::TareasComprobante("C_", compra, ""),
      sql::ArticulosComprobante("C_", compra, false),
      sql::ArticulosComprobante("C_", compra, true),
      sql::OtrosConceptosComprobante("C_", compra),
      sql::CantidadAplicada("RM", "000100000001R", "TORNILLO"),
      sql::CantidadPedida("RM", "000100000001R", "TORNILLO"),
      sql::CantidadEntregada("RM", "000100000001R", "TORNILLO"),
      sql::ListaConIva("TORNILLO", "   1"),
  };
  for (const QString& s : statements) {
    SCOPED_TRACE(s.toStdString());
    expectIndexed(s);
  }
}

// ---- The error trap.

// A host that runs a script's repair at each box before answering it.
class HostQueRepara : public ui::ScriptedHost {
 public:
  std::function<void()> repara;
  int MsgBox(const QString& prompt, int buttons, const QString& title) override {
    if (repara) repara();
    return ScriptedHost::MsgBox(prompt, buttons, title);
  }
};

class ErroresCarga : public CargaDatabase {
 protected:
  void SetUp() override {
    CargaDatabase::SetUp();
    cabecera("FC", kFC);
    linea("V_", "MV_CPTETAREAS", "FC", kFC);
    // Taxes that are no number: the total with taxes cannot be worked out.
    articulo("FC", kFC, {{"ID", "1"}, {"Impuestos", "'n/d'"}, {"Cantidad", "2"}, {"Total", "100"}});
    articulo("FC", kFC, {{"ID", "2"}, {"IdArticulo", "'TORNILLO'"}});
    linea("V_", "MV_CPTE_Observ", "FC", kFC);
  }
  const ui::FlexGrid& articulos() const { return ventana.MSFlexGrid2; }
};

TEST_F(ErroresCarga, AbortLeavesTheLoadWithWhatItLoaded) {
  host.answer(ui::mb::Abort, "No coinciden los tipos");
  ado::Recordset rs;
  Opciones o;
  o.cabecera = &rs;
  carga("FC", kFC, o);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].prompt.contains("AsignarDatosComprobante"));
  EXPECT_EQ(codigos(ventana.MSFlexGrid1), QStringList({"T1", ""}));
  EXPECT_EQ(codigos(articulos()), QStringList({"CLAVO"}));
  EXPECT_EQ(celdas(articulos(), 1, {a::Impuestos, a::TotalConImpuestos, a::RestoPorAplicar}),
            QStringList({"40=n/d", "18=", "23="}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({""}));
  EXPECT_EQ(rs.State(), ado::adStateClosed);
}

TEST_F(ErroresCarga, IgnoreGoesOnWithTheNextStep) {
  host.answer(ui::mb::Ignore, "No coinciden los tipos");
  carga("FC", kFC);
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(celdas(articulos(), 1, {a::TotalConImpuestos, a::RestoPorAplicar, a::CpteCargado}),
            QStringList({"18=", "23=2", "69=" + kFC}));
  EXPECT_EQ(codigos(articulos()), QStringList({"CLAVO", "TORNILLO", ""}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({"Flete", ""}));
}

TEST_F(ErroresCarga, RetryRunsTheStepAgainOnceItsCauseIsGone) {
  HostQueRepara reparador;
  reparador.answer(ui::mb::Retry, "No coinciden los tipos");
  reparador.repara = [&] { ventana.MSFlexGrid2.setTextMatrix(1, a::Impuestos, "1,5"); };
  ui::setHost(&reparador);
  carga("FC", kFC);
  ui::setHost(&host);
  EXPECT_EQ(reparador.boxes().size(), 1u);
  EXPECT_TRUE(reparador.failures().empty());
  EXPECT_EQ(celdas(articulos(), 1, {a::TotalConImpuestos}), QStringList({"18=103"}));
  EXPECT_EQ(codigos(articulos()), QStringList({"CLAVO", "TORNILLO", ""}));
}

TEST_F(ErroresCarga, ASetThatCannotBeReadEndsItsSection) {
  // A task condition the database refuses: the service reports it, the
  // loader then cannot test the set, and its answer "go on" ends the tasks.
  host.answer(ui::mb::Ignore, "AbrirRecordset").answer(ui::mb::Ignore, "AsignarDatosComprobante");
  host.answer(ui::mb::Ignore, "No coinciden los tipos");
  Opciones o;
  o.whrTareas = " AND NOEXISTE = 1";
  carga("FC", kFC, o);
  EXPECT_EQ(host.boxes().size(), 3u);
  EXPECT_TRUE(host.scriptExhausted());
  EXPECT_EQ(codigos(ventana.MSFlexGrid1), QStringList({""}));
  EXPECT_EQ(codigos(articulos()), QStringList({"CLAVO", "TORNILLO", ""}));
  EXPECT_EQ(codigos(ventana.MSFlexGrid3), QStringList({"Flete", ""}));
}

}  // namespace
