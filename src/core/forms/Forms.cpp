#include "core/forms/Forms.h"

#include <memory>

namespace core {

namespace {
std::unique_ptr<frmAcceso>& acceso() {
  static std::unique_ptr<frmAcceso> form;
  return form;
}
}  // namespace

frmAcceso& gfrmAcceso() {
  if (!acceso()) acceso() = std::make_unique<frmAcceso>();
  return *acceso();
}

bool PideAccesoBaseDatos(data_access::DatosAcceso& datos) {
  frmAcceso& acceso = gfrmAcceso();
  acceso.Load();
  acceso.TxtDbName.Text = datos.BaseDatos;
  acceso.TxtServidor.Text = datos.Servidor;
  acceso.TxtUserId.Text = datos.Usuario;
  acceso.TxtUserPassword.Text = datos.Clave;
  acceso.CboPlataformaDB.ListIndex = datos.Plataforma;
  acceso.Show(ui::vbModal);
  const bool aceptado = acceso.Aceptar;
  if (aceptado) {
    datos.BaseDatos = acceso.TxtDbName.Text;
    datos.Servidor = acceso.TxtServidor.Text;
    datos.Usuario = acceso.TxtUserId.Text;
    datos.Clave = acceso.TxtUserPassword.Text;
    datos.Plataforma = acceso.CboPlataformaDB.ListIndex;
  }
  acceso.Unload();
  return aceptado;
}

void ResetForms() { acceso().reset(); }

}  // namespace core
