// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/drossel.h"

#include <array>
#include <limits>

#include "values/zahlen.h"

namespace zelmo::drosselcode {

namespace {
using W = std::optional<double>;
constexpr W _ = std::nullopt;

// N (digits of the value in nanohenry before the decimal point) -> multiplier row
constexpr std::array<Stellenzeile, 5> iecStellen{{{3, 11}, {4, 10}, {5, 0}, {6, 1}, {7, 2}}};
constexpr std::array<Stellenzeile, 7> jahreStellen{{{3, 11}, {4, 10}, {5, 0}, {6, 1}, {7, 2}, {8, 3}, {9, 4}}};

constexpr std::array<Grenzstufe, 5> stufen{{{0.99999, 1, 1, u" H"},
                                            {0.00099999, 1e3, 1, u" mH"},
                                            {9.9999E-7, 1e6, 1, u" \u00B5H"},
                                            {9.9999E-10, 1e9, 1, u" nH"},
                                            {-std::numeric_limits<double>::infinity(), 1e9, 1, u" nH"}}};

const QString iecMeldung = QStringLiteral(u"%   ist außerhalb\r\r der möglichen Toleranzwerte 5; 10 oder 20% ");
const QString jahreMeldung = QStringLiteral(
    u"%   ist außerhalb der möglichen Toleranzwerte\r\r                    0.5,  1,  2,  5,  10  und  20% ");
}  // namespace

Ringtabelle ziffer(QChar dezimal) {
    Ringtabelle t = ziffernTabelle(drosselPalette(), 0);
    t[KommaZeile].text = QString(dezimal);
    t[KommaZeile].farbe = drosselPalette()[KommaZeile].farbe;
    return t;
}

const Ringtabelle& multiplikatorIEC() {
    static const Ringtabelle t =
        ringtabelle(drosselPalette(),
                    {u"x 1\u00B5", u"x 10 \u00B5", u"x 100 \u00B5", nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, u"x 0,1\u00B5", u"x 0,01\u00B5", nullptr},
                    {1e-6, 1e-5, 1e-4, _, _, _, _, _, _, _, 1e-7, 1e-8, _});
    return t;
}

const Ringtabelle& multiplikatorJahre() {
    static const Ringtabelle t =
        ringtabelle(drosselPalette(),
                    {u"x 1\u00B5", u"x 10\u00B5", u"x 100\u00B5", u"x 1m", u"x 10m", u"x 100m", u"x 1H", u"x 10H",
                     u"x 100H", u"x 1 k", u"x 0,1\u00B5", u"x 0,01\u00B5", nullptr},
                    {1e-6, 1e-5, 1e-4, 1e-3, 1e-2, _, _, _, _, _, 1e-7, 1e-8, _});
    return t;
}

const Ringtabelle& toleranzIEC() {
    static const Ringtabelle t = ringtabelle(drosselPalette(),
                                             {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                              nullptr, nullptr, u"5%", u"10%", u"20%"},
                                             {_, _, _, _, _, _, _, _, _, _, 5, 10, 20});
    return t;
}

const Ringtabelle& toleranzJahre() {
    static const Ringtabelle t = ringtabelle(drosselPalette(),
                                             {nullptr, u"1%", u"2%", nullptr, nullptr, u"0,5%", nullptr, nullptr,
                                              nullptr, nullptr, u"5%", u"10%", u"20%"},
                                             {_, 1, 2, _, _, 0.5, _, _, _, _, 5, 10, 20});
    return t;
}

const Ringtabelle& multiplikator(System s) { return s == System::IEC ? multiplikatorIEC() : multiplikatorJahre(); }

const Ringtabelle& toleranz(System s) { return s == System::IEC ? toleranzIEC() : toleranzJahre(); }

double ziffernskala(System s) { return s == System::JahreDezi ? 1e6 : 1e9; }

QChar ringzeichen(Farbwert f, QChar dezimal) { return f == Gold ? dezimal : ziffernZeichen(f); }

Ringbelegung ringeAusWert(double wert, System s, QChar dezimal) {
    static const Ringcodierung iec{1e9, 2, 0, 1e9, iecStellen, true};
    static const Ringcodierung multi{1e9, 2, 0, 1e9, jahreStellen, true};
    static const Ringcodierung dezi{1e6, 3, 0, 1e6, {}, true};
    const Ringcodierung& c = s == System::IEC ? iec : s == System::JahreDezi ? dezi : multi;
    Ringbelegung b = zelmo::ringeAusWert(wert, c, dezimal);
    // a decimal separator in second place is the gold ring
    const QString d = allgemein(wert * c.ziffernFaktor, dezimal).trimmed();
    if (d.size() > 1 && d[1] == dezimal) b.ziffern[1] = KommaZeile;
    return b;
}

std::span<const Grenzstufe> grenzStufen() { return stufen; }

std::optional<int> toleranzZeile(System s, double t) { return zeileMitWert(toleranz(s), t); }

std::optional<QString> toleranzPruefung(System s, double t, const QString& eingabe) {
    if (toleranzZeile(s, t)) return std::nullopt;
    return QStringLiteral(u"Die eingegebene Zahl ") + eingabe + (s == System::IEC ? iecMeldung : jahreMeldung);
}

const Sperren& gesperrt(System s) {
    static const Sperren iec{{0, 10, 11, 12}, {10, 11, 12}, {3, 4, 5, 6, 7, 8, 9, 12}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
    static const Sperren dezi{{0, 11, 12}, {11, 12}, {}, {0, 3, 4, 6, 7, 8, 9}};
    static const Sperren multi{{0, 10, 11, 12}, {10, 11, 12}, {5, 6, 7, 8, 9, 12}, {0, 3, 4, 6, 7, 8, 9}};
    return s == System::IEC ? iec : s == System::JahreDezi ? dezi : multi;
}

}  // namespace zelmo::drosselcode
