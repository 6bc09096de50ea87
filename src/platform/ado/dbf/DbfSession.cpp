#include "platform/ado/dbf/DbfSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>

#include "platform/ado/Constants.h"
#include "platform/ado/dbf/CodePage.h"
#include "platform/ado/dbf/DbfCursor.h"
#include "platform/ado/dbf/DbfFailure.h"
#include "platform/ado/dbf/FolderFiles.h"
#include "platform/ado/provider/Providers.h"
#include "platform/runtime/FileErrors.h"

namespace ado::dbf {

namespace {

const QString kTableSuffix = QStringLiteral("dbf");

// The table a "Select * from T" statement names (T, [T], T.DBF); nullopt
// for any other statement.
std::optional<QString> selectedTable(const QString& sql) {
  static const QRegularExpression select(
      QStringLiteral(R"(^\s*select\s+\*\s+from\s+(?:\[([^\]]+)\]|([^\s\[\];]+))\s*;?\s*$)"),
      QRegularExpression::CaseInsensitiveOption);
  const auto m = select.match(sql);
  if (!m.hasMatch()) return std::nullopt;
  QString table = (m.hasCaptured(1) ? m.captured(1) : m.captured(2)).trimmed();
  if (table.endsWith(u'.' + kTableSuffix, Qt::CaseInsensitive)) table.chop(kTableSuffix.size() + 1);
  return table;
}

bool isWrite(const QString& sql) {
  static const QRegularExpression write(
      QStringLiteral(R"(^\s*(insert|update|delete|create|drop|alter|truncate|pack|zap|append|replace)\b)"),
      QRegularExpression::CaseInsensitiveOption);
  return write.match(sql).hasMatch();
}

// A folder whose files cannot be listed is told as such, with the system's
// reason: its tables are not missing, they cannot be seen.
void requireListable(const QString& folder) {
  const int error = listingError(folder);
  if (error == 0) return;
  if (error == ENOENT || error == ENOTDIR)
    fail(errnum::E_FAIL, QStringLiteral("No se encuentra la carpeta de datos %1.").arg(folder));
  fail(errnum::E_FAIL,
       QStringLiteral("No se puede leer la carpeta de datos %1: %2.").arg(folder, rt::SystemErrorText(error)));
}

std::unique_ptr<QIODevice> openForReading(const QString& path) {
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    const int error = errno;
    fail(errnum::E_FAIL,
         QStringLiteral("No se puede abrir el archivo %1: %2.").arg(path, rt::FileErrorText(*file, error)));
  }
  return file;
}

MemoFinder memoFinderFor(const QString& tablePath) {
  return [tablePath](uint8_t version) {
    const QFileInfo table(tablePath);
    const MemoFormat preferred = memoFormatOf(version);
    const MemoFormat other = preferred == MemoFormat::Fpt ? MemoFormat::Dbt : MemoFormat::Fpt;
    const auto nameOf = [&](MemoFormat f) {
      return table.completeBaseName() + (f == MemoFormat::Fpt ? QStringLiteral(".FPT") : QStringLiteral(".DBT"));
    };
    for (MemoFormat format : {preferred, other}) {
      const QString path = findFile(table.path(), nameOf(format));
      if (!path.isEmpty()) return MemoSource{openForReading(path), format, path};
    }
    fail(errnum::E_FAIL, QStringLiteral("No se encuentra el archivo de memos %1 de la tabla %2.")
                             .arg(nameOf(preferred), tablePath));
  };
}

// Rows held in memory (the schema rowsets).
class RowsCursor : public provider::Cursor {
 public:
  RowsCursor(std::vector<provider::ColumnInfo> columns, std::vector<std::vector<rt::Variant>> rows)
      : columns_(std::move(columns)), rows_(std::move(rows)) {}
  const std::vector<provider::ColumnInfo>& columns() const override { return columns_; }
  bool next(std::vector<rt::Variant>& row) override {
    if (at_ >= rows_.size()) return false;
    row = rows_[at_++];
    return true;
  }
  long long knownCount() const override { return static_cast<long long>(rows_.size()); }

