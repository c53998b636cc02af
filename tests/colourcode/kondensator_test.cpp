// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitor's ring tables, the 10 pF class boundary, rings from a value, limits, tolerance and
// voltage sets with their messages.

#include "colourcode/kondensator.h"

#include <gtest/gtest.h>

#include "qtext_ausgabe.h"
#include "values/zahlen.h"

using namespace zelmo;
using namespace zelmo::kondensatorcode;

namespace {

QStringList texte(const Ringtabelle& t) {
    QStringList l;
    for (const auto& z : t) l << z.text;
    return l;
}
QString t(const char16_t* s) { return QString::fromUtf16(s); }

TEST(KondensatorTabellen, ItemTexteJeRing) {
    EXPECT_EQ(texte(ersteZiffer()), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "", "", ""}));
    EXPECT_FALSE(ersteZiffer()[0].farbe);
    EXPECT_EQ(texte(multiplikatorKer()), (QStringList{"x 1p", "x 10p", "x 100p", "x 1n", "x 10n", "x 100n", "", "",
                                                      "x 0,01p", "x 0,1p", "", "", ""}));
    EXPECT_EQ(texte(multiplikatorTan()),
              (QStringList{t(u" x 1\u00B5"), t(u"x 10\u00B5"), t(u"x 100\u00B5"), "", "", "", "", t(u"x 0,001\u00B5"),
                           t(u"x 0,01\u00B5"), t(u"x 0,1\u00B5"), "", "", ""}));
    EXPECT_EQ(texte(toleranzU10()), (QStringList{"", "0,1p", "0,25p", "", "", "0,5p", "", "", "", "1p", "", "", "20 %"}));
    EXPECT_EQ(texte(toleranzO10()), (QStringList{"20%", "1%", "2%", "", "", "5%", "", "", "", "10%", "", "", ""}));
    EXPECT_EQ(texte(spannungKer()), (QStringList{"", "100 V", "200 V", "300 V", "400 V", "500 V", "600 V", "700 V",
                                                 "800 V", "900 V", "2000 V", "1000 V", "500 V"}));
    EXPECT_EQ(texte(spannungTan()), (QStringList{"10 V", "1,5V", "35 V", "35 V", "6,3 V", "16 V", "20 V", "", "25 V",
                                                 "3 V", "", "", ""}));
}

TEST(KondensatorTabellen, MultiplikatorenJeFarbe) {
    struct Fall {
        Farbwert farbe;
        std::optional<double> ker, tan;
    };
    const Fall faelle[] = {{clBlack, 1e-12, 1e-6}, {clMaroon, 1e-11, 1e-5}, {clRed, 1e-10, 1e-4},
                           {Orange, 1e-9, {}},     {clYellow, 1e-8, {}},    {clGreen, 1e-7, {}},
                           {clBlue, {}, {}},       {clFuchsia, {}, 1e-9},   {clGray, 1e-14, 1e-8},
                           {clWhite, 1e-13, 1e-7}, {clSilver, {}, {}},      {Hintergrund, {}, {}}};
    for (const auto& f : faelle) {
        EXPECT_EQ(wertDerFarbe(multiplikatorKer(), f.farbe), f.ker) << f.farbe;
        EXPECT_EQ(wertDerFarbe(multiplikatorTan(), f.farbe), f.tan) << f.farbe;
    }
    // row 12 of the ceramic voltage ring is the absent ring, orange of the tantalum one another 35 V
    EXPECT_EQ(spannungKer()[12].farbe, std::optional<Farbwert>(Hintergrund));
    EXPECT_EQ(spannungTan()[3].wert, std::optional<double>(35));
    EXPECT_EQ(spannungTan()[3].farbe, std::optional<Farbwert>(Orange));
}

TEST(KondensatorKlasse, ZehnPikofaradGehoertNachUnten) {
    EXPECT_TRUE(hoechstens10p(*Zahleneingabe("10p", u',')));
    EXPECT_TRUE(hoechstens10p(*Zahleneingabe("10,00 pF", u',')));
    EXPECT_TRUE(hoechstens10p(1e-11));
    EXPECT_TRUE(hoechstens10p(4.7e-12));
    EXPECT_FALSE(hoechstens10p(*Zahleneingabe("10,1p", u',')));
    EXPECT_FALSE(hoechstens10p(*Zahleneingabe("10,01 pF", u',')));
    EXPECT_FALSE(hoechstens10p(1e-8));
}

