#include <benchmark/benchmark.h>

#include "values/zahlen.h"

static void BM_Zahlenausgabe(benchmark::State& state) {
    double w = 4700.0;
    for (auto _ : state) benchmark::DoNotOptimize(zelmo::Zahlenausgabe(w, u','));
}
BENCHMARK(BM_Zahlenausgabe);
