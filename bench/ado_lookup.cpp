// Keyed lookups as the program writes them, through the data-access objects
// on the embedded database, against the same lookups hand-written on SQLite
// with one prepared statement and a bound key.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <cstdio>

#include "BenchDatabase.h"
#include "RatioReporter.h"
#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/runtime/Error.h"

namespace {

constexpr int kAccounts = 10000;
constexpr int kLookups = 100000;

struct Fixture {
  QTemporaryDir folder;
  QString path;
  std::vector<QString> codes;  // in lookup order, a different key each time

  Fixture() : path(folder.filePath(QStringLiteral("suite.db"))) {
    // The accounts table of the suite's schema.
    QString script = QStringLiteral("BEGIN;");
    std::vector<QString> all;
    for (int i = 0; i < kAccounts; ++i) {
      all.push_back(QStringLiteral("112%1").arg(i * 7 + 10000, 6, 10, QLatin1Char('0')));
      script += QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, titulo) VALUES ('%1', 'Cuenta número "
                               "%2', %3);")
                    .arg(all.back())
                    .arg(i)
                    .arg(i % 2);
    }
    CreateBenchDatabase(path, script + QStringLiteral("COMMIT;"));
    for (int i = 0; i < kLookups; ++i) codes.push_back(all[static_cast<size_t>((i * 7919L) % kAccounts)]);
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void Substitute(benchmark::State& state) {
  ado::Connection cn;
  cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=sa;Pwd=;").arg(fixture().path));
  size_t next = 0, found = 0;
  try {
    for (auto _ : state) {
      const QString& code = fixture().codes[next++ % fixture().codes.size()];
      ado::Recordset rs;
      rs.Open(QStringLiteral("SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE CODIGO ='") + code + u'\'', cn);
      if (!rs.EOF()) found += !rs[QStringLiteral("DESCRIPCION")].Value().toString().isEmpty();
      rs.Close();
    }
  } catch (const rt::Error& e) {
    return state.SkipWithError(e.what());
  }
  if (found != next) state.SkipWithError("a lookup found nothing");
}

void HandWritten(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(fixture().path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  ado::sqlite::ConfigureConnection(db);
  sqlite3_stmt* lookup = nullptr;
  sqlite3_prepare_v2(db, "SELECT * FROM MA_CUENTAS WHERE CODIGO = ?1 LIMIT 1", -1, &lookup, nullptr);
  size_t next = 0, found = 0;
  for (auto _ : state) {
    const QByteArray code = fixture().codes[next++ % fixture().codes.size()].toUtf8();
    sqlite3_bind_text(lookup, 1, code.constData(), static_cast<int>(code.size()), SQLITE_STATIC);
    if (sqlite3_step(lookup) == SQLITE_ROW)
      found += !QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(lookup, 1))).isEmpty();
    sqlite3_reset(lookup);
  }
  sqlite3_finalize(lookup);
  sqlite3_close_v2(db);
  if (found != next) state.SkipWithError("a lookup found nothing");
}

}  // namespace

BENCHMARK(Substitute)->Iterations(kLookups)->Repetitions(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(HandWritten)->Iterations(kLookups)->Repetitions(3)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (!RunBenchmarks("ado_lookup", &argc, argv, reporter, [] { fixture(); })) return 1;
  return printRatio("ado_lookup", reporter.time("Substitute"), reporter.time("HandWritten"));
}
