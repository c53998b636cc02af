// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/konstantstrom.h"

#include <cmath>

namespace zelmo::kstrom {

namespace {

const std::array<Schaltungsdaten, anzahlSchaltungen> schaltungen{{
    {0, u"2 Transistore", {u"npn-Transistore", u"pnp-Transistore"}, u"Spannung U", u"BE", true},
    {10, u"2 Si-Dioden", {u"npn-Transistor", u"pnp-Transistor"}, u"2 x Dioden U", u"f", true},
    {20, u"J-FET", {u"n-Kanal FET", u"p-Kanal FET"}, u"J-FET U", u"GS", false},
    {30, u"Z-Diode", {u"npn-Transistor", u"pnp-Transistor"}, u"Z-Diode U", u"Z", true},
}};

const std::array<Bild, 8> bildTabelle{{
    {0, "I_2Trans_npn", u"Schaltbil der konst. Stromquelle mit  zwei npn-Transistoren"},
    {1, "I_2Trans_pnp", u"Schaltbil der konst. Stromquelle mit  zwei pnp-Transistoren"},
    {10, "I_2Dioden_npn", u"Schaltbil der konst. Stromquelle mit  zwei Dioden und npn-Transistor"},
    {11, "I_2Dioden_pnp", u"Schaltbil der konst. Stromquelle mit  zwei Dioden und pnp-Transistor"},
    {20, "I_JFET_n", u"Schaltbil der konst. Stromquelle mit  n-Kanal JFET Transistor"},
    {21, "I_JFET_p", u"Schaltbil der konst. Stromquelle mit  p-Kanal JFET Transistor"},
    {30, "I_ZDiode_npn", u"Schaltbil der konst. Stromquelle mit  Z-Diode und  npn-Transistor"},
    {31, "I_ZDiode_pnp", u"Schaltbil der konst. Stromquelle mit  Z-Diode und  pnp-Transistor"},
}};

bool endlich(std::initializer_list<double> werte) {
    for (double w : werte)
        if (!std::isfinite(w)) return false;
    return true;
}

// z / n where that means something; a result beyond the double range is none either.
std::optional<double> teile(double z, double n) {
    if (!(n > 0) || !std::isfinite(z) || !std::isfinite(n)) return std::nullopt;
    const double r = z / n;
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

}  // namespace

const Schaltungsdaten* schaltung(int item) {
    if (item < 0 || item >= anzahlSchaltungen) return nullptr;
    return &schaltungen[size_t(item)];
}

QStringList schaltungsNamen() {
    QStringList l;
    for (const Schaltungsdaten& s : schaltungen) l << QString::fromUtf16(s.name);
    return l;
}

QStringList polaritaetsNamen() { return {QStringLiteral("npn Transistor"), QStringLiteral("pnp Transistor")}; }

const std::array<Bild, 8>& bilder() { return bildTabelle; }

const Bild* bildFuer(int summe) {
    for (const Bild& b : bildTabelle)
        if (b.summe == summe) return &b;
    return nullptr;
}

double* referenz(KStrom& k, int item) {
    switch (item) {
        case ZweiTransistoren: return &k.Trans;
        case ZweiDioden: return &k.Dioden;
        case Jfet: return &k.JFET;
        case ZDiode: return &k.ZDiode;
        default: return nullptr;
    }
}

std::optional<double> referenz(const KStrom& k, int item) {
    if (const double* v = referenz(const_cast<KStrom&>(k), item)) return *v;
    return std::nullopt;
}

Ergebnis berechnen(int item, double U, double I, double Iq, double V) {
    Ergebnis e;
    if (!endlich({U, V})) return e;
    switch (item) {
        case ZweiTransistoren:
            e.R1 = teile(V, I);
            e.R2 = teile(U - 2 * V, Iq);
            e.RL = teile(U - V - Uce, I);
            break;
        case ZweiDioden:
        case ZDiode:
            e.R1 = teile(V - Ube, I);
            e.R2 = teile(U - V, Iq);
            e.RL = teile(U - ((V - Ube) + Uce), I);
            break;
        case Jfet:
            e.R1 = teile(V, I);
            e.RL = teile(U - Ugs - V, I);
            break;
        default: break;
    }
    return e;
}

Ohmanzeige ohmAnzeige(std::optional<double> wert, QChar dezimal) {
    if (!wert || !std::isfinite(*wert)) return {QStringLiteral("---"), OhmZeichen};
    const Anzeige a = AnzeigeMitVorsatz(*wert, dezimal);
    return {u' ' + a.zahl, a.vorsatz + OhmZeichen};
}

QString referenzAnzeige(double wert, QChar dezimal) { return Zahlenausgabe(wert, dezimal) + QStringLiteral(" V"); }

QString meldungKeinGleitkommawert(const QString& text) {
    return u'\'' + text + QStringLiteral(u"' ist kein gültiger Gleitkommawert.");
}

}  // namespace zelmo::kstrom
