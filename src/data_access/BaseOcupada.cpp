#include "data_access/BaseOcupada.h"

namespace data_access {

QString TextoBaseOcupada(int Segundos, const QString& Consecuencia) {
  const QString espera = Segundos == 1 ? QStringLiteral("el segundo") : QStringLiteral("los %1 segundos").arg(Segundos);
  return QStringLiteral("Otro programa está grabando en la base de datos: no terminó en %1 de espera.\r\n\r\n%2")
      .arg(espera, Consecuencia);
}

}  // namespace data_access
