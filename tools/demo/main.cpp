// demo: makes the demo data of importar_tavernix in a folder (build/demo by
// default): suite.db and VX_ESTADISTICAS.db, and tavernix/ with the
// restaurant system's TXCLI.DBF and TXFAC.DBF. Never overwrites.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "DemoDatabase.h"
#include "DemoSources.h"
#include "platform/runtime/Error.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/demo")).absolutePath();
  try {
    const QString suite = demo::CreaBaseDemo(folder);
    const QString tablas = QDir(folder).filePath(QStringLiteral("tavernix"));
    demo::EscribeTablasTavernix(tablas);
    std::printf("Base de datos: %s\nUsuario: %s\nTablas de Tavernix: %s\n", qPrintable(suite),
                qPrintable(demo::kUsuario), qPrintable(tablas));
    return 0;
  } catch (const rt::Error& e) {
    std::fprintf(stderr, "demo: %s\n", qPrintable(e.Description()));
    return 1;
  }
}
