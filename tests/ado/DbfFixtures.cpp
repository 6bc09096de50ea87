#include "DbfFixtures.h"

#include <gtest/gtest.h>

namespace dbf_fixtures {

using namespace ado::provider;

std::unique_ptr<Session> openFolder(const QString& folder, const QString& codePage) {
  ConnectionSpec spec;
  spec.kind = Kind::Dbf;
  spec.items.insert(QStringLiteral("provider"), QStringLiteral("vfpoledb.1"));
  spec.items.insert(QStringLiteral("data source"), folder);
  spec.items.insert(QStringLiteral("collating sequence"), QStringLiteral("general"));
  if (!codePage.isEmpty()) spec.items.insert(QStringLiteral("codepage"), codePage);
  spec.text = QStringLiteral("Provider=vfpoledb.1;Data Source=%1;Collating Sequence=general").arg(folder);
  return openDbfSession(spec);
}

Table readAll(Session& session, const QString& sql) {
  Table t;
  auto cursor = session.open(sql);
  t.columns = cursor->columns();
  t.knownCount = cursor->knownCount();
  std::vector<rt::Variant> row;
  while (cursor->next(row)) t.rows.push_back(row);
  return t;
}

Table readTable(const QString& folder, const QString& codePage) {
  return readAll(*openFolder(folder, codePage), QStringLiteral("Select * from [T]"));
}

rt::Variant money(const char* text) { return *rt::Currency::parse(QString::fromLatin1(text)); }

Failure failureOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const Failure& f) {
    return f;
  }
  ADD_FAILURE() << "no failure raised";
  return Failure{0, {}};
}

QString descriptionOf(const Failure& f) { return f.errors.empty() ? QString() : f.errors.front().Description; }

}  // namespace dbf_fixtures
