// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Series resistor of one or more LEDs of one colour on a supply voltage: the forward voltages per
// colour, the count and colour rules that keep the inputs physically possible, the formulas and the
// texts of the page's messages. No widgets here; the page reads its texts, calls these, writes results.

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

namespace zelmo {

// What the LED page remembers: the forward voltage per colour (volts) and the count in effect.
// Every calculation and every cross-check uses Anzahl_LED, never the count buttons directly.
struct LED_Vorwiderstand {
    double LED_Rot = 1.6;
    double LED_Gruen = 2.2;
    double LED_Gelb = 2.4;
    double LED_Weiss = 3.8;
    double LED_Blau = 4.0;
    double LED_User = 4.2;
    int Anzahl_LED = 0;  // set by the first count check
};

namespace led {

// Items of RG_LED_Farbe in item order (column by column: "Rot", "Blau" / "Grün", "Weiß " / "Gelb", "User").
enum Farbe : int { Rot = 0, Blau = 1, Gruen = 2, Weiss = 3, Gelb = 4, User = 5 };
QStringList farbNamen();
// Items of RG_LED_Anzahl; the last one leaves room for the user count field over its blanks.
QStringList anzahlNamen();
inline constexpr int userItem = 5;  // the item whose count comes from User_Leds
inline constexpr int userMindestens = 6;

// The remembered voltage of a colour item; nullptr for no (or an unknown) colour.
double* flussspannung(LED_Vorwiderstand& d, int farbe);
std::optional<double> flussspannung(const LED_Vorwiderstand& d, int farbe);

// Accepted forward voltages of a colour item (inclusive); without a colour 1 V to 2 V.
struct Bereich {
    double min;
    double max;
};
Bereich ufBereich(int farbe);
// The range test of LED_E_Uf: the out-of-range message, or nothing when uf fits the colour.
std::optional<QString> pruefeUf(int farbe, double uf, const QString& eingabe, QChar dezimal);

// Count of a count item: items 0 to 4 give 1 to 5, the user item gives userAnzahl, none gives 1.
int anzahlAusAuswahl(int index, int userAnzahl);
// The user count text as an integer; nothing when it is none.
std::optional<int> userAnzahl(const QString& text);

// True when n LEDs of uf need more than the supply u. Differences of rounding (3 x 1,6 V on 4,8 V)
// do not count as too much.
bool zuVieleLeds(int n, double uf, double u);
struct Verringerung {
    int n;
    bool verringert;  // the count had to come down (the page says so)
};
// Lowers n until the LEDs fit the supply (never below 0).
Verringerung anzahlVerringern(int n, double uf, double u);
// The count item that shows n: n - 1 for 1 to 5, the user item above 5; nothing for 0 (no change).
std::optional<int> auswahlFuerAnzahl(int n);
// One LED: the supply lies below the forward voltage by more than 1 mV and is raised to it.
bool spannungErhoehen(double u, double uf);

struct Ergebnis {
    double R;  // ohm; 0 when the supply leaves nothing for the resistor
    double P;  // watt in the resistor
};
// R = (U - n Uf) / I, P = (U - n Uf) I. An R below 10 mOhm by more than 0,1 mOhm (also every negative
// R) gives R = 0 and P = 0. Nothing when the inputs give no result (I not above 0, values not finite).
std::optional<Ergebnis> berechnen(double U, double I, double Uf, int n);


// Messages of the page.
QString meldungAnzahlVerringert();
QString meldungSpannungErhoeht();
QString meldungSpannungZuGering(double U, double Uf, QChar dezimal);
QString meldungUfZuHoch(double Uf, double U, QChar dezimal);
QString meldungKeinGleitkommawert(const QString& text);
QString meldungKeinIntegerwert(const QString& text);

}  // namespace led

}  // namespace zelmo
