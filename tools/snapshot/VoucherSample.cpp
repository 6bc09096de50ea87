#include "VoucherSample.h"

#include <QTemporaryDir>

#include "DemoComprobantes.h"
#include "VentanaComprobante.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/SchemaLoader.h"

bool captureVoucherSamples(const QString& folder, const Capture& capture) {
  QTemporaryDir carpeta;
  const QString base = carpeta.filePath(QStringLiteral("suite.db"));
  ado::sqlite::CreateDatabase(base);
  {
    ado::Connection cn;
    cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=admin;Pwd=;").arg(base));
    demo::LlenaComprobantes(cn);
  }
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = base;
  db.gUsuario = QStringLiteral("admin");
  db.OpenServerADODB();
  if (!db.gOpenFlag) return false;

  bool ok = true;
  for (const char* tipo : {"FC", "FCC", "AJP"}) {
    const QString tc = QString::fromUtf8(tipo);
    ok &= capture(folder, QStringLiteral("VentanaComprobante_") + tc, [&] { demo::MuestraVentanaComprobante(tc); });
  }
  core::ResetCore();
  return ok;
}
