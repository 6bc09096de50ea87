#pragma once
// The last step of start-up: may the connected user run this program? A
// refused user is told so and the program ends; otherwise the start is
// written to the access log Control_Acceso.
#include <QString>

namespace core {

// `Proceso` empty: the program's own executable name. Sets gUsuarioLogeado
// to the service's user first.
void ControlAcceso(const QString& Proceso);

// The rights query: the user's tasks whose menu entry names the process
// (matched as written: "_" in it is no wildcard).
QString SentenciaTareas(const QString& Usuario, const QString& Proceso);

}  // namespace core
