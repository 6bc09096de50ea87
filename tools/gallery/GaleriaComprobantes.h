#pragma once
// The gallery's voucher windows: the entry grids of the voucher class laid
// out and filled for a sales, a purchase and a stock voucher, and each
// stored voucher of the demo loaded into them.
#include <vector>

#include "Galeria.h"

namespace galeria {

std::vector<Ventana> VentanasComprobantes();

}  // namespace galeria
