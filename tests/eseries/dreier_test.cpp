// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The search for three parts against a search through every triple, on the small series.

#include <gtest/gtest.h>

#include "support/gtest_qt.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>

#include <QStringList>

#include "eseries/dreier.h"
#include "eseries/ereihen.h"
#include "eseries/toleranz.h"

using namespace zelmo;

namespace {

using Schluessel = std::tuple<int, int, int, int>;  // connection, a, b, c

// Every triple of every order, each combination reduced to its one form and taken once.
std::vector<DreierKandidat> alleDurchsuchen(std::span<const double> v, double Wert, double maxF, int art, bool parallel) {
    const int n = int(v.size());
    std::set<Schluessel> gesehen;
    std::vector<DreierKandidat> aus;
    for (Dreierschaltung s : dreierschaltungen(parallel))
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n; ++k) {
                    int a = i, b = j, c = k;
                    if (s == Dreierschaltung::alleParallel || s == Dreierschaltung::alleInReihe) {
                        int t[3] = {i, j, k};
                        std::sort(t, t + 3);
                        a = t[0], b = t[1], c = t[2];
                    } else if (b > c) {
                        std::swap(b, c);
                    }
                    if (!gesehen.insert({int(s), a, b, c}).second) continue;
                    const double BE = dreierWert(s, art, v[size_t(a)], v[size_t(b)], v[size_t(c)]);
                    const double F = BE * 100 / Wert - 100;
                    if (maxF - std::fabs(F) > 0.0001) aus.push_back({a, b, c, s, BE, F});
                }
    return aus;
}

std::vector<Schluessel> schluessel(const std::vector<DreierKandidat>& k) {
    std::vector<Schluessel> s;
    for (const auto& x : k) s.emplace_back(int(x.schaltung), x.a, x.b, x.c);
    std::sort(s.begin(), s.end());
    return s;
}

struct Fall {
    EReihe reihe;
    const char* text;
};

class DreierGegenAlle : public testing::TestWithParam<std::tuple<Fall, int>> {};

