// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuits/normwerte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "support/gtest_qt.h"

using namespace zelmo;
using namespace zelmo::normwerte;

namespace {

struct NormwertFall {
    double x;
    EReihe reihe;
    double naechster;
    double nichtKleiner;
};

// Values as a drawer holds them; each expectation written as its decimal literal, so that a value
// built by sloppy arithmetic (4.7 * 1e-9 is not 4.7e-9) fails.
const NormwertFall normwertFaelle[] = {
    {3520, EReihe::E24, 3600, 3600},
    {583.333333, EReihe::E24, 560, 620},
    {416.666667, EReihe::E24, 430, 430},
    {150.00000000000003, EReihe::E24, 150, 150},  // (5 - 2) / 0,02 as the page computes it
    {340, EReihe::E24, 330, 360},
    {340, EReihe::E96, 340, 340},
    {8.333333, EReihe::E24, 8.2, 9.1},
    {9.6, EReihe::E12, 10, 10},             // nearest lies in the next decade
    {96, EReihe::E24, 100, 100},
    {0.95, EReihe::E3, 1, 1},
    {1.05, EReihe::E3, 1, 2.2},
    {1234, EReihe::E96, 1240, 1240},
    {121, EReihe::E12, 120, 150},
    {4.747e-9, EReihe::E6, 4.7e-9, 6.8e-9},
    {2.15e11, EReihe::E48, 2.15e11, 2.15e11},
    {0.0101, EReihe::E24, 0.01, 0.011},
    {99.9e6, EReihe::E12, 100e6, 100e6},
    {720, EReihe::E192, 723, 723},
    {9.19, EReihe::E192, 9.2, 9.2},  // the published exception (9,20, not 9,19)
    {0.9195, EReihe::E192, 0.92, 0.92},
    {9.9, EReihe::E192, 9.88, 10},
};

}  // namespace

TEST(Normwerte, NaechsterUndNichtKleinererNormwert) {
    for (const NormwertFall& f : normwertFaelle) {
        SCOPED_TRACE(testing::Message() << f.x << " in " << int(f.reihe));
        EXPECT_EQ(naechsterNormwert(f.x, f.reihe), f.naechster);
        EXPECT_EQ(normwertNichtKleiner(f.x, f.reihe), f.nichtKleiner);
    }
    for (double x : {0.0, -5.0, std::nan(""), HUGE_VAL}) {
        EXPECT_FALSE(naechsterNormwert(x, EReihe::E24));
        EXPECT_FALSE(normwertNichtKleiner(x, EReihe::E24));
    }
}

// Every value of every series, in every decade, is chosen as itself; the value just between two
// neighbours by ratio goes to the nearer one.
TEST(Normwerte, JederNormwertIstSeinEigenerNormwert) {
    for (const Normreihe& r : normreihen()) {
        const auto t = reihe(r.reihe);
        for (size_t i = 1; i + 1 < t.size(); ++i)
            for (double dekade : {1e-9, 1.0, 1e3, 1e6}) {
                const double w = t[i] * dekade;
                EXPECT_NEAR(*naechsterNormwert(w, r.reihe) / w, 1, 1e-12) << w;
                EXPECT_NEAR(*normwertNichtKleiner(w, r.reihe) / w, 1, 1e-12) << w;
                const double mitte = std::sqrt(t[i] * t[i + 1]) * dekade;
                EXPECT_NEAR(*naechsterNormwert(mitte * 0.999, r.reihe) / w, 1, 1e-12);
                EXPECT_NEAR(*normwertNichtKleiner(w * 1.0001, r.reihe) / (t[i + 1] * dekade), 1, 1e-12);
            }
    }
}

TEST(Normwerte, ReihenDesFensters) {
    ASSERT_EQ(normreihen().size(), 7u);
    const double toleranz[] = {20, 20, 10, 5, 2, 1, 0.5};
    const char16_t* namen[] = {u"E 3", u"E 6", u"E 12", u"E 24", u"E 48", u"E 96", u"E 192"};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(normreihen()[i].toleranz, toleranz[i]);
        EXPECT_EQ(QString::fromUtf16(normreihen()[i].name), QString::fromUtf16(namen[i]));
        // the item index is the tolerance page's series item, which the hand-on chooses
        EXPECT_EQ(normreihen()[i].reihe, toleranzEReihen[i]);
    }
    EXPECT_EQ(QString::fromUtf16(normreihen()[size_t(ersteReihe())].name), QStringLiteral("E 24"));
}

