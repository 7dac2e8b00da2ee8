#pragma once

#include <benchmark/benchmark.h>

// The end of a benchmark program's own main(), once the application object (and whatever else
// the benchmarks need) exists: runs the benchmarks named on the command line.
inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
