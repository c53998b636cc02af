// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed texts and computed values: Zahleneingabe, Zahlenausgabe, AnzeigeWert, EinheitVorsatz, Grenzwert.

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzzpruefung.h"
#include "values/zahlen.h"

using namespace zelmo;

namespace {

void wertPruefen(double w, QChar dez) {
    const QString aus = Zahlenausgabe(w, dez);
    const QString grenz = Grenzwert(w, dez);
    const double anzeige = AnzeigeWert(w);
    const QString vorsatz = EinheitVorsatz(w);
    if (!std::isfinite(w)) return;
    FUZZ_PRUEFE(!aus.contains(QStringLiteral("inf"), Qt::CaseInsensitive) && !aus.contains(QStringLiteral("nan")));
    // a shown value reads back as a number, the same within its two decimals
    // (the 15 digits shown of a value near the double limit can round beyond it: "1797...,00 Y")
    const auto zurueck = Zahleneingabe(aus, dez);
    if (std::fabs(w) > 1e307) return;
    FUZZ_PRUEFE(zurueck.has_value());
    if (std::fabs(w) >= 1e-24 && std::fabs(w) < 1e27) FUZZ_PRUEFE(std::fabs(*zurueck - w) <= std::fabs(w) * 0.0051);
    if (w != 0) {
        // never without its prefix, never scaled to nothing
        FUZZ_PRUEFE(anzeige != 0 && std::isfinite(anzeige));
        FUZZ_PRUEFE((anzeige < 0) == (w < 0));
        FUZZ_PRUEFE(vorsatz != QStringLiteral("  "));
        FUZZ_PRUEFE(aus.endsWith(u' ') || aus.back().isLetter() || aus.back() == QChar(0x00B5));
        FUZZ_PRUEFE(!grenz.startsWith(QStringLiteral("0  ")));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    for (QChar dez : {QChar(u','), QChar(u'.')}) {
        if (const auto w = Zahleneingabe(text, dez)) {
            FUZZ_PRUEFE(std::isfinite(*w));
            wertPruefen(*w, dez);
        }
        if (const auto g = Gleitkommazahl(text, dez)) FUZZ_PRUEFE(std::isfinite(*g));
    }
    // the same bytes as a double, for values no typing reaches (subnormal, huge, negative zero)
    if (groesse >= sizeof(double)) {
        double w;
        std::memcpy(&w, daten, sizeof w);
        wertPruefen(w, u',');
        (void)angezeigterWert(Zahlenausgabe(w, u','), QStringLiteral("k"), u',');
        (void)AnzeigeMitVorsatz(w, u',');
    }
    return 0;
}
