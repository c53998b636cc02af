// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eseries/toleranz.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

#include "eseries/ereihen.h"
#include "values/zahlen.h"

using namespace zelmo;

namespace {

const QString ohm = QStringLiteral(u"\u2126");

ToleranzErgebnis rechne(const QString& text, EReihe r, int art, QChar dezimal = u',') {
    auto e = Toleranz_Berechnung(text, reihe(r), fensterProzent(r), art, dezimal);
    EXPECT_TRUE(e.has_value()) << text.toStdString();
    return e.value_or(ToleranzErgebnis{});
}

// The shown line of a pair: a blank, the three values separated by tabs and the deviation.
QString zeile(const char16_t* a, const char16_t* b, const char16_t* ges, const char16_t* f) {
    return u' ' + QString::fromUtf16(a) + u'\t' + QString::fromUtf16(b) + u'\t' + QString::fromUtf16(ges) + u'\t' +
           QString::fromUtf16(f);
}

std::vector<QString> texte(const std::vector<ToleranzZeile>& z) {
    std::vector<QString> t;
    for (const auto& l : z) t.push_back(l.text);
    return t;
}

qsizetype stelle(const std::vector<ToleranzZeile>& z, const QString& text) {
    for (size_t i = 0; i < z.size(); ++i)
        if (z[i].text == text) return qsizetype(i);
    return -1;
}

}  // namespace

// Neighbours, bold marks and list sizes of the worked examples.
struct Beispiel {
    const char16_t* text;
    EReihe reihe;
    int art;
    const char16_t* unten;
    const char16_t* oben;
    std::array<bool, 7> fett;
    int parallelKandidaten;  // -1: not pinned
    int parallelGezeigt;
    int seriellKandidaten;
    int seriellGezeigt;
};

void PrintTo(const Beispiel& b, std::ostream* os) {
    *os << QString::fromUtf16(b.text).toStdString() << " in " << reihenName(b.reihe).toStdString() << ", kind " << b.art;
}

class ToleranzBeispiele : public testing::TestWithParam<Beispiel> {};

TEST_P(ToleranzBeispiele, NachbarnFettUndAnzahl) {
    const Beispiel& b = GetParam();
    const auto e = rechne(QString::fromUtf16(b.text), b.reihe, b.art);
    EXPECT_EQ(e.unten, QString::fromUtf16(b.unten));
    EXPECT_EQ(e.oben, QString::fromUtf16(b.oben));
    EXPECT_EQ(e.fett, b.fett);
    if (b.parallelKandidaten >= 0) {
        EXPECT_EQ(e.parallelKandidaten, b.parallelKandidaten);
        EXPECT_EQ(int(e.parallel.size()), b.parallelGezeigt);
        EXPECT_EQ(e.seriellKandidaten, b.seriellKandidaten);
        EXPECT_EQ(int(e.seriell.size()), b.seriellGezeigt);
    }
    // the wanted value is normalised into 0.999999 ... below 9.999999 and never its own neighbour
    EXPECT_GE(e.wert, 0.999999);
    EXPECT_LT(e.wert, 9.999999);
    EXPECT_FALSE(e.parallel.empty());
    EXPECT_FALSE(e.seriell.empty());
}

constexpr std::array<bool, 7> alle{true, true, true, true, true, true, true};
// 4,7 is in E3 ... E24 and again in E192 (464, 470, 475), not in E48 and E96
constexpr std::array<bool, 7> bisE24{true, true, true, true, false, false, true};
constexpr std::array<bool, 7> keine{};

