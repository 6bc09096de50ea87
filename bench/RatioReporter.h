#pragma once
// The console report of a benchmark program that closes with a ratio: it
// keeps each benchmark's real time per iteration, by its full name and by
// its function's name, and prints without colours (scripts read the last
// line).
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      times[run.benchmark_name()] = run.GetAdjustedRealTime();
      times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
  }
  // Time of a benchmark that ran without error; 0 otherwise.
  double time(const std::string& name) const {
    auto it = times.find(name);
    return it == times.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> times;
};
