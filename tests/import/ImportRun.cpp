#include "ImportRun.h"

#include "core/CoreState.h"
#include "platform/ui/Operator.h"

namespace testing_support {

void ImportRun::SetUp() {
  ImportDatabase::SetUp();
  core::gCore().gUNegocio = "   1";
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, TipoVista) VALUES ('511', 'Ajuste de clientes', 'AJ')");
}

void ImportRun::writeTxfac(const std::vector<TxfacRecord>& records) {
  writeTxfacTable(origen.file("TXFAC.DBF"), records);
}

void ImportRun::writeTxcli(const std::vector<TxcliRecord>& records) {
  writeTxcliTable(origen.file("TXCLI.DBF"), records);
}

void ImportRun::importa(Tabla tabla) {
  ui::op::type(ventana.TxtPathDatos, origen.path());
  if (ventana.chkTabla(tabla).Value() == 0) ui::op::click(ventana.chkTabla(tabla));
  ui::op::click(ventana.cmdImportar);
}

}  // namespace testing_support
