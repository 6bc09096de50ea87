#include "import/FalloDeLaBase.h"

#include "data_access/BaseOcupada.h"
#include "data_access/DataAccessState.h"
#include "platform/ado/ConnectionString.h"
#include "platform/runtime/Error.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace importacion {

std::optional<ado::Error> FalloDeLaBase(const ado::Errors& Errores) {
  if (Errores.Count() == 0 || !ado::IsDatabaseFailure(Errores[0])) return std::nullopt;
  return Errores[0];
}

std::optional<ado::Error> FalloDeLaBase(const rt::Error& e, const ado::Errors& Errores) {
  // Entries an earlier failure left are not this one's.
  if (Errores.Count() == 0 || Errores[0].Number != e.Number() || Errores[0].Description != e.Description())
    return std::nullopt;
  return FalloDeLaBase(Errores);
}

bool ReintentaTrasFallo(const ado::Error& Fallo, const QString& Archivo, long long Registro) {
  const ado::Connection& cn = data_access::gDB().gCnn;
  const QString detenida = QStringLiteral("La importación se detuvo en el registro %1 de %2, que no se grabó")
                               .arg(Registro)
                               .arg(Archivo);
  const bool servidor = ado::ParseConnectionString(cn.ConnectionString()).kind != ado::provider::Kind::Sqlite;
  if (servidor && ado::IsConnectionFailure(Fallo)) {
    ui::MsgBox(QStringLiteral("Se perdió la conexión con la base de datos: %1\r\n\r\n%2. Cuando la conexión vuelva, "
                              "abra otra vez el programa e importe de nuevo: se graba lo que falta.")
                   .arg(Fallo.Description, detenida),
               ui::mb::OkOnly | ui::mb::Critical, QStringLiteral("Atencion!"));
    return false;
  }
  const QString consecuencia =
      detenida + QStringLiteral(".\r\n\r\nReintentar lo graba otra vez; Cancelar termina la importación, y al "
                                "importar de nuevo se graba lo que falta.");
  const QString texto =
      Fallo.NativeError == data_access::kEsperaDeBloqueoAgotada
          ? data_access::TextoBaseOcupada(cn.CommandTimeout(), consecuencia)
          : QStringLiteral("No se pudo grabar en la base de datos: %1\r\n\r\n%2").arg(Fallo.Description, consecuencia);
  return ui::MsgBox(texto, ui::mb::RetryCancel | ui::mb::Exclamation, QStringLiteral("Atencion!")) == ui::mb::Retry;
}

QString MarcaDetenido(long long Registro) {
  return QStringLiteral(" ---> DETENIDO en el registro %1 ").arg(Registro);
}

}  // namespace importacion
