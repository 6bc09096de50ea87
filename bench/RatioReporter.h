#pragma once
// The console report of a benchmark program that closes with a ratio. It
// keeps, for each benchmark (its function's name, then "/" and its
// arguments when it has any), the least real time per iteration over its
// repetitions: other work on a shared machine only ever adds time, so the
// fastest run of each side is the fairest one to compare. Printed without
// colours (scripts read the last line).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      std::string name = run.run_name.function_name;
      if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
      auto [it, added] = times.try_emplace(name, run.GetAdjustedRealTime());
      if (!added) it->second = std::min(it->second, run.GetAdjustedRealTime());
    }
  }
  // Least time of a benchmark that ran without error; 0 otherwise.
  double time(const std::string& name) const {
    auto it = times.find(name);
    return it == times.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> times;
};

// The closing line "NAME_ratio: R" of the program's time over the floor's;
// the exit status of a benchmark program (1 when either side failed).
inline int printRatio(const char* name, double program, double floor) {
  if (program <= 0 || floor <= 0) return 1;
  std::printf("%s_ratio: %.2f\n", name, program / floor);
  return 0;
}

// What every benchmark program does first: takes the benchmark options,
// prepares its data (a failure is reported under the program's `name`),
// runs the benchmarks into `reporter`. False when the preparation failed.
inline bool RunBenchmarks(const char* name, int* argc, char** argv, RatioReporter& reporter,
                          const std::function<void()>& prepare = {}) {
  benchmark::Initialize(argc, argv);
  try {
    if (prepare) prepare();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", name, e.what());
    return false;
  }
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return true;
}