 private:
  std::vector<provider::ColumnInfo> columns_;
  std::vector<std::vector<rt::Variant>> rows_;
  size_t at_ = 0;
};

// A restriction of OpenSchema: empty or not text means "any".
bool passes(const std::vector<rt::Variant>& restrictions, size_t index, const QString& value) {
  if (index >= restrictions.size() || !restrictions[index].isString()) return true;
  const QString& wanted = *restrictions[index].stringIf();
  return wanted.isEmpty() || wanted.compare(value, Qt::CaseInsensitive) == 0;
}

}  // namespace

DbfSession::DbfSession(QString folder, std::optional<int> codePage)
    : folder_(std::move(folder)), codePage_(codePage) {}

provider::ExecuteResult DbfSession::execute(const QString& sql) {
  provider::ExecuteResult result;
  result.rows = open(sql);
  return result;
}

std::unique_ptr<provider::Cursor> DbfSession::open(const QString& sql) {
  if (auto table = selectedTable(sql)) return openTable(*table);
  if (isWrite(sql))
    fail(errnum::CommandText,
         QStringLiteral("Las tablas DBF se abren sólo para lectura; no se puede ejecutar: %1").arg(sql.trimmed()));
  fail(errnum::CommandText, QStringLiteral("El proveedor DBF sólo admite instrucciones \"Select * from TABLA\"; "
                                           "no puede ejecutar: %1")
                                .arg(sql.trimmed()));
}

std::unique_ptr<provider::Cursor> DbfSession::openTable(const QString& table) {
  const bool plainName = !table.isEmpty() && !table.contains(u'/') && !table.contains(u'\\');
  const QString path = plainName ? findFile(folder_, table + u'.' + kTableSuffix) : QString();
  if (path.isEmpty()) {
    // The folder may have become unreadable since the connection opened.
    requireListable(folder_);
    fail(errnum::MissingTable, QStringLiteral("No se encuentra la tabla %1 en la carpeta %2.").arg(table, folder_));
  }
  return std::make_unique<DbfCursor>(
      std::make_unique<TableReader>(openForReading(path), path, codePage_, memoFinderFor(path)));
}

std::unique_ptr<provider::RowWriter> DbfSession::writerFor(const QString&, const std::vector<provider::ColumnInfo>&) {
  fail(errnum::NotSupported, QStringLiteral("Las tablas DBF se abren sólo para lectura."));
}

std::unique_ptr<provider::Cursor> DbfSession::schema(int schemaKind, const std::vector<rt::Variant>& restrictions) {
  if (schemaKind != adSchemaTables)
    fail(errnum::NotSupported, QStringLiteral("El proveedor DBF no ofrece el esquema %1.").arg(schemaKind));
  std::vector<provider::ColumnInfo> columns;
  for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE"}) {
    provider::ColumnInfo c;
    c.name = QString::fromLatin1(name);
    c.type = adVarWChar;
    columns.push_back(std::move(c));
  }
  const QString type = QStringLiteral("TABLE");
  std::vector<std::vector<rt::Variant>> rows;
  for (const QString& table : baseNamesWithSuffix(folder_, kTableSuffix))
    if (passes(restrictions, 2, table) && passes(restrictions, 3, type))
      rows.push_back({rt::Variant::null(), rt::Variant::null(), table, type});
  return std::make_unique<RowsCursor>(std::move(columns), std::move(rows));
}

}  // namespace ado::dbf

namespace ado::provider {

std::unique_ptr<Session> openDbfSession(const ConnectionSpec& spec) {
  QString folder = spec.value(QStringLiteral("data source")).trimmed();
  folder.replace(u'\\', u'/');
  while (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
  if (folder.isEmpty())
    dbf::fail(errnum::E_FAIL, QStringLiteral("La cadena de conexión no indica la carpeta de las tablas (Data Source)."));
  dbf::requireListable(folder);

  std::optional<int> codePage;
  const QString page = spec.value(QStringLiteral("codepage")).trimmed();
  if (!page.isEmpty()) {
    bool ok = false;
    codePage = page.toInt(&ok);
    if (!ok || !dbf::TextCodec::forCodePage(*codePage))
      dbf::fail(errnum::E_FAIL,
                QStringLiteral("La página de códigos %1 de la cadena de conexión no es válida en este sistema.")
                    .arg(page));
  }
  return std::make_unique<dbf::DbfSession>(folder, codePage);
}

}  // namespace ado::provider
