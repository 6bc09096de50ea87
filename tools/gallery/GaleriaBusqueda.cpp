#include "GaleriaBusqueda.h"

#include "vouchers/ClsCmnCptes.h"

namespace galeria {

std::vector<Ventana> VentanasBusqueda() {
  const struct {
    const char* titulo;
    const char* tc;
  } busquedas[] = {{"Buscar facturas (FC)", "FC"},
                   {"Buscar remitos pendientes", "RM/PENDIENTES"},
                   {"Buscar pedidos pendientes", "NP/PENDIENTES"},
                   {"Buscar presupuestos (PR)", "PR"},
                   {"Buscar órdenes de trabajo pendientes", "OT/PENDIENTES"},
                   {"Buscar facturas de compra (FCC)", "FCC"},
                   {"Buscar órdenes de compra (OC, varias)", "OC"},
                   {"Buscar comprobantes de terceros (T3)", "T3"}};
  std::vector<Ventana> ventanas;
  for (const auto& b : busquedas) {
    const QString tc = QString::fromLatin1(b.tc);
    ventanas.push_back({QString::fromUtf8(b.titulo), [tc] {
                          QString numero, complemento = QStringLiteral("0"), proveedor;
                          vouchers::ClsCmnCptes().ConsultaComprobante(tc, numero, rt::Variant(), &complemento,
                                                                      &proveedor);
                          return QStringLiteral("Respuesta: «%1»\r\nIdComplemento: «%2»\r\nProveedor: «%3»")
                              .arg(numero, complemento, proveedor);
                        }});
  }
  return ventanas;
}

}  // namespace galeria
