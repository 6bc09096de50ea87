#include "data_access/DataAccessState.h"

#include <memory>

namespace data_access {

namespace {
struct DataAccessState {
  std::unique_ptr<DB_Dll> db;
  bool confidencialidad = false;
};

DataAccessState& state() {
  static DataAccessState s;
  return s;
}
}  // namespace

DB_Dll& gDB() {
  if (!state().db) state().db = std::make_unique<DB_Dll>();
  return *state().db;
}

bool& gConfidencialidad() { return state().confidencialidad; }

void ResetDataAccess() { state() = DataAccessState{}; }

}  // namespace data_access
