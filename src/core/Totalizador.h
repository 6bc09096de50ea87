#pragma once
// The totals of the voucher being edited: one element per row text, filled
// by the voucher class and searched here. The program-wide list is
// gCore().ListaTotalizador.
#include <QString>
#include <vector>

namespace core {

struct ItemTotalizador {
  QString Texto;    // the row text
  QString Importe;  // the accumulated amount, as text
};

// Index of the element whose row text (without Chr(255) and Chr(0), trimmed)
// equals the trimmed text without regard to case; -1 when none, also while
// the list was never filled.
long IndiceTotalizador(const QString& Texto);

}  // namespace core
