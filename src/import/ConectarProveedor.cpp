// The source connection: the provider is chosen by the file's extension.
#include "import/ImportSql.h"
#include "import/Importar.h"
#include "import/RegistroOrigen.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

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
  // The error dialog is the one box of a failure: a step it did not get
  // done, whatever the answer, leaves the source closed and the run ends
  // there. Retry runs the step again.
  QString carpeta, archivo, extension, nombre, cadena;
  if (!steps.done([&] { suite::gUtilidades().SeparaRuta(Tabla, carpeta, archivo, extension, nombre); })) return;
  if (!steps.done([&] { cadena = sql::CadenaConexionOrigen(extension, carpeta, Tabla); })) return;
  if (cadena.isEmpty()) return;

  const bool dbf = rt::EqualsText(extension, QStringLiteral("dbf"));
  QString fuente;
  if (dbf && !steps.done([&] {
        fuente =
            QStringLiteral("Select * from [") + rt::Left(archivo, rt::InStr(archivo, QStringLiteral(".")) - 1) + u']';
      }))
    return;
  if (!steps.done([&] {
        // Errors of an earlier opening are not this one's.
        cn.Errors().Clear();
        cn.Open(cadena);
      }))
    return;

  if (dbf) {
    if (!rsPrueba_) rsPrueba_ = std::make_unique<ado::Recordset>();
    // A first record that cannot be read still means the table opens: the
    // importer rejects that record.
    if (!steps.done([&] { MueveAlRegistro(cn, [&] { rsPrueba_->Open(fuente, cn); }); })) {
      cierraOrigen();
      return;
    }
    steps.run([&] { rsPrueba_->Close(); });
    return;
  }
  steps.run([&] { txtFields(1).Text = cadena; });
}

}  // namespace importacion
