// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The capacitor colour code: its record, ceramic and tantalum ring tables, rings from a value, the
// tolerance classes of ceramic capacitors, tolerance and voltage sets and their messages. Pure logic.

#include <QChar>
#include <QString>
#include <optional>
#include <span>

#include "colourcode/ringe.h"

namespace zelmo {

// The values of the capacitor sub-page.
struct Kondensator {
    double Wert_Ker = 0;      // farad, ceramic
    double Wert_Tan = 0;      // farad, tantalum
    double Toleranz_U10 = 0;  // ceramic up to 10 pF: picofarad, or percent when exactly 20
    double Toleranz_O10 = 0;  // ceramic above 10 pF: percent
    double Spannung_U10 = 0;  // volt, the ceramic capacitor's voltage
    double Spannung_O10 = 0;  // volt, kept equal to Spannung_U10 (one voltage for every ceramic capacitor)
    double Spannung_Tan = 0;  // volt, tantalum
};

namespace kondensatorcode {

// The item of RG_Kondensatore.
enum class Art { Kerko = 0, Tantal = 1 };

inline double& wert(Kondensator& k, Art a) { return a == Art::Kerko ? k.Wert_Ker : k.Wert_Tan; }
inline double& spannung(Kondensator& k, Art a) { return a == Art::Kerko ? k.Spannung_U10 : k.Spannung_Tan; }
// Stores a voltage of the kind (a ceramic one in both ceramic fields).
void spannungSetzen(Kondensator& k, Art a, double u);

// A ceramic value of at most 10 pF carries its tolerance in picofarad; 10p itself belongs to it.
bool hoechstens10p(double wert);

// The digit text of both kinds is the value in units of 0.01 pF; a digit ring changes the text of the
// value in 0.01 pF (ceramic) or in nanofarad (tantalum).
inline constexpr double Textfaktor = 1e14;
double ziffernskala(Art a);

const Ringtabelle& ersteZiffer();  // RG_C_1: "0" present but never a colour
const Ringtabelle& ziffer();       // RG_C_2
const Ringtabelle& multiplikatorKer();
const Ringtabelle& multiplikatorTan();
const Ringtabelle& multiplikator(Art a);
const Ringtabelle& toleranzU10();  // "0,1p" ... "1p", "20 %"
const Ringtabelle& toleranzO10();  // "20%" ... "10%"
const Ringtabelle& toleranz(bool hoechstens10p);
const Ringtabelle& spannungKer();
const Ringtabelle& spannungTan();
const Ringtabelle& spannung(Art a);

// Rings from a value: two digits and the multiplier by the digit count of the kind.
const Ringcodierung& codierung(Art a);

// Prefix table of the tolerance limits (" F" ... " fF").
std::span<const Grenzstufe> grenzStufen();
// The deviation at the tolerance limits of a ceramic capacitor in its class.
double abweichung(const Kondensator& k, bool hoechstens10p);
// The limits of a ceramic capacitor in its class; a deviation in picofarad larger than the value itself
// puts the lower limit at zero, not below.
Toleranzgrenzen grenzen(const Kondensator& k, bool hoechstens10p, QChar dezimal);
// A tolerance as C_E_T shows it in the class: "20 %", "0,25 pF", "5 %".
QString toleranzText(double t, bool hoechstens10p, QChar dezimal);
// The stored tolerance of the class, shown that way.
QString toleranzText(const Kondensator& k, bool hoechstens10p, QChar dezimal);

// The tolerance ring row of the class (0.1 pF within rounding, the others exact).
std::optional<int> toleranzZeile(bool hoechstens10p, double t);
// The voltage ring row: ceramic exact (500 V gives green, never the no-ring row); tantalum by u * 10
// (35 V gives red, never orange).
std::optional<int> spannungZeile(Art a, double u);

// Enter in C_E_T and C_E_U: nothing when the entry is one of the set, else the message.
std::optional<QString> toleranzPruefung(bool hoechstens10p, double t, const QString& eingabe);
std::optional<QString> spannungPruefung(Art a, double u, const QString& eingabe);
// The voltage stored for an accepted entry (tantalum: u * 10 / 10).
double spannungAusEingabe(Art a, double u);

// Rows disabled besides the empty ones.
struct Sperren {
    std::vector<int> multiplikator;
    std::vector<int> toleranz;  // of the class
    std::vector<int> spannung;
};
Sperren gesperrt(Art a, bool hoechstens10p);

}  // namespace kondensatorcode

}  // namespace zelmo
