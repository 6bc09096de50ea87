#pragma once
// The filled lines of a voucher grid: data rows (1 to Rows - 1) whose
// column 0, trimmed, is not empty. The empty entry row that ends every grid
// is never one.
#include <QString>
#include <cstdint>

#include "platform/runtime/Text.h"
#include "platform/ui/FlexGrid.h"

namespace vouchers {

inline bool EsLineaCargada(const ui::FlexGrid& grilla, int fila) {
  return !rt::Trim(grilla.TextMatrix(fila, 0)).isEmpty();
}

// An absent grid has none.
inline int32_t LineasCargadas(const ui::FlexGrid* grilla) {
  if (!grilla) return 0;
  int32_t lineas = 0;
  for (int fila = 1; fila < grilla->Rows(); ++fila)
    if (EsLineaCargada(*grilla, fila)) ++lineas;
  return lineas;
}

}  // namespace vouchers
