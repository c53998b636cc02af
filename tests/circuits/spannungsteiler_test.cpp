// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/spannungsteiler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "values/zahlen.h"

using namespace zelmo;
using namespace zelmo::teiler;
using Art = Hindernis::Art;

namespace {

constexpr double keinWert = std::numeric_limits<double>::quiet_NaN();
constexpr double unendlich = std::numeric_limits<double>::infinity();

// What the page shows for a resistance.
QString ohm(double w) { return Zahlenausgabe(w, u',') + QStringLiteral(u"\u2126"); }

}  // namespace

// --- the two calculations -------------------------------------------------------------------------

TEST(Spannungsteiler, OhneLastMitDenStartwerten) {
    const auto e = spannungsteilerOhneLast(12, 5, 0.012);
    ASSERT_TRUE(e);
    EXPECT_EQ(ohm(e->R1), QStringLiteral(u"583,33 \u2126"));
    EXPECT_EQ(ohm(e->R2), QStringLiteral(u"416,67 \u2126"));
    EXPECT_EQ(ohm(e->RG), QStringLiteral(u"1,00 k\u2126"));
    EXPECT_EQ(verhaeltnisText(false, 5, 12, u','), QStringLiteral("    1  : 0,4"));
    EXPECT_EQ(verhaeltnisText(false, 5, 12, u'.'), QStringLiteral("    1  : 0.4"));
}

TEST(Spannungsteiler, MitLastTeiltDenQuerstromAufR2UndDenGesamtstromAufR1) {
    // Iq = 12 mA through R2, 13 mA through R1, RL = 5 kΩ parallel to R2
    const auto e = spannungsteilerMitLast(12, 5, 0.001, 12, 5000);
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->R2, 5.0 / 0.012, 1e-9);
    EXPECT_NEAR(e->R1, 7.0 / 0.013, 1e-9);
    const double R2 = 5.0 / 0.012;
    EXPECT_NEAR(e->RG, R2 * 5000 / (R2 + 5000) + 7.0 / 0.013, 1e-9);
    EXPECT_EQ(ohm(e->RG), QStringLiteral(u"923,08 \u2126"));
}

TEST(Stromteiler, OhneUndMitLast) {
    const auto ohne = stromteiler(12, 0.003, 0.001, std::nullopt);
    ASSERT_TRUE(ohne);
    EXPECT_EQ(ohm(ohne->R1), QStringLiteral(u"6,00 k\u2126"));
    EXPECT_EQ(ohm(ohne->R2), QStringLiteral(u"12,00 k\u2126"));
    EXPECT_EQ(ohm(ohne->RG), QStringLiteral(u"4,00 k\u2126"));
    EXPECT_FALSE(ohne->UL);

    const auto mit = stromteiler(12, 0.003, 0.001, 10.0);
    ASSERT_TRUE(mit);
    ASSERT_TRUE(mit->UL);
    EXPECT_EQ(Zahlenausgabe(*mit->UL, u',') + u'V', QStringLiteral("10,00 mV"));
    EXPECT_EQ(ohm(mit->R1), QStringLiteral(u"6,00 k\u2126"));
    EXPECT_EQ(ohm(mit->R2), QStringLiteral(u"11,99 k\u2126"));
    EXPECT_EQ(ohm(mit->RG), QStringLiteral(u"4,00 k\u2126"));  // = U / I
    EXPECT_NEAR(mit->RG, 4000, 1e-9);
    EXPECT_EQ(verhaeltnisText(true, 0.001, 0.003, u','), QStringLiteral("   1  : 0,3"));
}

// Inputs that would divide by zero or give negative resistances give a reason instead of a number.
struct Verweigert {
    const char* fall;
    double U, a, b;             // voltage: U2, I; current: I, I2
    std::optional<double> RL;   // current divider only
    bool strom;
    Art art;
};

class Verweigerung : public ::testing::TestWithParam<Verweigert> {};

