#include "core/TextHelpers.h"

#include <algorithm>

#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace core {

QString LimpiaTexto(const rt::Variant& Texto) {
  return rt::Trim(suite::gUtilidades().QuitaCaracteres(Texto.toString(), QString(QChar(0)), rt::Chr(255),
                                                         QString(QChar(10))));
}

int BuscaEnVector(const std::vector<QString>& Vector, const QString& Texto, int Inicio) {
  for (size_t i = static_cast<size_t>(std::max(Inicio, 0)); i < Vector.size(); ++i)
    if (rt::EqualsText(Vector[i], Texto)) return static_cast<int>(i);
  return -1;
}

}  // namespace core
