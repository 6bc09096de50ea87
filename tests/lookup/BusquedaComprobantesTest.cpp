// The voucher search window on a real database: the rows and pictures of
// each kind of voucher, the choice it keeps, cancelling, the pending
// searches, sorting, the keys, and the operator acting while the list fills.
// What it hands the voucher class is tested with the class (tests/vouchers).
#include <gtest/gtest.h>

#include "BusquedaFixture.h"
#include "platform/runtime/StepRunner.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using lookup::FrmConsComprobantes;
using namespace testing_support;

class Busqueda : public BusquedaDatabase {};

TEST_F(Busqueda, InvoicesWithThePictureOfTheirState) {
  facturas();
  const QStringList vistas = listado("FC");
  EXPECT_EQ(vistas, QStringList({"2|05/03/2024|000100000013A|0|Pizzería Roma|90",
                                 "3|04/03/2024|000100000012B|5|Parrilla Don Juan|8340,75",
                                 "2|02/03/2024|000100000011A|0|La Esquina|300",
                                 "4|01/03/2024|000100000010A|0|Bar El Sol|1250,5"}));
  EXPECT_FALSE(ventana.ListView1.Checkboxes());
  EXPECT_EQ(ventana.Caption(), "Consulta de Comprobantes");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Busqueda, EnterOnAFreshListTakesItsFirstRow) {
  facturas();
  muestra("FC", "", [](FrmConsComprobantes& v) { ui::op::key(v.ListView1, ui::key::Return, 0, 13); });
  EXPECT_EQ(ventana.NroComprobante, "000100000013A");
  EXPECT_FALSE(ventana.Loaded());
  EXPECT_EQ(ventana.ListView1.ListItems.Count(), 0);
}

TEST_F(Busqueda, NoRowsNothingToChoose) {
  muestra("FC", "", [](FrmConsComprobantes& v) {
    EXPECT_EQ(v.ListView1.ListItems.Count(), 0);
    ui::op::click(v.CmdAceptar);
  });
  EXPECT_EQ(ventana.NroComprobante, "");
  EXPECT_FALSE(ventana.Loaded());
}

class OrdenesCompra : public BusquedaDatabase {
 protected:
  void SetUp() override {
    BusquedaDatabase::SetUp();
    ordenesDeCompra();
  }
};

TEST_F(OrdenesCompra, PendingApprovedOrdersWithGuaranteeAndReceipt) {
  QStringList vistas;
  muestra("OC", "", [&](FrmConsComprobantes& v) {
    vistas = filas(v);
    EXPECT_TRUE(v.ListView1.Checkboxes());
    ui::op::click(v.CmdCancelar);
  });
  EXPECT_EQ(vistas, QStringList({"11|04/03/2024|211010001 Distribuidora Sur|000100000004X|900|Urgente|",
                                 "10|03/03/2024|211010002 Frigorífico Norte|000100000003X|450,5||",
                                 "11|02/03/2024|211010001 Distribuidora Sur|000100000002X|120|Con flete|"
                                 "000100000077R"}));
}

