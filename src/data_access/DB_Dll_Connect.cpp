// Opening the service's connection: SQL Server, Oracle or a Jet file, the
// reconnection after a lost connection and the administrator test.
#include "data_access/DB_Dll.h"
#include "data_access/DataAccessState.h"
#include "data_access/ErrorLog.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace data_access {

namespace {

bool isTrue(const rt::Variant& v) {
  if (v.isNull() || v.isEmpty()) return false;
  try {
    return v.toBool();
  } catch (const rt::Error&) {
    return false;
  }
}

QString connectionErrorText(const ado::Error& first) {
  const QString cr(QChar(13));
  return QStringLiteral(" Estado de Sql: ") + first.SQLState + cr + QStringLiteral("Numero de Error: ") +
         QString::number(first.Number) + cr + QStringLiteral("Descripcion: ") + first.Description + cr +
         QStringLiteral("Codigo Nativo: ") + QString::number(first.NativeError) + cr +
         QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

// Every entry, the provider's own words after the first one's, on one line.
QString entriesText(const ado::Errors& errors) {
  QStringList texts;
  for (const ado::Error& e : errors.all())
    texts << QStringLiteral("(%1) %2").arg(e.Number).arg(rt::Trim(e.Description).simplified());
  return texts.join(QStringLiteral(" | "));
}

}  // namespace

void DB_Dll::ArmaCadenaConexion() {
  if (rt::InStr(gServidor, QStringLiteral("#"), rt::Compare::Text) > 0) {
    gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + ado::ConnectionStringValue(gDBName) +
                  QStringLiteral(";User Id=") +
                  ado::ConnectionStringValue(gUsuario) + QStringLiteral(";Password=") +
                  ado::ConnectionStringValue(gUserPassWord) + QStringLiteral(";");
    return;
  }
  gConnString = QString();
  gConnString += QStringLiteral("PROVIDER=") + pSQLOLEDB() + QStringLiteral(";");
  gConnString += QStringLiteral("Server=") + ado::ConnectionStringValue(gServidor) + QStringLiteral(";");
  gConnString += QStringLiteral("Database =") + ado::ConnectionStringValue(gDBName) + QStringLiteral(";");
  gConnString += QStringLiteral("UId=") + ado::ConnectionStringValue(gUsuario) + QStringLiteral(";");
  gConnString += QStringLiteral("Pwd=") + ado::ConnectionStringValue(gUserPassWord) + QStringLiteral(";");
  gConnString += gExtended;
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, int lCursor, const QString& ConnString, bool ValidaAdmin,
                             bool MuestraError) {
  gOpenFlag = true;
  bool reopened = false;  // "already open" is handled once per call
  if (gProveedor.isEmpty()) gProveedor = pSQLOLEDB();

  rt::StepRunner steps([&](const rt::Error& e) {
    bool errorEntries = gCnn.Errors().Count() > 0;
    if (e.Number() == ado::errnum::AlreadyOpen && !reopened && (!MuestraError || !errorEntries)) {
      reopened = true;
      try {
        gCnn.Close();
      } catch (const rt::Error&) {
      }
      return rt::answer::Retry;
    }
    // An opening whose wait for another program the operator ended is his
    // decision: nothing to ask.
    if (errorEntries && ado::IsWaitEnded(gCnn.Errors().all().front())) {
      gOpenFlag = false;
      return rt::answer::Abort;
    }
    if (MuestraError && errorEntries) {
      int answer = ui::MsgBox(connectionErrorText(gCnn.Errors().all().front()), ui::mb::YesNo | ui::mb::Critical,
                              QStringLiteral(" Error de Conexion a Base de Datos"));
      LogError(gLogErr, QStringLiteral(" - OpenServerADODB"), entriesText(gCnn.Errors()), answer);
      if (answer == rt::answer::Yes) {
        gCnn.Errors().Clear();
        if (!MuestraAcceso()) return rt::answer::Abort;
        ArmaCadenaConexion();
        return rt::answer::Retry;
      }
    } else if (MuestraError) {
      ui::MsgBox(e.Description());
    }
    // A failed open is never reported as an open connection.
    gOpenFlag = false;
    return rt::answer::Abort;
  });

  if (rt::Trim(ConnString).isEmpty())
    ArmaCadenaConexion();
  else
    gConnString = ConnString;
  if (PideParametrosSQL) {
    if (!MuestraAcceso()) return;
    ArmaCadenaConexion();
  }

  if (!steps.run([&] { gCnn.setCursorLocation(lCursor); })) return;
  if (!steps.run([&] { gCnn.Open(gConnString, QString(), QString(), -1); })) return;
  if (!ValidaAdmin) {
    gEsAdmin = true;
    return;
  }
  if (rt::Trim(gDBName).isEmpty()) return;
  if (!steps.run([&] { gCnn.setDefaultDatabase(gDBName); })) return;
  steps.run([&] {
    if (!gDB().ExisteTablaDB(QStringLiteral("TA_USUARIOS"))) return;
    if (!MuestraError) {
      gEsAdmin = true;
      return;
    }
    rt::Variant administrador = DatosTabla(QStringLiteral("ta_usuarios"), gUsuario, QStringLiteral("Administrador"),
                                           QStringLiteral("nombre"), 8, QString(), true, false);
    gEsAdmin = rt::Val(administrador.toStringOrEmpty()) == 1;
  });
}

void DB_Dll::ReintentaConectar() {
  rt::StepRunner steps([&](const rt::Error& e) {
    if (e.Number() == ado::errnum::ClosedObject) return rt::answer::Ignore;
    gOpenFlag = false;
    if (e.Number() == ado::errnum::E_FAIL) return rt::answer::Abort;
    return utilidades_.DialogoError(e, QStringLiteral("AbrirRecordset"));
  });
  if (!steps.run([&] { gOpenFlag = false; })) return;
  if (!steps.run([&] { gCnn.setCommandTimeout(5); })) return;
  if (!steps.run([&] { gCnn.Close(); })) return;
  if (!steps.run([&] { gCnn.Open(gCnn.ConnectionString(), QString(), QString(), -1); })) return;
  steps.run([&] { gOpenFlag = true; });
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID, const QString& CadenaPWD) {
  QString passwordClause;
  bool storedPasswordTried = false;
  for (;;) {
    if (rt::Trim(gDBName).isEmpty()) {
      CmdDlg.Titulo = QStringLiteral("Buscar Base de Datos");
      CmdDlg.Filtro = QStringLiteral("Base de Datos de Microsoft Access |*.MDB");
      CmdDlg.MuestraAbrir();
      if (CmdDlg.Cancelado) return;
      gDBName = CmdDlg.NombreArchivo;
    }
    QString cadena = rt::Trim(ConnString).isEmpty()
                         ? QStringLiteral("PROVIDER=") + gProveedor + QStringLiteral(";") + QStringLiteral("Data Source =") +
                               ado::ConnectionStringValue(gDBName) + QStringLiteral(";") + CadenaID +
                               QStringLiteral("=") + ado::ConnectionStringValue(gUsuario) + QStringLiteral(";") +
                               CadenaPWD + QStringLiteral("=") + ado::ConnectionStringValue(gUserPassWord) +
                               QStringLiteral(";") + gExtended
                         : ConnString;
    // The password of a retry joins the end of the string.
    cadena += passwordClause;
    try {
      gCnn.Open(cadena, QString(), QString(), -1);
      gConnString = cadena;
      return;
    } catch (const rt::Error& e) {
      QString state = gCnn.Errors().Count() > 0 ? gCnn.Errors().all().front().SQLState : QString();
      if (state == QStringLiteral("3024") || state == QStringLiteral("3051") || state == QStringLiteral("3044")) {
        // File not found or not openable: the operator chooses another.
        gDBName = QString();
        continue;
      }
      if (state == QStringLiteral("3031")) {
        // Wrong password: the stored one is tried once, an asked one until
        // the operator gives none.
        if (isTrue(gIgnoraPassWord) && !storedPasswordTried) {
          storedPasswordTried = true;
          passwordClause = QStringLiteral("Jet OLEDB:Database Password=") + ado::ConnectionStringValue(gUserPassWord) +
                           QStringLiteral(";");
          continue;
        }
        if (!isTrue(gIgnoraPassWord)) {
          QString password =
              ui::host().InputBox(QStringLiteral("ingrese el password:"), QStringLiteral("Password Access"), QString());
          if (!password.isEmpty()) {
            passwordClause =
                QStringLiteral(" Jet OLEDB:Database Password=") + ado::ConnectionStringValue(password) + QStringLiteral(";");
            continue;
          }
        }
      }
      ui::MsgBox(QString::number(e.Number()) + QStringLiteral("  ") + e.Description(), ui::mb::Critical);
      return;
    }
  }
}

}  // namespace data_access
