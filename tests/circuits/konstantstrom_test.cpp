// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/konstantstrom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "support/gtest_qt.h"

using namespace zelmo;
using namespace zelmo::kstrom;

namespace {

const QString ohm = QStringLiteral(u"\u2126");

// One calculation with the texts the page shows for it (comma as separator); an empty text: no value.
struct RechenFall {
    const char* name;
    int item;
    double U, I, Iq, V;
    const char16_t *r1, *r1Einheit, *r2, *r2Einheit, *rl, *rlEinheit;
};

void PrintTo(const RechenFall& f, std::ostream* os) { *os << f.name; }

QString zeigen(std::optional<double> w, QString* einheit) {
    const Ohmanzeige a = ohmAnzeige(w, u',');
    *einheit = a.einheit;
    return a.zahl;
}

class KStromBerechnung : public ::testing::TestWithParam<RechenFall> {};

TEST_P(KStromBerechnung, ShownResults) {
    const RechenFall& f = GetParam();
    const Ergebnis e = berechnen(f.item, f.U, f.I, f.Iq, f.V);
    QString einheit;
    EXPECT_EQ(zeigen(e.R1, &einheit), QString::fromUtf16(f.r1));
    EXPECT_EQ(einheit, QString::fromUtf16(f.r1Einheit) + ohm);
    if (*f.r2) {
        EXPECT_EQ(zeigen(e.R2, &einheit), QString::fromUtf16(f.r2));
        EXPECT_EQ(einheit, QString::fromUtf16(f.r2Einheit) + ohm);
    } else {
        EXPECT_FALSE(e.R2.has_value());
    }
    EXPECT_EQ(zeigen(e.RL, &einheit), QString::fromUtf16(f.rl));
    EXPECT_EQ(einheit, QString::fromUtf16(f.rlEinheit) + ohm);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KStromBerechnung,
    ::testing::Values(
        // the first-start inputs 12 V, 10 mA, 1 mA with every circuit's first-start reference
        RechenFall{"Transistoren", ZweiTransistoren, 12, 0.01, 0.001, 1.2, u" 120,00", u"", u" 9,60", u"k",
                   u" 980,00", u""},
        RechenFall{"Dioden", ZweiDioden, 12, 0.01, 0.001, 1.4, u" 70,00", u"", u" 10,60", u"k", u" 1,03", u"k"},
        RechenFall{"JFET", Jfet, 12, 0.01, 0.001, 3.2, u" 320,00", u"", u"", u"", u" 680,00", u""},
        RechenFall{"ZDiode", ZDiode, 12, 0.01, 0.001, 2.5, u" 180,00", u"", u" 9,50", u"k", u" 920,00", u""},
        // a supply too small: negative R2 and RL, shown with their sign and prefix (no garbage digits)
        RechenFall{"ZuWenigSpannung", ZweiTransistoren, 2, 0.01, 0.001, 1.2, u" 120,00", u"", u" -400,00", u"",
                   u" -20,00", u""},
        // a reference below Ube leaves R1 negative, exactly Ube gives 0 (no prefix: two blanks)
        RechenFall{"UnterUbe", ZweiDioden, 12, 0.01, 0.001, 0.4, u" -30,00", u"", u" 11,60", u"k", u" 1,13", u"k"},
        RechenFall{"GleichUbe", ZDiode, 12, 0.01, 0.001, 0.7, u" 0,00", u"  ", u" 11,30", u"k", u" 1,10", u"k"},
        // the limits of the fields
        RechenFall{"Kleinstwerte", ZweiTransistoren, 1e-7, 1e-6, 1e-6, 0.4, u" 400,00", u"k", u" -800,00", u"k",
                   u" -1,40", u"M"},
        RechenFall{"Groesstwerte", ZDiode, 999000, 9.99e7, 9.99e7, 2, u" 13,01", u"n", u" 10,00", u"m",
                   u" 10,00", u"m"}));

TEST(KStromBerechnung, MeaninglessDivisionsGiveNoValue) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // a current of 0 (typed but not confirmed) or below divides by nothing useful
    for (int item = 0; item < anzahlSchaltungen; ++item) {
        const Ergebnis e = berechnen(item, 12, 0, 0.001, 1.2);
        EXPECT_FALSE(e.R1 || e.RL) << item;
        EXPECT_EQ(e.R2.has_value(), item != Jfet) << item;
        EXPECT_FALSE(berechnen(item, 12, -0.01, 0.001, 1.2).R1) << item;
        EXPECT_FALSE(berechnen(item, 12, 0.01, 0, 1.2).R2) << item;
        EXPECT_TRUE(berechnen(item, 12, 0.01, 0, 1.2).R1) << item;
        const Ergebnis n = berechnen(item, nan, 0.01, 0.001, 1.2);
        EXPECT_FALSE(n.R1 || n.R2 || n.RL) << item;
        EXPECT_FALSE(berechnen(item, 12, inf, 0.001, 1.2).R1) << item;
        EXPECT_FALSE(berechnen(item, 1e300, 1e-300, 1e-300, 1.2).RL) << item;  // would overflow
    }
    const Ergebnis keine = berechnen(-1, 12, 0.01, 0.001, 1.2);
    EXPECT_FALSE(keine.R1 || keine.R2 || keine.RL);
    EXPECT_FALSE(berechnen(4, 12, 0.01, 0.001, 1.2).R1);
}

