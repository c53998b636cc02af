#include "app/Seitenregister.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

namespace zelmo {

Seitenregister::Seitenregister(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

QWidget* Seitenregister::neueSeite(const QString& name, const QString& titel) {
    auto* s = new QWidget(this);
    s->setObjectName(name);
    s->setAutoFillBackground(true);
    s->hide();
    m_seiten.push_back({s, titel, {}});
    if (m_aktuell < 0) setCurrentIndex(0);
    anordnen();
    return s;
}

void Seitenregister::setCurrentIndex(int i) {
    if (i < 0 || i >= count() || i == m_aktuell) return;
    if (m_aktuell >= 0) seite(m_aktuell)->hide();
    m_aktuell = i;
    anordnen();
    seite(i)->show();
    update();
    emit currentChanged(i);
}

int Seitenregister::reiterHoehe() const { return fontMetrics().height() + 8; }

QRect Seitenregister::seitenRechteck() const {
    const int oben = m_reihen * reiterHoehe();
    return QRect(0, oben, width(), height() - oben);
}

void Seitenregister::anordnen() {
    if (m_seiten.empty()) return;
    const int breite = std::max(1, width() - 4);
    // flow the tabs into rows
    std::vector<std::vector<int>> reihen(1);
    int belegt = 0;
    for (int i = 0; i < count(); ++i) {
        const int w = fontMetrics().horizontalAdvance(m_seiten[size_t(i)].titel) + 24;
        if (belegt + w > breite && !reihen.back().empty()) {
            reihen.emplace_back();
            belegt = 0;
        }
        reihen.back().push_back(i);
        belegt += w;
    }
    m_reihen = int(reihen.size());
    // the row holding the selected tab moves next to the page (to the bottom)
    size_t aktiveReihe = 0;
    for (size_t r = 0; r < reihen.size(); ++r)
        for (int i : reihen[r])
            if (i == m_aktuell) aktiveReihe = r;
    std::vector<std::vector<int>> geordnet;
    for (size_t k = 1; k <= reihen.size(); ++k) geordnet.push_back(reihen[(aktiveReihe + k) % reihen.size()]);
    const int h = reiterHoehe();
    for (size_t r = 0; r < geordnet.size(); ++r) {
        int summe = 0;
        for (int i : geordnet[r]) summe += fontMetrics().horizontalAdvance(m_seiten[size_t(i)].titel) + 24;
        // several rows are stretched to the full width
        const double dehnung = m_reihen > 1 ? double(breite) / summe : 1.0;
        double x = 2;
        for (int i : geordnet[r]) {
            const double w = (fontMetrics().horizontalAdvance(m_seiten[size_t(i)].titel) + 24) * dehnung;
            m_seiten[size_t(i)].reiter = QRect(int(x), int(r) * h, int(x + w) - int(x), h);
            x += w;
        }
    }
    const QRect innen = seitenRechteck().adjusted(4, 4, -4, -4);
    for (auto& e : m_seiten) e.seite->setGeometry(innen);
}

void Seitenregister::resizeEvent(QResizeEvent*) { anordnen(); }

void Seitenregister::mousePressEvent(QMouseEvent* e) {
    for (int i = 0; i < count(); ++i)
        if (m_seiten[size_t(i)].reiter.contains(e->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
}

void Seitenregister::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame rahmen;
    rahmen.initFrom(this);
    rahmen.rect = seitenRechteck();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &rahmen, &p, this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.shape = QTabBar::RoundedNorth;
        opt.text = m_seiten[size_t(i)].titel;
        opt.rect = m_seiten[size_t(i)].reiter;
        opt.position = QStyleOptionTab::Middle;
        if (i == m_aktuell) {
            opt.state |= QStyle::State_Selected;
            opt.rect = opt.rect.adjusted(-2, 0, 2, 1).intersected(rect());
        } else {
            opt.rect.adjust(0, 2, 0, 0);
        }
        style()->drawControl(QStyle::CE_TabBarTab, &opt, &p, this);
    }
}

}  // namespace zelmo
