#include "core/FormStyle.h"

#include <QFile>

#include "platform/runtime/Environment.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Form.h"
#include "platform/ui/Host.h"

namespace core {

void AplicaEstiloFormulario(ui::Form& Formulario) {
  const QString incorporado = QStringLiteral(":/core/pictures/vxs.png");
  if (QFile::exists(incorporado)) {
    Formulario.Icon = incorporado;
  } else {
    const QString archivo =
        suite::gUtilidades().NormalizaCarpeta(rt::ProgramFolder()) + QStringLiteral("veltrix.ico");
    if (QFile::exists(archivo)) Formulario.Icon = archivo;
  }
  if (rt::EqualsText(Formulario.Name(), QStringLiteral("FRMMDI"))) return;
  suite::gInfoSistema().AplicaAspecto(Formulario);
  // No window of this program carries the suite's toolbars, whose StyleBar
  // would take gEstiloBarras.
  ui::DoEvents();
}

}  // namespace core
