#include "platform/ado/ProviderLog.h"

namespace ado {

namespace {
ProviderLog& providerLog() {
  static ProviderLog log;
  return log;
}
}  // namespace

void SetProviderLog(ProviderLog log) { providerLog() = std::move(log); }

void ReportToLog(const QString& source, const QString& text) {
  if (providerLog()) providerLog()(source, text);
}

}  // namespace ado