TEST(Normwerte, Leistungsklasse) {
    struct Fall {
        double p, last;
        std::optional<double> klasse;
    };
    const Fall faelle[] = {
        {0.0631579, 50, 0.25},  // the LED of the data sheet at its lower resistor limit
        {0.0625, 50, 0.125},    // exactly the permitted load of 0,125 W
        {0.0626, 50, 0.25},
        {0.06, 50, 0.125},
        {0.0315, 50, 0.063},
        {0.0316, 50, 0.1},
        {0.0, 50, 0.063},
        {0.063, 100, 0.063},
        {0.5, 50, 1},
        {2.5, 50, 5},
        {5.0, 50, 10},
        {5.01, 50, std::nullopt},
        {10, 100, 10},
        {10.01, 100, std::nullopt},
        {0.1, 25, 0.5},
    };
    for (const Fall& f : faelle) EXPECT_EQ(leistungsklasse(f.p, f.last), f.klasse) << f.p << " bei " << f.last;
    EXPECT_EQ(leistungsklasseText(0.063, u','), QStringLiteral("0,063 W"));
    EXPECT_EQ(leistungsklasseText(std::nullopt, u','), QStringLiteral(u"Leistungswiderstand mit Kühlung"));
}

TEST(Normwerte, LM317DropoutAnnahme) {
    EXPECT_EQ(lm317Dropout(0.01), 1.5);
    EXPECT_EQ(lm317Dropout(0.5), 1.5);
    EXPECT_DOUBLE_EQ(lm317Dropout(0.75), 1.75);
    EXPECT_DOUBLE_EQ(lm317Dropout(1.0), 2.0);
    EXPECT_DOUBLE_EQ(lm317Dropout(1.45), 2.45);
    EXPECT_EQ(lm317Dropout(1.5), 2.5);
    EXPECT_EQ(lm317Dropout(3), 2.5);
}

// The data sheets' worked example: R1 240 Ω, R2 720 Ω give 5,00 V; with 1 % parts, the reference
// from 1,20 V to 1,30 V and 0 to 100 µA out of ADJ the output lies between these corners.
TEST(Normwerte, LM317DatenblattBeispiel) {
    EXPECT_DOUBLE_EQ(lm317Spannung(urefNenn, 0, 240, 720), 5.0);
    const Spanne kasten[] = {toleranzspanne(240, 1), toleranzspanne(720, 1), {urefMin, urefMax}, {0, iadjMax}};
    const Spanne s = eckenbereich(kasten, [](std::span<const double> x) { return lm317Spannung(x[2], x[3], x[0], x[1]); });
    EXPECT_NEAR(s.min, 1.20 * (1 + 720 * 0.99 / (240 * 1.01)), 1e-12);
    EXPECT_NEAR(s.max, 1.30 * (1 + 720 * 1.01 / (240 * 0.99)) + 100e-6 * 720 * 1.01, 1e-12);
    EXPECT_NEAR(s.min, 4.7287, 1e-4);
    EXPECT_NEAR(s.max, 5.3515, 1e-4);
    // as current regulator 1,25 V over 8,33 Ω give 150 mA
    EXPECT_NEAR(lm317Strom(urefNenn, 0, 1.25 / 0.15), 0.15, 1e-15);
}

