// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "values/zahlen.h"

static void BM_Zahlenausgabe(benchmark::State& state) {
    double w = 4700.0;
    for (auto _ : state) benchmark::DoNotOptimize(zelmo::Zahlenausgabe(w, u','));
}
BENCHMARK(BM_Zahlenausgabe);
