// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Bausteine.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelmo {

QLabel* beschriftung(QWidget* eltern, const QString& text, QRect platz, const QString& name) {
    auto* l = new QLabel(text, eltern);
    if (!name.isEmpty()) l->setObjectName(name);
    l->setGeometry(platz);
    return l;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, QRect platz) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setGeometry(platz);
    return k;
}

QLineEdit* anzeigefeld(QWidget* eltern, const QString& name, QRect platz) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setGeometry(platz);
    return e;
}

void hintergrund(QWidget* w, const QColor& farbe) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, farbe);
    w->setPalette(pal);
}

QFrame* farbpanel(QWidget* eltern, const QString& name, QRect platz, const QColor& farbe, bool flach) {
    auto* p = new QFrame(eltern);
    p->setObjectName(name);
    hintergrund(p, farbe);
    if (!flach) p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setGeometry(platz);
    return p;
}

void benennenNach(QWidget* feld, std::initializer_list<const QLabel*> beschriftungen) {
    QString name;
    for (const QLabel* l : beschriftungen) name += l->text().trimmed();
    feld->setAccessibleName(name.simplified());
}

}  // namespace zelmo
