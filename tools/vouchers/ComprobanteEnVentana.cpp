#include "ComprobanteEnVentana.h"

#include "vouchers/ClsCmnCptes.h"

namespace demo {

void CargaComprobanteGuardado(VentanaComprobante& ventana, const ComprobanteGuardado& comprobante) {
  // The window's own layout of the voucher's family places its controls;
  // its sample lines give way to the stored ones.
  ventana.Muestra(comprobante.compras ? QStringLiteral("FCC") : QStringLiteral("FC"));
  vouchers::ClsCmnCptes cpte;
  cpte.InicializaGrids(&ventana.MSFlexGrid1, &ventana.MSFlexGrid2, &ventana.MSFlexGrid3, &ventana.TxtEdit,
                       &ventana.txtEdit2, &ventana.txtEdit3, &ventana, comprobante.TC, &ventana.MSFlexGrid4);
  cpte.AsignarDatosComprobante(comprobante.TC, comprobante.numero, comprobante.complemento, ventana.MSFlexGrid1,
                               ventana.MSFlexGrid2, ventana.MSFlexGrid3, false, nullptr, comprobante.compras,
                               comprobante.proveedor);
  cpte.TotalizadorControl(ventana.MSFlexGrid1, ventana.MSFlexGrid2, ventana.MSFlexGrid3, ventana.MSFlexGrid4,
                          ventana.SSTab1, true);
  ventana.Caption = QStringLiteral("Comprobante ") + comprobante.TC + QStringLiteral(" ") + comprobante.numero +
                    QStringLiteral(" - AsignarDatosComprobante");
  ventana.NombraTipo(comprobante.TC);
  ventana.lblResultado.Caption = comprobante.descripcion;
}

QString MuestraComprobanteGuardado(const ComprobanteGuardado& comprobante) {
  VentanaComprobante ventana;
  CargaComprobanteGuardado(ventana, comprobante);
  ventana.Show(ui::vbModal);
  int32_t tareas = 0, articulos = 0, otros = 0;
  vouchers::ClsCmnCptes().CuentaItems(&ventana.MSFlexGrid1, &ventana.MSFlexGrid2, &ventana.MSFlexGrid3, &tareas,
                                      &articulos, &otros);
  return QStringLiteral("%1 %2 cargado: %3 tareas, %4 artículos, %5 otros conceptos")
      .arg(comprobante.TC, comprobante.numero)
      .arg(tareas)
      .arg(articulos)
      .arg(otros);
}

}  // namespace demo
