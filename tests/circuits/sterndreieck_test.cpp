// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/sterndreieck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/gtest_qt.h"

using namespace zelmo;
using namespace zelmo::sterndreieck;
using Art = Umrechnung::Art;

namespace {

constexpr double unendlich = std::numeric_limits<double>::infinity();
constexpr double keinWert = std::numeric_limits<double>::quiet_NaN();

std::array<QString, 3> drei(const char16_t* a, const char16_t* b, const char16_t* c) {
    return {QString::fromUtf16(a), QString::fromUtf16(b), QString::fromUtf16(c)};
}

}  // namespace

TEST(SternDreieck, FormelnBeiderRichtungen) {
    const auto d = dreieckAusStern({1000, 2000, 3000});
    ASSERT_TRUE(d);
    EXPECT_DOUBLE_EQ((*d)[0], 1000.0 * 3000 / 2000 + 1000 + 3000);  // Rd1 between 1 and 3
    EXPECT_DOUBLE_EQ((*d)[1], 1000.0 * 2000 / 3000 + 1000 + 2000);  // Rd2 between 1 and 2
    EXPECT_DOUBLE_EQ((*d)[2], 2000.0 * 3000 / 1000 + 2000 + 3000);  // Rd3 between 2 and 3
    // and back to the same star
    const auto s = sternAusDreieck(*d);
    ASSERT_TRUE(s);
    EXPECT_NEAR((*s)[0], 1000, 1e-9);
    EXPECT_NEAR((*s)[1], 2000, 1e-9);
    EXPECT_NEAR((*s)[2], 3000, 1e-9);
}

TEST(SternDreieck, OhneBrauchbareEingabeKeinErgebnis) {
    for (double w : {0.0, -5.0, unendlich, -unendlich, keinWert}) {
        SCOPED_TRACE(w);
        for (int i = 0; i < 3; ++i) {
            Drei r{5000, 5000, 5000};
            r[size_t(i)] = w;
            EXPECT_FALSE(dreieckAusStern(r));
            EXPECT_FALSE(sternAusDreieck(r));
        }
    }
}

// Conversions as the page runs them: field texts in, field texts out.
struct Fall {
    const char* name;
    bool sternZuDreieck;
    std::array<QString, 3> eingabe;
    Art art;
    std::array<QString, 3> ergebnis;
    int eingabeIndex = -1;
};

class Umrechnen : public testing::TestWithParam<Fall> {};

