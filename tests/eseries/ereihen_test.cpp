// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/gtest_qt.h"

#include <cmath>
#include <limits>
#include <QStringList>

#include "eseries/ereihen.h"

using namespace zelmo;

namespace {

QString liste(double v) {
    QStringList namen;
    for (EReihe r : EReihenMitWert(v)) namen << reihenName(r);
    return namen.join(u' ');
}

TEST(EReihen, GroesseUndRaender) {
    const int n[] = {3, 6, 12, 24, 48, 96, 192};
    for (EReihe r : toleranzEReihen) {
        const auto t = reihe(r);
        const int k = n[int(r)];
        ASSERT_EQ(int(t.size()), 3 * k + 1) << reihenName(r).toStdString();
        EXPECT_EQ(hoechsterIndex(r), 3 * k);
        EXPECT_EQ(t.front(), 0.1);
        EXPECT_EQ(t[size_t(k)], 1.0);
        EXPECT_EQ(t[size_t(2 * k)], 10.0);
        EXPECT_EQ(t.back(), 100.0);
        for (size_t i = 1; i < t.size(); ++i) EXPECT_GT(t[i], t[i - 1]);
        // the three decades repeat the same values
        for (int i = 0; i < k; ++i) {
            EXPECT_NEAR(t[size_t(i + k)], t[size_t(i)] * 10, 1e-12);
            EXPECT_NEAR(t[size_t(i + 2 * k)], t[size_t(i)] * 100, 1e-9);
        }
    }
}

TEST(EReihen, WerteWieGenormt) {
    const auto e3 = reihe(EReihe::E3);
    const double e3soll[] = {0.1, 0.22, 0.47, 1.0, 2.2, 4.7, 10, 22, 47, 100};
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(e3[i], e3soll[i]);
    const auto e24 = reihe(EReihe::E24);
    const double e24anfang[] = {0.1, 0.11, 0.12, 0.13, 0.15, 0.16, 0.18, 0.2, 0.22, 0.24, 0.27, 0.3};
    for (size_t i = 0; i < 12; ++i) EXPECT_EQ(e24[i], e24anfang[i]);
    EXPECT_EQ(e24[69], 75.0);
    EXPECT_EQ(e24[70], 82.0);
    EXPECT_EQ(e24[71], 91.0);
    const auto e96 = reihe(EReihe::E96);
    EXPECT_EQ(e96[1], 0.102);
    EXPECT_EQ(e96[2], 0.105);
    EXPECT_EQ(e96[3], 0.107);
    EXPECT_EQ(e96[285], 93.1);
    EXPECT_EQ(e96[286], 95.3);
    EXPECT_EQ(e96[287], 97.6);
    // each smaller series is part of the next one (E24 and E48 are separate families)
    auto enthalten = [](EReihe klein, EReihe gross) {
        for (double v : reihe(klein)) {
            bool gefunden = false;
            for (double w : reihe(gross)) gefunden = gefunden || v == w;
            if (!gefunden) return false;
        }
        return true;
    };
    EXPECT_TRUE(enthalten(EReihe::E3, EReihe::E6));
    EXPECT_TRUE(enthalten(EReihe::E6, EReihe::E12));
    EXPECT_TRUE(enthalten(EReihe::E12, EReihe::E24));
    EXPECT_TRUE(enthalten(EReihe::E48, EReihe::E96));
    EXPECT_FALSE(enthalten(EReihe::E24, EReihe::E48));
}

TEST(EReihen, E192WieVeroeffentlicht) {
    const auto e192 = reihe(EReihe::E192);
    const auto e96 = reihe(EReihe::E96);
    ASSERT_EQ(e192.size(), 577u);
    // E96 is every second value of E192, in all three decades and the end value
    for (size_t i = 0; i < e96.size(); ++i) EXPECT_EQ(e192[2 * i], e96[i]) << i;
    // every value is the third-digit rounding of the geometric step 10^(i/192), except 9,20
    // (where 9,19 would follow), over one decade checked as integers
    for (int i = 0; i < 192; ++i) {
        const int soll = i == 185 ? 920 : int(std::lround(100 * std::pow(10.0, i / 192.0)));
        EXPECT_EQ(int(std::lround(e192[size_t(192 + i)] * 100)), soll) << i;
    }
    EXPECT_EQ(e192[192 + 185], 9.2);
    EXPECT_EQ(e192[1], 0.101);
    EXPECT_EQ(e192[3], 0.104);
    EXPECT_EQ(e192[575], 98.8);
    EXPECT_EQ(e192[576], 100.0);
    // the exact doubles of the decimal values, as for the other series
    EXPECT_EQ(e192[192 + 1], 1.01);
    EXPECT_EQ(e192[384 + 191], 98.8);
}

TEST(EReihen, Zugehoerigkeit) {
    const struct {
        double v;
        const char* reihen;
    } faelle[] = {
        {100, "E3 E6 E12 E24 E48 E96"},  {1000, "E3 E6 E12 E24 E48 E96"}, {0.1, "E3 E6 E12 E24 E48 E96"},
        {4.7e-9, "E3 E6 E12 E24"},       {150, "E6 E12 E24 E96"},          {301, "E48 E96"},
        {953, "E48 E96"},                {91, "E24"},                      {33, "E6 E12 E24"},
        {1e-12, "E3 E6 E12 E24 E48 E96"}, {0.10005, "E3 E6 E12 E24 E48 E96"}, {1000.5, ""},
        {12, "E12 E24"},                 {13, "E24 E96"},                  {17, ""},
        {100.00009, "E3 E6 E12 E24 E48 E96"}, {100.004, ""}, {4.7e11, "E3 E6 E12 E24"}, {39000, "E12 E24"},
    };
    for (const auto& f : faelle) EXPECT_EQ(liste(f.v), QString::fromLatin1(f.reihen)) << f.v;
}

TEST(EReihen, UngueltigeWerteGehoerenZuKeinerReihe) {
    // the normalising loop must end for every input
    for (double v : {0.0, -1.0, -1000.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(liste(v), QString()) << v;
    // the extremes of the double range reach the table span and end
    EXPECT_EQ(liste(std::numeric_limits<double>::max()), QString());
    (void)liste(std::numeric_limits<double>::denorm_min());
}

TEST(EReihen, AuswahlDerSeite) {
    EXPECT_EQ(reiheZuIndex(0), EReihe::E3);
    EXPECT_EQ(reiheZuIndex(5), EReihe::E96);
    EXPECT_EQ(reiheZuIndex(6), EReihe::E192);
    EXPECT_FALSE(reiheZuIndex(-1).has_value());
    EXPECT_FALSE(reiheZuIndex(7).has_value());
    EXPECT_EQ(toleranzText(EReihe::E3), QStringLiteral(">20%"));
    EXPECT_EQ(toleranzText(EReihe::E96), QStringLiteral("1%"));
    EXPECT_EQ(toleranzText(EReihe::E192), QStringLiteral("0,5%"));
    EXPECT_EQ(reihenName(EReihe::E192), QStringLiteral("E192"));
}

}  // namespace