// One red LED with Uf 2,0 V at 5 V and 20 mA, E 24 and 5 %: 150 Ω, 60 mW nominal, 63,2 mW at the lower
// resistor limit, so 0,25 W at 50 % load, since 0,125 W would carry only 62,5 mW.
TEST(Normwerte, LedDatenblattBeispiel) {
    const Led l{5, 0.02, 2.0, 1, (5 - 2.0) / 0.02};
    const Ergebnis e = auswerten(l, Wahl{EReihe::E24, 5, 10, 50}, u',');
    ASSERT_EQ(e.bauteile.size(), 1u);
    const Bauteil& r = e.bauteile[0];
    EXPECT_EQ(r.name, QStringLiteral("R"));
    EXPECT_EQ(r.gewaehlt, 150.0);
    EXPECT_EQ(r.auswahl, Auswahl::nichtKleiner);
    EXPECT_NEAR(*r.pNenn, 0.060, 1e-12);
    EXPECT_NEAR(*r.pMax, 9 / 142.5, 1e-12);
    EXPECT_NEAR(*r.pMax, 0.0632, 5e-5);
    EXPECT_EQ(r.klasse, 0.25);
    EXPECT_FALSE(r.markiert);
    EXPECT_FALSE(r.weiterreichen);
    ASSERT_EQ(e.groessen.size(), 1u);
    EXPECT_NEAR(e.groessen[0].nenn, 0.02, 1e-15);
    EXPECT_NEAR(e.groessen[0].min, 3 / 157.5, 1e-15);
    EXPECT_NEAR(e.groessen[0].max, 3 / 142.5, 1e-15);
    EXPECT_TRUE(e.hinweise.join(u'|').contains(u"Flußspannung"));
    // the next value keeps the current below the wanted one: 340 Ω becomes 360 Ω in E 24, not 330 Ω
    const Ergebnis f = auswerten(Led{5, 0.01, 1.6, 1, 340}, Wahl{EReihe::E24, 5, 10, 50}, u',');
    EXPECT_EQ(f.bauteile[0].gewaehlt, 360.0);
    EXPECT_LT(f.groessen[0].nenn, 0.01);
    EXPECT_TRUE(f.hinweise.join(u'|').contains(u"nächsthöherer Normwert"));
    // 0 Ω: no part, one line saying why
    const Ergebnis g = auswerten(Led{4, 0.01, 4.0, 1, 0}, Wahl{}, u',');
    EXPECT_FALSE(g.bauteile[0].gewaehlt);
    EXPECT_TRUE(g.groessen.empty());
    EXPECT_TRUE(g.hinweise.join(u'|').contains(u"0 Ω"));
}