TEST_P(Verweigerung, GibtDenGrund) {
    const Verweigert& v = GetParam();
    const Hindernis h = v.strom ? stromteiler(v.U, v.a, v.b, v.RL).hindernis()
                                : spannungsteilerOhneLast(v.U, v.a, v.b).hindernis();
    EXPECT_EQ(h.art, v.art) << v.fall;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Verweigerung,
    ::testing::Values(Verweigert{"U2 = U", 12, 12, 0.012, {}, false, Art::U2NichtKleinerU},
                      Verweigert{"U2 > U", 5, 12, 0.012, {}, false, Art::U2NichtKleinerU},
                      Verweigert{"I = 0", 12, 5, 0, {}, false, Art::Eingabe},
                      Verweigert{"U2 = NaN", 12, keinWert, 0.012, {}, false, Art::Eingabe},
                      Verweigert{"U negative", -12, 5, 0.012, {}, false, Art::Eingabe},
                      Verweigert{"I2 = I", 12, 0.003, 0.003, {}, true, Art::I2NichtKleinerI},
                      Verweigert{"I2 > I", 12, 0.001, 0.003, {}, true, Art::I2NichtKleinerI},
                      Verweigert{"I2 = 0", 12, 0.003, 0, {}, true, Art::Eingabe},
                      Verweigert{"RL = 0", 12, 0.003, 0.001, 0.0, true, Art::Eingabe},
                      Verweigert{"I2 * RL = U", 12, 0.003, 0.001, 12000.0, true, Art::LastZuGross},
                      Verweigert{"I2 * RL > U (R2 negative)", 5, 0.003, 0.001, 10000.0, true,
                                 Art::LastZuGross}));

TEST(Spannungsteiler, MitLastVerweigertNullUndGleicheSpannungen) {
    EXPECT_EQ(spannungsteilerMitLast(12, 5, 0, 12, 5000).hindernis().art, Art::Eingabe);
    EXPECT_EQ(spannungsteilerMitLast(12, 5, 0.001, 0, 5000).hindernis().art, Art::Eingabe);
    EXPECT_EQ(spannungsteilerMitLast(12, 5, 0.001, -0.5, 5000).hindernis().art, Art::Eingabe);
    EXPECT_EQ(spannungsteilerMitLast(12, 5, 0.001, 12, unendlich).hindernis().art, Art::Eingabe);
    EXPECT_EQ(spannungsteilerMitLast(5, 5, 0.001, 12, 5000).hindernis().art, Art::U2NichtKleinerU);
}

// --- the steps after an entry --------------------------------------------------------------------

TEST(Querstromfaktor, AusStromUndLaststromUndZurueck) {
    const auto qf = querstromfaktor(0.010, 0.002);
    ASSERT_TRUE(qf);
    EXPECT_EQ(festkomma(*qf, 2, u','), QStringLiteral("4,00"));
    const auto I = stromDurchR1(0.002, 4);
    ASSERT_TRUE(I);
    EXPECT_EQ(Zahlenausgabe(*I, u',') + u'A', QStringLiteral("10,00 mA"));

    // the load current cannot be as large as the current through R1
    EXPECT_EQ(querstromfaktor(0.002, 0.002).hindernis().art, Art::StromNichtGroesserIL);
    EXPECT_EQ(querstromfaktor(0.001, 0.002).hindernis().art, Art::StromNichtGroesserIL);
    // 0.004 shows as 0,00: the load calculation would multiply IL by zero
    const auto klein = querstromfaktor(0.001004, 0.001);
    ASSERT_FALSE(klein);
    EXPECT_EQ(klein.hindernis().art, Art::QuerstromfaktorNull);
    EXPECT_TRUE(querstromfaktor(0.001005, 0.001));  // 0,01 is enough
    // a factor without upper limit must not produce a current beyond the prefixes
    EXPECT_EQ(stromDurchR1(0.001, 1e300).hindernis().art, Art::NichtDarstellbar);
}

TEST(Weitergabe, QuotientUndProduktBrauchenDarstellbareWerte) {
    EXPECT_DOUBLE_EQ(*quotient(5, 0.001), 5000);   // RL = U2 / IL
    EXPECT_DOUBLE_EQ(*produkt(0.001, 10), 0.01);   // UL = I2 × RL
    EXPECT_EQ(quotient(5, 0).hindernis().art, Art::Eingabe);
    EXPECT_EQ(quotient(0, 5).hindernis().art, Art::Eingabe);
    EXPECT_EQ(quotient(1e-13, 1e12).hindernis().art, Art::NichtDarstellbar);  // shows as 0,00
    EXPECT_EQ(produkt(1e20, 1e20).hindernis().art, Art::NichtDarstellbar);
}

