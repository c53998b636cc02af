// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/ne555.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

using namespace zelmo;
using namespace zelmo::ne555;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

bool nahe(double ist, double soll) { return std::abs(ist - soll) <= 1e-9 * std::abs(soll); }

struct AstabilFall {
    double R1, R2, C;
    bool fest;
    double t1, t2, F, D1, D2;
};

void PrintTo(const AstabilFall& f, std::ostream* os) {
    *os << "R1=" << f.R1 << " R2=" << f.R2 << " C=" << f.C << (f.fest ? " 50%" : " beliebig");
}

class AstabilRechnung : public ::testing::TestWithParam<AstabilFall> {};

TEST_P(AstabilRechnung, PulsePauseFrequencyAndDutyCycle) {
    const AstabilFall& f = GetParam();
    const auto a = astabil(f.R1, f.R2, f.C, f.fest);
    ASSERT_TRUE(a.has_value());
    EXPECT_PRED2(nahe, a->t1, f.t1);
    EXPECT_PRED2(nahe, a->t2, f.t2);
    EXPECT_PRED2(nahe, a->F, f.F);
    EXPECT_PRED2(nahe, a->D1, f.D1);
    EXPECT_PRED2(nahe, a->D2, f.D2);
}

// t1 = 0,694 (R1 + R2) C, t2 = 0,694 R2 C; with 50 % both are 0,694 R1 C
INSTANTIATE_TEST_SUITE_P(
    Faelle, AstabilRechnung,
    ::testing::Values(
        // first start: 120 kOhm, 47 Ohm, 15 nF
        AstabilFall{120000, 47, 1.5e-8, false, 1.24968927e-3, 4.8927e-7, 1 / 1.25017854e-3,
                    124.968927 / 1.25017854, 0.048927 / 1.25017854},
        AstabilFall{120000, 120000, 1.5e-8, false, 2.4984e-3, 1.2492e-3, 1 / 3.7476e-3, 200.0 / 3, 100.0 / 3},
        // fixed 50 %: R2 plays no part, not even an unusable one
        AstabilFall{120000, 120000, 1.5e-8, true, 1.2492e-3, 1.2492e-3, 1 / 2.4984e-3, 50, 50},
        AstabilFall{120000, nan, 1.5e-8, true, 1.2492e-3, 1.2492e-3, 1 / 2.4984e-3, 50, 50},
        AstabilFall{120000, 0, 1.5e-8, true, 1.2492e-3, 1.2492e-3, 1 / 2.4984e-3, 50, 50},
        // the corners of the accepted ranges
        AstabilFall{5, 5, 1e-9, false, 6.94e-9, 3.47e-9, 1 / 1.041e-8, 200.0 / 3, 100.0 / 3},
        AstabilFall{999000, 999000, 0.999, false, 1385225.388, 692612.694, 1 / 2077838.082,
                    200.0 / 3, 100.0 / 3},
        AstabilFall{5, 999000, 1e-9, false, 999005 * 0.694e-9, 999000 * 0.694e-9,
                    1 / (1998005 * 0.694e-9), 999005.0 / 1998005 * 100, 999000.0 / 1998005 * 100}));

TEST(AstabilRechnung, NoResultForMeaninglessInputs) {
    // each would show "inf", "nan" or negative times
    EXPECT_FALSE(astabil(120000, 47, 0, false));      // F = 1 / 0
    EXPECT_FALSE(astabil(0, 0, 1.5e-8, false));       // both resistors 0: F = 1 / 0
    EXPECT_FALSE(astabil(120000, 0, 1.5e-8, false));  // no pause at all
    EXPECT_FALSE(astabil(120000, -47, 1.5e-8, false));
    EXPECT_FALSE(astabil(-120000, 47, 1.5e-8, false));
    EXPECT_FALSE(astabil(0, 47, 1.5e-8, true));  // the fixed circuit still needs R1
    EXPECT_FALSE(astabil(120000, nan, 1.5e-8, false));
    EXPECT_FALSE(astabil(inf, 47, 1.5e-8, false));
    EXPECT_FALSE(astabil(120000, 47, nan, true));
    EXPECT_FALSE(astabil(1e300, 1e300, 1e300, false));  // times overflow, F would be 0
}

TEST(MonostabilRechnung, PulseIsOnePointOneRC) {
    struct Fall {
        double R1, C, t1;
    };
    for (const Fall& f : {Fall{10000, 8.2e-9, 9.02e-5}, Fall{5, 1e-9, 5.5e-9}, Fall{999000, 0.999, 1097801.1}}) {
        const auto t1 = monostabil(f.R1, f.C);
        ASSERT_TRUE(t1.has_value()) << f.R1 << " " << f.C;
        EXPECT_PRED2(nahe, *t1, f.t1);
    }
    for (const auto& [R1, C] : {std::pair{0.0, 8.2e-9}, {10000.0, 0.0}, {-10000.0, 8.2e-9}, {nan, 8.2e-9},
                                {10000.0, inf}, {1e300, 1e300}})
        EXPECT_FALSE(monostabil(R1, C)) << R1 << " " << C;
}

TEST(R2AusText, OnlyTextsTheFieldWouldAccept) {
    struct Fall {
        const char16_t* text;
        QChar dezimal;
        std::optional<double> r2;
    };
    const Fall faelle[] = {
        {u"47,00 \u2126", u',', 47},     // as the field shows it
        {u"47.00 \u2126", u'.', 47},
        {u"5", u',', 5},                 // both bounds belong to the range
        {u"999k", u',', 999000},
        {u"4,99", u',', std::nullopt},   // below the range
        {u"999,1k", u',', std::nullopt}, // above it
        {u"0", u',', std::nullopt},
        {u"-47", u',', std::nullopt},
        {u"abc", u',', std::nullopt},
        {u"", u',', std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(r2AusText(QString::fromUtf16(f.text), f.dezimal), f.r2) << QString::fromUtf16(f.text).toStdString();
}

TEST(TastText, TwoDecimalsEachAndThePercentSign) {
    EXPECT_EQ(tastText(99.96086, 0.03914, u','), QStringLiteral("99,96 : 0,04%"));
    EXPECT_EQ(tastText(200.0 / 3, 100.0 / 3, u','), QStringLiteral("66,67 : 33,33%"));
    EXPECT_EQ(tastText(50, 50, u'.'), QStringLiteral("50.00 : 50.00%"));
    EXPECT_EQ(tastText(0.005, 99.995, u','), QStringLiteral("0,01 : 100,00%"));  // halves away from zero
}

}  // namespace