TEST(Normwerte, LM317AufDerSeite) {
    // voltage regulator: R1 as typed, R2 720 Ω nearest in E 96 is 715 Ω
    const LM317 s{false, 12, 5, 0.15, 240, 720};
    const Ergebnis e = auswerten(s, Wahl{EReihe::E96, 1, 10, 50}, u',');
    ASSERT_EQ(e.bauteile.size(), 2u);
    EXPECT_EQ(e.bauteile[0].auswahl, Auswahl::eingegeben);
    EXPECT_EQ(e.bauteile[0].gewaehlt, 240.0);
    EXPECT_EQ(e.bauteile[1].gewaehlt, 715.0);
    EXPECT_NEAR(e.groessen[0].nenn, 1.25 * (1 + 715.0 / 240), 1e-12);
    EXPECT_NEAR(e.groessen[0].min, 1.20 * (1 + 715 * 0.99 / (240 * 1.01)), 1e-12);
    EXPECT_NEAR(e.groessen[0].max, 1.30 * (1 + 715 * 1.01 / (240 * 0.99)) + 1e-4 * 715 * 1.01, 1e-12);
    // R1 carries Uref / R1 at most 1,30 V over 237,6 Ω
    EXPECT_NEAR(*e.bauteile[0].pMax, 1.3 * 1.3 / (240 * 0.99), 1e-12);
    EXPECT_NEAR(*e.bauteile[1].pMax, std::pow(1.3 / (240 * 0.99) + 1e-4, 2) * 715 * 1.01, 1e-12);
    EXPECT_FALSE(e.hinweise.join(u'|').contains(u"Zu wenig Spannung"));
    // 0,52 % below 5 V misses 1 %? no: nothing to hand on
    EXPECT_FALSE(e.bauteile[1].weiterreichen);
    // the same at E 6 misses by more than the tolerance: R2 (computed) may be handed on, R1 (typed) not
    const Ergebnis grob = auswerten(s, Wahl{EReihe::E6, 1, 10, 50}, u',');
    EXPECT_EQ(grob.bauteile[1].gewaehlt, 680.0);
    EXPECT_TRUE(grob.bauteile[1].weiterreichen);
    EXPECT_FALSE(grob.bauteile[0].weiterreichen);

    // headroom below the data sheets' dropout
    const Ergebnis knapp = auswerten(LM317{false, 6.9, 5, 1.0, 240, 720}, Wahl{}, u',');
    const QString h = knapp.hinweise.join(u'|');
    EXPECT_TRUE(h.contains(u"Zu wenig Spannung am Regler: U1 − U2 = 1,90 V, bei 1,00 A braucht er 2,00 V")) << h.toStdString();
    EXPECT_TRUE(h.contains(u"angenommen"));
    EXPECT_FALSE(auswerten(LM317{false, 7.0, 5, 1.0, 240, 720}, Wahl{}, u',').hinweise.join(u'|').contains(u"Zu wenig"));

    // current regulator: I = 1,25 V / R, the next larger R keeps the current at or below 150 mA
    const Ergebnis i = auswerten(LM317{true, 12, 5, 0.15, 240, 1.25 / 0.15}, Wahl{EReihe::E24, 5, 10, 50}, u',');
    ASSERT_EQ(i.bauteile.size(), 1u);
    EXPECT_EQ(i.bauteile[0].gewaehlt, 9.1);
    EXPECT_NEAR(i.groessen[0].nenn, 1.25 / 9.1, 1e-15);
    EXPECT_NEAR(i.groessen[0].max, 1.30 / (9.1 * 0.95) + 1e-4, 1e-15);
    EXPECT_NEAR(*i.bauteile[0].pMax, 1.3 * 1.3 / (9.1 * 0.95), 1e-12);
    // the IC drops U1 - U2 - 1,25 V: 5,75 V here, 1,45 V (too little) at U1 7,7 V
    EXPECT_FALSE(i.hinweise.join(u'|').contains(u"Zu wenig"));
    EXPECT_TRUE(auswerten(LM317{true, 7.7, 5, 0.15, 240, 1.25 / 0.15}, Wahl{}, u',')
                    .hinweise.join(u'|')
                    .contains(u"U1 − U2 − 1,25 V = 1,45 V"));
}

