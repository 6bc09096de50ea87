#include "core/CoreState.h"

#include <memory>

#include "core/forms/Forms.h"
#include "data_access/DataAccessState.h"
#include "platform/suite/Library.h"

namespace core {

namespace {

struct Objects {
  CoreState state;
  std::unique_ptr<data_access::DB_Dll> estadisticas;
  std::unique_ptr<data_access::DB_Dll> auxiliar;
  std::unique_ptr<Lib_ClsCons3> consultas;
};

Objects& objects() {
  static Objects o;
  return o;
}

}  // namespace

CoreState& gCore() { return objects().state; }

data_access::DB_Dll& gDBEstadisticas() {
  auto& db = objects().estadisticas;
  if (!db) db = std::make_unique<data_access::DB_Dll>();
  return *db;
}

data_access::DB_Dll& gDBAuxiliar() {
  auto& db = objects().auxiliar;
  if (!db) db = std::make_unique<data_access::DB_Dll>();
  return *db;
}

Lib_ClsCons3& gConsultas() {
  auto& c = objects().consultas;
  if (!c) c = std::make_unique<Lib_ClsCons3>();
  return *c;
}

void ResetCore() {
  objects().estadisticas.reset();
  objects().auxiliar.reset();
  objects().consultas.reset();
  objects().state = CoreState{};
  data_access::ResetDataAccess();
  suite::ResetLibrary();
  ResetForms();
}

}  // namespace core
