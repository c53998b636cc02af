// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The number codes printed on SMD resistors (3 digits, 4 digits, EIA-96) and on capacitors (3 digits in
// picofarad with tolerance letter and EIA voltage code), read in both directions: code to value, value
// to the code of every system that can express it exactly, or the nearest codes below and above.
// Pure logic: the sub-page "SMD-Code" holds the widgets and calls in here.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>

#include "colourcode/ringe.h"

namespace zelmo::smdcode {

// The item of RG_SMD.
enum class System { Dreistellig = 0, Vierstellig = 1, EIA96 = 2, Kondensator = 3 };
inline constexpr std::array<System, 4> alleSysteme{System::Dreistellig, System::Vierstellig, System::EIA96,
                                                  System::Kondensator};
inline constexpr std::array<System, 3> widerstandsSysteme{System::Dreistellig, System::Vierstellig, System::EIA96};

// "3-stellig", "4-stellig", "EIA-96", "Kondensator": the items of RG_SMD and the names in the code list.
QString systemName(System s);
inline bool istWiderstand(System s) { return s != System::Kondensator; }

// A tolerance letter of the capacitor code. Deviations are percent, or picofarad where pikofarad is set.
struct Toleranzbuchstabe {
    char16_t buchstabe;
    double plus;
    double minus;
    bool pikofarad;
};
// B, C, D (picofarad), F, G, J, K, M, Z (+80/-20 %).
std::span<const Toleranzbuchstabe> toleranzBuchstaben();
// The letter, upper or lower case; nothing for any other character.
const Toleranzbuchstabe* toleranzBuchstabe(QChar c);

// An EIA voltage code of the capacitor code ("1H" = 50 V).
struct Spannungscode {
    const char16_t* code;
    double volt;
};
std::span<const Spannungscode> spannungsCodes();
// The voltage of a code, upper or lower case; nothing for an unknown code.
const Spannungscode* spannungsCode(const QString& code);
// The code of a voltage (exact to a millivolt); nothing for a voltage without code.
const Spannungscode* spannungsCode(double volt);

// What a code says.
struct Lesung {
    double wert = 0;                       // ohm, or farad for a capacitor
    QString code;                          // the code in normal form: upper case, no blanks, "2A104J"
    const Toleranzbuchstabe* toleranz = nullptr;  // capacitor only
    const Spannungscode* spannung = nullptr;      // capacitor only
};
// A reading, or the German message that names what is wrong with the code.
struct Leseergebnis {
    std::optional<Lesung> lesung;
    QString fehler;
};
Leseergebnis lesen(System s, const QString& eingabe);

// The code of a value (ohm or farad) in a system, when the system expresses it exactly; a capacitor
// code without tolerance and voltage.
std::optional<QString> codeFuer(System s, double wert);
// The value of a code the program made (codeFuer, naechsteCodes); 0 for text that is no code.
double wertDesCodes(System s, const QString& code);

// The nearest codes below and above a value the system cannot express.
struct Nachbarn {
    std::optional<QString> unten;
    std::optional<QString> oben;
};
Nachbarn naechsteCodes(System s, double wert);

// A capacitor code with its voltage code in front and its tolerance letter behind: "2A104J".
QString kondensatorCode(const QString& wertcode, const Toleranzbuchstabe* t, const Spannungscode* u);

// One line of the code list: "3-stellig: 472", or "3-stellig: nicht darstellbar (darunter 472 =
// 4,70 kΩ, darüber 482 = 4,80 kΩ)".
QString listenZeile(System s, double wert, QChar dezimal, const Toleranzbuchstabe* t = nullptr,
                    const Spannungscode* u = nullptr);
// The lines of every system of the component kind: the three resistor systems, or the capacitor.
QStringList listenZeilen(bool kondensator, double wert, QChar dezimal, const Toleranzbuchstabe* t = nullptr,
                         const Spannungscode* u = nullptr);

// A value with its unit as the page shows it: "4,70 kΩ", "100,00 nF".
QString wertText(bool kondensator, double wert, QChar dezimal);
// SMD_E_T: "±5 % (J)", "±0,25 pF (C)", "+80/−20 % (Z)".
QString toleranzText(const Toleranzbuchstabe& t, QChar dezimal);
// SMD_E_U: "100,00 V (2A)".
QString spannungText(const Spannungscode& u, QChar dezimal);

// Every EIA-96 resistor is a 1-% part.
inline constexpr double EIA96Toleranz = 1.0;
// The limits of a value: ±t percent, or by a capacitor's tolerance letter (the lower one never below 0).
Toleranzgrenzen grenzen(double wert, double plus, double minus, bool kondensator, QChar dezimal);
Toleranzgrenzen grenzen(double wert, const Toleranzbuchstabe& t, QChar dezimal);

// Reading SMD_E_T: a tolerance letter alone or in brackets, a percentage ("5", "5 %"), picofarad
// ("0,25p", "0,25 pF"); an empty text means no tolerance. Nothing when the entry names no letter.
struct Toleranzeingabe {
    bool gueltig = false;
    const Toleranzbuchstabe* toleranz = nullptr;  // nullptr with gueltig: no tolerance
};
Toleranzeingabe toleranzAusEingabe(const QString& eingabe, QChar dezimal);
// Reading SMD_E_U: a code ("2A") alone or in brackets, or a voltage ("100", "100 V"); empty: none.
struct Spannungseingabe {
    bool gueltig = false;
    const Spannungscode* spannung = nullptr;
};
Spannungseingabe spannungAusEingabe(const QString& eingabe, QChar dezimal);
// The messages of refused tolerance and voltage entries.
QString toleranzMeldung(const QString& eingabe);
QString spannungMeldung(const QString& eingabe);
// The message of a tolerance letter in picofarad on a capacitor above 10 pF.
QString pikofaradMeldung(QChar buchstabe);
// A letter in picofarad fits only a capacitor of at most 10 pF.
bool passtZumWert(const Toleranzbuchstabe& t, double farad);

}  // namespace zelmo::smdcode
