#pragma once
// Helpers of the DBF provider tests: open a folder, read a whole table,
// catch the provider failure of a step.
#include <QString>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/ado/provider/Providers.h"
#include "support/Printers.h"

namespace dbf_fixtures {

struct Table {
  std::vector<ado::provider::ColumnInfo> columns;
  std::vector<std::vector<rt::Variant>> rows;
  long long knownCount = 0;
};

// A DBF session on `folder`; `codePage` adds "CodePage=" to the string.
std::unique_ptr<ado::provider::Session> openFolder(const QString& folder, const QString& codePage = {});
// Every row `sql` gives.
Table readAll(ado::provider::Session& session, const QString& sql);
// Opens `folder` and reads "Select * from [T]".
Table readTable(const QString& folder, const QString& codePage = {});

// An exact amount written as "-1234.5".
rt::Variant money(const char* text);

// The failure `step` raises; an empty one (and a test failure) when none.
ado::provider::Failure failureOf(const std::function<void()>& step);
QString descriptionOf(const ado::provider::Failure& f);

}  // namespace dbf_fixtures
