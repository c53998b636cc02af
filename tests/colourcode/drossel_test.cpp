// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The inductor's ring tables, its three codings, the limit prefixes and the tolerance sets.

#include "colourcode/drossel.h"

#include <gtest/gtest.h>

#include "qtext_ausgabe.h"

using namespace zelmo;
using namespace zelmo::drosselcode;

namespace {

QStringList texte(const Ringtabelle& t) {
    QStringList l;
    for (const auto& z : t) l << z.text;
    return l;
}
QString t(const char16_t* s) { return QString::fromUtf16(s); }

TEST(DrosselTabellen, ItemTexteJeRing) {
    EXPECT_EQ(texte(ziffer(u',')), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ",", "", ""}));
    EXPECT_EQ(ziffer(u'.')[KommaZeile].text, QStringLiteral("."));
    EXPECT_EQ(texte(multiplikatorIEC()), (QStringList{t(u"x 1\u00B5"), t(u"x 10 \u00B5"), t(u"x 100 \u00B5"), "", "", "",
                                                      "", "", "", "", t(u"x 0,1\u00B5"), t(u"x 0,01\u00B5"), ""}));
    EXPECT_EQ(texte(multiplikatorJahre()),
              (QStringList{t(u"x 1\u00B5"), t(u"x 10\u00B5"), t(u"x 100\u00B5"), "x 1m", "x 10m", "x 100m", "x 1H",
                           "x 10H", "x 100H", "x 1 k", t(u"x 0,1\u00B5"), t(u"x 0,01\u00B5"), ""}));
    EXPECT_EQ(texte(toleranzIEC()), (QStringList{"", "", "", "", "", "", "", "", "", "", "5%", "10%", "20%"}));
    EXPECT_EQ(texte(toleranzJahre()), (QStringList{"", "1%", "2%", "", "", "0,5%", "", "", "", "", "5%", "10%", "20%"}));
}

TEST(DrosselTabellen, GoldUndSilberSindVertauscht) {
    // the inductor's own legend: row 10 gold, row 11 silver
    const Ringtabelle z = ziffer(u',');
    EXPECT_EQ(z[10].farbe, std::optional<Farbwert>(Gold));
    EXPECT_FALSE(z[11].farbe);
    EXPECT_EQ(z[0].farbe, std::optional<Farbwert>(clBlack));  // the first ring accepts a typed 0
    EXPECT_EQ(ringzeichen(Gold, u','), QChar(u','));
    EXPECT_EQ(ringzeichen(clFuchsia, u','), QChar(u'7'));
    EXPECT_EQ(ringzeichen(clSilver, u','), QChar(u'0'));

    struct Fall {
        Farbwert farbe;
        std::optional<double> iec, jahre;
    };
    const Fall faelle[] = {{clBlack, 1e-6, 1e-6},   {clMaroon, 1e-5, 1e-5},  {clRed, 1e-4, 1e-4},
                           {Orange, {}, 1e-3},      {clYellow, {}, 1e-2},    {clGreen, {}, {}},
                           {clWhite, {}, {}},       {Gold, 1e-7, 1e-7},      {clSilver, 1e-8, 1e-8},
                           {Hintergrund, {}, {}}};
    for (const auto& f : faelle) {
        EXPECT_EQ(wertDerFarbe(multiplikatorIEC(), f.farbe), f.iec) << f.farbe;
        EXPECT_EQ(wertDerFarbe(multiplikatorJahre(), f.farbe), f.jahre) << f.farbe;
    }
    // "x 100m" to "x 1 k" paint nothing
    for (int r = 5; r <= 9; ++r) EXPECT_FALSE(multiplikatorJahre()[size_t(r)].farbe) << r;
    EXPECT_EQ(toleranzIEC()[12].farbe, std::optional<Farbwert>(Hintergrund));
    EXPECT_EQ(toleranzJahre()[11].farbe, std::optional<Farbwert>(clSilver));
}