INSTANTIATE_TEST_SUITE_P(
    Teil, ToleranzBeispiele,
    testing::Values(
        Beispiel{u"1k", EReihe::E12, artR, u"820,00 \u2126", u"1,20 k\u2126", alle, 50, 26, 23, 17},
        Beispiel{u"1,00 k\u2126", EReihe::E12, artR, u"820,00 \u2126", u"1,20 k\u2126", alle, 50, 26, 23, 17},
        Beispiel{u"4,7k", EReihe::E12, artR, u"3,90 k\u2126", u"5,60 k\u2126", bisE24, -1, 0, 0, 0},
        Beispiel{u"1k", EReihe::E96, artR, u"976,00 \u2126", u"1,02 k\u2126", alle, -1, 0, 0, 0},
        Beispiel{u"4,7n", EReihe::E6, artC, u"3,30 nF", u"6,80 nF", bisE24, -1, 0, 0, 0},
        Beispiel{u"4,7n", EReihe::E6, artL, u"3,30 nH", u"6,80 nH", bisE24, -1, 0, 0, 0},
        // 9.9999995 counts as 0.99999995 of the next decade
        Beispiel{u"9,9999995k", EReihe::E12, artR, u"8,20 k\u2126", u"10,00 k\u2126", keine, -1, 0, 0, 0},
        // the exponent is no part of the mantissa of the bold marks
        Beispiel{u"4,7E3", EReihe::E12, artR, u"3,90 k\u2126", u"5,60 k\u2126", bisE24, -1, 0, 0, 0},
        Beispiel{u"150", EReihe::E12, artR, u"120,00 \u2126", u"180,00 \u2126",
                 {false, true, true, true, false, true, true}, -1, 0, 0, 0},
        // E192 with its window of 0,5 %: 920 is a value of its own (E96 has 909 and 931)
        Beispiel{u"9,2k", EReihe::E192, artR, u"9,09 k\u2126", u"9,31 k\u2126",
                 {false, false, false, false, false, false, true}, -1, 0, 0, 0},
        Beispiel{u"1k", EReihe::E192, artR, u"988,00 \u2126", u"1,01 k\u2126", alle, -1, 0, 0, 0},
        Beispiel{u"1e27", EReihe::E12, artR, u"820,00 Y\u2126", u"1200,00 Y\u2126", alle, -1, 0, 0, 0},
        // the smallest admitted value: the neighbour below 1 y keeps its prefix
        Beispiel{u"1y", EReihe::E12, artR, u"0,82 y\u2126", u"1,20 y\u2126", alle, -1, 0, 0, 0}));

// At both ends of the admitted range every listed value carries a prefix and is no "0,00".
TEST(Toleranz, RandwerteZeigenImmerVorsatzUndZiffern) {
    for (const char* text : {"1y", "1,5y", "1000Y"})
        for (EReihe r : {EReihe::E3, EReihe::E96}) {
            SCOPED_TRACE(std::string(text) + " " + reihenName(r).toStdString());
            const auto e = rechne(QString::fromLatin1(text), r, artC);
            ASSERT_FALSE(e.parallel.empty());
            for (const auto* liste : {&e.parallel, &e.seriell})
                for (const ToleranzZeile& z : *liste) {
                    const QStringList teile = z.text.split(u'\t');
                    ASSERT_EQ(teile.size(), 4) << z.text.toStdString();
                    for (int i = 0; i < 3; ++i) {
                        const QString wert = teile[i].trimmed();
                        EXPECT_TRUE(wert.endsWith(u'y') || wert.endsWith(u'Y')) << z.text.toStdString();
                        EXPECT_FALSE(wert.startsWith(QStringLiteral("0,00"))) << z.text.toStdString();
                    }
                }
        }
}

