// Reading a 200,000-record invoice-detail table through the DBF provider
// (every field of every record turned into a value, and the live-record
// count the import shows) against a plain sequential read of the same
// file's bytes.
#include <benchmark/benchmark.h>

#include <QFile>

#include "RatioReporter.h"
#include "platform/ado/provider/Providers.h"
#include "support/TavernixTables.h"
#include "support/TempFolder.h"

namespace {

constexpr long long kRecords = 200000;

const testing_support::TempFolder& folder() {
  static const testing_support::TempFolder f = [] {
    testing_support::TempFolder made;
    testing_support::writeTxfacTable(made.file("TXFAC.DBF"), kRecords);
    return made;
  }();
  return f;
}

void ProviderCursor(benchmark::State& state) {
  ado::provider::ConnectionSpec spec;
  spec.kind = ado::provider::Kind::Dbf;
  spec.items.insert(QStringLiteral("data source"), folder().path());
  for (auto _ : state) {
    auto session = ado::provider::openDbfSession(spec);
    auto cursor = session->open(QStringLiteral("Select * from [TXFAC]"));
    benchmark::DoNotOptimize(cursor->knownCount());
    std::vector<rt::Variant> row;
    long long rows = 0;
    while (cursor->next(row)) ++rows;
    if (rows != kRecords) state.SkipWithError("wrong number of records");
  }
}

void PlainRead(benchmark::State& state) {
  std::vector<char> block(64 * 1024);
  for (auto _ : state) {
    QFile file(folder().file("TXFAC.DBF"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) state.SkipWithError("cannot open");
    unsigned sum = 0;
    for (qint64 n; (n = file.read(block.data(), qint64(block.size()))) > 0;)
      for (qint64 i = 0; i < n; ++i) sum += static_cast<unsigned char>(block[i]);
    benchmark::DoNotOptimize(sum);
  }
}

BENCHMARK(ProviderCursor)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->Repetitions(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (!RunBenchmarks("dbf_read", &argc, argv, reporter, [] { folder(); })) return 1;
  return printRatio("dbf_read", reporter.time("ProviderCursor"), reporter.time("PlainRead"));
}
