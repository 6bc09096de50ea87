#include "FilasDemo.h"

#include "platform/ado/Connection.h"
#include "platform/suite/Utilidades.h"

namespace demo {

QString Texto(const QString& valor) {
  return QStringLiteral("'%1'").arg(QString(valor).replace(u'\'', QStringLiteral("''")));
}

QString Texto(const char* valor) { return valor ? Texto(QString::fromUtf8(valor)) : QStringLiteral("NULL"); }

QString Clave(const char* codigo) { return suite::Utilidades().RellenaCodigo(QString::fromUtf8(codigo), 25); }

QString Codigo(const char* codigo) { return codigo ? Texto(Clave(codigo)) : QStringLiteral("NULL"); }

void SiFalta(ado::Connection& cn, const QString& tabla, const QString& condicion, const QString& insercion) {
  cn.Execute(QStringLiteral("IF NOT EXISTS (SELECT 1 FROM %1 WHERE %2) %3").arg(tabla, condicion, insercion));
}

}  // namespace demo
