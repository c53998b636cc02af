// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Seitenregister.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

#include "app/Zugaenglichkeit.h"
#include "app/tastatur.h"

namespace zelmo {

namespace {

// Ctrl+Tab and its kin reach the page control around the focused widget before any control inside
// the page sees them (a combo box would take Ctrl+PgDown for itself), as on usual desktop page controls.
class Blaettertasten : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !o->isWidgetType()) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        const int schritt = tastatur::blaetterSchritt(k->key(), k->modifiers());
        if (schritt == 0) return false;
        std::vector<Seitenregister*> register_;
        std::vector<tastatur::Register> stand;
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            if (w->isWindow()) break;
            if (auto* r = qobject_cast<Seitenregister*>(w); r && r->count() > 1) {
                register_.push_back(r);
                stand.push_back({r->currentIndex(), r->count()});
            }
        }
        const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
        const int ebene = tastatur::blaetterEbene(stand, schritt, tab);
        if (ebene < 0) return false;
        register_[size_t(ebene)]->blaettern(schritt);
        return true;
    }
    int nutzer = 0;
};

Blaettertasten& blaettertasten() {
    static Blaettertasten b;
    return b;
}

// The first widget the Tab key stops at inside a page, in the order of the focus chain.
QWidget* ersterHalt(QWidget* seite) {
    for (QWidget* w = seite->nextInFocusChain(); w && w != seite; w = w->nextInFocusChain()) {
        if (!seite->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(seite) && w->isEnabled() && !w->focusProxy())
            return w;
    }
    return nullptr;
}

}  // namespace

Seitenregister::Seitenregister(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    zugaenglichkeitEinrichten();
    if (blaettertasten().nutzer++ == 0) qApp->installEventFilter(&blaettertasten());
}

Seitenregister::~Seitenregister() {
    if (--blaettertasten().nutzer == 0) qApp->removeEventFilter(&blaettertasten());
}

QWidget* Seitenregister::neueSeite(const QString& name, const QString& titel) {
    auto* s = new QWidget(this);
    s->setObjectName(name);
    s->setAutoFillBackground(true);
    s->hide();
    m_seiten.push_back({s, titel, {}, reiterBreite(titel)});
    if (m_aktuell < 0) setCurrentIndex(0);
    anordnen();
    return s;
}

int Seitenregister::indexVon(const QWidget* s) const {
    for (int i = 0; i < count(); ++i)
        if (seite(i) == s) return i;
    return -1;
}

void Seitenregister::setCurrentIndex(int i) {
    if (i < 0 || i >= count() || i == m_aktuell) return;
    const int alt = m_aktuell;
    QWidget* fokus = QApplication::focusWidget();
    const bool fokusInSeite = alt >= 0 && fokus && seite(alt)->isAncestorOf(fokus);
    m_aktuell = i;
    anordnen();
    seite(i)->show();
    // assistive technology hears of the new page before the focus moves into it
    meldeAuswahl(alt, i);
    // the focus moves into the new page before the old one hides, so that it never lands elsewhere
    if (fokusInSeite) {
        if (QWidget* ziel = ersterHalt(seite(i)))
            ziel->setFocus(Qt::TabFocusReason);
        else
            setFocus(Qt::TabFocusReason);
    }
    if (alt >= 0) seite(alt)->hide();
    update();
    emit currentChanged(i);
}

void Seitenregister::blaettern(int schritt) {
    if (count() == 0) return;
    setCurrentIndex(((m_aktuell + schritt) % count() + count()) % count());
}

