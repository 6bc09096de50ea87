// The voucher loader on a stored sales invoice of 1,000 article lines (with
// lots, a price list that includes VAT, the article master and the article
// types) loaded into fresh grids on the scripted host, against the floor for
// the same work: the same lookups, line by line, through prepared sqlite3
// statements, the cells kept in plain vectors.
//
// A second figure times the merge of equal lines of a timber-yard voucher
// alone (no SQL): the lines of a voucher of 100 and of 1,000 lines that
// merge into ten rows, per line; both must cost about the same.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

#include "BenchDatabase.h"
#include "RatioReporter.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/runtime/Error.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/ScriptedHost.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/ConsolidaArticulos.h"

namespace {

constexpr int kLines = 1000;
constexpr int kArticles = 500;
const QString kNumber = QStringLiteral("000100000001A");

struct Fixture {
  QTemporaryDir folder;
  QString path;

  Fixture() : path(folder.filePath(QStringLiteral("suite.db"))) {
    QString script = QStringLiteral(
        "BEGIN;"
        "INSERT INTO TA_USUARIOS (Nombre, Administrador, UNegocio) VALUES ('operador', 1, '   1');"
        "INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, SISTEMA) VALUES ('FC', 1, 'VENTAS');"
        "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('CONDIVA', '1'), ('PideDepositoEnCptes', 'NO');"
        "INSERT INTO V_ta_TipoArticulo (IdTipo, Descripcion) VALUES ('   1', 'Reventa'), ('   2', 'Insumo');"
        "INSERT INTO V_TA_LISTASPRECIOS (IDLISTA, DESCRIPCION, TIPOLISTA, CONIVA) VALUES ('   1', 'Minorista', 'V', 1);"
        "INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, CondicionIva, Cotizacion) "
        "VALUES ('FC', '000100000001A', '0', '   3', 1);");
    for (int i = 0; i < kArticles; ++i)
      script += QStringLiteral(
                    "INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, IdTipo, Presentacion, USALOTE, "
                    "codigobarra) VALUES ('ART%1', 'Artículo %1', 'UN', '   %2', 'Caja', 1, '779%1');"
                    "INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, idunidad, PRECIO) "
                    "VALUES ('   1', 'V', 'ART%1', 'UN', 121);")
                    .arg(i, 4, 10, QLatin1Char('0'))
                    .arg(i % 2 + 1);
    for (int i = 0; i < kLines; ++i)
      script +=
          QStringLiteral(
              "INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdComplemento, IdArticulo, Descripcion, IdUnidad, "
              "Cantidad, Importe, Importe_S_IVA, Total, TotalFinal, Costo, Impuestos, iTC, Exento, AlicIVA, "
              "IdLista, Nro_Lote, Nro_Serie) VALUES ('FC', '000100000001A', '0', 'ART%1', 'Artículo %1', 'UN', "
              "%2, 121, 100, %3, %3, 50, 1.5, 0, 0, 21, '   1', '|L-%4|', '|%2|');")
              .arg(i % kArticles, 4, 10, QLatin1Char('0'))
              .arg(i % 7 + 1)
              .arg((i % 7 + 1) * 100)
              .arg(i);
    CreateBenchDatabase(path, script + QStringLiteral("COMMIT;"));
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

class Ventana : public ui::Form {
 public:
  Ventana() : ui::Form(QStringLiteral("frmComprobante")) {}
  ui::FlexGrid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
  ui::FlexGrid MSFlexGrid2{*this, QStringLiteral("MSFlexGrid2")};
  ui::FlexGrid MSFlexGrid3{*this, QStringLiteral("MSFlexGrid3")};
  ui::TextBox TxtEdit{*this, QStringLiteral("TxtEdit")};
  ui::TextBox txtEdit2{*this, QStringLiteral("txtEdit2")};
  ui::TextBox txtEdit3{*this, QStringLiteral("txtEdit3")};
};

void Program(benchmark::State& state) {
  ui::ScriptedHost host;
  ui::setHost(&host);
  core::ResetCore();
  data_access::DB_Dll& db = data_access::gDB();
  db.gServidor = QStringLiteral("sqlite");
  db.gDBName = fixture().path;
  db.gUsuario = QStringLiteral("operador");
  db.OpenServerADODB();
  core::gCore().gCantidadDecimales = QStringLiteral("2");
  vouchers::ClsCmnCptes cpte;
  for (auto _ : state) {
    state.PauseTiming();
    Ventana v;
    cpte.InicializaGrids(&v.MSFlexGrid1, &v.MSFlexGrid2, &v.MSFlexGrid3, &v.TxtEdit, &v.txtEdit2, &v.txtEdit3, &v,
                         QStringLiteral("FC"));
    state.ResumeTiming();

    cpte.AsignarDatosComprobante(QStringLiteral("FC"), kNumber, QStringLiteral("0"), v.MSFlexGrid1, v.MSFlexGrid2,
                                 v.MSFlexGrid3);

    state.PauseTiming();
    if (v.MSFlexGrid2.Rows() != kLines + 2 ||
        v.MSFlexGrid2.TextMatrix(kLines, numbering::articulos::ListaConIVA) != "-1" || !host.boxes().empty())
      state.SkipWithError("the voucher was not loaded whole");
    state.ResumeTiming();
  }
  core::ResetCore();
  ui::setHost(nullptr);
}

// ---- The floor.

struct Statement {
  sqlite3_stmt* st = nullptr;
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &st, nullptr); }
  ~Statement() { sqlite3_finalize(st); }
  Statement& bind(int i, const QByteArray& v) {
    sqlite3_bind_text(st, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
    return *this;
  }
  bool row() { return sqlite3_step(st) == SQLITE_ROW; }
  QString text(int c) const { return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c))); }
  void reset() { sqlite3_reset(st); }
  int column(const char* name) const {
    for (int c = 0; c < sqlite3_column_count(st); ++c)
      if (qstricmp(sqlite3_column_name(st, c), name) == 0) return c;
    return -1;
  }
};

