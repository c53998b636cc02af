// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/ledvorwiderstand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

using namespace zelmo;
using namespace zelmo::led;

namespace {


struct RechenFall {
    double U, I, Uf;
    int n;
    double R, P;
};

void PrintTo(const RechenFall& f, std::ostream* os) {
    *os << "U=" << f.U << " I=" << f.I << " Uf=" << f.Uf << " n=" << f.n;
}

class Berechnung : public ::testing::TestWithParam<RechenFall> {};

TEST_P(Berechnung, ResistorAndPower) {
    const RechenFall& f = GetParam();
    const auto e = berechnen(f.U, f.I, f.Uf, f.n);
    ASSERT_TRUE(e.has_value());
    EXPECT_NEAR(e->R, f.R, 1e-9 * std::max(1.0, f.R));
    EXPECT_NEAR(e->P, f.P, 1e-9 * std::max(1.0, f.P));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Berechnung,
    ::testing::Values(RechenFall{5, 0.01, 1.6, 1, 340, 0.034},        // first start
                      RechenFall{5, 0.01, 1.6, 3, 20, 0.002},         // three in series
                      RechenFall{3.2, 0.01, 4.0, 0, 320, 0.032},      // no LED left: R = U / I
                      RechenFall{12, 0.02, 2.2, 5, 50, 0.02},         //
                      RechenFall{1.60992, 1.0, 1.6, 1, 0.00992, 0.00992},  // within 0,1 mOhm below 10 mOhm: shown
                      RechenFall{1.6098, 1.0, 1.6, 1, 0, 0},          // further below: 0
                      RechenFall{4.8, 0.01, 1.6, 3, 0, 0},            // exactly used up (rounding below 0)
                      RechenFall{3, 0.01, 1.6, 2, 0, 0},              // negative R shows 0, and P too
                      RechenFall{1e12, 10, 1.6, 1, 1e11, 1e13}));     // largest supply and current

TEST(Berechnung, NoResultInsteadOfInfinityOrNaN) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(berechnen(5, 0, 1.6, 1));  // current 0 would divide by zero
    EXPECT_FALSE(berechnen(5, -0.01, 1.6, 1));
    EXPECT_FALSE(berechnen(inf, 0.01, 1.6, 1));
    EXPECT_FALSE(berechnen(5, nan, 1.6, 1));
    EXPECT_FALSE(berechnen(1e300, 1e-300, 1.6, 1));  // R would overflow
}

struct VerringerungsFall {
    int n;
    double uf, u;
    int erwartet;
    bool verringert;
};

void PrintTo(const VerringerungsFall& f, std::ostream* os) {
    *os << f.n << "x" << f.uf << "V on " << f.u << "V";
}

class Verringern : public ::testing::TestWithParam<VerringerungsFall> {};

TEST_P(Verringern, CountComesDownUntilTheLedsFit) {
    const VerringerungsFall& f = GetParam();
    const Verringerung v = anzahlVerringern(f.n, f.uf, f.u);
    EXPECT_EQ(v.n, f.erwartet);
    EXPECT_EQ(v.verringert, f.verringert);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Verringern,
                         ::testing::Values(VerringerungsFall{4, 1.6, 5, 3, true},    // 4 LEDs -> 3
                                           VerringerungsFall{3, 1.6, 5, 3, false},   // 4,8 V fit on 5 V
                                           VerringerungsFall{40, 1.6, 12, 7, true},  // user count 40 -> 7
                                           VerringerungsFall{2, 4.0, 3.2, 0, true},  // not even one fits
                                           VerringerungsFall{3, 1.6, 4.8, 3, false},  // 3 x 1,6 is 4,8, no less
                                           VerringerungsFall{6, 1.6, 9.6, 6, false},
                                           VerringerungsFall{1, 1.6, -5, 0, true},  // stops at 0
                                           VerringerungsFall{0, 1.6, 1, 0, false}));

