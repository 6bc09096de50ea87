#include "ImportRun.h"

#include "core/CoreState.h"
#include "platform/runtime/Dates.h"
#include "platform/ui/Operator.h"

namespace testing_support {

TxfacRecord voucher(const char* cpb, int cliente, QDate fecha, const char* prefijo, int numero, int64_t totalCents,
                    int64_t ivaCents) {
  TxfacRecord r;
  r.CodCpb = cpb;
  r.CodCli = int32_t(cliente);
  r.Fecha = rt::MakeDate(fecha);
  r.Prefijo = prefijo;
  r.Numero = int32_t(numero);
  r.Total = rt::Currency::fromRaw(totalCents * 100);
  r.Iva1 = rt::Currency::fromRaw(ivaCents * 100);
  r.Iva2 = rt::Currency();
  r.Tasa1 = rt::Currency::fromInt(21);
  r.Tasa2 = rt::Currency();
  r.Cuit = "20-12345678-9";
  r.CodEmp = "7";
  return r;
}

void ImportRun::SetUp() {
  ImportDatabase::SetUp();
  core::gCore().gUNegocio = "   1";
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, TipoVista) VALUES ('511', 'Ajuste de clientes', 'AJ')");
}

void ImportRun::writeTxfac(const std::vector<TxfacRecord>& records) {
  writeTxfacTable(origen.file("TXFAC.DBF"), records);
}

void ImportRun::writeTxcli(const std::vector<TxcliRecord>& records, TxcliCodigo codigo) {
  writeTxcliTable(origen.file("TXCLI.DBF"), records, codigo);
}

void ImportRun::importa(Tabla tabla) { importa(tabla, origen); }

void ImportRun::importa(Tabla tabla, const TempFolder& carpeta) {
  ui::op::type(ventana.TxtPathDatos, carpeta.path());
  if (ventana.chkTabla(tabla).Value() == 0) ui::op::click(ventana.chkTabla(tabla));
  ui::op::click(ventana.cmdImportar);
}

}  // namespace testing_support
