// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor's ring tables, tolerance and voltage sets and their messages.

#include "colourcode/widerstand.h"

#include <gtest/gtest.h>

#include "qtext_ausgabe.h"

using namespace zelmo;
using namespace zelmo::widerstandcode;

namespace {

QStringList texte(const Ringtabelle& t) {
    QStringList l;
    for (const auto& z : t) l << z.text;
    return l;
}

TEST(WiderstandTabellen, ItemTexteJeRing) {
    EXPECT_EQ(texte(ersteZiffer()), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "", "", ""}));
    EXPECT_EQ(texte(ziffer()), texte(ersteZiffer()));
    EXPECT_EQ(texte(multiplikator()), (QStringList{"x 1", "x 10", "x 100", "x 1k", "x 10k", "x 100k", "x 1 M", "x 10M",
                                                   "x 100M", "x 1G", "x 0,01", "x 0,1", ""}));
    EXPECT_EQ(texte(toleranz()),
              (QStringList{"", "1 %", "2 %", "", "", "0,5%", "0,25%", "0,1%", "", "", "10 %", "5 %", ""}));
    EXPECT_EQ(texte(spannung()), (QStringList{"100 V", "200V", "300 V", "400 V", "500 V", "600 V", "700 V", "800 V",
                                              "900 V", "", "2000V", "1000V", "500V"}));
}

TEST(WiderstandTabellen, FarbenUndWerteJeZeile) {
    // the first digit ring shows "0" but never paints black
    EXPECT_FALSE(ersteZiffer()[0].farbe);
    EXPECT_EQ(ziffer()[0].farbe, std::optional<Farbwert>(clBlack));
    EXPECT_EQ(ersteZiffer()[9].farbe, std::optional<Farbwert>(clWhite));
    // multiplier by colour; a colour not in the table has none (the page uses 1)
    EXPECT_EQ(wertDerFarbe(multiplikator(), clSilver), std::optional<double>(0.01));
    EXPECT_EQ(wertDerFarbe(multiplikator(), Gold), std::optional<double>(0.1));
    EXPECT_EQ(wertDerFarbe(multiplikator(), clWhite), std::optional<double>(1e9));
    EXPECT_FALSE(wertDerFarbe(multiplikator(), Hintergrund));
    // "500V" of row 12 paints the body colour
    EXPECT_EQ(spannung()[12].farbe, std::optional<Farbwert>(Hintergrund));
    EXPECT_EQ(spannung()[12].wert, std::optional<double>(500));
    EXPECT_FALSE(spannung()[9].farbe);
}

TEST(WiderstandTabellen, ToleranzUndSpannungZeilen) {
    const std::pair<double, int> toleranzen[] = {{10, 10}, {5, 11}, {2, 2}, {1, 1}, {0.5, 5}, {0.25, 6}, {0.1, 7}};
    for (auto [t, zeile] : toleranzen) EXPECT_EQ(toleranzZeile(t), std::optional<int>(zeile)) << t;
    for (double t : {3.0, 20.0, 0.0, 0.3}) EXPECT_FALSE(toleranzZeile(t)) << t;

    const std::pair<double, int> spannungen[] = {{100, 0},  {200, 1}, {500, 4},     {900, 8},
                                                 {1000, 11}, {2000, 10}};
    for (auto [u, zeile] : spannungen) EXPECT_EQ(spannungZeile(u), std::optional<int>(zeile)) << u;
    EXPECT_FALSE(spannungZeile(250));
}

TEST(WiderstandEingaben, ToleranzNurAusDenRingwerten) {
    for (double t : {10.0, 5.0, 2.0, 1.0, 0.5, 0.25, 0.1}) EXPECT_FALSE(toleranzPruefung(t, "x")) << t;
    EXPECT_EQ(toleranzPruefung(3, "3"),
              QString::fromUtf16(u"Die eingegebene Zahl 3%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                 u"               0.1, 0.25, 0.5, 1, 2, 5 und 10 %."));
}

TEST(WiderstandEingaben, SpannungGanzzahligerAnteil) {
    EXPECT_EQ(spannungAusEingabe(2000.7), 2000);
    EXPECT_EQ(spannungAusEingabe(-100.5), -100);
    for (double u : {2000.7, 100.0, 500.99, 1000.0}) EXPECT_FALSE(spannungPruefung(u, "x")) << u;
    for (double u : {99.9, -100.5, 250.0, 3000.0}) EXPECT_TRUE(spannungPruefung(u, "x")) << u;
    EXPECT_EQ(spannungPruefung(99.9, "99,9"),
              QString::fromUtf16(u"Die eingegebene Zahl 99,9V  ist außerhalb der möglichen Spannungswerte\r\r"
                                 u" 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000 V"));
}

}  // namespace
