#include "import/Avance.h"

#include <QStringBuilder>
#include <algorithm>
#include <cmath>

#include "core/Formatting.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Regional.h"
#include "platform/suite/Library.h"

namespace importacion {

namespace {

// A single-precision figure as the runtime writes it: seven significant
// digits, the regional decimal separator.
QString textoSimple(float value) {
  QString text = QString::number(static_cast<double>(value), 'g', 7).toUpper();
  text.replace(u'.', rt::regional().decimalSeparator);
  return text;
}

}  // namespace

Avance::Avance(const QDateTime& inicio) : inicio_(inicio), inicioTexto_(rt::DateText(inicio)) {}

QString Avance::Texto(long leidos, long total, long grabados, long errores) {
  const QDateTime ahora = rt::Now();
  const long long transcurrido = rt::DateDiffMinutes(inicio_, ahora);
  if (transcurrido != ultimoTranscurrido_) {
    // The records since the minute last changed: a whole clock minute's
    // once that change was itself seen at a minute's start.
    if (cambioVisto_) {
      minutoMedido_ = true;
      porMinuto_ = static_cast<float>(leidos - leidosAlCambio_);
    }
    cambioVisto_ = true;
    leidosAlCambio_ = leidos;
  }
  ultimoTranscurrido_ = transcurrido;
  if (!minutoMedido_) {
    // Until then the pace of the run so far: the records of a partial
    // first minute are no minute's worth.
    const qint64 segundos = std::max<qint64>(1, inicio_.secsTo(ahora));
    porMinuto_ = static_cast<float>(static_cast<double>(leidos) * 60 / static_cast<double>(segundos));
  }
  if (porMinuto_ > 0) {
    const QString minutos = core::FmtMoneda(textoSimple(static_cast<float>(total - leidos) / porMinuto_), -1);
    restante_ = static_cast<float>(suite::gUtilidades().TextoADoble(minutos));
  }
  return QStringLiteral("Leidos ") % QString::number(leidos) % QStringLiteral(" de ") % QString::number(total) %
         QStringLiteral(" Grabados:") % QString::number(grabados) % QStringLiteral(" Errores: ") %
         QString::number(errores) % QStringLiteral("\r\n Inicio: ") % inicioTexto_ %
         QStringLiteral(" transcurrido: ") % textoSimple(static_cast<float>(transcurrido)) %
         QStringLiteral(" Min. Tiempo restante:") % textoSimple(restante_) % QStringLiteral(" Min. (Promedio minuto: ") %
         textoSimple(std::round(porMinuto_)) % QStringLiteral(" )");
}

}  // namespace importacion
