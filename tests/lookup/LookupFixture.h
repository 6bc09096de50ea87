#pragma once
// A fresh program connected to a fresh suite database, with the lookup
// service configured as start-up configures it: layouts on, the default
// layout file in the test's folder.
#include <vector>

#include "core/LookupLayout.h"
#include "support/CoreFixture.h"

namespace lookup_tests {

class LookupDatabase : public testing_support::CoreDatabase {
 protected:
  void SetUp() override;
  // A fresh program state, connected and configured again: the lookup
  // service reads its settings anew.
  void reinicia();
  // Rewrites the layout file: these records first, then the defaults.
  void layouts(const std::vector<core::MascaraConsulta>& primero);
  // Sets a configuration key.
  void key(const QString& clave, const QString& valor);
  // An article in unit "UN" with its stock in that unit.
  void articulo(const QString& codigo, const QString& descripcion, double puntoPedido = 0, double stock = 0,
                bool suspendido = false);
};

}  // namespace lookup_tests
