// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Timing of the 555 timer: astable multivibrator (pulse t1, pause t2, frequency, duty cycle; pulse and
// pause freely chosen by R1 and R2, or fixed at 50 % each with the diode across R2) and monostable
// multivibrator (pulse t1). No widgets here; the page reads its values, calls these, writes results.

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

namespace zelmo {

// What the NE555 page remembers: R1 and C of each circuit, so that switching between them loses
// neither. R2 belongs to the astable circuit only and lives as the text of its field.
struct NE555 {
    double asta_R1 = 120000;  // ohm
    double mono_R1 = 10000;   // ohm
    double asta_C = 1.5e-8;   // farad
    double mono_C = 8.2e-9;   // farad
};

namespace ne555 {

// The timing constants of the data sheet, exactly these decimal values (not ln 2).
inline constexpr double kAstabil = 0.694;
inline constexpr double kMonostabil = 1.1;

// Items of RG_NE555_Multiart and RG_NE555_Tast.
enum Art : int { Astabil = 0, Monostabil = 1 };
enum Tast : int { Beliebig = 0, Fest = 1 };
QStringList artNamen();
QStringList tastNamen();

struct AstabilErgebnis {
    double t1;  // pulse (output high), seconds
    double t2;  // pause (output low), seconds
    double F;   // hertz
    double D1;  // share of the pulse in the period, percent
    double D2;  // share of the pause, percent
};

// Free times: t1 = 0,694 (R1 + R2) C, t2 = 0,694 R2 C. Fixed 50 %: t1 = t2 = 0,694 R1 C, R2 is not
// used (it equals R1 in that circuit). F = 1 / (t1 + t2). Nothing when an input needed is not a finite
// value above 0 or a result is not finite (so that no page ever shows "inf" or "nan").
std::optional<AstabilErgebnis> astabil(double R1, double R2, double C, bool fest);

// t1 = 1,1 R1 C; nothing for inputs that are not finite values above 0.
std::optional<double> monostabil(double R1, double C);

// R2 as the astable calculation reads it from the text of its field: the number, when the text is one
// that the field would accept (5 ohm to 999 kohm). A text typed but not confirmed with Enter may be
// anything; outside that range it gives nothing instead of a wrong or meaningless result.
std::optional<double> r2AusText(const QString& text, QChar dezimal);

// Caption of the "beliebig" item with a result: "66,67 : 33,33%".
QString tastText(double D1, double D2, QChar dezimal);

}  // namespace ne555

}  // namespace zelmo
