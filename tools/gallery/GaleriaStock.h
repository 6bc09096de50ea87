#pragma once
// The gallery's stock movements: a demo voucher's articles grid recorded
// through the voucher class, with the rows and the entry it wrote.
#include <vector>

#include "Galeria.h"

namespace galeria {

std::vector<Ventana> VentanasStock();

}  // namespace galeria
