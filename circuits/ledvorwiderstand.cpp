// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/ledvorwiderstand.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "fields/grenzen.h"
#include "values/zahlen.h"

namespace zelmo::led {

QStringList farbNamen() {
    return {QStringLiteral("Rot"),     QStringLiteral("Blau"), QStringLiteral(u"Grün"),
            QStringLiteral(u"Weiß "), QStringLiteral("Gelb"), QStringLiteral("User")};
}

QStringList anzahlNamen() {
    return {QStringLiteral("1 LED"),  QStringLiteral("2 LEDs"), QStringLiteral("3 LEDs"),
            QStringLiteral("4 LEDs"), QStringLiteral("5 LEDs"), QStringLiteral("       LEDs")};
}

double* flussspannung(LED_Vorwiderstand& d, int farbe) {
    switch (farbe) {
        case Rot: return &d.LED_Rot;
        case Blau: return &d.LED_Blau;
        case Gruen: return &d.LED_Gruen;
        case Weiss: return &d.LED_Weiss;
        case Gelb: return &d.LED_Gelb;
        case User: return &d.LED_User;
        default: return nullptr;
    }
}

std::optional<double> flussspannung(const LED_Vorwiderstand& d, int farbe) {
    if (const double* v = flussspannung(const_cast<LED_Vorwiderstand&>(d), farbe)) return *v;
    return std::nullopt;
}

Bereich ufBereich(int farbe) {
    switch (farbe) {
        case Rot: return {1.1, 2.00};
        case Blau: return {3.5, 4.2};
        case Gruen: return {1.8, 2.4};
        case Weiss: return {3.8, 4.2};
        case Gelb: return {1.9, 2.6};
        case User: return {1.6, 6.3};
        default: return {1.0, 2.0};
    }
}

std::optional<QString> pruefeUf(int farbe, double uf, const QString& eingabe, QChar dezimal) {
    const Bereich b = ufBereich(farbe);
    if (uf >= b.min && uf <= b.max) return std::nullopt;
    return meldungAusserhalb(eingabe, QStringLiteral("V "),
                             Grenzwert(b.min, dezimal) + QStringLiteral("V bis ") + Grenzwert(b.max, dezimal) +
                                 QStringLiteral("V"));
}

int anzahlAusAuswahl(int index, int userAnzahl) {
    if (index >= 0 && index < userItem) return index + 1;
    if (index == userItem) return userAnzahl;
    return 1;
}

std::optional<int> userAnzahl(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

bool zuVieleLeds(int n, double uf, double u) {
    const double bedarf = n * uf;
    // a few units of the last place are rounding, not a lack of voltage
    const double spiel = 1e-12 * std::max(std::fabs(bedarf), std::fabs(u));
    return bedarf > u + spiel;
}

Verringerung anzahlVerringern(int n, double uf, double u) {
    if (!zuVieleLeds(n, uf, u)) return {n, false};
    do {
        --n;
    } while (n > 0 && zuVieleLeds(n, uf, u));
    return {std::max(n, 0), true};
}

std::optional<int> auswahlFuerAnzahl(int n) {
    if (n <= 0) return std::nullopt;
    if (n <= userItem) return n - 1;
    return userItem;
}

bool spannungErhoehen(double u, double uf) {
    constexpr double toleranz = 0.001;  // volt
    return u < uf && std::fabs(u - uf) > toleranz;
}

std::optional<Ergebnis> berechnen(double U, double I, double Uf, int n) {
    if (!std::isfinite(U) || !std::isfinite(I) || !std::isfinite(Uf) || !(I > 0)) return std::nullopt;
    const double rest = U - n * Uf;  // what the resistor takes
    double R = rest / I;
    if (!std::isfinite(R)) return std::nullopt;
    // below 10 mOhm (beyond 0,1 mOhm of tolerance) there is nothing left to put a resistor into
    constexpr double kleinstesR = 0.01;
    constexpr double toleranz = 0.0001;
    if (R < kleinstesR && std::fabs(R - kleinstesR) > toleranz) R = 0;
    const double P = R > 0 ? rest * I : 0.0;
    if (!std::isfinite(P)) return std::nullopt;
    return Ergebnis{R, P};
}

QString meldungAnzahlVerringert() {
    return QStringLiteral(u"Für die gewählte Zahl von LEDs ist die vorgegebene Spannung U zu gering.\r\r"
                          u"Die Zahl der LEDs wird verringert. Alternative: Die Spannung U erhöhen!");
}

QString meldungSpannungErhoeht() {
    return QStringLiteral(u"Für diese LED-Farbe ist die Spannung U zu gering.\r\r"
                          u"Die Spannung wird automatisch erhöht!");
}

QString meldungSpannungZuGering(double U, double Uf, QChar dezimal) {
    return QStringLiteral("Die eingestellte Spannung ") + allgemein(U, dezimal) +
           QStringLiteral(u"V ist für die Anzahl der LEDs mit Uf = ") + allgemein(Uf, dezimal) +
           QStringLiteral("V zu gering.") + u'\r' + u'\r' +
           QStringLiteral("Entweder die Zahl der LEDs verringern oder die Spannung Uf reduzieren!");
}

QString meldungUfZuHoch(double Uf, double U, QChar dezimal) {
    return QStringLiteral(u"Die eingegebene Flußspannung ") + allgemein(Uf, dezimal) +
           QStringLiteral(u"V ist für die Anzahl der LEDs und die vorgegebene Spannung ") + allgemein(U, dezimal) +
           QStringLiteral("V zu hoch.") + u'\r' + u'\r' +
           QStringLiteral(u"Entweder die Zahl der LEDs verringern oder die Flußspannung Uf reduzieren!");
}

QString meldungKeinGleitkommawert(const QString& text) {
    return u'\'' + text + QStringLiteral(u"' ist kein gültiger Gleitkommawert.");
}

QString meldungKeinIntegerwert(const QString& text) {
    return u'\'' + text + QStringLiteral(u"' ist kein gültiger Integerwert.");
}

}  // namespace zelmo::led
