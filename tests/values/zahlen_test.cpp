// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/gtest_qt.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "values/abgewiesene_exponenten.h"
#include "values/zahlen.h"

using namespace zelmo;

namespace {

// Writes a text given with "," in the separator of the run.
QString mit(const char* text, QChar dez) {
    QString s = QString::fromUtf8(text);
    if (dez == u'.') {
        for (QChar& c : s)
            if (c == u',') c = u'.';
            else if (c == u'.') c = u',';
    }
    return s;
}

class MitTrenner : public ::testing::TestWithParam<char16_t> {
protected:
    QChar dez() const { return QChar(GetParam()); }
};

struct EingabeFall {
    const char* text;
    double erwartet;
};

const EingabeFall eingaben[] = {
    {"4,7 k", 4700},       {"4,7k", 4700},       {" 39,00 kΩ", 39000}, {"2,2µ", 2.2e-6}, {"2,2u", 2.2e-6},
    {"100 n", 1e-7},       {"5 M", 5e6},         {"5 m", 0.005},       {"5 E", 5e18},    {"5E", 5e18},
    {"1E-9", 1e-9},        {"1e-9", 1e-9},       {"1,5E3", 1500},      {"2E3k", 2000},   {"12,00 V", 12},
    {"5 K", 5},            {"-5 k", -5000},      {"1n", 1e-9},         {"1T", 1e12},
    {"+12", 12},           {"1E+12", 1e12},      {"0", 0},             {"3 y", 3e-24},   {"7 Y", 7e24},
    // the Greek small letter mu, as several keyboard layouts give it for "µ"
    {"2,2\u03BC", 2.2e-6},  {"1 \u03BCF", 1e-6},
    // the letter code of component markings: the letter marks the decimal point
    {"4k7", 4700},         {"2M2", 2.2e6},       {"4n7", 4.7e-9},      {"1µ5", 1.5e-6},  {"1u5", 1.5e-6},
    {"3\u03BC3", 3.3e-6},  {"4m7", 4.7e-3},      {"6p8", 6.8e-12},     {"1G5", 1.5e9},   {"4K7", 4700},
    {"4R7", 4.7},          {"R47", 0.47},        {"0R1", 0.1},         {"-4k7", -4700},  {" 4k7 Ω", 4700},
    {"4n7F", 4.7e-9},      {"47R", 47},          {"100k", 1e5},
    // a prefix letter before the digits marks the decimal point as the "R" in "R47" does
    {"k47", 470},          {"n47", 0.47e-9},     {"K47", 470},         {"k7", 700},      {"M1", 1e5},
    {"µ47", 0.47e-6},      {"u1", 1e-7},         {"m5", 5e-4},         {"p1", 1e-13},    {"-k47", -470},
    {" n47 F", 0.47e-9},   {"G22", 0.22e9},
    // exponent form: letters and blanks after the exponent are units
    {"1E3 V", 1000},       {"1E0003", 1000},     {"1E-300", 1e-300},   {"1 E3", 1000},
};

TEST_P(MitTrenner, ZahleneingabeListeDerBeispiele) {
    for (const auto& f : eingaben) {
        const auto w = Zahleneingabe(mit(f.text, dez()), dez());
        ASSERT_TRUE(w.has_value()) << f.text;
        EXPECT_DOUBLE_EQ(*w, f.erwartet) << f.text;
    }
}

TEST_P(MitTrenner, ZahleneingabeGrenzenSindExakt) {
    // the limits table compares in double precision: a typed bound must equal the constant exactly
    EXPECT_EQ(*Zahleneingabe(QStringLiteral("1n"), dez()), 1e-9);
    EXPECT_EQ(*Zahleneingabe(QStringLiteral("1T"), dez()), 1e12);
    EXPECT_EQ(*Zahleneingabe(QStringLiteral("1µ"), dez()), 1e-6);
    EXPECT_EQ(*Zahleneingabe(QStringLiteral("1E-9"), dez()), 1e-9);
}

TEST_P(MitTrenner, ZahleneingabeFehler) {
    for (const char* t : {"", "abc", "1,2,3", "1.5", "k", " ", "1E-", "1-2", "1E1-2", "5+", "1E999", "--5",
                          // after the exponent's digits no further digit, sign or separator
                          "1E3.5", "1E3,5", "1E3 5", "1E3+", "1E3-2",
                          // an exponent set apart by blanks, or beyond the double range
                          "1 E 3", "1E 3", "1 e -3", "1E+1000", "1E-1000", "1E99999999999",
                          // a letter code with more digits, a separator or a second prefix after it
                          "4k7,5", "4k7 5", "4k7k", "4k7 mA", "1,5k7", "R", "R4,7", "4R7R1",
                          // a prefix letter before the digits is never dropped: read as the letter
                          // code or not at all
                          "k 47", "k,47", "n-47", "k+4", "n 4,7", "R 47", "K 47", "µ 5", "k4,7", "k47k",
                          "k1E3", "n 1E-3", "m1e3", "-m 5", "k", "E47"}) {
        EXPECT_FALSE(Zahleneingabe(mit(t, dez()), dez()).has_value()) << t;
    }
}

// The refused forms of the exponent, for typed and for stored numbers alike.
TEST_P(MitTrenner, ExponentformenDieNiemandLiest) {
    for (const char* t : test::abgewieseneExponenten) {
        const QString text = mit(t, dez());
        EXPECT_FALSE(Zahleneingabe(text, dez()).has_value()) << "Eingabe " << t;
        EXPECT_FALSE(Gleitkommazahl(text, dez()).has_value()) << "gespeichert " << t;
    }
    // any blank between "E" and the exponent, also a tab or a no-break space pasted in, and an exponent
    // below the range of doubles (pasted or stored; the keyboard gives neither)
    for (const char* t : {"1E\t3", "1E\xC2\xA0" "3", "1e\t-3", "1E\xE2\x80\x89" "3", "1E-1000", "4,7E-400"}) {
        const QString text = mit(t, dez());
        EXPECT_FALSE(Zahleneingabe(text, dez()).has_value()) << "Eingabe " << t;
        EXPECT_FALSE(Gleitkommazahl(text, dez()).has_value()) << "gespeichert " << t;
    }
    // and the forms both read
    for (const char* t : {"1E3", "1e3", "1E+3", "1E-3", " 1,5E3 ", "-2E0", "1E0003"}) {
        EXPECT_EQ(Zahleneingabe(mit(t, dez()), dez()), Gleitkommazahl(mit(t, dez()), dez())) << t;
        EXPECT_TRUE(Gleitkommazahl(mit(t, dez()), dez()).has_value()) << t;
    }
}

struct AusgabeFall {
    double wert;
    const char* text;
};

const AusgabeFall ausgaben[] = {
    {0, "0,00 "},           {1, "1,00 "},          {4700, "4,70 k"},     {0.0000022, "2,20 µ"},
    {123456, "123,46 k"},   {-4700, "-4,70 k"},    {0.5, "500,00 m"},    {1e9, "1,00 G"},
    {999.994, "999,99 "},   {999.995, "1000,00 "}, {1.5e-24, "1,50 y"},  {1e-9, "1,00 n"},
    {1e12, "1,00 T"},       {1e-3, "1,00 m"},      {1e24, "1,00 Y"},     {2.675, "2,68 "},
    {583.333333, "583,33 "}, {1e27, "1000,00 Y"},  {0.9995e-24, "1,00 y"}, {-0.001, "-1,00 m"},
};

TEST_P(MitTrenner, ZahlenausgabeListeDerBeispiele) {
    for (const auto& f : ausgaben) EXPECT_EQ(Zahlenausgabe(f.wert, dez()), mit(f.text, dez())) << f.wert;
}

TEST_P(MitTrenner, ZahlenausgabeUnbestimmteWerte) {
    // never "inf" or "nan", never a hang
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double w : {nan, inf, -inf}) {
        const QString t = Zahlenausgabe(w, dez());
        EXPECT_EQ(t, QStringLiteral("--- ")) << w;
    }
    // below the smallest prefix the number keeps it: never a bare "0,00" that reads as zero ohm
    EXPECT_EQ(Zahlenausgabe(0.82e-24, dez()), mit("0,82 y", dez()));
    EXPECT_EQ(Zahlenausgabe(-0.5e-24, dez()), mit("-0,50 y", dez()));
    EXPECT_EQ(Zahlenausgabe(1e-30, dez()), mit("0,00 y", dez()));
    EXPECT_EQ(Zahlenausgabe(-1e-30, dez()), mit("0,00 y", dez()));
    EXPECT_EQ(Zahlenausgabe(std::numeric_limits<double>::denorm_min(), dez()), mit("0,00 y", dez()));
}

