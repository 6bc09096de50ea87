#pragma once
// The voucher sign with what ObtieneSignoComprobante does not say: whether
// the type was found, so that the stock writer can refuse an unknown type.
#include <QString>
#include <cstdint>

namespace stock {

struct SignoTipo {
  int16_t Signo = 0;
  bool Existe = false;  // V_TA_CPTE holds the type (false also when its read failed)
};

SignoTipo SignoDelTipo(const QString& TC, bool LibroIVA, bool DebitoProveedor);

}  // namespace stock
