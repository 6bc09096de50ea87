#include "import/Avance.h"

#include <QStringBuilder>

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
  const long long transcurrido = rt::DateDiffMinutes(inicio_, rt::Now());
  if (transcurrido != ultimoTranscurrido_) {
    porMinuto_ = static_cast<float>(leidos - leidosAlCambio_);
    leidosAlCambio_ = leidos;
  } else if (transcurrido == 0) {
    porMinuto_ = static_cast<float>(leidos);
  }
  ultimoTranscurrido_ = transcurrido;
  if (porMinuto_ > 0) {
    const QString minutos = core::FmtMoneda(textoSimple(static_cast<float>(total - leidos) / porMinuto_), -1);
    restante_ = static_cast<float>(suite::gUtilidades().TextoADoble(minutos));
  }
  return QStringLiteral("Leidos ") % QString::number(leidos) % QStringLiteral(" de ") % QString::number(total) %
         QStringLiteral(" Grabados:") % QString::number(grabados) % QStringLiteral(" Errores: ") %
         QString::number(errores) % QStringLiteral("\r\n Inicio: ") % inicioTexto_ %
         QStringLiteral(" transcurrido: ") % textoSimple(static_cast<float>(transcurrido)) %
         QStringLiteral(" Min. Tiempo restante:") % textoSimple(restante_) % QStringLiteral(" Min. (Promedio minuto: ") %
         textoSimple(porMinuto_) % QStringLiteral(" )");
}

}  // namespace importacion
