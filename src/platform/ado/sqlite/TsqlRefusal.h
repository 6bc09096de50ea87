#pragma once
// The one way the translator refuses a construct it cannot carry over
// without changing its meaning.
#include <QString>

#include "platform/ado/sqlite/TsqlTranslator.h"

namespace ado::sqlite::tsql {

[[noreturn]] inline void Refuse(const QString& construct) {
  throw Unsupported(QStringLiteral("Sentencia no soportada por la base embebida: ") + construct);
}

}  // namespace ado::sqlite::tsql
