#pragma once
// Reading and writing values with SI unit prefixes ("4,7k", "2,2µ", "1E-9" in, "4,70 k" out).
// The decimal separator is always passed in; nothing here reads the locale.

#include <QChar>
#include <QString>
#include <optional>

namespace zelmo {

// The unit sign of resistance, U+2126 OHM SIGN (the star-delta fields alone append the Greek omega).
inline const QString OhmZeichen = QStringLiteral(u"\u2126");

// The 17 prefix letters, largest first ("µ" is U+00B5).
inline const QString Vorsatz = QStringLiteral(u"YZEPTGMkmuµnpfazy");

// Factor of prefix letter c, or nothing when c is no prefix letter ("u" counts as micro).
std::optional<double> vorsatzFaktor(QChar c);

// A plain number in the system format: optional sign, digits, at most one separator, an optional
// exponent ("7,5E-8"), blanks around it allowed; no prefix, no unit. Nothing otherwise.
std::optional<double> Gleitkommazahl(const QString& s, QChar dezimal);

// Parses an entered text; nothing when the text yields no number.
std::optional<double> Zahleneingabe(const QString& s, QChar dezimal);

// Fixed two-decimal number plus prefix string (" k", " " ...); the caller appends the unit.
// Infinite and NaN values give "--- ".
QString Zahlenausgabe(double Wert, QChar dezimal);

// Prefix letter of a value. Values from 1 to below 1000 get einheitAb1 (the tolerance page passes
// the unit sign of its component kind there; everybody else leaves it empty). Below 1e-24, zero,
// negative and NaN give two blanks.
QString EinheitVorsatz(double Wert, const QString& einheitAb1 = {});

// The value scaled to its prefix (switches at 0.99999 of each power of 1000).
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
QString allgemein(double wert, QChar dezimal);

}  // namespace zelmo
