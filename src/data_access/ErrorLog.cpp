#include "data_access/ErrorLog.h"

#include <QFile>

#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {
QString answerWord(int answer) {
  switch (answer) {
    case rt::answer::Retry: return QStringLiteral("Reintentar");
    case rt::answer::Ignore: return QStringLiteral("Ignorar");
    case rt::answer::Abort: return QStringLiteral("Abortar");
    case rt::answer::Cancel: return QStringLiteral("Cancelar");
    case rt::answer::Yes: return QStringLiteral("Sí");
    case rt::answer::No: return QStringLiteral("No");
    default: return QString();
  }
}
}  // namespace

QString ErrorLogPath(const QString& archivo) {
  if (!archivo.isEmpty()) return archivo;
  QString folder = rt::WritableFolder();
  if (!folder.endsWith(u'/')) folder += u'/';
  return folder + QStringLiteral("VXERR.LOG");
}

QString ErrorLogLine(const QDateTime& when, const QString& routinePart, const QString& message, int answer) {
  return when.toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) + QStringLiteral(" Rutina: ") + rt::Trim(routinePart) +
         QStringLiteral(" Mensaje ") + rt::Trim(message) + QStringLiteral(" Respondió : ") + answerWord(answer);
}

void AppendErrorLogLine(const QString& path, const QString& line) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  file.write((line + u'\n').toUtf8());
}

void LogError(const QString& archivo, const QString& routinePart, const QString& message, int answer) {
  AppendErrorLogLine(ErrorLogPath(archivo), ErrorLogLine(rt::Now(), routinePart, message, answer));
}

}  // namespace data_access
