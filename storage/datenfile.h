// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The data file: the separator it was written with, then 30 component constants, one per line.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <array>
#include <optional>

namespace zelmo {

inline constexpr int DatenfileZahlen = 30;
using Datenwerte = std::array<double, DatenfileZahlen>;

// 31 lines ended by CR LF: the separator, then the numbers in general form with that separator.
QByteArray datenfileText(const Datenwerte& werte, QChar dezimal);

// The numbers of a data file's text (lines ended by "\n", as textLesen gives them) for the current
// separator; a missing or broken line gives nothing for that number (the caller keeps its value), the
// lines after it are still read. A first line that is neither "," nor "." counts as ",".
std::array<std::optional<double>, DatenfileZahlen> leseDatenfileText(const QString& text, QChar dezimal);
// The same from the file's bytes: bytes that are no text (see textLesen) give no number at all and, in
// fehler, the reason.
std::array<std::optional<double>, DatenfileZahlen> leseDatenfile(const QByteArray& inhalt, QChar dezimal,
                                                                 QString* fehler = nullptr);
// The first line of a data file's text when it is no separator ("," or "."), else nothing.
std::optional<QString> fremderDatenfileTrenner(const QString& text);

}  // namespace zelmo
