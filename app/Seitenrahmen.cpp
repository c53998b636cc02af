// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Seitenrahmen.h"

#include "app/Hilfeverweis.h"
#include "app/Seitenordnung.h"
#include "fields/Ressourcen.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <qdrawutil.h>

namespace zelmo {

namespace {
// Inner panel: lowered outer and raised inner bevel.
class Innenpanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        qDrawShadePanel(&p, r, palette(), true, 1);
        qDrawShadePanel(&p, r.adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};
}  // namespace

Seitenrahmen::Seitenrahmen(QWidget* seite, const QString& hilfeLabel, const QString& hilfeBild, int kontext)
    : QWidget(seite), m_kontext(kontext) {
    setObjectName(seite->objectName() + QStringLiteral("_Rahmen"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, seitenGruen);
    setPalette(pal);

    m_innen = new Innenpanel(this);
    m_inhalt = new QWidget(m_innen);
    m_inhalt->setObjectName(seite->objectName() + QStringLiteral("_Inhalt"));

    m_enter = new QLabel(QStringLiteral(u"Berechnung nach Drücken der Enter-Taste"), m_innen);
    m_hilfe = new Hilfeverweis(hilfeLabel, m_innen);
    connect(m_hilfe, &Hilfeverweis::ausgeloest, this, [this] { emit hilfeAngefordert(m_kontext); });
    m_bild = new QLabel(m_innen);
    m_bild->setObjectName(hilfeBild);
    m_bild->setToolTip(QStringLiteral("Hilfe anzeigen"));
    m_bild->setFixedSize(20, 20);
    m_bild->setPixmap(bildsymbol(QStringLiteral(":/hilfe.svg")).pixmap(20, 20));
    m_bild->setCursor(Qt::PointingHandCursor);
    m_bild->setAccessibleName(QStringLiteral("Hilfe"));
    m_bild->installEventFilter(this);

    auto* lay = new QVBoxLayout(seite);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(this);
}

bool Seitenrahmen::eventFilter(QObject* o, QEvent* e) {
    if (o == m_bild && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        emit hilfeAngefordert(m_kontext);
        return true;
    }
    return QWidget::eventFilter(o, e);
}

bool Seitenrahmen::event(QEvent* e) {
    // the page is complete when it is first shown: its controls get their keyboard order and names
    if (e->type() == QEvent::Show && !m_geordnet) {
        m_geordnet = true;
        seiteOrdnen(this);
    }
    return QWidget::event(e);
}

void Seitenrahmen::resizeEvent(QResizeEvent*) {
    m_innen->setGeometry(4, 4, width() - 8, height() - 8);
    const int w = m_innen->width();
    const int h = m_innen->height();
    const int zeile = 22;
    m_inhalt->setGeometry(2, 2, w - 4, h - zeile - 4);
    m_enter->setGeometry(12, h - zeile - 1, 300, zeile);
    m_bild->move(w - 30, h - zeile);
    m_hilfe->setGeometry(w - 62, h - zeile - 1, 28, zeile);
}

}  // namespace zelmo
