// Providers not built yet answer like a missing driver.
#include "platform/ado/Constants.h"
#include "platform/ado/provider/Providers.h"

namespace ado::provider {

namespace {
[[noreturn]] void unavailable(const ConnectionSpec& spec) {
  Error e;
  e.Number = errnum::E_FAIL;
  e.Description = QStringLiteral("El proveedor indicado en la cadena de conexión no está disponible: ") + spec.text;
  e.Source = QStringLiteral("ADODB.Connection");
  e.SQLState = QStringLiteral("IM002");
  throw Failure{errnum::E_FAIL, {e}};
}
}  // namespace

std::unique_ptr<Session> openOdbcSession(const ConnectionSpec& spec) { unavailable(spec); }

}  // namespace ado::provider
