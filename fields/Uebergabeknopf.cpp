// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Uebergabeknopf.h"

#include <QEvent>
#include <QIcon>

#include "fields/Ressourcen.h"

namespace zelmo {

Uebergabeknopf::Uebergabeknopf(const QString& name, const QString& hinweis, QWidget* parent)
    : QToolButton(parent) {
    ressourcenLaden();
    setObjectName(name);
    setToolTip(hinweis);
    setIcon(bildsymbol(QStringLiteral(":/uebergabe.svg")));
    setIconSize(QSize(18, 18));
    setFixedSize(25, 25);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(hinweis.simplified());
}

bool Uebergabeknopf::event(QEvent* e) {
    if (e->type() == QEvent::ToolTipChange) setAccessibleName(toolTip().simplified());
    return QToolButton::event(e);
}

}  // namespace zelmo
