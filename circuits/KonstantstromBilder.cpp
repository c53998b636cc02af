// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/KonstantstromBilder.h"

#include <QPainter>
#include <utility>

#include "fields/Schaltbild.h"

namespace zelmo::kstrombild {

namespace {

using namespace symbol;

const QColor stromFarbe(190, 0, 0);
const QColor spannungFarbe(0, 60, 190);
constexpr double schrift = 14;
constexpr double oben = 40;    // supply rail +
constexpr double unten = 345;  // supply rail -
constexpr double klemmeX = 44;
constexpr double g = 44;       // size of the transistors

// Places the npn drawing; turned upside down for pnp (the rails swap their parts, not their places).
struct Plan {
    bool kopf;
    QPointF operator()(double x, double y) const { return {x, kopf ? oben + unten - y : y}; }
};

// The two points ordered from top to bottom (the higher potential is on top in every picture).
std::pair<QPointF, QPointF> vonOben(QPointF a, QPointF b) {
    if (a.y() > b.y()) std::swap(a, b);
    return {a, b};
}

void bauteil(QPainter& p, QPointF a, QPointF b, const QString& index, QPointF beschriftung) {
    widerstand(p, a, b, 48, 18);
    text(p, beschriftung, QStringLiteral("R"), schrift, index);
}

// Current arrow beside a part, downwards.
void strom(QPainter& p, QPointF a, QPointF b, const QString& index, QPointF beschriftung) {
    const auto [o, u] = vonOben(a, b);
    pfeil(p, o, u, stromFarbe);
    text(p, beschriftung, QStringLiteral("I"), schrift, index);
}

// Voltage arrow from + to -.
void spannung(QPainter& p, QPointF a, QPointF b, const QString& index, QPointF beschriftung) {
    const auto [o, u] = vonOben(a, b);
    pfeil(p, o, u, spannungFarbe);
    text(p, beschriftung, QStringLiteral("U"), schrift, index);
}

// Terminals with + and -, the supply voltage, and both rails up to x = rechts.
void versorgung(QPainter& p, double rechts) {
    draht(p, QPointF(klemmeX + 3, oben), QPointF(rechts, oben));
    draht(p, QPointF(klemmeX + 3, unten), QPointF(rechts, unten));
    klemme(p, QPointF(klemmeX, oben));
    klemme(p, QPointF(klemmeX, unten));
    text(p, QPointF(klemmeX - 14, oben - 12), QStringLiteral("+"), 16);
    text(p, QPointF(klemmeX - 14, unten + 12), QStringLiteral(u"\u2212"), 16);
    spannung(p, QPointF(26, oben + 14), QPointF(26, unten - 14), {}, QPointF(12, (oben + unten) / 2));
}

// The load from the rail above (npn) to the collector or drain at y, with its current.
void last(QPainter& p, const Plan& at, double x, double y) {
    bauteil(p, at(x, oben), at(x, y), QStringLiteral("L"), at(x - 24, (oben + y) / 2));
    strom(p, at(x + 20, (oben + y) / 2 - 24), at(x + 20, (oben + y) / 2 + 24), {}, at(x + 31, (oben + y) / 2));
}

// A transistor whose collector (and emitter) run on the vertical x, base at height y from the left
// (basisLinks) or the right; the collector points to the upper rail of the npn drawing.
Transistoranschluesse transistor(QPainter& p, const Plan& at, double x, double y, bool basisLinks) {
    const QPointF m = at(basisLinks ? x - 0.25 * g : x + 0.25 * g, y);
    return at.kopf ? pnpTransistor(p, m, basisLinks, false, g) : npnTransistor(p, m, basisLinks, true, g);
}

}  // namespace

void zweiTransistoren(QPainter& p, bool pnp) {
    const Plan at{pnp};
    const double xq = 130;  // R2, T2
    const double xl = 220;  // RL, T1, R1
    const double yb = 185;  // base of T1
    const double ye = 250;  // emitter of T1, base of T2
    versorgung(p, xl);
    const auto t1 = transistor(p, at, xl, yb, true);
    const auto t2 = transistor(p, at, xq, ye, false);
    last(p, at, xl, yb - 0.6 * g);
    // bias: R2 into the base node, T2 takes what T1's base does not need
    bauteil(p, at(xq, oben), at(xq, yb), QStringLiteral("2"), at(xq - 24, (oben + yb) / 2));
    strom(p, at(xq + 20, (oben + yb) / 2 - 22), at(xq + 20, (oben + yb) / 2 + 22), QStringLiteral("q"),
          at(xq + 34, (oben + yb) / 2));
    draht(p, at(xq, yb), t1.basis);
    draht(p, t2.kollektor, at(xq, yb));
    punkt(p, at(xq, yb));
    draht(p, t2.emitter, at(xq, unten));
    punkt(p, at(xq, oben));
    punkt(p, at(xq, unten));
    // current-setting resistor; its voltage is T2's base-emitter voltage
    draht(p, t1.emitter, at(xl, ye));
    draht(p, t2.basis, at(xl, ye));
    punkt(p, at(xl, ye));
    bauteil(p, at(xl, ye), at(xl, unten), QStringLiteral("1"), at(xl - 24, (ye + unten) / 2 + 6));
    spannung(p, at(xl + 24, ye + 12), at(xl + 24, unten - 12), QStringLiteral("BE"), at(xl + 46, (ye + unten) / 2));
    text(p, at(xl + 30, yb), QStringLiteral("T"), schrift, QStringLiteral("1"));
    text(p, at(xq - 30, ye), QStringLiteral("T"), schrift, QStringLiteral("2"));
}

namespace {

// The two circuits with a reference voltage at the base: R2 feeds the base node, the reference parts
// (drawn by referenz from the base node down to the lower rail) hold it, R1 sets the current.
template <typename Referenz>
void basisReferenz(QPainter& p, bool pnp, Referenz referenz) {
    const Plan at{pnp};
    const double xb = 110;  // R2, reference
    const double xl = 220;  // RL, T, R1
    const double yb = 160;  // base node
    versorgung(p, xl);
    const auto t = transistor(p, at, xl, yb, true);
    last(p, at, xl, yb - 0.6 * g);
    bauteil(p, at(xb, oben), at(xb, yb), QStringLiteral("2"), at(xb - 24, (oben + yb) / 2));
    strom(p, at(xb + 20, (oben + yb) / 2 - 22), at(xb + 20, (oben + yb) / 2 + 22), QStringLiteral("q"),
          at(xb + 34, (oben + yb) / 2));
    draht(p, at(xb, yb), t.basis);
    punkt(p, at(xb, yb));
    punkt(p, at(xb, oben));
    punkt(p, at(xb, unten));
    referenz(at, xb, yb);
    bauteil(p, t.emitter, at(xl, unten), QStringLiteral("1"), at(xl - 24, (yb + 0.6 * g + unten) / 2));
    text(p, at(xl + 30, yb), QStringLiteral("T"), schrift);
}

}  // namespace

void zweiDioden(QPainter& p, bool pnp) {
    basisReferenz(p, pnp, [&p](const Plan& at, double x, double yb) {
        const double ym = (yb + unten) / 2 + 6;
        // forward diodes: the anode is on top in both polarities
        const auto [o1, u1] = vonOben(at(x, yb), at(x, ym));
        diode(p, o1, u1, 18);
        const auto [o2, u2] = vonOben(at(x, ym), at(x, unten));
        diode(p, o2, u2, 18);
        text(p, at(x + 24, (yb + ym) / 2), QStringLiteral("D"), schrift, QStringLiteral("1"));
        text(p, at(x + 24, (ym + unten) / 2), QStringLiteral("D"), schrift, QStringLiteral("2"));
        spannung(p, at(x - 26, yb + 10), at(x - 26, unten - 10), QStringLiteral("f"), at(x - 42, (yb + unten) / 2));
    });
}

void zDiode(QPainter& p, bool pnp) {
    basisReferenz(p, pnp, [&p](const Plan& at, double x, double yb) {
        // the Z-diode works backwards: its cathode is on top in both polarities
        const auto [o, u] = vonOben(at(x, yb), at(x, unten));
        symbol::zDiode(p, u, o, 20);
        text(p, at(x + 24, (yb + unten) / 2), QStringLiteral("D"), schrift, QStringLiteral("Z"));
        spannung(p, at(x - 26, yb + 30), at(x - 26, unten - 30), QStringLiteral("Z"), at(x - 42, (yb + unten) / 2));
    });
}

void jfet(QPainter& p, bool pChannel) {
    const Plan at{pChannel};
    const double xg = 120;  // gate return
    const double xl = 200;  // RL, FET, R1
    const double yg = 170;
    versorgung(p, xl);
    const QPointF m = at(xl - 0.25 * g, yg);
    const auto t = pChannel ? pKanalJfet(p, m, true, false, g) : nKanalJfet(p, m, true, true, g);
    last(p, at, xl, yg - 0.6 * g);
    // the gate lies on the lower rail (npn drawing): R1 lifts the source by U_GS
    draht(p, {t.gate, at(xg, yg), at(xg, unten)});
    punkt(p, at(xg, unten));
    bauteil(p, t.source, at(xl, unten), QStringLiteral("1"), at(xl - 24, (yg + 0.6 * g + unten) / 2));
    spannung(p, at(xl + 24, yg + 0.6 * g + 12), at(xl + 24, unten - 12), QStringLiteral("GS"),
             at(xl + 46, (yg + 0.6 * g + unten) / 2));
    text(p, at(xl + 30, yg), QStringLiteral("T"), schrift);
}

void zeichne(QPainter& p, int summe) {
    switch (summe) {
        case 0: zweiTransistoren(p, false); break;
        case 1: zweiTransistoren(p, true); break;
        case 10: zweiDioden(p, false); break;
        case 11: zweiDioden(p, true); break;
        case 20: jfet(p, false); break;
        case 21: jfet(p, true); break;
        case 30: zDiode(p, false); break;
        case 31: zDiode(p, true); break;
        default: break;
    }
}

}  // namespace zelmo::kstrombild
