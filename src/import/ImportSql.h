#pragma once
// The statement texts of the import, blank for blank as the suite writes
// them. Text literals double their apostrophes.
#include <QString>

namespace importacion::sql {

// ---- Entry numbering and checks.
QString ObtieneNroAsiento(int Mes, int Periodo, const QString& TipoReg);
QString ExisteComprobante(const QString& TC, const QString& IdComprobante);
// `TC` already filled; `Sucursal` already trimmed.
QString ExisteAsientoCliente(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra);

// ---- The run driver.
QString DeshabilitaTriggers();
QString HabilitaTriggers();
QString BorraAsientos();

// ---- Sources.
QString LeeFacturacion();
QString LeeClientes();

// ---- Invoice import. `Fecha` as 'dd/mm/yyyy' text.
QString InsertaDiaCalendario(const QString& Fecha);
QString InsertaCuentaCliente(const QString& Cuenta);

// ---- Fiscal years.
QString LeeEjercicios();
// Periods 0 and 1 with their descriptions and dates.
QString InsertaEjercicio(int Periodo);

// ---- Customer import.
QString CuentaPorCodigo(const QString& Codigo);
QString DatosClientePorCodigo(const QString& Codigo);
QString CuentasDesdePrefijo(const QString& Prefijo);

}  // namespace importacion::sql
