// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "eseries/ereihen.h"
#include "eseries/toleranz.h"

// One whole calculation of the tolerance page without its widgets: pair search over every ordered
// pair, sorting of both lists and the shown lines.
static void toleranzRechnen(benchmark::State& state, zelmo::EReihe r, const char* text) {
    const QString eingabe = QString::fromLatin1(text);
    const auto tabelle = zelmo::reihe(r);
    const double fenster = zelmo::fensterProzent(r);
    size_t zeilen = 0;
    for (auto _ : state) {
        auto e = zelmo::Toleranz_Berechnung(eingabe, tabelle, fenster, zelmo::artR, u',');
        zeilen = e->parallel.size() + e->seriell.size();
        benchmark::DoNotOptimize(e);
    }
    state.counters["lines"] = double(zeilen);
}

static void BM_Toleranz_E96(benchmark::State& state) { toleranzRechnen(state, zelmo::EReihe::E96, "1k"); }
static void BM_Toleranz_E96_4k7(benchmark::State& state) { toleranzRechnen(state, zelmo::EReihe::E96, "4,7k"); }
static void BM_Toleranz_E24(benchmark::State& state) { toleranzRechnen(state, zelmo::EReihe::E24, "1k"); }
static void BM_Toleranz_E12(benchmark::State& state) { toleranzRechnen(state, zelmo::EReihe::E12, "1k"); }
BENCHMARK(BM_Toleranz_E96)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Toleranz_E96_4k7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Toleranz_E24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Toleranz_E12)->Unit(benchmark::kMicrosecond);
