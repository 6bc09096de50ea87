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
  // Rewrites the layout file: these records first, then the defaults.
  void layouts(const std::vector<core::MascaraConsulta>& primero);
  // Sets a configuration key.
  void key(const QString& clave, const QString& valor);
};

}  // namespace lookup_tests
