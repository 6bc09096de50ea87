#include "ImportRun.h"

#include <gtest/gtest.h>

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

void ImportRun::writeVouchers(int n) {
  std::vector<TxfacRecord> records;
  for (int i = 1; i <= n; ++i) records.push_back(voucher(i % 2 ? "A" : "B", 25 + i % 3, QDate(2005, 3, 1 + i % 28), "0001", i));
  writeTxfac(records);
}

void ImportRun::expectEachVoucherOnce(long vouchers) {
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTE").toLong(), vouchers);
  EXPECT_EQ(scalar("SELECT COUNT(DISTINCT IdComprobante) FROM V_MV_CPTE").toLong(), vouchers);
  EXPECT_EQ(rows("SELECT Numero FROM MV_ASIENTOS GROUP BY TC, Sucursal, Numero, Letra "
                 "HAVING COUNT(*) <> 2 OR COUNT(DISTINCT [NUMERO ASIENTO]) <> 1 OR SUM(Secuencia) <> 3"),
            QStringList());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 2 * vouchers);
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
