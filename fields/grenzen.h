// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The range limits of every range-checked entry field and the standard entry messages.

#include <QChar>
#include <QString>
#include <optional>
#include <span>

namespace zelmo {

struct Grenze {
    const char* feld;      // objectName of the field it bounds
    double min;            // inclusive
    double max;            // inclusive
    const char16_t* s1;    // text between the typed text and "  ist außerhalb"
    const char16_t* r;     // range text, written with "," (replaced by the system separator)
    const char16_t* einheit;  // unit appended on re-display
    const char16_t* praefix = u"Die Eingabe ";  // start of the range message
};

// The entries of the limits table, one per range-checked field, named after it. A field is given its
// entry when it is built (Eingabefeld); fields without a fixed range (the tolerance and voltage fields
// of the colour codes, LED_E_Uf, User_Leds) have none.
namespace grenzen {
extern const Grenze R_E_Wert, L_E_Wert, C_E_Wert, Toleranz_E_Wert,
    SpT_E_U, SpT_E_U2, SpT_E_IR1, SpT_E_IL, SpT_E_RL, SpT_E_R1, SpT_E_R2, SpT_E_GR,
    SpT_E_Strom_I, SpT_E_Strom_I2, SpT_E_Strom_U, SpT_E_Strom_UL, SpT_E_Strom_RL,
    LED_E_U, LED_E_I, NE555_E_R1, NE555_E_R2, NE555_E_C,
    LM317ner_E_U1, LM317ner_E_U2, LM317ner_E_I, LM317ner_E_R1, LM317ner_E_Tu, LM317ner_E_Rthjc, LM317ner_E_Rthja,
    kStrom_E_U, kStrom_E_I, kStrom_E_Iq, kStrom_E_Uf,
    SD_E_Rs1, SD_E_Rs2, SD_E_Rs3, SD_E_Rd1, SD_E_Rd2, SD_E_Rd3,
    Norm_E_Toleranz, Norm_E_C_Toleranz, Norm_E_Last;
}  // namespace grenzen

// Every entry, in table order.
std::span<const Grenze* const> alleGrenzen();

// Range text of a limit with the system decimal separator.
QString bereichsText(const Grenze& g, QChar dezimal);

// "Die eingegebene Zahl " + text + einschub + "  ist keine Gleitkommazahl !"
QString meldungKeineZahl(const QString& text, const QString& einschub = {});

// praefix + text + s1 + "  ist außerhalb\r\rdes gültigen Wertebereiches: " + bereich
QString meldungAusserhalb(const QString& text, const QString& s1, const QString& bereich,
                          const QString& praefix = QStringLiteral("Die Eingabe "));

// The whole range test of one field: empty when the value lies inside, else the message.
std::optional<QString> pruefeBereich(const Grenze& g, double wert, const QString& text, QChar dezimal);

// Named limits, as the formulas and pages use them.
namespace Rechengrenzen120 {
inline constexpr double R_min = 1e-9, R_max = 1e12;
inline constexpr double L_min = 1e-10, L_max = 100;
inline constexpr double C_min = 1e-14, C_max = 10;
// from 1 y: every value the tolerance page lists then keeps a prefix and two significant decimals
inline constexpr double Tol_min = 1e-24, Tol_max = 1e27;
inline constexpr double U_min = 9.99e-10, U_max = 1e9;
inline constexpr double U2_min = 9.99e-13, U2_max = 1e9;
inline constexpr double I_min = 9.99e-10, I_max = 1e9;
inline constexpr double RL_min = 0.01, RL_max = 1e12;
inline constexpr double R1_min = 0, R1_max = 1e12;
inline constexpr double R2_min = 0, R2_max = 1e12;
inline constexpr double RG_min = 0, RG_max = 1e12;
inline constexpr double LED_U_min = 1, LED_U_max = 1e12;
inline constexpr double LED_I_min = 0.001, LED_I_max = 10;
inline constexpr double LM317U1_min = 1.3, LM317U1_max = 40;
inline constexpr double LM317U2_min = 1.25, LM317U2_max = 38;
inline constexpr double LM317I_min = 0.001, LM317I_max = 10;
inline constexpr double LM317R1_min = 100, LM317R1_max = 10000;
inline constexpr const char* LM317Tu_min = "-40";
inline constexpr const char* LM317Tu_max = "125";
inline constexpr const char* LM317Rthjc_min = "1E-2";
inline constexpr const char* LM317Rthjc_max = "100";
inline constexpr const char* LM317Rthja_min = "1";
inline constexpr const char* LM317Rthja_max = "250";
inline constexpr double NE555R1_min = 5, NE555R1_max = 999000;
inline constexpr double NE555R2_min = 5, NE555R2_max = 999000;
inline constexpr double NE555C_min = 1e-9, NE555C_max = 0.999;
inline constexpr double kStromU_min = 1e-7, kStromU_max = 999000;
inline constexpr double kStromI_min = 1e-6, kStromI_max = 9.99e7;
inline constexpr double kStromIq_min = 1e-6, kStromIq_max = 9.99e7;
inline constexpr double kStromUf_min = 0.4, kStromUf_max = 2;
// the window "Normwerte": tolerances of the parts and the largest permitted load, in %
inline constexpr double NormToleranz_min = 0.01, NormToleranz_max = 50;
inline constexpr double NormLast_min = 1, NormLast_max = 100;
// the largest permitted junction temperature of the options (°C)
inline constexpr double Tjmax_min = 50, Tjmax_max = 175;
inline constexpr const char* SDRs_min = "1E-21";  // SDRs1_min ... SDRd3_max share these bounds
inline constexpr const char* SDRs_max = "1E21";
}  // namespace Rechengrenzen120

}  // namespace zelmo
