// Server databases through unixODBC.
#include "platform/ado/odbc/OdbcConnectionString.h"
#include "platform/ado/odbc/OdbcSession.h"
#include "platform/ado/odbc/SqlServerDriver.h"
#include "platform/ado/provider/Providers.h"

namespace ado::provider {

std::unique_ptr<Session> openOdbcSession(const ConnectionSpec& spec) {
  return odbc::OdbcSession::connect(odbc::odbcTarget(spec, odbc::sqlServerDriver()));
}

}  // namespace ado::provider
