#include "GaleriaStock.h"

#include "GrabacionDemo.h"

namespace galeria {

std::vector<Ventana> VentanasStock() {
  return {{QStringLiteral("Grabación de stock (AJP)"), [] { return demo::GrabaAjusteDemo(); }}};
}

}  // namespace galeria
