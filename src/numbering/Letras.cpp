#include "numbering/Letras.h"

#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace numbering {

bool EsLetraComprobante(const QString& Letra) {
  const QString letra = rt::Trim(Letra);
  return letra.size() == 1 && letra != QStringLiteral(",") &&
         rt::InStr(kLetrasComprobante, letra, rt::Compare::Text) > 0;
}

QString LetraONinguna(const QString& Letra) {
  const QString letra = rt::Trim(Letra);
  return letra.isEmpty() ? QStringLiteral("X") : letra;
}

QString Columna(const QString& Letra, const char* sufijo) { return rt::Trim(Letra) + QString::fromLatin1(sufijo); }

QString ColumnaVence(const QString& Letra) { return QStringLiteral("Vence") + rt::Trim(Letra); }

QString ObtieneLetraComprobante(const QString& CondIvaEmpresa, const QString& CondIvaCliente) {
  if (rt::Val(CondIvaEmpresa) != 1) return QStringLiteral("C");
  return rt::Val(CondIvaCliente) > 2 ? QStringLiteral("B") : QStringLiteral("A");
}

}  // namespace numbering
