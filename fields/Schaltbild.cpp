// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Schaltbild.h"

#include <QPainter>
#include <QPainterPath>
#include "fields/Ressourcen.h"
#include <QtMath>

namespace zelmo {

Schaltbild::Schaltbild(const QString& name, QSizeF logisch, QWidget* parent)
    : QWidget(parent), m_logisch(logisch) {
    setObjectName(name);
}

void Schaltbild::setZeichnung(Zeichnung z) {
    m_zeichnung = std::move(z);
    update();
}

void Schaltbild::setHintergrund(const QColor& c) {
    m_hintergrund = c;
    update();
}

void Schaltbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_hintergrund.isValid()) p.fillRect(rect(), m_hintergrund);
    if (!m_zeichnung) return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = std::min(width() / m_logisch.width(), height() / m_logisch.height());
    p.translate((width() - m_logisch.width() * s) / 2, (height() - m_logisch.height() * s) / 2);
    p.scale(s, s);
    symbol::stift(p);
    m_zeichnung(p);
}

namespace symbol {

namespace {
// Rotates the painter so that the x axis runs from a to b; returns the length of a-b.
double ausrichten(QPainter& p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    p.translate(a);
    p.rotate(qRadiansToDegrees(std::atan2(d.y(), d.x())));
    return std::hypot(d.x(), d.y());
}
}  // namespace

void stift(QPainter& p, double breite) {
    QPen pen(Qt::black, breite);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void draht(QPainter& p, QPointF a, QPointF b) { p.drawLine(a, b); }

void draht(QPainter& p, std::initializer_list<QPointF> punkte) {
    QPolygonF poly;
    for (const QPointF& q : punkte) poly << q;
    p.drawPolyline(poly);
}

void punkt(QPainter& p, QPointF m) {
    p.save();
    p.setBrush(Qt::black);
    p.drawEllipse(m, 2.5, 2.5);
    p.restore();
}

void klemme(QPainter& p, QPointF m) {
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(m, 3, 3);
    p.restore();
}

namespace {
// A bar-shaped body of the given length centred on the line a-b, with the leads to it.
void stabKoerper(QPainter& p, QPointF a, QPointF b, double laenge, double breite, const QColor& fuellung) {
    p.save();
    const double l = ausrichten(p, a, b);
    const double start = (l - laenge) / 2;
    p.drawLine(QPointF(0, 0), QPointF(start, 0));
    p.drawLine(QPointF(start + laenge, 0), QPointF(l, 0));
    p.setBrush(fuellung);
    p.drawRect(QRectF(start, -breite / 2, laenge, breite));
    p.restore();
}
}  // namespace

void widerstand(QPainter& p, QPointF a, QPointF b, double laenge, double breite) {
    stabKoerper(p, a, b, laenge, breite, Qt::white);
}

void spule(QPainter& p, QPointF a, QPointF b, double laenge, double breite) {
    stabKoerper(p, a, b, laenge, breite, Qt::black);
}

void kondensator(QPainter& p, QPointF a, QPointF b, double abstand, double plattenBreite) {
    p.save();
    const double l = ausrichten(p, a, b);
    const double m = l / 2;
    p.drawLine(QPointF(0, 0), QPointF(m - abstand / 2, 0));
    p.drawLine(QPointF(m + abstand / 2, 0), QPointF(l, 0));
    QPen dick = p.pen();
    dick.setWidthF(dick.widthF() * 2);
    dick.setCapStyle(Qt::FlatCap);
    p.setPen(dick);
    p.drawLine(QPointF(m - abstand / 2, -plattenBreite / 2), QPointF(m - abstand / 2, plattenBreite / 2));
    p.drawLine(QPointF(m + abstand / 2, -plattenBreite / 2), QPointF(m + abstand / 2, plattenBreite / 2));
    p.restore();
}

namespace {
double diodenKoerper(QPainter& p, QPointF a, QPointF b, double g);
}  // namespace

void led(QPainter& p, QPointF a, QPointF b, double g) {
    p.save();
    const double h = g / 2;
    const double m = diodenKoerper(p, a, b, g) - h;
    p.drawLine(QPointF(m + h, -h), QPointF(m + h, h));
    // light leaving the diode
    for (double dx : {-h * 0.3, h * 0.5}) {
        const QPointF von(m + dx, -h - 2);
        const QPointF nach(m + dx + h * 0.7, -h - 2 - h * 0.9);
        p.drawLine(von, nach);
        const QPointF r = nach - von;
        const double len = std::hypot(r.x(), r.y());
        const QPointF e = r / len;
        const QPointF n(-e.y(), e.x());
        QPolygonF spitze;
        spitze << nach << nach - e * 4 + n * 2 << nach - e * 4 - n * 2;
        p.setBrush(Qt::black);
        p.drawPolygon(spitze);
    }
    p.restore();
}

void text(QPainter& p, QPointF mitte, const QString& t, double groesse, const QString& index) {
    p.save();
    const QFont f = schrift(groesse);
    p.setFont(f);
    const QFont fi = schrift(groesse * 0.7);
    const QFontMetricsF fm(f);
    const QFontMetricsF fmi(fi);
    const double w = fm.horizontalAdvance(t) + (index.isEmpty() ? 0 : fmi.horizontalAdvance(index));
    const QPointF links(mitte.x() - w / 2, mitte.y() + fm.ascent() / 2 - fm.descent() / 2);
    p.setPen(Qt::black);
    p.drawText(links, t);
    if (!index.isEmpty()) {
        p.setFont(fi);
        p.drawText(links + QPointF(fm.horizontalAdvance(t), groesse * 0.3), index);
    }
    p.restore();
}

void pfeil(QPainter& p, QPointF a, QPointF b, const QColor& farbe) {
    p.save();
    QPen pen = p.pen();
    pen.setColor(farbe);
    p.setPen(pen);
    const double l = ausrichten(p, a, b);
    p.drawLine(QPointF(0, 0), QPointF(l - 5, 0));
    QPolygonF spitze;
    spitze << QPointF(l, 0) << QPointF(l - 7, -3) << QPointF(l - 7, 3);
    p.setBrush(farbe);
    p.drawPolygon(spitze);
    p.restore();
}

namespace {
// Text with its left (ausrichtung < 0), centre (0) or right end (> 0) at x, centred on y.
void textAn(QPainter& p, QPointF punkt, const QString& t, double groesse, int ausrichtung) {
    const QFont f = schrift(groesse);
    const double w = QFontMetricsF(f).horizontalAdvance(t);
    const double mitte = ausrichtung < 0 ? punkt.x() + w / 2 : ausrichtung > 0 ? punkt.x() - w / 2 : punkt.x();
    text(p, QPointF(mitte, punkt.y()), t, groesse);
}
}  // namespace

void baustein(QPainter& p, const QRectF& k, const QString& name, std::initializer_list<Anschluss> anschluesse,
              double schrift) {
    const double rand = schrift * 0.35;
    for (const Anschluss& a : anschluesse) {
        const QPointF e = a.ende;
        if (e.x() < k.left())
            p.drawLine(QPointF(k.left(), e.y()), e);
        else if (e.x() > k.right())
            p.drawLine(QPointF(k.right(), e.y()), e);
        else if (e.y() > k.bottom())
            p.drawLine(QPointF(e.x(), k.bottom()), e);
        else
            p.drawLine(QPointF(e.x(), k.top()), e);
    }
    p.save();
    p.setBrush(Qt::white);
    p.drawRect(k);
    p.restore();
    for (const Anschluss& a : anschluesse) {
        const QPointF e = a.ende;
        if (e.x() < k.left())
            textAn(p, QPointF(k.left() + rand, e.y()), a.name, schrift, -1);
        else if (e.x() > k.right())
            textAn(p, QPointF(k.right() - rand, e.y()), a.name, schrift, 1);
        else if (e.y() > k.bottom())
            text(p, QPointF(e.x(), k.bottom() - schrift * 0.8), a.name, schrift);
        else
            text(p, QPointF(e.x(), k.top() + schrift * 0.8), a.name, schrift);
    }
    p.save();
    p.setFont(zelmo::schrift(schrift * 1.25, true));
    p.setPen(Qt::black);
    p.drawText(k, Qt::AlignCenter, name);
    p.restore();
}

void masse(QPainter& p, QPointF m, double breite) {
    p.save();
    QPen dick = p.pen();
    dick.setWidthF(dick.widthF() * 2.2);
    dick.setCapStyle(Qt::FlatCap);
    p.setPen(dick);
    p.drawLine(QPointF(m.x() - breite / 2, m.y()), QPointF(m.x() + breite / 2, m.y()));
    p.restore();
}


namespace {
// Filled arrow head with its tip at spitze, pointing along richtung (any length).
void pfeilspitze(QPainter& p, QPointF spitze, QPointF richtung, double laenge, double halbeBreite) {
    const double l = std::hypot(richtung.x(), richtung.y());
    if (l <= 0) return;
    const QPointF e = richtung / l;
    const QPointF n(-e.y(), e.x());
    QPolygonF kopf;
    kopf << spitze << spitze - e * laenge + n * halbeBreite << spitze - e * laenge - n * halbeBreite;
    p.save();
    QPen pen = p.pen();
    pen.setWidthF(std::min(pen.widthF(), 1.0));
    p.setPen(pen);
    p.setBrush(pen.color());
    p.drawPolygon(kopf);
    p.restore();
}

// Triangle and leads of a diode along a-b; returns the x of the bar in the rotated system.
double diodenKoerper(QPainter& p, QPointF a, QPointF b, double g) {
    const double l = ausrichten(p, a, b);
    const double m = l / 2;
    const double h = g / 2;
    p.drawLine(QPointF(0, 0), QPointF(m - h, 0));
    p.drawLine(QPointF(m + h, 0), QPointF(l, 0));
    QPolygonF dreieck;
    dreieck << QPointF(m - h, -h) << QPointF(m - h, h) << QPointF(m + h, 0);
    p.setBrush(Qt::white);
    p.drawPolygon(dreieck);
    return m + h;
}

// The circle of a three-terminal symbol, in the symbol's own coordinates.
void gehaeuse(QPainter& p, double g) {
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0.05 * g, 0), 0.42 * g, 0.42 * g);
    p.restore();
}

// A thick bar (the base of a transistor, the channel of a FET).
void balken(QPainter& p, QPointF a, QPointF b) {
    p.save();
    QPen dick = p.pen();
    dick.setWidthF(dick.widthF() * 2.2);
    dick.setCapStyle(Qt::FlatCap);
    p.setPen(dick);
    p.drawLine(a, b);
    p.restore();
}

Transistoranschluesse bipolar(QPainter& p, QPointF m, bool basisLinks, bool kollektorOben, double g, bool npn) {
    const double sx = basisLinks ? 1 : -1;
    const double sy = kollektorOben ? 1 : -1;
    p.save();
    p.translate(m);
    p.scale(sx, sy);
    gehaeuse(p, g);
    const double bx = -0.1 * g;
    const double ax = 0.25 * g;
    p.drawLine(QPointF(-0.6 * g, 0), QPointF(bx, 0));
    balken(p, QPointF(bx, -0.25 * g), QPointF(bx, 0.25 * g));
    const QPointF cInnen(bx, -0.1 * g), cKnick(ax, -0.33 * g);
    const QPointF eInnen(bx, 0.1 * g), eKnick(ax, 0.33 * g);
    p.drawPolyline(QPolygonF{cInnen, cKnick, QPointF(ax, -0.6 * g)});
    p.drawPolyline(QPolygonF{eInnen, eKnick, QPointF(ax, 0.6 * g)});
    const QPointF d = eKnick - eInnen;
    if (npn)
        pfeilspitze(p, eInnen + d * 0.9, d, 0.2 * g, 0.085 * g);
    else
        pfeilspitze(p, eInnen + d * 0.25, -d, 0.2 * g, 0.085 * g);
    p.restore();
    const auto ort = [&](double x, double y) { return QPointF(m.x() + sx * x, m.y() + sy * y); };
    return {ort(-0.6 * g, 0), ort(ax, -0.6 * g), ort(ax, 0.6 * g)};
}

Jfetanschluesse jfet(QPainter& p, QPointF m, bool gateLinks, bool drainOben, double g, bool nKanal) {
    const double sx = gateLinks ? 1 : -1;
    const double sy = drainOben ? 1 : -1;
    p.save();
    p.translate(m);
    p.scale(sx, sy);
    gehaeuse(p, g);
    const double bx = -0.05 * g;
    const double ax = 0.25 * g;
    balken(p, QPointF(bx, -0.28 * g), QPointF(bx, 0.28 * g));
    p.drawPolyline(QPolygonF{QPointF(bx, -0.18 * g), QPointF(ax, -0.18 * g), QPointF(ax, -0.6 * g)});
    p.drawPolyline(QPolygonF{QPointF(bx, 0.18 * g), QPointF(ax, 0.18 * g), QPointF(ax, 0.6 * g)});
    p.drawLine(QPointF(-0.6 * g, 0), QPointF(bx, 0));
    if (nKanal)
        pfeilspitze(p, QPointF(bx - 0.05 * g, 0), QPointF(1, 0), 0.2 * g, 0.085 * g);
    else
        pfeilspitze(p, QPointF(bx - 0.3 * g, 0), QPointF(-1, 0), 0.2 * g, 0.085 * g);
    p.restore();
    const auto ort = [&](double x, double y) { return QPointF(m.x() + sx * x, m.y() + sy * y); };
    return {ort(-0.6 * g, 0), ort(ax, -0.6 * g), ort(ax, 0.6 * g)};
}
}  // namespace

