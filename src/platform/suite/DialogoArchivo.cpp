#include "platform/suite/DialogoArchivo.h"

#include "platform/ui/Host.h"

namespace suite {

void DialogoArchivo::MuestraAbrir() {
  ui::FileDialogResult r = ui::host().ShowOpen({Titulo, Filtro, QString(), NombreArchivo});
  Cancelado = r.cancelled ? 1 : 0;
  if (!r.cancelled) NombreArchivo = r.fileName;
}

}  // namespace suite