TEST(KondensatorRinge, RingeAusDemWert) {
    struct Fall {
        Art art;
        double wert;
        std::vector<std::optional<int>> ziffern;
        std::optional<int> multi;
    };
    const Fall faelle[] = {
        {Art::Kerko, 4.7e-12, {4, 7}, 9},               // white x 0,1 pF
        {Art::Kerko, 0.47e-12, {4, 7}, 8},              // grey x 0,01 pF
        {Art::Kerko, 47e-12, {4, 7}, 0},                // black x 1 pF
        {Art::Kerko, 4.7e-9, {4, 7}, 2},                // red x 100 pF
        {Art::Kerko, 1e-8, {1, 0}, 3},                  // orange x 1 nF
        {Art::Kerko, 4.7e-6, {4, 7}, 5},                // green x 100 nF
        {Art::Kerko, 47e-6, {4, 7}, std::nullopt},      // from 10 uF: multiplier unchanged
        {Art::Kerko, 0.047e-12, {4, std::nullopt}, std::nullopt},  // below 0.1 pF: text "4,7"
        {Art::Kerko, 0.96e-12, {9, 6}, 8},              // 96 x 0,01 pF, not 96 x 0,1 pF
        {Art::Kerko, 9.96e-12, {9, 9}, 9},
        {Art::Kerko, 1e-12, {1, 0}, 9},                 // exactly 10 x 0,1 pF
        {Art::Tantal, 4.7e-6, {4, 7}, 9},               // white x 0,1 uF
        {Art::Tantal, 47e-6, {4, 7}, 0},                // black x 1 uF
        {Art::Tantal, 0.47e-6, {4, 7}, 8},              // grey x 0,01 uF
        {Art::Tantal, 0.96e-6, {9, 6}, 8},
        {Art::Tantal, 4.7e-3, {4, 7}, 2},               // red x 100 uF
        {Art::Tantal, 0.047e-6, {4, 7}, 7},             // violet x 0,001 uF
        {Art::Tantal, 4.7e-9, {4, 7}, std::nullopt},    // below the rings
        {Art::Tantal, 0.01, {1, 0}, std::nullopt},      // 10 mF
    };
    for (const auto& f : faelle) {
        const Ringbelegung b = ringeAusWert(f.wert, codierung(f.art), u',');
        EXPECT_EQ(b.ziffern, f.ziffern) << f.wert;
        EXPECT_EQ(b.multiplikator, f.multi) << f.wert;
    }
    // a first digit 0 never comes from a value; the text of 0.01 pF is "1"
    EXPECT_EQ(ringeAusWert(1e-14, codierung(Art::Kerko), u',').ziffern,
              (std::vector<std::optional<int>>{1, std::nullopt}));
}

TEST(KondensatorRinge, GanzeStellenFolgenDemText) {
    const std::pair<double, int> faelle[] = {{0.0, 0}, {0.96, 0},  {1.0, 1},       {9.6, 1},  {9.9999, 1},
                                             {10.0, 2}, {99.96, 2}, {470.0, 3}, {1e-12 * 1e13, 2}, {4.7e-9 * 1e13, 5}};
    for (auto [x, n] : faelle) EXPECT_EQ(ganzeStellen(x), n) << x;
}

TEST(KondensatorGrenzen, VorsatzStufenUndAbweichung) {
    struct Fall {
        double v;
        const char16_t* text;
    };
    const Fall faelle[] = {{4.95e-12, u"4,95 pF"}, {11e-9, u"11,00 nF"},    {2.2, u"2,20 F"},
                           {1e-3, u"1,00 mF"},     {4.7e-6, u"4,70 \u00B5F"}, {9.9999e-13, u"999,99 fF"},
                           {0.5e-15, u"0,50 fF"},  {-0.1e-12, u"-100,00 fF"}};
    for (const auto& f : faelle) EXPECT_EQ(grenzText(f.v, grenzStufen(), u','), t(f.text)) << f.v;

    Kondensator k{4.7e-12, 0, 0.25, 10, 100, 100, 16};
    EXPECT_DOUBLE_EQ(abweichung(k, true), 0.25e-12);  // picofarad
    k.Toleranz_U10 = 20;
    EXPECT_DOUBLE_EQ(abweichung(k, true), 4.7e-12 * 0.2);  // percent
    k.Wert_Ker = 47e-12;
    EXPECT_DOUBLE_EQ(abweichung(k, false), 4.7e-12);
    const Toleranzgrenzen g = grenzen(k, false, u',');
    EXPECT_EQ(g.oben, t(u"51,70 pF"));
    EXPECT_EQ(g.unten, t(u"42,30 pF"));
    // 0.25 pF below a 0.1 pF capacitor: the lower limit stops at zero
    const Kondensator klein{0.1e-12, 0, 0.25, 10, 100, 100, 16};
    EXPECT_EQ(grenzen(klein, true, u',').oben, t(u"350,00 fF"));
    EXPECT_EQ(grenzen(klein, true, u',').unten, t(u"0,00 fF"));
}

