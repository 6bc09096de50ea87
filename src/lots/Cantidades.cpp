#include "lots/Cantidades.h"

#include "platform/runtime/Error.h"
#include "platform/runtime/Regional.h"
#include "platform/suite/Library.h"

namespace lots {

std::optional<rt::Currency> LeeCantidad(const QString& texto) {
  try {
    return suite::gUtilidades().TextoANumero(texto);
  } catch (const rt::Error&) {
    return std::nullopt;
  }
}

rt::Currency CantidadDe(const QString& texto) { return LeeCantidad(texto).value_or(rt::Currency()); }

rt::Currency CantidadDeCampo(const rt::Variant& valor) {
  if (valor.isNull() || valor.isEmpty()) return rt::Currency();
  if (valor.isNumeric()) return valor.toCurrency();
  return CantidadDe(valor.toString());
}

QString TextoDeCantidad(rt::Currency cantidad) { return cantidad.toText(rt::regional().decimalSeparator); }

}  // namespace lots
