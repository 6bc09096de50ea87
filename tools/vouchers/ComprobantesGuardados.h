#pragma once
// Stored vouchers of the demo, with their lines, for the voucher loader: a
// sales invoice with tasks, articles of every kind (a price list that
// includes VAT, lots, a serial number, a weighed article, a timber article)
// and observations; a delivery note that an invoice delivered in part; an
// order kept by pallets; a purchase invoice of the supplier of the demo's
// price list. They go in beside the rows of DemoComprobantes.h (the articles
// they name) and only when missing; their branch (0010) is one the import
// never writes, so its counts stay as they are.
#include <QString>
#include <vector>

namespace ado {
class Connection;
}

namespace demo {

// What the loader needs to find one of them.
struct ComprobanteGuardado {
  QString TC;
  QString numero;       // branch, number and letter
  QString complemento;  // sales set
  bool compras;         // purchases set, by the supplier account
  QString proveedor;
  QString descripcion;  // what it shows
};

// In the order the gallery offers them.
std::vector<ComprobanteGuardado> ComprobantesGuardados();

// Stores them, with the voucher types, articles and price list they need
// beyond those of LlenaComprobantes (which must have run).
void GuardaComprobantesDemo(ado::Connection& cn);

}  // namespace demo