void Floor(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(fixture().path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  ado::sqlite::ConfigureConnection(db);
  for (auto _ : state) {
    Statement cfg(db, "SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE = ?");
    Statement sistema(db, "SELECT SISTEMA FROM V_TA_CPTE WHERE LTRIM(RTRIM(CODIGO)) = ? LIMIT 1");
    Statement header(db,
                     "SELECT * FROM V_MV_CPTE WHERE TC = ? AND IdComprobante = ? AND IdComplemento = 0 ORDER BY ID");
    Statement tasks(
        db, "SELECT * FROM V_MV_CPTETAREAS WHERE TC = ? AND IDCOMPROBANTE = ? AND IdComplemento = 0 ORDER BY ID");
    Statement lines(
        db, "SELECT * FROM V_MV_CPTEINSUMOS WHERE TC = ? AND IDCOMPROBANTE = ? AND IdComplemento = 0 ORDER BY ID");
    Statement others(db,
                     "SELECT * FROM V_MV_CPTE_Observ WHERE TC = ? AND IDCOMPROBANTE = ? AND IdComplemento = 0 AND "
                     "TIPO_OBS = 'OC' ORDER BY ID");
    Statement master(db, "SELECT *, IDUNIDAD AS UDBASE FROM V_MA_ARTICULOS WHERE IDARTICULO = ?");
    Statement type(db, "SELECT * FROM V_ta_TipoArticulo WHERE LTRIM(RTRIM(IdTipo)) = ? LIMIT 1");
    Statement price(db,
                    "SELECT CONIVA FROM VT_MA_PRECIOS_ARTICULOS WHERE IDARTICULO = ? AND IDLISTA = ? AND "
                    "TIPOLISTA = 'V'");
    const auto config = [&](const char* key) {
      cfg.bind(1, key);
      const QString v = cfg.row() ? cfg.text(0) : QStringLiteral(" ");
      cfg.reset();
      return v;
    };
    const QByteArray tc = "FC", number = kNumber.toUtf8();
    config("DescargaStockRemitos");
    config("EntregaParcialRemito");
    sistema.bind(1, tc).row();
    const bool ventas = sistema.text(0) == "VENTAS";
    sistema.reset();
    header.bind(1, tc).bind(2, number).row();
    const QString condicion = header.text(header.column("CondicionIva"));
    tasks.bind(1, tc).bind(2, number);
    while (tasks.row()) {
    }
    namespace a = numbering::articulos;
    std::vector<std::array<QString, a::Columnas>> grid;
    lines.bind(1, tc).bind(2, number);
    const std::pair<const char*, int> fields[] = {{"IdArticulo", a::IdArticulo},
                                                  {"Descripcion", a::Descripcion},
                                                  {"IdUnidad", a::IdUnidad},
                                                  {"Cantidad", a::Cantidad},
                                                  {"IdUnidadBase", a::UnidadEquiv},
                                                  {"CantidadUD", a::CantidadEquiv},
                                                  {"Importe", a::Importe},
                                                  {"PorcDto", a::PorcDto},
                                                  {"IdLista", a::IdLista},
                                                  {"Costo", a::Costo},
                                                  {"Importe_S_IVA", a::PrecioSinIVA},
                                                  {"Impuestos", a::Impuestos},
                                                  {"iTC", a::ITC},
                                                  {"Total", a::Total},
                                                  {"Nro_Lote", a::NroLote},
                                                  {"Nro_Serie", a::NroSerie},
                                                  {"ControladoPor", a::LoteAduana},
                                                  {"IdOrigen", a::LoteOrigen},
                                                  {"AlicIVA", a::TasaIVA},
                                                  {"Exento", a::EsExento}};
    const std::pair<const char*, int> flags[] = {{"USASERIE", a::PideSerie},
                                                 {"USALOTE", a::PideLote},
                                                 {"Perecedero", a::EsPerecedero},
                                                 {"UsaTalle", a::PideTalle},
                                                 {"PideEquivalencia", a::PideEquivalencia},
                                                 {"pesable", a::Pesable}};
    std::vector<std::pair<int, int>> at;  // recordset column, grid column
    for (const auto& [f, c] : fields) at.emplace_back(lines.column(f), c);
    while (lines.row()) {
      auto& row = grid.emplace_back();
      config("PideDepositoEnCptes");
      for (const auto& [from, to] : at) row[to] = lines.text(from);
      if (config("CONDIVA") == "1" && condicion.trimmed().toInt() > 2) row[a::PrecioConIVA] = row[a::Importe];
      master.bind(1, row[a::IdArticulo].toUtf8());
      if (master.row()) {
        type.bind(1, master.text(master.column("IdTipo")).trimmed().toUtf8());
        if (type.row()) row[a::DescripcionTipo] = type.text(1);
        type.reset();
        for (const auto& [f, c] : flags) row[c] = master.text(master.column(f)) == "1" ? "-1" : "0";
        row[a::CodigoBarra] = master.text(master.column("codigobarra"));
      }
      master.reset();
      if (ventas) {
        price.bind(1, row[a::IdArticulo].toUtf8()).bind(2, row[a::IdLista].toUtf8());
        row[a::ListaConIVA] = price.row() && price.text(0) == "1" ? "-1" : "0";
        price.reset();
      }
    }
    others.bind(1, tc).bind(2, number);
    while (others.row()) {
    }
    if (grid.size() != size_t(kLines) || grid.back()[a::ListaConIVA] != "-1")
      state.SkipWithError("the floor read no voucher");
    benchmark::DoNotOptimize(grid);
  }
  sqlite3_close_v2(db);
}

// ---- The merge alone: lines of ten kinds, each merged into the first of its
// kind; only the merge calls are timed.

void Merge(benchmark::State& state) {
  namespace a = numbering::articulos;
  const int lines = int(state.range(0));
  core::ResetCore();
  for (auto _ : state) {
    Ventana form;
    ui::FlexGrid& g = form.MSFlexGrid2;
    g.setCols(a::Columnas);
    g.setRows(1);
    vouchers::carga::PasosCarga pasos([](const rt::Error&) { return 3; });
    vouchers::carga::ConsolidacionArticulos consolidacion(pasos);
    std::chrono::duration<double> merging{0};
    for (int i = 0; i < lines; ++i) {
      g.setRows(g.Rows() + 1);
      const int r = g.Rows() - 1;
      const int kind = i % 10;
      for (const auto& [c, text] :
           std::initializer_list<std::pair<int, QString>>{{a::IdArticulo, QStringLiteral("TABLA-%1").arg(kind)},
                                                          {a::IdUnidad, "M3"},
                                                          {a::Espesor, "2"},
                                                          {a::Ancho, "4"},
                                                          {a::ImporteUd, "3"},
                                                          {a::Cantidad, QString::number(i % 3 + 1)},
                                                          {a::Coeficiente, "2,5"},
                                                          {a::CantidadEquiv, "1"},
                                                          {a::Importe, "10,5"},
                                                          {a::Total, "21"},
                                                          {a::PrecioSinIVA, "8,68"},
                                                          {a::TotalConImpuestos, "21"},
                                                          {a::RestoPorAplicar, "2"},
                                                          {a::Costo, "5"},
                                                          {a::Impuestos, "0,1"},
                                                          {a::ITC, "0"}})
        g.setTextMatrix(r, c, text);
      const auto start = std::chrono::steady_clock::now();
      consolidacion.ConsolidaFilaArticulo(g);
      merging += std::chrono::steady_clock::now() - start;
    }
    if (g.Rows() != 11) state.SkipWithError("the lines did not merge");
    state.SetIterationTime(merging.count() / lines);  // per line
  }
  core::ResetCore();
}

}  // namespace

BENCHMARK(Program)->Iterations(10)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Floor)->Iterations(10)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Merge)->Arg(100)->Arg(1000)->Iterations(20)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (!RunBenchmarks("voucher_load", &argc, argv, reporter, [] { fixture(); })) return 1;
  const double per100 = reporter.time("Merge/100");
  const double per1000 = reporter.time("Merge/1000");
  std::printf("voucher_merge_per_line_100: %.2f us\nvoucher_merge_per_line_1000: %.2f us\n", per100, per1000);
  if (per100 > 0) std::printf("voucher_merge_growth: %.2f\n", per1000 / per100);
  return printRatio("voucher_load", reporter.time("Program"), reporter.time("Floor"));
}
