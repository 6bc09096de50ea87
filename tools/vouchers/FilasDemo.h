#pragma once
// What the demo rows of every window share: texts as SQL literals and rows
// written only when missing.
#include <QString>

namespace ado {
class Connection;
}

namespace demo {

// Between apostrophes, its own doubled; a null pointer is NULL.
QString Texto(const QString& valor);
QString Texto(const char* valor);

// Runs `insercion` when `tabla` has no row meeting `condicion`.
void SiFalta(ado::Connection& cn, const QString& tabla, const QString& condicion, const QString& insercion);

}  // namespace demo
