// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/gtest_qt.h"

#include "fields/grenzen.h"
#include "values/zahlen.h"

using namespace zelmo;

namespace {

// the entry of the limits table that bounds a field
const Grenze* grenzeFuer(const QString& feld) {
    for (const Grenze* g : alleGrenzen())
        if (feld == QLatin1String(g->feld)) return g;
    return nullptr;
}

QString meldungFuer(const char* feld, const char* text, QChar dez = u',') {
    const Grenze* g = grenzeFuer(QString::fromLatin1(feld));
    if (!g) return QStringLiteral("<kein Feld>");
    const QString t = QString::fromUtf8(text);
    const auto w = Zahleneingabe(t, dez);
    if (!w) return QStringLiteral("<keine Zahl>");
    return pruefeBereich(*g, *w, t, dez).value_or(QString());
}

TEST(Grenzen, MeldungenAusserhalbWortgetreu) {
    const struct {
        const char* feld;
        const char* text;
        const char16_t* meldung;
    } faelle[] = {
        {"R_E_Wert", "0,5n", u"Die Eingabe 0,5n  ist außerhalb\r\rdes gültigen Wertebereiches: 1n\u2126 bis 1T\u2126"},
        {"SpT_E_U", "2G", u"Die Eingabe 2G   ist außerhalb\r\rdes gültigen Wertebereiches: 999p bis 1GV"},
        {"LED_E_I", "20", u"Die Eingabe 20A  ist außerhalb\r\rdes gültigen Wertebereiches: 1mA bis 10A"},
        {"LM317ner_E_U1", "1", u"Die Eingabe 1V  ist außerhalb\r\rdes gültigen Wertebereiches: 1,3V bis 40V"},
        {"LM317ner_E_Tu", "-41", u"Die Eingabe -41 °C  ist außerhalb\r\rdes gültigen Wertebereiches: -40°C bis 125 °C"},
        {"LM317ner_E_Rthjc", "0,001", u"Die Eingabe 0,001 K/W  ist außerhalb\r\rdes gültigen Wertebereiches: 1E-2 bis 100 K/W"},
        {"kStrom_E_Uf", "3", u"Die Eingabe  3V  ist außerhalb\r\rdes gültigen Wertebereiches: 400mV bis 2V"},
        {"kStrom_E_I", "0,5µ", u"Die Eingabe 0,5µ  ist außerhalb\r\rdes gültigen Wertebereiches: 1\u00B5A bis 99,9MA"},
        {"SD_E_Rs1", "1E22", u"Die Eingabe 1E22  ist außerhalb\r\rdes gültigen Wertebereiches: 1E-21 bis 1E21 \u2126"},
        {"Toleranz_E_Wert", "1,1E27", u"Die Eingabe 1,1E27  ist außerhalb\r\rdes gültigen Wertebereiches: 1y bis 1000Y"},
    };
    for (const auto& f : faelle) EXPECT_EQ(meldungFuer(f.feld, f.text), QString::fromUtf16(f.meldung)) << f.feld;
}

TEST(Grenzen, BeideGrenzenGehoerenDazu) {
    const struct {
        const char* feld;
        const char* text;
    } innen[] = {{"R_E_Wert", "1n"},       {"R_E_Wert", "1T"},       {"kStrom_E_I", "1µ"},   {"SpT_E_R1", "0"},
                 {"Toleranz_E_Wert", "1E27"}, {"NE555_E_C", "999m"}, {"LM317ner_E_Tu", "-40"}, {"SD_E_Rd3", "1E21"},
                 {"SpT_E_U", "999p"},      {"LED_E_U", "1"},        {"kStromUf", "0"}};
    for (const auto& f : innen) {
        if (!grenzeFuer(QString::fromLatin1(f.feld))) continue;  // "kStromUf" is no field: skipped
        EXPECT_EQ(meldungFuer(f.feld, f.text), QString()) << f.feld << " " << f.text;
    }
    EXPECT_NE(meldungFuer("R_E_Wert", "0,999999n"), QString());
    EXPECT_NE(meldungFuer("SpT_E_R1", "-1"), QString());
}

TEST(Grenzen, BereichstextMitPunkt) {
    EXPECT_EQ(meldungFuer("LM317ner_E_U2", "50", u'.'),
              QStringLiteral(u"Die Eingabe 50V  ist außerhalb\r\rdes gültigen Wertebereiches: 1.25V bis 38V"));
}

TEST(Grenzen, EinheitenUndZeichen) {
    EXPECT_EQ(QString::fromUtf16(grenzeFuer(QStringLiteral("R_E_Wert"))->einheit), QStringLiteral(u"\u2126"));
    // the star-delta fields re-display with the Greek omega
    for (const char* f : {"SD_E_Rs1", "SD_E_Rs2", "SD_E_Rs3", "SD_E_Rd1", "SD_E_Rd2", "SD_E_Rd3"})
        EXPECT_EQ(QString::fromUtf16(grenzeFuer(QString::fromLatin1(f))->einheit), QStringLiteral(u"\u03A9")) << f;
    EXPECT_EQ(QString::fromUtf16(grenzeFuer(QStringLiteral("LM317ner_E_Rthja"))->einheit), QStringLiteral("K/W"));
    EXPECT_EQ(grenzeFuer(QStringLiteral("R_E_T")), nullptr);
    EXPECT_EQ(grenzeFuer(QStringLiteral("LED_E_Uf")), nullptr);
}

TEST(Grenzen, MeldungKeineZahl) {
    EXPECT_EQ(meldungKeineZahl(QStringLiteral("abc")),
              QStringLiteral("Die eingegebene Zahl abc  ist keine Gleitkommazahl !"));
    EXPECT_EQ(meldungKeineZahl(QStringLiteral("x"), QStringLiteral("V")),
              QStringLiteral("Die eingegebene Zahl xV  ist keine Gleitkommazahl !"));
}

}  // namespace
