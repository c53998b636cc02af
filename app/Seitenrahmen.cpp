#include "app/Seitenrahmen.h"

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
    m_hilfe = new QLabel(QStringLiteral("Hilfe"), m_innen);
    m_hilfe->setObjectName(hilfeLabel);
    m_hilfe->setToolTip(QStringLiteral("Hilfe anzeigen"));
    QFont f = m_hilfe->font();
    f.setUnderline(true);
    m_hilfe->setFont(f);
    QPalette lp = m_hilfe->palette();
    lp.setColor(QPalette::WindowText, QColor(0, 0, 160));
    m_hilfe->setPalette(lp);
    m_hilfe->setCursor(Qt::PointingHandCursor);
    m_bild = new QLabel(m_innen);
    m_bild->setObjectName(hilfeBild);
    m_bild->setToolTip(QStringLiteral("Hilfe anzeigen"));
    m_bild->setFixedSize(20, 20);
    m_bild->setPixmap(QIcon(QStringLiteral(":/hilfe.svg")).pixmap(20, 20));
    m_bild->setCursor(Qt::PointingHandCursor);
    m_hilfe->installEventFilter(this);
    m_bild->installEventFilter(this);

    auto* lay = new QVBoxLayout(seite);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(this);
}

bool Seitenrahmen::eventFilter(QObject* o, QEvent* e) {
    if ((o == m_hilfe || o == m_bild) && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        emit hilfeAngefordert(m_kontext);
        return true;
    }
    return QWidget::eventFilter(o, e);
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
