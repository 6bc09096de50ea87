#pragma once
// Voucher books: the type whose books a type shares, and the choice of a
// book with the branch, number, letter and range end it offers.
#include <QString>

namespace ado {
class Recordset;
}

namespace numbering {

// A book that takes any number of the letter: numbering may be changed and
// both range ends are 0. It is never used up by its range nor expires.
bool EsTalonarioSinRango(ado::Recordset& libro, const QString& Letra);

// The type named by the configuration key "NUM_" + type, when it holds one;
// otherwise the type as given.
QString ObtieneTCNumeracion(const QString& TC);

// Chooses the first usable book of the type (in TALONARIO order; of the
// business unit when one is given and it has books; of the branch when
// `Sucursal` is "*" followed by one that a book has) and fills branch
// ("0000"), number ("00000000", the book's counter, 1 for 0), letter,
// whether the number may be changed and the range end; the book becomes
// TalonarioActual. A letter the book does not issue is replaced by the
// book's first one. Used-up books (counter at the range end, or past eight
// digits) and books expired at `Fecha` are passed over, and so is a book
// that cannot be read whole (after its error dialog); when only used-up and
// expired books remain the operator is told and the outputs stay. A type
// without books gives "1", "1", "X".
void Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                                      bool& ModificaNumeracion, const QString& Fecha, const QString& UNegocio,
                                      QString& Hasta);

}  // namespace numbering
