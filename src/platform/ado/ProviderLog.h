#pragma once
// What a provider reports for the program's error log alone: what the
// operator is not shown, or not when it happens, and must not be lost
// (SQLite's own words on a damaged file, under the Spanish text of the box;
// an embedded database that could not be brought up to date when it
// opened). The database service, which keeps the log, hands the function
// that writes it; with none handed the reports go nowhere.
#include <QString>
#include <functional>

namespace ado {

// `source` names who reports ("SQLite"), `text` what happened.
using ProviderLog = std::function<void(const QString& source, const QString& text)>;

void SetProviderLog(ProviderLog log);
void ReportToLog(const QString& source, const QString& text);

}  // namespace ado
