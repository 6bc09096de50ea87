#include "SampleDatabase.h"

#include <QTemporaryDir>

#include "data_access/DataAccessState.h"
#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/SchemaLoader.h"

bool ConectaBaseDeMuestra(const QTemporaryDir& carpeta, const std::function<void(ado::Connection&)>& llena) {
  const QString base = carpeta.filePath(QStringLiteral("suite.db"));
  ado::sqlite::CreateDatabase(base);
  {
    ado::Connection cn;
    cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=admin;Pwd=;").arg(base));
    llena(cn);
  }
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = base;
  db.gUsuario = QStringLiteral("admin");
  db.OpenServerADODB();
  return db.gOpenFlag;
}