TEST_P(Umrechnen, Texte) {
    const Fall& f = GetParam();
    const Umrechnung u = umrechnen(f.sternZuDreieck, f.eingabe, u',');
    EXPECT_EQ(u.art, f.art);
    EXPECT_EQ(u.eingabe, f.eingabeIndex);
    EXPECT_EQ(u.texte, f.ergebnis);
    for (const QString& t : u.texte) {
        EXPECT_FALSE(t.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << t.toStdString();
        EXPECT_FALSE(t.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << t.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    SternDreieck, Umrechnen,
    testing::Values(
        // texts with the ohm sign (older settings files) read as well
        Fall{"OhmZeichen", true, drei(u"5,00 k\u2126", u"5,00 k\u2126", u"5,00 k\u2126"), Art::Ergebnis,
             drei(u"15,00 k\u03A9", u"15,00 k\u03A9", u"15,00 k\u03A9")},
        // the star fields as the entry shows them (Greek omega) read as well
        Fall{"EinsZweiDrei", true, drei(u"1,00 k\u03A9", u"2,00 k\u03A9", u"3,00 k\u03A9"), Art::Ergebnis,
             drei(u"5,50 k\u03A9", u"3,67 k\u03A9", u"11,00 k\u03A9")},
        // back from the rounded texts: the values differ slightly, the texts do not
        Fall{"GerundetZurueck", false, drei(u"5,50 k\u03A9", u"3,67 k\u03A9", u"11,00 k\u03A9"), Art::Ergebnis,
             drei(u"1,00 k\u03A9", u"2,00 k\u03A9", u"3,00 k\u03A9")},
        Fall{"DreimalDreissig", false, drei(u"30,00 k\u03A9", u"30,00 k\u03A9", u"30,00 k\u03A9"), Art::Ergebnis,
             drei(u"10,00 k\u03A9", u"10,00 k\u03A9", u"10,00 k\u03A9")},
        Fall{"KleineWerteUnter1Ohm", false, drei(u"30m", u"30m", u"30m"), Art::Ergebnis,
             drei(u"10,00 m\u03A9", u"10,00 m\u03A9", u"10,00 m\u03A9")},
        Fall{"Ohm", true, drei(u" 5", u" 5", u" 5"), Art::Ergebnis,
             drei(u"15,00 \u03A9", u"15,00 \u03A9", u"15,00 \u03A9")},
        // what cannot be read: the first such field is named, nothing is computed
        Fall{"NullNichtBestaetigt", true, drei(u"5k", u"0", u"5k"), Art::Eingabe, {}, 1},
        Fall{"Leer", false, drei(u"5k", u"5k", u""), Art::Eingabe, {}, 2},
        Fall{"KeineZahl", true, drei(u"abc", u"0", u"5k"), Art::Eingabe, {}, 0},
        Fall{"Negativ", false, drei(u"5k", u"-5k", u"5k"), Art::Eingabe, {}, 1},
        // results the fields could not show (or that would read back as 0 and divide next time)
        Fall{"DreieckZuGross", true, drei(u"1E21", u"1E-21", u"5k"), Art::NichtDarstellbar, {}},
        Fall{"SternZuKlein", false, drei(u"1E-21", u"1E-21", u"1E21"), Art::NichtDarstellbar, {}},
        Fall{"Ueberlauf", true, drei(u"1E200", u"1E-200", u"1E200"), Art::NichtDarstellbar, {}},
        Fall{"SummeLaeuftUeber", false, drei(u"1E308", u"1E308", u"1E308"), Art::NichtDarstellbar, {}},
        // the limits of what is shown: 1,00 y up to below 1000 Y
        Fall{"KleinsterDarstellbarer", false, drei(u"3,1y", u"3,1y", u"3,1y"), Art::Ergebnis,
             drei(u"1,03 y\u03A9", u"1,03 y\u03A9", u"1,03 y\u03A9")},
        Fall{"UnterDemKleinsten", false, drei(u"2,9y", u"2,9y", u"2,9y"), Art::NichtDarstellbar, {}},
        Fall{"GroessterDarstellbarer", true, drei(u"333E24", u"333E24", u"333E24"), Art::Ergebnis,
             drei(u"999,00 Y\u03A9", u"999,00 Y\u03A9", u"999,00 Y\u03A9")},
        Fall{"UeberDemGroessten", true, drei(u"334E24", u"334E24", u"334E24"), Art::NichtDarstellbar, {}}),
    [](const testing::TestParamInfo<Fall>& i) { return std::string(i.param.name); });

TEST(SternDreieck, Darstellbar) {
    EXPECT_TRUE(darstellbar(1e-24));
    EXPECT_FALSE(darstellbar(std::nextafter(1e-24, 0.0)));
    EXPECT_TRUE(darstellbar(std::nextafter(1e27, 0.0)));
    EXPECT_FALSE(darstellbar(1e27));
    for (double w : {0.0, -1.0, unendlich, keinWert}) EXPECT_FALSE(darstellbar(w)) << w;
}

TEST(SternDreieck, GeladenerTextEndetMitOmega) {
    const struct {
        const char16_t *gespeichert, *feld;
    } faelle[] = {{u"5,00 k\u2126", u"5,00 k\u03A9"},  // written by an older version after a conversion
                  {u"5,00 k\u03A9", u"5,00 k\u03A9"},
                  {u"4k7", u"4k7"},                    // an unconfirmed entry stays as typed
                  {u"\u2126 5", u"\u2126 5"},
                  {u"", u""}};
    for (const auto& f : faelle) EXPECT_EQ(geladenerText(QString::fromUtf16(f.gespeichert)), QString::fromUtf16(f.feld));
}

TEST(SternDreieck, PunktAlsDezimaltrenner) {
    const Umrechnung u = umrechnen(true, drei(u"1.00 k\u03A9", u"2.00 k\u03A9", u"3.00 k\u03A9"), u'.');
    ASSERT_EQ(u.art, Art::Ergebnis);
    EXPECT_EQ(u.texte, drei(u"5.50 k\u03A9", u"3.67 k\u03A9", u"11.00 k\u03A9"));
}

TEST(SternDreieck, Meldungen) {
    EXPECT_EQ(meldungNichtDarstellbar(QStringLiteral("1E-21")),
              QStringLiteral(u"Mit der Eingabe 1E-21  ergibt die Umrechnung einen Widerstand außerhalb\r\rdes "
                             u"darstellbaren Bereiches: 1E-24 bis 1E27 \u2126"));
    EXPECT_EQ(meldungNichtDarstellbar({}),
              QStringLiteral(u"Mit diesen Werten ergibt die Umrechnung einen Widerstand außerhalb\r\rdes "
                             u"darstellbaren Bereiches: 1E-24 bis 1E27 \u2126"));
    EXPECT_EQ(meldungFeld(bezeichnung(true, 1), QStringLiteral("0")),
              QStringLiteral(u"Im Feld \"Widerstand Rs 2\" steht kein gültiger Wert: 0\r\rBitte dort einen Wert "
                             u"größer 0 eingeben und mit der Enter-Taste bestätigen."));
    EXPECT_EQ(bezeichnung(false, 2), QStringLiteral("Widerstand Rd 3"));
}
