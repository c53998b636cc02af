// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/gtest_qt.h"

#include <clocale>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "colourcode/ringe.h"
#include "colourcode/widerstand.h"
#include "eseries/toleranz.h"
#include "values/zahlen.h"
#include "values/zahltext.h"

using namespace zelmo;

namespace {

// Sets the process locale for one block, as QCoreApplication does from the desktop, and puts the
// previous one back.
class ProzessLocale {
public:
    explicit ProzessLocale(const char* name) {
        alt_ = std::setlocale(LC_ALL, nullptr);
        gesetzt_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ProzessLocale() { std::setlocale(LC_ALL, alt_.c_str()); }
    bool gesetzt() const { return gesetzt_; }

private:
    std::string alt_;
    bool gesetzt_ = false;
};

// The desktops the program meets: German writes a decimal comma, English a point. CI installs both and
// sets ZELMO_LOCALE_PFLICHT, so that a missing locale fails there instead of hiding the fault.
class UnterLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        locale_.emplace(GetParam());
        if (!locale_->gesetzt()) {
            if (std::getenv("ZELMO_LOCALE_PFLICHT")) FAIL() << GetParam() << " is not installed";
            GTEST_SKIP() << GetParam() << " is not installed (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
        }
    }
    void TearDown() override { locale_.reset(); }

private:
    std::optional<ProzessLocale> locale_;
};

TEST_P(UnterLocale, CNotationLiestUndSchreibtGleich) {
    EXPECT_EQ(leseCZahl("1.5"), 1.5);
    EXPECT_EQ(leseCZahl("+4.7e3"), 4700.0);
    EXPECT_EQ(leseCZahl("-0.25"), -0.25);
    EXPECT_EQ(leseCZahl("4.94e-324"), std::numeric_limits<double>::denorm_min());
    for (const char* kein : {"1,5", "", "+", "+-1", "++1", "1.5 ", " 1.5", "1e400", "1e-400", "inf", "nan", "0x10", "1.5k"})
        EXPECT_EQ(leseCZahl(kein), std::nullopt) << kein;
    EXPECT_EQ(schreibeCZahl(1.5, std::chars_format::fixed, 3), "1.500");
    EXPECT_EQ(schreibeCZahl(123456.0, std::chars_format::scientific, 2), "1.23e+05");
    EXPECT_EQ(schreibeCZahl(0.1 + 0.2, std::chars_format::scientific, 14), "3.00000000000000e-01");
}

// What a user types and reads, with both separators, on each desktop.
TEST_P(UnterLocale, EingabeUndAnzeigeFolgenDemGewaehltenTrenner) {
    EXPECT_EQ(Gleitkommazahl(QStringLiteral("1,5"), u','), 1.5);
    EXPECT_EQ(Gleitkommazahl(QStringLiteral("1.5"), u'.'), 1.5);
    EXPECT_EQ(Gleitkommazahl(QStringLiteral("12,00"), u','), 12.0);
    EXPECT_EQ(Gleitkommazahl(QStringLiteral("7,5E-8"), u','), 7.5e-8);
    EXPECT_EQ(Gleitkommazahl(QStringLiteral("1,5"), u'.'), std::nullopt);
    EXPECT_EQ(Zahleneingabe(QStringLiteral("4,7k"), u','), 4700.0);
    EXPECT_EQ(Zahleneingabe(QStringLiteral("2.2µ"), u'.'), 2.2e-6);
    EXPECT_EQ(Zahleneingabe(QStringLiteral("1,5E3"), u','), 1500.0);
    EXPECT_EQ(Zahleneingabe(QStringLiteral("4k7"), u','), 4700.0);
    EXPECT_EQ(Zahlenausgabe(4700, u','), QStringLiteral("4,70 k"));
    EXPECT_EQ(Zahlenausgabe(4700, u'.'), QStringLiteral("4.70 k"));
}

// The rings and the tolerance page round through text on their way.
TEST_P(UnterLocale, RingeUndToleranzRundenGleich) {
    EXPECT_EQ(ganzeStellen(999.9999999999999), 4);  // 15 significant digits: 1000
    EXPECT_EQ(ganzeStellen(4700), 4);
    EXPECT_EQ(grenzText(1.004999, widerstandcode::grenzStufen(), u','), QString::fromUtf16(u"1,01  \u2126"));
    EXPECT_EQ(markenMantisse(QStringLiteral("4,7"), u','), 4.7);
    EXPECT_EQ(markenMantisse(QStringLiteral("3.3E3"), u'.'), 3.3);
}

INSTANTIATE_TEST_SUITE_P(Desktops, UnterLocale, ::testing::Values("de_DE.UTF-8", "en_US.UTF-8", "C"),
                         [](const auto& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

}  // namespace
