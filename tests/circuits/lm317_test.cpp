// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/lm317.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "support/gtest_qt.h"

using namespace zelmo;
using namespace zelmo::lm317;

namespace {

// TO 220, washer "direkt", Tjmax 125 unless a case says otherwise.
Eingaben spannungsregler(double I = 0.15, double Tu = 5) {
    Eingaben e;
    e.reglerart = Spannungsregler;
    e.U1 = 12;
    e.U2 = 5;
    e.I = I;
    e.R1 = 240;
    e.Tu = Tu;
    e.Rthjc = 3;
    e.Rthja = 50;
    e.Iso = 0;
    e.Tjmax = 125;
    return e;
}

struct RechenFall {
    const char* name;
    Eingaben e;
    double R2, P, Tj, RthKK;
    Urteil urteil;
};

void PrintTo(const RechenFall& f, std::ostream* os) { *os << f.name; }

Eingaben mit(Eingaben e, double Eingaben::*feld, double wert) {
    e.*feld = wert;
    return e;
}

Eingaben stromregler(Eingaben e) {
    e.reglerart = Stromregler;
    e.R1 = 0;  // not used
    return e;
}

class LM317Berechnung : public ::testing::TestWithParam<RechenFall> {};

TEST_P(LM317Berechnung, ResistorPowerAndHeatSink) {
    const RechenFall& f = GetParam();
    const auto v = berechnen(f.e);
    ASSERT_TRUE(std::holds_alternative<Ergebnis>(v));
    const Ergebnis& r = std::get<Ergebnis>(v);
    EXPECT_NEAR(r.R2, f.R2, 1e-9 * std::max(1.0, f.R2));
    EXPECT_NEAR(r.P, f.P, 1e-12);
    EXPECT_NEAR(r.Tj, f.Tj, 1e-9);
    EXPECT_NEAR(r.RthKK, f.RthKK, 1e-9);
    EXPECT_EQ(r.urteil, f.urteil);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LM317Berechnung,
    ::testing::Values(
        RechenFall{"first start", spannungsregler(), 720, 1.05, 57.5, 120 / 1.05 - 3, Urteil::keinKuehlkoerper},
        RechenFall{"warm", spannungsregler(0.15, 50), 720, 1.05, 102.5, 75 / 1.05 - 3, Urteil::keinKuehlkoerper},
        RechenFall{"1 A", spannungsregler(1), 720, 7, 355, 120.0 / 7 - 3, Urteil::kuehlkoerperNoetig},
        // the washer lies in series with the heat sink: the sink must be better by its 0,3 K/W
        RechenFall{"1 A mica", mit(spannungsregler(1), &Eingaben::Iso, 0.3), 720, 7, 355, 120.0 / 7 - 3.3,
                   Urteil::kuehlkoerperNoetig},
        RechenFall{"10 A", spannungsregler(10), 720, 70, 3505, 120.0 / 70 - 3, Urteil::stromZuHoch},
        RechenFall{"U2 = reference", mit(spannungsregler(), &Eingaben::U2, 1.25), 0, 10.75 * 0.15,
                   10.75 * 0.15 * 50 + 5, 120 / (10.75 * 0.15) - 3, Urteil::keinKuehlkoerper},
        RechenFall{"current regulator", stromregler(spannungsregler()), 1.25 / 0.15, 8.25 * 0.15,
                   8.25 * 0.15 * 50 + 5, 120 / (8.25 * 0.15) - 3, Urteil::keinKuehlkoerper},
        // Tj exactly at Tjmax needs no heat sink
        RechenFall{"Tj = Tjmax", mit(mit(spannungsregler(0.25), &Eingaben::U1, 13), &Eingaben::Tu, 25), 720,
                   2, 125, 50 - 3, Urteil::keinKuehlkoerper},
        // housing data that claim less to the air than to the case: no heat sink needed, even if a
        // sink would come out negative
        RechenFall{"Rthja below Rthjc", mit(mit(spannungsregler(1), &Eingaben::Rthja, 1), &Eingaben::Rthjc, 100), 720,
                   7, 12, 120.0 / 7 - 100, Urteil::keinKuehlkoerper}),
    [](const ::testing::TestParamInfo<RechenFall>& i) {
        std::string n = i.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

TEST(LM317Berechnung, MeaninglessInputsGiveNoResult) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Eingaben strom = stromregler(spannungsregler());
    const struct {
        Eingaben e;
        Fehler f;
    } faelle[] = {
        {mit(strom, &Eingaben::I, 0), Fehler::I},  // R2 = 1,25 / 0
        {mit(spannungsregler(), &Eingaben::I, -0.1), Fehler::I},
        {mit(spannungsregler(), &Eingaben::I, 20), Fehler::I},
        {mit(spannungsregler(), &Eingaben::R1, 0), Fehler::R1},
        {mit(spannungsregler(), &Eingaben::U2, 1.2), Fehler::U2},  // R2 would be negative
        {mit(spannungsregler(), &Eingaben::U1, 1e300), Fehler::U1},
        {mit(spannungsregler(), &Eingaben::Tu, nan), Fehler::Tu},
        {mit(spannungsregler(), &Eingaben::Tu, 126), Fehler::Tu},
        {mit(spannungsregler(), &Eingaben::Rthjc, 0.009), Fehler::Rthjc},
        {mit(spannungsregler(), &Eingaben::Rthja, inf), Fehler::Rthja},
        {mit(spannungsregler(), &Eingaben::U1, 5), Fehler::u1ZuKlein},  // P = 0: RthKK would be inf
        {mit(spannungsregler(), &Eingaben::U1, 4), Fehler::u1ZuKlein},  // P < 0
        {mit(strom, &Eingaben::U1, 5.05), Fehler::u1ZuKlein},
        {mit(spannungsregler(), &Eingaben::Tjmax, nan), Fehler::keinErgebnis},
    };
    for (const auto& f : faelle) {
        const auto v = berechnen(f.e);
        ASSERT_TRUE(std::holds_alternative<Fehler>(v)) << fehlerText(f.f).toStdString();
        EXPECT_EQ(std::get<Fehler>(v), f.f) << fehlerText(f.f).toStdString();
    }
    // the current regulator neither needs nor reads R1
    EXPECT_TRUE(std::holds_alternative<Ergebnis>(berechnen(mit(strom, &Eingaben::R1, -5))));
    // the least power the inputs allow still gives a finite heat sink of sensible size
    const auto klein = berechnen(mit(mit(mit(spannungsregler(0.001), &Eingaben::U1, 5.0995), &Eingaben::Tu, -40),
                                     &Eingaben::Tjmax, 175));
    ASSERT_TRUE(std::holds_alternative<Ergebnis>(klein));
    EXPECT_LT(std::get<Ergebnis>(klein).RthKK, 3e6);
    EXPECT_GT(std::get<Ergebnis>(klein).P, 0);
    EXPECT_EQ(fehlerText(Fehler::I), QStringLiteral(u"Der Strom I liegt außerhalb des gültigen Wertebereiches!"));
    EXPECT_EQ(fehlerText(Fehler::u1ZuKlein), QStringLiteral(u"Die Spannung U1 ist zu klein für U2!"));
}

TEST(LM317Querpruefung, LeastDifferenceWithTolerance) {
    const struct {
        double u1, u2;
        bool u1ZuKlein, u2ZuGross;
    } faelle[] = {
        {5.09, 5, true, true},     // 0,09 V apart
        {5.1, 5, false, false},    // exactly the least difference (5,1 - 0,1 is a little below 5)
        {5.0995, 5, false, false}, // within the tolerance of 1 mV
        {5.0985, 5, true, true},
        {5, 4.95, true, true},
        {12, 5, false, false},
        {5, 12, true, true},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(u1ZuKlein(f.u1, f.u2), f.u1ZuKlein) << f.u1 << " " << f.u2;
        EXPECT_EQ(u2ZuGross(f.u2, f.u1), f.u2ZuGross) << f.u1 << " " << f.u2;
    }
    EXPECT_EQ(vergleiche(1, 1.001, 0.001), 0);
    EXPECT_EQ(vergleiche(1, 1.0011, 0.001), -1);
    EXPECT_EQ(vergleiche(1.0011, 1, 0.001), 1);
}

TEST(LM317Tabellen, HousingsAndWashers) {
    const auto namen = gehaeuseNamen();
    ASSERT_EQ(namen.size(), anzahlGehaeuse);
    EXPECT_EQ(namen.front(), QStringLiteral(u" Gehäuse TO 220"));
    EXPECT_EQ(namen[6], QStringLiteral(u" Gehäuse DIP D-PW"));
    EXPECT_EQ(namen.back(), QStringLiteral(u" Gehäuse SOT 223"));
    EXPECT_EQ(ansicht(gehaeuse()[0]), QStringLiteral("Draufsicht"));
    for (int i : {2, 3, 4}) EXPECT_EQ(ansicht(gehaeuse()[size_t(i)]), QStringLiteral("Ansicht von unten"));
    for (int i : {0, 1, 5, 6, 7, 8, 9}) EXPECT_EQ(ansicht(gehaeuse()[size_t(i)]), QStringLiteral("Draufsicht"));

    LM317_Gehaeusewerte rjc, rja;
    ersterStartWerte(rjc, rja);
    const LM317_Gehaeusewerte& jc = rjc;
    const LM317_Gehaeusewerte& ja = rja;
    const double erwartetJc[] = {3, 2.6, 3, 25, 15, 30, 30, 3, 23.5, 3};
    const double erwartetJa[] = {50, 35, 35, 110, 140, 110, 110, 50, 92, 53};
    for (int i = 0; i < anzahlGehaeuse; ++i) {
        EXPECT_EQ(gehaeuseWert(jc, i), erwartetJc[i]) << i;
        EXPECT_EQ(gehaeuseWert(ja, i), erwartetJa[i]) << i;
        // to the air a housing always conducts worse than to its case
        EXPECT_GT(erwartetJa[i], erwartetJc[i]) << i;
    }
    EXPECT_EQ(jc.SOT252, 23.5);
    EXPECT_EQ(ja.TO39, 140);
    EXPECT_EQ(gehaeuseWert(jc, -1), std::nullopt);
    EXPECT_EQ(gehaeuseWert(jc, anzahlGehaeuse), std::nullopt);
    EXPECT_EQ(gehaeuseWert(rja, -1), nullptr);
    EXPECT_EQ(gehaeuseWert(rja, 8), &rja.SOT252);

    const auto iso = isoNamen();
    ASSERT_EQ(iso.size(), 5);
    EXPECT_EQ(iso[0], QStringLiteral("     direkt          0"));
    EXPECT_EQ(iso[1], QStringLiteral(u"Glimmer 50\u00B5m 0.3"));
    EXPECT_EQ(iso[3], QStringLiteral("Aluoxid   1mm 0.1"));
    const double werte[] = {0, 0.3, 0.1, 0.1, 0.3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(isoWert(i), werte[i]);
    EXPECT_EQ(isoWert(-1), std::nullopt);
    EXPECT_EQ(isoWert(5), std::nullopt);
}

}  // namespace
