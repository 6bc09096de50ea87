#pragma once
// Which ODBC driver reaches SQL Server: the environment variable
// IMPORTAR_SQLSERVER_DRIVER when set (one run, one machine), else the name
// configured at start-up from the INI file "ZI000zo.INI", section [ODBC],
// key "DriverSqlServer", else "FreeTDS" (the tdsodbc package's name).
#include <QString>

namespace ado::odbc {

inline constexpr char kSqlServerDriverVariable[] = "IMPORTAR_SQLSERVER_DRIVER";
inline constexpr char16_t kSqlServerDriverIniSection[] = u"ODBC";
inline constexpr char16_t kSqlServerDriverIniKey[] = u"DriverSqlServer";

QString sqlServerDriver();
// The INI file's choice, set by start-up (blank: none).
void setConfiguredSqlServerDriver(const QString& name);

}  // namespace ado::odbc
