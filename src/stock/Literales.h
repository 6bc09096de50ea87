#pragma once
// The SQL literals the stock rows are made of, shared by the writer, its
// rows and the discharge. Texts between apostrophes have their own
// apostrophes doubled.
#include <QString>

#include "platform/runtime/Currency.h"

namespace stock {

inline const QString kNull = QStringLiteral("NULL");
// The width of V_MV_STOCK.Descripcion.
constexpr int kAnchoDescripcion = 255;

// A text, quoted.
QString Texto(const QString& valor);
// A number text of a grid cell (either decimal separator), bare with ".".
QString Numero(const QString& texto);
QString Numero(rt::Currency valor);
// A code in its key form of `ancho` characters (RellenaCodigo).
QString Relleno(const QString& codigo, int ancho);
// A code as a quoted literal in its key form; NULL when blank.
QString CodigoONull(const QString& codigo, int ancho = 4);
// The word that takes an argument per line from the grid, in any case.
bool EsDelGrid(const QString& valor);

}  // namespace stock
