#pragma once
// Quantities of lots, serials and positions as the dialogs' cells and lists
// carry them: read with either decimal separator, kept to the
// ten-thousandth (so 0,1 + 0,2 is 0,3), written with the regional one.
#include <QString>
#include <optional>

#include "platform/runtime/Currency.h"
#include "platform/runtime/Variant.h"

namespace lots {

// A blank text is 0; nothing for a text that is no number.
std::optional<rt::Currency> LeeCantidad(const QString& texto);
// The same, with 0 for a text that is no number.
rt::Currency CantidadDe(const QString& texto);
// A quantity field of a row; Null is 0.
rt::Currency CantidadDeCampo(const rt::Variant& valor);
QString TextoDeCantidad(rt::Currency cantidad);

}  // namespace lots
