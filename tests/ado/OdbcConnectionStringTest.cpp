#include <gtest/gtest.h>

#include "ado/OdbcFixture.h"
#include "platform/ado/odbc/OdbcConnectionString.h"
#include "platform/ado/odbc/SqlServerDriver.h"
#include "support/Printers.h"

namespace {

using ado::odbc::odbcTarget;
using testing_support::odbcSpec;

struct MappingCase {
  const char* program;  // the connection string as the program builds it
  const char* driver;   // the configured SQL Server driver
  const char* odbc;
  int loginTimeout;
};

class OdbcMapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(OdbcMapping, BecomesTheDriverManagersString) {
  const MappingCase& c = GetParam();
  const ado::odbc::OdbcTarget target = odbcTarget(odbcSpec(QString::fromUtf8(c.program)), QString::fromUtf8(c.driver));
  EXPECT_EQ(target.connectionString, QString::fromUtf8(c.odbc));
  EXPECT_EQ(target.loginTimeoutSeconds, c.loginTimeout);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramStrings, OdbcMapping,
    ::testing::Values(
        // SQL Server as the service builds it ("Database =" with its blank)
        MappingCase{"PROVIDER=SQLOLEDB;Server=SRV01;Database =Empresa;UId=sa;Pwd=secreto;", "FreeTDS",
                    "DRIVER=FreeTDS;Server=SRV01;Database=Empresa;UID=sa;PWD=secreto;TDS_Version=auto;ClientCharset=UTF-8;",
                    15},
        MappingCase{"provider=sqloledb;Server=SRV01;Database =Empresa;UId=sa;Pwd=;", "FreeTDS",
                    "DRIVER=FreeTDS;Server=SRV01;Database=Empresa;UID=sa;PWD=;TDS_Version=auto;ClientCharset=UTF-8;", 15},
        // the port stays with the server, in the driver's own form
        MappingCase{"PROVIDER=SQLOLEDB;Server=10.0.0.5,1433;Database =E;UId=u;Pwd=p;", "FreeTDS",
                    "DRIVER=FreeTDS;Server=10.0.0.5;Port=1433;Database=E;UID=u;PWD=p;TDS_Version=auto;ClientCharset=UTF-8;", 15},
        MappingCase{"PROVIDER=SQLOLEDB;Server=srv:2433;Database =E;UId=u;Pwd=p;", "FreeTDS",
                    "DRIVER=FreeTDS;Server=srv;Port=2433;Database=E;UID=u;PWD=p;TDS_Version=auto;ClientCharset=UTF-8;", 15},
        MappingCase{"PROVIDER=SQLOLEDB;Server=srv:2433;Database =E;UId=u;Pwd=p;", "ODBC Driver 18 for SQL Server",
                    "DRIVER=ODBC Driver 18 for SQL Server;Server=srv,2433;Database=E;UID=u;PWD=p;", 15},
        MappingCase{"PROVIDER=SQLOLEDB;Server=SRV01\\SQLEXPRESS;Database =E;UId=u;Pwd=p;", "FreeTDS",
                    "DRIVER=FreeTDS;Server=SRV01\\SQLEXPRESS;Database=E;UID=u;PWD=p;TDS_Version=auto;ClientCharset=UTF-8;", 15},
        // the program's further text: OLE DB-only settings dropped, the rest kept
        MappingCase{"PROVIDER=SQLOLEDB;Server=S;Database =D;UId=u;Pwd=p;Persist Security Info=False;Connect Timeout=7;"
                    "Application Name=Importar;Encrypt=no;",
                    "/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so",
                    "DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so;Server=S;Database=D;UID=u;PWD=p;APP=Importar;"
                    "encrypt=no;TDS_Version=auto;ClientCharset=UTF-8;",
                    7},
        MappingCase{"PROVIDER=SQLOLEDB;Server=S;Database =D;UId=u;Pwd=p;TDS_Version=7.1;", "FreeTDS",
                    "DRIVER=FreeTDS;Server=S;Database=D;UID=u;PWD=p;tds_version=7.1;ClientCharset=UTF-8;", 15},
        // Oracle: the data source is a DSN
        MappingCase{"Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=scott;Password=tiger;", "FreeTDS",
                    "DSN=XE;UID=scott;PWD=tiger;", 15},
        // ODBC strings and other providers as they are
        MappingCase{"DRIVER=SQLite3 ODBC Driver;Database=/datos/a.db;LongNames=0;Timeout=1000;NoTXN=0;", "FreeTDS",
                    "DRIVER=SQLite3 ODBC Driver;Database=/datos/a.db;LongNames=0;Timeout=1000;NoTXN=0;", 15},
        MappingCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=E:\\migrar\\a.mdb;Jet OLEDB:Database Password=;", "FreeTDS",
                    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=E:\\migrar\\a.mdb;Jet OLEDB:Database Password=;", 15}));

TEST(OdbcMappingValues, ASeparatorInAPasswordCannotEndIt) {
  ado::provider::ConnectionSpec spec = odbcSpec(QStringLiteral("PROVIDER=SQLOLEDB;Server=S;Database =D;UId=u;"));
  spec.items.insert(QStringLiteral("pwd"), QStringLiteral("a;b}c=d"));
  EXPECT_EQ(odbcTarget(spec, QStringLiteral("FreeTDS")).connectionString,
            "DRIVER=FreeTDS;Server=S;Database=D;UID=u;PWD={a;b}}c=d};TDS_Version=auto;ClientCharset=UTF-8;");
}


TEST(OdbcMappingValues, DriverNameIsReadPastBracesAndCase) {
  EXPECT_EQ(ado::odbc::odbcDriverName("DRIVER={ODBC Driver 18 for SQL Server};Server=x"), "ODBC Driver 18 for SQL Server");
  EXPECT_EQ(ado::odbc::odbcDriverName("Server=x;driver = FreeTDS ;"), "FreeTDS");
  EXPECT_EQ(ado::odbc::odbcDriverName("PWD={a;driver=x}}};DRIVER=Real;"), "Real");
  EXPECT_EQ(ado::odbc::odbcDriverName("DSN=XE;UID=u"), "");
}

TEST(SqlServerDriverSetting, EnvironmentThenConfigurationThenFreeTds) {
  const QByteArray saved = qgetenv(ado::odbc::kSqlServerDriverVariable);
  qunsetenv(ado::odbc::kSqlServerDriverVariable);
  ado::odbc::setConfiguredSqlServerDriver(QString());
  EXPECT_EQ(ado::odbc::sqlServerDriver(), "FreeTDS");
  ado::odbc::setConfiguredSqlServerDriver(" ODBC Driver 18 for SQL Server ");
  EXPECT_EQ(ado::odbc::sqlServerDriver(), "ODBC Driver 18 for SQL Server");
  qputenv(ado::odbc::kSqlServerDriverVariable, "MiDriver");
  EXPECT_EQ(ado::odbc::sqlServerDriver(), "MiDriver");
  ado::odbc::setConfiguredSqlServerDriver(QString());
  if (saved.isNull())
    qunsetenv(ado::odbc::kSqlServerDriverVariable);
  else
    qputenv(ado::odbc::kSqlServerDriverVariable, saved);
}

}  // namespace
