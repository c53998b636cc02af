// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared ring model: colour rows, shortest texts, value from digit and multiplier rings, rings
// from a value, limit texts and the E-series lines.

#include "colourcode/ringe.h"

#include <gtest/gtest.h>

#include <cmath>

#include "colourcode/widerstand.h"
#include "qtext_ausgabe.h"

using namespace zelmo;

namespace {

TEST(Farbzeilen, FarbwerteUndBeschriftungenJeZeile) {
    struct Fall {
        int zeile;
        const char16_t* name;
        int tag;
        Farbwert farbe;
    };
    const Fall faelle[] = {{0, u"schwarz", 33, 0x000000}, {1, u"braun", 34, 0x000080}, {2, u"rot", 35, 0x0000FF},
                           {3, u"orange", 36, 0x0080FF},  {4, u"gelb", 37, 0x00FFFF},  {5, u"grün", 38, 0x008000},
                           {6, u"blau", 39, 0xFF0000},    {7, u"violett", 40, 0xFF00FF}, {8, u"grau", 41, 0x808080},
                           {9, u"weiß", 42, 0xFFFFFF},    {10, u"silber", 43, 0xC0C0C0}, {11, u"gold", 44, 0x00B3B3},
                           {12, u"ohne", 45, 0xF0CAA6}};
    for (const auto& f : faelle) {
        const Farbzeile& z = standardPalette()[size_t(f.zeile)];
        EXPECT_EQ(QString::fromUtf16(z.name), QString::fromUtf16(f.name)) << f.zeile;
        EXPECT_EQ(z.tag, f.tag) << f.zeile;
        EXPECT_EQ(z.farbe, f.farbe) << f.zeile;
    }
    EXPECT_EQ(Gold, 46003u);
    EXPECT_EQ(Orange, 33023u);
    EXPECT_EQ(Hintergrund, 15780518u);
    // the "ohne" swatch shows the page background, the ring itself the body colour
    EXPECT_EQ(standardPalette()[12].muster, 14215640u);
    // the inductor legend swaps silver and gold
    EXPECT_EQ(drosselPalette()[10].farbe, Gold);
    EXPECT_EQ(QString::fromUtf16(drosselPalette()[11].name), QStringLiteral("silver"));
    EXPECT_EQ(drosselPalette()[11].farbe, clSilver);
}

TEST(Farbzeilen, ZiffernzeichenDerFarben) {
    for (int d = 0; d < 10; ++d) EXPECT_EQ(ziffernZeichen(ziffernFarbe(d)), QChar(u'0' + d)) << d;
    for (Farbwert f : {Gold, clSilver, Hintergrund, Farbwert(0x123456)}) EXPECT_EQ(ziffernZeichen(f), QChar(u'0'));
}

TEST(Ziffernring, SetztDieStelleImTextDesWertes) {
    struct Fall {
        double wert;
        int stelle;
        char ziffer;
        double ergebnis;
    };
    const Fall faelle[] = {
        {12, 0, '2', 22},       // 12000 -> 22000
        {22, 1, '7', 27},       // 22000 -> 27000
        {123, 1, '5', 153},     // the third digit stays
        {4700, 2, '3', 4730},   // 5-ring third digit
        {0.005, 2, '3', 0.053}, // text "5" is shorter: the digit is appended
        {1e-9, 0, '2', 2e-9},   // exponent text "1E-6" keeps its exponent
    };
    for (const auto& f : faelle) {
        const auto w = wertMitZiffer(f.wert, 1000, f.stelle, QChar(f.ziffer), u',');
        ASSERT_TRUE(w) << f.wert;
        EXPECT_DOUBLE_EQ(*w, f.ergebnis) << f.wert;
    }
    // texts that do not give a positive number leave the value alone
    EXPECT_FALSE(wertMitZiffer(0.005, 1000, 0, u'0', u','));  // "0"
    EXPECT_FALSE(wertMitZiffer(1e-9, 1000, 1, u'5', u','));   // "15-6"
}

TEST(Multiplikatorring, ErsteKStellenMalFaktor) {
    struct Fall {
        double wert;
        int k;
        double m;
        double ergebnis;
    };
    const Fall faelle[] = {
        {153, 2, 100, 1500},       // 15 x 100
        {470, 2, 1e4, 470000},     // 47 x 10k
        {22, 2, 0.01, 0.22},       // 22 x 0,01
        {36500, 3, 1e3, 365000},   // 365 x 1k
        {0.0047, 2, 10, 40},       // text "4,7": "4," reads as 4
        {1e-9, 2, 10, 10},         // "1E-6": the E is no prefix here
    };
    for (const auto& f : faelle) {
        const auto w = wertMitMultiplikator(f.wert, 1000, f.k, f.m, u',');
        ASSERT_TRUE(w) << f.wert;
        EXPECT_DOUBLE_EQ(*w, f.ergebnis) << f.wert;
    }
    EXPECT_FALSE(wertMitMultiplikator(0.0005, 1000, 2, 100, u','));  // "0,5" gives 0
}

TEST(RingeAusWert, WiderstandscodierungMitZiffernUndMultiplikator) {
    struct Fall {
        double wert;
        bool fuenf;
        std::vector<std::optional<int>> ziffern;
        std::optional<int> multi;
    };
    const Fall faelle[] = {
        {4700, false, {4, 7}, 2},                      // yellow violet red
        {36500, true, {3, 6, 5}, 2},                   // orange blue green red
        {0.47, false, {4, 7}, 10},                     // silver multiplier
        {4.7, false, {4, 7}, 11},                      // gold multiplier
        {47, false, {4, 7}, 0},
        {0.047, false, {4, 7}, std::nullopt},          // below the ring range: multiplier unchanged
        {129, false, {1, 2}, 1},                       // cut, not rounded
        {99e9, false, {9, 9}, 9},                      // white multiplier
        {1e11, false, {1, 0}, std::nullopt},           // 100 GOhm: out of range
        {1e12, true, {1, std::nullopt, 1}, std::nullopt},  // text "1E15": only digits count
    };
    for (const auto& f : faelle) {
        const Ringbelegung b = ringeAusWert(f.wert, widerstandcode::codierung(f.fuenf), u',');
        EXPECT_EQ(b.ziffern, f.ziffern) << f.wert;
        EXPECT_EQ(b.multiplikator, f.multi) << f.wert;
    }
}

TEST(RingeAusWert, ErsterRingNimmtKeineNull) {
    // 5 rings, 1.5 ohm: text "1500", 150 x 0,01 -> brown green black silver
    Ringbelegung b = ringeAusWert(1.5, widerstandcode::codierung(true), u',');
    EXPECT_EQ(b.ziffern, (std::vector<std::optional<int>>{1, 5, 0}));
    EXPECT_EQ(b.multiplikator, std::optional<int>(10));
    // a text starting with "0" leaves the first ring alone
    EXPECT_EQ(ziffernAusText(QStringLiteral("0,47"), 3, 1), (std::vector<std::optional<int>>{std::nullopt, std::nullopt, 4}));
}

TEST(Stellenzahl, GerundetOhneNachkomma) {
    EXPECT_EQ(stellenzahl(0), 1);
    EXPECT_EQ(stellenzahl(9.4), 1);
    EXPECT_EQ(stellenzahl(9.5), 2);
    EXPECT_EQ(stellenzahl(4700 * 1e7), 11);
    EXPECT_EQ(stellenzahl(999999999.6), 10);
    EXPECT_EQ(stellenzahl(1e19), 20);
}

TEST(Toleranzgrenzen, WiderstandsStufenMitZweiNachkommastellen) {
    const auto stufen = widerstandcode::grenzStufen();
    struct Fall {
        double wert;
        double toleranz;
        const char16_t* oben;
        const char16_t* unten;
    };
    const Fall faelle[] = {
        {4700, 10, u"5,17 k\u2126", u"4,23 k\u2126"},
        {12, 10, u"13,20  \u2126", u"10,80  \u2126"},
        {0.22, 10, u"242,00 m\u2126", u"198,00 m\u2126"},
        {1e12, 10, u"1100,00 G\u2126", u"900,00 G\u2126"},
        {39000, 5, u"40,95 k\u2126", u"37,05 k\u2126"},
        {1e6, 0.1, u"1,00 M\u2126", u"999,00 k\u2126"},
    };
    for (const auto& f : faelle) {
        const auto g = toleranzgrenzen(f.wert, f.wert * f.toleranz / 100, stufen, u',');
        EXPECT_EQ(g.oben, QString::fromUtf16(f.oben)) << f.wert;
        EXPECT_EQ(g.unten, QString::fromUtf16(f.unten)) << f.wert;
    }
    // thresholds: a limit must exceed them
    EXPECT_EQ(grenzText(999.99, stufen, u','), QString::fromUtf16(u"999,99  \u2126"));
    EXPECT_EQ(grenzText(0.9, stufen, u','), QString::fromUtf16(u"900,00 m\u2126"));
    // rounded to 6 significant digits before the two decimals
    EXPECT_EQ(grenzText(1.004999, stufen, u','), QString::fromUtf16(u"1,01  \u2126"));  // 1.00500
    EXPECT_EQ(grenzText(12 * 1.1, stufen, u'.'), QString::fromUtf16(u"13.20  \u2126"));
}

TEST(EReihenZeilen, ZeilentexteJeReiheUndKeineReihe) {
    struct Fall {
        double wert;
        Reihenzeilen stil;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {12, Reihenzeilen::WiderstandDrossel, {" E 12  -  10%", " E 24  -    5%"}},
        {13, Reihenzeilen::WiderstandDrossel, {" E 24  -    5%", " E 96  -    1%"}},
        {17, Reihenzeilen::WiderstandDrossel, {keineEReihe}},
        {4700, Reihenzeilen::WiderstandDrossel, {" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%"}},
        {36500, Reihenzeilen::WiderstandDrossel, {" E 48  -    2%", " E 96  -    1%"}},
        {100.00,
         Reihenzeilen::WiderstandDrossel,
         {" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%", " E 48  -    2%", " E 96  -    1%"}},
        {4.7e-9,
         Reihenzeilen::Kondensator,
         {" E 3    -  >20%", " E 6    -    20%", " E 12  -    10%", " E 24  -      5%"}},
        {1e-12,
         Reihenzeilen::Kondensator,
         {" E 3    -  >20%", " E 6    -    20%", " E 12  -    10%", " E 24  -      5%", " E 48  -      2%",
          " E 96  -      1%"}},
    };
    for (const auto& f : faelle) EXPECT_EQ(eReihenZeilen(f.wert, f.stil), f.zeilen) << f.wert;
    EXPECT_EQ(keineEReihe, QStringLiteral("    Wert ist in\r    k e i n e r\r    E-Reihe\r    enthalten"));
}

TEST(Ringtabelle, ZeilenOhneWertMalenNichts) {
    const Ringtabelle t = ringtabelle(standardPalette(),
                                      {u"a", nullptr, u"c", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, u"l", u"m"},
                                      {1.0, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                       std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, 11.0, 5.0});
    EXPECT_EQ(t[0].farbe, std::optional<Farbwert>(clBlack));
    EXPECT_FALSE(t[2].farbe);  // text without meaning
    EXPECT_EQ(t[11].farbe, std::optional<Farbwert>(Gold));
    EXPECT_EQ(t[12].farbe, std::optional<Farbwert>(Hintergrund));
    EXPECT_EQ(leereZeilen(t), (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(zeileMitWert(t, 5.0), std::optional<int>(12));
    EXPECT_EQ(wertDerFarbe(t, Gold), std::optional<double>(11.0));
    EXPECT_FALSE(wertDerFarbe(t, clRed));
}

}  // namespace
