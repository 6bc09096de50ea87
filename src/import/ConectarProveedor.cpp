// The source connection: the provider is chosen by the file's extension.
#include "import/ImportSql.h"
#include "import/Importar.h"
#include "import/RegistroOrigen.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace importacion {

void Importar::ConectarProveedor(QString& Tabla) {
  ado::Connection& cn = conexionOrigen();
  rt::StepRunner steps([&](const rt::Error& e) {
    if (e.Number() == ado::errnum::ClosedObject) return rt::answer::Ignore;
    if (e.Number() == ado::errnum::AlreadyOpen) {
      cierraOrigen();
      return rt::answer::Retry;
    }
    return suite::gUtilidades().DialogoError(e);
  });

  QString carpeta, archivo, extension, nombre, cadena;
  if (!steps.run([&] { suite::gUtilidades().SeparaRuta(Tabla, carpeta, archivo, extension, nombre); })) return;
  if (!steps.run([&] { cadena = sql::CadenaConexionOrigen(extension, carpeta, Tabla); })) return;
  if (cadena.isEmpty()) return;

  // Errors of an earlier opening are not this one's.
  const auto abre = [&] {
    cn.Errors().Clear();
    cn.Open(cadena);
  };

  if (rt::EqualsText(extension, QStringLiteral("dbf"))) {
    QString fuente;
    if (!steps.run([&] {
          fuente = QStringLiteral("Select * from [") + rt::Left(archivo, rt::InStr(archivo, QStringLiteral(".")) - 1) +
                   u']';
        }))
      return;
    if (!steps.run(abre)) return;
    bool fallo = false;
    if (!steps.run([&] {
          fallo = cn.Errors().Count() > 0;
          if (fallo) ui::MsgBox(cn.Errors()[0].Description, ui::mb::OkOnly);
        }))
      return;
    if (fallo) return;
    if (!rsPrueba_) rsPrueba_ = std::make_unique<ado::Recordset>();
    // A first record with a bad value still means the table opens: the
    // importer rejects that record.
    if (!steps.run([&] { MueveAlRegistro(cn, [&] { rsPrueba_->Open(fuente, cn); }); })) return;
    steps.run([&] {
      if (cn.Errors().Count() == 0) rsPrueba_->Close();
    });
    return;
  }

  if (!steps.run(abre)) return;
  bool abierta = false;
  if (!steps.run([&] {
        abierta = cn.Errors().Count() == 0 || cn.Errors()[0].NativeError == 0;
        if (!abierta) ui::MsgBox(cn.Errors()[0].Description, ui::mb::OkOnly);
      }))
    return;
  if (!abierta) return;
  steps.run([&] { txtFields(1).Text = cadena; });
}

}  // namespace importacion