TEST_P(MitTrenner, GrenzwertDerMeldungen) {
    const AusgabeFall faelle[] = {{1e-9, "1n"},  {1e12, "1T"}, {0.01, "10m"},   {1e-14, "10f"},
                                  {5, "5"},      {1.3, "1,3"}, {999000, "999k"}, {0.4, "400m"},
                                  {999.995, "0,999995"}, {1.25, "1,25"}, {9.99e7, "99,9M"},
                                  // below 1e-24 and negative values keep their prefix
                                  {1e-24, "1y"}, {1e-25, "0,1y"}, {1e-27, "0,001y"}, {-5, "-5"},
                                  {-4700, "-4,7k"}, {-2.2e-6, "-2,2µ"}, {0, "0  "}};
    for (const auto& f : faelle) EXPECT_EQ(Grenzwert(f.wert, dez()), mit(f.text, dez())) << f.wert;
    EXPECT_EQ(Grenzwert(std::numeric_limits<double>::quiet_NaN(), dez()), QStringLiteral("---"));
    EXPECT_EQ(Grenzwert(std::numeric_limits<double>::infinity(), dez()), QStringLiteral("---"));
}

INSTANTIATE_TEST_SUITE_P(Trenner, MitTrenner, ::testing::Values(u',', u'.'),
                         [](const auto& info) { return info.param == u',' ? "Komma" : "Punkt"; });