TEST(KondensatorToleranz, TexteZeilenUndMeldungen) {
    EXPECT_EQ(toleranzText(0.25, true, u','), QStringLiteral("0,25 pF"));
    EXPECT_EQ(toleranzText(20, true, u','), QStringLiteral("20 %"));
    EXPECT_EQ(toleranzText(1, true, u'.'), QStringLiteral("1 pF"));
    EXPECT_EQ(toleranzText(5, false, u','), QStringLiteral("5 %"));
    Kondensator k{0, 0, 0.5, 2, 0, 0, 0};
    EXPECT_EQ(toleranzText(k, true, u','), QStringLiteral("0,5 pF"));
    EXPECT_EQ(toleranzText(k, false, u','), QStringLiteral("2 %"));

    const std::pair<double, int> klein[] = {{0.1, 1}, {0.25, 2}, {0.5, 5}, {1, 9}, {20, 12}, {0.1 + 1e-15, 1}};
    for (auto [tol, zeile] : klein) EXPECT_EQ(toleranzZeile(true, tol), std::optional<int>(zeile)) << tol;
    const std::pair<double, int> gross[] = {{20, 0}, {1, 1}, {2, 2}, {5, 5}, {10, 9}};
    for (auto [tol, zeile] : gross) EXPECT_EQ(toleranzZeile(false, tol), std::optional<int>(zeile)) << tol;
    EXPECT_FALSE(toleranzZeile(false, 0.5));
    EXPECT_FALSE(toleranzZeile(true, 10));

    for (double tol : {20.0, 1.0, 0.5, 0.25, 0.1}) EXPECT_FALSE(toleranzPruefung(true, tol, "x")) << tol;
    for (double tol : {20.0, 10.0, 5.0, 2.0, 1.0}) EXPECT_FALSE(toleranzPruefung(false, tol, "x")) << tol;
    EXPECT_EQ(toleranzPruefung(true, 2, "2"),
              std::optional<QString>(t(u"Die eingegebene Zahl 2%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                       u"               0.1, 0.25, 0.5, 1 pF oder 20 %.")));
    EXPECT_EQ(toleranzPruefung(false, 0.5, "0,5"),
              std::optional<QString>(t(u"Die eingegebene Zahl 0,5%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                       u"               1, 2, 5, 10 und 20 %.")));
}

TEST(KondensatorSpannung, ZeilenUndEingaben) {
    const std::pair<double, int> ker[] = {{100, 1}, {500, 5}, {900, 9}, {1000, 11}, {2000, 10}};
    for (auto [u, zeile] : ker) EXPECT_EQ(spannungZeile(Art::Kerko, u), std::optional<int>(zeile)) << u;
    const std::pair<double, int> tan[] = {{10, 0}, {1.5, 1}, {35, 2}, {6.3, 4}, {16, 5}, {20, 6}, {25, 8}, {3, 9}};
    for (auto [u, zeile] : tan) EXPECT_EQ(spannungZeile(Art::Tantal, u), std::optional<int>(zeile)) << u;
    EXPECT_FALSE(spannungZeile(Art::Kerko, 450));
    EXPECT_FALSE(spannungZeile(Art::Tantal, 6.31));

    for (double u : {100.0, 500.0, 2000.0}) EXPECT_FALSE(spannungPruefung(Art::Kerko, u, "x")) << u;
    for (double u : {1.5, 3.0, 6.3, 10.0, 16.0, 20.0, 25.0, 35.0})
        EXPECT_FALSE(spannungPruefung(Art::Tantal, *Zahleneingabe(allgemein(u, u','), u','), "x")) << u;
    EXPECT_EQ(spannungPruefung(Art::Kerko, 450, "450"),
              std::optional<QString>(t(u"Die eingegebene Zahl 450 V  ist außerhalb der möglichen Spannungswerte\r\r"
                                       u" 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000 V")));
    EXPECT_EQ(spannungPruefung(Art::Kerko, 100.5, "100,5").has_value(), true);  // no truncation here
    EXPECT_EQ(spannungPruefung(Art::Tantal, 100, "100"),
              std::optional<QString>(t(u"Die eingegebene Zahl 100 V  ist außerhalb der möglichen Spannungswerte\r\r"
                                       u" 1.5, 3, 6.3, 10, 16, 20, 25, 35 V")));
    EXPECT_EQ(spannungAusEingabe(Art::Tantal, 6.3), 6.3);

    Kondensator k{};
    spannungSetzen(k, Art::Kerko, 300);
    EXPECT_EQ(k.Spannung_U10, 300);
    EXPECT_EQ(k.Spannung_O10, 300);
    spannungSetzen(k, Art::Tantal, 6.3);
    EXPECT_EQ(k.Spannung_Tan, 6.3);
    EXPECT_EQ(k.Spannung_U10, 300);
}

}  // namespace