// --- forward calculation from R1 and R2 ------------------------------------------------------------

TEST(Vorwaerts, SpannungsteilerOhneUndMitLast) {
    const auto e = spannungVorwaerts(12, 583.33, 416.67, std::nullopt);
    ASSERT_TRUE(e);
    EXPECT_EQ(Zahlenausgabe(e->U2, u',') + u'V', QStringLiteral("5,00 V"));
    EXPECT_EQ(ohm(e->RG), QStringLiteral(u"1,00 k\u2126"));
    EXPECT_EQ(Zahlenausgabe(e->I, u',') + u'A', QStringLiteral("12,00 mA"));

    const auto last = spannungVorwaerts(12, 1000, 1000, 1000.0);  // R2 || RL = 500 Ω
    ASSERT_TRUE(last);
    EXPECT_NEAR(last->U2, 4, 1e-12);
    EXPECT_NEAR(last->RG, 1500, 1e-9);
    EXPECT_NEAR(last->I, 0.008, 1e-15);
}

TEST(Vorwaerts, StromFolgtAusDerUngerundetenSpannung) {
    // U2 = 11,988 V shows as 11,99 V; (U - 11,99 V) / 1 Ω would give 10 mA instead of 11,99 mA
    const auto e = spannungVorwaerts(12, 1, 1000, std::nullopt);
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->I, 12.0 / 1001, 1e-15);
    EXPECT_EQ(Zahlenausgabe(e->I, u',') + u'A', QStringLiteral("11,99 mA"));
}

TEST(Vorwaerts, VerweigertNullUndUnteilbareVerhaeltnisse) {
    EXPECT_EQ(spannungVorwaerts(12, 0, 416.67, std::nullopt).hindernis().art, Art::WiderstandNull);
    EXPECT_EQ(spannungVorwaerts(12, 0, 416.67, std::nullopt).hindernis().a, 1);
    EXPECT_EQ(spannungVorwaerts(12, 583.33, 0, std::nullopt).hindernis().a, 2);
    EXPECT_EQ(spannungVorwaerts(12, 0, 0, 5000.0).hindernis().art, Art::WiderstandNull);
    // 1 Ω against 10 kΩ: U2 shows as 12,00 V, no longer below U
    const auto gleich = spannungVorwaerts(12, 1, 10000, std::nullopt);
    ASSERT_FALSE(gleich);
    EXPECT_EQ(gleich.hindernis().art, Art::U2NichtKleinerU);
    EXPECT_DOUBLE_EQ(gleich.hindernis().a, 12);

    EXPECT_EQ(stromVorwaerts(12, 0, 12000, std::nullopt, false, 0.001).hindernis().a, 1);
    EXPECT_EQ(stromVorwaerts(12, 6000, 0, std::nullopt, true, 0.001).hindernis().a, 2);
    EXPECT_EQ(stromVorwaerts(12, 6000, 0, 10.0, true, 0.001).hindernis().art, Art::WiderstandNull);
    // R1 huge against R2: I shows as I2, the next calculation would divide by I - I2 = 0
    EXPECT_EQ(stromVorwaerts(12, 1e12, 12000, std::nullopt, true, 0.001).hindernis().art, Art::I2NichtKleinerI);
}

struct StromVorFall {
    const char* fall;
    std::optional<double> RL;
    bool ausR2;
    double R1, R2;
    const char* I;
    const char* I2;  // nullptr: not written
    const char* UL;  // nullptr: not written
};

class StromVor : public ::testing::TestWithParam<StromVorFall> {};

TEST_P(StromVor, SchreibtDieFolgewerte) {
    const StromVorFall& f = GetParam();
    const auto e = stromVorwaerts(12, f.R1, f.R2, f.RL, f.ausR2, 0.001);
    ASSERT_TRUE(e) << f.fall;
    EXPECT_EQ(Zahlenausgabe(e->I, u',') + u'A', QString::fromLatin1(f.I)) << f.fall;
    EXPECT_EQ(ohm(e->RG), QStringLiteral(u"4,00 k\u2126")) << f.fall;
    ASSERT_EQ(e->I2.has_value(), f.I2 != nullptr) << f.fall;
    if (f.I2) EXPECT_EQ(Zahlenausgabe(*e->I2, u',') + u'A', QString::fromLatin1(f.I2)) << f.fall;
    ASSERT_EQ(e->UL.has_value(), f.UL != nullptr) << f.fall;
    if (f.UL) EXPECT_EQ(Zahlenausgabe(*e->UL, u',') + u'V', QString::fromLatin1(f.UL)) << f.fall;
}