TEST(Normwerte, TeilerNE555UndStromquelle) {
    // voltage divider of the first start: 583,33 Ω and 416,67 Ω become 560 Ω and 430 Ω
    const Ergebnis t = auswerten(Teiler{false, false, 12, 5, 0, 0, 0, 0, 583.333333, 416.666667}, Wahl{}, u',');
    EXPECT_EQ(t.bauteile[0].gewaehlt, 560.0);
    EXPECT_EQ(t.bauteile[1].gewaehlt, 430.0);
    EXPECT_EQ(t.groessen[0].name, QStringLiteral("U2"));
    EXPECT_NEAR(t.groessen[0].nenn, 12 * 430 / 990.0, 1e-12);
    EXPECT_NEAR(*t.bauteile[1].pNenn, std::pow(12 * 430 / 990.0, 2) / 430, 1e-12);
    // with load the load is U2 / IL, whatever RL field the page shows
    const Ergebnis l = auswerten(Teiler{false, true, 12, 5, 1e-3, 0, 0, 0, 7 / 13e-3, 5 / 12e-3}, Wahl{}, u',');
    const double rp = 430.0 * 5000 / 5430;
    EXPECT_NEAR(l.groessen[0].nenn, 12 * rp / (*l.bauteile[0].gewaehlt + rp), 1e-12);
    // current divider, fed with I
    const Ergebnis s = auswerten(Teiler{true, true, 12, 0, 0, 3e-3, 1e-3, 10, 6000, 11990}, Wahl{}, u',');
    EXPECT_EQ(s.groessen[0].name, QStringLiteral("I2"));
    EXPECT_NEAR(s.groessen[0].nenn, 3e-3 * 6200 / (6200 + 12000 + 10), 1e-15);

    // NE555: every part as typed, so the nominal result is the page's
    const Ergebnis n = auswerten(NE555{false, false, 120e3, 47, 15e-9}, Wahl{}, u',');
    ASSERT_EQ(n.bauteile.size(), 3u);
    EXPECT_TRUE(n.bauteile[2].kondensator);
    EXPECT_FALSE(n.bauteile[2].pNenn);
    ASSERT_EQ(n.groessen.size(), 3u);
    EXPECT_NEAR(n.groessen[0].nenn, (120e3 + 47) * 0.694 * 15e-9, 1e-18);
    EXPECT_EQ(n.groessen[0].nenn, n.groessen[0].soll);
    EXPECT_NEAR(n.groessen[2].min, 1 / (0.694 * 1.05 * (120e3 + 94) * 15e-9 * 1.1), 1e-9);
    EXPECT_NEAR(*n.bauteile[0].pMax, 256 / (120e3 * 0.95), 1e-15);
    const Ergebnis m = auswerten(NE555{true, false, 10e3, 0, 8.2e-9}, Wahl{}, u',');
    EXPECT_EQ(m.bauteile.size(), 2u);
    EXPECT_EQ(m.groessen.size(), 1u);
    EXPECT_NEAR(m.groessen[0].max, 1.1 * 10e3 * 1.05 * 8.2e-9 * 1.1, 1e-18);

    // constant-current source with two transistors: R1 = 1,2 V / 10 mA = 120 Ω (E 24), R2 9,6 kΩ -> 10 kΩ
    const Ergebnis k = auswerten(Konstantstrom{0, 12, 0.01, 1e-3, 1.2, 120, 9600}, Wahl{}, u',');
    EXPECT_EQ(k.bauteile[0].gewaehlt, 120.0);
    EXPECT_EQ(k.bauteile[0].auswahl, Auswahl::nichtKleiner);
    EXPECT_EQ(k.bauteile[1].gewaehlt, 10000.0);
    EXPECT_NEAR(*k.bauteile[1].pNenn, 9.6 * 9.6 / 10000, 1e-15);
    // J-FET: no R2
    EXPECT_EQ(auswerten(Konstantstrom{2, 12, 0.01, 1e-3, 3.2, 320, 0}, Wahl{}, u',').bauteile.size(), 1u);
    // supply too low: R2 negative, no part, one line
    const Ergebnis z = auswerten(Konstantstrom{0, 2, 0.01, 1e-3, 1.2, 120, -400}, Wahl{}, u',');
    EXPECT_FALSE(z.bauteile[1].gewaehlt);
    EXPECT_TRUE(z.hinweise.join(u'|').contains(u"reicht für diese Schaltung nicht"));
}

TEST(Normwerte, HoechstwertFindetDieMitte) {
    // P(R1) = U² R1 / (R1 + R2)² is largest at R1 = R2, inside the box: the corners alone miss it
    const Spanne kasten[] = {{900, 1130}, {1000, 1000}};
    const auto p = [](std::span<const double> x) { return 100 * x[0] / ((x[0] + x[1]) * (x[0] + x[1])); };
    EXPECT_LT(eckenbereich(kasten, p).max, 0.025 * (1 - 1e-4));
    EXPECT_NEAR(hoechstwert(kasten, p), 0.025, 1e-12);
}

