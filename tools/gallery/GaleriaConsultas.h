#pragma once
// The gallery's lookup windows: lists, trees and the option lists of the
// lookup service gConsultas(), with what each caller reads back.
#include <vector>

#include "Galeria.h"

namespace galeria {

std::vector<Ventana> VentanasConsultas();

}  // namespace galeria
