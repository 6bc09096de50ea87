// importar_tavernix: the import window on the desktop. The arguments are the
// start-up parameter text ("@Server=...;@DbName=...;@Usuario=...;...").
#include <QApplication>
#include <QStringList>

#include "import/Importar.h"
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
  importacion::Importar ventana;
  // Start-up and the access code may end the program while the window
  // loads: that unwinds to here and the program leaves cleanly, with the
  // status that tells why.
  rt::SetProgramEnd([] {});
  try {
    ventana.Show();
  } catch (const rt::ProgramEnded& ended) {
    ui::setHost(nullptr);
    return ended.status;
  }
  rt::SetProgramEnd(nullptr);
  const int result = QApplication::exec();
  ui::setHost(nullptr);
  return result;
}