TEST_P(DreierGegenAlle, GleicheKombinationenEinmal) {
    const auto [fall, art] = GetParam();
    // the normalised wanted value as the page computes it
    const auto e = Toleranz_Berechnung(QString::fromLatin1(fall.text), reihe(fall.reihe), fensterProzent(fall.reihe), art, u',');
    ASSERT_TRUE(e);
    const auto werte = dreierReihe(fall.reihe);
    const double maxF = fensterProzent(fall.reihe);
    for (bool parallel : {true, false}) {
        SCOPED_TRACE(parallel ? "parallel" : "series");
        const auto soll = alleDurchsuchen(werte, e->wert, maxF, art, parallel);
        const auto ist = dreierSuchen(werte, e->wert, maxF, art, parallel, std::numeric_limits<std::size_t>::max());
        EXPECT_EQ(ist.anzahl, std::int64_t(soll.size()));
        ASSERT_EQ(schluessel(ist.beste), schluessel(soll));  // the same, none twice
        for (const auto& k : ist.beste) {
            EXPECT_EQ(k.BE, dreierWert(k.schaltung, art, werte[size_t(k.a)], werte[size_t(k.b)], werte[size_t(k.c)]));
            EXPECT_EQ(k.F, k.BE * 100 / e->wert - 100);
        }
        // kept to the best few: the same count, and nothing dropped is better than what is kept
        const auto wenige = dreierSuchen(werte, e->wert, maxF, art, parallel, 7);
        EXPECT_EQ(wenige.anzahl, ist.anzahl);
        ASSERT_EQ(wenige.beste.size(), std::min<std::size_t>(7, soll.size()));
        std::vector<double> betraege;
        for (const auto& k : soll) betraege.push_back(std::fabs(k.F));
        std::sort(betraege.begin(), betraege.end());
        for (const auto& k : wenige.beste) EXPECT_LE(std::fabs(k.F), betraege[wenige.beste.size() - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reihen, DreierGegenAlle,
    testing::Combine(testing::Values(Fall{EReihe::E3, "1k"}, Fall{EReihe::E3, "3,37k"}, Fall{EReihe::E6, "47"},
                                     Fall{EReihe::E6, "150m"}, Fall{EReihe::E6, "9,99"}, Fall{EReihe::E12, "3,37k"},
                                     Fall{EReihe::E12, "8,2M"}, Fall{EReihe::E12, "2,2n"}, Fall{EReihe::E12, "1,05"}),
                     testing::Values(artR, artL, artC)));

TEST(Dreier, Formeln) {
    EXPECT_EQ(dreierFormel(Dreierschaltung::alleParallel, artR), QStringLiteral(u"R1\u2016R2\u2016R3"));
    EXPECT_EQ(dreierFormel(Dreierschaltung::parallelZurReihe, artR), QStringLiteral(u"R1\u2016(R2+R3)"));
    EXPECT_EQ(dreierFormel(Dreierschaltung::alleInReihe, artL), QStringLiteral(u"L1+L2+L3"));
    EXPECT_EQ(dreierFormel(Dreierschaltung::reiheZurParallelen, artC), QStringLiteral(u"C1+(C2\u2016C3)"));
    // the capacitor rules: in parallel they add, in series their reciprocals add
    EXPECT_EQ(dreierWert(Dreierschaltung::alleParallel, artC, 1, 2, 3), 6.0);
    EXPECT_EQ(dreierWert(Dreierschaltung::alleInReihe, artR, 1, 2, 3), 6.0);
    EXPECT_DOUBLE_EQ(dreierWert(Dreierschaltung::parallelZurReihe, artR, 2, 1, 1), 1.0);
    EXPECT_DOUBLE_EQ(dreierWert(Dreierschaltung::reiheZurParallelen, artC, 2, 1, 1), 1.0);
    EXPECT_DOUBLE_EQ(dreierWert(Dreierschaltung::reiheZurParallelen, artL, 1, 2, 2), 2.0);
}

TEST(Dreier, SpanneVonZweiDekadenDarunterBisEineDarueber) {
    const auto w = dreierReihe(EReihe::E12);
    ASSERT_EQ(w.size(), 49u);
    EXPECT_EQ(w.front(), 0.01);
    EXPECT_EQ(w[12], 0.1);
    EXPECT_EQ(w[13], 0.12);
    EXPECT_EQ(w[1], 0.012);
    EXPECT_EQ(w.back(), 100.0);
    EXPECT_EQ(dreierReihe(EReihe::E192).size(), 769u);
    EXPECT_EQ(dreierReihe(EReihe::E192)[1], 0.0101);
}

// A small trim part two decades down: 3,37 kΩ from 3,3 kΩ and 68 Ω (and a third part), which no pair
// of the pair table's span can give.
TEST(Dreier, KleinerAbgleichteilWirdGefunden) {
    ToleranzSuche drei;
    drei.teile = 3;
    drei.dreierWerte = dreierReihe(EReihe::E24);
    const auto e = Toleranz_Berechnung(QStringLiteral("3,37k"), reihe(EReihe::E24), 5, artR, u',', drei);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->teile, 3);
    bool gefunden = false;
    for (const auto& z : e->seriell) gefunden = gefunden || (z.text.contains(QStringLiteral("  3,30k")) && z.text.contains(QStringLiteral(u" 68,00\u2126")));
    EXPECT_TRUE(gefunden);
    // at most 1000 lines, the header naming all of them
    EXPECT_EQ(e->seriell.size(), 1000u);
    EXPECT_GT(e->seriellAlle, 1000);
    EXPECT_EQ(reiheTitel(1000, e->seriellAlle),
              QStringLiteral(u" Reihensch. =  1000 von ") + QString::number(e->seriellAlle) +
                  QStringLiteral(" Kombinationen "));
    EXPECT_EQ(parallelTitel(12, 12), QStringLiteral(u" Parallelsch. =  12 mögliche Kombinationen "));
    // the lines: three values, the connection, the total and F, sorted by the size of F like the pairs
    const QStringList teile = e->seriell.front().text.split(u'\t');
    ASSERT_EQ(teile.size(), 6);
    EXPECT_TRUE(teile[3].startsWith(u'R'));
    double vorher = 0;
    for (const auto& z : e->seriell) {
        const double F = std::fabs(z.text.section(u'\t', 5).chopped(1).replace(u',', u'.').toDouble());
        EXPECT_GE(F + 0.11, vorher) << z.text.toStdString();  // keys of four characters, as the pairs
        vorher = std::max(vorher, F);
        EXPECT_EQ(z.gruen, F <= 2.5) << z.text.toStdString();
    }
}

TEST(Dreier, NurBestand) {
    // any values, in base units; only those within the span of the triples count
    const std::vector<double> bestand{3300, 68, 2.2, 1e6, 3300, 4700};
    ToleranzSuche drei;
    drei.teile = 3;
    drei.dreierWerte = dreierReihe(EReihe::E96);
    drei.bestand = &bestand;
    const auto e = Toleranz_Berechnung(QStringLiteral("3,37k"), reihe(EReihe::E96), 1, artR, u',', drei);
    ASSERT_TRUE(e);
    // from 10 Ω up to 100 kΩ: 68 Ω, 3,3 kΩ, 4,7 kΩ. 3,3k+68 alone is a pair; with a third part within
    // 1 % only 3,3k+(68‖3,3k) and 3,3k+(68‖4,7k)
    ASSERT_EQ(e->seriell.size(), 2u);
    for (const auto& z : e->seriell) {
        EXPECT_TRUE(z.text.startsWith(QStringLiteral(u"   3,30k\t 68,00\u2126\t"))) << z.text.toStdString();
        EXPECT_TRUE(z.text.contains(QStringLiteral(u"R1+(R2\u2016R3)")));
    }
    EXPECT_EQ(e->seriellAlle, 2);
    EXPECT_EQ(bestandSkaliert(bestand, 1000, 0.01, 100), (std::vector<double>{0.068, 3.3, 4.7}));
    // pairs keep the table's span (100 Ω up to 100 kΩ here): 3,3k‖4,7k for 1,94 kΩ
    ToleranzSuche zwei;
    zwei.bestand = &bestand;
    const auto p = Toleranz_Berechnung(QStringLiteral("1,94k"), reihe(EReihe::E96), 1, artR, u',', zwei);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->parallel.size(), 1u);
    EXPECT_TRUE(p->parallel[0].text.contains(QStringLiteral("  3,30k")) && p->parallel[0].text.contains(QStringLiteral("  4,70k")))
        << p->parallel[0].text.toStdString();
    EXPECT_TRUE(p->seriell.empty());
    // the neighbours and bold marks stay those of the series
    EXPECT_EQ(p->unten, QStringLiteral(u"1,91 k\u2126"));
    EXPECT_EQ(p->oben, QStringLiteral(u"1,96 k\u2126"));
}

}  // namespace
