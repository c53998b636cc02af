// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The data file: the separator it was written with, then the pages' numbers, one per line, each page's
// share after the one before (storage/speicherbar.h); how many follows from the pages. The pages of
// today keep 30 (LED voltages, the housings' thermal resistances, reference voltages).

#include <QByteArray>
#include <QChar>
#include <QString>
#include <optional>
#include <vector>

namespace zelmo {

using Datenwerte = std::vector<double>;

// Lines ended by CR LF: the separator, then the numbers in general form with that separator.
QByteArray datenfileText(const Datenwerte& werte, QChar dezimal);

// The numbers of a data file's text (lines ended by "\n", as textLesen gives them) for the current
// separator, one entry for each line after the first, as many as the file has; a broken line gives
// nothing for that number (the caller keeps its value), the lines after it are still read. A first
// line that is neither "," nor "." counts as ",".
std::vector<std::optional<double>> leseDatenfileText(const QString& text, QChar dezimal);
// The same from the file's bytes: bytes that are no text (see textLesen) give no number at all and, in
// fehler, the reason.
std::vector<std::optional<double>> leseDatenfile(const QByteArray& inhalt, QChar dezimal, QString* fehler = nullptr);
// The first line of a data file's text when it is no separator ("," or "."), else nothing.
std::optional<QString> fremderDatenfileTrenner(const QString& text);

}  // namespace zelmo
