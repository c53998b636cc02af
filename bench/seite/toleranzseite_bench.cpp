// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tolerance page as the user meets it, offscreen: Enter in the value field until both lists are
// painted (the calculation, the fill of the two lists, the captions and the paint of the lines in view).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "eseries/ToleranzSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"

namespace {

void enterBisGemalt(benchmark::State& state, int reihe, const char* text) {
    zelmo::Umgebung umgebung{u',', {}};
    zelmo::ToleranzSeite seite(umgebung, nullptr);
    seite.resize(637, 473);
    seite.laufzeitEinstellungen();
    seite.ersterStart();
    seite.show();
    seite.reihenGruppe()->knopf(reihe)->click();
    auto* par = seite.findChild<QPlainTextEdit*>(QStringLiteral("RE_Toleranz_parallel"));
    auto* ser = seite.findChild<QPlainTextEdit*>(QStringLiteral("RE_Toleranz_seriell"));
    zelmo::Eingabefeld* feld = seite.eingabefeld();
    feld->setText(QString::fromLatin1(text));
    QTest::keyClick(feld, Qt::Key_Return);
    for (auto _ : state) {
        QTest::keyClick(feld, Qt::Key_Return);
        par->viewport()->repaint();
        ser->viewport()->repaint();
    }
    state.counters["lines"] = double(par->document()->blockCount() + ser->document()->blockCount());
}

void BM_ToleranzSeite_Enter_E96(benchmark::State& s) { enterBisGemalt(s, 5, "1k"); }
void BM_ToleranzSeite_Enter_E96_4k7(benchmark::State& s) { enterBisGemalt(s, 5, "4,7k"); }
void BM_ToleranzSeite_Enter_E12(benchmark::State& s) { enterBisGemalt(s, 2, "1k"); }

}  // namespace

BENCHMARK(BM_ToleranzSeite_Enter_E96)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranzSeite_Enter_E96_4k7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranzSeite_Enter_E12)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
