// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Circuit drawings: a widget that paints a schematic in its own logical coordinates (scaled to the
// widget, so it stays crisp at any size), and the symbols the pages combine.
//
// Symbols follow the European (IEC) style: resistor as a rectangle, inductor as a filled bar,
// capacitor as two plates. Every symbol lies on the straight line from a to b; the leads from a and b
// to the symbol's body are drawn too.

#include <QPointF>
#include <QString>
#include <QRectF>
#include <QWidget>
#include <functional>

class QPainter;

namespace zelmo {

class Schaltbild : public QWidget {
    Q_OBJECT
public:
    using Zeichnung = std::function<void(QPainter&)>;
    // logisch: the size of the drawing's coordinate system
    Schaltbild(const QString& name, QSizeF logisch, QWidget* parent = nullptr);
    void setZeichnung(Zeichnung z);
    void setHintergrund(const QColor& c);  // invalid colour: transparent (default)

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSizeF m_logisch;
    Zeichnung m_zeichnung;
    QColor m_hintergrund;
};

namespace symbol {

// Pen for wires (1.5 units, black) on the painter.
void stift(QPainter& p, double breite = 1.5);
void draht(QPainter& p, QPointF a, QPointF b);
// A polyline through the points.
void draht(QPainter& p, std::initializer_list<QPointF> punkte);
// A junction dot.
void punkt(QPainter& p, QPointF m);
// An open terminal (small circle).
void klemme(QPainter& p, QPointF m);
void widerstand(QPainter& p, QPointF a, QPointF b, double laenge = 30, double breite = 11);
void spule(QPainter& p, QPointF a, QPointF b, double laenge = 30, double breite = 9);
void kondensator(QPainter& p, QPointF a, QPointF b, double abstand = 6, double plattenBreite = 20);
// LED from anode a to cathode b, with the two light arrows.
void led(QPainter& p, QPointF a, QPointF b, double groesse = 16);
// Text centred on a point (size in logical units); optional subscript after the main text.
void text(QPainter& p, QPointF mitte, const QString& t, double groesse = 11, const QString& index = {});
// Arrow from a to b (voltage and current arrows), filled head.
void pfeil(QPainter& p, QPointF a, QPointF b, const QColor& farbe = Qt::black);

// One pin of a block: the end of its lead outside the body, and the pin's name.
struct Anschluss {
    QPointF ende;
    QString name;
};
// An integrated circuit (regulator, timer ...) as a block: the body with its name in the middle and,
// for every pin, the lead from the nearest edge of the body straight out to the pin's end, with the
// pin's name inside the body at that edge.
void baustein(QPainter& p, const QRectF& koerper, const QString& name, std::initializer_list<Anschluss> anschluesse,
              double schrift = 11);
// Ground: a short thick bar across the end of a wire at m.
void masse(QPainter& p, QPointF m, double breite = 18);

// --- semiconductors (three-terminal symbols are placed by their centre m; g is the overall size) ---

// Diode from anode a to cathode b.
void diode(QPainter& p, QPointF a, QPointF b, double groesse = 16);
// Z-diode from anode a to cathode b (bar with bent ends); in a circuit it usually conducts backwards.
void zDiode(QPainter& p, QPointF a, QPointF b, double groesse = 16);

// Where the leads of a three-terminal symbol end.
struct Transistoranschluesse {
    QPointF basis;
    QPointF kollektor;
    QPointF emitter;
};
struct Jfetanschluesse {
    QPointF gate;
    QPointF drain;
    QPointF source;
};
// Bipolar transistor in its circle: base lead from the left (basisLinks) or from the right, collector
// leaving upwards (kollektorOben) or downwards, emitter on the opposite side. The npn emitter arrow
// points away from the base, the pnp one towards it.
Transistoranschluesse npnTransistor(QPainter& p, QPointF m, bool basisLinks = true, bool kollektorOben = true,
                                    double g = 44);
Transistoranschluesse pnpTransistor(QPainter& p, QPointF m, bool basisLinks = true, bool kollektorOben = true,
                                    double g = 44);
// Junction FET in its circle: gate from the left or the right, drain upwards or downwards. The gate
// arrow points into the channel for n-channel, out of it for p-channel.
Jfetanschluesse nKanalJfet(QPainter& p, QPointF m, bool gateLinks = true, bool drainOben = true, double g = 44);
Jfetanschluesse pKanalJfet(QPainter& p, QPointF m, bool gateLinks = true, bool drainOben = true, double g = 44);

// --- 555 timer (used by the NE555 page)

// Size of the 555 block and the length of its pin leads, in logical units.
inline constexpr double ne555Breite = 90;
inline constexpr double ne555Hoehe = 120;
inline constexpr double ne555Bein = 15;
// The 555 as a block with its eight numbered pins where circuit diagrams put them: 4 (reset) and
// 8 (supply) on top, 7 (discharge), 6 (threshold) and 2 (trigger) on the left, 3 (output) on the
// right, 1 (ground) and 5 (control voltage) at the bottom. linksOben is the body's top left corner.
void ne555Baustein(QPainter& p, QPointF linksOben);
// Outer end of the lead of pin 1 to 8 of a block drawn at linksOben (the body for any other number).
QPointF ne555Anschluss(QPointF linksOben, int pin);

}  // namespace symbol

}  // namespace zelmo
