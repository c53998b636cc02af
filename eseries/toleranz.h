#pragma once
// The pair search of the tolerance page: which two values of one E-series, in parallel or in series,
// come within the series' window of a wanted value. Pure code: the page only shows the lines.

#include <QChar>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "eseries/ereihen.h"

namespace zelmo {

// Component kind of the tolerance page: item index of its group "R", "L", "C".
inline constexpr int artR = 0;
inline constexpr int artL = 1;
inline constexpr int artC = 2;

// Unit sign of a kind: "Ω", "H", "F"; empty for any other index.
QString einheitZeichen(int art);

// Acceptance window in percent of a series: 36, 20, 10, 5, 2, 1 (E3 ... E96).
double fensterProzent(EReihe r);

// The last accepted wanted value per component kind, in base units.
struct Toleranz {
    double Toleranz_R = 150;
    double Toleranz_L = 7.5e-8;
    double Toleranz_C = 3e-11;

    // The field of a kind (0 R, 1 L, 2 C); nullptr for any other index.
    double* fuer(int art);
    const double* fuer(int art) const;
};

// One shown line of a list and its colour (green within half the window, else maroon).
struct ToleranzZeile {
    QString text;
    bool gruen = false;
};

struct ToleranzErgebnis {
    double wert = 0;   // wanted value normalised into 0.999999 ... below 9.999999
    double temp1 = 1;  // decade factor: wanted value = wert * temp1
    int parallelKandidaten = 0;  // pairs within the window, before mirrored neighbours drop out
    int seriellKandidaten = 0;
    std::vector<ToleranzZeile> parallel;
    std::vector<ToleranzZeile> seriell;
    QString unten;  // next smaller series value with prefix and unit sign
    QString oben;   // next larger series value
    std::array<bool, 6> fett{};  // series E3 ... E96 that contain the mantissa of the text
};

// One calculation for the text of the entry field. E is the table of the selected series, maxF its
// window in percent, art the component kind. Nothing when the text gives no positive finite value
// (so no normalisation can run away on 0, a negative number or a text without digits).
std::optional<ToleranzErgebnis> Toleranz_Berechnung(const QString& text, std::span<const double> E, double maxF,
                                                    int art, QChar dezimal);

// --- the steps, for the tests ---

// Mantissa for the bold marks: the digits and decimal separators of the text (of the part before
// the exponent in exponent form), normalised into 0.1 ... 100. Nothing when they form no positive
// number.
std::optional<double> markenMantisse(const QString& text, QChar dezimal);

// "F    |a\tb\tBE\tF%" with every value written as "%6.2f" of AnzeigeWert plus EinheitVorsatz.
QString kandidatenZeile(double F, double a, double b, double BE, double temp1, const QString& einheit,
                        QChar dezimal);

// Sort key: the number formed by the first four characters of a candidate line.
double sortierSchluessel(const QString& zeile, QChar dezimal);

// Sorts candidate lines by the magnitude of their key with the list quicksort (its tie order is
// part of the result).
void toleranzSortieren(std::vector<QString>& zeilen, QChar dezimal);

// Shown lines of a sorted list: colour by half the window, a line that repeats the previous pair in
// swapped order is left out. The parallel list compares the values without their last character.
std::vector<ToleranzZeile> toleranzAusgabe(const std::vector<QString>& sortiert, double maxF, bool parallel,
                                           QChar dezimal);

// Captions of the two group boxes with the number of shown lines.
QString parallelTitel(int anzahl);
QString reiheTitel(int anzahl);

}  // namespace zelmo
