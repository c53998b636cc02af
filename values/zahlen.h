// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading and writing values with SI unit prefixes ("4,7k", "2,2µ", "1E-9" in, "4,70 k" out).
// The decimal separator is always passed in; nothing here reads the locale.

#include <QChar>
#include <QString>
#include <optional>

namespace zelmo {

// A stored decimal separator is "," or "." and nothing else: any other text would be replaced in
// every stored number ("1" would turn 110 into 0).
inline bool istDezimaltrenner(const QString& t) { return t == QLatin1String(",") || t == QLatin1String("."); }

// The unit sign of resistance, U+2126 OHM SIGN (the star-delta fields alone append the Greek omega).
inline const QString OhmZeichen = QStringLiteral(u"\u2126");

// The 17 prefix letters, largest first ("µ" is U+00B5).
inline const QString Vorsatz = QStringLiteral(u"YZEPTGMkmuµnpfazy");

// Factor of prefix letter c, or nothing when c is no prefix letter ("u" and the Greek small letter
// mu U+03BC, which several keyboards give for "µ", count as micro).
std::optional<double> vorsatzFaktor(QChar c);

// A plain number in the system format: optional sign, digits, at most one separator, an optional
// exponent ("7,5E-8"), blanks around it allowed; no prefix, no unit. Nothing otherwise.
std::optional<double> Gleitkommazahl(const QString& s, QChar dezimal);

// Parses an entered text; nothing when the text yields no number. Besides the plain form ("4,7 k")
// and the exponent form ("1,5E3"; nothing may follow the exponent but letters and blanks, and it must
// stay inside the double range) it reads the letter code of component markings: a prefix letter
// between digits marks the decimal point ("4k7" is 4700, "1µ5" 1,5µ), "R" without a factor ("4R7",
// "R47").
std::optional<double> Zahleneingabe(const QString& s, QChar dezimal);

// Fixed two-decimal number plus prefix string (" k", " " ...); the caller appends the unit.
// Values below 1e-24 keep the smallest prefix (" y"). Infinite and NaN values give "--- ".
QString Zahlenausgabe(double Wert, QChar dezimal);

// Prefix letter of a value. Values from 1 to below 1000 get einheitAb1 (the tolerance page passes
// the unit sign of its component kind there; everybody else leaves it empty). A negative value has
// the prefix of its magnitude; values below 1e-24 keep "y"; zero and NaN give two blanks.
QString EinheitVorsatz(double Wert, const QString& einheitAb1 = {});

// The value scaled to its prefix (switches at 0.99999 of each power of 1000); negative values as
// their magnitude with the sign, values below 1e-24 scaled to "y" (1e-25 gives 0,1).
double AnzeigeWert(double Wert);

// Factor of the first character of a prefix or unit text ("kΩ" gives 1000, anything unknown 1).
double EinheitinWert(const QString& Vorsatz);

// General-format AnzeigeWert followed by EinheitVorsatz, as used in range messages ("1n", "1,3").
QString Grenzwert(double Wert, QChar dezimal);

// A result as the pages show it: AnzeigeWert with two decimals and the prefix letter that belongs to
// that number. Just below a power of 1000 AnzeigeWert has already divided (999,995 gives "1,00"), so the
// letter follows the number ("k"), not EinheitVorsatz (which would say nothing and mean 1 Ω).
// Zero gives "0,00" with two blanks; non-finite values "---" without a letter.
struct Anzeige {
    QString zahl;
    QString vorsatz;
};
Anzeige AnzeigeMitVorsatz(double wert, QChar dezimal);

// The value of a shown result: number text times the factor of its prefix-and-unit label ("3,40" and
// "kΩ" give 3400). Nothing for texts that are no number, zero, negative or non-finite values, so that a
// transfer never hands such a value on.
std::optional<double> angezeigterWert(const QString& zahl, const QString& einheit, QChar dezimal);

// --- number text helpers shared by the formatters ---

// Fixed notation with the given decimals: the value is first taken to 15 significant digits,
// then rounded half away from zero (999.995 gives "1000,00"). Non-finite values give "---".
QString festkomma(double wert, int nachkomma, QChar dezimal);
// The same appended to a text (no text of its own is made).
void festkommaAnhaengen(QString& ziel, double wert, int nachkomma, QChar dezimal);

// General format: 15 significant digits without trailing zeros, fixed notation from 1e-5 to below
// 1e15 ("1,3", "0,00001", "12000"), exponent notation outside ("1E-6", "1,5E21"). Non-finite gives "---".
// Below the normal range of doubles (under about 2,2E-308) the shortest digits that read back as the
// same number, so that a value written and read again is written the same.
QString allgemein(double wert, QChar dezimal);

}  // namespace zelmo
