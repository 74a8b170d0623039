// The main loop shared by the benchmark programs.
#pragma once

#include <benchmark/benchmark.h>

// Reads Google Benchmark's flags from the command line, registers the benchmarks with `registerAll`
// and runs those the flags select. Returns the program's exit status: 1 for an unknown argument.
template <typename RegisterAll>
int RunBenchmarks(int argc, char** argv, RegisterAll registerAll) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  registerAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
