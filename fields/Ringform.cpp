// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Ringform.h"

#include <QPainter>

namespace zelmo {

Ringform::Ringform(const QString& name, QWidget* parent, Form form) : QWidget(parent), m_form(form) {
    setObjectName(name);
}

void Ringform::setFarbe(const QColor& c) {
    if (c == m_farbe) return;
    m_farbe = c;
    update();
}

void Ringform::setForm(Form f) {
    m_form = f;
    update();
}

void Ringform::setRand(const QColor& c) {
    m_rand = c;
    update();
}

void Ringform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, m_form != Form::Rechteck);
    p.setBrush(m_farbe);
    p.setPen(m_rand.isValid() ? QPen(m_rand, 1) : QPen(Qt::NoPen));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_form) {
        case Form::Rechteck: p.drawRect(r); break;
        case Form::Abgerundet: {
            const qreal radius = std::min(r.width(), r.height()) / 4.0;
            p.drawRoundedRect(r, radius, radius);
            break;
        }
        case Form::Ellipse: p.drawEllipse(r); break;
    }
}

}  // namespace zelmo