TEST_F(OrdenesCompra, ALeadingWhereOfTheConditionIsDropped) {
  EXPECT_EQ(listado("OC", "where CUENTA = '211010002'").size(), 1);
  EXPECT_EQ(ventana.Filtro, " CUENTA = '211010002'");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(OrdenesCompra, AnApostropheInTheOrderNumberFindsNoReceipt) {
  exec("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, NOMBRE, FECHA, APROBADO) VALUES "
       "('OC', '0009''0000001', '211010003', 'O''Higgins', '2024-03-09', 1)");
  const QStringList vistas = listado("OC");
  ASSERT_EQ(vistas.size(), 4);
  EXPECT_EQ(vistas.first(), "10|09/03/2024|211010003 O'Higgins|0009'0000001|0||");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Busqueda, PendingOrdersOnlyOncePrepared) {
  exec("INSERT INTO V_MV_CPTE (TC, IdComprobante, Nombre, Fecha, Importe, ANULADA, APROBADO, FINALIZADA, "
       "FechaPreparacion) VALUES "
       "('NP', '000100000021A', 'Bar El Sol', '2024-03-01', 10, 0, 0, 0, '2024-03-02'), "
       "('NP', '000100000022A', 'La Esquina', '2024-03-01', 20, 0, 0, 0, NULL), "
       "('NP', '000100000023A', 'Cafetería Central', '2024-03-01', 30, 0, 0, 1, '2024-03-02'), "
       "('NP', '000100000024A', 'Pizzería Roma', '2024-03-01', 40, 1, 0, 0, '2024-03-02')");
  QStringList pendientes;
  muestra("NP/PENDIENTES", "", [&](FrmConsComprobantes& v) {
    pendientes = filas(v);
    ui::op::click(v.CmdAceptar);
  });
  EXPECT_EQ(pendientes, QStringList({"3|01/03/2024|000100000021A||Bar El Sol|10"}));
  EXPECT_EQ(ventana.NroComprobante, "000100000021A");
  EXPECT_EQ(ventana.IdComplemento, "");
  EXPECT_EQ(ventana.TC, "NP");

  const QStringList todos = listado("NP");
  EXPECT_EQ(todos, QStringList({"2|01/03/2024|000100000024A||Pizzería Roma|40",
                                "8|01/03/2024|000100000023A||Cafetería Central|30",
                                "8|01/03/2024|000100000022A||La Esquina|20",
                                "8|01/03/2024|000100000021A||Bar El Sol|10"}));
}

class Remitos : public BusquedaDatabase {
 protected:
  void SetUp() override {
    BusquedaDatabase::SetUp();
    exec("INSERT INTO V_MV_CPTE (TC, IdComprobante, Cuenta, Nombre, Fecha, Importe, FINALIZADA) VALUES "
         "('RM', '000100000031R', '112010001', 'Bar El Sol', '2024-03-01', 0, 0), "
         "('RM', '000100000032R', '112010002', 'Pérez e Hijos', '2024-03-02', 0, 0), "
         "('RM', '000100000033R', '112010001', 'Bar El Sol', '2024-03-03', 0, 1)");
  }
};

TEST_F(Remitos, BuscarAfterAPendingKeyStillSearchesThePendingOnes) {
  QStringList primera, segunda, porNombre;
  muestra("rm/pendientes", "", [&](FrmConsComprobantes& v) {
    primera = filas(v);
    EXPECT_EQ(v.TC, "RM");
    ui::op::click(v.CmdBuscar);
    segunda = filas(v);
    ui::op::type(v.TxtNombre, "pérez");
    ui::op::click(v.CmdBuscar);
    porNombre = filas(v);
    ui::op::click(v.CmdAceptar);
  });
  const QStringList pendientes{"8|02/03/2024|000100000032R||Pérez e Hijos|0",
                               "8|01/03/2024|000100000031R||Bar El Sol|0"};
  EXPECT_EQ(primera, pendientes);
  EXPECT_EQ(segunda, pendientes);
  EXPECT_EQ(porNombre, QStringList({"8|02/03/2024|000100000032R||Pérez e Hijos|0"}));
  EXPECT_EQ(ventana.TC, "RM");
  EXPECT_EQ(ventana.NroComprobante, "000100000032R");
  EXPECT_EQ(ventana.IdComplemento, "");
}

TEST_F(Remitos, EachShowingStartsFromTheCallersType) {
  EXPECT_EQ(listado("RM/PENDIENTES").size(), 2);
  EXPECT_EQ(listado("RM").size(), 3);
  EXPECT_EQ(listado("RM/PENDIENTES").size(), 2);
}

TEST_F(Remitos, WithCashDeliveryNotesFromTheirView) {
  config("UsaRemitoContado", "si");
  exec("UPDATE V_MV_CPTE SET ANULADA = 1 WHERE IdComprobante = '000100000031R'");
  const QStringList vistas = listado("RM/PENDIENTES");
  EXPECT_EQ(vistas, QStringList({"8|02/03/2024|000100000032R||Pérez e Hijos|0"}));
}

TEST_F(Busqueda, PendingWorkOrdersWithoutACondition) {
  exec("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Nombre, Fecha, Importe, APROBADO, FINALIZADA) VALUES "
       "('OT', '000100000041A', '3', 'Taller Ruta 40', '2024-03-01', 500, 1, 0), "
       "('OT', '000100000042A', '0', 'Taller Ruta 40', '2024-03-02', 700, 0, 1)");
  const QStringList vistas = listado("OT/PENDIENTES", QString(), &FrmConsComprobantes::CmdAceptar);
  EXPECT_EQ(vistas, QStringList({"3|01/03/2024|000100000041A|3|Taller Ruta 40|500"}));
  EXPECT_EQ(ventana.IdComplemento, "3");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Busqueda, BudgetsWithTheirReference) {
  config("UsaReferenciaPresupuestos", "SI");
  exec("INSERT INTO V_MV_CPTE (TC, IdComprobante, Nombre, Fecha, Importe, APROBADO, ANULADA, comentarios) VALUES "
       "('PR', '000100000051A', 'Bar El Sol', '2024-03-01', 100, 1, 0, 'Obra Godoy Cruz'), "
       "('PR', '000100000052A', 'La Esquina', '2024-03-02', 200, 0, 1, NULL)");
  const QStringList vistas = listado("PR", QString(), &FrmConsComprobantes::CmdAceptar);
  EXPECT_EQ(vistas, QStringList({"2|02/03/2024|000100000052A|La Esquina|||200",
                                 "1|01/03/2024|000100000051A|Bar El Sol||Obra Godoy Cruz|100"}));
  EXPECT_EQ(ventana.NroComprobante, "000100000052A");
  EXPECT_EQ(ventana.IdComplemento, "0");
}

TEST_F(Busqueda, SortedByTheClickedColumnEachClickTheOtherWay) {
  facturas();
  QStringList primera, segunda;
  muestra("FC", "", [&](FrmConsComprobantes& v) {
    ui::op::clickColumn(v.ListView1, v.ListView1.ColumnHeaders(4));
    EXPECT_EQ(v.ListView1.SortKey(), 3);
    primera = filas(v);
    ui::op::clickColumn(v.ListView1, v.ListView1.ColumnHeaders(4));
    segunda = filas(v);
    // A later search keeps the order.
    ui::op::click(v.CmdBuscar);
    EXPECT_EQ(filas(v), segunda);
    ui::op::click(v.CmdCancelar);
  });
  auto nombres = [](const QStringList& filas) {
    QStringList out;
    for (const QString& f : filas) out << f.section(u'|', 4, 4);
    return out;
  };
  EXPECT_EQ(nombres(primera), QStringList({"Pizzería Roma", "Parrilla Don Juan", "La Esquina", "Bar El Sol"}));
  EXPECT_EQ(nombres(segunda), QStringList({"Bar El Sol", "La Esquina", "Parrilla Don Juan", "Pizzería Roma"}));
}

TEST_F(Busqueda, TheBoxesAndTheList) {
  facturas();
  muestra("FC", "", [](FrmConsComprobantes& v) {
    EXPECT_EQ(v.ActiveControl(), nullptr);
    EXPECT_EQ(v.nextInTabOrder(nullptr), &v.ListView1);
    EXPECT_FALSE(ui::op::beginLabelEdit(v.ListView1, v.ListView1.ListItems(1)));
    EXPECT_FALSE(ui::op::endLabelEdit(v.ListView1, v.ListView1.ListItems(1), "otro"));
    EXPECT_EQ(v.ListView1.ListItems(1).Text(), "05/03/2024");

    ui::op::focus(v.TxtNombre);
    EXPECT_EQ(v.TxtNombre.SelText(), "Buscar por nombre...");
    ui::op::key(v.TxtNombre, ui::key::Return, 0, 13);
    EXPECT_EQ(v.ActiveControl(), &v.TxtNumero);
    EXPECT_EQ(v.TxtNumero.SelText(), "Buscar por Numero...");
    ui::op::type(v.TxtNumero, "12");
    ui::op::key(v.TxtNumero, ui::key::Return, 0, 13);
    EXPECT_EQ(v.ActiveControl(), &v.CmdBuscar);
    EXPECT_EQ(filas(v).size(), 4);
    ui::op::click(v.CmdBuscar);
    EXPECT_EQ(filas(v), QStringList({"3|04/03/2024|000100000012B|5|Parrilla Don Juan|8340,75"}));
    ui::op::click(v.CmdCancelar);
  });
}

// The operator acts at the yield after the second row of a search started
// with "&Buscar": a second "&Buscar" is not taken, and the other three end
// the fill after that row, then act.
TEST_F(Busqueda, ClicksWhileTheListFills) {
  facturas();
  const struct {
    const char* que;
    std::function<void(FrmConsComprobantes&)> accion;
    const char* numero;
  } casos[] = {
      {"aceptar", [](FrmConsComprobantes& v) { ui::op::click(v.CmdAceptar); }, "000100000013A"},
      {"cancelar", [](FrmConsComprobantes& v) { ui::op::click(v.CmdCancelar); }, ""},
      {"cuadro de cierre", [](FrmConsComprobantes& v) { ui::op::close(v); }, ""},
  };
  // The case being played and what the operator saw when acting.
  FrmConsComprobantes* ventanaActual = nullptr;
  const std::function<void(FrmConsComprobantes&)>* accion = nullptr;
  int filasAlActuar = 0, yieldsAlActuar = 0;
  host.atEveryYield([&] {
    FrmConsComprobantes* v = ventanaActual;
    if (!v || !v->Visible() || v->ListView1.ListItems.Count() != 2) return;
    ventanaActual = nullptr;
    ui::op::click(v->CmdBuscar);
    (*accion)(*v);
    EXPECT_TRUE(v->Loaded());
    filasAlActuar = v->ListView1.ListItems.Count();
    yieldsAlActuar = host.yields();
  });
  for (const auto& c : casos) {
    SCOPED_TRACE(c.que);
    FrmConsComprobantes v;
    filasAlActuar = yieldsAlActuar = 0;
    accion = &c.accion;
    host.onModal<FrmConsComprobantes>("FrmConsComprobantes", [&](FrmConsComprobantes& f) {
      ventanaActual = &f;
      ui::op::click(f.CmdBuscar);
    });
    v.TC = "FC";
    v.Show(ui::vbModal);
    EXPECT_EQ(ventanaActual, nullptr);
    ventanaActual = nullptr;
    EXPECT_EQ(filasAlActuar, 2);
    EXPECT_EQ(host.yields(), yieldsAlActuar);  // no row after that one
    EXPECT_FALSE(v.Loaded());
    EXPECT_EQ(v.NroComprobante, c.numero);
  }
}

TEST_F(Busqueda, AFailingStatementListsNothing) {
  facturas();
  // The service reports the statement; the search says nothing more.
  host.answer(rt::answer::Abort, "Rutina: AbrirRecordset");
  muestra("FC", "CUENTA =", [](FrmConsComprobantes& v) {
    EXPECT_EQ(v.ListView1.ListItems.Count(), 0);
    ui::op::click(v.CmdAceptar);
  });
  EXPECT_EQ(ventana.NroComprobante, "");
  EXPECT_TRUE(host.scriptExhausted());
}

}  // namespace
