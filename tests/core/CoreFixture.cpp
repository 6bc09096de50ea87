#include "CoreFixture.h"

#include <QFile>

#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/ProgramEnd.h"
#include "support/SuiteDatabase.h"

namespace testing_support {

void CoreFixture::SetUp() {
  HostFixture::SetUp();
  core::ResetCore();
  rt::SetProgramFolder(folder.path());
  rt::SetClock(now);
  rt::SetProgramEnd([this] { ++programEnds; });
}

void CoreFixture::TearDown() {
  core::ResetCore();
  rt::SetProgramEnd(nullptr);
  rt::SetClock(nullptr);
  rt::SetProgramFolder(QString());
  rt::SetCommandLine(QString());
  HostFixture::TearDown();
}

QDateTime CoreFixture::now() { return rt::MakeDate(2024, 3, 15, 14, 5, 9); }

QByteArray CoreFixture::readFile(const QString& path) const {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void CoreDatabase::SetUp() {
  CoreFixture::SetUp();
  path = NewSuiteDatabase(folder);
  cn.Open(EmbeddedConnectionString(path));
}

void CoreDatabase::TearDown() {
  if (cn.State() != ado::adStateClosed) cn.Close();
  CoreFixture::TearDown();
}

void CoreDatabase::connectAs(const QString& user) {
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = path;
  db.gUsuario = user;
  db.gUserPassWord = QString();
  db.OpenServerADODB();
  ASSERT_TRUE(db.gOpenFlag);
  core::gCore().gUsuarioLogeado = user;
}

QString CoreDatabase::createStatisticsDatabase() { return NewSuiteDatabase(folder, QStringLiteral("VX_ESTADISTICAS.db")); }

void CoreDatabase::exec(const QString& sql) {
  try {
    cn.Execute(sql);
  } catch (const rt::Error& e) {
    ADD_FAILURE() << sql.toStdString() << ": " << e.what();
  }
}

rt::Variant CoreDatabase::scalar(const QString& sql) {
  ado::Recordset rs = cn.Execute(sql);
  return rs.EOF() ? rt::Variant() : rs.Fields(0).Value();
}

QStringList CoreDatabase::rows(const QString& sql) {
  QStringList out;
  ado::Recordset rs = cn.Execute(sql);
  for (; !rs.EOF(); rs.MoveNext()) {
    QStringList values;
    for (int i = 0; i < rs.FieldCount(); ++i) {
      const rt::Variant v = rs.Fields(i).Value();
      values << (v.isNull() ? QStringLiteral("<null>") : v.toString());
    }
    out << values.join(u'|');
  }
  return out;
}

}  // namespace testing_support
