#include "ImportDatabase.h"

#include "support/SuiteDatabase.h"

namespace testing_support {

void ImportDatabase::SetUp() {
  CoreDatabase::SetUp();
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador, UNegocio) VALUES ('operador', 1, '   1')");
  connectAs("operador");
}

void ImportDatabase::define(const QString& sql) { DefineInDatabase(path, sql); }

}  // namespace testing_support
