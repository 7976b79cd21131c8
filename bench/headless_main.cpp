#include "bench/program.h"
#include "bench/table.h"

// The benchmarks without peers: the handlers' own cost.
int main(int argc, char** argv) {
  bench::AddReadoutEventCase();
  bench::AddReadoutCases();
  bench::AddPressCases();
  bench::AddWindowCases();
  const int status = bench::RunAll(argc, argv);
  bench::EndProgram();
  return status;
}
