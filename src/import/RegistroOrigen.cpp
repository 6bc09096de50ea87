#include "import/RegistroOrigen.h"

#include "core/Batch.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Constants.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"

namespace importacion {

std::optional<QString> MueveAlRegistro(ado::Connection& Origen, const std::function<void()>& mueve) {
  // Entries of an earlier failure are not this move's.
  Origen.Errors().Clear();
  try {
    mueve();
    return std::nullopt;
  } catch (const rt::Error&) {
    const ado::Errors& errores = Origen.Errors();
    if (errores.Count() == 0 || !errores[0].SQLState.startsWith(QLatin1String(ado::kSqlStateClassRowData))) throw;
    QString motivo = errores[0].Description;
    Origen.Errors().Clear();
    return motivo;
  }
}

long long NumeroEnTabla(const ado::Recordset& Origen) {
  return static_cast<long long>(Origen.Bookmark().toDouble());
}

void RegistraRechazo(const QString& Archivo, long long Registro, const QString& Motivo) {
  // The reason's own full stop gives way to the sentence that follows it.
  QString motivo = Motivo.trimmed();
  while (motivo.endsWith(u'.')) motivo.chop(1);
  core::EscribeErrorAux(QString(), QString(), 0,
                        Archivo + QStringLiteral(" registro ") + QString::number(Registro) + QStringLiteral(": ") +
                            motivo + QStringLiteral("; el registro no se importó."));
}

}  // namespace importacion
