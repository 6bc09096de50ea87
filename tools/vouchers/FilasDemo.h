#pragma once
// What the demo rows of every window share: texts and codes as SQL literals
// and rows written only when missing.
#include <QString>

namespace ado {
class Connection;
}

namespace demo {

// Between apostrophes, its own doubled; a null pointer is NULL.
QString Texto(const QString& valor);
QString Texto(const char* valor);
// A code in the key form every writer uses (a code of digits right-aligned in 25).
QString Clave(const char* codigo);
// That key as a literal; none (nullptr) is NULL.
QString Codigo(const char* codigo);

// Runs `insercion` when `tabla` has no row meeting `condicion`.
void SiFalta(ado::Connection& cn, const QString& tabla, const QString& condicion, const QString& insercion);

}  // namespace demo