TEST(DrosselRinge, RingeAusDemWertJeCodierung) {
    struct Fall {
        System s;
        double wert;
        std::vector<std::optional<int>> ziffern;
        std::optional<int> multi;
    };
    const Fall faelle[] = {
        {System::IEC, 4.7e-6, {4, 7}, 10},               // 4700 nH: yellow violet gold
        {System::IEC, 0.47e-6, {4, 7}, 11},              // 470 nH: silver
        {System::IEC, 1e-5, {1, 0}, 0},                  // 10 uH: x 1 uH
        {System::IEC, 4.7e-3, {4, 7}, 2},                // x 100 uH
        {System::IEC, 47e-3, {4, 7}, std::nullopt},      // beyond IEC: multiplier unchanged
        {System::JahreMulti, 47e-3, {4, 7}, 3},          // 47 mH: orange
        {System::JahreMulti, 0.47, {4, 7}, 4},           // yellow x 10 mH
        {System::JahreMulti, 4.7, {4, 7}, std::nullopt},
        {System::IEC, 4.7123e-6, {4, 7}, 10},            // 4712,3 nH: four digits before the comma
        {System::IEC, 9.9996e-6, {9, 9}, 10},            // 9999,6 nH stays in the x 0,1 uH decade
        {System::IEC, 4.7e-9, {4, KommaZeile}, std::nullopt},  // "4,7" nH: the comma is the gold ring
        {System::JahreDezi, 4.7e-6, {4, KommaZeile, 7}, std::nullopt},  // "4,7" uH
        {System::JahreDezi, 47e-6, {4, 7, std::nullopt}, std::nullopt},  // "47": third ring unchanged
        {System::JahreDezi, 0.47e-6, {0, KommaZeile, 4}, std::nullopt},  // a leading 0 paints black
        {System::JahreDezi, 470e-6, {4, 7, 0}, std::nullopt},
        {System::JahreDezi, 47.5e-6, {4, 7, std::nullopt}, std::nullopt},  // a comma in third place: unchanged
    };
    for (const auto& f : faelle) {
        const Ringbelegung b = ringeAusWert(f.wert, f.s, u',');
        EXPECT_EQ(b.ziffern, f.ziffern) << f.wert;
        EXPECT_EQ(b.multiplikator, f.multi) << f.wert;
    }
    // the separator of the system counts, not a fixed comma
    EXPECT_EQ(ringeAusWert(4.7e-6, System::JahreDezi, u'.').ziffern, (std::vector<std::optional<int>>{4, 10, 7}));
}

TEST(DrosselRinge, ZiffernringSchreibtInDenTextDerCodierung) {
    // IEC and Jahre Multi address the text in nanohenry, Jahre Dezi the text in microhenry
    EXPECT_EQ(ziffernskala(System::IEC), 1e9);
    EXPECT_EQ(ziffernskala(System::JahreMulti), 1e9);
    EXPECT_EQ(ziffernskala(System::JahreDezi), 1e6);
    struct Fall {
        System s;
        double wert;
        int stelle;
        QChar zeichen;
        std::optional<double> ergebnis;
    };
    const Fall faelle[] = {
        {System::IEC, 4.7e-6, 0, u'2', 2.7e-6},
        {System::JahreDezi, 4.7e-6, 1, u',', 4.7e-6},   // gold where the comma already is
        {System::JahreDezi, 4.7e-6, 2, u'2', 4.2e-6},   // "4,2"
        {System::JahreDezi, 47e-6, 2, u'5', 475e-6},    // appended: "475"
        {System::JahreDezi, 47e-6, 0, u',', 0.7e-6},    // ",7"
        {System::JahreDezi, 4.7e-6, 2, u',', std::nullopt},  // "4,," is no number
    };
    for (const auto& f : faelle) {
        const auto w = wertMitZiffer(f.wert, ziffernskala(f.s), f.stelle, f.zeichen, u',');
        ASSERT_EQ(w.has_value(), f.ergebnis.has_value()) << f.wert << " " << f.stelle;
        if (w) EXPECT_NEAR(*w, *f.ergebnis, *f.ergebnis * 1e-12) << f.wert << " " << f.stelle;
    }
}