TEST(Toleranz, EinKiloOhmE12ZeilenUndFarben) {
    const auto e = rechne(QStringLiteral("1k"), EReihe::E12, artR);
    ASSERT_FALSE(e.parallel.empty());
    ASSERT_FALSE(e.seriell.empty());
    EXPECT_EQ(e.parallel[0].text, zeile(u"  1,00k", u"100,00k", u"990,10\u2126", u"-0,99%"));
    EXPECT_TRUE(e.parallel[0].gruen);
    EXPECT_EQ(e.seriell[0].text, zeile(u"180,00\u2126", u"820,00\u2126", u"  1,00k", u"0,00%"));
    EXPECT_TRUE(e.seriell[0].gruen);

    // green exactly within half the window (5 %), maroon beyond it
    for (const auto* liste : {&e.parallel, &e.seriell}) {
        for (const auto& z : *liste) {
            const double f = std::fabs(z.text.section(u'\t', 3).chopped(1).replace(u',', u'.').toDouble());
            EXPECT_EQ(z.gruen, f <= 5.0) << z.text.toStdString();
        }
    }
    EXPECT_FALSE(e.parallel.back().gruen);
    EXPECT_FALSE(e.seriell.back().gruen);

    // 820 + 150 and its mirror both stay: 560 + 470 (+3 %, the same key as -3 %) lies between them
    const auto a = stelle(e.seriell, zeile(u"820,00\u2126", u"150,00\u2126", u"970,00\u2126", u"-3,00%"));
    const auto m = stelle(e.seriell, zeile(u"560,00\u2126", u"470,00\u2126", u"  1,03k", u"3,00%"));
    const auto b = stelle(e.seriell, zeile(u"150,00\u2126", u"820,00\u2126", u"970,00\u2126", u"-3,00%"));
    EXPECT_GE(a, 0);
    EXPECT_EQ(m, a + 1);
    EXPECT_EQ(b, a + 2);
    // an adjacent mirror is left out: 180 + 820 is shown, 820 + 180 is not
    EXPECT_EQ(stelle(e.seriell, zeile(u"820,00\u2126", u"180,00\u2126", u"  1,00k", u"0,00%")), -1);
}

TEST(Toleranz, EinKiloOhmE96BeginntMitGenauEinemKiloOhm) {
    const auto e = rechne(QStringLiteral("1k"), EReihe::E96, artR);
    ASSERT_GE(e.seriell.size(), 4u);
    // the first lines add up to exactly 1 kΩ
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(e.seriell[i].text.endsWith(QStringLiteral("\t  1,00k\t0,00%"))) << e.seriell[i].text.toStdString();
        EXPECT_TRUE(e.seriell[i].gruen);
    }
    EXPECT_EQ(e.seriell[0].text, zeile(u"113,00\u2126", u"887,00\u2126", u"  1,00k", u"0,00%"));
    // window 1 %: nothing beyond it, green up to 0.5 %
    for (const auto& z : e.parallel) {
        const double f = std::fabs(z.text.section(u'\t', 3).chopped(1).replace(u',', u'.').toDouble());
        EXPECT_LT(f, 1.0);
    }
}

TEST(Toleranz, KondensatorenAddierenSichParallel) {
    const auto e = rechne(QStringLiteral("4,7n"), EReihe::E6, artC);
    ASSERT_GE(e.parallel.size(), 2u);
    EXPECT_EQ(e.parallel[0].text, zeile(u"  1,50n", u"  3,30n", u"  4,80n", u"2,13%"));
    EXPECT_EQ(e.parallel[1].text, zeile(u"  4,70n", u"100,00p", u"  4,80n", u"2,13%"));
    // in series capacitors combine like inductors in parallel
    const auto l = rechne(QStringLiteral("4,7n"), EReihe::E6, artL);
    EXPECT_EQ(texte(e.seriell), [&] {
        auto t = texte(l.parallel);
        for (QString& z : t) z.replace(u'H', u'F');
        return t;
    }());
    ASSERT_FALSE(e.seriell.empty());
    EXPECT_EQ(e.seriell[0].text, zeile(u"  6,80n", u" 15,00n", u"  4,68n", u"-0,45%"));
}

TEST(Toleranz, PunktAlsDezimaltrenner) {
    const auto e = rechne(QStringLiteral("4.7k"), EReihe::E12, artR, u'.');
    EXPECT_EQ(e.unten, QStringLiteral(u"3.90 k\u2126"));
    EXPECT_EQ(e.oben, QStringLiteral(u"5.60 k\u2126"));
    EXPECT_EQ(e.fett, bisE24);
    ASSERT_FALSE(e.parallel.empty());
    EXPECT_EQ(e.parallel[0].text, zeile(u" 15.00k", u"  6.80k", u"  4.68k", u"-0.45%"));
}

TEST(Toleranz, UnbrauchbareTexteRechnenNicht) {
    // no positive finite value: no calculation (the normalisation would never end)
    for (const char16_t* t : {u"0", u"0,00 \u2126", u"-5", u"-1k", u"abc", u"", u"1,2,3", u"\u2126", u"E5"})
        EXPECT_FALSE(Toleranz_Berechnung(QString::fromUtf16(t), reihe(EReihe::E12), 10, artR, u','))
            << QString::fromUtf16(t).toStdString();
    // extreme but positive values end quickly
    EXPECT_TRUE(Toleranz_Berechnung(QStringLiteral("1E-300"), reihe(EReihe::E12), 10, artR, u','));
    EXPECT_TRUE(Toleranz_Berechnung(QStringLiteral("1E300"), reihe(EReihe::E12), 10, artR, u','));
}

