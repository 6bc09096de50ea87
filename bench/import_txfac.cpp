// The invoice import of 20,000 TXFAC records (2,000 customers) into a fresh
// embedded database through ImportaFacturacion on the scripted host, against
// the floor for the same work: the same final rows written directly with
// prepared sqlite3 statements, one transaction per record, same schema.
// Both sides run with the program's durability settings (the ratio R) and
// with synchronous writes off (R2: the program's own overhead, which the
// disk would otherwise hide).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QSet>
#include <cstdio>
#include <map>

#include "PlantillaSuite.h"
#include "RatioReporter.h"
#include "SqliteStatement.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "import/Importar.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "platform/suite/Library.h"
#include "platform/ui/ScriptedHost.h"
#include "support/TavernixTables.h"

namespace {

constexpr int kRecords = 20000;
constexpr int kCustomers = 2000;

struct Fixture : PlantillaSuite {
  std::vector<testing_support::TxfacRecord> records;

  Fixture()
      : PlantillaSuite(
            QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, TipoVista) VALUES ('511', 'Ajustes', '');")) {
    const QString kinds = QStringLiteral("ABMLK");
    for (int i = 0; i < kRecords; ++i) {
      testing_support::TxfacRecord r;
      const int64_t neto = 1500 + int64_t(i) * 7919 % 250000;  // cents
      r.CodCpb = QString(kinds[i % kinds.size()]);
      r.CodCli = int32_t(i % kCustomers + 1);
      r.Fecha = rt::MakeDate(2005, 1, 1).addDays(i * 365 / kRecords);
      r.Prefijo = QStringLiteral("%1").arg(i % 3 + 1, 4, 10, QChar(u'0'));
      r.Numero = int32_t(i + 1);
      r.Total = rt::Currency::fromRaw((neto + neto * 21 / 100) * 100);
      r.Iva1 = rt::Currency::fromRaw(neto * 21 / 100 * 100);
      r.Iva2 = rt::Currency();
      r.Tasa1 = rt::Currency::fromInt(21);
      r.Tasa2 = rt::Currency();
      r.Cuit = QStringLiteral("20-%1-9").arg(20000000 + i % kCustomers);
      r.CodEmp = QString::number(i % 6 + 1);
      records.push_back(r);
    }
    testing_support::writeTxfacTable(folder.file("TXFAC.DBF"), records);
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

// What both sides must have written.
QString summary(const QString& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  ado::sqlite::ConfigureConnection(db);
  QString text;
  for (const char* sql : {"SELECT COUNT(*), SUM(Importe), SUM([NUMERO ASIENTO]), SUM(LIVA_TOTAL) FROM MV_ASIENTOS",
                          "SELECT COUNT(*), SUM(Importe) FROM V_MV_CPTE", "SELECT COUNT(*) FROM MA_CUENTAS",
                          "SELECT COUNT(*) FROM ma_calendario"}) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    if (sqlite3_step(st) == SQLITE_ROW)
      for (int c = 0; c < sqlite3_column_count(st); ++c)
        text += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c))) + u'|';
    sqlite3_finalize(st);
  }
  sqlite3_close_v2(db);
  return text;
}

std::map<std::string, QString>& summaries() {
  static std::map<std::string, QString> s;
  return s;
}

void setDurability(const benchmark::State& state) {
  ado::sqlite::SetSynchronous(state.range(0) ? ado::sqlite::Synchronous::Off : ado::sqlite::Synchronous::Normal);
}

