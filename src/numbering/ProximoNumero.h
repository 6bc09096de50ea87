#pragma once
// The next number of a voucher type.
#include <QString>

namespace numbering {

// Takes branch, number and letter from the voucher books of the type whose
// books `TC` shares (for the business unit `UNegocio` when given; a branch
// "*" + code asks for that branch's books). With `Controlar` the number is
// also tested against the stored vouchers of the type's family (trips in
// MV_VIAJES; "AJP", "AJN", "VS", "IR" in V_MV_STOCK; purchase orders in
// C_MV_CPTE; any other type through its accounting entries) and moved past
// the highest stored number when it is taken; a free number of a type with
// accounting entries loses any control row left for it. An empty `TC`
// changes nothing.
void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool Controlar, const QString& UNegocio);

}  // namespace numbering
