#pragma once
// The error log: one line appended per error shown by the service's error
// dialog. The file is written in UTF-8 with "\n" line ends and only ever
// appended to.
#include <QDateTime>
#include <QString>

namespace data_access {

// `archivo` when it is not empty, else "VXERR.LOG" in the program's
// writable folder.
QString ErrorLogPath(const QString& archivo);

// "mm-dd-yyyy hh:mm:ss Rutina: <routine part> Mensaje <message> Respondió : <answer word>"
QString ErrorLogLine(const QDateTime& when, const QString& routinePart, const QString& message, int answer);

// Appends one line; a file that cannot be written is passed over.
void AppendErrorLogLine(const QString& path, const QString& line);

// Appends the line of an error of this moment to the log `archivo` names
// (as ErrorLogPath takes it).
void LogError(const QString& archivo, const QString& routinePart, const QString& message, int answer);

}  // namespace data_access
