// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Number codes of SMD resistors and capacitors: reading codes, the codes of a value in every system,
// the nearest codes of values no system expresses, the messages of bad codes, tolerance and voltage.

#include "colourcode/smdcode.h"

#include <gtest/gtest.h>

#include "colourcode/qtext_ausgabe.h"
#include "eseries/ereihen.h"

using namespace zelmo;
using namespace zelmo::smdcode;

namespace {

QString t(const char16_t* s) { return QString::fromUtf16(s); }

struct Lesefall {
    System system;
    const char16_t* eingabe;
    double wert;
    const char16_t* code;  // normal form
};

class Lesen : public ::testing::TestWithParam<Lesefall> {};

TEST_P(Lesen, WertUndNormalform) {
    const Lesefall& f = GetParam();
    const Leseergebnis e = lesen(f.system, t(f.eingabe));
    ASSERT_TRUE(e.lesung) << e.fehler.toStdString();
    EXPECT_DOUBLE_EQ(e.lesung->wert, f.wert);
    EXPECT_EQ(e.lesung->code, t(f.code));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Lesen,
    ::testing::Values(
        // three digits: two significant digits and the number of zeros, R as decimal point
        Lesefall{System::Dreistellig, u"472", 4700, u"472"}, Lesefall{System::Dreistellig, u"100", 10, u"100"},
        Lesefall{System::Dreistellig, u"4R7", 4.7, u"4R7"}, Lesefall{System::Dreistellig, u"r47", 0.47, u"R47"},
        Lesefall{System::Dreistellig, u" 47r ", 47, u"47R"}, Lesefall{System::Dreistellig, u"0", 0, u"0"},
        Lesefall{System::Dreistellig, u"000", 0, u"000"}, Lesefall{System::Dreistellig, u"999", 99e9, u"999"},
        // four digits
        Lesefall{System::Vierstellig, u"4702", 47000, u"4702"}, Lesefall{System::Vierstellig, u"1000", 100, u"1000"},
        Lesefall{System::Vierstellig, u"0R10", 0.1, u"0R10"}, Lesefall{System::Vierstellig, u"10R0", 10, u"10R0"},
        Lesefall{System::Vierstellig, u"4751", 4750, u"4751"}, Lesefall{System::Vierstellig, u"0000", 0, u"0000"},
        // EIA-96: index into E96 and a multiplier letter, twins R/Y, S/X, H/B, lower case
        Lesefall{System::EIA96, u"01C", 10000, u"01C"}, Lesefall{System::EIA96, u"68X", 49.9, u"68X"},
        Lesefall{System::EIA96, u"68s", 49.9, u"68S"}, Lesefall{System::EIA96, u"96F", 97.6e6, u"96F"},
        Lesefall{System::EIA96, u"01Z", 0.1, u"01Z"}, Lesefall{System::EIA96, u"02R", 1.02, u"02R"},
        Lesefall{System::EIA96, u"66h", 4750, u"66H"}, Lesefall{System::EIA96, u"66B", 4750, u"66B"},
        // capacitors in picofarad, 8 and 9 as multipliers 0,01 and 0,1, tolerance letter, voltage code
        Lesefall{System::Kondensator, u"104", 100e-9, u"104"}, Lesefall{System::Kondensator, u"222", 2.2e-9, u"222"},
        Lesefall{System::Kondensator, u"4R7", 4.7e-12, u"4R7"}, Lesefall{System::Kondensator, u"479", 4.7e-12, u"479"},
        Lesefall{System::Kondensator, u"108", 0.1e-12, u"108"}, Lesefall{System::Kondensator, u"47", 47e-12, u"47"},
        Lesefall{System::Kondensator, u"104j", 100e-9, u"104J"},
        Lesefall{System::Kondensator, u"2a104k", 100e-9, u"2A104K"},
        Lesefall{System::Kondensator, u"104K 2A", 100e-9, u"2A104K"},
        Lesefall{System::Kondensator, u"1042A", 100e-9, u"2A104"},
        Lesefall{System::Kondensator, u"0R5C", 0.5e-12, u"0R5C"}, Lesefall{System::Kondensator, u"105Z", 1e-6, u"105Z"}));

TEST(Lesen, KondensatorToleranzUndSpannung) {
    const Leseergebnis e = lesen(System::Kondensator, QStringLiteral("2A104J"));
    ASSERT_TRUE(e.lesung);
    ASSERT_TRUE(e.lesung->toleranz);
    ASSERT_TRUE(e.lesung->spannung);
    EXPECT_EQ(e.lesung->toleranz->buchstabe, u'J');
    EXPECT_EQ(e.lesung->spannung->volt, 100);
    EXPECT_EQ(toleranzText(*e.lesung->toleranz, u','), t(u"±5 % (J)"));
    EXPECT_EQ(spannungText(*e.lesung->spannung, u','), t(u"100,00 V (2A)"));
    const Leseergebnis ohne = lesen(System::Kondensator, QStringLiteral("104"));
    ASSERT_TRUE(ohne.lesung);
    EXPECT_EQ(ohne.lesung->toleranz, nullptr);
    EXPECT_EQ(ohne.lesung->spannung, nullptr);
}

TEST(Lesen, EveryVoltageCode) {
    const std::pair<const char16_t*, double> codes[] = {{u"0J", 6.3}, {u"1A", 10},  {u"1C", 16},  {u"1E", 25},
                                                        {u"1V", 35},  {u"1H", 50},  {u"2A", 100}, {u"2D", 200},
                                                        {u"2E", 250}, {u"2G", 400}, {u"2J", 630}};
    for (auto [c, v] : codes) {
        const Leseergebnis e = lesen(System::Kondensator, t(c) + QStringLiteral("223"));
        ASSERT_TRUE(e.lesung && e.lesung->spannung) << t(c).toStdString();
        EXPECT_EQ(e.lesung->spannung->volt, v);
    }
}

struct Fehlerfall {
    System system;
    const char16_t* eingabe;
    const char16_t* meldungEnthaelt;
};

class Fehler : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(Fehler, MeldungNenntDasProblem) {
    const Fehlerfall& f = GetParam();
    const Leseergebnis e = lesen(f.system, t(f.eingabe));
    EXPECT_FALSE(e.lesung) << t(f.eingabe).toStdString();
    EXPECT_TRUE(e.fehler.contains(t(f.meldungEnthaelt))) << e.fehler.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Fehler,
    ::testing::Values(
        Fehlerfall{System::Dreistellig, u"", u"Bitte den Code eingeben"},
        Fehlerfall{System::Dreistellig, u"4702", u"Der Code 4702 hat zu viele Ziffern"},
        Fehlerfall{System::Dreistellig, u"47", u"zu wenige Zeichen"},
        Fehlerfall{System::Dreistellig, u"4R7R", u"mehr als ein R"},
        Fehlerfall{System::Dreistellig, u"047", u"beginnt mit 0"},
        Fehlerfall{System::Dreistellig, u"01C", u"Ist 01C vielleicht ein EIA-96-Code?"},
        Fehlerfall{System::Vierstellig, u"47021", u"zu viele Ziffern"},
        Fehlerfall{System::Vierstellig, u"4k7", u"Das Zeichen K"},
        Fehlerfall{System::EIA96, u"97A", u"Die Nummer 97 ist größer als 96"},
        Fehlerfall{System::EIA96, u"00A", u"Die Nummer 00 gibt es"},
        Fehlerfall{System::EIA96, u"01Q", u"Der Buchstabe Q ist kein Multiplikator"},
        Fehlerfall{System::EIA96, u"01", u"fehlt der Multiplikatorbuchstabe"},
        Fehlerfall{System::EIA96, u"472", u"zu viele Ziffern"},
        Fehlerfall{System::EIA96, u"A01", u"beginnt nicht mit zwei Ziffern"},
        Fehlerfall{System::EIA96, u"01CX", u"steht noch X"},
        Fehlerfall{System::Kondensator, u"1044", u"zu viele Ziffern"},
        Fehlerfall{System::Kondensator, u"104X", u"Der Buchstabe X ist kein Toleranzbuchstabe"},
        Fehlerfall{System::Kondensator, u"3A104", u"Der Spannungscode 3A ist unbekannt"},
        Fehlerfall{System::Kondensator, u"1043A", u"Der Spannungscode 3A ist unbekannt"},
        Fehlerfall{System::Kondensator, u"2A104J1H", u"zwei Spannungscodes"},
        Fehlerfall{System::Kondensator, u"104B", u"gilt nur für Kondensatoren bis 10 pF"},
        Fehlerfall{System::Kondensator, u"000", u"0 pF"}, Fehlerfall{System::Kondensator, u"J104", u"beginnt nicht mit dem Wert"},
        Fehlerfall{System::Kondensator, u"104J-", u"Nach dem Wert steht -"},
        Fehlerfall{System::Kondensator, u"2a", u"Dem Code fehlt der Wert: 2A ist nur der Spannungscode (100 V)."}));

// Value to code: the code of each system, or its nearest codes below and above.
struct Codefall {
    System system;
    double wert;
    const char16_t* code;   // empty: not exact
    const char16_t* unten;  // nearest codes when not exact (empty: none)
    const char16_t* oben;
};

class Kodieren : public ::testing::TestWithParam<Codefall> {};

TEST_P(Kodieren, CodeOderNachbarn) {
    const Codefall& f = GetParam();
    const auto c = codeFuer(f.system, f.wert);
    const QString code = t(f.code);
    if (!code.isEmpty()) {
        ASSERT_TRUE(c);
        EXPECT_EQ(*c, code);
        // the code reads back as the value
        EXPECT_NEAR(wertDesCodes(f.system, *c), f.wert, f.wert * 1e-12);
        return;
    }
    EXPECT_FALSE(c) << c.value_or(QString()).toStdString();
    const Nachbarn n = naechsteCodes(f.system, f.wert);
    EXPECT_EQ(n.unten.value_or(QString()), t(f.unten));
    EXPECT_EQ(n.oben.value_or(QString()), t(f.oben));
}

INSTANTIATE_TEST_SUITE_P(
    Werte, Kodieren,
    ::testing::Values(
        Codefall{System::Dreistellig, 4700, u"472", u"", u""}, Codefall{System::Dreistellig, 10, u"100", u"", u""},
        Codefall{System::Dreistellig, 4.7, u"4R7", u"", u""}, Codefall{System::Dreistellig, 0.47, u"R47", u"", u""},
        Codefall{System::Dreistellig, 1, u"1R0", u"", u""}, Codefall{System::Dreistellig, 0, u"000", u"", u""},
        Codefall{System::Dreistellig, 4750, u"", u"472", u"482"},
        Codefall{System::Dreistellig, 99.5, u"", u"990", u"101"},
        Codefall{System::Dreistellig, 0.995, u"", u"R99", u"1R0"},
        Codefall{System::Dreistellig, 1e12, u"", u"999", u""},
        Codefall{System::Dreistellig, 0.001, u"", u"", u"R01"},
        Codefall{System::Vierstellig, 4750, u"4751", u"", u""}, Codefall{System::Vierstellig, 47000, u"4702", u"", u""},
        Codefall{System::Vierstellig, 100, u"1000", u"", u""}, Codefall{System::Vierstellig, 10, u"10R0", u"", u""},
        Codefall{System::Vierstellig, 0.1, u"0R10", u"", u""}, Codefall{System::Vierstellig, 0.047, u"R047", u"", u""},
        Codefall{System::Vierstellig, 4.7, u"4R70", u"", u""}, Codefall{System::Vierstellig, 0, u"0000", u"", u""},
        Codefall{System::Vierstellig, 4755, u"", u"4751", u"4761"},
        Codefall{System::EIA96, 4750, u"66B", u"", u""}, Codefall{System::EIA96, 10000, u"01C", u"", u""},
        Codefall{System::EIA96, 49.9, u"68X", u"", u""}, Codefall{System::EIA96, 1.02, u"02Y", u"", u""},
        Codefall{System::EIA96, 4700, u"", u"65B", u"66B"}, Codefall{System::EIA96, 0, u"", u"", u"01Z"},
        Codefall{System::EIA96, 1e8, u"", u"96F", u""}, Codefall{System::EIA96, 990, u"", u"96A", u"01B"},
        Codefall{System::Kondensator, 100e-9, u"104", u"", u""}, Codefall{System::Kondensator, 2.2e-9, u"222", u"", u""},
        Codefall{System::Kondensator, 4.7e-12, u"4R7", u"", u""},
        Codefall{System::Kondensator, 0.5e-12, u"0R5", u"", u""},
        Codefall{System::Kondensator, 0.47e-12, u"R47", u"", u""},
        Codefall{System::Kondensator, 4.75e-9, u"", u"472", u"482"},
        Codefall{System::Kondensator, 1e-3, u"", u"997", u""}));

TEST(Kodieren, E24InDreiStellenUndE96InVierStellen) {
    // every E24 value from 1 Ω to 9,1 MΩ has a 3-digit code, every E96 value from 10 Ω a 4-digit and an EIA-96 code
    for (double dekade = 1; dekade <= 1e6; dekade *= 10)
        for (double w : reihe(EReihe::E24).subspan(24, 24)) {
            const double v = w * dekade;
            const auto c = codeFuer(System::Dreistellig, v);
            ASSERT_TRUE(c) << v;
            EXPECT_NEAR(wertDesCodes(System::Dreistellig, *c), v, v * 1e-12);
        }
    for (double dekade = 10; dekade <= 1e5; dekade *= 10)
        for (double w : reihe(EReihe::E96).subspan(96, 96)) {
            const double v = w * dekade;
            for (System s : {System::Vierstellig, System::EIA96}) {
                const auto c = codeFuer(s, v);
                ASSERT_TRUE(c) << v;
                EXPECT_NEAR(wertDesCodes(s, *c), v, v * 1e-12);
            }
        }
}

TEST(Liste, ZeilenJeSystem) {
    // 4,75 kΩ: no 3-digit code, "4751" in four digits, "66B" in EIA-96
    EXPECT_EQ(listenZeilen(false, 4750, u','),
              (QStringList{t(u"3-stellig: nicht darstellbar (darunter 472 = 4,70 k\u2126, darüber 482 = 4,80 k\u2126)"),
                           t(u"4-stellig: 4751"), t(u"EIA-96: 66B")}));
    EXPECT_EQ(listenZeilen(false, 0, u'.'),
              (QStringList{t(u"3-stellig: 000"), t(u"4-stellig: 0000"),
                           t(u"EIA-96: nicht darstellbar (darüber 01Z = 100.00 m\u2126)")}));
    EXPECT_EQ(listenZeilen(true, 100e-9, u',', toleranzBuchstabe(u'k'), spannungsCode(QStringLiteral("1h"))),
              QStringList{t(u"Kondensator: 1H104K")});
    EXPECT_EQ(listenZeilen(true, 4.75e-9, u','),
              QStringList{t(u"Kondensator: nicht darstellbar (darunter 472 = 4,70 nF, darüber 482 = 4,80 nF)")});
}

TEST(Toleranz, GrenzenUndTexte) {
    const Toleranzbuchstabe& j = *toleranzBuchstabe(u'J');
    const Toleranzgrenzen g = grenzen(100e-9, j, u',');
    EXPECT_EQ(g.oben, t(u"105,00 nF"));
    EXPECT_EQ(g.unten, t(u"95,00 nF"));
    // Z is +80/-20 %
    const Toleranzgrenzen z = grenzen(1e-6, *toleranzBuchstabe(u'z'), u',');
    EXPECT_EQ(z.oben, t(u"1,80 µF"));
    EXPECT_EQ(z.unten, t(u"800,00 nF"));
    // a deviation in picofarad larger than the value puts the lower limit at 0
    const Toleranzgrenzen d = grenzen(0.3e-12, *toleranzBuchstabe(u'D'), u',');
    EXPECT_EQ(d.oben, t(u"800,00 fF"));
    EXPECT_TRUE(d.unten.startsWith(t(u"0,00"))) << d.unten.toStdString();
    EXPECT_EQ(toleranzText(*toleranzBuchstabe(u'C'), u','), t(u"±0,25 pF (C)"));
    EXPECT_EQ(toleranzText(*toleranzBuchstabe(u'Z'), u','), t(u"+80/−20 % (Z)"));
    // EIA-96 resistors are 1-% parts
    const Toleranzgrenzen r = grenzen(10000, 100, 100, false, u',');
    EXPECT_EQ(r.oben, t(u"10,10 k\u2126"));
    EXPECT_EQ(r.unten, t(u"9,90 k\u2126"));
}

TEST(Eingabe, ToleranzUndSpannungAusText) {
    struct Fall {
        const char16_t* text;
        bool gueltig;
        char16_t buchstabe;  // 0: none
    };
    for (const Fall& f : {Fall{u"", true, 0}, Fall{u"j", true, u'J'}, Fall{u"5", true, u'J'},
                          Fall{u"5 %", true, u'J'}, Fall{u"±5 % (J)", true, u'J'}, Fall{u"0,25p", true, u'C'},
                          Fall{u"0,25 pF", true, u'C'}, Fall{u"+80/−20 % (Z)", true, u'Z'}, Fall{u"80", true, u'Z'},
                          Fall{u"7", false, 0}, Fall{u"Q", false, 0}, Fall{u"abc", false, 0}}) {
        const Toleranzeingabe e = toleranzAusEingabe(t(f.text), u',');
        EXPECT_EQ(e.gueltig, f.gueltig) << t(f.text).toStdString();
        EXPECT_EQ(e.toleranz ? e.toleranz->buchstabe : char16_t(0), f.buchstabe) << t(f.text).toStdString();
    }
    struct UFall {
        const char16_t* text;
        bool gueltig;
        double volt;  // 0: none
    };
    for (const UFall& f : {UFall{u"", true, 0}, UFall{u"2a", true, 100}, UFall{u"1E", true, 25},
                           UFall{u"100", true, 100}, UFall{u"6,3 V", true, 6.3}, UFall{u"100,00 V (2A)", true, 100},
                           UFall{u"42", false, 0}, UFall{u"3A", false, 0}}) {
        const Spannungseingabe e = spannungAusEingabe(t(f.text), u',');
        EXPECT_EQ(e.gueltig, f.gueltig) << t(f.text).toStdString();
        EXPECT_EQ(e.spannung ? e.spannung->volt : 0.0, f.volt) << t(f.text).toStdString();
    }
}

}  // namespace
