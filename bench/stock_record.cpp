// A delivery note recorded through ActualizaStock: lines of 4 outgoing lots
// each (so 4 movement rows a line), entries on, 50 articles on 2 stock
// accounts, the cost in the grid and the supplier account "PorDefault". The
// program records it in immediate mode, and in accumulate mode followed by
// the core's transactional batch; the floor makes the reads the stock row
// makes per row (article, cost, supplier account) with prepared sqlite3
// statements and inserts the program's final rows of V_MV_STOCK and
// MV_ASIENTOS in one transaction, with the balance triggers on. The ratios
// are taken at 500 lines (2,000 rows); 100 and 1,000 lines show how the time
// per row scales.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>

#include "PlantillaSuite.h"
#include "RatioReporter.h"
#include "SqliteStatement.h"
#include "core/Batch.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/ScriptedHost.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

namespace a = numbering::articulos;

constexpr int kArticulos = 50;
constexpr int kLotes = 4;
constexpr int kLineasRazon = 500;
const QString kComprobante = QStringLiteral("000100000001R");

QString Articulo(int i) { return QStringLiteral("ART%1").arg(i % kArticulos, 3, 10, QChar(u'0')); }

QString FilasDelPlan() {
  QString sql = QStringLiteral(
      "INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, SISTEMA, Letras, ES, R_SUC_DEFAULT, R_ULTIMO_NRO, R_NRO_DESDE, "
      "R_NRO_HASTA) VALUES ('RM', 1, 'VENTAS', 'R', 'S', 1, 1, 1, 99999999);"
      "INSERT INTO MA_SUBDIARIOS (CODIGO, DESCRIPCION) VALUES ('STK', 'Stock');"
      "INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('RM', 'STK');"
      "INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) VALUES "
      "('   5', 'Ajustes de stock', '511030001');"
      "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('AsientosXStock', 'SI'), ('MotivoStockDefault', '5'), "
      "('MotivoStockRemito', '5'), ('DepositoDefault', '1'), ('PERIODO', '1');");
  for (int i = 0; i < kArticulos; ++i)
    sql += QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, Costo, CUENTACONTABLEC, "
                          "CUENTAPROVEEDOR, USALOTE) VALUES ('%1', 'Artículo %2', 'UN', %3, '%4', '211010001', 1);")
               .arg(Articulo(i))
               .arg(i)
               .arg(10 + i)
               .arg(i % 2 ? QStringLiteral("114020001") : QStringLiteral("114010001"));
  return sql;
}

