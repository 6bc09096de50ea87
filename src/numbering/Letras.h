#pragma once
// Voucher letters: the seven fiscal letters, the per-letter columns of the
// voucher books, and the letter a voucher takes from the VAT conditions.
#include <QString>

namespace numbering {

// The list the number check names in its message.
inline const QString kLetrasComprobante = QStringLiteral("A,B,C,E,R,X,M");

// True for exactly one of A, B, C, E, R, X, M (any case, blanks around
// ignored). Only such a letter ever becomes part of a column name.
bool EsLetraComprobante(const QString& Letra);

// The trimmed letter, "X" for a blank one.
QString LetraONinguna(const QString& Letra);

// A book column of a letter: Columna("A", "_ULTIMO_NRO") is A_ULTIMO_NRO;
// the expiry column is ColumnaVence("A"), VenceA.
QString Columna(const QString& Letra, const char* sufijo);
QString ColumnaVence(const QString& Letra);

// "C" unless the firm's condition is 1; then "B" for a counterpart
// condition above 2, else "A". Conditions are read by their leading number.
QString ObtieneLetraComprobante(const QString& CondIvaEmpresa, const QString& CondIvaCliente);

}  // namespace numbering
