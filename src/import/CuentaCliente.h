#pragma once
// Codes of the customer import: the account code a customer number gives,
// the free code search, and the fixed translations of province names and
// of the restaurant system's VAT conditions.
#include <QString>
#include <functional>
#include <optional>

#include "platform/runtime/Variant.h"

namespace importacion {

// Customer accounts are this prefix followed by four digits.
inline const QString kPrefijoClientes = QStringLiteral("11201");

// Prefix + the customer number as "0000"; "" when the number does not
// qualify (zero, no number, negative, more than four digits), so that a free
// code is needed. The rule is rt::CodeNumber's, by which the database's
// upgrades read a remembered Codigo too.
QString CuentaDeNumero(const QString& Prefijo, const rt::Variant& Codigo);

// The free code under the prefix, found by walking the accounts that sort at
// or after it and passing over the codes `Tomada` answers true for. It stays
// within the prefix's four digits: when the walk ends past 9999 (the account
// 112019999 exists), the lowest number still free is taken; nullopt when
// none is left.
std::optional<QString> CodigoLibre(const QString& Prefijo,
                                   const std::function<bool(const QString&)>& Tomada = nullptr);

// A customer of a source table as the import remembers it, wherever the
// table stands: the table's file name, the customer's Codigo as read
// (trimmed), its name and tax number as its account stores them, and which
// of the table's remembered customers equal in these four it is, from 1 (the
// one that takes its own number's account is not remembered).
struct ClienteDeOrigen {
  QString Archivo;
  QString Codigo;
  QString Nombre;
  QString Cuit;
  int OrdenEntreRecordados = 1;
};

// The account an earlier run gave the customer (AUX_CLIENTES_IMPORTADOS);
// else, for a number that an earlier build read as another account code
// (rt::CodeNumberOfEarlierBuilds: "0.4x" as 112010000), that account when it
// holds the customer's name and tax number and no row gives it to anyone;
// "" when none.
QString CuentaRecordada(const ClienteDeOrigen& Cliente);
// Inside the transaction that writes account `Cuenta`: the account is the
// customer's from now on (`Cliente` null: it is a customer's own number's,
// remembered for nobody), and no other customer's any more. Errors raise.
void RecuerdaCuenta(const ClienteDeOrigen* Cliente, const QString& Cuenta);

// "  12" for MENDOZA and the other provinces of the table; any other name
// comes back trimmed.
QString ProvinciaPorNombre(const QString& Provincia);

// "   3" for "1", "   1" for "2", "   4" for "6", "   5" for "4"; any other
// value as read.
QString CondicionIvaPorTipo(const QString& TipoIva);

}  // namespace importacion
