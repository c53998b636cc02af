// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Constant-current source in one of four circuits (two transistors, two silicon diodes with a transistor,
// a J-FET, a Z-diode with a transistor), each for both polarities: the reference voltage remembered per
// circuit, the current-setting resistor R1, the bias resistor R2 and the largest load RL that still gets
// the set current. No widgets here; the page reads its texts, calls these and writes the results.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "values/zahlen.h"

namespace zelmo {

// What the page remembers: the reference voltage of each circuit (volts). Settings and data file read
// and restore it.
struct KStrom {
    double Trans = 1.2;   // two transistors: base-emitter voltage U_BE
    double Dioden = 1.4;  // two silicon diodes in series: U_f
    double JFET = 3.2;    // J-FET: gate-source voltage U_GS
    double ZDiode = 2.5;  // Z-diode: Z voltage U_Z
};

namespace kstrom {

// Items of RG_kStrom_Schaltung.
enum Schaltung : int { ZweiTransistoren = 0, ZweiDioden = 1, Jfet = 2, ZDiode = 3 };
inline constexpr int anzahlSchaltungen = 4;

// Fixed voltages of the formulas: base-emitter voltage of the transistor behind the diodes, the least
// collector-emitter voltage, the least drain-source voltage of the J-FET.
inline constexpr double Ube = 0.7;
inline constexpr double Uce = 1.0;
inline constexpr double Ugs = 2.0;

// Everything that belongs to one circuit item.
struct Schaltungsdaten {
    int code;                        // kStrom1: 0, 10, 20, 30
    const char16_t* name;            // the item of RG_kStrom_Schaltung
    const char16_t* polaritaet[2];   // captions of the two items of RG_kStrom_npnpnp
    const char16_t* referenzText;    // Label176
    const char16_t* referenzIndex;   // its subscript Label162
    bool querstrom;                  // the cross current Iq (and R2) belong to the circuit
};
// The data of a circuit item; nullptr for no (or an unknown) item.
const Schaltungsdaten* schaltung(int item);
QStringList schaltungsNamen();
// The design captions of RG_kStrom_npnpnp, shown until a circuit is picked.
QStringList polaritaetsNamen();

// The eight circuit pictures, by the sum kStrom1 + kStrom2.
struct Bild {
    int summe;
    const char* name;        // objectName
    const char16_t* hinweis;
};
const std::array<Bild, 8>& bilder();
const Bild* bildFuer(int summe);  // nullptr for a sum without a picture

// The remembered reference voltage of a circuit item; nullptr for no (or an unknown) item.
double* referenz(KStrom& k, int item);
std::optional<double> referenz(const KStrom& k, int item);

// Results in ohm. A value is missing where its division has no meaning (I or Iq not above 0) or the
// inputs are not finite; R2 is always missing for the J-FET. Negative values (a supply too small for the
// circuit) are results.
struct Ergebnis {
    std::optional<double> R1;
    std::optional<double> R2;
    std::optional<double> RL;
};
// item 0: R1 = V / I, R2 = (U - 2 V) / Iq, RL = (U - V - Uce) / I
// item 1, 3: R1 = (V - Ube) / I, R2 = (U - V) / Iq, RL = (U - ((V - Ube) + Uce)) / I
// item 2: R1 = V / I, RL = (U - Ugs - V) / I
// An unknown item gives no values.
Ergebnis berechnen(int item, double U, double I, double Iq, double V);

// A result as its field and label show it: " " + the number scaled to its prefix with two decimals,
// and prefix + "Ω". Without a value "---" and "Ω".
struct Ohmanzeige {
    QString zahl;
    QString einheit;
};
Ohmanzeige ohmAnzeige(std::optional<double> wert, QChar dezimal);

// The reference field's text when a circuit is shown: Zahlenausgabe and " V", so that a value without
// prefix reads "1,20  V" with two blanks ("500,00 m V"); an entry shows "1,20 V" as every field does.
QString referenzAnzeige(double wert, QChar dezimal);

// The conversion error of a field text that is no number, when the calculation reads it.
QString meldungKeinGleitkommawert(const QString& text);

}  // namespace kstrom

}  // namespace zelmo
