// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resistor colour code: its record, ring tables, codings and value sets. Pure logic.

#include <QChar>
#include <QString>
#include <optional>
#include <span>

#include "colourcode/ringe.h"

namespace zelmo {

// The values of the resistor sub-page, one set per ring count.
struct Widerstand {
    double Wert_4R = 0;       // ohm, 4 rings
    double Wert_5R = 0;       // ohm, 5 rings
    double Toleranz_4R = 0;   // percent
    double Toleranz_5R = 0;
    double Spannung_4R = 0;   // volt
    double Spannung_5R = 0;
};

namespace widerstandcode {

// The set of values of the selected ring count.
inline double& wert(Widerstand& w, bool fuenf) { return fuenf ? w.Wert_5R : w.Wert_4R; }
inline double& toleranz(Widerstand& w, bool fuenf) { return fuenf ? w.Toleranz_5R : w.Toleranz_4R; }
inline double& spannung(Widerstand& w, bool fuenf) { return fuenf ? w.Spannung_5R : w.Spannung_4R; }

// The digit text of a resistor is its value in milliohm.
inline constexpr double Ziffernskala = 1000;

const Ringtabelle& ersteZiffer();  // RG_R_1: "0" present but never a colour
const Ringtabelle& ziffer();       // RG_R_2, RG_R_3
const Ringtabelle& multiplikator();
const Ringtabelle& toleranz();
const Ringtabelle& spannung();

// Rings from a value: two digits (4 rings) or three (5 rings) and the multiplier by digit count.
const Ringcodierung& codierung(bool fuenf);

// Prefix table of the tolerance limits (" G\u2126" ... " m\u2126" in ohm).
std::span<const Grenzstufe> grenzStufen();

// The tolerance ring row of a tolerance (t * 100 compared exactly); nothing for other tolerances.
std::optional<int> toleranzZeile(double t);
// The voltage ring row of a voltage (exact); 500 V gives yellow, never the no-ring row.
std::optional<int> spannungZeile(double u);

// Enter in R_E_T: nothing when the tolerance is one of the ring's, else the message.
std::optional<QString> toleranzPruefung(double t, const QString& eingabe);
// Enter in R_E_U: the accepted voltage is the integer part of the entry.
double spannungAusEingabe(double u);
std::optional<QString> spannungPruefung(double u, const QString& eingabe);

}  // namespace widerstandcode

}  // namespace zelmo
