// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search of the tolerance page for three parts: which three values, in one of the four
// connections of three parts, come within the window of a wanted value. Pure code.
//
// The search does not try every triple. The values are sorted and every connection grows with each
// of its parts, so for each pair of two parts the third part that fits lies in one run of the sorted
// values; bisections find the run's ends (which gives the count of all fitting triples without
// visiting them) and the best ones are taken from the middle of the run outwards, only as long as they
// can still be among the best kept. Cost: about n²/2 pairs, each with a few bisections of log n steps,
// against n³/6 triples of a plain loop.

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace zelmo {

// The connections of three parts, on the page's two lists: with a parallel connection at the top
// (R1‖R2‖R3, R1‖(R2+R3)) and with a series connection at the top (R1+R2+R3, R1+(R2‖R3)).
enum class Dreierschaltung { alleParallel, parallelZurReihe, alleInReihe, reiheZurParallelen };

// The two connections of a list: the parallel list or the series list.
std::span<const Dreierschaltung> dreierschaltungen(bool parallelListe);

// The connection as a short formula with the letter of the kind: "R1‖(R2+R3)", "C1+C2+C3".
QString dreierFormel(Dreierschaltung s, int art);

// The value of two parts in parallel or in series with the rules of the kind (capacitors add up in
// parallel; resistors and inductors in series).
double parallelWert(int art, double a, double b);
double reihenWert(int art, double a, double b);

// The value of a connection of a (R1), b (R2) and c (R3). The search computes every value exactly so,
// with a <= b <= c where all three are alike and b <= c for the pair inside the brackets.
double dreierWert(Dreierschaltung s, int art, double a, double b, double c);

// One triple: indices of its three values (a <= b <= c for alleParallel and alleInReihe, b <= c
// otherwise), the connection, its value and its deviation from the wanted value in percent.
struct DreierKandidat {
    int a = 0;
    int b = 0;
    int c = 0;
    Dreierschaltung schaltung = Dreierschaltung::alleInReihe;
    double BE = 0;
    double F = 0;
};

struct DreierFund {
    std::vector<DreierKandidat> beste;  // the best ones by |F|, at most as many as asked for, unordered
    std::int64_t anzahl = 0;            // every triple within the window
};

// Every combination of three of the ascending, positive values `werte` (a value may be taken more than
// once) in the two connections of one list whose deviation F from Wert lies inside maxF by more than
// 0.0001, as for pairs; each combination once. Keeps the best `hoechstens` by |F|.
DreierFund dreierSuchen(std::span<const double> werte, double Wert, double maxF, int art, bool parallelListe,
                        std::size_t hoechstens);

}  // namespace zelmo
