#include "support/ServiceDatabase.h"

#include "support/SuiteDatabase.h"

namespace testing_support {

void ServiceDatabase::SetUp() {
  ServiceFixture::SetUp();
  path = NewSuiteDatabase(folder);
  cn.Open(EmbeddedConnectionString(path));
}

void ServiceDatabase::TearDown() {
  if (cn.State() != ado::adStateClosed) cn.Close();
  ServiceFixture::TearDown();
}

void ServiceDatabase::connectAs(const QString& user) {
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = path;
  db.gUsuario = user;
  db.gUserPassWord = QString();
  db.OpenServerADODB();
  ASSERT_TRUE(db.gOpenFlag);
}

void ServiceDatabase::exec(const QString& sql) {
  try {
    cn.Execute(sql);
  } catch (const rt::Error& e) {
    ADD_FAILURE() << sql.toStdString() << ": " << e.what();
  }
}

rt::Variant ServiceDatabase::scalar(const QString& sql) {
  ado::Recordset rs = cn.Execute(sql);
  return rs.EOF() ? rt::Variant() : rs.Fields(0).Value();
}

}  // namespace testing_support
