#pragma once
#include <QString>

namespace qt {

// "Descripción|patrón|..." pairs as the program writes them, into Qt's
// "Descripción (patrón);;..." (several patterns of one pair, separated by
// ";", become blank-separated).
QString qtFileFilter(const QString& filter);

}  // namespace qt