void diode(QPainter& p, QPointF a, QPointF b, double g) {
    p.save();
    const double x = diodenKoerper(p, a, b, g);
    const double h = g / 2;
    p.drawLine(QPointF(x, -h), QPointF(x, h));
    p.restore();
}

void zDiode(QPainter& p, QPointF a, QPointF b, double g) {
    p.save();
    const double x = diodenKoerper(p, a, b, g);
    const double h = g / 2;
    p.drawPolyline(QPolygonF{QPointF(x - h * 0.45, -h), QPointF(x, -h), QPointF(x, h), QPointF(x + h * 0.45, h)});
    p.restore();
}

Transistoranschluesse npnTransistor(QPainter& p, QPointF m, bool basisLinks, bool kollektorOben, double g) {
    return bipolar(p, m, basisLinks, kollektorOben, g, true);
}

Transistoranschluesse pnpTransistor(QPainter& p, QPointF m, bool basisLinks, bool kollektorOben, double g) {
    return bipolar(p, m, basisLinks, kollektorOben, g, false);
}

Jfetanschluesse nKanalJfet(QPainter& p, QPointF m, bool gateLinks, bool drainOben, double g) {
    return jfet(p, m, gateLinks, drainOben, g, true);
}

Jfetanschluesse pKanalJfet(QPainter& p, QPointF m, bool gateLinks, bool drainOben, double g) {
    return jfet(p, m, gateLinks, drainOben, g, false);
}

