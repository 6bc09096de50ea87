// The article lookup filled with 20,000 articles and their stock: the
// lookup service given a whole statement over VT_MA_ARTICULOS (no TOP caps
// it), its list window on the scripted host until the list holds every row,
// against the same statement over the same view stepped with one prepared
// sqlite3 statement into plain vectors. The Qt host's time to put the same
// list on screen (offscreen) is reported beside the ratio.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchDatabase.h"
#include "RatioReporter.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Error.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"

namespace {

constexpr int kArticulos = 20000;
const char* const kSentencia =
    "SELECT IDARTICULO, DESCRIPCION, PUNTOPEDIDO, Stock FROM VT_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY "
    "DESCRIPCION";

struct Fixture {
  QTemporaryDir folder;
  QString path;

  Fixture() : path(folder.filePath(QStringLiteral("suite.db"))) {
    QString script = QStringLiteral(
        "BEGIN;"
        "INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('admin', 1);"
        "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('MostrarStockenConsultas', 'SI'), ('Stk_Nivel1', "
        "'32768'), ('Stk_Nivel2', '12582912'), ('Stk_Nivel3', '255'), ('Stk_Nivel4', '8421504');");
    for (int i = 0; i < kArticulos; ++i)
      script += QStringLiteral(
                    "INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, PUNTOPEDIDO) VALUES ('ART%1', "
                    "'Artículo de almacén número %2', 'UN', %3);"
                    "INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) VALUES ('ART%1', "
                    "'UN', '   1', %4);")
                    .arg(i, 6, 10, QLatin1Char('0'))
                    .arg((i * 7919) % kArticulos)
                    .arg(i % 4 * 10)
                    .arg(i % 7 * 5);
    CreateBenchDatabase(path, script + QStringLiteral("COMMIT;"));

    // The program's state as after start-up.
    rt::SetProgramFolder(folder.path());
    data_access::DB_Dll& service = data_access::gDB();
    service.gServidor = QStringLiteral("sqlite");
    service.gDBName = path;
    service.gUsuario = QStringLiteral("admin");
    service.OpenServerADODB();
    if (!service.gOpenFlag) throw rt::Error(0, QStringLiteral("the benchmark database did not open"));
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void Program(benchmark::State& state) {
  ui::ScriptedHost host;
  ui::setHost(&host);
  int filas = 0;
  for (auto _ : state) {
    host.onModal<lookup::Lib_FrmCons3>(QStringLiteral("Lib_FrmCons3"), [&](lookup::Lib_FrmCons3& f) {
      filas = f.ListView1.ListItems.Count();
      ui::op::click(f.CmdCancelar);
    });
    core::gConsultas().CampoDevuelto = QStringLiteral("IDARTICULO");
    core::gConsultas().ConsultaSearch(QString::fromLatin1(kSentencia));
  }
  ui::setHost(nullptr);
  if (filas != kArticulos) state.SkipWithError("the list does not hold every article");
  if (!host.failures().empty()) state.SkipWithError(qPrintable(host.failures().front()));
}

void Floor(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(fixture().path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  ado::sqlite::ConfigureConnection(db);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, kSentencia, -1, &statement, nullptr);
  std::vector<std::string> codigos, descripciones;
  std::vector<double> puntos, stocks;
  for (auto _ : state) {
    codigos.clear(), descripciones.clear(), puntos.clear(), stocks.clear();
    while (sqlite3_step(statement) == SQLITE_ROW) {
      codigos.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
      descripciones.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
      puntos.push_back(sqlite3_column_double(statement, 2));
      stocks.push_back(sqlite3_column_double(statement, 3));
    }
    sqlite3_reset(statement);
  }
  sqlite3_finalize(statement);
  sqlite3_close_v2(db);
  if (codigos.size() != static_cast<std::size_t>(kArticulos)) state.SkipWithError("the floor missed rows");
}

// From the call to the list window on screen (the first pass of its modal
// loop), offscreen; the best of three, in milliseconds.
double QtHostShowMilliseconds() {
  qt::QtHost host;
  ui::setHost(&host);
  double best = 0;
  for (int run = 0; run < 3; ++run) {
    QElapsedTimer clock;
    double shown = 0;
    int filas = 0;
    QTimer::singleShot(0, [&] {
      shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      if (QWidget* window = QApplication::activeModalWidget()) {
        if (auto* list = window->findChild<QTreeView*>(QStringLiteral("ListView1"))) filas = list->model()->rowCount();
        window->close();
      }
    });
    clock.start();
    core::gConsultas().CampoDevuelto = QStringLiteral("IDARTICULO");
    core::gConsultas().ConsultaSearch(QString::fromLatin1(kSentencia));
    if (filas != kArticulos) shown = 0;
    if (shown > 0 && (best == 0 || shown < best)) best = shown;
  }
  ui::setHost(nullptr);
  return best;
}

}  // namespace

BENCHMARK(Program)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Floor)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  RatioReporter reporter;
  if (!RunBenchmarks("lookup_fill", &argc, argv, reporter, [] { fixture(); })) return 1;
  std::printf("lookup_fill_qt_show_ms: %.0f\n", QtHostShowMilliseconds());
  core::ResetCore();
  return printRatio("lookup_fill", reporter.time("Program"), reporter.time("Floor"));
}
