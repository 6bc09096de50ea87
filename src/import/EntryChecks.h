#pragma once
// What the invoice import asks the database for every voucher: the next
// entry number, whether the voucher header exists and whether its entry
// already has a line on a customer account.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

#include "platform/runtime/Variant.h"

namespace ado {
class Recordset;
}

namespace importacion {

// MAX([NUMERO ASIENTO]) + 1 of the month, period and register type; 1 when
// there is none. A blank register type reads the series shared by the type
// Chr(255) + "RS" and the empty type. The number is read, not reserved. 0
// when the lookup failed and its error dialog was left.
int32_t ObtieneNroAsiento(int Mes, int Periodo, const QString& TipoReg = QString());

// A sales voucher header of this type and number exists. `Lrcs` given: it is
// reopened on the header's rows and stays open for the caller.
bool ExisteComprobante(const QString& TC, const QString& IdComprobante, ado::Recordset* Lrcs = nullptr);

// The voucher's entry has a line on a customer account (TipoVista 'CL').
// The type code is compared filled by RellenaCodigo: a code of letters
// stays as it is, and the database ignores trailing blanks. Errors reach
// the caller.
bool ExisteAsientoCliente(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra);

// What the database holds of a voucher: its date, account and amount.
struct ComprobanteGuardado {
  QDateTime Fecha;
  QString Cuenta;
  rt::Variant Importe;
};

// The customer line of the voucher's entry, as ExisteAsientoCliente finds
// it; nullopt when there is none. Errors reach the caller.
std::optional<ComprobanteGuardado> AsientoClienteGuardado(const QString& TC, const QString& Sucursal,
                                                          const QString& Numero, const QString& Letra);

// The sales voucher header, as ExisteComprobante finds it (and with its
// error box); nullopt when there is none.
std::optional<ComprobanteGuardado> CabeceraGuardada(const QString& TC, const QString& IdComprobante);

}  // namespace importacion
