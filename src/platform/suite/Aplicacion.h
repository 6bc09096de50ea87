#pragma once
// The running application as the suite library sees it.
#include <QString>

namespace suite {

class Aplicacion {
 public:
  // Set at start-up to the program folder; the library reads nothing back.
  QString RutaAplicacion;
};

}  // namespace suite
