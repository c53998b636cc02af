#pragma once
// Circuit drawings: a widget that paints a schematic in its own logical coordinates (scaled to the
// widget, so it stays crisp at any size), and the symbols the pages combine.
//
// Symbols follow the European (IEC) style: resistor as a rectangle, inductor as a filled bar,
// capacitor as two plates. Every symbol lies on the straight line from a to b; the leads from a and b
// to the symbol's body are drawn too.

#include <QPointF>
#include <QString>
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

// --- 555 timer and diode (used by the NE555 page)

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
// Diode from anode a to cathode b (triangle and bar, no light arrows).
void halbleiterdiode(QPainter& p, QPointF a, QPointF b, double groesse = 16);

}  // namespace symbol

}  // namespace zelmo
