// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The inductor colour code: its record, the three coding systems, ring tables, rings from a value,
// tolerance sets and their messages. Pure logic.

#include <QChar>
#include <QString>
#include <optional>
#include <span>

#include "colourcode/ringe.h"

namespace zelmo {

// The values of the inductor sub-page, one set per coding system.
struct Drossel {
    double Wert_IEC = 0;        // henry
    double Wert_Dezi = 0;
    double Wert_Multi = 0;
    double Toleranz_IEC = 0;    // percent
    double Toleranz_Dezi = 0;
    double Toleranz_Multi = 0;
};

namespace drosselcode {

// The item of RG_Drossel.
enum class System { IEC = 0, JahreDezi = 1, JahreMulti = 2 };

inline double& wert(Drossel& d, System s) {
    return s == System::IEC ? d.Wert_IEC : s == System::JahreDezi ? d.Wert_Dezi : d.Wert_Multi;
}
inline double& toleranz(Drossel& d, System s) {
    return s == System::IEC ? d.Toleranz_IEC : s == System::JahreDezi ? d.Toleranz_Dezi : d.Toleranz_Multi;
}

// The gold row of a digit ring stands for the decimal point (Jahre Dezi).
inline constexpr int KommaZeile = 10;

// RG_L_1 to RG_L_3: digits "0" to "9", the decimal-point row 10 (gold, labelled with the separator).
Ringtabelle ziffer(QChar dezimal);
const Ringtabelle& multiplikatorIEC();
const Ringtabelle& multiplikatorJahre();  // "x 100m" to "x 1 k" have text but no colour
const Ringtabelle& toleranzIEC();
const Ringtabelle& toleranzJahre();
const Ringtabelle& multiplikator(System s);  // IEC or Jahre Multi (Jahre Dezi: the Jahre table)
const Ringtabelle& toleranz(System s);

// The digit text of IEC and Jahre Multi is the value in nanohenry; the three Jahre Dezi rings carry
// the digits and the decimal point of the value in microhenry.
double ziffernskala(System s);
// Digit character of a ring colour; gold is the decimal separator.
QChar ringzeichen(Farbwert f, QChar dezimal);

// Rings from a value: digit rows (a decimal separator in second place gives the gold row) and the
// multiplier row (none in Jahre Dezi).
Ringbelegung ringeAusWert(double wert, System s, QChar dezimal);

// Prefix table of the tolerance limits (" H" ... " nH").
std::span<const Grenzstufe> grenzStufen();

// The tolerance ring row of a tolerance (exact); nothing for tolerances the system does not have.
std::optional<int> toleranzZeile(System s, double t);
// Enter in L_E_T: nothing when the tolerance is one of the system's, else the message.
std::optional<QString> toleranzPruefung(System s, double t, const QString& eingabe);

// Rows of the groups that are disabled besides the empty ones, per system.
struct Sperren {
    std::vector<int> ersteZiffer;  // RG_L_1
    std::vector<int> ziffer;       // RG_L_2, RG_L_3
    std::vector<int> multiplikator;
    std::vector<int> toleranz;
};
const Sperren& gesperrt(System s);

}  // namespace drosselcode

}  // namespace zelmo
