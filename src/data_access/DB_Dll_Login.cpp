// The login dialog on the way to a server connection.
#include "core/forms/Forms.h"
#include "data_access/DB_Dll.h"
#include "platform/runtime/Text.h"

namespace data_access {

bool DB_Dll::MuestraAcceso() {
  core::frmAcceso& acceso = core::gfrmAcceso();
  acceso.Load();
  acceso.TxtDbName.Text = gDBName;
  acceso.TxtServidor.Text = gServidor;
  acceso.TxtUserId.Text = gUsuario;
  acceso.TxtUserPassword.Text = gUserPassWord;
  acceso.CboPlataformaDB.ListIndex = 0;
  acceso.Show(ui::vbModal);
  if (acceso.Aceptar) {
    gOpenFlag = true;
    gDBName = acceso.TxtDbName.Text;
    gServidor = acceso.TxtServidor.Text;
    gUsuario = acceso.TxtUserId.Text;
    gUserPassWord = acceso.TxtUserPassword.Text;
    if (acceso.CboPlataformaDB.ListIndex > 0) {
      gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
      if (rt::InStr(gServidor, QStringLiteral("#"), rt::Compare::Text) == 0) gServidor = u'#' + gServidor;
    } else {
      gProveedor = pSQLOLEDB();
    }
  } else {
    gOpenFlag = false;
  }
  acceso.Unload();
  return gOpenFlag;
}

}  // namespace data_access
