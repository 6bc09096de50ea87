#pragma once
// The program's connection strings in the driver manager's terms:
//  - SQL Server ("PROVIDER=SQLOLEDB;Server=S;Database =D;UId=U;Pwd=P;" and
//    any further text) names the configured SQL Server driver; with FreeTDS
//    the protocol is negotiated (TDS_Version=auto) and text travels as UTF-8;
//    a server "host,port" or "host:port" keeps its port;
//  - Oracle ("Provider=OraOLEDB.Oracle.1;Data Source=D;User Id=U;Password=P;")
//    opens the data source name D;
//  - any other string (DRIVER=..., DSN=...) is passed as it is.
#include <QString>

#include "platform/ado/provider/Providers.h"

namespace ado::odbc {

struct OdbcTarget {
  QString connectionString;
  int loginTimeoutSeconds = 15;  // ADO's default; "Connect Timeout=N" changes it
};

OdbcTarget odbcTarget(const provider::ConnectionSpec& spec, const QString& sqlServerDriver);

// The driver an ODBC connection string names (DRIVER=), without braces.
QString odbcDriverName(const QString& odbcString);

}  // namespace ado::odbc
