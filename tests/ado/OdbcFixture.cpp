#include "ado/OdbcFixture.h"

namespace testing_support {

ado::provider::ConnectionSpec odbcSpec(const QString& text) {
  ado::provider::ConnectionSpec spec;
  spec.kind = ado::provider::Kind::Odbc;
  spec.text = text;
  for (const QString& item : text.split(u';', Qt::SkipEmptyParts)) {
    const qsizetype eq = item.indexOf(u'=');
    if (eq > 0) spec.items.insert(item.left(eq).trimmed().toLower(), item.mid(eq + 1).trimmed());
  }
  return spec;
}

std::optional<ado::provider::Failure> failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ado::provider::Failure& f) {
    return f;
  }
  return std::nullopt;
}

std::vector<std::vector<rt::Variant>> rowsOf(ado::provider::Cursor& cursor) {
  std::vector<std::vector<rt::Variant>> rows;
  std::vector<rt::Variant> row;
  while (cursor.next(row)) rows.push_back(row);
  return rows;
}

QString OdbcFixture::connectionString() const {
  return QStringLiteral("DRIVER=SQLite3;Database=%1;").arg(folder.file(QStringLiteral("datos.db")));
}

std::unique_ptr<ado::provider::Session> OdbcFixture::connect() const {
  try {
    return ado::provider::openOdbcSession(odbcSpec(connectionString()));
  } catch (const ado::provider::Failure& f) {
    ADD_FAILURE() << "The SQLite3 ODBC driver does not answer (run scripts/setup): "
                  << (f.errors.empty() ? std::string() : f.errors.front().Description.toStdString());
    throw;
  }
}

void OdbcFixture::run(std::initializer_list<const char*> statements) {
  for (const char* s : statements) session->execute(QString::fromUtf8(s));
}

rt::Variant OdbcFixture::scalar(const QString& sql) {
  auto rows = session->open(sql);
  std::vector<rt::Variant> row;
  if (!rows || !rows->next(row) || row.empty()) return rt::Variant();
  return row.front();
}

}  // namespace testing_support
