#pragma once
// Units of an article: its base unit, the equivalence between two of its
// units and the conversion of a quantity either way. A row of S_TA_EQUIV
// (A, B, c) converts q from A to B as q / c and from B to A as q x c; a
// coefficient of 0 (or none) is no equivalence.
#include <QString>

namespace numbering {

// The article's base unit, trimmed; "" for an article that does not exist.
// Errors reach the caller.
QString ObtieneUnidadArticulo(const QString& IdArticulo);

// Looks the pair (UnidadBase, UnidadEquivalente) up, then the reverse pair:
// True with the coefficient and the operator "/" (found as given) or "*"
// (found reversed). An empty `UnidadBase` becomes the article's unit and is
// written back; an article without unit sets `SinUnidad` and answers False.
bool IdArticuloTieneEquivalencias(const QString& IdArticulo, const QString& UnidadEquivalente, QString& Operador,
                                  QString& UnidadBase, double& Coeficiente, bool& SinUnidad);

// The quantity in `UnidadBase` expressed in `UnidadEquivalente`: unchanged
// for equal units (ignoring case; an empty `UnidadBase` is first the
// article's own unit, written back) and when there is no equivalence; 0 for 0.
double AplicaEquivalencia(const QString& IdArticulo, QString& UnidadBase, double Cantidad,
                          const QString& UnidadEquivalente);

// The inverse of AplicaEquivalencia for the same arguments; 0 when there is
// no equivalence between different units.
double RevierteEquivalencia(const QString& IdArticulo, QString& UnidadBase, double Cantidad,
                            const QString& UnidadEquivalente);

}  // namespace numbering