INSTANTIATE_TEST_SUITE_P(Faelle, StromVor,
                         ::testing::Values(StromVorFall{"R1, ohne Last", {}, false, 6000, 12000, "3,00 mA", nullptr, nullptr},
                                           StromVorFall{"R2, ohne Last", {}, true, 6000, 12000, "3,00 mA", "1,00 mA", nullptr},
                                           StromVorFall{"R1, mit Last", 10.0, false, 6000, 11990, "3,00 mA", nullptr, nullptr},
                                           StromVorFall{"R2, mit Last", 10.0, true, 6000, 11990, "3,00 mA", "1,00 mA", "10,00 mV"}));

TEST(Gesamtwiderstand, RechnetStromUndWiderstaendeZurueck) {
    const auto e = spannungAusGesamtwiderstand(12, 5, 1000);
    ASSERT_TRUE(e);
    EXPECT_EQ(Zahlenausgabe(e->I, u',') + u'A', QStringLiteral("12,00 mA"));
    EXPECT_EQ(ohm(e->R1), QStringLiteral(u"583,33 \u2126"));
    EXPECT_EQ(ohm(e->R2), QStringLiteral(u"416,67 \u2126"));
    EXPECT_EQ(spannungAusGesamtwiderstand(12, 5, 0).hindernis().art, Art::WiderstandNull);
    EXPECT_EQ(spannungAusGesamtwiderstand(12, 5, 0).hindernis().a, 0);
    EXPECT_EQ(spannungAusGesamtwiderstand(5, 5, 1000).hindernis().art, Art::U2NichtKleinerU);
}

// --- messages and the transfer guard ---------------------------------------------------------------

TEST(Meldungen, NennenDieWerte) {
    EXPECT_EQ(meldung({Art::U2NichtKleinerU, 12, 12}, u','),
              QStringLiteral(u"Die Spannung U2 = 12,00 V muß kleiner sein als die Spannung U = 12,00 V."));
    EXPECT_EQ(meldung({Art::I2NichtKleinerI, 0.003, 0.003}, u'.'),
              QStringLiteral(u"Der Strom I2 = 3.00 mA muß kleiner sein als der Strom I = 3.00 mA."));
    EXPECT_EQ(meldung({Art::LastZuGross, 12, 5}, u','),
              QStringLiteral(u"Der Produktwert: Widerstand RL * Strom I2 = 12,00 V\r\rmuß kleiner als die "
                             u"Spannung U = 5,00 V sein."));
    EXPECT_EQ(meldung({Art::WiderstandNull, 2}, u','), QStringLiteral(u"Der Widerstand R2 muß größer als 0 \u2126 sein."));
    EXPECT_EQ(meldung({Art::WiderstandNull, 0}, u','),
              QStringLiteral(u"Der Gesamtwiderstand muß größer als 0 \u2126 sein."));
    EXPECT_EQ(meldungUebergabe(QStringLiteral("R1")),
              QStringLiteral(u"Der Wert von R1 kann nicht auf die Seite Toleranz übernommen werden:\r\rdort wird "
                             u"ein Widerstand größer als 0 \u2126 gebraucht."));
    // every kind has a text
    for (Art a : {Art::Eingabe, Art::StromNichtGroesserIL, Art::QuerstromfaktorNull, Art::NichtDarstellbar})
        EXPECT_FALSE(meldung({a, 1, 1}, u',').isEmpty());
}

TEST(Uebergabe, NurPositiveEndlicheWiderstaende) {
    EXPECT_EQ(uebergabewert(583.33), 583.33);
    for (std::optional<double> w : {std::optional<double>{}, std::optional(0.0), std::optional(-5.0),
                                    std::optional(keinWert), std::optional(unendlich)})
        EXPECT_FALSE(uebergabewert(w));
}
