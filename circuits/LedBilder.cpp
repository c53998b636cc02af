// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/LedBilder.h"

#include <QPainter>
#include <QPainterPath>

#include "circuits/ledvorwiderstand.h"
#include "fields/Schaltbild.h"

namespace zelmo::ledbild {

namespace {

constexpr double oben = 40;    // the wire from + through R and the LEDs
constexpr double unten = 160;  // the return wire to -
constexpr double klemmeX = 80;

// Supply terminals with U, the current arrow, the return wire from the right-hand corner at x.
void versorgung(QPainter& p, double rechts) {
    using namespace symbol;
    draht(p, {QPointF(rechts, oben), QPointF(rechts, unten), QPointF(klemmeX, unten)});
    klemme(p, QPointF(klemmeX, oben));
    klemme(p, QPointF(klemmeX, unten));
    text(p, QPointF(klemmeX - 16, oben), QStringLiteral("+"), 17);
    text(p, QPointF(klemmeX - 16, unten), QStringLiteral(u"\u2212"), 17);
    pfeil(p, QPointF(45, oben + 14), QPointF(45, unten - 14));
    text(p, QPointF(29, (oben + unten) / 2), QStringLiteral("U"), 16);
    pfeil(p, QPointF(100, oben - 13), QPointF(140, oben - 13));
    text(p, QPointF(120, oben - 26), QStringLiteral("I"), 15);
}

void ledText(QPainter& p, QPointF mitte, const QString& vor) {
    symbol::text(p, mitte, vor + QStringLiteral("U"), 15, QStringLiteral("f"));
}

}  // namespace

void eineLed(QPainter& p) {
    using namespace symbol;
    draht(p, QPointF(klemmeX + 3, oben), QPointF(170, oben));
    widerstand(p, QPointF(170, oben), QPointF(290, oben), 62, 20);
    text(p, QPointF(230, oben - 24), QStringLiteral("R"), 16);
    symbol::led(p, QPointF(290, oben), QPointF(440, oben), 30);
    draht(p, QPointF(440, oben), QPointF(560, oben));
    pfeil(p, QPointF(342, oben + 24), QPointF(382, oben + 24));
    ledText(p, QPointF(362, oben + 42), {});
    versorgung(p, 560);
}

void vieleLeds(QPainter& p) {
    using namespace symbol;
    draht(p, QPointF(klemmeX + 3, oben), QPointF(160, oben));
    widerstand(p, QPointF(160, oben), QPointF(265, oben), 62, 20);
    text(p, QPointF(212, oben - 24), QStringLiteral("R"), 16);
    const double g = 26;
    symbol::led(p, QPointF(265, oben), QPointF(345, oben), g);
    symbol::led(p, QPointF(345, oben), QPointF(425, oben), g);
    // the LEDs between the second and the last
    p.save();
    QPen gestrichelt = p.pen();
    gestrichelt.setStyle(Qt::DotLine);
    gestrichelt.setWidthF(2);
    p.setPen(gestrichelt);
    p.drawLine(QPointF(428, oben), QPointF(467, oben));
    p.restore();
    symbol::led(p, QPointF(470, oben), QPointF(550, oben), g);
    draht(p, QPointF(550, oben), QPointF(585, oben));
    text(p, QPointF(305, oben + 24), QStringLiteral("1"), 13);
    text(p, QPointF(385, oben + 24), QStringLiteral("2"), 13);
    text(p, QPointF(510, oben + 24), QStringLiteral("n"), 13);
    pfeil(p, QPointF(280, oben + 44), QPointF(535, oben + 44));
    ledText(p, QPointF(407, oben + 62), QStringLiteral(u"n \u00B7 "));
    versorgung(p, 585);
}

QColor koerperFarbe(int farbe) {
    switch (farbe) {
        case led::Rot: return {225, 35, 35};
        case led::Blau: return {45, 90, 235};
        case led::Gruen: return {35, 175, 65};
        case led::Weiss: return {246, 246, 238};
        case led::Gelb: return {250, 215, 30};
        case led::User: return {255, 140, 30};
        default: return {200, 200, 200};
    }
}

void anschlussbild(QPainter& p, const QColor& koerper) {
    using namespace symbol;
    const QColor rand = koerper.lightness() > 200 ? QColor(120, 120, 120) : koerper.darker(170);
    QColor fuellung = koerper;
    fuellung.setAlpha(170);
    const QPen beinStift(QColor(110, 110, 110), 2.4, Qt::SolidLine, Qt::FlatCap);
    const QPen innenStift(QColor(90, 90, 90), 1.2);

    // --- from the side: anode (long leg) on the left, cathode (short leg, flat collar) on the right
    const double ax = 25, kx = 41;  // legs
    p.setPen(beinStift);
    p.drawLine(QPointF(ax, 86), QPointF(ax, 160));
    p.drawLine(QPointF(kx, 86), QPointF(kx, 146));
    // inside the body: the thin anode post with its bond wire and the cathode's large anvil with the chip
    p.setPen(innenStift);
    p.setBrush(QColor(150, 150, 150));
    QPolygonF pfosten;
    pfosten << QPointF(ax - 1, 84) << QPointF(ax - 1, 47) << QPointF(ax + 5, 47) << QPointF(ax + 5, 51)
            << QPointF(ax + 1, 51) << QPointF(ax + 1, 84);
    p.drawPolygon(pfosten);
    QPolygonF amboss;
    amboss << QPointF(kx - 1.5, 84) << QPointF(kx - 1.5, 62) << QPointF(kx - 8, 50) << QPointF(kx - 8, 45)
           << QPointF(kx + 7, 45) << QPointF(kx + 7, 50) << QPointF(kx + 1.5, 62) << QPointF(kx + 1.5, 84);
    p.drawPolygon(amboss);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(kx - 2, 42, 4, 3));  // the chip in the anvil's cup
    p.setBrush(Qt::NoBrush);
    QPainterPath bond;
    bond.moveTo(ax + 3, 47);
    bond.quadTo(QPointF(ax + 9, 34), QPointF(kx, 42));
    p.drawPath(bond);
    // the transparent epoxy body with its dome
    QPainterPath koerperPfad;
    koerperPfad.moveTo(14, 80);
    koerperPfad.lineTo(14, 30);
    koerperPfad.arcTo(QRectF(14, 12, 38, 38), 180, -180);
    koerperPfad.lineTo(52, 80);
    koerperPfad.closeSubpath();
    p.setPen(QPen(rand, 1.4));
    p.setBrush(fuellung);
    p.drawPath(koerperPfad);
    // collar, cut flat on the cathode side
    p.setBrush(koerper);
    p.drawRect(QRectF(9, 80, 45, 7));
    // light spot on the dome
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(20, 18, 8, 14));
    text(p, QPointF(ax, 170), QStringLiteral("A"), 12);
    text(p, QPointF(kx, 156), QStringLiteral("K"), 12);

    // --- from below: collar with its flat (cathode side) and the two legs
    const QPointF m(98, 42);
    QPainterPath kragen;
    kragen.addEllipse(m, 24, 24);
    QPainterPath schnitt;
    schnitt.addRect(QRectF(m.x() - 30, m.y() - 30, 30 + 20, 60));
    p.setPen(QPen(rand, 1.4));
    p.setBrush(koerper);
    p.drawPath(kragen.intersected(schnitt));
    p.setBrush(fuellung.lighter(115));
    p.drawEllipse(m, 18, 18);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(175, 175, 175));
    const QPointF anode = m + QPointF(-8, 0);
    const QPointF kathode = m + QPointF(8, 0);
    p.drawEllipse(anode, 3.2, 3.2);
    p.drawEllipse(kathode, 3.2, 3.2);
    text(p, anode + QPointF(0, 34), QStringLiteral("A"), 12);
    text(p, kathode + QPointF(0, 34), QStringLiteral("K"), 12);
    text(p, QPointF(m.x(), 95), QStringLiteral("von unten"), 11);
    text(p, QPointF(m.x() + 2, 122), QStringLiteral("von der"), 11);
    text(p, QPointF(m.x() + 2, 135), QStringLiteral("Seite"), 11);
    stift(p, 1.2);
    pfeil(p, QPointF(m.x() - 20, 146), QPointF(m.x() - 36, 146));
}

}  // namespace zelmo::ledbild
