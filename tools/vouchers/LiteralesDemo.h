#pragma once
// The SQL literals the demo writers put in their statements.
#include <QString>

#include "core/library/Utilidades.h"

namespace demo {

// A text between apostrophes, its own apostrophes doubled.
inline QString Texto(const QString& valor) {
  return QStringLiteral("'%1'").arg(QString(valor).replace(u'\'', QStringLiteral("''")));
}
// The same for a text of the demo's tables; none (nullptr) is NULL.
inline QString Texto(const char* valor) { return valor ? Texto(QString::fromUtf8(valor)) : QStringLiteral("NULL"); }

// A code in the key form every writer uses (a code of digits right-aligned in 25).
inline QString Clave(const char* codigo) { return library::Utilidades().RellenaCodigo(QString::fromUtf8(codigo), 25); }
// That key as a literal; none (nullptr) is NULL.
inline QString Codigo(const char* codigo) { return codigo ? Texto(Clave(codigo)) : QStringLiteral("NULL"); }

}  // namespace demo
