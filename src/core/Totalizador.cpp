#include "core/Totalizador.h"

#include "core/CoreState.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace core {

long IndiceTotalizador(const QString& Texto) {
  const auto& lista = gCore().ListaTotalizador;
  const QString buscado = rt::Trim(Texto);
  for (size_t i = 0; i < lista.size(); ++i) {
    const QString fila =
        rt::Trim(suite::gUtilidades().QuitaCaracteres(lista[i].Clave, rt::Chr(255), QString(QChar(0))));
    if (rt::EqualsText(fila, buscado)) return static_cast<long>(i);
  }
  return -1;
}

}  // namespace core
