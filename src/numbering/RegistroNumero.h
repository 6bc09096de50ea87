#pragma once
// Recording a voucher number as used in its voucher book.
#include <QString>

namespace numbering {

// Moves the counter of the book that ValidaNumeroComprobante recognises for
// `Numero` (the number the next voucher takes), or else for the voucher's
// own number `Numero` - 1, forward to `Numero`, for the type whose books
// `TC` shares: in V_TA_CPTE, or in TA_Comprobantes of
// `Sistema` when V_TA_CPTE lacks the book, and only when the book's branch
// is `Sucursal`. The counter never moves back. With `SoloSentencia` nothing
// is written: the UPDATE (unless `NoActualizaTalonario`) and, for types of
// the "Contable" system, purchase orders or `ForzarControl`, the INSERT of
// the control row for the voucher's own number (`Numero` - 1) are appended
// to `SQL`, separated by CR LF. Without a recognised book nothing is
// recorded; a type missing from V_TA_CPTE is reported. A blank `Letra`
// becomes "X".
void ActualizaNumeroComprobante(const QString& TC, const QString& Sistema, const QString& Sucursal, const QString& Numero,
                                QString& Letra, bool SoloSentencia, QString& SQL, bool ForzarControl,
                                bool NoActualizaTalonario);

}  // namespace numbering
