// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawings of the star-delta page and of its picture dialog, made of the shared schematic symbols.
// Every drawing names the resistors and terminals alike: Rs1, Rs2, Rs3 lead from the star point to the
// terminals 1, 2, 3; Rd1 lies between 1 and 3, Rd2 between 1 and 2, Rd3 between 2 and 3.

#include <QSizeF>

class QPainter;

namespace zelmo::sdbild {

// The star and the delta circuit on the page.
inline constexpr QSizeF schaltungGroesse{200, 260};
void stern(QPainter& p);
void dreieck(QPainter& p);

// The small picture between them: conversion both ways.
inline constexpr QSizeF wandlungGroesse{50, 60};
void wandlung(QPainter& p);

// The dialog: further forms of each circuit and its conversion formulas.
inline constexpr QSizeF dialogGroesse{628, 225};
void sternFormen(QPainter& p);    // Y and T, with the star from a delta
void dreieckFormen(QPainter& p);  // triangle and Π, with the delta from a star

}  // namespace zelmo::sdbild
