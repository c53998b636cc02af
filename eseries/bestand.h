// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values a technician has in stock, per kind, as plain text: one value per line, and the copy of
// the tolerance page's lists. Pure code.

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zelmo {

struct Bestandsliste {
    std::vector<double> werte;   // in base units, in the order of the lines
    std::vector<int> falsch;     // numbers (from 1) of the lines that are no value
};

// One value of a line: with unit prefix and unit sign ("4,7 kΩ", "100n"), with either separator
// ("4.7k" and "4,7k"), or in letter code ("4k7", "R47", "2n2"). Nothing when the line is no positive
// value.
std::optional<double> bestandWert(const QString& zeile, QChar dezimal);

// Every line of a text; empty lines count as nothing. A line of a table (CSV) gives its first column,
// cut at ";" or a tab (or at "," where the comma is no decimal separator). kopfzeile: the first line
// that is no value is a header and no fault (text read from a file).
Bestandsliste bestandLesen(const QString& text, QChar dezimal, bool kopfzeile = false);

// The lines of a file's text as the stock takes them: the first column of each line, without a header
// line that is no value.
QString bestandAusDatei(const QString& text, QChar dezimal);

// "Die Zeilen 3, 7 des Bestands „Widerstände“ enthalten keinen Wert …": the one message for the lines
// that are no value; empty when there are none.
QString bestandMeldung(const std::vector<int>& falsch, int art);

// Name of the kind's stock for messages: "Widerstände", "Spulen", "Kondensatoren".
QString bestandName(int art);
// File of a kind's stock in the data folder: "Bestand_R.txt", "Bestand_L.txt", "Bestand_C.txt".
QString bestandDatei(const QString& ordner, int art);

// Lines of a list as tab-separated text under a header line ("R1\tR2\tRges\tF", with three parts
// "R1\tR2\tR3\tSchaltung\tRges\tF"), the blanks that align the columns removed; lines end in "\n".
QString kopierText(const QStringList& zeilen, int art, int teile);

}  // namespace zelmo
