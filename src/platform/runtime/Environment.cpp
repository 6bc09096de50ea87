#include "platform/runtime/Environment.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <pwd.h>
#include <unistd.h>

namespace rt {

namespace {
QString& folderOverride() {
  static QString f;
  return f;
}
QString& commandLine() {
  static QString text;
  return text;
}
}  // namespace

QString ExecutableName() { return QStringLiteral("importar_tavernix"); }

QString ProgramFolder() {
  if (!folderOverride().isEmpty()) return folderOverride();
  QFileInfo exe(QStringLiteral("/proc/self/exe"));
  return QFileInfo(exe.symLinkTarget()).absolutePath();
}

QString WritableFolder() {
  QString program = ProgramFolder();
  if (QFileInfo(program).isWritable()) return program;
  QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
  QString folder = data + QStringLiteral("/importar_tavernix");
  QDir().mkpath(folder);
  return folder;
}

QString ProgramFile(const QString& name) {
  const QString inProgram = QDir(ProgramFolder()).filePath(name);
  return QFileInfo::exists(inProgram) ? inProgram : QDir(WritableFolder()).filePath(name);
}

void SetProgramFolder(const QString& folder) { folderOverride() = folder; }

QString CommandLine() { return commandLine(); }

void SetCommandLine(const QString& text) { commandLine() = text; }

QString ComputerName() {
  char buf[256] = {};
  if (gethostname(buf, sizeof buf - 1) != 0) return QString();
  return QString::fromLocal8Bit(buf);
}

QString LoginName() {
  if (const passwd* pw = getpwuid(geteuid())) return QString::fromLocal8Bit(pw->pw_name);
  return qEnvironmentVariable("USER");
}

}  // namespace rt
