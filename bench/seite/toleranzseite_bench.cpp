// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tolerance page as the user meets it, offscreen: Enter in the value field until both lists are
// painted (the calculation, the fill of the two lists, the captions and the paint of the lines in view).
// The window is exposed before timing starts, and the paints of the two lists are counted, so that a
// round that painted nothing cannot pass for a fast one.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "eseries/ToleranzSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "fields/Zeilenliste.h"

namespace {

// Counts the paint events of the widgets it watches.
struct Malzaehler : QObject {
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++anzahl;
        return false;
    }
};

void enterBisGemalt(benchmark::State& state, int reihe, const char* text, int teile = 2) {
    zelmo::Umgebung umgebung{u',', {}};
    zelmo::ToleranzSeite seite(umgebung, nullptr);
    seite.resize(637, 473);
    seite.laufzeitEinstellungen();
    seite.ersterStart();
    seite.show();
    if (!QTest::qWaitForWindowExposed(&seite)) {
        state.SkipWithError("window not exposed");
        return;
    }
    seite.reihenGruppe()->knopf(reihe)->click();
    seite.anzahlGruppe()->knopf(teile - 2)->click();
    auto* par = seite.findChild<zelmo::Zeilenliste*>(QStringLiteral("RE_Toleranz_parallel"));
    auto* ser = seite.findChild<zelmo::Zeilenliste*>(QStringLiteral("RE_Toleranz_seriell"));
    zelmo::Eingabefeld* feld = seite.eingabefeld();
    feld->setText(QString::fromLatin1(text));
    QTest::keyClick(feld, Qt::Key_Return);
    Malzaehler maler;
    par->viewport()->installEventFilter(&maler);
    ser->viewport()->installEventFilter(&maler);
    for (auto _ : state) {
        QTest::keyClick(feld, Qt::Key_Return);
        par->viewport()->repaint();
        ser->viewport()->repaint();
    }
    state.counters["lines"] = double(par->anzahl() + ser->anzahl());
    state.counters["paints"] = benchmark::Counter(double(maler.anzahl), benchmark::Counter::kAvgIterations);
}

void BM_ToleranzSeite_Enter_E96(benchmark::State& s) { enterBisGemalt(s, 5, "1k"); }
void BM_ToleranzSeite_Enter_E96_4k7(benchmark::State& s) { enterBisGemalt(s, 5, "4,7k"); }
void BM_ToleranzSeite_Enter_E12(benchmark::State& s) { enterBisGemalt(s, 2, "1k"); }
void BM_ToleranzSeite_Enter_E96_drei(benchmark::State& s) { enterBisGemalt(s, 5, "3,37k", 3); }
void BM_ToleranzSeite_Enter_E192_drei(benchmark::State& s) { enterBisGemalt(s, 6, "3,37k", 3); }

}  // namespace

BENCHMARK(BM_ToleranzSeite_Enter_E96)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranzSeite_Enter_E96_4k7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranzSeite_Enter_E12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranzSeite_Enter_E96_drei)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranzSeite_Enter_E192_drei)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
