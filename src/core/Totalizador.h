#pragma once
// The article breakdown of the voucher's totals grid: one element per group
// (rubro, article type or article code), filled by the voucher class's
// TotalizadorControl and searched here. The program-wide list is
// gCore().ListaTotalizador.
#include <QString>
#include <vector>

namespace core {

struct ItemTotalizador {
  QString Clave;      // the group key, as read from the grid
  QString Acumulado;  // the group's accumulated units, as text
};

// Index of the element whose key (without Chr(255) and Chr(0), trimmed)
// equals the trimmed text without regard to case; -1 when none, also while
// the list was never filled.
long IndiceTotalizador(const QString& Texto);

}  // namespace core
