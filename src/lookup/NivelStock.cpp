#include "lookup/NivelStock.h"

namespace lookup {

const rt::Variant& NivelStock(rt::Currency P, rt::Currency S, const rt::Variant& Nivel1, const rt::Variant& Nivel2,
                              const rt::Variant& Nivel3, const rt::Variant& Nivel4) {
  const rt::Currency cero;
  if (P == cero && S > cero) return Nivel1;
  if (P > cero && S > P) return Nivel2;
  if (P > cero && S < P) return Nivel3;
  return Nivel4;
}

}  // namespace lookup
