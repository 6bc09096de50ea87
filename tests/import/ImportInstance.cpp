// Another instance of the program, for the tests of runs at once:
//   import_instance DATABASE FOLDER [--espera]
// imports FOLDER/TXFAC.DBF into the embedded DATABASE as the user
// "operador", clicking the window's start button on the scripted host,
// which answers every box with OK; then prints one line per box
// ("caja: TEXT") and the progress label ("etiqueta: TEXT"). With --espera
// it prints "importando" at the first yield of the run and waits there for
// a line on its standard input, so that a test can act while this run
// holds the database.
#include <QString>
#include <iostream>
#include <string>

#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "import/Importar.h"
#include "platform/runtime/Environment.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedHost.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "uso: import_instance BASE CARPETA [--espera]\n";
    return 2;
  }
  const QString base = QString::fromLocal8Bit(argv[1]);
  const QString carpeta = QString::fromLocal8Bit(argv[2]);
  const bool espera = argc > 3 && std::string(argv[3]) == "--espera";

  ui::ScriptedHost host;
  host.answerAnyBoxWith(ui::mb::Ok);
  ui::setHost(&host);
  rt::SetProgramFolder(carpeta);
  core::ResetCore();
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = base;
  db.gUsuario = QStringLiteral("operador");
  db.OpenServerADODB();
  if (!db.gOpenFlag) return 1;
  core::gCore().gUsuarioLogeado = db.gUsuario;
  core::gCore().gUNegocio = QStringLiteral("   1");

  importacion::Importar ventana;
  ventana.TxtPathDatos.Text = carpeta;
  ventana.chkTabla(0).Value = 1;
  if (espera)
    host.atYield(1, [] {
      std::cout << "importando" << std::endl;
      std::string linea;
      std::getline(std::cin, linea);
    });
  ventana.cmdImportar_Click();

  for (const ui::ScriptedHost::Box& caja : host.boxes()) std::cout << "caja: " << caja.prompt.toStdString() << '\n';
  std::cout << "etiqueta: " << ventana.LblDetalle.Caption().toStdString() << std::endl;
  core::ResetCore();
  ui::setHost(nullptr);
  return 0;
}