struct Fixture : PlantillaSuite {
  Fixture() : PlantillaSuite(FilasDelPlan()) {}
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

// The voucher window: its articles grid laid out for the delivery note.
class Ventana : public ui::Form {
 public:
  Ventana() : ui::Form(QStringLiteral("frmRemito")) {}
  ui::FlexGrid MSFlexGrid2{*this, QStringLiteral("MSFlexGrid2")};
};

void LlenaGrilla(Ventana& ventana, vouchers::ClsCmnCptes& cpte, int lineas) {
  ui::FlexGrid& g = ventana.MSFlexGrid2;
  cpte.InicializaGrids(nullptr, &g, nullptr, nullptr, nullptr, nullptr, &ventana, QStringLiteral("RM"));
  QString lotes = QStringLiteral("|"), cantidades = QStringLiteral("|");
  for (int l = 1; l <= kLotes; ++l) {
    lotes += QStringLiteral("L%1").arg(l) + rt::Chr(255) + u'|';
    cantidades += QStringLiteral("1|");
  }
  g.setRows(lineas + 2);
  for (int i = 0; i < lineas; ++i) {
    const int fila = i + 1;
    g.setTextMatrix(fila, a::IdArticulo, Articulo(i));
    g.setTextMatrix(fila, a::Descripcion, QStringLiteral("Artículo %1").arg(i % kArticulos));
    g.setTextMatrix(fila, a::IdUnidad, QStringLiteral("UN"));
    g.setTextMatrix(fila, a::Cantidad, QString::number(kLotes));
    g.setTextMatrix(fila, a::Costo, QString::number(10 + i % kArticulos));
    g.setTextMatrix(fila, a::NroLote, lotes);
    g.setTextMatrix(fila, a::NroSerie, cantidades);
  }
}

void Conecta(const QString& path) {
  ConectaOperador(path);
  core::gCore().gPeriodo = 1;
  core::gCore().gCaja = QStringLiteral("1");
}

// A result row, as sqlite3 holds it.
struct Valor {
  int tipo = SQLITE_NULL;
  QByteArray texto;
  double numero = 0;
};
using Fila = std::vector<Valor>;

struct Tabla {
  std::vector<QByteArray> columnas;
  std::vector<Fila> filas;
};

Tabla Lee(const QString& path, const char* sql) {
  Tabla t;
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  ado::sqlite::ConfigureConnection(db);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
  for (int c = 0; c < sqlite3_column_count(st); ++c) t.columnas.emplace_back(sqlite3_column_name(st, c));
  while (sqlite3_step(st) == SQLITE_ROW) {
    Fila f;
    for (int c = 0; c < sqlite3_column_count(st); ++c) {
      Valor v;
      v.tipo = sqlite3_column_type(st, c);
      if (v.tipo == SQLITE_TEXT) v.texto = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
      else if (v.tipo != SQLITE_NULL) v.numero = sqlite3_column_double(st, c);
      f.push_back(v);
    }
    t.filas.push_back(std::move(f));
  }
  sqlite3_finalize(st);
  sqlite3_close_v2(db);
  return t;
}

// What every side must have written.
QString Resumen(const QString& path) {
  QString texto;
  for (const char* sql : {"SELECT COUNT(*), SUM(Cantidad), SUM(Secuencia) FROM V_MV_STOCK",
                          "SELECT COUNT(*), SUM(Importe) FROM MV_ASIENTOS",
                          "SELECT COUNT(*), SUM(CANTIDAD) FROM STK_SERIES_Y_LOTES"}) {
    const Tabla t = Lee(path, sql);
    for (const Valor& v : t.filas.at(0)) texto += QString::number(v.numero) + u'|';
  }
  return texto;
}

std::map<std::string, QString>& resumenes() {
  static std::map<std::string, QString> r;
  return r;
}

// The program's final rows for each number of lines, replayed by the floor.
std::map<int, std::pair<Tabla, Tabla>>& finales() {
  static std::map<int, std::pair<Tabla, Tabla>> f;
  return f;
}

void Programa(benchmark::State& state, bool acumula) {
  const int lineas = static_cast<int>(state.range(0));
  ui::ScriptedHost host;
  ui::setHost(&host);
  rt::SetProgramFolder(fixture().folder.path());
  QString path;
  for (auto _ : state) {
    state.PauseTiming();
    path = fixture().copia("programa.db");
    Conecta(path);
    Ventana ventana;
    bool hayError = false;
    QString sql;
    {
      vouchers::ClsCmnCptes cpte;
      LlenaGrilla(ventana, cpte, lineas);
      state.ResumeTiming();

      cpte.ActualizaStock(ventana.MSFlexGrid2, QStringLiteral("RM"), kComprobante, QStringLiteral("0"),
                          QStringLiteral("15/03/2024"), nullptr, nullptr, nullptr, nullptr, nullptr, false,
                          QStringLiteral("PorDefault"), acumula, &sql, &hayError);
      if (acumula) {
        long codigo = 0;
        QString script, descripcion;
        core::GActualizarDatoScript({sql}, hayError, codigo, false, false, script, descripcion, false);
      }

      state.PauseTiming();
    }
    if (hayError || !host.boxes().empty())
      state.SkipWithError(qPrintable(QStringLiteral("the voucher was not recorded: ") +
                                     (host.boxes().empty() ? QString() : host.boxes().back().prompt)));
    core::ResetCore();
    state.ResumeTiming();
  }
  state.counters["rows/s"] = benchmark::Counter(double(lineas * kLotes) * double(state.iterations()),
                                                benchmark::Counter::kIsRate);
  resumenes()[std::string(acumula ? "Acumulado/" : "Inmediato/") + std::to_string(lineas)] = Resumen(path);
  if (acumula)
    finales()[lineas] = {Lee(path, "SELECT * FROM V_MV_STOCK ORDER BY rowid"),
                         Lee(path, "SELECT * FROM MV_ASIENTOS ORDER BY rowid")};
  rt::SetProgramFolder(QString());
  ui::setHost(nullptr);
}

void Inmediato(benchmark::State& state) { Programa(state, false); }
void Acumulado(benchmark::State& state) { Programa(state, true); }

// An INSERT of every column of the table's rows.
QByteArray InsertDe(const char* tabla, const Tabla& t) {
  QByteArray columnas, marcas;
  for (const QByteArray& c : t.columnas) {
    if (!columnas.isEmpty()) {
      columnas += ',';
      marcas += ',';
    }
    columnas += '[' + c + ']';
    marcas += '?';
  }
  return "INSERT INTO " + QByteArray(tabla) + " (" + columnas + ") VALUES (" + marcas + ")";
}

bool Inserta(sqlite3_stmt* st, const Fila& f) {
  for (int c = 0; c < static_cast<int>(f.size()); ++c) {
    const Valor& v = f[static_cast<size_t>(c)];
    if (v.tipo == SQLITE_TEXT) sqlite3_bind_text(st, c + 1, v.texto.constData(), int(v.texto.size()), SQLITE_STATIC);
    else if (v.tipo == SQLITE_NULL) sqlite3_bind_null(st, c + 1);
    else sqlite3_bind_double(st, c + 1, v.numero);
  }
  const int rc = sqlite3_step(st);
  sqlite3_reset(st);
  return rc == SQLITE_DONE;
}

void Piso(benchmark::State& state) {
  const int lineas = static_cast<int>(state.range(0));
  const auto it = finales().find(lineas);
  if (it == finales().end()) {
    state.SkipWithError("the program's rows are missing");
    return;
  }
  const Tabla& stock = it->second.first;
  const Tabla& asientos = it->second.second;
  const QByteArray insertStock = InsertDe("V_MV_STOCK", stock), insertAsiento = InsertDe("MV_ASIENTOS", asientos);
  int columnaArticulo = 0;
  while (stock.columnas[static_cast<size_t>(columnaArticulo)] != "IdArticulo") ++columnaArticulo;
  QString path;
  for (auto _ : state) {
    state.PauseTiming();
    path = fixture().copia("piso.db");
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    ado::sqlite::ConfigureConnection(db);
    state.ResumeTiming();
    bool ok = true;
    {
      sqlite3_stmt *fila = nullptr, *linea = nullptr;
      sqlite3_prepare_v2(db, insertStock.constData(), -1, &fila, nullptr);
      sqlite3_prepare_v2(db, insertAsiento.constData(), -1, &linea, nullptr);
      Statement articulo(db, "SELECT DESCRIPCION FROM V_MA_ARTICULOS WHERE IDARTICULO = ?");
      Statement costo(db, "SELECT Costo FROM V_MA_ARTICULOS WHERE IDARTICULO = ?");
      Statement proveedor(db, "SELECT CUENTAPROVEEDOR FROM V_MA_ARTICULOS WHERE IDARTICULO = ?");
      Statement begin(db, "BEGIN"), commit(db, "COMMIT");
      ok &= begin.run();
      for (const Fila& f : stock.filas) {
        const QString codigo = QString::fromUtf8(f[static_cast<size_t>(columnaArticulo)].texto);
        for (Statement* lectura : {&articulo, &costo, &proveedor}) {
          lectura->text(codigo);
          ok &= sqlite3_step(lectura->st) == SQLITE_ROW;
          sqlite3_reset(lectura->st);
          lectura->next = 1;
        }
        ok &= Inserta(fila, f);
      }
      for (const Fila& f : asientos.filas) ok &= Inserta(linea, f);
      ok &= commit.run();
      sqlite3_finalize(fila);
      sqlite3_finalize(linea);
    }
    if (!ok) state.SkipWithError(sqlite3_errmsg(db));
    state.PauseTiming();
    sqlite3_close_v2(db);
    state.ResumeTiming();
  }
  state.counters["rows/s"] = benchmark::Counter(double(lineas * kLotes) * double(state.iterations()),
                                                benchmark::Counter::kIsRate);
  resumenes()["Piso/" + std::to_string(lineas)] = Resumen(path);
}

}  // namespace

