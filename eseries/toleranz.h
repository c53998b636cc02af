// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pair search of the tolerance page: which two values of one E-series, in parallel or in series,
// come within the series' window of a wanted value. Pure code: the page only shows the lines.

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "eseries/ereihen.h"

namespace zelmo {

// Component kind of the tolerance page: item index of its group "R", "L", "C".
inline constexpr int artR = 0;
inline constexpr int artL = 1;
inline constexpr int artC = 2;

// First index in [von, bis) where the predicate holds (bis when nowhere), for a predicate that holds
// from some index on: the bisection of the pair and the three-part search.
template <class P>
int erster(int von, int bis, P gilt) {
    while (von < bis) {
        const int m = von + (bis - von) / 2;
        if (gilt(m))
            bis = m;
        else
            von = m + 1;
    }
    return von;
}

// Unit sign of a kind: "Ω", "H", "F"; empty for any other index.
QString einheitZeichen(int art);

// Acceptance window in percent of a series: 36, 20, 10, 5, 2, 1, 0.5 (E3 ... E192).
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
    // three parts: every triple within the window, of which the lists show the best
    int teile = 2;
    std::int64_t parallelAlle = 0;
    std::int64_t seriellAlle = 0;
    std::vector<ToleranzZeile> parallel;
    std::vector<ToleranzZeile> seriell;
    QString unten;  // next smaller series value with prefix and unit sign
    QString oben;   // next larger series value
    std::array<bool, 7> fett{};  // series E3 ... E192 that contain the mantissa of the text
};

// How the page searches: pairs or triples, and from which values.
struct ToleranzSuche {
    int teile = 2;  // 2: pairs of the table; 3: triples
    // The values triples are made of, on the table's scale from 0.01 to 100 (two decades further down
    // than the table, so that a small trim part is found); empty: the table.
    std::span<const double> dreierWerte;
    // Only these values, in base units (any values, not only series values); nullptr: the series.
    // Pairs take those within the table's span, triples those within the span of dreierWerte.
    const std::vector<double>* bestand = nullptr;
    std::size_t hoechstens = 1000;  // lines per list of triples
};

// One calculation for the text of the entry field. E is the table of the selected series, maxF its
// window in percent, art the component kind. Nothing when the text gives no positive finite value
// (so no normalisation can run away on 0, a negative number or a text without digits).
std::optional<ToleranzErgebnis> Toleranz_Berechnung(const QString& text, std::span<const double> E, double maxF,
                                                    int art, QChar dezimal);
std::optional<ToleranzErgebnis> Toleranz_Berechnung(const QString& text, std::span<const double> E, double maxF,
                                                    int art, QChar dezimal, const ToleranzSuche& suche);

// --- the steps, for the tests ---

// Mantissa for the bold marks: the digits and decimal separators of the text (of the part before
// the exponent in exponent form), normalised into 0.1 ... 100. Nothing when they form no positive
// number.
std::optional<double> markenMantisse(const QString& text, QChar dezimal);

// A pair of the search as numbers: indices of the two table values, the value of the connection
// (in the decade of the normalised wanted value) and its deviation from the wanted value in percent.
struct ToleranzKandidat {
    int a = 0;
    int b = 0;
    double BE = 0;
    double F = 0;
};

// Sort key of a candidate: the number formed by the first four characters of its deviation written
// with three decimals ("3,456" gives 3,45, "12,345" 12,3, "-3,456" -3,4, "-12,345" -12).
double sortierSchluessel(double F, QChar dezimal);

// The number the colour is judged by: the first six characters of that text ("-12,345" gives -12,34).
double farbWert(double F, QChar dezimal);

// Order in which the list quicksort puts keys by their magnitude (its tie order is part of the
// result): element i of the answer is the index of the key in place i.
std::vector<int> toleranzFolge(std::span<const double> schluessel);

// A shown line: a blank, then a\tb\tBE\tF% with every value written as "%6.2f" of AnzeigeWert plus
// EinheitVorsatz (values from 1 to below 1000 carry the unit sign) and F with two decimals.
QString toleranzZeile(double a, double b, double BE, double F, const QString& einheit, QChar dezimal);

// Shown lines of a sorted list of candidates: colour by half the window; a candidate that repeats
// the previous one's pair in swapped order is left out (the texts of the two values decide; the
// parallel list compares them without their last character). E is the table, temp1 the decade factor.
std::vector<ToleranzZeile> toleranzAusgabe(std::span<const ToleranzKandidat> sortiert, std::span<const double> E,
                                           double temp1, double maxF, bool parallel, const QString& einheit,
                                           QChar dezimal);

// Captions of the two group boxes with the number of shown lines.
QString parallelTitel(int anzahl);
QString reiheTitel(int anzahl);
// The same for triples, saying how many there are in all when the list shows only the best of them.
QString parallelTitel(int anzahl, std::int64_t alle);
QString reiheTitel(int anzahl, std::int64_t alle);

// The values of a stock list on the table's scale of one calculation (value / temp1), ascending,
// each once, those from `von` to `bis` inclusive (with room for rounding).
std::vector<double> bestandSkaliert(const std::vector<double>& bestand, double temp1, double von, double bis);

}  // namespace zelmo
