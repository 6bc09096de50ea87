#pragma once
// The gallery's lot dialogs, asked for a line of the sample voucher window
// over the demo stock: the serials and lots of a line coming in, and the
// choice of stock for a line going out, with the window's other line of the
// article deducted, and the storage positions and lots a line takes from.
#include <vector>

#include "Galeria.h"

namespace galeria {

std::vector<Ventana> VentanasLotes();

}  // namespace galeria
