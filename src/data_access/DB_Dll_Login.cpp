// The login dialog on the way to a server connection.
#include "data_access/DB_Dll.h"
#include "data_access/DialogoAcceso.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {
DialogoAcceso& dialogoAcceso() {
  static DialogoAcceso dialogo;
  return dialogo;
}
}  // namespace

void EstableceDialogoAcceso(DialogoAcceso dialogo) { dialogoAcceso() = std::move(dialogo); }

bool DB_Dll::MuestraAcceso() {
  DatosAcceso datos{gDBName, gServidor, gUsuario, gUserPassWord, 0};
  const DialogoAcceso& dialogo = dialogoAcceso();
  if (dialogo && dialogo(datos)) {
    gOpenFlag = true;
    gDBName = datos.BaseDatos;
    gServidor = datos.Servidor;
    gUsuario = datos.Usuario;
    gUserPassWord = datos.Clave;
    if (datos.Plataforma > 0) {
      gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
      if (rt::InStr(gServidor, QStringLiteral("#"), rt::Compare::Text) == 0) gServidor = u'#' + gServidor;
    } else {
      gProveedor = pSQLOLEDB();
    }
  } else {
    gOpenFlag = false;
  }
  return gOpenFlag;
}

}  // namespace data_access
