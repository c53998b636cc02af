// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/widerstand.h"

#include <array>
#include <cmath>
#include <limits>

namespace zelmo::widerstandcode {

namespace {
using W = std::optional<double>;
constexpr W _ = std::nullopt;

// N (digits of the value * 1e7 with 4 rings, * 1e6 with 5) -> multiplier row
constexpr std::array<Stellenzeile, 12> multiplikatorStellen{{{7, 10},
                                                             {8, 11},
                                                             {9, 0},
                                                             {10, 1},
                                                             {11, 2},
                                                             {12, 3},
                                                             {13, 4},
                                                             {14, 5},
                                                             {15, 6},
                                                             {16, 7},
                                                             {17, 8},
                                                             {18, 9}}};

constexpr std::array<Grenzstufe, 5> stufen{{{999999999.99, 1, 1e9, u" G\u2126"},
                                            {999999.99, 1, 1e6, u" M\u2126"},
                                            {999.99, 1, 1e3, u" k\u2126"},
                                            {0.9, 1, 1, u"  \u2126"},
                                            {-std::numeric_limits<double>::infinity(), 1e3, 1, u" m\u2126"}}};

const std::array<double, 11> spannungen{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000};
}  // namespace

const Ringtabelle& ersteZiffer() {
    static const Ringtabelle t = ziffernTabelle(standardPalette(), 1);
    return t;
}

const Ringtabelle& ziffer() {
    static const Ringtabelle t = ziffernTabelle(standardPalette(), 0);
    return t;
}

const Ringtabelle& multiplikator() {
    static const Ringtabelle t = ringtabelle(
        standardPalette(),
        {u"x 1", u"x 10", u"x 100", u"x 1k", u"x 10k", u"x 100k", u"x 1 M", u"x 10M", u"x 100M", u"x 1G", u"x 0,01",
         u"x 0,1", nullptr},
        {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 0.01, 0.1, _});
    return t;
}

const Ringtabelle& toleranz() {
    static const Ringtabelle t =
        ringtabelle(standardPalette(),
                    {nullptr, u"1 %", u"2 %", nullptr, nullptr, u"0,5%", u"0,25%", u"0,1%", nullptr, nullptr, u"10 %",
                     u"5 %", nullptr},
                    {_, 1, 2, _, _, 0.5, 0.25, 0.1, _, _, 10, 5, _});
    return t;
}

const Ringtabelle& spannung() {
    static const Ringtabelle t = ringtabelle(standardPalette(),
                                             {u"100 V", u"200V", u"300 V", u"400 V", u"500 V", u"600 V", u"700 V",
                                              u"800 V", u"900 V", nullptr, u"2000V", u"1000V", u"500V"},
                                             {100, 200, 300, 400, 500, 600, 700, 800, 900, _, 2000, 1000, 500});
    return t;
}

const Ringcodierung& codierung(bool fuenf) {
    static const Ringcodierung vier{Ziffernskala, 2, 1, 1e7, multiplikatorStellen};
    static const Ringcodierung fuenfRinge{Ziffernskala, 3, 1, 1e6, multiplikatorStellen};
    return fuenf ? fuenfRinge : vier;
}

std::span<const Grenzstufe> grenzStufen() { return stufen; }

std::optional<int> toleranzZeile(double t) { return zeileMitWert(toleranz(), t, 100.0); }

std::optional<int> spannungZeile(double u) { return zeileMitWert(spannung(), u); }

std::optional<QString> toleranzPruefung(double t, const QString& eingabe) {
    if (toleranzZeile(t)) return std::nullopt;
    return QStringLiteral(u"Die eingegebene Zahl ") + eingabe +
           QStringLiteral(u"%  ist außerhalb der möglichen Toleranzwerte\r\r"
                          u"               0.1, 0.25, 0.5, 1, 2, 5 und 10 %.");
}

double spannungAusEingabe(double u) { return std::trunc(u); }

std::optional<QString> spannungPruefung(double u, const QString& eingabe) {
    const double ganz = spannungAusEingabe(u);
    for (double s : spannungen)
        if (ganz == s) return std::nullopt;
    return QStringLiteral(u"Die eingegebene Zahl ") + eingabe +
           QStringLiteral(u"V  ist außerhalb der möglichen Spannungswerte\r\r"
                          u" 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000 V");
}

}  // namespace zelmo::widerstandcode