TEST(KStromAnzeige, ResultTexts) {
    EXPECT_EQ(ohmAnzeige(std::nullopt, u',').zahl, QStringLiteral("---"));
    EXPECT_EQ(ohmAnzeige(std::nullopt, u',').einheit, ohm);
    EXPECT_EQ(ohmAnzeige(std::numeric_limits<double>::infinity(), u',').zahl, QStringLiteral("---"));
    // just below 1 kOhm the number is already divided: the label says k, not nothing
    EXPECT_EQ(ohmAnzeige(999.995, u',').zahl, QStringLiteral(" 1,00"));
    EXPECT_EQ(ohmAnzeige(999.995, u',').einheit, QStringLiteral("k") + ohm);
    EXPECT_EQ(ohmAnzeige(10600, u'.').zahl, QStringLiteral(" 10.60"));
    // the reference field of a circuit: Zahlenausgabe and " V", two blanks without a prefix
    EXPECT_EQ(referenzAnzeige(1.2, u','), QStringLiteral("1,20  V"));
    EXPECT_EQ(referenzAnzeige(0.5, u'.'), QStringLiteral("500.00 m V"));
    EXPECT_EQ(meldungKeinGleitkommawert(QStringLiteral("abc")), QStringLiteral(u"'abc' ist kein gültiger Gleitkommawert."));
}

TEST(KStromTabellen, CircuitsPicturesAndReferences) {
    struct Fall {
        int item, code;
        const char16_t *npn, *pnp, *text, *index;
        bool querstrom;
        double KStrom::*feld;
    };
    const Fall faelle[] = {
        {0, 0, u"npn-Transistore", u"pnp-Transistore", u"Spannung U", u"BE", true, &KStrom::Trans},
        {1, 10, u"npn-Transistor", u"pnp-Transistor", u"2 x Dioden U", u"f", true, &KStrom::Dioden},
        {2, 20, u"n-Kanal FET", u"p-Kanal FET", u"J-FET U", u"GS", false, &KStrom::JFET},
        {3, 30, u"npn-Transistor", u"pnp-Transistor", u"Z-Diode U", u"Z", true, &KStrom::ZDiode},
    };
    EXPECT_EQ(schaltungsNamen(),
              (QStringList{"2 Transistore", "2 Si-Dioden", "J-FET", "Z-Diode"}));
    KStrom k{1, 2, 3, 4};
    for (const Fall& f : faelle) {
        const Schaltungsdaten* s = schaltung(f.item);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->code, f.code);
        EXPECT_EQ(QString::fromUtf16(s->polaritaet[0]), QString::fromUtf16(f.npn));
        EXPECT_EQ(QString::fromUtf16(s->polaritaet[1]), QString::fromUtf16(f.pnp));
        EXPECT_EQ(QString::fromUtf16(s->referenzText), QString::fromUtf16(f.text));
        EXPECT_EQ(QString::fromUtf16(s->referenzIndex), QString::fromUtf16(f.index));
        EXPECT_EQ(s->querstrom, f.querstrom);
        EXPECT_EQ(referenz(k, f.item), &(k.*f.feld));
        EXPECT_EQ(referenz(static_cast<const KStrom&>(k), f.item), k.*f.feld);
        // both polarities have their own picture
        ASSERT_TRUE(bildFuer(f.code));
        ASSERT_TRUE(bildFuer(f.code + 1));
        EXPECT_NE(bildFuer(f.code), bildFuer(f.code + 1));
    }
    EXPECT_FALSE(schaltung(-1));
    EXPECT_FALSE(schaltung(4));
    EXPECT_FALSE(referenz(k, -1));
    EXPECT_FALSE(referenz(static_cast<const KStrom&>(k), 4));
    for (int summe : {-1, 2, 9, 12, 32, 40}) EXPECT_FALSE(bildFuer(summe)) << summe;
    EXPECT_EQ(QString::fromLatin1(bildFuer(21)->name), QStringLiteral("I_JFET_p"));
    EXPECT_EQ(QString::fromUtf16(bildFuer(30)->hinweis),
              QStringLiteral("Schaltbil der konst. Stromquelle mit  Z-Diode und  npn-Transistor"));
    EXPECT_EQ(polaritaetsNamen(), (QStringList{"npn Transistor", "pnp Transistor"}));
    const KStrom start;
    EXPECT_EQ(start.Trans, 1.2);
    EXPECT_EQ(start.Dioden, 1.4);
    EXPECT_EQ(start.JFET, 3.2);
    EXPECT_EQ(start.ZDiode, 2.5);
}

}  // namespace
