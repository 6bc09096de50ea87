#pragma once
// The statements a sales voucher of the invoice import writes: its two
// accounting-entry lines and its header, each built column by column with
// the shared field list.
#include <QString>
#include <cstdint>

#include "import/FacturaTavernix.h"

namespace importacion {

// What the customer account's rows say of its holder.
struct DatosTitular {
  QString Nombre;   // DESCRIPCION of MA_CUENTAS, trimmed
  QString CondIva;  // IVA of MA_CUENTASADIC, trimmed
};

struct LineaAsiento {
  int Secuencia = 1;
  QString Cuenta;  // the line's account
  QString Lado;    // "D" or "H"
  int32_t NroAsiento = 0;
  // The first line carries the VAT-book columns and the holder's data.
  const DatosTitular* Titular = nullptr;
};

// "INSERT INTO MV_ASIENTOS (...) VALUES (...)" of one line of the voucher's
// entry, with the program-wide period, business unit and user.
QString InsertaLineaAsiento(const FacturaTavernix& Factura, const LineaAsiento& Linea);

// "INSERT INTO V_MV_CPTE (...) VALUES (...)" of the voucher's header.
QString InsertaCabecera(const FacturaTavernix& Factura, const DatosTitular& Titular);

}  // namespace importacion
