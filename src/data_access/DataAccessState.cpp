#include "data_access/DataAccessState.h"

#include <memory>

#include "data_access/AvisoDeEspera.h"
#include "data_access/ErrorLog.h"
#include "platform/ado/ProviderLog.h"

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
  if (!state().db) {
    state().db = std::make_unique<DB_Dll>();
    // What the providers report for the log alone is a line of the service's
    // log, under the provider's name and with no answer.
    ado::SetProviderLog([](const QString& source, const QString& text) {
      LogError(gDB().gLogErr, QStringLiteral(" - ") + source, text, 0);
    });
    InstalaAvisoDeEspera();
  }
  return *state().db;
}

bool& gConfidencialidad() { return state().confidencialidad; }

void ResetDataAccess() { state() = DataAccessState{}; }

}  // namespace data_access
