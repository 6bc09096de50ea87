#pragma once
// The gallery's voucher searches: the voucher search window opened through
// ClsCmnCptes::ConsultaComprobante for a type or a type key, with the
// number, complement and supplier it hands back.
#include <vector>

#include "Galeria.h"

namespace galeria {

std::vector<Ventana> VentanasBusqueda();

}  // namespace galeria
