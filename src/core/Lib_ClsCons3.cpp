#include "core/Lib_ClsCons3.h"

#include "core/Configuration.h"
#include "data_access/DataAccessState.h"
#include "platform/runtime/Text.h"

namespace core {

namespace {
rt::Variant nivel(const QString& clave) {
  const QString valor = Cfg(clave);
  return valor.isEmpty() ? rt::Variant(int16_t{0}) : rt::Variant(valor);
}
}  // namespace

Lib_ClsCons3::Lib_ClsCons3() : CmpsDevueltos(QStringList()), Valores(QStringList()) {
  // A program state without a database (a test, a tool before it
  // connects) holds the instance too; reading would only raise the
  // service's error box.
  if (data_access::gDB().gCnn.State() != ado::adStateOpen) {
    StkNivel1 = StkNivel2 = StkNivel3 = StkNivel4 = QStringLiteral(" ");
    MuestraStock = QStringLiteral(" ");
    return;
  }
  MuestraStock = Cfg(QStringLiteral("MostrarStockenConsultas"));
  StkNivel1 = nivel(QStringLiteral("Stk_Nivel1"));
  StkNivel2 = nivel(QStringLiteral("Stk_Nivel2"));
  StkNivel3 = nivel(QStringLiteral("Stk_Nivel3"));
  StkNivel4 = nivel(QStringLiteral("Stk_Nivel4"));
  gCfgUsaConsultaLike = rt::EqualsText(Cfg(QStringLiteral("UsaConsultaLike")), QStringLiteral("SI"));
}

}  // namespace core
