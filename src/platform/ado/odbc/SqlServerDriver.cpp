#include "platform/ado/odbc/SqlServerDriver.h"

#include <QtGlobal>

namespace ado::odbc {

namespace {
QString& configured() {
  static QString name;
  return name;
}
}  // namespace

QString sqlServerDriver() {
  const QString fromEnvironment = qEnvironmentVariable(kSqlServerDriverVariable).trimmed();
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  if (!configured().isEmpty()) return configured();
  return QStringLiteral("FreeTDS");
}

void setConfiguredSqlServerDriver(const QString& name) { configured() = name.trimmed(); }

}  // namespace ado::odbc
