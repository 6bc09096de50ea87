#pragma once
// A stored voucher of the demo shown in the demo's voucher window: the grids
// laid out for its type, its lines loaded by the voucher class
// (AsignarDatosComprobante), the totals by rubro. What the gallery calls
// for a voucher chosen from ComprobantesGuardados(); it needs gDB()
// connected to a database holding those vouchers.
#include "ComprobantesGuardados.h"
#include "VentanaComprobante.h"

namespace demo {

void CargaComprobanteGuardado(VentanaComprobante& ventana, const ComprobanteGuardado& comprobante);

// Shows the window modally with the voucher loaded; tells how many lines of
// each kind it loaded.
QString MuestraComprobanteGuardado(const ComprobanteGuardado& comprobante);

}  // namespace demo
