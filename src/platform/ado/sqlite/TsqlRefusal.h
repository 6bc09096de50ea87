#pragma once
// The one way the translator refuses a construct it cannot carry over
// without changing its meaning.
#include <QString>

#include "platform/ado/sqlite/TsqlTranslator.h"

namespace ado::sqlite::tsql {

[[noreturn]] inline void Refuse(const QString& construct) {
  throw Unsupported(QStringLiteral("Sentencia no soportada por la base embebida: ") + construct);
}

// A table named with a database, or with an owner other than dbo, which
// the embedded database does not have.
[[noreturn]] inline void RefuseQualifiedTable() { Refuse(QStringLiteral("nombre de tabla con base de datos")); }

}  // namespace ado::sqlite::tsql
