// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The eight circuit pictures of the constant-current page: two transistors, two diodes with a
// transistor, a J-FET, a Z-diode with a transistor, each for npn (n-channel) and pnp (p-channel).
// The pnp drawings are the npn ones turned upside down, so the supply stays on top and the load
// current flows downwards in every picture.

#include <QSizeF>

class QPainter;

namespace zelmo::kstrombild {

// Logical size of every picture (the widget scales it).
inline constexpr QSizeF groesse{290, 380};

void zweiTransistoren(QPainter& p, bool pnp);
void zweiDioden(QPainter& p, bool pnp);
void jfet(QPainter& p, bool pChannel);
void zDiode(QPainter& p, bool pnp);

// The picture of a sum kStrom1 + kStrom2 (0, 1, 10, 11, 20, 21, 30, 31); nothing for any other sum.
void zeichne(QPainter& p, int summe);

}  // namespace zelmo::kstrombild
