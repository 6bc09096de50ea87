#include "platform/qt/AccessKeys.h"

namespace qt {

QString withoutAccessKey(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return caption;
}

}  // namespace qt
