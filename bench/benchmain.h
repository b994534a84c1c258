#pragma once

#include <benchmark/benchmark.h>

// Marks a benchmark as measured against a baseline benchmark of the same run: the closing
// table prints the ratio baseline median / benchmark median.
void compareWith(benchmark::State& state, const char* baseline);
