// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colour rings shared by the resistor, inductor and capacitor colour codes: the 13 colour rows,
// ring tables as data, value from the rings, rings from a value, the tolerance-limit texts and the
// E-series membership lines. Pure logic: the sub-pages hold the widgets and call in here.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace zelmo {

// A colour written as $00BBGGRR (blue, green, red bytes).
using Farbwert = std::uint32_t;

inline constexpr Farbwert clBlack = 0x000000;
inline constexpr Farbwert clMaroon = 0x000080;
inline constexpr Farbwert clRed = 0x0000FF;
inline constexpr Farbwert Orange = 33023;  // $0080FF
inline constexpr Farbwert clYellow = 0x00FFFF;
inline constexpr Farbwert clGreen = 0x008000;
inline constexpr Farbwert clBlue = 0xFF0000;
inline constexpr Farbwert clFuchsia = 0xFF00FF;
inline constexpr Farbwert clGray = 0x808080;
inline constexpr Farbwert clWhite = 0xFFFFFF;
inline constexpr Farbwert clSilver = 0xC0C0C0;
inline constexpr Farbwert Gold = 46003;  // $00B3B3
// The body colour (clSkyBlue): an absent ring is painted in it and vanishes into the body.
inline constexpr Farbwert Hintergrund = 15780518;  // $F0CAA6
inline constexpr Farbwert clSkyBlue = Hintergrund;
// The page background; the legend swatch of the "ohne" row shows it.
inline constexpr Farbwert Seitenhintergrund = 14215640;  // $D8E9D8

inline constexpr int Farbzeilen = 13;
inline constexpr int ZeileOhne = 12;  // "ohne": no ring

// One row of the colour legend: caption, the label's tag, the ring colour and the swatch colour.
struct Farbzeile {
    const char16_t* name;
    int tag;
    Farbwert farbe;   // colour a ring of this row is painted with
    Farbwert muster;  // colour of the legend swatch
};
using Palette = std::array<Farbzeile, Farbzeilen>;

// Rows 10 silver, 11 gold (resistor and capacitor pages).
const Palette& standardPalette();
// Rows 10 gold, 11 "silver" (inductor page).
const Palette& drosselPalette();

// One item of a ring radio group: its text, the colour it paints (none: choosing it changes no ring)
// and what it means (digit, factor, tolerance, voltage; none for an empty item).
struct Ringzeile {
    QString text;
    std::optional<Farbwert> farbe;
    std::optional<double> wert;
};
using Ringtabelle = std::array<Ringzeile, Farbzeilen>;

// A ring table from its item texts and values; a row with a value paints the palette colour of the
// row (row 12 Hintergrund), a row without a value paints nothing.
Ringtabelle ringtabelle(const Palette& palette, const std::array<const char16_t*, Farbzeilen>& texte,
                        const std::array<std::optional<double>, Farbzeilen>& werte);
// A digit ring: items "0" to "9" at rows 0 to 9, rows 10 to 12 empty. Rows below ab keep their text
// but paint nothing (a first digit is never 0).
Ringtabelle ziffernTabelle(const Palette& palette, int ab = 0);

// Rows whose item text is empty (always disabled).
std::vector<int> leereZeilen(const Ringtabelle& t);
// First row whose value equals w, both multiplied by skala before the exact comparison
// (tolerances compared as t * 100, for example).
std::optional<int> zeileMitWert(const Ringtabelle& t, double w, double skala = 1.0);
// Value of the first row that paints colour f.
std::optional<double> wertDerFarbe(const Ringtabelle& t, Farbwert f);

// Digit character of a ring colour: black "0" ... white "9"; every other colour "0".
QChar ziffernZeichen(Farbwert f);
// Colour of digit d (0 to 9).
Farbwert ziffernFarbe(int d);

// Value from a digit ring: the general-format text (allgemein) of wert * skala gets zeichen at position stelle
// (0-based; appended when the text is shorter), is read back and divided by skala.
// Nothing when the text does not read back as a positive number (the value then stays).
std::optional<double> wertMitZiffer(double wert, double skala, int stelle, QChar zeichen, QChar dezimal);

// Value from the multiplier ring: the first k characters of the general-format text (allgemein) of wert * skala,
// read up to the first character that is no digit or separator, times m. Nothing when that gives no
// positive number.
std::optional<double> wertMitMultiplikator(double wert, double skala, int k, double m, QChar dezimal);

// Number of digits of x rounded to the nearest integer (x >= 0; 0 has one digit).
int stellenzahl(double x);
// Number of digits before the decimal point of x taken to 15 significant digits, so that the count
// agrees with the leading digits of its general-format text (9.6 has one digit, 99.96 two); 0 for x < 1.
int ganzeStellen(double x);

// A count of digits and the multiplier row it selects.
struct Stellenzeile {
    int n;
    int zeile;
};

// How a component's value maps onto its rings.
struct Ringcodierung {
    double ziffernFaktor;  // digit text D is the shortest text of value * ziffernFaktor
    int ziffernringe;      // K
    int ersteZifferAb;     // smallest digit the first ring accepts
    double stellenFaktor;  // N is stellenzahl(value * stellenFaktor)
    std::span<const Stellenzeile> multiplikator;  // N -> multiplier row
    // N counts the digits before the decimal point (ganzeStellen) instead of those of the rounded value
    bool ganzeStellenZaehlen = false;
};

// Rings of a value: the row per digit ring and the multiplier row; nothing leaves a ring unchanged.
struct Ringbelegung {
    std::vector<std::optional<int>> ziffern;
    std::optional<int> multiplikator;
};
// The digit rows from the k first characters of a digit text (a character that is no accepted
// digit, or a missing one, gives nothing).
std::vector<std::optional<int>> ziffernAusText(const QString& d, int k, int ersteAb);
std::optional<int> zeileFuerStellen(std::span<const Stellenzeile> tabelle, int n);
Ringbelegung ringeAusWert(double wert, const Ringcodierung& c, QChar dezimal);

// One row of a limit prefix table: a limit v above schwelle is shown as v * mal / teiler + text.
// The last row is taken when no threshold is exceeded.
struct Grenzstufe {
    double schwelle;
    double mal;
    double teiler;
    const char16_t* text;
};
// v scaled by the first matching row, rounded to 6 significant digits, two decimals, then the text.
QString grenzText(double v, std::span<const Grenzstufe> stufen, QChar dezimal);
struct Toleranzgrenzen {
    QString oben;
    QString unten;
};
// Limits of a value w with the deviation d: w + d and w - d.
Toleranzgrenzen toleranzgrenzen(double w, double d, std::span<const Grenzstufe> stufen, QChar dezimal);

// E-series membership list.
enum class Reihenzeilen { WiderstandDrossel, Kondensator };
// The text shown when no series contains the value; "\r" breaks it into four lines.
extern const QString keineEReihe;
// One line per series containing w (E3 first), or the single text keineEReihe.
QStringList eReihenZeilen(double w, Reihenzeilen stil);

}  // namespace zelmo
