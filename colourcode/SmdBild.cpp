// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/SmdBild.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace zelmo {

namespace {

// The chip (logical units): top face, the visible front face below it, the end caps.
constexpr double ChipLinks = 85, ChipRechts = 265, ChipOben = 28, ChipUnten = 96, Dicke = 13;
constexpr double Kappe = 26;
// The disc capacitor: its centre and radii, the leads below it.
constexpr double ScheibeX = 175, ScheibeY = 48, ScheibeRx = 45, ScheibeRy = 44;

// Text as a vector path, centred on mitte, at most breite wide and hoehe high (cap height).
QPainterPath aufdruckPfad(const QString& text, QPointF mitte, double breite, double hoehe, bool schmal) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    if (schmal) f.setStretch(QFont::SemiCondensed);
    f.setPixelSize(100);
    f.setLetterSpacing(QFont::PercentageSpacing, 108);
    QPainterPath p;
    p.addText(0, 0, f, text);
    const QRectF r = p.boundingRect();
    if (r.isEmpty()) return p;
    const double s = std::min(breite / r.width(), hoehe / r.height());
    QTransform t;
    t.translate(mitte.x(), mitte.y());
    t.scale(s, s);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(p);
}

// Tinned metal: bright along the top edge, darker below.
QLinearGradient zinn(double oben, double unten) {
    QLinearGradient g(0, oben, 0, unten);
    g.setColorAt(0.0, QColor(246, 247, 249));
    g.setColorAt(0.35, QColor(196, 200, 205));
    g.setColorAt(0.7, QColor(160, 165, 172));
    g.setColorAt(1.0, QColor(205, 209, 214));
    return g;
}

}  // namespace

SmdBild::SmdBild(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SmdBild::zeigeChip(const QString& code) {
    m_kondensator = false;
    m_zeile1 = code;
    m_zeile2.clear();
    update();
}

void SmdBild::zeigeKondensator(const QString& wertcode, const QString& spannungscode) {
    m_kondensator = true;
    m_zeile1 = wertcode;
    m_zeile2 = spannungscode;
    update();
}

QString SmdBild::aufdruck() const { return m_zeile2.isEmpty() ? m_zeile1 : m_zeile1 + u'\n' + m_zeile2; }

void SmdBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(width() / Groesse.width(), height() / Groesse.height());
    p.translate((width() - Groesse.width() * s) / 2, (height() - Groesse.height() * s) / 2);
    p.scale(s, s);
    if (m_kondensator)
        kondensatorMalen(p);
    else
        chipMalen(p);
}

void SmdBild::chipMalen(QPainter& p) const {
    const double unten = ChipUnten + Dicke;
    // the shadow on the board
    QRadialGradient schatten(QPointF((ChipLinks + ChipRechts) / 2, unten + 2), (ChipRechts - ChipLinks) / 2 + 14);
    schatten.setColorAt(0.0, QColor(0, 0, 0, 90));
    schatten.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(0, unten + 2);
    p.scale(1, 0.12);
    p.translate(0, -(unten + 2));
    p.setPen(Qt::NoPen);
    p.setBrush(schatten);
    p.drawEllipse(QPointF((ChipLinks + ChipRechts) / 2, unten + 2), (ChipRechts - ChipLinks) / 2 + 14,
                  (ChipRechts - ChipLinks) / 2 + 14);
    p.restore();

    // the black body: top face and the darker front face
    const QRectF oben(ChipLinks + Kappe - 2, ChipOben, ChipRechts - ChipLinks - 2 * Kappe + 4, ChipUnten - ChipOben);
    const QRectF vorn(oben.left(), ChipUnten, oben.width(), Dicke);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 14, 16));
    p.drawRect(vorn);
    QLinearGradient koerper(0, ChipOben, 0, ChipUnten);
    koerper.setColorAt(0.0, QColor(58, 58, 62));
    koerper.setColorAt(0.08, QColor(34, 34, 37));
    koerper.setColorAt(1.0, QColor(22, 22, 24));
    p.setBrush(koerper);
    p.drawRect(oben);
    // a faint sheen across the top face
    QLinearGradient glanz(oben.topLeft(), oben.bottomRight());
    glanz.setColorAt(0.0, QColor(255, 255, 255, 0));
    glanz.setColorAt(0.45, QColor(255, 255, 255, 14));
    glanz.setColorAt(0.6, QColor(255, 255, 255, 0));
    p.setBrush(glanz);
    p.drawRect(oben);

    // the end caps: tinned metal wrapped round the body's ends, front face darker
    for (const double links : {ChipLinks, ChipRechts - Kappe}) {
        const QRectF kOben(links, ChipOben - 1, Kappe, ChipUnten - ChipOben + 1);
        const QRectF kVorn(links, ChipUnten, Kappe, Dicke);
        QPainterPath obenPfad, vornPfad;
        obenPfad.addRoundedRect(kOben, 3, 3);
        vornPfad.addRoundedRect(kVorn, 2, 2);
        p.setBrush(zinn(kVorn.top(), kVorn.bottom()));
        p.drawPath(vornPfad);
        p.fillPath(vornPfad, QColor(0, 0, 0, 45));
        p.setBrush(zinn(kOben.top(), kOben.bottom()));
        p.drawPath(obenPfad);
        QPen kante(QColor(120, 124, 130), 0.8);
        p.setPen(kante);
        p.setBrush(Qt::NoBrush);
        p.drawPath(obenPfad);
        p.drawPath(vornPfad);
        p.setPen(Qt::NoPen);
    }

    // the print
    if (!m_zeile1.isEmpty()) {
        const QPainterPath text = aufdruckPfad(m_zeile1, oben.center() + QPointF(0, 1), oben.width() * 0.78,
                                               oben.height() * 0.42, m_zeile1.size() > 3);
        p.setBrush(QColor(236, 236, 230));
        p.drawPath(text);
    }
}

