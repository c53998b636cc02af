// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawings of the NE555 page: the astable multivibrator (free pulse and pause), the astable one
// with the diode across R2 for 50 % : 50 %, the monostable one, each with the shape of its output
// signal, and the top view of the 8-pin package with the pin functions.

#include <QSizeF>

class QPainter;

namespace zelmo::ne555bild {

// Logical sizes of the drawings (the Schaltbild widget scales them to its size).
inline constexpr QSizeF schaltungGroesse{300, 349};
inline constexpr QSizeF gehaeuseGroesse{289, 182};

void astabil(QPainter& p);
void astabilMitDiode(QPainter& p);
void monostabil(QPainter& p);
void gehaeuse(QPainter& p);

}  // namespace zelmo::ne555bild
