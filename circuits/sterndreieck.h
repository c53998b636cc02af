// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Star-delta transformation of three resistors, both ways, and the texts of its page.
//
// Rs1, Rs2, Rs3 run from the star point to the terminals 1, 2, 3. In the delta, Rd1 lies between the
// terminals 1 and 3, Rd2 between 1 and 2, Rd3 between 2 and 3.
//
// The page keeps its values only as the texts of its six fields, and every conversion reads the
// three texts of one side. So a conversion checks what it reads (a field may hold an edit that was
// never confirmed) and gives a result only when all three results can be shown and read back: a
// resistor that would show as "0,00" would divide by zero in the next conversion the other way.

#include <QChar>
#include <QString>
#include <array>
#include <optional>

namespace zelmo::sterndreieck {

// Three resistors in ohm: r[0] is Rs1 or Rd1, and so on.
using Drei = std::array<double, 3>;

// Star to delta; nothing unless all three are positive and finite.
std::optional<Drei> dreieckAusStern(const Drei& rs);
// Delta to star; nothing unless all three are positive and finite.
std::optional<Drei> sternAusDreieck(const Drei& rd);

// Results the prefixes can show with two decimals: finite, from 1e-24 ("1,00 y") to below 1e27.
inline constexpr double kleinsterWert = 1e-24;
inline constexpr double groessterWert = 1e27;
bool darstellbar(double wert);

// A conversion from the three texts of one side to the three texts of the other.
struct Umrechnung {
    enum class Art {
        Ergebnis,          // texte holds the results
        Eingabe,           // the text at index eingabe is no positive number
        NichtDarstellbar,  // a result lies outside kleinsterWert .. groessterWert
    };
    Art art = Art::Ergebnis;
    std::array<QString, 3> texte;  // results as the fields show them
    int eingabe = -1;
};
// sternZuDreieck: the texts are Rs1..Rs3 and the results Rd1..Rd3; else the other way round.
Umrechnung umrechnen(bool sternZuDreieck, const std::array<QString, 3>& texte, QChar dezimal);

// The unit of the six fields, U+03A9 GREEK CAPITAL LETTER OMEGA (everywhere else the program writes
// the ohm sign U+2126).
inline const QString FeldEinheit = QStringLiteral(u"\u03A9");

// A computed resistor as its field shows it: Zahlenausgabe and the fields' unit.
QString ergebnisText(double ohm, QChar dezimal);

// A field text read from the settings file: a stored ohm sign at its end (as older versions wrote
// after a conversion) becomes the fields' unit; anything else stays as it was typed.
QString geladenerText(const QString& gespeichert);

// The label of a field ("Widerstand Rs 1" ... "Widerstand Rd 3"); index 0 to 2.
QString bezeichnung(bool stern, int index);

// An entry whose conversion leaves the range that can be shown; without an entry the values of the
// fields are meant.
QString meldungNichtDarstellbar(const QString& eingabe);
// A field of the side being converted that holds no usable value.
QString meldungFeld(const QString& bezeichnung, const QString& text);

}  // namespace zelmo::sterndreieck
