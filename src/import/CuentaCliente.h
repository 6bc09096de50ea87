#pragma once
// Codes of the customer import: the account code a customer number gives,
// the free code search, and the fixed translations of province names and
// of the restaurant system's VAT conditions.
#include <QString>

#include "platform/runtime/Variant.h"

namespace importacion {

// Customer accounts are this prefix followed by four digits.
inline const QString kPrefijoClientes = QStringLiteral("11201");

// Prefix + the customer number as "0000"; "" when the number does not
// qualify (zero, no number, negative, more than four digits), so that a free
// code is needed.
QString CuentaDeNumero(const QString& Prefijo, const rt::Variant& Codigo);

// The free code under the prefix, found by walking the accounts that sort at
// or after it.
QString CodigoLibre(const QString& Prefijo);

// "  12" for MENDOZA and the other provinces of the table; any other name
// comes back trimmed.
QString ProvinciaPorNombre(const QString& Provincia);

// "   3" for "1", "   1" for "2", "   4" for "6", "   5" for "4"; any other
// value as read.
QString CondicionIvaPorTipo(const QString& TipoIva);

}  // namespace importacion
