// gallery: a developer's window onto the windows of the shared modules,
// over a suite database. The arguments are the start-up parameter text, as
// the program's ("@Server=sqlite;@DbName=...;@Usuario=...;@Password=;");
// scripts/run --gallery starts it on the demo database.
#include <QApplication>
#include <QStringList>

#include "Galeria.h"
#include "core/Startup.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/ProgramEnd.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  rt::SetCommandLine(arguments.join(u' '));

  qt::QtHost host;
  ui::setHost(&host);
  // Start-up connects and configures the shared modules as the program's
  // does; it ends the program (having said why) when it cannot.
  rt::SetProgramEnd([] {});
  try {
    QString conexion;
    core::IniciaSistema(false, QString(), conexion, 3);
  } catch (const rt::ProgramEnded&) {
    ui::setHost(nullptr);
    return 1;
  }
  rt::SetProgramEnd(nullptr);

  galeria::frmGaleria galeria(galeria::TodasLasVentanas());
  galeria.Show();
  const int result = QApplication::exec();
  ui::setHost(nullptr);
  return result;
}
