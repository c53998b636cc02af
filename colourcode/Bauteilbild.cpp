// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/Bauteilbild.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "fields/Ringform.h"

namespace zelmo {

// The body; the rings are its children so that they stand on it.
class Bauteilbild::Koerper : public QWidget {
public:
    Koerper(Bauteilbild* bild, const QString& name) : QWidget(bild), m_bild(bild) { setObjectName(name); }

    void abbilden(QPainter& p) const {
        const double s = m_bild->massstab();
        const QPointF o = m_bild->nachWidget({0, 0}) - QPointF(pos());
        p.translate(o);
        p.scale(s, s);
    }

    QPainterPath umriss;
    QColor farbe;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        abbilden(p);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        p.drawPath(umriss);
    }

private:
    Bauteilbild* m_bild;
};

// Light from above over body and rings, and the body's outline.
class Bauteilbild::Schattierung : public QWidget {
public:
    explicit Schattierung(Koerper* k) : QWidget(k), m_koerper(k) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(k->objectName() + QStringLiteral("_Schattierung"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        m_koerper->abbilden(p);
        const QRectF r = m_koerper->umriss.boundingRect();
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, QColor(0, 0, 0, 40));
        g.setColorAt(0.12, QColor(255, 255, 255, 0));
        g.setColorAt(0.28, QColor(255, 255, 255, 150));
        g.setColorAt(0.45, QColor(255, 255, 255, 0));
        g.setColorAt(0.70, QColor(0, 0, 0, 0));
        g.setColorAt(1.0, QColor(0, 0, 0, 120));
        p.setClipPath(m_koerper->umriss);
        p.fillRect(r, g);
        p.setClipping(false);
        QPen rand(m_koerper->farbe.darker(190), 1.0);
        rand.setCosmetic(true);
        p.setPen(rand);
        p.setBrush(Qt::NoBrush);
        p.drawPath(m_koerper->umriss);
    }

private:
    Koerper* m_koerper;
};

Bauteilbild::Bauteilbild(const QString& name, QSizeF logisch, QWidget* parent) : QWidget(parent), m_logisch(logisch) {
    setObjectName(name);
}

void Bauteilbild::setKoerper(const QString& koerperName, const QPainterPath& umriss, const QColor& farbe) {
    if (!m_koerper) {
        m_koerper = new Koerper(this, koerperName);
        m_schattierung = new Schattierung(m_koerper);
    }
    m_koerper->setObjectName(koerperName);
    m_koerper->umriss = umriss;
    m_koerper->farbe = farbe;
    anordnen();
}

QWidget* Bauteilbild::koerper() const { return m_koerper; }

void Bauteilbild::setDraehte(std::vector<QLineF> draehte, double staerke) {
    m_draehte = std::move(draehte);
    m_drahtstaerke = staerke;
    update();
}

Ringform* Bauteilbild::neuerRing(const QString& name) {
    auto* r = new Ringform(name, m_koerper);
    r->setRand(QColor());
    m_schattierung->raise();
    return r;
}

QLabel* Bauteilbild::neueMarke(const QString& name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

void Bauteilbild::platzieren(Ringform* ring, const QRectF& logisch) {
    m_ringe[ring] = logisch;
    anordnen(ring);
}

void Bauteilbild::platzieren(QLabel* marke, QPointF mitte) {
    m_marken[marke] = mitte;
    anordnen(marke);
}

double Bauteilbild::massstab() const {
    if (m_logisch.isEmpty()) return 1.0;
    return std::min(width() / m_logisch.width(), height() / m_logisch.height());
}

QPointF Bauteilbild::nachWidget(QPointF logisch) const {
    const double s = massstab();
    const QPointF o((width() - m_logisch.width() * s) / 2, (height() - m_logisch.height() * s) / 2);
    return o + logisch * s;
}

namespace {
QRect aufPixel(QPointF a, QPointF b) {
    const int x0 = int(std::lround(a.x())), y0 = int(std::lround(a.y()));
    const int x1 = int(std::lround(b.x())), y1 = int(std::lround(b.y()));
    return QRect(x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0));
}
}  // namespace

void Bauteilbild::anordnen(QWidget* w) {
    if (!m_koerper) return;
    if (auto it = m_ringe.find(w); it != m_ringe.end()) {
        const QRect r = aufPixel(nachWidget(it->second.topLeft()), nachWidget(it->second.bottomRight()));
        w->setGeometry(r.translated(-m_koerper->pos()));
    } else if (auto m = m_marken.find(w); m != m_marken.end()) {
        auto* l = static_cast<QLabel*>(w);
        QFont f = font();
        f.setPixelSize(std::max(6, int(std::lround(12 * massstab()))));
        l->setFont(f);
        const QSize g = l->sizeHint();
        const QPointF c = nachWidget(m->second);
        l->setGeometry(int(std::lround(c.x() - g.width() / 2.0)), int(std::lround(c.y() - g.height() / 2.0)),
                       g.width(), g.height());
    }
}

void Bauteilbild::anordnen() {
    if (!m_koerper) return;
    const QRectF b = m_koerper->umriss.boundingRect();
    const QPointF a = nachWidget(b.topLeft()), e = nachWidget(b.bottomRight());
    const QRect r(QPoint(int(std::floor(a.x())) - 1, int(std::floor(a.y())) - 1),
                  QPoint(int(std::ceil(e.x())), int(std::ceil(e.y()))));
    m_koerper->setGeometry(r);
    m_schattierung->setGeometry(m_koerper->rect());
    for (auto& [w, _] : m_ringe) anordnen(w);
    for (auto& [w, _] : m_marken) anordnen(w);
    update();
}

void Bauteilbild::resizeEvent(QResizeEvent*) { anordnen(); }

void Bauteilbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = massstab();
    p.translate(nachWidget({0, 0}));
    p.scale(s, s);
    for (const QLineF& d : m_draehte) {
        // a round wire: dark core, a thin highlight along its top
        QPen kern(QColor(20, 20, 20), m_drahtstaerke, Qt::SolidLine, Qt::RoundCap);
        p.setPen(kern);
        p.drawLine(d);
        QPen licht(QColor(120, 120, 120), m_drahtstaerke * 0.3, Qt::SolidLine, Qt::RoundCap);
        p.setPen(licht);
        p.drawLine(d.translated(0, -m_drahtstaerke * 0.2));
    }
}

}  // namespace zelmo
