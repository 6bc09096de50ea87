#pragma once
// The column layouts of the voucher search list, by voucher type.
#include <QString>

namespace lookup {

enum class Diseno {
  Ventas,         // "OT", "FC", "RM", "ND", "NC", "NCFP", "OP", "NP", "FP", "GF"
  Compras,        // "FCC", "NCC", "NCCP", "NDC", "RMC", "NCPE", "NDPR"
  Presupuestos,   // "PR"
  Terceros,       // "T3"
  OrdenesCompra,  // "OC"
  Otro,           // any other type
};

// The layout of a voucher type code, compared without regard to case.
Diseno DisenoDe(const QString& TC);

}  // namespace lookup
