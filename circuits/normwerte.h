// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Designing with real parts: for the ideal values a circuit page computed, the standard values of a
// series, what the circuit really does with them at nominal value and at worst over every corner of
// the parts' tolerances, the power in each resistor and the power class it needs. No widgets here;
// the window "Normwerte" shows what these functions return.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "eseries/ereihen.h"

namespace zelmo::normwerte {

// --- series of the window

struct Normreihe {
    EReihe reihe;
    const char16_t* name;  // item of Norm_CB_Reihe ("E 24")
    double toleranz;       // the series' usual tolerance in % (E 3, ">20 %", taken as 20)
};
// The series the window offers, in item order.
std::span<const Normreihe> normreihen();
// Item index of the first start ("E 24").
int ersteReihe();

// --- standard values

// The standard value of the series nearest to x by ratio, across decades (|log(wert / x)| smallest;
// of two equally near ones the larger). Nothing for x not above 0 or not finite.
std::optional<double> naechsterNormwert(double x, EReihe r);
// The smallest standard value not below x (x itself when it is one, up to the rounding of x).
// Where a larger resistance means less current, this keeps the current at or below the wanted one.
std::optional<double> normwertNichtKleiner(double x, EReihe r);

// --- worst case over a tolerance box

struct Spanne {
    double min;
    double max;
};
// A part's range at tolerance t in % around its value.
Spanne toleranzspanne(double wert, double prozent);
using Funktion = std::function<double(std::span<const double>)>;
// The smallest and largest value of f over the 2^n corners of the box (each quantity at its lower
// or upper limit). For a function monotonic in each quantity this is its whole range in the box.
Spanne eckenbereich(std::span<const Spanne> kasten, const Funktion& f);
// The largest value of f anywhere in the box: the corners, a grid through the box and a search
// around the best point found. For the power of a resistor, which need not be largest at a corner
// (a divider's resistor takes the most power when it equals the rest of the circuit).
double hoechstwert(std::span<const Spanne> kasten, const Funktion& f);

// --- power class

inline constexpr std::array<double, 10> leistungsklassen{0.063, 0.1, 0.125, 0.25, 0.5, 1, 2, 3, 5, 10};
// The smallest class whose permitted load (class x last %) covers p; nothing above 10 W (a power
// resistor with cooling).
std::optional<double> leistungsklasse(double p, double lastProzent);
// The common small resistors carry up to this class; a line above it is marked.
inline constexpr double kleineKlasse = 0.25;

// --- LM317 constants of the data sheets

inline constexpr double urefMin = 1.20;  // V
inline constexpr double urefNenn = 1.25;
inline constexpr double urefMax = 1.30;
inline constexpr double iadjMax = 100e-6;  // A, adjust-pin current (0 at nominal, as the page)
// Least difference between input and output (an assumption after the data sheets): 1,5 V up to
// 0,5 A, rising in a straight line to 2,5 V at 1,5 A, and 2,5 V above.
double lm317Dropout(double strom);

// The NE555 page knows no supply voltage: the resistors' power is estimated at this supply, the
// largest the data sheets recommend.
inline constexpr double ne555Versorgung = 16.0;

// --- the circuits' formulas, for real values

// Voltage divider: U2 = U (R2 || RL) / (R1 + R2 || RL); RL 0 for no load.
double teilerU2(double U, double R1, double R2, double RL);
// Current divider fed with the total current I: I2 = I R1 / (R1 + R2 + RL); RL 0 for no load.
double teilerI2(double I, double R1, double R2, double RL);
// LED current: (U - n Uf) / R.
double ledStrom(double U, double Uf, int n, double R);
// LM317 as voltage regulator: Uref (1 + R2 / R1) + Iadj R2.
double lm317Spannung(double uref, double iadj, double R1, double R2);
// LM317 as current regulator: Uref / R + Iadj (the adjust current joins the load current).
double lm317Strom(double uref, double iadj, double R);
// NE555 astable: t1 = 0,694 (R1 + R2) C, or 0,694 R1 C with the diode of "50% : 50%"; t2 = 0,694 R2 C.
double ne555T1(double R1, double R2, double C, bool halbHalb);
double ne555T2(double R2, double C);
// NE555 monostable: t1 = 1,1 R1 C.
double ne555Mono(double R1, double C);
// Voltage across R1 of the constant-current source: V for two transistors and the J-FET, V - 0,7 V
// for the diodes and the Z-diode; its current is that over R1.
double kstromSpannungR1(int schaltung, double V);
// Voltage across R2: U - 2 V for two transistors, U - V for the diodes and the Z-diode.
double kstromSpannungR2(int schaltung, double U, double V);

// --- what a page hands over: its last accepted calculation

struct Teiler {
    bool strom = false;  // current divider (else voltage divider)
    bool last = false;   // with load
    double U = 0;        // voltage divider: input voltage; current divider: voltage across
    double U2 = 0;       // voltage divider: wanted output voltage
    double IL = 0;       // voltage divider with load: load current (the load is U2 / IL)
    double I = 0;        // current divider: total current
    double I2 = 0;       // current divider: wanted branch current
    double RL = 0;       // current divider with load: load resistance in the R2 branch
    double R1 = 0, R2 = 0;  // the page's ideal values
};
struct Led {
    double U = 0, I = 0, Uf = 0;
    int n = 1;
    double R = 0;  // the page's ideal value (0: nothing left for a resistor)
};
struct LM317 {
    bool stromregler = false;
    double U1 = 0, U2 = 0, I = 0;
    double R1 = 0;  // typed (voltage regulator)
    double R2 = 0;  // the page's ideal value
};
struct NE555 {
    bool monostabil = false;
    bool halbHalb = false;  // "50% : 50%": R2 has the value of R1
    double R1 = 0, R2 = 0, C = 0;  // all typed
};
struct Konstantstrom {
    int schaltung = 0;  // 0 two transistors, 1 two diodes, 2 J-FET, 3 Z-diode
    double U = 0, I = 0, Iq = 0, V = 0;  // V: the circuit's reference voltage
    double R1 = 0, R2 = 0;               // the page's ideal values (no R2 for the J-FET)
};
using Aufgabe = std::variant<Teiler, Led, LM317, NE555, Konstantstrom>;

struct Wahl {
    EReihe reihe = EReihe::E24;
    double toleranz = 5;   // resistors, %
    double cToleranz = 10; // capacitors, %
    double last = 50;      // largest permitted load, % of the rating
};

// --- what the window shows

enum class Auswahl {
    naechster,      // nearest by ratio
    nichtKleiner,   // next value keeping the current at or below the wanted one
    eingegeben,     // typed on the page, kept
};
struct Bauteil {
    QString name;  // "R1", "R2", "R", "C"
    bool kondensator = false;
    double ideal = 0;                // the page's value
    std::optional<double> gewaehlt;  // nothing: no part can be chosen (0 Ω, a negative value)
    Auswahl auswahl = Auswahl::naechster;
    // resistors: power at the chosen value (nominal) and the largest over the tolerance box
    std::optional<double> pNenn, pMax;
    std::optional<double> klasse;    // nothing with pMax: "Leistungswiderstand mit Kühlung"
    bool markiert = false;           // class above 0,25 W (or a power resistor)
    bool weiterreichen = false;      // the nominal result misses by more than the tolerance: hand on
};
struct Groesse {
    QString name;     // "U2", "I", "t1" ...
    QString einheit;  // "V", "A", "s", "Hz"
    double soll = 0, nenn = 0, min = 0, max = 0;
};
struct Ergebnis {
    std::vector<Bauteil> bauteile;
    std::vector<Groesse> groessen;
    QStringList hinweise;  // one line each
};

// A page with parts: what its last accepted calculation hands to the window (nothing while it has no
// result).
class Normwertquelle {
public:
    virtual ~Normwertquelle() = default;
    virtual std::optional<Aufgabe> normAufgabe() const = 0;
};

// Chooses the parts, recomputes the circuit and its worst case.
Ergebnis auswerten(const Aufgabe& a, const Wahl& w, QChar dezimal);

// Deviation of ist from soll in % (0 for soll 0).
double abweichung(double ist, double soll);

// Texts of the window.
QString leistungsklasseText(const std::optional<double>& klasse, QChar dezimal);
QString auswahlHinweis(Auswahl a);

}  // namespace zelmo::normwerte
