#pragma once
// A fresh program ready to import: the service connected as the logged
// user of business unit "   1", the adjustment account 511 in the chart of
// accounts, the import window, and a folder for the source tables.
#include <vector>

#include "ImportDatabase.h"
#include "import/Importar.h"
#include "support/TavernixTables.h"
#include "support/TempFolder.h"

namespace testing_support {

// A voucher of TXFAC: 21% VAT, a tax number and seller 7.
TxfacRecord voucher(const char* cpb, int cliente, QDate fecha, const char* prefijo = "0001", int numero = 1,
                    int64_t totalCents = 12100, int64_t ivaCents = 2100);

class ImportRun : public ImportDatabase {
 protected:
  enum Tabla { Facturacion = 0, Clientes = 1 };

  void SetUp() override;
  void writeTxfac(const std::vector<TxfacRecord>& records);
  // `n` vouchers of TXFAC, numbered 1 to n.
  void writeVouchers(int n);
  // Each of `vouchers` vouchers stands once: one header and one entry of two
  // lines.
  void expectEachVoucherOnce(long vouchers);
  void writeTxcli(const std::vector<TxcliRecord>& records, TxcliCodigo codigo = {});
  // Points the window at the source folder (or `carpeta`), ticks the box of
  // `tabla` and clicks the start button, as the operator does.
  void importa(Tabla tabla);
  void importa(Tabla tabla, const TempFolder& carpeta);

  TempFolder origen;
  importacion::Importar ventana;
};

}  // namespace testing_support
