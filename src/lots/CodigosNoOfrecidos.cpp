#include "lots/CodigosNoOfrecidos.h"

#include <algorithm>

#include "platform/runtime/Text.h"

namespace lots {

CodigosNoOfrecidos::CodigosNoOfrecidos(QString aviso, QString prohibidos)
    : aviso_(std::move(aviso)), prohibidos_(std::move(prohibidos)) {}

bool CodigosNoOfrecidos::excluye(const QString& codigo) {
  if (std::none_of(prohibidos_.begin(), prohibidos_.end(), [&](QChar c) { return codigo.contains(c); }))
    return false;
  if (!codigos_.contains(codigo)) codigos_ << codigo;
  return true;
}

QString CodigosNoOfrecidos::aviso() const {
  return codigos_.isEmpty() ? QString() : aviso_ + codigos_.join(QStringLiteral(", "));
}

CodigosNoOfrecidos LotesOSeriesNoOfrecidos() {
  const QString y(rt::Chr(255));
  return CodigosNoOfrecidos(
      QStringLiteral("No se ofrecen los lotes o series que contienen los caracteres \"|\" o \"") + y + QStringLiteral("\": "),
      QStringLiteral("|") + y);
}

CodigosNoOfrecidos PosicionesNoOfrecidas() {
  return CodigosNoOfrecidos(
      QStringLiteral("No se ofrecen las posiciones que contienen los caracteres \"|\" o \"*\": "), QStringLiteral("|*"));
}

}  // namespace lots
