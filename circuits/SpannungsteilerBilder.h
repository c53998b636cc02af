// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The four circuit pictures of the divider page, drawn with the shared schematic symbols.

#include <QSizeF>

class QPainter;

namespace zelmo::teilerbild {

// Logical size of every picture (the widget scales it).
inline constexpr QSizeF groesse{250, 312};

void spannungOhneLast(QPainter& p);
void spannungMitLast(QPainter& p);
void stromOhneLast(QPainter& p);
void stromMitLast(QPainter& p);

}  // namespace zelmo::teilerbild
