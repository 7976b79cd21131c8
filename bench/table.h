#pragma once

#include <benchmark/benchmark.h>

#include <string>

// Benchmarks with a row each in the performance table: what is measured, per what, and the
// goal it is held against.
namespace bench {

struct Row {
  std::string name;         // unique within one executable
  std::string what;         // the row's text
  std::string per;          // one operation: "event", "press", "window", ...
  double goalMicros = 0.0;  // 0: no goal
  // The body times itself (SetIterationTime), leaving its set-up out.
  bool manualTime = false;
  // A fixed number of iterations for a body with costly set-up (0: chosen by the library).
  int iterations = 0;
  // The name of the row, of the same platform, whose bare Qt floor this row measures; the
  // table prints it under that row with the ratio of the two.
  std::string floorOf = "";
};

// Registers the benchmark under the current platform's name; it runs on that platform. A body whose
// iteration holds several operations counts them with CountOps; the table divides by that count.
void Add(const Row& row, void (*body)(benchmark::State&));
void CountOps(benchmark::State& state, double opsPerIteration);

// Runs the benchmarks selected by Google Benchmark's own flags. With --markdown it then
// prints the table of the medians (of the repetitions, if any) to standard output. A goal
// that the row's floor misses too, with the program within kWithinFloor of that floor, is
// named as Qt's, not the program's.
int RunAll(int argc, char** argv);

// The table's text for a time in microseconds: "0.043 µs", "12.5 µs", "3.21 ms".
std::string FormatMicros(double micros);

}  // namespace bench
