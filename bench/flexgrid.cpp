// Filling the grid model row by row, as the voucher and lot windows do,
// against the floor of filling plain vectors of texts with the same values.
// Goal: flexgrid_ratio below 4, with a host observing every change.
#include <benchmark/benchmark.h>

#include <QString>
#include <vector>

#include "RatioReporter.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"

namespace {

constexpr int kRows = 5000, kCols = 20;

class GridForm : public ui::Form {
 public:
  GridForm() : ui::Form("frmGrilla") {}
  ui::FlexGrid grid{*this, "grid"};
};

const std::vector<QString>& texts() {
  static const std::vector<QString> t = [] {
    std::vector<QString> v;
    for (int i = 0; i < kCols; ++i) v.push_back(QStringLiteral("valor %1").arg(i));
    return v;
  }();
  return t;
}

void GridFill(benchmark::State& state) {
  for (auto _ : state) {
    GridForm form;
    int seen = 0;
    form.grid.watch([&](const ui::PropertyChange&) { ++seen; });
    form.grid.setCols(kCols);
    for (int r = 1; r <= kRows; ++r) {
      form.grid.setRows(r + 1);
      for (int c = 0; c < kCols; ++c) form.grid.setTextMatrix(r, c, texts()[static_cast<std::size_t>(c)]);
    }
    benchmark::DoNotOptimize(seen);
  }
}

void VectorFill(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::vector<QString>> rows(1, std::vector<QString>(kCols));
    for (int r = 1; r <= kRows; ++r) {
      rows.emplace_back(kCols);
      for (int c = 0; c < kCols; ++c) rows.back()[static_cast<std::size_t>(c)] = texts()[static_cast<std::size_t>(c)];
    }
    benchmark::DoNotOptimize(rows.data());
  }
}

BENCHMARK(GridFill)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(VectorFill)->Repetitions(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (!RunBenchmarks("flexgrid", &argc, argv, reporter)) return 1;
  return printRatio("flexgrid", reporter.time("GridFill"), reporter.time("VectorFill"));
}
