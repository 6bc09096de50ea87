#pragma once
// The open-file dialog of the suite library: set the title and filter, show
// it, read the chosen file or the cancel mark.
#include <QString>

namespace suite {

class DialogoArchivo {
 public:
  QString Titulo;
  QString Filtro;  // "Descripción|patrón"
  QString NombreArchivo;
  int Cancelado = 0;

  void MuestraAbrir();
};

}  // namespace suite
