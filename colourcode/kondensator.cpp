// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/kondensator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "values/zahlen.h"

namespace zelmo::kondensatorcode {

namespace {
using W = std::optional<double>;
constexpr W _ = std::nullopt;

// ceramic: N (digits of the value in 0.1 pF) -> multiplier row
constexpr std::array<Stellenzeile, 8> kerStellen{
    {{1, 8}, {2, 9}, {3, 0}, {4, 1}, {5, 2}, {6, 3}, {7, 4}, {8, 5}}};
// tantalum: N (digits of the value in 0.01 uF, so that 0.01 uF to 0.1 uF get the violet x 0,001 uF)
constexpr std::array<Stellenzeile, 6> tanStellen{{{1, 7}, {2, 8}, {3, 9}, {4, 0}, {5, 1}, {6, 2}}};

constexpr std::array<Grenzstufe, 7> stufen{{{0.99999, 1, 1, u" F"},
                                            {0.00099999, 1e3, 1, u" mF"},
                                            {9.9999E-7, 1e6, 1, u" \u00B5F"},
                                            {9.9999E-10, 1e9, 1, u" nF"},
                                            {9.9999E-13, 1e12, 1, u" pF"},
                                            {9.9999E-16, 1e15, 1, u" fF"},
                                            {-std::numeric_limits<double>::infinity(), 1e15, 1, u" fF"}}};

const std::array<double, 8> tanZehntel{100, 15, 63, 350, 160, 200, 250, 30};
}  // namespace

void spannungSetzen(Kondensator& k, Art a, double u) {
    if (a == Art::Tantal) {
        k.Spannung_Tan = u;
    } else {
        k.Spannung_U10 = u;
        k.Spannung_O10 = u;
    }
}

bool hoechstens10p(double wert) {
    // compared in extended precision: 10p read as a double lies just below 1E-11 and belongs to it
    return static_cast<long double>(wert) <= 1e-11L;
}

double ziffernskala(Art a) { return a == Art::Kerko ? 1e14 : 1e9; }

const Ringtabelle& ersteZiffer() {
    static const Ringtabelle t = ziffernTabelle(standardPalette(), 1);
    return t;
}

const Ringtabelle& ziffer() {
    static const Ringtabelle t = ziffernTabelle(standardPalette(), 0);
    return t;
}

const Ringtabelle& multiplikatorKer() {
    static const Ringtabelle t = ringtabelle(standardPalette(),
                                             {u"x 1p", u"x 10p", u"x 100p", u"x 1n", u"x 10n", u"x 100n", nullptr,
                                              nullptr, u"x 0,01p", u"x 0,1p", nullptr, nullptr, nullptr},
                                             {1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, _, _, 1e-14, 1e-13, _, _, _});
    return t;
}

const Ringtabelle& multiplikatorTan() {
    static const Ringtabelle t =
        ringtabelle(standardPalette(),
                    {u" x 1\u00B5", u"x 10\u00B5", u"x 100\u00B5", nullptr, nullptr, nullptr, nullptr,
                     u"x 0,001\u00B5", u"x 0,01\u00B5", u"x 0,1\u00B5", nullptr, nullptr, nullptr},
                    {1e-6, 1e-5, 1e-4, _, _, _, _, 1e-9, 1e-8, 1e-7, _, _, _});
    return t;
}

const Ringtabelle& multiplikator(Art a) { return a == Art::Kerko ? multiplikatorKer() : multiplikatorTan(); }

const Ringtabelle& toleranzU10() {
    static const Ringtabelle t = ringtabelle(standardPalette(),
                                             {nullptr, u"0,1p", u"0,25p", nullptr, nullptr, u"0,5p", nullptr, nullptr,
                                              nullptr, u"1p", nullptr, nullptr, u"20 %"},
                                             {_, 0.1, 0.25, _, _, 0.5, _, _, _, 1, _, _, 20});
    return t;
}

const Ringtabelle& toleranzO10() {
    static const Ringtabelle t = ringtabelle(standardPalette(),
                                             {u"20%", u"1%", u"2%", nullptr, nullptr, u"5%", nullptr, nullptr,
                                              nullptr, u"10%", nullptr, nullptr, nullptr},
                                             {20, 1, 2, _, _, 5, _, _, _, 10, _, _, _});
    return t;
}

const Ringtabelle& toleranz(bool klein) { return klein ? toleranzU10() : toleranzO10(); }

const Ringtabelle& spannungKer() {
    static const Ringtabelle t = ringtabelle(standardPalette(),
                                             {nullptr, u"100 V", u"200 V", u"300 V", u"400 V", u"500 V", u"600 V",
                                              u"700 V", u"800 V", u"900 V", u"2000 V", u"1000 V", u"500 V"},
                                             {_, 100, 200, 300, 400, 500, 600, 700, 800, 900, 2000, 1000, 500});
    return t;
}

const Ringtabelle& spannungTan() {
    static const Ringtabelle t = ringtabelle(standardPalette(),
                                             {u"10 V", u"1,5V", u"35 V", u"35 V", u"6,3 V", u"16 V", u"20 V", nullptr,
                                              u"25 V", u"3 V", nullptr, nullptr, nullptr},
                                             {10, 1.5, 35, 35, 6.3, 16, 20, _, 25, 3, _, _, _});
    return t;
}

const Ringtabelle& spannung(Art a) { return a == Art::Kerko ? spannungKer() : spannungTan(); }

const Ringcodierung& codierung(Art a) {
    static const Ringcodierung ker{Textfaktor, 2, 1, 1e13, kerStellen, true};
    static const Ringcodierung tan{Textfaktor, 2, 1, 1e8, tanStellen, true};
    return a == Art::Kerko ? ker : tan;
}

std::span<const Grenzstufe> grenzStufen() { return stufen; }

double abweichung(const Kondensator& k, bool klein) {
    if (!klein) return k.Wert_Ker * k.Toleranz_O10 / 100;
    if (k.Toleranz_U10 == 20) return k.Wert_Ker * 20 / 100;
    return k.Toleranz_U10 * 1e-12;
}

Toleranzgrenzen grenzen(const Kondensator& k, bool klein, QChar dezimal) {
    const double w = k.Wert_Ker;
    const double d = abweichung(k, klein);
    return {grenzText(w + d, stufen, dezimal), grenzText(std::max(0.0, w - d), stufen, dezimal)};
}

QString toleranzText(double t, bool klein, QChar dezimal) {
    return allgemein(t, dezimal) + (klein && t < 20 ? QStringLiteral(" pF") : QStringLiteral(" %"));
}

QString toleranzText(const Kondensator& k, bool klein, QChar dezimal) {
    return toleranzText(klein ? k.Toleranz_U10 : k.Toleranz_O10, klein, dezimal);
}

std::optional<int> toleranzZeile(bool klein, double t) {
    if (klein && std::abs(t - 0.1) < 1e-9) return 1;
    return zeileMitWert(toleranz(klein), t, klein ? 100.0 : 1.0);
}

std::optional<int> spannungZeile(Art a, double u) {
    return zeileMitWert(spannung(a), u, a == Art::Tantal ? 10.0 : 1.0);
}

std::optional<QString> toleranzPruefung(bool klein, double t, const QString& eingabe) {
    if (zeileMitWert(toleranz(klein), t, klein ? 100.0 : 1.0)) return std::nullopt;
    return QStringLiteral(u"Die eingegebene Zahl ") + eingabe +
           (klein ? QStringLiteral(u"%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                   u"               0.1, 0.25, 0.5, 1 pF oder 20 %.")
                  : QStringLiteral(u"%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                   u"               1, 2, 5, 10 und 20 %."));
}

std::optional<QString> spannungPruefung(Art a, double u, const QString& eingabe) {
    bool gut = false;
    if (a == Art::Kerko) {
        gut = zeileMitWert(spannungKer(), u).has_value();
    } else {
        for (double z : tanZehntel) gut = gut || u * 10 == z;
    }
    if (gut) return std::nullopt;
    return QStringLiteral(u"Die eingegebene Zahl ") + eingabe +
           (a == Art::Kerko ? QStringLiteral(u" V  ist außerhalb der möglichen Spannungswerte\r\r"
                                             u" 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000 V")
                            : QStringLiteral(u" V  ist außerhalb der möglichen Spannungswerte\r\r"
                                             u" 1.5, 3, 6.3, 10, 16, 20, 25, 35 V"));
}

double spannungAusEingabe(Art a, double u) { return a == Art::Tantal ? u * 10 / 10 : u; }

Sperren gesperrt(Art a, bool klein) {
    if (a == Art::Tantal) return {{3, 4, 5, 6, 10, 11, 12}, {}, {7, 10, 11, 12}};
    if (klein) return {{6, 7, 10, 11, 12}, {0, 3, 4, 6, 7, 8, 10, 11}, {0}};
    return {{6, 7, 10, 11, 12}, {3, 4, 6, 7, 8, 10, 11, 12}, {0}};
}

}  // namespace zelmo::kondensatorcode
