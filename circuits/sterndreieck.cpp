// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/sterndreieck.h"

#include <cmath>

#include "values/zahlen.h"

namespace zelmo::sterndreieck {

namespace {

bool positiv(double w) { return std::isfinite(w) && w > 0; }
bool allePositiv(const Drei& r) { return positiv(r[0]) && positiv(r[1]) && positiv(r[2]); }

}  // namespace

std::optional<Drei> dreieckAusStern(const Drei& rs) {
    if (!allePositiv(rs)) return std::nullopt;
    const auto [Rs1, Rs2, Rs3] = rs;
    return Drei{Rs1 * Rs3 / Rs2 + Rs1 + Rs3,  //
                Rs1 * Rs2 / Rs3 + Rs1 + Rs2,  //
                Rs2 * Rs3 / Rs1 + Rs2 + Rs3};
}

std::optional<Drei> sternAusDreieck(const Drei& rd) {
    if (!allePositiv(rd)) return std::nullopt;
    const auto [Rd1, Rd2, Rd3] = rd;
    const double S = Rd1 + Rd2 + Rd3;
    return Drei{Rd1 * Rd2 / S, Rd2 * Rd3 / S, Rd1 * Rd3 / S};
}

bool darstellbar(double wert) { return std::isfinite(wert) && wert >= kleinsterWert && wert < groessterWert; }

Umrechnung umrechnen(bool sternZuDreieck, const std::array<QString, 3>& texte, QChar dezimal) {
    Umrechnung u;
    Drei werte{};
    for (int i = 0; i < 3; ++i) {
        const auto w = Zahleneingabe(texte[size_t(i)], dezimal);
        if (!w || !positiv(*w)) {
            u.art = Umrechnung::Art::Eingabe;
            u.eingabe = i;
            return u;
        }
        werte[size_t(i)] = *w;
    }
    const auto ergebnis = sternZuDreieck ? dreieckAusStern(werte) : sternAusDreieck(werte);
    // the inputs are positive and finite here, so there always is a result to look at
    for (int i = 0; i < 3; ++i) {
        const double r = (*ergebnis)[size_t(i)];
        if (!darstellbar(r)) {
            u.art = Umrechnung::Art::NichtDarstellbar;
            return u;
        }
        u.texte[size_t(i)] = ergebnisText(r, dezimal);
    }
    return u;
}

QString ergebnisText(double ohm, QChar dezimal) { return Zahlenausgabe(ohm, dezimal) + FeldEinheit; }

QString geladenerText(const QString& gespeichert) {
    QString t = gespeichert;
    if (t.endsWith(OhmZeichen)) t.replace(t.size() - OhmZeichen.size(), OhmZeichen.size(), FeldEinheit);
    return t;
}

QString bezeichnung(bool stern, int index) {
    return (stern ? QStringLiteral("Widerstand Rs ") : QStringLiteral("Widerstand Rd ")) + QString::number(index + 1);
}

QString meldungNichtDarstellbar(const QString& eingabe) {
    const QString mit = eingabe.isEmpty() ? QStringLiteral("Mit diesen Werten")
                                          : QStringLiteral("Mit der Eingabe ") + eingabe + u' ';
    return mit + QStringLiteral(u" ergibt die Umrechnung einen Widerstand außerhalb\r\rdes darstellbaren Bereiches: "
                          u"1E-24 bis 1E27 \u2126");
}

QString meldungFeld(const QString& bezeichnung, const QString& text) {
    return QStringLiteral("Im Feld \"") + bezeichnung + QStringLiteral(u"\" steht kein gültiger Wert: ") + text +
           QStringLiteral(u"\r\rBitte dort einen Wert größer 0 eingeben und mit der Enter-Taste bestätigen.");
}

}  // namespace zelmo::sterndreieck