// A Qt program takes the locale of its environment; reading numbers must not follow it.
TEST(Zahleneingabe, UnabhaengigVomGebietsschemaDesProzesses) {
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(Zahleneingabe(QStringLiteral("4,7k"), u','), 4700.0);
    EXPECT_EQ(Zahleneingabe(QStringLiteral("4.7k"), u'.'), 4700.0);
    EXPECT_EQ(Zahleneingabe(QStringLiteral("+1,5E-3"), u','), 1.5e-3);
    EXPECT_FALSE(Zahleneingabe(QStringLiteral("4.7"), u',').has_value());
    std::setlocale(LC_ALL, vorher.c_str());
}

TEST(EinheitVorsatz, StufenUndEinheitZwischenEinsUndTausend) {
    const struct {
        double w;
        const char16_t* v;
    } faelle[] = {{1e24, u"Y"}, {1e21, u"Z"}, {1e12, u"T"},  {4700, u"k"}, {999.99, u""}, {1, u""},
                  {0.5, u"m"},  {2.2e-6, u"\u00B5"}, {1e-9, u"n"}, {1e-24, u"y"}, {1e-25, u"y"},
                  {1e-300, u"y"}, {0, u"  "},   {-5, u""},   {-4700, u"k"}, {-0.5, u"m"}, {-1e-25, u"y"}};
    for (const auto& f : faelle) EXPECT_EQ(EinheitVorsatz(f.w), QString::fromUtf16(f.v)) << f.w;
    EXPECT_EQ(EinheitVorsatz(500, QStringLiteral(u"\u2126")), QStringLiteral(u"\u2126"));
    EXPECT_EQ(EinheitVorsatz(1000, QStringLiteral("H")), QStringLiteral("k"));
    EXPECT_EQ(EinheitVorsatz(0.5, QStringLiteral("F")), QStringLiteral("m"));
    EXPECT_EQ(EinheitVorsatz(-500, QStringLiteral("F")), QStringLiteral("F"));
    EXPECT_EQ(EinheitVorsatz(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("  "));
}

TEST(AnzeigeWert, SchaltetBeiNullKommaNeunNeunNeunNeunNeun) {
    const struct {
        double w, erwartet;
    } faelle[] = {{999.99, 999.99}, {999.995, 0.999995}, {4700, 4.7}, {999990, 999.99},
                  {999991, 0.999991}, {0.5, 500}, {1e27, 1000},
                  // below 1e-24 still scaled to yocto, negative values as their magnitude
                  {1e-25, 0.1}, {1e-24, 1}, {-3, -3}, {-4700, -4.7}, {-2e-25, -0.2}, {0, 0}};
    for (const auto& f : faelle) EXPECT_NEAR(AnzeigeWert(f.w), f.erwartet, std::fabs(f.erwartet) * 1e-12) << f.w;
}

TEST(EinheitinWert, ErstesZeichen) {
    EXPECT_EQ(EinheitinWert(QStringLiteral(u"k\u2126")), 1000.0);
    EXPECT_EQ(EinheitinWert(QStringLiteral(u"\u2126")), 1.0);
    EXPECT_EQ(EinheitinWert(QStringLiteral(u"\u00B5F")), 1e-6);
    EXPECT_EQ(EinheitinWert(QStringLiteral("uF")), 1.0);
    EXPECT_EQ(EinheitinWert(QString()), 1.0);
    EXPECT_EQ(EinheitinWert(QStringLiteral(" V")), 1.0);
    EXPECT_EQ(EinheitinWert(QStringLiteral("mA")), 1e-3);
}

TEST(Vorsatz, SiebzehnBuchstabenMitMikrozeichen) {
    ASSERT_EQ(Vorsatz.size(), 17);
    EXPECT_EQ(Vorsatz[10], QChar(0x00B5));
}

TEST(Allgemein, FestkommaVon1E_5BisUnter1E15) {
    struct Fall {
        double wert;
        const char* text;
    };
    const Fall faelle[] = {{12000, "12000"},
                           {0.47 * 1000, "470"},
                           {1.5, "1,5"},
                           {0.1 + 0.2, "0,3"},  // 15 significant digits hide the binary error
                           {0.00001, "0,00001"},
                           {0.000015, "0,000015"},
                           {123456789012345, "123456789012345"},
                           {4700 * 1000.0, "4700000"},
                           {1e-6, "1E-6"},
                           {1e15, "1E15"},
                           {0, "0"},
                           {-2.5, "-2,5"},
                           {1.5e21, "1,5E21"},
                           {1.5e-7, "1,5E-7"}};
    for (const auto& f : faelle) EXPECT_EQ(allgemein(f.wert, u','), QString::fromLatin1(f.text)) << f.wert;
    EXPECT_EQ(allgemein(13.2, u'.'), QStringLiteral("13.2"));
}

// Below the normal range fifteen digits are more than the number holds: written, read and written
// again, the text must not change (with fifteen digits 7,5E-310 became 7,49999999999995E-310 and then
// 7,4999999999999E-310).
TEST(Allgemein, GeschriebenGelesenGeschriebenStabil) {
    for (double w : {7.5e-310, 4.9406564584124654e-324, 2.2250738585072009e-308, 1.234567e-315, -3e-320}) {
        const QString einmal = allgemein(w, u',');
        const auto gelesen = Gleitkommazahl(einmal, u',');
        ASSERT_TRUE(gelesen) << qPrintable(einmal);
        EXPECT_EQ(*gelesen, w) << qPrintable(einmal);
        EXPECT_EQ(allgemein(*gelesen, u','), einmal);
    }
    EXPECT_EQ(allgemein(7.5e-310, u','), QStringLiteral("7,5E-310"));
    // where fifteen digits round up to the next power of ten, the form is that of the power
    for (double w : {999999999999999.88, 9.999999999999999e-6, -999999999999999.9, 99999999999999.99}) {
        const QString einmal = allgemein(w, u',');
        const auto gelesen = Gleitkommazahl(einmal, u',');
        ASSERT_TRUE(gelesen) << qPrintable(einmal);
        EXPECT_EQ(allgemein(*gelesen, u','), einmal) << w;
    }
    EXPECT_EQ(allgemein(999999999999999.88, u','), QStringLiteral("1E15"));
    EXPECT_EQ(allgemein(9.999999999999999e-6, u','), QStringLiteral("0,00001"));
    EXPECT_EQ(allgemein(2.2250738585072014e-308, u','), QStringLiteral("2,2250738585072E-308"));  // normal: 15 digits
}

TEST(AnzeigeMitVorsatz, ZahlUndVorsatzGehoerenZusammen) {
    struct Fall {
        double wert;
        const char16_t* zahl;
        const char16_t* vorsatz;
    };
    const Fall faelle[] = {
        {340, u"340,00", u""},       {0.034, u"34,00", u"m"},    {0, u"0,00", u"  "},
        {3400, u"3,40", u"k"},       {1e11, u"100,00", u"G"},    {2.5e-6, u"2,50", u"\u00B5"},
        {999.99, u"999,99", u""},    {1000, u"1,00", u"k"},
        // just below a power of 1000 the number is already divided; the letter must follow it
        {999.995, u"1,00", u"k"},    {999.9999999999998, u"1,00", u"k"}, {999995, u"1,00", u"M"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wert);
        const Anzeige a = AnzeigeMitVorsatz(f.wert, u',');
        EXPECT_EQ(a.zahl, QString::fromUtf16(f.zahl));
        EXPECT_EQ(a.vorsatz, QString::fromUtf16(f.vorsatz));
    }
    EXPECT_EQ(AnzeigeMitVorsatz(0.034, u'.').zahl, QStringLiteral("34.00"));
}

TEST(AngezeigterWert, NurPositiveWerte) {
    EXPECT_EQ(angezeigterWert(QStringLiteral("340,00"), QStringLiteral(u"\u2126"), u','), 340.0);
    EXPECT_EQ(angezeigterWert(QStringLiteral("3,40"), QStringLiteral("k") + QStringLiteral(u"\u2126"), u','), 3400.0);
    EXPECT_EQ(angezeigterWert(QStringLiteral("1,00"), QStringLiteral("k") + QStringLiteral(u"\u2126"), u','), 1000.0);
    EXPECT_FALSE(angezeigterWert(QStringLiteral("0,00"), QStringLiteral("  ") + QStringLiteral(u"\u2126"), u','));
    EXPECT_FALSE(angezeigterWert(QStringLiteral("---"), QStringLiteral(u"\u2126"), u','));
    EXPECT_FALSE(angezeigterWert(QStringLiteral("-5,00"), QStringLiteral(u"\u2126"), u','));
}

}  // namespace

// A program started under a German locale (the toolkit takes it into the C library) reads numbers
// exactly as under any other: the system separator is the page's, never the C library's.
TEST(Zahleneingabe, UnabhaengigVomProzessGebietsschema) {
    const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
    const std::string alt = vorher ? vorher : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const auto punkt = Zahleneingabe(QStringLiteral("4.7k"), u'.');
    const auto komma = Zahleneingabe(QStringLiteral("4,7k"), u',');
    const auto klein = Gleitkommazahl(QStringLiteral("1,5E-3"), u',');
    std::setlocale(LC_NUMERIC, alt.c_str());
    ASSERT_TRUE(punkt && komma && klein);
    EXPECT_DOUBLE_EQ(*punkt, 4700);
    EXPECT_DOUBLE_EQ(*komma, 4700);
    EXPECT_DOUBLE_EQ(*klein, 1.5e-3);
}