void Seitenregister::meldeAuswahl(int alt, int neu) {
    QAccessible::State gewaehlt;
    gewaehlt.selected = true;
    if (alt >= 0) {
        QAccessibleStateChangeEvent e(this, gewaehlt);
        e.setChild(alt);
        QAccessible::updateAccessibility(&e);
    }
    QAccessibleStateChangeEvent e(this, gewaehlt);
    e.setChild(neu);
    QAccessible::updateAccessibility(&e);
    QAccessibleEvent auswahl(this, QAccessible::Selection);
    auswahl.setChild(neu);
    QAccessible::updateAccessibility(&auswahl);
    if (hasFocus()) {
        QAccessibleEvent fokus(this, QAccessible::Focus);
        fokus.setChild(neu);
        QAccessible::updateAccessibility(&fokus);
    }
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
        const int w = m_seiten[size_t(i)].breite;
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
        for (int i : geordnet[r]) summe += m_seiten[size_t(i)].breite;
        // several rows are stretched to the full width
        const double dehnung = m_reihen > 1 ? double(breite) / summe : 1.0;
        double x = 2;
        for (int i : geordnet[r]) {
            const double w = m_seiten[size_t(i)].breite * dehnung;
            m_seiten[size_t(i)].reiter = QRect(int(x), int(r) * h, int(x + w) - int(x), h);
            x += w;
        }
    }
    const QRect innen = seitenRechteck().adjusted(4, 4, -4, -4);
    for (auto& e : m_seiten) e.seite->setGeometry(innen);
}

int Seitenregister::reiterBreite(const QString& titel) const { return fontMetrics().horizontalAdvance(titel) + 24; }

void Seitenregister::resizeEvent(QResizeEvent*) { anordnen(); }

void Seitenregister::changeEvent(QEvent* e) {
    // the titles are measured once; a new font measures them anew
    if (e->type() == QEvent::FontChange) {
        for (auto& eintrag : m_seiten) eintrag.breite = reiterBreite(eintrag.titel);
        anordnen();
    }
    QWidget::changeEvent(e);
}

void Seitenregister::mousePressEvent(QMouseEvent* e) {
    for (int i = 0; i < count(); ++i)
        if (m_seiten[size_t(i)].reiter.contains(e->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
}

void Seitenregister::keyPressEvent(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            setCurrentIndex(std::max(0, m_aktuell - 1));
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            setCurrentIndex(std::min(count() - 1, m_aktuell + 1));
            break;
        case Qt::Key_Home:
            setCurrentIndex(0);
            break;
        case Qt::Key_End:
            setCurrentIndex(count() - 1);
            break;
        default:
            QWidget::keyPressEvent(e);
    }
}

void Seitenregister::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
    // the selected tab is what holds the focus
    if (m_aktuell >= 0) {
        QAccessibleEvent fokus(this, QAccessible::Focus);
        fokus.setChild(m_aktuell);
        QAccessible::updateAccessibility(&fokus);
    }
}

void Seitenregister::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

void Seitenregister::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame rahmen;
    rahmen.initFrom(this);
    rahmen.rect = seitenRechteck();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &rahmen, &p, this);
    for (int i = 0; i < count(); ++i) {
        const QRect reiter = m_seiten[size_t(i)].reiter;
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.state &= ~QStyle::State_HasFocus;
        opt.shape = QTabBar::RoundedNorth;
        opt.text = m_seiten[size_t(i)].titel;
        opt.rect = reiter;
        // where the tab stands in its row: the style joins neighbours and closes the row's ends
        bool links = false, rechts = false;
        for (const Eintrag& e : m_seiten) {
            if (e.reiter.top() != reiter.top() || e.reiter == reiter) continue;
            links |= e.reiter.left() < reiter.left();
            rechts |= e.reiter.left() > reiter.left();
        }
        opt.position = links && rechts ? QStyleOptionTab::Middle
                       : links          ? QStyleOptionTab::End
                       : rechts         ? QStyleOptionTab::Beginning
                                        : QStyleOptionTab::OnlyOneTab;
        if (i == m_aktuell) {
            opt.state |= QStyle::State_Selected;
            opt.rect = opt.rect.adjusted(-2, 0, 2, 1).intersected(rect());
            // the selected tab opens the frame below itself; at the window's edges the frame's side
            // lines stay whole
            QRegion frei(rect());
            frei -= QRect(0, reiter.bottom() + 2, 2, height());
            frei -= QRect(width() - 2, reiter.bottom() + 2, 2, height());
            p.setClipRegion(frei);
        } else {
            opt.rect.adjust(0, 2, 0, 0);
        }
        style()->drawControl(QStyle::CE_TabBarTab, &opt, &p, this);
        p.setClipping(false);
        if (i == m_aktuell && hasFocus()) {
            QStyleOptionFocusRect fokus;
            fokus.initFrom(this);
            fokus.rect = reiter.adjusted(4, 4, -4, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
        }
    }
}

}  // namespace zelmo
