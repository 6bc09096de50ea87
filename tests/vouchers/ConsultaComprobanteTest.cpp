// The voucher class's search: the voucher search window shown for it and
// what the operator's choice hands back (number, complement, supplier).
#include <gtest/gtest.h>

#include <functional>

#include "lookup/BusquedaFixture.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using lookup::FrmConsComprobantes;
using namespace testing_support;

class ConsultaComprobante : public BusquedaDatabase {
 protected:
  // The next search: the operator picks the second row and accepts; the
  // rows the window showed come back in `vistas`.
  void eligeLaSegunda(QStringList& vistas) {
    host.onModal<FrmConsComprobantes>("FrmConsComprobantes", [&vistas](FrmConsComprobantes& v) {
      vistas = filas(v);
      ui::op::clickItem(v.ListView1, v.ListView1.ListItems(2));
      ui::op::click(v.CmdAceptar);
    });
  }
};

class ConsultaOrdenesCompra : public BusquedaDatabase {
 protected:
  void SetUp() override {
    BusquedaDatabase::SetUp();
    ordenesDeCompra();
  }
};

TEST_F(ConsultaComprobante, TheChosenInvoiceComesBackByButtonEnterOrDoubleClick) {
  facturas();
  const std::function<void(FrmConsComprobantes&, ui::ListItem&)> formas[] = {
      [](FrmConsComprobantes& v, ui::ListItem& fila) {
        ui::op::clickItem(v.ListView1, fila);
        ui::op::click(v.CmdAceptar);
      },
      [](FrmConsComprobantes& v, ui::ListItem& fila) {
        ui::op::clickItem(v.ListView1, fila);
        ui::op::key(v.ListView1, ui::key::Return, 0, 13);
      },
      [](FrmConsComprobantes& v, ui::ListItem& fila) { ui::op::doubleClickItem(v.ListView1, fila); },
  };
  for (const auto& forma : formas) {
    vouchers::ClsCmnCptes cpte;
    QString respuesta = "antes", complemento = "antes", proveedor = "antes";
    host.onModal<FrmConsComprobantes>("FrmConsComprobantes",
                                      [&](FrmConsComprobantes& v) { forma(v, v.ListView1.ListItems(2)); });
    cpte.ConsultaComprobante("FC", respuesta, rt::Variant(), &complemento, &proveedor);
    EXPECT_EQ(respuesta, "000100000012B");
    EXPECT_EQ(complemento, "5");
    EXPECT_EQ(proveedor, "");
  }
  EXPECT_TRUE(host.scriptExhausted());
}

TEST_F(ConsultaComprobante, CancelledNothingComesBack) {
  facturas();
  const std::function<void(FrmConsComprobantes&)> cierres[] = {
      [](FrmConsComprobantes& v) { ui::op::click(v.CmdCancelar); },
      [](FrmConsComprobantes& v) { ui::op::close(v); },
  };
  for (const auto& cierre : cierres) {
    vouchers::ClsCmnCptes cpte;
    QString respuesta = "antes", complemento = "antes";
    host.onModal<FrmConsComprobantes>("FrmConsComprobantes", [&](FrmConsComprobantes& v) {
      ui::op::clickItem(v.ListView1, v.ListView1.ListItems(2));
      cierre(v);
    });
    cpte.ConsultaComprobante("FC", respuesta, QString("CUENTA <> ''"), &complemento);
    EXPECT_EQ(respuesta, "");
    EXPECT_EQ(complemento, "");
  }
}

TEST_F(ConsultaComprobante, APurchaseInvoiceBringsItsSupplier) {
  exec("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, NOMBRE, FECHA, Importe, ANULADA) VALUES "
       "('FCC', '000200000101A', '211010001', 'Distribuidora Sur', '2024-02-10', 15000, 0), "
       "('FCC', '000200000102A', '211010002', 'Frigorífico Norte', '2024-02-11', 4200.1, 1), "
       "('NCC', '000200000103A', '211010001', 'Distribuidora Sur', '2024-02-12', 10, 0)");
  vouchers::ClsCmnCptes cpte;
  QString respuesta, proveedor;
  QStringList vistas;
  eligeLaSegunda(vistas);
  cpte.ConsultaComprobante("FCC", respuesta, rt::Variant(), nullptr, &proveedor);
  EXPECT_EQ(vistas, QStringList({"2|11/02/2024|000200000102A|211010002|Frigorífico Norte||4200,1",
                                 "8|10/02/2024|000200000101A|211010001|Distribuidora Sur||15000"}));
  EXPECT_EQ(respuesta, "000200000101A");
  EXPECT_EQ(proveedor, "211010001");
}