TEST(Anzahl, ItemsCountsAndSelection) {
    for (int i = 0; i < 5; ++i) EXPECT_EQ(anzahlAusAuswahl(i, 99), i + 1);
    EXPECT_EQ(anzahlAusAuswahl(userItem, 40), 40);
    EXPECT_EQ(anzahlAusAuswahl(-1, 40), 1);  // nothing selected

    EXPECT_FALSE(auswahlFuerAnzahl(0));  // 0 leaves the selection as it is
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(auswahlFuerAnzahl(n), n - 1);
    EXPECT_EQ(auswahlFuerAnzahl(6), userItem);
    EXPECT_EQ(auswahlFuerAnzahl(99), userItem);

    EXPECT_EQ(userAnzahl(QStringLiteral("40")), 40);
    EXPECT_EQ(userAnzahl(QStringLiteral("3")), 3);
    EXPECT_FALSE(userAnzahl(QString()));
    EXPECT_FALSE(userAnzahl(QStringLiteral("4a")));

    EXPECT_EQ(anzahlNamen().at(userItem), QStringLiteral("       LEDs"));
    EXPECT_EQ(farbNamen().at(Weiss), QStringLiteral(u"Weiß "));
}

TEST(Farbe, RecordFieldsAndRanges) {
    LED_Vorwiderstand d;
    struct Fall {
        int farbe;
        double* feld;
        double min, max;
    };
    const Fall faelle[] = {{Rot, &d.LED_Rot, 1.1, 2.0},   {Blau, &d.LED_Blau, 3.5, 4.2},
                           {Gruen, &d.LED_Gruen, 1.8, 2.4}, {Weiss, &d.LED_Weiss, 3.8, 4.2},
                           {Gelb, &d.LED_Gelb, 1.9, 2.6},  {User, &d.LED_User, 1.6, 6.3}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.farbe);
        EXPECT_EQ(flussspannung(d, f.farbe), f.feld);
        // both bounds belong to the range
        EXPECT_FALSE(pruefeUf(f.farbe, f.min, {}, u','));
        EXPECT_FALSE(pruefeUf(f.farbe, f.max, {}, u','));
        EXPECT_TRUE(pruefeUf(f.farbe, f.min - 1e-9, {}, u','));
        EXPECT_TRUE(pruefeUf(f.farbe, f.max + 1e-9, {}, u','));
    }
    EXPECT_EQ(flussspannung(d, -1), nullptr);
    EXPECT_FALSE(flussspannung(std::as_const(d), -1));
    EXPECT_FALSE(pruefeUf(-1, 1.0, {}, u','));
    EXPECT_TRUE(pruefeUf(-1, 2.1, {}, u','));
}

TEST(Farbe, OutOfRangeMessageQuotesTheColoursBounds) {
    EXPECT_EQ(pruefeUf(Rot, 2.5, QStringLiteral("2,5"), u','),
              QStringLiteral(u"Die Eingabe 2,5V   ist außerhalb\r\rdes gültigen Wertebereiches: 1,1V bis 2V"));
    EXPECT_EQ(pruefeUf(User, 7, QStringLiteral("7"), u'.'),
              QStringLiteral(u"Die Eingabe 7V   ist außerhalb\r\rdes gültigen Wertebereiches: 1.6V bis 6.3V"));
}

TEST(Farbe, OneLedRaisesTheSupplyBeyondOneMillivolt) {
    EXPECT_TRUE(spannungErhoehen(3, 4.0));
    EXPECT_TRUE(spannungErhoehen(3.998, 4.0));
    EXPECT_FALSE(spannungErhoehen(3.9995, 4.0));
    EXPECT_FALSE(spannungErhoehen(4.0, 4.0));
    EXPECT_FALSE(spannungErhoehen(5, 4.0));
}

TEST(Meldungen, CrossChecksInGeneralFormat) {
    EXPECT_EQ(meldungSpannungZuGering(3, 1.6, u','),
              QStringLiteral(u"Die eingestellte Spannung 3V ist für die Anzahl der LEDs mit Uf = 1,6V zu gering.\r\r"
                             u"Entweder die Zahl der LEDs verringern oder die Spannung Uf reduzieren!"));
    EXPECT_EQ(meldungUfZuHoch(2.5, 3.2, u'.'),
              QStringLiteral(u"Die eingegebene Flußspannung 2.5V ist für die Anzahl der LEDs und die vorgegebene "
                             u"Spannung 3.2V zu hoch.\r\r"
                             u"Entweder die Zahl der LEDs verringern oder die Flußspannung Uf reduzieren!"));
}

}  // namespace