namespace {

// A sample of a circuit at given part values (and for the LM317 reference and adjust current):
// the target quantities and each resistor's power, computed here from the circuit's physics.
struct Probe {
    std::vector<double> groessen;
    std::vector<double> leistungen;  // in the order of the result's resistors with a power
};

struct Bruteforce {
    const char* name;
    Aufgabe aufgabe;
    Wahl wahl;
    bool lm317 = false;
    std::function<Probe(std::span<const double>)> probe;  // parts in the result's order (+ Uref, Iadj)
};

std::vector<Bruteforce> bruteforceFaelle() {
    std::vector<Bruteforce> f;
    const auto teilerProbe = [](const Teiler t) {
        return [t](std::span<const double> x) {
            if (!t.strom) {
                const double RL = t.last ? t.U2 / t.IL : 0;
                const double u2 = teilerU2(t.U, x[0], x[1], RL);
                return Probe{{u2}, {(t.U - u2) * (t.U - u2) / x[0], u2 * u2 / x[1]}};
            }
            const double RL = t.last ? t.RL : 0;
            const double i2 = t.I * x[0] / (x[0] + x[1] + RL);
            return Probe{{i2}, {(t.I - i2) * (t.I - i2) * x[0], i2 * i2 * x[1]}};
        };
    };
    const Teiler t1{false, false, 12, 5, 0, 0, 0, 0, 583.333, 416.667};
    const Teiler t2{false, false, 10, 5, 0, 0, 0, 0, 1000, 1000};
    const Teiler t3{false, true, 12, 5, 1e-3, 0, 0, 0, 538.46, 416.67};
    const Teiler t4{true, false, 12, 0, 0, 3e-3, 1e-3, 0, 6000, 12000};
    const Teiler t5{true, true, 12, 0, 0, 3e-3, 1e-3, 10, 6000, 11990};
    f.push_back({"Spannungsteiler", t1, {EReihe::E24, 5, 10, 50}, false, teilerProbe(t1)});
    f.push_back({"Spannungsteiler R1 = R2", t2, {EReihe::E12, 10, 10, 50}, false, teilerProbe(t2)});
    f.push_back({"Spannungsteiler mit Last", t3, {EReihe::E48, 2, 10, 50}, false, teilerProbe(t3)});
    f.push_back({"Stromteiler", t4, {EReihe::E6, 20, 10, 50}, false, teilerProbe(t4)});
    f.push_back({"Stromteiler mit Last", t5, {EReihe::E96, 1, 10, 50}, false, teilerProbe(t5)});
    f.push_back({"LED", Led{12, 0.02, 1.6, 3, 360}, {EReihe::E12, 10, 10, 50}, false, [](std::span<const double> x) {
                     const double u = 12 - 3 * 1.6;
                     return Probe{{u / x[0]}, {u * u / x[0]}};
                 }});
    f.push_back({"LM317 Spannung", LM317{false, 12, 5, 0.15, 240, 720}, {EReihe::E24, 5, 10, 50}, true,
                 [](std::span<const double> x) {
                     const double iR1 = x[2] / x[0];
                     return Probe{{x[2] + (iR1 + x[3]) * x[1]}, {x[2] * iR1, (iR1 + x[3]) * (iR1 + x[3]) * x[1]}};
                 }});
    f.push_back({"LM317 Strom", LM317{true, 12, 5, 0.5, 240, 2.5}, {EReihe::E12, 10, 10, 50}, true,
                 [](std::span<const double> x) { return Probe{{x[1] / x[0] + x[2]}, {x[1] * x[1] / x[0]}}; }});
    f.push_back({"NE555 astabil", NE555{false, false, 120e3, 47e3, 15e-9}, {EReihe::E24, 5, 20, 50}, false,
                 [](std::span<const double> x) {
                     const double t1 = 0.694 * (x[0] + x[1]) * x[2], t2 = 0.694 * x[1] * x[2];
                     return Probe{{t1, t2, 1 / (t1 + t2)}, {256 / x[0], 256.0 * 4 / 9 / x[1]}};
                 }});
    f.push_back({"NE555 50 %", NE555{false, true, 10e3, 0, 1e-6}, {EReihe::E24, 1, 5, 50}, false,
                 [](std::span<const double> x) {
                     const double t1 = 0.694 * x[0] * x[2], t2 = 0.694 * x[1] * x[2];
                     return Probe{{t1, t2, 1 / (t1 + t2)}, {256 / x[0], 256.0 * 4 / 9 / x[1]}};
                 }});
    f.push_back({"NE555 monostabil", NE555{true, false, 10e3, 0, 8.2e-9}, {EReihe::E24, 5, 10, 50}, false,
                 [](std::span<const double> x) { return Probe{{1.1 * x[0] * x[1]}, {256 / x[0]}}; }});
    for (int s : {0, 1, 3}) {
        const double V = s == 0 ? 1.2 : s == 1 ? 1.4 : 2.5;
        const double uR1 = s == 0 ? V : V - 0.7, uR2 = s == 0 ? 12 - 2 * V : 12 - V;
        f.push_back({"Konstantstrom", Konstantstrom{s, 12, 0.01, 1e-3, V, uR1 / 0.01, uR2 / 1e-3},
                     {EReihe::E24, 5, 10, 50}, false, [=](std::span<const double> x) {
                         return Probe{{uR1 / x[0]}, {uR1 * uR1 / x[0], uR2 * uR2 / x[1]}};
                     }});
    }
    f.push_back({"Konstantstrom J-FET", Konstantstrom{2, 12, 0.01, 0, 3.2, 320, 0}, {EReihe::E24, 5, 10, 50}, false,
                 [](std::span<const double> x) { return Probe{{3.2 / x[0]}, {3.2 * 3.2 / x[0]}}; }});
    return f;
}

}  // namespace

