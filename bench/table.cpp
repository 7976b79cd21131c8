#include "bench/table.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <vector>

#include "bench/program.h"

namespace bench {

namespace {

struct Registered {
  Row row;
  Platform* platform;
};

std::vector<Registered>& Rows() {
  static std::vector<Registered> rows;
  return rows;
}

double ToMicros(double value, benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return value / 1e3;
    case benchmark::kMicrosecond:
      return value;
    case benchmark::kMillisecond:
      return value * 1e3;
    case benchmark::kSecond:
      return value * 1e6;
  }
  return value;
}

// The console output as usual, and each benchmark's representative run kept: its median
// when it was repeated, else its one run, or the run that failed.
class KeepingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) {
        kept[run.run_name.function_name] = run;
        continue;
      }
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      if (median || single) kept[run.run_name.function_name] = run;
    }
  }
  std::map<std::string, Run> kept;
};

// A goal as it was set: 0.2 µs, 2 µs, 10 ms.
std::string FormatGoal(double micros) {
  char text[32];
  if (micros < 1000.0) {
    std::snprintf(text, sizeof text, "%g µs", micros);
  } else {
    std::snprintf(text, sizeof text, "%g ms", micros / 1000.0);
  }
  return text;
}

std::string FullName(const Registered& r) {
  return std::string(r.platform->Name()) + "/" + r.row.name;
}

void PrintTable(const std::map<std::string, benchmark::BenchmarkReporter::Run>& kept) {
  std::cout << "\n| measurement | platform | time | goal | |\n|---|---|---|---|---|\n";
  for (const Registered& r : Rows()) {
    auto it = kept.find(FullName(r));
    if (it == kept.end()) continue;
    const auto& run = it->second;
    if (run.error_occurred) {
      std::cout << "| " << r.row.what << " | " << r.platform->Name()
                << " | failed: " << run.error_message << " | | **failed** |\n";
      continue;
    }
    double ops = 1.0;
    if (auto c = run.counters.find("ops"); c != run.counters.end() && c->second.value > 0) {
      ops = c->second.value;
    }
    const double micros = ToMicros(run.GetAdjustedRealTime(), run.time_unit) / ops;
    std::string goal = "";
    std::string verdict = "";
    if (r.row.goalMicros > 0) {
      goal = "≤ " + FormatGoal(r.row.goalMicros);
      verdict = micros <= r.row.goalMicros ? "met" : "**missed**";
    }
    std::cout << "| " << r.row.what << " | " << r.platform->Name() << " | " << FormatMicros(micros)
              << " per " << r.row.per << " | " << goal << " | " << verdict << " |\n";
  }
}

}  // namespace

void Add(const Row& row, void (*body)(benchmark::State&)) {
  Registered r{row, &CurrentPlatform()};
  Platform* platform = r.platform;
  benchmark::internal::Benchmark* b =
      benchmark::RegisterBenchmark(FullName(r).c_str(), [platform, body](benchmark::State& state) {
        SetPlatform(*platform);
        body(state);
      });
  if (row.manualTime) {
    b->UseManualTime();
  } else {
    b->UseRealTime();
  }
  if (row.iterations > 0) b->Iterations(row.iterations);
  Rows().push_back(std::move(r));
}

void CountOps(benchmark::State& state, double opsPerIteration) {
  state.counters["ops"] =
      benchmark::Counter(opsPerIteration * static_cast<double>(state.iterations()),
                         benchmark::Counter::kAvgIterations);
}

int RunAll(int argc, char** argv) {
  bool markdown = false;
  std::vector<char*> args;
  for (int n = 0; n < argc; ++n) {
    if (std::strcmp(argv[n], "--markdown") == 0) {
      markdown = true;
    } else {
      args.push_back(argv[n]);
    }
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  KeepingReporter reporter;
  // The console table goes to standard error when the markdown table takes standard output.
  if (markdown) reporter.SetOutputStream(&std::cerr);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (markdown) PrintTable(reporter.kept);
  return 0;
}

std::string FormatMicros(double micros) {
  char text[32];
  if (micros < 1.0) {
    std::snprintf(text, sizeof text, "%.3f µs", micros);
  } else if (micros < 100.0) {
    std::snprintf(text, sizeof text, "%.1f µs", micros);
  } else if (micros < 1000.0) {
    std::snprintf(text, sizeof text, "%.0f µs", micros);
  } else {
    std::snprintf(text, sizeof text, "%.2f ms", micros / 1000.0);
  }
  return text;
}

}  // namespace bench
