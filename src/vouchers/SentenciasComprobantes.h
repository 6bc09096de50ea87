#pragma once
// The statement texts of the voucher class, blank for blank as the suite
// writes them. Codes arrive filled to their width; texts between
// apostrophes have their own apostrophes doubled.
#include <QString>

namespace vouchers::sentencia {

// A voucher's complement as a literal: a whole number bare, as the suite
// writes a sales complement ("0"); anything else (a supplier account with
// letters, a number with leading zeros that a bare literal would lose) as
// quoted text.
QString LiteralComplemento(const QString& IdComplemento);

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