// --- 555 timer and diode

namespace {
struct NE555Bein {
    int pin;
    QPointF fuss;      // where the lead leaves the body, relative to its top left corner
    QPointF richtung;  // outwards
    const char* name;
};
constexpr double b555 = ne555Breite, h555 = ne555Hoehe;
const NE555Bein ne555Beine[] = {
    {1, {b555 * 0.3, h555}, {0, 1}, "GND"},   {2, {0, h555 * 0.8}, {-1, 0}, "TR"},
    {3, {b555, h555 * 0.5}, {1, 0}, "Q"},     {4, {b555 * 0.3, 0}, {0, -1}, "R"},
    {5, {b555 * 0.75, h555}, {0, 1}, "CV"},   {6, {0, h555 * 0.5}, {-1, 0}, "THR"},
    {7, {0, h555 * 0.2}, {-1, 0}, "DIS"},     {8, {b555 * 0.75, 0}, {0, -1}, "VCC"},
};
}  // namespace

QPointF ne555Anschluss(QPointF linksOben, int pin) {
    for (const NE555Bein& b : ne555Beine)
        if (b.pin == pin) return linksOben + b.fuss + b.richtung * ne555Bein;
    return linksOben + QPointF(b555 / 2, h555 / 2);
}

void ne555Baustein(QPainter& p, QPointF linksOben) {
    p.save();
    for (const NE555Bein& b : ne555Beine) {
        const QPointF fuss = linksOben + b.fuss;
        const QPointF ende = fuss + b.richtung * ne555Bein;
        p.drawLine(fuss, ende);
        // the number beside the lead
        const QPointF seitlich = b.richtung.x() != 0 ? QPointF(0, -6) : QPointF(6, 0);
        text(p, fuss + b.richtung * (ne555Bein / 2) + seitlich, QString::number(b.pin), 9);
    }
    p.setBrush(Qt::white);
    p.drawRect(QRectF(linksOben, QSizeF(b555, h555)));
    p.restore();
    // the pin names inside the body, and its title
    for (const NE555Bein& b : ne555Beine) {
        const QPointF fuss = linksOben + b.fuss;
        const QPointF innen = fuss - b.richtung * (b.richtung.x() != 0 ? 14 : 8);
        text(p, innen, QString::fromLatin1(b.name), 8);
    }
    text(p, linksOben + QPointF(b555 * 0.56, h555 * 0.66), QStringLiteral("NE555"), 13);
}

}  // namespace symbol

}  // namespace zelmo
