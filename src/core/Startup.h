#pragma once
// The program's start-up: connection from the parameter text (or the
// command line, or the INI file), statistics database, time-out and
// isolation, the lookup class and its layout file, the configuration, and
// the access check with its log row.
#include <QString>

namespace core {

// `Parametros` empty: the command line (rt::CommandLine()). `LeeIni`: a
// blank parameter text is built from the INI file. `ConnString` is handed
// to the service (filled for Oracle when empty); `lCursor` its cursor
// location. Ends the program (rt::EndProgram) when no connection opens,
// when the access is refused, and, after telling the operator, when any
// step fails before the access check is done.
void IniciaSistema(bool LeeIni, const QString& Parametros, QString& ConnString, long lCursor);

// Where the lookup layout file is: the program folder's "consultas.vtx"
// when it exists or the folder is writable, else the same name in the
// user's data folder.
QString RutaMascaraConsultas();

}  // namespace core