TEST(Toleranz, MarkenMantisse) {
    struct Fall {
        const char16_t* text;
        std::optional<double> zahl;
    };
    const Fall faelle[] = {
        {u"4,70 k\u2126", 4.7}, {u"470 \u2126", 47.0}, {u"4,7E3", 4.7}, {u"1e-9", 1.0},     {u"12", 12.0},
        {u"0,47", 0.47},        {u"abc", {}},         {u"0", {}},      {u"1,2,3", {}},     {u"1000", 100.0},
    };
    for (const Fall& f : faelle) {
        const auto z = markenMantisse(QString::fromUtf16(f.text), u',');
        EXPECT_EQ(z, f.zahl) << QString::fromUtf16(f.text).toStdString();
    }
}

TEST(Toleranz, ZeileUndSchluessel) {
    const double F = 0.99009900990099 * 100 / 1 - 100;
    EXPECT_EQ(toleranzZeile(1000, 100000, 100.0 / 101.0 * 1000, F, ohm, u','),
              QStringLiteral(u"   1,00k\t100,00k\t990,10\u2126\t-0,99%"));
    EXPECT_EQ(toleranzZeile(1.5e-9, 3.3e-9, 4.8e-9, 2.128, QStringLiteral("F"), u','),
              QStringLiteral("   1,50n\t  3,30n\t  4,80n\t2,13%"));
    // without a kind the values from 1 to below 1000 have no sign
    EXPECT_EQ(toleranzZeile(180, 820, 1000, 0, {}, u','), QStringLiteral(" 180,00\t820,00\t  1,00k\t0,00%"));

    // the deviation is written with three decimals; four characters of it form the sort key (two
    // decimals from 0 to 10, one up to 100 and below 0, none from -10 down), six the colour value
    struct Fall {
        double F;
        double schluessel;
        double farbe;
    };
    const Fall faelle[] = {
        {3.456, 3.45, 3.456},     {-3.456, -3.4, -3.456},   {12.345, 12.3, 12.345}, {-12.345, -12.0, -12.34},
        {0, 0, 0},                {-0.0004, 0, 0},          {5.0004, 5.0, 5.0},     {3.4565, 3.45, 3.457},
        {0.0005, 0, 0.001},       {1234.5678, 1234, 1234.5}, {-123.456, -123, -123.4}, {9.9996, 10.0, 10.0},
    };
    for (const Fall& f : faelle) {
        EXPECT_DOUBLE_EQ(sortierSchluessel(f.F, u','), f.schluessel) << f.F;
        EXPECT_DOUBLE_EQ(sortierSchluessel(f.F, u'.'), f.schluessel) << f.F;
        EXPECT_DOUBLE_EQ(farbWert(f.F, u','), f.farbe) << f.F;
    }
    // the key and the colour value are exactly the numbers the written deviation shows, across the
    // whole range of the windows and at the roundings of the third decimal
    const auto ausText = [](double F, int n) {
        return Zahleneingabe(festkomma(F, 3, u',').left(n), u',').value_or(0.0);
    };
    for (int i = -40000; i <= 40000; ++i) {
        for (double F : {i / 1000.0 + 0.0005, i / 1000.0 + 0.0004999999, i * 0.00100000017}) {
            ASSERT_EQ(sortierSchluessel(F, u','), ausText(F, 4)) << F;
            ASSERT_EQ(farbWert(F, u','), ausText(F, 6)) << F;
        }
    }
}

