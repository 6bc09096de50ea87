#include "NumberingFixture.h"

#include <QFile>

#include "core/library/Library.h"
#include "data_access/DataAccessState.h"
#include "numbering/NumberingState.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "support/SuiteDatabase.h"

namespace testing_support {

namespace {
void ResetProgram() {
  data_access::ResetDataAccess();
  library::ResetLibrary();
  numbering::ResetNumbering();
}
}  // namespace

void NumberingFixture::SetUp() {
  HostFixture::SetUp();
  ResetProgram();
  rt::SetProgramFolder(folder.path());
  rt::SetClock(now);
}

void NumberingFixture::TearDown() {
  ResetProgram();
  rt::SetClock(nullptr);
  rt::SetProgramFolder(QString());
  HostFixture::TearDown();
}

QDateTime NumberingFixture::now() { return rt::MakeDate(2024, 3, 15, 14, 5, 9); }

QStringList NumberingFixture::errorLog() const {
  QFile f(folder.file("VXERR.LOG"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void NumberingDatabase::SetUp() {
  NumberingFixture::SetUp();
  path = NewSuiteDatabase(folder);
  cn.Open(EmbeddedConnectionString(path));
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = path;
  db.gUsuario = QStringLiteral("Ana");
  db.OpenServerADODB();
  ASSERT_TRUE(db.gOpenFlag);
}

void NumberingDatabase::TearDown() {
  if (cn.State() != ado::adStateClosed) cn.Close();
  NumberingFixture::TearDown();
}

void NumberingDatabase::exec(const QString& sql) {
  try {
    cn.Execute(sql);
  } catch (const rt::Error& e) {
    ADD_FAILURE() << sql.toStdString() << ": " << e.what();
  }
}

rt::Variant NumberingDatabase::scalar(const QString& sql) {
  ado::Recordset rs = cn.Execute(sql);
  return rs.EOF() ? rt::Variant() : rs.Fields(0).Value();
}

QStringList NumberingDatabase::rows(const QString& sql) {
  QStringList out;
  ado::Recordset rs = cn.Execute(sql);
  while (!rs.EOF()) {
    QStringList values;
    for (int i = 0; i < rs.FieldCount(); ++i) {
      rt::Variant v = rs.Fields(i).Value();
      values << (v.isNull() ? QStringLiteral("<null>") : v.toString());
    }
    out << values.join(u'|');
    rs.MoveNext();
  }
  return out;
}

}  // namespace testing_support
