// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/SpannungsteilerBilder.h"

#include <QPainter>

#include "fields/Schaltbild.h"

namespace zelmo::teilerbild {

namespace {

using namespace symbol;

const QColor stromFarbe(190, 0, 0);
const QColor spannungFarbe(0, 60, 190);
constexpr double schrift = 14;

// Resistor body along a vertical wire, its name beside it.
void bauteil(QPainter& p, QPointF a, QPointF b, const QString& index, QPointF beschriftung, double laenge = 56) {
    widerstand(p, a, b, laenge, 20);
    text(p, beschriftung, QStringLiteral("R"), schrift, index);
}

// Current arrow drawn on its wire.
void strom(QPainter& p, QPointF a, QPointF b, const QString& index, QPointF beschriftung) {
    pfeil(p, a, b, stromFarbe);
    text(p, beschriftung, QStringLiteral("I"), schrift, index);
}

// Voltage arrow beside the part, from + to -.
void spannung(QPainter& p, QPointF a, QPointF b, const QString& index, QPointF beschriftung) {
    pfeil(p, a, b, spannungFarbe);
    text(p, beschriftung, QStringLiteral("U"), schrift, index);
}

}  // namespace

void spannungOhneLast(QPainter& p) {
    const double links = 48, rechts = 206, mitte = 130, oben = 36, knoten = 156, unten = 276;
    draht(p, {QPointF(links, oben), QPointF(mitte, oben)});
    bauteil(p, {mitte, oben}, {mitte, knoten}, QStringLiteral("1"), {158, 96});
    bauteil(p, {mitte, knoten}, {mitte, unten}, QStringLiteral("2"), {158, 216});
    draht(p, {mitte, knoten}, {rechts, knoten});
    draht(p, {links, unten}, {rechts, unten});
    punkt(p, {mitte, knoten});
    punkt(p, {mitte, unten});
    for (QPointF k : {QPointF(links, oben), QPointF(links, unten), QPointF(rechts, knoten), QPointF(rechts, unten)})
        klemme(p, k);
    spannung(p, {26, oben + 12}, {26, unten - 12}, {}, {12, 156});
    spannung(p, {224, knoten + 12}, {224, unten - 12}, QStringLiteral("2"), {240, 216});
    strom(p, {66, oben}, {104, oben}, {}, {85, oben - 13});
}

void spannungMitLast(QPainter& p) {
    const double links = 34, mitte = 106, last = 180, oben = 36, knoten = 156, unten = 276;
    draht(p, {QPointF(links, oben), QPointF(mitte, oben)});
    bauteil(p, {mitte, oben}, {mitte, knoten}, QStringLiteral("1"), {82, 96});
    bauteil(p, {mitte, knoten}, {mitte, unten}, QStringLiteral("2"), {82, 230});
    draht(p, {mitte, knoten}, {last, knoten});
    bauteil(p, {last, knoten}, {last, unten}, QStringLiteral("L"), {203, 216});
    draht(p, {links, unten}, {last, unten});
    punkt(p, {mitte, knoten});
    punkt(p, {mitte, unten});
    klemme(p, {links, oben});
    klemme(p, {links, unten});
    spannung(p, {16, oben + 12}, {16, unten - 12}, {}, {6, 156});
    spannung(p, {224, knoten + 12}, {224, unten - 12}, QStringLiteral("2"), {238, 216});
    strom(p, {50, oben}, {88, oben}, QStringLiteral("R1"), {69, oben - 13});
    strom(p, {mitte, knoten + 4}, {mitte, knoten + 30}, QStringLiteral("q"), {124, knoten + 20});
    strom(p, {132, knoten}, {162, knoten}, QStringLiteral("L"), {147, knoten - 13});
}

void stromOhneLast(QPainter& p) {
    const double links = 40, r1 = 120, r2 = 206, oben = 44, unten = 276;
    draht(p, {links, oben}, {r2, oben});
    bauteil(p, {r1, oben}, {r1, unten}, QStringLiteral("1"), {146, 160});
    bauteil(p, {r2, oben}, {r2, unten}, QStringLiteral("2"), {232, 160});
    draht(p, {links, unten}, {r2, unten});
    punkt(p, {r1, oben});
    punkt(p, {r1, unten});
    klemme(p, {links, oben});
    klemme(p, {links, unten});
    spannung(p, {20, oben + 12}, {20, unten - 12}, {}, {8, 160});
    strom(p, {54, oben}, {94, oben}, {}, {74, oben - 13});
    strom(p, {r1, oben + 10}, {r1, oben + 44}, QStringLiteral("1"), {r1 - 16, oben + 28});
    strom(p, {r2, oben + 10}, {r2, oben + 44}, QStringLiteral("2"), {r2 - 16, oben + 28});
}

void stromMitLast(QPainter& p) {
    const double links = 40, r1 = 120, r2 = 196, oben = 44, knoten = 160, unten = 276;
    draht(p, {links, oben}, {r2, oben});
    bauteil(p, {r1, oben}, {r1, unten}, QStringLiteral("1"), {146, 160});
    bauteil(p, {r2, oben}, {r2, knoten}, QStringLiteral("2"), {172, 104}, 48);
    bauteil(p, {r2, knoten}, {r2, unten}, QStringLiteral("L"), {172, 220}, 48);
    draht(p, {links, unten}, {r2, unten});
    punkt(p, {r1, oben});
    punkt(p, {r1, unten});
    klemme(p, {links, oben});
    klemme(p, {links, unten});
    spannung(p, {20, oben + 12}, {20, unten - 12}, {}, {8, 160});
    spannung(p, {224, knoten + 12}, {224, unten - 12}, QStringLiteral("L"), {240, 220});
    strom(p, {54, oben}, {94, oben}, {}, {74, oben - 13});
    strom(p, {r1, oben + 10}, {r1, oben + 44}, QStringLiteral("1"), {r1 - 16, oben + 28});
    strom(p, {r2, oben + 4}, {r2, oben + 28}, QStringLiteral("2"), {r2 + 18, oben + 16});
}

}  // namespace zelmo::teilerbild
