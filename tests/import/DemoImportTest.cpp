// The demo data as an operator meets it: the program starts on the demo
// database, takes the access code and imports the demo folder whole.
#include <gtest/gtest.h>

#include <QDir>

#include "support/CoreFixture.h"
#include "DemoDatabase.h"
#include "DemoSources.h"
#include "core/forms/FrmInputBox.h"
#include "import/Importar.h"
#include "platform/runtime/Environment.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"

namespace {

class DemoImport : public testing_support::CoreFixture {};

TEST_F(DemoImport, TheDemoFolderImportsWithoutRejections) {
  const QString carpeta = folder.file("demo");
  const QString suite = demo::CreaBaseDemo(carpeta);
  demo::EscribeTablasTavernix(QDir(carpeta).filePath("tavernix"));
  rt::SetCommandLine("@Server=sqlite;@DbName=" + suite + ";@Usuario=" + demo::kUsuario + ";@Password=;");

  importacion::Importar ventana;
  host.onModal<core::FrmInputBox>("FrmInputBox", [](core::FrmInputBox& f) {
    ui::op::type(f.txtfields, "7148");
    ui::op::click(f.CmdAceptar);
  });
  ventana.Load();
  ASSERT_EQ(programEnds, 0);

  ui::op::type(ventana.TxtPathDatos, QDir(carpeta).filePath("tavernix"));
  ui::op::click(ventana.chkTabla(1));
  host.answer(ui::mb::Ok, "Proceso Finalizado");
  ui::op::click(ventana.cmdImportar);
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 150 de 150 Grabados:150 Errores: 0"))
      << ventana.LblDetalle.Caption().toStdString();

  ui::op::click(ventana.chkTabla(1));
  ui::op::click(ventana.chkTabla(0));
  ui::op::click(ventana.cmdImportar);
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 420 de 420 Grabados:420 Errores: 0"))
      << ventana.LblDetalle.Caption().toStdString();
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" FINALIZADO "));
  EXPECT_EQ(host.boxes().size(), 1u);
}

}  // namespace