TEST(DrosselGrenzen, VorsatzStufen) {
    struct Fall {
        double v;
        const char16_t* text;
    };
    const Fall faelle[] = {
        {5.17e-6, u"5,17 \u00B5H"},   {4.23e-6, u"4,23 \u00B5H"}, {1.1, u"1,10 H"},
        {0.99999, u"999,99 mH"},      {0.001, u"1,00 mH"},        {0.00099999, u"999,99 \u00B5H"},
        {1e-6, u"1,00 \u00B5H"},      {9.9999e-7, u"999,99 nH"},  {1e-9, u"1,00 nH"},
        {9.9999e-10, u"1,00 nH"},     {0.5e-10, u"0,05 nH"},      {110, u"110,00 H"},
    };
    for (const auto& f : faelle) EXPECT_EQ(grenzText(f.v, grenzStufen(), u','), t(f.text)) << f.v;
}

TEST(DrosselToleranz, ZeilenUndMeldungenJeCodierung) {
    const std::pair<double, int> iec[] = {{5, 10}, {10, 11}, {20, 12}};
    for (auto [tol, zeile] : iec) EXPECT_EQ(toleranzZeile(System::IEC, tol), std::optional<int>(zeile)) << tol;
    const std::pair<double, int> jahre[] = {{1, 1}, {2, 2}, {0.5, 5}, {5, 10}, {10, 11}, {20, 12}};
    for (System s : {System::JahreDezi, System::JahreMulti})
        for (auto [tol, zeile] : jahre) EXPECT_EQ(toleranzZeile(s, tol), std::optional<int>(zeile)) << tol;
    for (double tol : {1.0, 2.0, 0.5, 15.0}) EXPECT_FALSE(toleranzZeile(System::IEC, tol)) << tol;
    for (double tol : {3.0, 0.25, 0.0}) EXPECT_FALSE(toleranzZeile(System::JahreMulti, tol)) << tol;

    EXPECT_FALSE(toleranzPruefung(System::IEC, 20, "20"));
    EXPECT_FALSE(toleranzPruefung(System::JahreDezi, 0.5, "0,5"));
    EXPECT_EQ(toleranzPruefung(System::IEC, 2, "2"),
              std::optional<QString>(t(u"Die eingegebene Zahl 2%   ist außerhalb\r\r der möglichen Toleranzwerte"
                                       u" 5; 10 oder 20% ")));
    const QString jahre3 = t(u"Die eingegebene Zahl 3%   ist außerhalb der möglichen Toleranzwerte\r\r"
                             u"                    0.5,  1,  2,  5,  10  und  20% ");
    EXPECT_EQ(toleranzPruefung(System::JahreDezi, 3, "3"), std::optional<QString>(jahre3));
    EXPECT_EQ(toleranzPruefung(System::JahreMulti, 3, "3"), std::optional<QString>(jahre3));
}

TEST(DrosselAufbau, GesperrteZeilenJeCodierung) {
    EXPECT_EQ(gesperrt(System::IEC).ziffer, (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(gesperrt(System::JahreDezi).ziffer, (std::vector<int>{11, 12}));  // the decimal point may be chosen
    EXPECT_EQ(gesperrt(System::JahreMulti).ziffer, (std::vector<int>{10, 11, 12}));
    for (System s : {System::IEC, System::JahreDezi, System::JahreMulti}) {
        const auto& e = gesperrt(s).ersteZiffer;
        EXPECT_NE(std::find(e.begin(), e.end(), 0), e.end());  // never a leading 0 by click
    }
    EXPECT_EQ(gesperrt(System::JahreMulti).multiplikator, (std::vector<int>{5, 6, 7, 8, 9, 12}));
}

TEST(DrosselRecord, WerteJeCodierung) {
    Drossel d{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(wert(d, System::IEC), 1);
    EXPECT_EQ(wert(d, System::JahreDezi), 2);
    EXPECT_EQ(wert(d, System::JahreMulti), 3);
    toleranz(d, System::JahreDezi) = 0.5;
    EXPECT_EQ(d.Toleranz_Dezi, 0.5);
    EXPECT_EQ(d.Toleranz_IEC, 4);
    EXPECT_EQ(d.Toleranz_Multi, 6);
}

}  // namespace
