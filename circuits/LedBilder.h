// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawings of the LED page: the circuit with one LED and with several LEDs in series (each with its
// series resistor on the supply U), and the pin-out of a 5 mm LED from below and from the side.

#include <QColor>
#include <QSizeF>

class QPainter;

namespace zelmo::ledbild {

// Logical sizes of the drawings (the Schaltbild widget scales them to its size).
inline constexpr QSizeF schaltungGroesse{620, 185};
inline constexpr QSizeF anschlussGroesse{130, 178};

void eineLed(QPainter& p);
void vieleLeds(QPainter& p);
// koerper: the colour of the LED's body (follows the chosen LED colour).
void anschlussbild(QPainter& p, const QColor& koerper);

// Body colour of a colour item of RG_LED_Farbe (a neutral one without a colour).
QColor koerperFarbe(int farbe);

}  // namespace zelmo::ledbild