TEST(Toleranz, QuicksortReihenfolgeGleicherSchluessel) {
    // keys 2, 1, 2, 1: the list quicksort gives d, b, a, c (a stable sort would give b, d, a, c)
    EXPECT_EQ(toleranzFolge(std::vector<double>{2, 1, 2, 1}), (std::vector<int>{3, 1, 0, 2}));
    // by magnitude: -3 and +3 are equal, -0,5 comes before both
    EXPECT_EQ(toleranzFolge(std::vector<double>{-3, 3, -0.5}).front(), 2);
    EXPECT_EQ(toleranzFolge(std::vector<double>{5}), std::vector<int>{0});
    EXPECT_TRUE(toleranzFolge({}).empty());
}

TEST(Toleranz, AusgabeFarbeUndGespiegelteNachbarn) {
    // colour: green within half the window, judged by the deviation's first six characters
    const std::array<double, 6> E{1, 2, 3, 4, 5, 6};
    const std::vector<ToleranzKandidat> farben{{0, 1, 3, 5.0}, {0, 2, 3, -5.0}, {0, 3, 3, 5.0004}, {0, 4, 3, 5.001},
                                               {0, 5, 3, -5.001}};
    const auto f = toleranzAusgabe(farben, E, 1, 10, false, ohm, u',');
    ASSERT_EQ(f.size(), 5u);
    EXPECT_TRUE(f[0].gruen);
    EXPECT_TRUE(f[1].gruen);
    EXPECT_TRUE(f[2].gruen);
    EXPECT_FALSE(f[3].gruen);
    EXPECT_FALSE(f[4].gruen);
    EXPECT_EQ(f[0].text, QStringLiteral(u"   1,00\u2126\t  2,00\u2126\t  3,00\u2126\t5,00%"));

    // 1 kΩ with 2 Ω, then 2 kΩ with 1 Ω: the same pair in swapped order for the parallel list, which
    // compares without the last character (the prefix), but two pairs for the series list
    const std::array<double, 4> W{1000, 2, 2000, 1};
    const std::vector<ToleranzKandidat> paare{{0, 1, 3, 1}, {2, 3, 3, 1}};
    EXPECT_EQ(toleranzAusgabe(paare, W, 1, 10, true, ohm, u',').size(), 1u);
    EXPECT_EQ(toleranzAusgabe(paare, W, 1, 10, false, ohm, u',').size(), 2u);
    // a true mirror right after its pair is left out of both lists, also where the value texts have
    // no sign (no kind) and the comparison reads across them
    const std::array<double, 2> S{1.5, 2.2};
    const std::vector<ToleranzKandidat> spiegel{{0, 1, 3, 1}, {1, 0, 3, 1}, {0, 1, 3, 1}};
    for (const QString& einheit : {ohm, QString()}) {
        EXPECT_EQ(toleranzAusgabe(spiegel, S, 1, 10, true, einheit, u',').size(), 1u);
        EXPECT_EQ(toleranzAusgabe(spiegel, S, 1, 10, false, einheit, u',').size(), 1u);
    }
    // the decade factor scales the texts
    EXPECT_EQ(toleranzAusgabe(spiegel, S, 1000, 10, false, ohm, u',')[0].text,
              QStringLiteral(u"   1,50k\t  2,20k\t  3,00k\t1,00%"));
}

TEST(Toleranz, TitelUndFenster) {
    EXPECT_EQ(parallelTitel(26), QStringLiteral(u" Parallelsch. =  26 mögliche Kombinationen "));
    EXPECT_EQ(reiheTitel(17), QStringLiteral(u" Reihensch. =  17 mögliche Kombinationen "));
    const double fenster[] = {36, 20, 10, 5, 2, 1, 0.5};
    for (EReihe r : toleranzEReihen) EXPECT_EQ(fensterProzent(r), fenster[int(r)]);
    EXPECT_EQ(einheitZeichen(artR), ohm);
    EXPECT_EQ(einheitZeichen(artL), QStringLiteral("H"));
    EXPECT_EQ(einheitZeichen(artC), QStringLiteral("F"));
    EXPECT_EQ(einheitZeichen(-1), QString());
    Toleranz t;
    EXPECT_EQ(t.Toleranz_R, 150);
    EXPECT_EQ(t.Toleranz_L, 7.5e-8);
    EXPECT_EQ(t.Toleranz_C, 3e-11);
    EXPECT_EQ(t.fuer(artL), &t.Toleranz_L);
    EXPECT_EQ(t.fuer(3), nullptr);
}
