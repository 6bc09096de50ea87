#pragma once
// One record of the restaurant system's invoice detail (TXFAC) read as the
// sales voucher it becomes: type, letter and side from the voucher kind,
// the customer account, the voucher number, the date with its period and
// operating month, and the amounts as the program's own text.
#include <QDateTime>
#include <QString>
#include <optional>

namespace ado {
class Recordset;
}

namespace importacion {

struct TipoComprobante {
  QString TC;
  QString Letra;
  QString Lado;  // side of the customer line: "D" or "H"
};

// The voucher kind of a Cod_Cpb ("A", "B", "M", "L", "K", trimmed, any
// case); nullopt for any other code.
std::optional<TipoComprobante> TipoPorCodigo(const QString& CodCpb);

// "112010001" for customer 0, else "11201" + the number as "0000".
QString CuentaCliente(double CodCli);

// Fiscal period of a voucher date: 0 before 1 July 2005, else 1.
int PeriodoDeFecha(const QDateTime& Fecha);

struct FacturaTavernix {
  TipoComprobante Tipo;
  QString Cuenta;
  QString Sucursal;       // "0000"
  QString Numero;         // "00000000"
  QString Letra;          // "X" when the kind has none
  QString IdComprobante;  // branch + number + letter
  QDateTime Fecha;
  QString FechaTexto;  // dd/mm/yyyy
  int Mes = 0;
  int Periodo = 0;
  // Amounts and rates as the runtime writes them (regional decimal sign).
  QString Total, TotalLibroIva, Iva1, Iva2, Tasa1, Tasa2;
  QString Cuit;    // trimmed
  QString CodEmp;  // as read
};

// The record in hand. A record that cannot become a voucher (an unknown
// Cod_Cpb; an empty or invalid Fecha, or one before 01/01/1753, which SQL
// Server's datetime does not hold; a Prefijo or Numero that is not a number,
// is negative or longer than its four or eight digits; a negative cod_cli,
// or one whose account would be longer than nine characters)
// gives nullopt and the reason in `Motivo`. A missing field raises.
std::optional<FacturaTavernix> LeeFactura(ado::Recordset& Origen, QString& Motivo);

}  // namespace importacion
