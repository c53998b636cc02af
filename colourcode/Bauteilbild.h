// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawing of a colour-coded component: lead wires, a body, ring shapes standing on the body, a
// shading over body and rings (so that they look round) and the small ring labels under the body.
// Everything is placed in logical coordinates and scaled to the widget, painted as vectors so that
// it stays crisp at any size and device pixel ratio.

#include <QLineF>
#include <QPainterPath>
#include <QWidget>
#include <map>
#include <vector>

class QLabel;

namespace zelmo {

class Ringform;

class Bauteilbild : public QWidget {
    Q_OBJECT
public:
    Bauteilbild(const QString& name, QSizeF logisch, QWidget* parent);

    // The body: outline in logical coordinates, fill colour; the body widget carries koerperName.
    void setKoerper(const QString& koerperName, const QPainterPath& umriss, const QColor& farbe);
    QWidget* koerper() const;
    // Lead wires as lines of the given thickness (logical units).
    void setDraehte(std::vector<QLineF> draehte, double staerke);

    // A ring shape on the body, placed with platzieren.
    Ringform* neuerRing(const QString& name);
    // A ring label under the body, placed with platzieren (centred on the given point).
    QLabel* neueMarke(const QString& name, const QString& text);
    void platzieren(Ringform* ring, const QRectF& logisch);
    void platzieren(QLabel* marke, QPointF mitte);

    double massstab() const;
    QPointF nachWidget(QPointF logisch) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void anordnen();
    void anordnen(QWidget* w);

    class Koerper;
    class Schattierung;

    QSizeF m_logisch;
    Koerper* m_koerper = nullptr;
    Schattierung* m_schattierung = nullptr;
    std::vector<QLineF> m_draehte;
    double m_drahtstaerke = 2;
    std::map<QWidget*, QRectF> m_ringe;
    std::map<QWidget*, QPointF> m_marken;
};

}  // namespace zelmo
