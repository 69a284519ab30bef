// The benchmarks' main: a benchmark program starts and ends as the programs
// do (RunProgram), with the parts it measures, then runs its benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include "drummachine/startup/ProgramEntry.h"
#include "platform/vcl/Forms.h"

inline int RunBenchmarkProgram(int argc, char** argv, TProgramParts parts) {
  return RunProgram({parts, {}}, [&] {
    Application->Initialize();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
  });
}
