// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Hilfeverweis.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace zelmo {

Hilfeverweis::Hilfeverweis(const QString& name, QWidget* parent) : QLabel(QStringLiteral("Hilfe"), parent) {
    setObjectName(name);
    setToolTip(QStringLiteral("Hilfe anzeigen"));
    setAlignment(Qt::AlignCenter);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 160));
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void Hilfeverweis::keyPressEvent(QKeyEvent* e) {
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
        switch (e->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                ausloesen();
                return;
            default:
                break;
        }
    }
    QLabel::keyPressEvent(e);
}

void Hilfeverweis::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        ausloesen();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}

void Hilfeverweis::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect fokus;
    fokus.initFrom(this);
    fokus.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
}

}  // namespace zelmo
