// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which labels name an entry field, found from where they stand (the pages place their controls with
// fixed geometry): the labels just left of the field on its row, joined when they touch (an index
// written as a small label right after its letter); without those, the nearest label just above it.

#include <QRect>
#include <QString>
#include <vector>

namespace zelmo {

struct Beschriftung {
    QRect text;  // where the label's text stands (not the whole label)
    QString inhalt;
};

// feld: the field; andere: the other controls on the same parent (a label beyond one of them
// belongs to that one). Only texts that start with a letter name a field (not "<" or "120,00 Ω").
// Returns the name with its blanks simplified, empty when no label fits.
QString feldname(const QRect& feld, const std::vector<Beschriftung>& beschriftungen, const std::vector<QRect>& andere);

}  // namespace zelmo
