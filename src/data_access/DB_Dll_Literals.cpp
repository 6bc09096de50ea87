// SQL literals of values.
#include "data_access/DB_Dll.h"
#include "data_access/LookupSql.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {
// A value as bare SQL text: numbers with "." as decimal point, anything
// else in its ordinary text.
QString bareText(const rt::Variant& v) {
  switch (v.type()) {
    case rt::Variant::Type::Integer:
    case rt::Variant::Type::Long:
    case rt::Variant::Type::Double: return rt::SqlNumber(v.toDouble());
    case rt::Variant::Type::Currency: return v.toCurrency().toSqlText();
    default: return v.toString();
  }
}
}  // namespace

QString DB_Dll::SQLValue(const rt::Variant& Valor, const QString& Tipo) {
  if (Tipo == QStringLiteral("@")) {
    if (Valor.isNull()) return QStringLiteral("0");
    return suite::Utilidades().TextoANumero(Valor.toString()).toSqlText();
  }
  if (Valor.isNull()) return QStringLiteral("NULL");
  if (Tipo == QStringLiteral("'")) return sql::Quoted(Valor.toString());
  return bareText(Valor);
}

}  // namespace data_access