// Argument: the delivery note's lines. The accumulate side runs first: the
// floor replays its rows.
BENCHMARK(Acumulado)->Arg(100)->Arg(500)->Arg(1000)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(Inmediato)->Arg(100)->Arg(500)->Arg(1000)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(Piso)->Arg(100)->Arg(500)->Arg(1000)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (!RunBenchmarks("stock_record", &argc, argv, reporter, [] { fixture(); })) return 1;
  for (int lineas : {100, 500, 1000}) {
    const std::string n = std::to_string(lineas);
    const QString acumulado = resumenes()["Acumulado/" + n];
    if (acumulado.isEmpty() || resumenes()["Inmediato/" + n] != acumulado || resumenes()["Piso/" + n] != acumulado) {
      std::fprintf(stderr, "stock_record: the rows differ at %d lines:\n  %s\n  %s\n  %s\n", lineas,
                   qPrintable(acumulado), qPrintable(resumenes()["Inmediato/" + n]),
                   qPrintable(resumenes()["Piso/" + n]));
      return 1;
    }
  }
  // The time per row at 100 and 1,000 lines, and how much it grows.
  for (const char* lado : {"Inmediato", "Acumulado"}) {
    const double corto = reporter.time(std::string(lado) + "/100") / (100.0 * kLotes);
    const double largo = reporter.time(std::string(lado) + "/1000") / (1000.0 * kLotes);
    std::printf("stock_record_%s_per_row: %.3f ms at 100 lines, %.3f ms at 1000 lines (x%.2f)\n",
                rt::EqualsText(QString::fromLatin1(lado), QStringLiteral("Inmediato")) ? "immediate" : "accumulate",
                corto, largo, corto > 0 ? largo / corto : 0.0);
  }
  const std::string razon = "/" + std::to_string(kLineasRazon);
  if (printRatio("stock_record_immediate", reporter.time("Inmediato" + razon), reporter.time("Piso" + razon)) != 0)
    return 1;
  return printRatio("stock_record", reporter.time("Acumulado" + razon), reporter.time("Piso" + razon));
}
