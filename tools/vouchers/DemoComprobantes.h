#pragma once
// The demo rows of the voucher windows: voucher types of the three
// families, rubros and article types, articles with barcodes, a DUN,
// alternative barcodes, a weighed article and supplier codes, and a
// purchase price list with the supplier's numbers, and the title of the
// article column. Each row goes in only
// when missing, so other demo rows and the import's are left as they are.
#include <QString>
#include <vector>

namespace ado {
class Connection;
}

namespace demo {

void LlenaComprobantes(ado::Connection& cn);

// One reference of each kind the article search finds in these rows.
struct ReferenciaDemo {
  QString referencia;
  QString clase;         // what kind of reference it is
  QString proveedor;     // the supplier account the search needs, or ""
  QString lista;         // the purchase price list it needs, or ""
};
std::vector<ReferenciaDemo> ReferenciasDemo();

}  // namespace demo