void Program(benchmark::State& state) {
  setDurability(state);
  ui::ScriptedHost host;
  ui::setHost(&host);
  rt::SetProgramFolder(fixture().folder.path());
  QString path;
  for (auto _ : state) {
    state.PauseTiming();
    path = fixture().copia("programa.db");
    ConectaOperador(path);
    importacion::Importar ventana;
    ventana.TxtPathDatos.Text = fixture().folder.path();
    ventana.chkTabla(0).Value = 1;
    state.ResumeTiming();

    ventana.cmdImportar_Click();

    state.PauseTiming();
    const QString done = QStringLiteral("Leidos %1 de %1 Grabados:%1 Errores: 0").arg(kRecords);
    if (!ventana.LblDetalle.Caption().startsWith(done) || !host.boxes().empty())
      state.SkipWithError(qPrintable(QStringLiteral("the import did not write every record: ") +
                                     ventana.LblDetalle.Caption()));
    core::ResetCore();
    state.ResumeTiming();
  }
  state.counters["records/s"] = benchmark::Counter(double(kRecords) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
  summaries()["Program" + std::to_string(state.range(0))] = summary(path);
  rt::SetProgramFolder(QString());
  ui::setHost(nullptr);
}

// ---- The floor: the final rows, bound into prepared statements.

const char* const kLine1 =
    "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,FechaSubDiario,Cuenta,Importe,[DEBE-HABER],CabCuenta,CabImporte,TC,"
    "Sucursal,Numero,Letra,LIVA_TIPO,LIVA_TOTAL,CabNombre,Vencimiento,CabCUIT,CabCondIVA,LIVA_IMPNETOGRAV,"
    "LIVA_IMPNETONGRAV,LIVA_IMPIVA,LIVA_IMPIVA2,LIVA_EXENTO,LIVA_ALICIVA,LIVA_ALICIVAREC,LIVA_ALICIVA2,Detalle,"
    "MES_OPERATIVO,Periodo,Secuencia,[numero asiento],IDCAJAS,UNEGOCIO,EsResumen,Es_Saldo_Apertura,EsAjuste,ChPropio,"
    "Moneda,Transmision,usuario_logeado,fechahora_grabacion,IdVendedor) VALUES ('',?,?,?,?,?,?,?,?,?,?,?,'Ventas',?,"
    "?,?,?,'',?,0,?,?,0,?,0,?,?,?,?,1,?,'   1','   1',0,0,0,0,'   1',4,'operador',?,?)";
const char* const kLine2 =
    "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,FechaSubDiario,Cuenta,Importe,[DEBE-HABER],CabCuenta,CabImporte,TC,"
    "Sucursal,Numero,Letra,Detalle,MES_OPERATIVO,Periodo,Secuencia,[numero asiento],IDCAJAS,UNEGOCIO,EsResumen,"
    "Es_Saldo_Apertura,EsAjuste,ChPropio,Moneda,Transmision,usuario_logeado,fechahora_grabacion,IdVendedor) "
    "VALUES ('',?,?,'511',?,?,?,?,?,?,?,?,?,?,?,2,?,'   1','   1',0,0,1,0,'   1',4,'operador',?,?)";
const char* const kHeader =
    "INSERT INTO V_MV_CPTE (TC,Fecha,FechaEstFin,IdComprobante,IdComplemento,Cuenta,Nombre,Importe,Importe_S_IVA,"
    "NetoGravado,AlicIva,ImporteIVA,AlicIva2,ImporteIVA2,DOCUMENTONUMERO,DOCUMENTOTIPO,CondicionIva,UNEGOCIO,Moneda,"
    "Cotizacion,IdVendedor) VALUES (?,?,?,?,0,?,?,?,?,?,?,?,?,?,?,'   1','   1','   1','   1',1,?)";

void Floor(benchmark::State& state) {
  setDurability(state);
  const QString recorded = rt::FormatDate(rt::Now(), QStringLiteral("yyyy-mm-dd hh:nn:00"));
  QString path;
  for (auto _ : state) {
    state.PauseTiming();
    path = fixture().copia("piso.db");
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    ado::sqlite::ConfigureConnection(db);
    state.ResumeTiming();
    {
      Statement day(db, "INSERT OR IGNORE INTO ma_calendario (fecha, nolaborable) VALUES (?, 0)");
      Statement account(db, "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES (?, 'Completar')");
      Statement line1(db, kLine1), line2(db, kLine2), header(db, kHeader);
      Statement begin(db, "BEGIN"), commit(db, "COMMIT");
      QSet<QString> accounts;
      std::map<std::pair<int, int>, int> entries;  // next entry number by month and period
      bool ok = true;
      for (const testing_support::TxfacRecord& r : fixture().records) {
        static const QString types[][3] = {{"FC", "A", "D"}, {"FC", "B", "D"}, {"NC", "A", "H"}, {"NC", "B", "H"},
                                           {"TK", "X", "D"}};
        const auto& type = types[QStringLiteral("ABMLK").indexOf(r.CodCpb.toString())];
        const QDateTime date = r.Fecha.toDate();
        const QString iso = rt::IsoDateText(date);
        const int month = date.date().month(), period = date < rt::MakeDate(2005, 7, 1) ? 0 : 1;
        const QString cuenta = QStringLiteral("11201%1").arg(r.CodCli.toLong(), 4, 10, QChar(u'0'));
        const QString branch = r.Prefijo.toString(), number = QStringLiteral("%1").arg(r.Numero.toLong(), 8, 10, QChar(u'0'));
        const double total = r.Total.toDouble(), iva = r.Iva1.toDouble();
        const bool known = accounts.contains(cuenta);
        const QString name = known ? QStringLiteral("Completar") : QString();
        const int entry = ++entries[{month, period}];
        const QString seller = QStringLiteral("   %1").arg(r.CodEmp.toString());
        ok &= begin.run();
        ok &= day.text(iso).run();
        if (!known) {
          ok &= account.text(cuenta).run();
          accounts.insert(cuenta);
        }
        ok &= line1.text(iso).text(iso).text(cuenta).number(total).text(type[2]).text(cuenta).number(total)
                  .text(type[0]).text(branch).text(number).text(type[1]).number(type[0] == "NC" ? -total : total)
                  .text(name).text(iso).text(r.Cuit.toString()).number(total).number(iva).number(0).number(21)
                  .number(0).text(r.CodEmp.toString()).integer(month).integer(period).integer(entry).text(recorded)
                  .text(seller).run();
        ok &= line2.text(iso).text(iso).number(total).text(type[2] == "D" ? "H" : "D").text(cuenta).number(total)
                  .text(type[0]).text(branch).text(number).text(type[1]).text(r.CodEmp.toString()).integer(month)
                  .integer(period).integer(entry).text(recorded).text(seller).run();
        ok &= header.text(type[0]).text(iso).text(iso).text(branch + number + type[1]).text(cuenta).text(name)
                  .number(total).number(total).number(total).number(21).number(iva).number(0).number(0)
                  .text(r.Cuit.toString()).text(seller).run();
        ok &= commit.run();
      }
      if (!ok) state.SkipWithError(sqlite3_errmsg(db));
    }
    state.PauseTiming();
    sqlite3_close_v2(db);
    state.ResumeTiming();
  }
  state.counters["records/s"] = benchmark::Counter(double(kRecords) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
  summaries()["Floor" + std::to_string(state.range(0))] = summary(path);
}

}  // namespace

// Argument 0: the program's durability; 1: synchronous writes off.
BENCHMARK(Program)->Arg(0)->Arg(1)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(Floor)->Arg(0)->Arg(1)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond)->UseRealTime();

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (!RunBenchmarks("import_txfac", &argc, argv, reporter, [] { fixture(); })) return 1;
  const double p0 = reporter.time("Program/0");
  const double p1 = reporter.time("Program/1");
  const double f0 = reporter.time("Floor/0");
  const double f1 = reporter.time("Floor/1");
  if (p0 <= 0 || p1 <= 0 || f0 <= 0 || f1 <= 0) return 1;
  for (const char* arg : {"0", "1"})
    if (summaries()[std::string("Program") + arg] != summaries()[std::string("Floor") + arg]) {
      std::fprintf(stderr, "import_txfac: the rows differ:\n  %s\n  %s\n",
                   qPrintable(summaries()[std::string("Program") + arg]),
                   qPrintable(summaries()[std::string("Floor") + arg]));
      return 1;
    }
  printRatio("import_txfac", p0, f0);
  return printRatio("import_txfac_cpu", p1, f1);
}
