#pragma once
// The statement texts of the voucher class, blank for blank as the suite
// writes them. Codes arrive filled to their width; texts between
// apostrophes have their own apostrophes doubled.
#include <QString>

namespace vouchers::sentencia {

// The family (SISTEMA) of a voucher type.
QString SistemaDelComprobante(const QString& TC);
// The line capacity of a printed voucher of a type and letter.
QString CapacidadDeLineas(const QString& TC, const QString& Letra);
// The balance of an account's applied charges.
QString CargosReales(const QString& Cuenta);
// The vouchers that name one as their origin: with its complement, and
// without annulled ones unless `ConAnulados`.
QString ComprobantesRelacionados(const QString& TC, const QString& SucNroLetra, const QString& Complemento,
                                 bool ConAnulados);
// The same of any complement, never annulled ones.
QString ComprobantesAsociados(const QString& TC, const QString& SucNroLetra);

}  // namespace vouchers::sentencia