TEST_F(ConsultaOrdenesCompra, TheTickedRowsInListOrder) {
  vouchers::ClsCmnCptes cpte;
  QString respuesta, complemento = "antes";
  host.onModal<FrmConsComprobantes>("FrmConsComprobantes", [](FrmConsComprobantes& v) {
    ui::op::checkItem(v.ListView1, v.ListView1.ListItems(3), true);
    ui::op::checkItem(v.ListView1, v.ListView1.ListItems(1), true);
    ui::op::clickItem(v.ListView1, v.ListView1.ListItems(2));
    ui::op::click(v.CmdAceptar);
  });
  cpte.ConsultaComprobante("OC", respuesta, QString("CUENTA <> ''"), &complemento);
  EXPECT_EQ(respuesta, "000100000004X,000100000002X");
  EXPECT_EQ(complemento, "0");

  host.onModal<FrmConsComprobantes>("FrmConsComprobantes", [](FrmConsComprobantes& v) {
    ui::op::clickItem(v.ListView1, v.ListView1.ListItems(2));
    ui::op::click(v.CmdAceptar);
  });
  cpte.ConsultaComprobante("OC", respuesta);
  EXPECT_EQ(respuesta, "000100000003X");
}

TEST_F(ConsultaComprobante, ThirdPartiesByInternalNumber) {
  exec("INSERT INTO V_MV_CPTETERCEROS (ID, TC, Fecha, IdComprobante, IdComplemento, FECHAENVIADO, FECHARECIBIDO) "
       "VALUES (7, 'FC', '2024-03-01', '000100000010A', '0', '2024-03-02', NULL), "
       "(3, 'FC', '2024-02-01', '000100000009A', '0', '2024-02-02', '2024-02-20')");
  QString respuesta, complemento;
  QStringList vistas;
  eligeLaSegunda(vistas);
  vouchers::ClsCmnCptes().ConsultaComprobante("T3", respuesta, rt::Variant(), &complemento);
  EXPECT_EQ(vistas, QStringList({"0|3|01/02/2024|000100000009A|0|02/02/2024|20/02/2024",
                                 "0|7|01/03/2024|000100000010A|0|02/03/2024|"}));
  EXPECT_EQ(respuesta, "7");
  EXPECT_EQ(complemento, "0");
}

TEST_F(ConsultaComprobante, SupplierEntriesWithTheSuppliersName) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, TipoVista) VALUES ('211010001', 'Distribuidora Sur S.A.', 'PR')");
  exec("INSERT INTO MV_ASIENTOS (TC, Sucursal, Numero, Letra, Cuenta, Fecha, Detalle, Importe, MES_OPERATIVO, "
       "Periodo, Secuencia, [NUMERO ASIENTO]) VALUES "
       "('NCPE', '0003', '00000045', 'A', '211010001', '2024-03-07', 'Devolución de mercadería', 640, 3, 1, 1, 12), "
       "('NCPE', '0003', '00000045', 'A', '511', '2024-03-07', 'Ajuste', 640, 3, 1, 2, 12), "
       "('NCPE', '0003', '00000046', 'A', '211010009', '2024-03-08', 'Bonificación', 80, 3, 1, 1, 13)");
  QString respuesta, proveedor;
  QStringList vistas;
  host.onModal<FrmConsComprobantes>("FrmConsComprobantes", [&](FrmConsComprobantes& v) {
    vistas = filas(v);
    ui::op::click(v.CmdAceptar);
  });
  vouchers::ClsCmnCptes().ConsultaComprobante("NCPE", respuesta, rt::Variant(), nullptr, &proveedor);
  EXPECT_EQ(vistas, QStringList({"8|07/03/2024|000300000045A|211010001|Distribuidora Sur S.A.|Devolución de "
                                 "mercadería|640",
                                 "8|08/03/2024|000300000046A|211010009||Bonificación|80"}));
  EXPECT_EQ(respuesta, "000300000045A");
  EXPECT_EQ(proveedor, "211010001");
}

}  // namespace
