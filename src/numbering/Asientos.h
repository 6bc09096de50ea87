#pragma once
// The accounting entries of a voucher: whether MV_ASIENTOS already holds
// lines of it, and the register type (journal) of a voucher type.
#include <QString>

namespace numbering {

// True when MV_ASIENTOS holds a line of the voucher (of `Cuenta`, when not
// empty); `Asiento` then gets the first line's operating month and entry
// number as "03 - 000125". Never true for purchase orders ("OC"). Errors
// reach the caller.
bool ExisteAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                   QString& Asiento, const QString& Cuenta, bool SinBloqueo);

// The four-character register type of the type's journal; four blanks when
// the type has no journal or its journal does not exist; "" when a failure
// was reported and the routine left.
QString ObtieneTipoRegCont(const QString& TC);

}  // namespace numbering