// The corners bound the circuit everywhere in the tolerance box: a dense grid and random points
// never leave the worst case; the largest power found is never above the one the window states, and
// the window's power is one that a point of the box really reaches.
TEST(Normwerte, EckenUmfassenDichteStichprobe) {
    std::mt19937 zufall(23);
    for (const Bruteforce& b : bruteforceFaelle()) {
        SCOPED_TRACE(b.name);
        const Ergebnis e = auswerten(b.aufgabe, b.wahl, u',');
        std::vector<Spanne> kasten;
        std::vector<double> pMax;
        for (const Bauteil& t : e.bauteile) {
            ASSERT_TRUE(t.gewaehlt);
            kasten.push_back(toleranzspanne(*t.gewaehlt, t.kondensator ? b.wahl.cToleranz : b.wahl.toleranz));
            if (t.pMax) pMax.push_back(*t.pMax);
        }
        if (b.lm317) {
            kasten.push_back({urefMin, urefMax});
            kasten.push_back({0, iadjMax});
        }
        const size_t n = kasten.size();
        const int schritte = n <= 3 ? 12 : 6;
        size_t punkte = 1;
        for (size_t i = 0; i < n; ++i) punkte *= size_t(schritte + 1);
        std::vector<double> hoechste(pMax.size(), 0.0);
        std::vector<double> x(n);
        const auto pruefe = [&] {
            const Probe p = b.probe(x);
            ASSERT_EQ(p.groessen.size(), e.groessen.size());
            ASSERT_EQ(p.leistungen.size(), pMax.size());
            for (size_t g = 0; g < p.groessen.size(); ++g) {
                const double rand = 1e-12 * std::abs(e.groessen[g].max);
                EXPECT_GE(p.groessen[g], e.groessen[g].min - rand) << e.groessen[g].name.toStdString();
                EXPECT_LE(p.groessen[g], e.groessen[g].max + rand) << e.groessen[g].name.toStdString();
            }
            for (size_t k = 0; k < pMax.size(); ++k) {
                EXPECT_LE(p.leistungen[k], pMax[k] * (1 + 1e-12));
                hoechste[k] = std::max(hoechste[k], p.leistungen[k]);
            }
        };
        for (size_t p = 0; p < punkte; ++p) {
            size_t rest = p;
            for (size_t i = 0; i < n; ++i) {
                x[i] = kasten[i].min + (kasten[i].max - kasten[i].min) * double(rest % size_t(schritte + 1)) / schritte;
                rest /= size_t(schritte + 1);
            }
            pruefe();
        }
        for (int z = 0; z < 2000; ++z) {
            for (size_t i = 0; i < n; ++i) x[i] = std::uniform_real_distribution<double>(kasten[i].min, kasten[i].max)(zufall);
            pruefe();
        }
        for (size_t k = 0; k < pMax.size(); ++k) EXPECT_NEAR(hoechste[k] / pMax[k], 1, 1e-3) << k;
        // and the sampled extremes come close to the corners: the bounds are not loose
        for (const Groesse& g : e.groessen) EXPECT_LE(g.min, g.nenn);
    }
}
