#include "GaleriaComprobantes.h"

#include "ComprobanteEnVentana.h"
#include "VentanaComprobante.h"

namespace galeria {

std::vector<Ventana> VentanasComprobantes() {
  std::vector<Ventana> ventanas;
  const struct {
    const char* titulo;
    const char* tc;
  } tipos[] = {{"Comprobante de venta (FC)", "FC"}, {"Comprobante de compra (FCC)", "FCC"},
               {"Ajuste de stock (AJP)", "AJP"}};
  for (const auto& t : tipos) {
    const QString tc = QString::fromLatin1(t.tc);
    ventanas.push_back({QString::fromUtf8(t.titulo), [tc] {
                          demo::MuestraVentanaComprobante(tc);
                          return QStringLiteral("la ventana no devuelve valores");
                        }});
  }
  // The stored vouchers of the demo, each loaded into the same window.
  for (const demo::ComprobanteGuardado& c : demo::ComprobantesGuardados())
    ventanas.push_back({QStringLiteral("Cargar ") + c.descripcion, [c] { return demo::MuestraComprobanteGuardado(c); }});
  return ventanas;
}

}  // namespace galeria
