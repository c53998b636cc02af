// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawings of the LM317 page: the regulator as voltage regulator (R1, R2) and as current regulator
// (R2 and the load), drawn with the shared schematic symbols, and the pin-outs of the ten housings.

#include <QSizeF>

class QPainter;

namespace zelmo::lm317bild {

// Logical sizes (the Schaltbild widget scales them to its size).
inline constexpr QSizeF schaltungGroesse{300, 190};
inline constexpr QSizeF anschlussGroesse{280, 164};

void spannungsregler(QPainter& p);
void stromregler(QPainter& p);

// Pin-out of a housing by its index in the housing table (0 TO 220 ... 9 SOT 223); nothing for others.
void anschlussbild(QPainter& p, int gehaeuse);

}  // namespace zelmo::lm317bild