void SmdBild::kondensatorMalen(QPainter& p) const {
    // two tinned leads leaving the disc downwards, slightly bent outwards
    const double fuss = Groesse.height() - 2;
    for (const double dx : {-13.0, 13.0}) {
        QPainterPath draht;
        const double x = ScheibeX + dx;
        draht.moveTo(x, ScheibeY + ScheibeRy - 10);
        draht.lineTo(x, ScheibeY + ScheibeRy + 10);
        draht.cubicTo(x, ScheibeY + ScheibeRy + 18, x + dx * 0.6, ScheibeY + ScheibeRy + 18, x + dx * 0.6,
                      ScheibeY + ScheibeRy + 26);
        draht.lineTo(x + dx * 0.6, fuss);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(110, 112, 116), 3.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(draht);
        p.setPen(QPen(QColor(225, 227, 230), 1.1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(draht.translated(-0.8, 0));
    }

    // the disc: glazed ceramic in ochre, lit from the upper left, a dipped rim below where the leads enter
    const QPointF mitte(ScheibeX, ScheibeY);
    QPainterPath scheibe;
    scheibe.addEllipse(mitte, ScheibeRx, ScheibeRy);
    QPainterPath wulst;
    wulst.addEllipse(QPointF(ScheibeX, ScheibeY + ScheibeRy - 3), 20, 9);
    scheibe = scheibe.united(wulst);
    QRadialGradient glasur(mitte + QPointF(-18, -20), ScheibeRx * 1.35, mitte + QPointF(-26, -28));
    glasur.setColorAt(0.0, QColor(246, 186, 92));
    glasur.setColorAt(0.35, QColor(222, 140, 44));
    glasur.setColorAt(0.8, QColor(176, 98, 22));
    glasur.setColorAt(1.0, QColor(130, 68, 14));
    p.setPen(QPen(QColor(110, 58, 12), 1.0));
    p.setBrush(glasur);
    p.drawPath(scheibe);
    // a glint of the glaze
    QRadialGradient glanz(mitte + QPointF(-17, -19), 16);
    glanz.setColorAt(0.0, QColor(255, 255, 255, 120));
    glanz.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glanz);
    p.drawEllipse(mitte + QPointF(-17, -19), 16, 12);

    // the print in dark ink: value code and tolerance letter, below it the voltage code
    p.setBrush(QColor(40, 26, 12));
    const bool zweiZeilen = !m_zeile2.isEmpty();
    if (!m_zeile1.isEmpty())
        p.drawPath(aufdruckPfad(m_zeile1, mitte + QPointF(0, zweiZeilen ? -9 : 0), ScheibeRx * 1.3,
                                zweiZeilen ? 16 : 19, m_zeile1.size() > 4));
    if (zweiZeilen) p.drawPath(aufdruckPfad(m_zeile2, mitte + QPointF(0, 16), ScheibeRx * 0.8, 12, false));
}

}  // namespace zelmo
