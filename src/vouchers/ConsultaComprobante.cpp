// The voucher class's way into the voucher search window.
#include <memory>

#include "lookup/FrmConsComprobantes.h"
#include "numbering/Valores.h"
#include "vouchers/ClsCmnCptes.h"

namespace vouchers {

void ClsCmnCptes::ConsultaComprobante(const QString& TC, QString& Respuesta, const rt::Variant& Filtro,
                                      QString* IdComplemento, QString* Proveedor) {
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("ConsultaComprobante"));
  std::unique_ptr<lookup::FrmConsComprobantes> ventana;
  if (!pasos.run([&] {
        ventana = std::make_unique<lookup::FrmConsComprobantes>();
        ventana->TC = TC;
        ventana->Filtro = Filtro.toStringOrEmpty();
        ventana->NroComprobante = QString();
      }))
    return;
  if (!pasos.run([&] { ventana->Show(ui::vbModal); })) return;
  pasos.run([&] {
    Respuesta = ventana->NroComprobante;
    if (IdComplemento) *IdComplemento = ventana->IdComplemento;
    if (Proveedor) *Proveedor = ventana->Proveedor;
  });
}

}  // namespace vouchers
