#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks the command line selects, each repeated as registered, and closes with
// a table of their medians and each one's ratio to its baseline. The caller has made the
// Qt application object the benchmarks need.
int runBenchmarks(int argc, char** argv);

// Marks a benchmark as measured against a baseline benchmark of the same run: the closing
// table prints the ratio baseline median / benchmark median.
void compareWith(benchmark::State& state, const char* baseline);
