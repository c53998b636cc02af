// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Formulas of the voltage and current divider page: plain numbers in, plain numbers out.
//
// Every function checks what it divides by and what it hands on, and says why it gives no result
// instead of producing "inf", "nan", a zero or a negative value that a later step would divide by.
// Values that the page writes into one of its entry fields are checked as the field will show them
// (two decimals with prefix), because the next calculation reads them back from there.

#include <QChar>
#include <QString>
#include <optional>
#include <variant>

namespace zelmo {

// The page's record: two ratios that are kept with the settings (no calculation reads them).
struct Spannungsteiler {
    double Ratio1 = 0;
    double Ratio2 = 0;
};

namespace teiler {

// Why a calculation gives no result; a and b carry the values the message names.
struct Hindernis {
    enum class Art {
        Eingabe,              // an input is no positive finite number
        U2NichtKleinerU,      // a = U2, b = U
        I2NichtKleinerI,      // a = I2, b = I
        LastZuGross,          // current divider with load: a = I2 × RL, b = U
        StromNichtGroesserIL, // voltage divider with load: a = I (through R1), b = IL
        QuerstromfaktorNull,  // (I - IL) / IL shows as 0,00 or less: a = that value
        WiderstandNull,       // a = 1 (R1), 2 (R2) or 0 (total resistance)
        NichtDarstellbar,     // a result leaves the range the prefixes can show
    };
    Art art;
    double a = 0;
    double b = 0;
};

template <class T>
class Ergebnis {
public:
    Ergebnis(const T& wert) : m_inhalt(wert) {}
    Ergebnis(const Hindernis& h) : m_inhalt(h) {}
    explicit operator bool() const { return std::holds_alternative<T>(m_inhalt); }
    const T& operator*() const { return std::get<T>(m_inhalt); }
    const T* operator->() const { return &std::get<T>(m_inhalt); }
    const Hindernis& hindernis() const { return std::get<Hindernis>(m_inhalt); }

private:
    std::variant<T, Hindernis> m_inhalt;
};

// The value a field holds after Zahlenausgabe, read back with Zahleneingabe.
double angezeigt(double wert);
// The same for a fixed-point text with the given decimals (the cross-current factor).
double festAngezeigt(double wert, int nachkomma);
// A value the prefixes can show: finite, from 1e-24 to below 1e27.
bool darstellbar(double wert);

struct Widerstaende {
    double R1, R2, RG;
};

// Voltage divider without load: R1 = (U - U2) / I; R2 = U2 / I; RG = R1 + R2.
Ergebnis<Widerstaende> spannungsteilerOhneLast(double U, double U2, double I);

// Voltage divider with load: Iq = IL × QF; R2 = U2 / Iq; R1 = (U - U2) / (Iq + IL);
// RG = R2 × RL / (R2 + RL) + R1.
Ergebnis<Widerstaende> spannungsteilerMitLast(double U, double U2, double IL, double QF, double RL);

struct Stromteilerwerte {
    double R1, R2, RG;
    std::optional<double> UL;  // with load: I2 × RL, shown before the resistors
};

// Current divider; RL only with load.
// Without load: R1 = U / (I - I2); R2 = U / I2; RG = R1 × R2 / (R1 + R2).
// With load: UL = I2 × RL; R1 = U / (I - I2); R2 = U / I2 - RL; RG = (R2 + RL) × R1 / (R1 + R2 + RL).
Ergebnis<Stromteilerwerte> stromteiler(double U, double I, double I2, std::optional<double> RL);

// "    1  : 0,4" for the voltage divider (U2 / U), "   1  : 0,3" for the current divider (I2 / I).
QString verhaeltnisText(bool strom, double teil, double ganz, QChar dezimal);

// After the current through R1 was entered: QF = (I - IL) / IL. The factor must stay above 0,00 as
// shown with two decimals, because the load calculation multiplies IL by it.
Ergebnis<double> querstromfaktor(double I, double IL);
// After QF was entered: I = IL × QF + IL.
Ergebnis<double> stromDurchR1(double IL, double QF);
// a / b and a × b for the values one field hands to another (RL = U2 / IL, IL = U2 / RL,
// RL = UL / I2, UL = I2 × RL); the result must stand in a field.
Ergebnis<double> quotient(double a, double b);
Ergebnis<double> produkt(double a, double b);

struct SpannungVorwaerts {
    double U2, RG, I;
};

// R1 or R2 was entered in the voltage divider; RL only with load.
// R = R2 (without load) or R2 × RL / (R2 + RL); U2 = U × R / (R1 + R); RG = R1 + R;
// I = (U - U2) / R1 with U2 as calculated (not as rounded for the display).
// U2 as shown must stay between 0 and U, so that the next calculation works with it.
Ergebnis<SpannungVorwaerts> spannungVorwaerts(double U, double R1, double R2, std::optional<double> RL);

struct StromVorwaerts {
    double I, RG;
    std::optional<double> I2;  // after R2 was entered
    std::optional<double> UL;  // after R2 was entered, with load (from I2 as shown)
};

// R1 or R2 was entered in the current divider; RL only with load. ausR2: R2 was the entered value
// (then I2, and with load UL, follow as well); I2 is the current I2 of the page, which I must exceed.
// Without load: I2 = U / R2; I = U / R1 + U / R2; RG = R1 × R2 / (R1 + R2).
// With load: I = U / R1 + U / (R2 + RL); I2 = U / (R2 + RL); RG = (R2 + RL) × R1 / (R1 + R2 + RL);
// UL = I2 × RL.
Ergebnis<StromVorwaerts> stromVorwaerts(double U, double R1, double R2, std::optional<double> RL, bool ausR2,
                                        double I2);

struct AusGesamtwiderstand {
    double I, R1, R2;
};

// Enter in the total resistance, voltage divider without load: I = U / RG; with I as shown,
// R1 = (U - U2) / I and R2 = U2 / I.
Ergebnis<AusGesamtwiderstand> spannungAusGesamtwiderstand(double U, double U2, double RG);

// The message for a calculation that gives no result.
QString meldung(const Hindernis& h, QChar dezimal);

// An entry field whose text gives no usable value for a calculation.
QString meldungFeld(const QString& bezeichnung, const QString& text);

// A resistance that cannot go to the tolerance page (R1 or R2).
QString meldungUebergabe(const QString& name);

// The value a transfer button hands on: only a positive finite resistance.
std::optional<double> uebergabewert(std::optional<double> gelesen);

}  // namespace teiler
}  // namespace zelmo
