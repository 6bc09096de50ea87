#include "platform/ado/odbc/Link.h"

#include <locale.h>
#include <sqlext.h>

#include <vector>

#include "platform/ado/Constants.h"
#include "platform/ado/odbc/Diagnostics.h"
#include "platform/ado/odbc/OdbcConnectionString.h"
#include "platform/ado/odbc/Statement.h"
#include "platform/ado/odbc/Wide.h"

namespace ado::odbc {

namespace {

// One ODBC 3 environment for the whole program; connections may be open at
// exit (the program-wide services), so it is never freed.
SQLHENV environment() {
  static SQLHENV env = [] {
    SQLHENV h = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h)))
      throw providerFailure(errnum::E_FAIL, QStringLiteral("No se pudo iniciar el administrador de controladores ODBC."));
    SQLSetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    return h;
  }();
  return env;
}

bool driverRegistered(const QString& name) {
  SQLWCHAR description[512];
  SQLSMALLINT length = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (SQL_SUCCEEDED(SQLDriversW(environment(), direction, description, 512, &length, nullptr, 0, nullptr))) {
    if (fromWideBuffer(description, 512, length).compare(name, Qt::CaseInsensitive) == 0) return true;
    direction = SQL_FETCH_NEXT;
  }
  return false;
}

// unixODBC reports a driver it cannot find as "Can't open lib" (01000);
// callers and operators expect the driver manager's IM002 for it.
void reportMissingDriver(const QString& connectionString, std::vector<Error>& records) {
  const QString driver = odbcDriverName(connectionString);
  if (driver.isEmpty() || driver.contains(u'/') || driverRegistered(driver)) return;
  Error e;
  e.Number = errnum::E_FAIL;
  e.SQLState = QStringLiteral("IM002");
  e.Source = QString::fromUtf16(kSource);
  e.Description = QStringLiteral("El controlador ODBC \"%1\" no está instalado o no está registrado en odbcinst.ini.").arg(driver);
  records.insert(records.begin(), e);
}

// unixODBC chooses the narrow character set of a connection, which drivers
// without wide calls (the SQLite one) receive and return, from the locale
// in force when the connection is allocated: UTF-8 here, whatever the
// process locale, so accented letters are never cut to bytes.
class Utf8NarrowText {
 public:
  Utf8NarrowText() : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {
    if (utf8_) previous_ = uselocale(utf8_);
  }
  ~Utf8NarrowText() {
    if (!utf8_) return;
    uselocale(previous_);
    freelocale(utf8_);
  }
  Utf8NarrowText(const Utf8NarrowText&) = delete;
  Utf8NarrowText& operator=(const Utf8NarrowText&) = delete;

 private:
  locale_t utf8_;
  locale_t previous_ = LC_GLOBAL_LOCALE;
};

}  // namespace

std::shared_ptr<Link> Link::connect(const QString& connectionString, int loginTimeoutSeconds) {
  std::shared_ptr<Link> link(new Link);
  SQLHENV env = environment();
  const Utf8NarrowText utf8;
  check(SQLAllocHandle(SQL_HANDLE_DBC, env, &link->dbc_), SQL_HANDLE_ENV, env);
  SQLSetConnectAttr(link->dbc_, SQL_ATTR_LOGIN_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginTimeoutSeconds)), 0);
  SQLRETURN r = SQLDriverConnectW(link->dbc_, nullptr, wide(connectionString), SQL_NTS, nullptr, 0, nullptr,
                                  SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(r)) {
    std::vector<Error> records = diagnosticRecords(SQL_HANDLE_DBC, link->dbc_);
    reportMissingDriver(connectionString, records);
    SQLFreeHandle(SQL_HANDLE_DBC, link->dbc_);
    link->dbc_ = SQL_NULL_HDBC;
    throw failureOf(std::move(records));
  }
  const QString dbms = link->info(SQL_DBMS_NAME);
  if (dbms.contains(u"SQL Server", Qt::CaseInsensitive))
    link->dbms_ = Dbms::SqlServer;
  else if (dbms.contains(u"Oracle", Qt::CaseInsensitive))
    link->dbms_ = Dbms::Oracle;
  else if (dbms.contains(u"SQLite", Qt::CaseInsensitive))
    link->dbms_ = Dbms::Sqlite;
  link->catalogs_ = link->info(SQL_CATALOG_NAME) == u"Y";
  link->quote_ = link->info(SQL_IDENTIFIER_QUOTE_CHAR).trimmed();
  return link;
}

Link::~Link() { close(); }

void Link::close() {
  if (dbc_ == SQL_NULL_HDBC) return;
  SQLDisconnect(dbc_);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
  dbc_ = SQL_NULL_HDBC;
}

SQLHDBC Link::handle() const {
  if (dbc_ == SQL_NULL_HDBC)
    throw providerFailure(errnum::ConnectionUnusable, QStringLiteral("La conexión con la base de datos está cerrada."));
  return dbc_;
}

Statement Link::statement() const { return Statement(handle(), commandTimeout_); }

QString Link::info(SQLUSMALLINT item) const {
  SQLWCHAR buffer[256] = {};
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(SQLGetInfoW(handle(), item, buffer, sizeof buffer, &length))) return QString();
  return fromWideBuffer(buffer, 256, length / static_cast<SQLSMALLINT>(sizeof(SQLWCHAR)));
}

}  // namespace ado::odbc
