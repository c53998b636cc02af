// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Adjustable three-terminal regulator of the LM317 kind as voltage or current regulator: the
// programming resistor R2, the power in the IC, the junction temperature without heat sink and the
// largest thermal resistance a heat sink may have. The housing and washer tables, the cross-checks of
// the two voltages and the page's texts. No widgets here.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>

namespace zelmo {

// One thermal resistance per housing (K/W), in the order of the housing combo box.
struct LM317_Gehaeusewerte {
    double TO220 = 0;
    double TO247 = 0;
    double TO3 = 0;
    double TO92 = 0;
    double TO39 = 0;
    double DIP_PS = 0;
    double DIP_D_PW = 0;
    double TO263 = 0;
    double SOT252 = 0;
    double SOT223 = 0;
};

// What the last calculation used, and the largest permitted junction temperature (an option).
struct LM317_Berechnungen {
    double Rthjc = 0;    // K/W, junction to case
    double Rthja = 0;    // K/W, junction to ambient
    double Tu = 0;       // °C, ambient
    double Tjmax = 125;  // °C, set by the options
    double Iso = 0;      // K/W, insulating washer
};

namespace lm317 {

inline constexpr double Uref = 1.25;           // V between OUT and ADJ
inline constexpr double LM317_U_InOut = 0.1;   // V, least difference between input and output
inline constexpr double toleranz = 0.001;      // V, of the voltage cross-checks

enum Reglerart : int { Spannungsregler = 0, Stromregler = 1 };
QStringList reglerartNamen();

// --- housings
inline constexpr int anzahlGehaeuse = 10;
struct Gehaeuse {
    const char16_t* eintrag;  // item of the housing combo box
    const char* bild;         // objectName of its pin-out picture
    bool vonUnten;            // the picture shows the housing from below (else from the top)
    double rthjc;             // first-start values, K/W
    double rthja;
};
const std::array<Gehaeuse, anzahlGehaeuse>& gehaeuse();
QStringList gehaeuseNamen();
// "Draufsicht" or "Ansicht von unten"
QString ansicht(const Gehaeuse& g);
// The value of housing index in a record; nullptr (nothing) for no or an unknown housing.
double* gehaeuseWert(LM317_Gehaeusewerte& w, int index);
std::optional<double> gehaeuseWert(const LM317_Gehaeusewerte& w, int index);
// The first-start values of both records.
void ersterStartWerte(LM317_Gehaeusewerte& rthjc, LM317_Gehaeusewerte& rthja);

// --- insulating washers (the value comes from the item index, not from the item's text)
QStringList isoNamen();
std::optional<double> isoWert(int index);

// --- cross-checks of the voltage fields
// Three-way comparison: 0 when a and b differ by at most eps, else -1 (a < b) or 1.
int vergleiche(double a, double b, double eps);
// U1 leaves less than LM317_U_InOut above U2 (refused on entering U1).
bool u1ZuKlein(double u1, double u2);
// U2 comes closer than LM317_U_InOut to U1 (refused on entering U2).
bool u2ZuGross(double u2, double u1);
QString meldungU1();
QString meldungU2();

// --- calculation
struct Eingaben {
    int reglerart = Spannungsregler;
    double U1 = 0;
    double U2 = 0;
    double I = 0;
    double R1 = 0;  // used by the voltage regulator only
    double Tu = 0;
    double Rthjc = 0;
    double Rthja = 0;
    double Iso = 0;
    double Tjmax = 125;
};

enum class Urteil {
    keinKuehlkoerper,    // the junction stays at or below Tjmax without heat sink
    kuehlkoerperNoetig,  // a heat sink of at most RthKK is needed
    stromZuHoch,         // not even an ideal heat sink keeps the junction at Tjmax
};

struct Ergebnis {
    double R2;     // ohm
    double P;      // W in the IC
    double Tj;     // °C without heat sink
    double RthKK;  // K/W, largest thermal resistance of the heat sink (negative: none will do)
    Urteil urteil;
};

// Inputs that give no meaningful result. The entry fields refuse them, but a text typed without Enter
// or a restored one reaches the calculation unchecked.
enum class Fehler {
    U1, U2, I, R1, Tu, Rthjc, Rthja,  // outside the range of its entry field
    u1ZuKlein,     // U1 leaves the regulator less than its least input-output difference above U2
    keinErgebnis,  // a value that is not finite (Tjmax)
};

// Voltage regulator: R2 = (U2 / 1,25 - 1) R1, P = (U1 - U2) I.
// Current regulator: R2 = 1,25 / I, P = (U1 - U2 + 1,25) I.
// Tj = P Rthja + Tu; RthKK = (Tjmax - Tu) / P - Rthjc - Iso (the washer lies in series with the
// heat sink, so it leaves less for the sink). A heat sink is needed when Tj > Tjmax; when it is and
// RthKK < 0, the current is too high for the housing.
// The inputs are first held to the ranges of their fields and to the cross-check of U1 and U2, so that
// every result is a finite number of sensible size.
std::variant<Ergebnis, Fehler> berechnen(const Eingaben& e);

QString urteilText(Urteil u);
QString fehlerText(Fehler f);

// The conversion error of a field text that is no number (shown in the standard error box).
QString meldungKeinGleitkommawert(const QString& text);

}  // namespace lm317

}  // namespace zelmo
