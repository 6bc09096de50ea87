#include "support/SuiteDatabase.h"

#include <sqlite3.h>

#include <QFile>

#include "platform/ado/sqlite/Database.h"
#include "platform/ado/sqlite/SchemaLoader.h"
#include "platform/runtime/Error.h"

namespace testing_support {

namespace {
const QString& schemaTemplate() {
  static TempFolder folder;
  static const QString path = [] {
    QString p = folder.file(QStringLiteral("template.db"));
    ado::sqlite::CreateDatabase(p);
    return p;
  }();
  return path;
}
}  // namespace

QString NewSuiteDatabase(const TempFolder& folder, const QString& name) {
  const QString path = folder.file(name);
  if (!QFile::copy(schemaTemplate(), path)) ADD_FAILURE() << "cannot copy the schema template to " << path.toStdString();
  return path;
}

QString EmbeddedConnectionString(const QString& database) {
  return QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=sa;Pwd=;").arg(database);
}

SuiteDatabaseTest::SuiteDatabaseTest() : path(NewSuiteDatabase(folder)) { cn.Open(EmbeddedConnectionString(path)); }

void SuiteDatabaseTest::exec(const QString& sql) {
  try {
    cn.Execute(sql);
  } catch (const rt::Error& e) {
    ADD_FAILURE() << sql.toStdString() << ": " << e.what();
  }
}

QString RunInDatabase(const QString& path, const QString& sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
  QString error;
  if (ado::sqlite::ConfigureConnection(db) != SQLITE_OK ||
      sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
    error = QString::fromUtf8(sqlite3_errmsg(db));
  sqlite3_close_v2(db);
  return error;
}

void DefineInDatabase(const QString& path, const QString& sql) {
  const QString error = RunInDatabase(path, sql);
  if (!error.isEmpty()) ADD_FAILURE() << sql.toStdString() << ": " << error.toStdString();
}

void SuiteDatabaseTest::define(const QString& sql) { DefineInDatabase(path, sql); }

long RowsInFileAlone(const QString& path, const QString& table) {
  const TempFolder copia;
  const QString archivo = copia.file(QStringLiteral("sin_registro.db"));
  if (!QFile::copy(path, archivo)) ADD_FAILURE() << "cannot copy " << path.toStdString();
  sqlite3* db = nullptr;
  sqlite3_open_v2(archivo.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
  ado::sqlite::ConfigureConnection(db);
  sqlite3_stmt* st = nullptr;
  long rows = -1;
  if (sqlite3_prepare_v2(db, ("SELECT COUNT(*) FROM " + table).toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK &&
      sqlite3_step(st) == SQLITE_ROW)
    rows = static_cast<long>(sqlite3_column_int64(st, 0));
  else
    ADD_FAILURE() << sqlite3_errmsg(db);
  sqlite3_finalize(st);
  sqlite3_close_v2(db);
  return rows;
}

void DamageTable(const QString& path, const QString& table) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db,
                     "SELECT rootpage, (SELECT page_size FROM pragma_page_size()) FROM sqlite_master WHERE name = ?",
                     -1, &statement, nullptr);
  const QByteArray name = table.toUtf8();
  sqlite3_bind_text(statement, 1, name.constData(), -1, SQLITE_TRANSIENT);
  sqlite3_step(statement);
  const qint64 page = sqlite3_column_int64(statement, 0);
  const qint64 pageSize = sqlite3_column_int64(statement, 1);
  sqlite3_finalize(statement);
  sqlite3_close(db);
  if (page == 0) ADD_FAILURE() << "no table " << table.toStdString() << " in " << path.toStdString();
  QFile file(path);
  file.open(QIODevice::ReadWrite);
  file.seek((page - 1) * pageSize);
  file.write(QByteArray(64, '\xFF'));
}

QString NewDamagedSuiteDatabase(const TempFolder& folder) {
  const QString path = NewSuiteDatabase(folder, QStringLiteral("dañada.db"));
  DamageTable(path, QStringLiteral("TA_USUARIOS"));
  return path;
}

void MarkReadOnly(const QString& path) {
  // The last connection closed has folded its log into the file.
  if (QFile(path + QStringLiteral("-wal")).exists()) ADD_FAILURE() << "a connection is still open on " << path.toStdString();
  QFile f(path);
  if (!f.open(QIODevice::ReadWrite) || !f.seek(18) || f.write("\x03", 1) != 1)
    ADD_FAILURE() << "cannot mark " << path.toStdString() << " read-only";
}

rt::Variant SuiteDatabaseTest::scalar(const QString& sql) {
  ado::Recordset rs = cn.Execute(sql);
  return rs.EOF() ? rt::Variant() : rs.Fields(0).Value();
}

}  // namespace testing_support
