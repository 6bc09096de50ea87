#include "stock/Literales.h"

#include "data_access/DB_Dll.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace stock {

QString Texto(const QString& valor) { return data_access::DB_Dll::SQLValue(valor, QStringLiteral("'")); }

QString Numero(const QString& texto) { return data_access::DB_Dll::SQLValue(texto, QStringLiteral("@")); }

QString Numero(rt::Currency valor) { return valor.toSqlText(); }

QString Relleno(const QString& codigo, int ancho) { return suite::gUtilidades().RellenaCodigo(codigo, ancho); }

QString CodigoONull(const QString& codigo, int ancho) {
  const QString c = rt::Trim(codigo);
  return c.isEmpty() ? kNull : Texto(Relleno(c, ancho));
}

bool EsDelGrid(const QString& valor) { return rt::EqualsText(rt::Trim(valor), QStringLiteral("ELDELGRID")); }

}  // namespace stock
