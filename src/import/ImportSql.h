#pragma once
// The statement texts of the import, blank for blank as the suite writes
// them. Text literals double their apostrophes.
#include <QString>

namespace importacion::sql {

QString ObtieneNroAsiento(int Mes, int Periodo, const QString& TipoReg);
QString ExisteComprobante(const QString& TC, const QString& IdComprobante);
// `TC` already filled; `Sucursal` already trimmed.
QString ExisteAsientoCliente(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra);

}  // namespace importacion::sql
