// The voucher search window filled with 20,000 pending purchase orders,
// each with its receipt, on the scripted host (a yield and a receipt lookup
// per row, as the window makes them), against the floor for the same work:
// the same rows read and the same receipt looked up per row with prepared
// sqlite3 statements, into plain vectors of texts.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QStringList>
#include <cstdio>
#include <vector>

#include "RatioReporter.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "lookup/FrmConsComprobantes.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/ado/sqlite/SchemaLoader.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Error.h"
#include "platform/ui/ScriptedHost.h"
#include "support/TempFolder.h"

namespace {

constexpr int kOrders = 20000;

struct Fixture {
  testing_support::TempFolder folder;
  QString path;

  Fixture() : path(folder.file("suite.db")) {
    ado::sqlite::CreateDatabase(path);
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    ado::sqlite::ConfigureConnection(db);
    sqlite3_exec(db, "BEGIN; INSERT INTO TA_USUARIOS (Nombre, Administrador, UNegocio) VALUES ('operador', 1, '   1')",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* order = nullptr;
    sqlite3_stmt* receipt = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, NOMBRE, FECHA, Importe, ANULADA, APROBADO, "
                       "FINALIZADO, comentarios, Garantia) VALUES ('OC', ?1, ?2, ?3, ?4, ?5, 0, 1, 0, ?6, ?7)",
                       -1, &order, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO V_MV_STOCK (TC, IdComprobante, Tc_Origen, IdComprobante_Origen, Cantidad) "
                       "VALUES ('IR', ?1, 'OC', ?2, 1)",
                       -1, &receipt, nullptr);
    for (int i = 0; i < kOrders; ++i) {
      const QByteArray number = QStringLiteral("0001%1X").arg(i + 1, 8, 10, QChar(u'0')).toUtf8();
      const QByteArray account = QStringLiteral("21101%1").arg(i % 500, 4, 10, QChar(u'0')).toUtf8();
      const QByteArray name = QStringLiteral("Proveedor número %1 S.A.").arg(i % 500).toUtf8();
      const QByteArray date = QStringLiteral("2024-%1-%2").arg(i % 12 + 1, 2, 10, QChar(u'0')).arg(i % 28 + 1, 2, 10, QChar(u'0')).toUtf8();
      const QByteArray comment = QStringLiteral("Entrega %1").arg(i).toUtf8();
      sqlite3_bind_text(order, 1, number.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(order, 2, account.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(order, 3, name.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(order, 4, date.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_double(order, 5, 1000 + i * 7.25);
      sqlite3_bind_text(order, 6, comment.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(order, 7, i % 10 == 0 ? "SI" : "NO", -1, SQLITE_STATIC);
      sqlite3_step(order);
      sqlite3_reset(order);
      const QByteArray received = QStringLiteral("0001%1R").arg(i + 1, 8, 10, QChar(u'0')).toUtf8();
      sqlite3_bind_text(receipt, 1, received.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(receipt, 2, number.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_step(receipt);
      sqlite3_reset(receipt);
    }
    sqlite3_finalize(order);
    sqlite3_finalize(receipt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

void Program(benchmark::State& state) {
  ui::ScriptedHost host;
  ui::setHost(&host);
  rt::SetProgramFolder(fixture().folder.path());
  core::ResetCore();
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = fixture().path;
  db.gUsuario = QStringLiteral("operador");
  db.OpenServerADODB();
  for (auto _ : state) {
    lookup::FrmConsComprobantes ventana;
    ventana.TC = QStringLiteral("OC");
    ventana.Load();

    state.PauseTiming();
    const ui::ListView::Items& filas = ventana.ListView1.ListItems;
    if (filas.Count() != kOrders || filas(1).SubItems(5).isEmpty() || !host.boxes().empty())
      state.SkipWithError("the list does not hold every order with its receipt");
    ventana.Unload();
    state.ResumeTiming();
  }
  state.counters["rows/s"] = benchmark::Counter(double(kOrders) * double(state.iterations()), benchmark::Counter::kIsRate);
  core::ResetCore();
  data_access::ResetDataAccess();
  rt::SetProgramFolder(QString());
  ui::setHost(nullptr);
}

QString column(sqlite3_stmt* st, int c) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
  return text ? QString::fromUtf8(text) : QString();
}

void Floor(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(fixture().path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  ado::sqlite::ConfigureConnection(db);
  sqlite3_stmt* orders = nullptr;
  sqlite3_stmt* receipt = nullptr;
  sqlite3_prepare_v2(db,
                     "SELECT FECHA, CUENTA, NOMBRE, ANULADA, APROBADO, TC, IDCOMPROBANTE, ID, Importe, comentarios, "
                     "Garantia FROM C_MV_CPTE WHERE TC = 'OC' AND APROBADO = 1 AND FINALIZADO = 0 AND ANULADA = 0 "
                     "ORDER BY IDCOMPROBANTE DESC",
                     -1, &orders, nullptr);
  sqlite3_prepare_v2(db,
                     "SELECT * FROM V_MV_STOCK WHERE LTRIM(RTRIM(Tc_Origen)) = 'OC' AND TC = 'IR' AND "
                     "Tc_Origen = 'OC' AND IdComprobante_Origen = ?1 LIMIT 1",
                     -1, &receipt, nullptr);
  for (auto _ : state) {
    std::vector<QStringList> rows;
    while (sqlite3_step(orders) == SQLITE_ROW) {
      const QByteArray number = reinterpret_cast<const char*>(sqlite3_column_text(orders, 6));
      sqlite3_bind_text(receipt, 1, number.constData(), int(number.size()), SQLITE_STATIC);
      const QString received = sqlite3_step(receipt) == SQLITE_ROW ? column(receipt, 1) : QString();
      sqlite3_reset(receipt);
      rows.push_back({column(orders, 0), column(orders, 1) + u' ' + column(orders, 2), QString::fromUtf8(number),
                      column(orders, 8), column(orders, 9), received});
    }
    sqlite3_reset(orders);
    if (rows.size() != size_t(kOrders) || rows.front()[5].isEmpty())
      state.SkipWithError("the floor does not read every order with its receipt");
  }
  sqlite3_finalize(orders);
  sqlite3_finalize(receipt);
  sqlite3_close_v2(db);
}

}  // namespace

BENCHMARK(Program)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Floor)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (!RunBenchmarks("voucher_search", &argc, argv, reporter, [] { fixture(); })) return 1;
  return printRatio("voucher_search", reporter.time("Program"), reporter.time("Floor"));
}
