#include "bench/table.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "bench/program.h"
#include "bench/verdict.h"

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
  explicit KeepingReporter(OutputOptions options) : ConsoleReporter(options) {}
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

// A row's run: its time per operation, or its failure; nothing if it did not run.
struct Outcome {
  bool ran = false;
  std::string error;
  double micros = 0.0;
  bool Measured() const { return ran && error.empty(); }
};

using Kept = std::map<std::string, benchmark::BenchmarkReporter::Run>;

Outcome OutcomeOf(const Registered& r, const Kept& kept) {
  auto it = kept.find(FullName(r));
  if (it == kept.end()) return {};
  const auto& run = it->second;
  if (run.error_occurred) return {true, run.error_message.empty() ? "?" : run.error_message};
  double ops = 1.0;
  if (auto c = run.counters.find("ops"); c != run.counters.end() && c->second.value > 0) {
    ops = c->second.value;
  }
  return {true, "", ToMicros(run.GetAdjustedRealTime(), run.time_unit) / ops};
}

// The rows that are the floor of `r`, in the order they were added.
std::vector<const Registered*> FloorsOf(const Registered& r) {
  std::vector<const Registered*> floors;
  for (const Registered& other : Rows()) {
    if (other.platform == r.platform && other.row.floorOf == r.row.name) floors.push_back(&other);
  }
  return floors;
}

// The program's row that `r` is the floor of, or nullptr.
const Registered* ProgramRowOf(const Registered& r) {
  if (r.row.floorOf.empty()) return nullptr;
  for (const Registered& other : Rows()) {
    if (other.platform == r.platform && other.row.name == r.row.floorOf) return &other;
  }
  return nullptr;
}

void PrintRow(const Registered& r, const std::string& time, const std::string& goal,
              const std::string& verdict) {
  std::cout << "| " << r.row.what << " | " << r.platform->Name() << " | " << time << " | " << goal
            << " | " << verdict << " |\n";
}

void PrintFailed(const Registered& r, const Outcome& outcome) {
  PrintRow(r, "failed: " + outcome.error, "", "**failed**");
}

std::string Ratio(double ratio) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f×", ratio);
  return text;
}

void PrintFloor(const Registered& floor, const Outcome& outcome, const Outcome& program) {
  if (!outcome.Measured()) {
    PrintFailed(floor, outcome);
    return;
  }
  std::string time = FormatMicros(outcome.micros) + " per " + floor.row.per;
  if (program.Measured()) time += "; the program " + Ratio(program.micros / outcome.micros);
  PrintRow(floor, time, "", "");
}

std::string VerdictOf(const Registered& r, const Outcome& outcome,
                      const std::vector<Outcome>& floors) {
  std::vector<double> measured;
  for (const Outcome& floor : floors) {
    if (floor.Measured()) measured.push_back(floor.micros);
  }
  return Verdict(r.row.goalMicros, outcome.micros, measured);
}

// Each row, and under it its floors; a floor whose row did not run stands alone.
void PrintTable(const Kept& kept) {
  std::cout << "\n| measurement | platform | time | goal | |\n|---|---|---|---|---|\n";
  for (const Registered& r : Rows()) {
    const Outcome outcome = OutcomeOf(r, kept);
    if (const Registered* program = ProgramRowOf(r)) {
      const Outcome programOutcome = OutcomeOf(*program, kept);
      if (outcome.ran && !programOutcome.ran) PrintFloor(r, outcome, programOutcome);
      continue;
    }
    if (!outcome.ran) continue;
    const std::vector<const Registered*> floors = FloorsOf(r);
    std::vector<Outcome> floorOutcomes;
    for (const Registered* floor : floors)
      floorOutcomes.push_back(OutcomeOf(*floor, kept));
    if (!outcome.Measured()) {
      PrintFailed(r, outcome);
    } else if (r.row.goalMicros > 0) {
      PrintRow(r, FormatMicros(outcome.micros) + " per " + r.row.per,
               "≤ " + FormatGoal(r.row.goalMicros), VerdictOf(r, outcome, floorOutcomes));
    } else {
      PrintRow(r, FormatMicros(outcome.micros) + " per " + r.row.per, "", "");
    }
    for (std::size_t n = 0; n < floors.size(); ++n) {
      if (floorOutcomes[n].ran) PrintFloor(*floors[n], floorOutcomes[n], outcome);
    }
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
  // The console table goes to standard error when the markdown table takes standard output;
  // in colour only on a terminal, so that a log of it stays plain text.
  const bool terminal = isatty(markdown ? STDERR_FILENO : STDOUT_FILENO) != 0;
  KeepingReporter reporter(terminal ? benchmark::ConsoleReporter::OO_Defaults
                                    : benchmark::ConsoleReporter::OO_Tabular);
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
