// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Seitenordnung.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocumentFragment>

#include "app/Hilfeverweis.h"
#include "app/beschriftung.h"
#include "app/tastatur.h"

namespace zelmo {

namespace {

// Radio buttons all stand in the chain; which one of a group is the stop changes with the choice.
bool istHalt(const QWidget* w) {
    return !w->isWindow() && !w->focusProxy() && ((w->focusPolicy() & Qt::TabFocus) || qobject_cast<const QRadioButton*>(w));
}

bool enthaeltHalt(const QWidget* w) {
    for (const QWidget* k : w->findChildren<QWidget*>())
        if (istHalt(k)) return true;
    return false;
}

QList<QWidget*> kinder(const QWidget* w) {
    QList<QWidget*> k;
    for (QObject* o : w->children())
        if (o->isWidgetType() && !static_cast<QWidget*>(o)->isWindow()) k.append(static_cast<QWidget*>(o));
    return k;
}

// Stops and groups holding stops, in reading order, each group followed by its own stops.
void sammeln(QWidget* behaelter, QList<QWidget*>& halte) {
    QList<QWidget*> teile;
    for (QWidget* k : kinder(behaelter))
        if (istHalt(k) || enthaeltHalt(k)) teile.append(k);
    std::vector<QRect> orte;
    for (QWidget* t : teile) orte.push_back(t->geometry());
    for (int i : tastatur::leseReihenfolge(orte)) {
        QWidget* t = teile[i];
        if (istHalt(t)) halte.append(t);
        if (enthaeltHalt(t)) sammeln(t, halte);
    }
}

// --- radio buttons: one stop per group, the arrow keys choose

QList<QRadioButton*> geschwister(const QRadioButton* k) {
    QList<QRadioButton*> alle;
    for (QWidget* w : kinder(k->parentWidget()))
        if (auto* r = qobject_cast<QRadioButton*>(w)) alle.append(r);
    return alle;
}

bool waehlbar(const QRadioButton* k) { return !k->isHidden() && k->isEnabled(); }

// The checked button takes the Tab stop of its group; without one, the first that can be chosen.
void haltSetzen(QWidget* gruppe) {
    QList<QRadioButton*> knoepfe;
    for (QWidget* w : kinder(gruppe))
        if (auto* r = qobject_cast<QRadioButton*>(w)) knoepfe.append(r);
    QRadioButton* halt = nullptr;
    for (QRadioButton* k : knoepfe)
        if (k->isChecked() && waehlbar(k)) halt = k;
    for (QRadioButton* k : knoepfe)
        if (!halt && waehlbar(k)) halt = k;
    for (QRadioButton* k : knoepfe) k->setFocusPolicy(k == halt ? Qt::StrongFocus : Qt::ClickFocus);
}

class Radiotasten : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* o, QEvent* e) override {
        auto* knopf = qobject_cast<QRadioButton*>(o);
        if (!knopf) return false;
        if (e->type() == QEvent::EnabledChange || e->type() == QEvent::ShowToParent ||
            e->type() == QEvent::HideToParent) {
            haltSetzen(knopf->parentWidget());
            return false;
        }
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->modifiers() & ~Qt::KeypadModifier) return false;
        if (k->key() != Qt::Key_Down && k->key() != Qt::Key_Right && k->key() != Qt::Key_Up && k->key() != Qt::Key_Left)
            return false;
        // the arrows follow the grid the buttons stand in
        const QList<QRadioButton*> alle = geschwister(knopf);
        std::vector<QRect> orte;
        std::vector<bool> frei;
        for (QRadioButton* r : alle) {
            orte.push_back(r->geometry());
            frei.push_back(waehlbar(r));
        }
        const int ziel = tastatur::pfeilZiel(orte, frei, int(alle.indexOf(knopf)), k->key());
        if (ziel >= 0) {
            QRadioButton* z = alle[ziel];
            z->setFocus(Qt::TabFocusReason);
            if (!z->isChecked()) z->click();
        }
        return true;
    }
};

void radiogruppenOrdnen(QWidget* bereich) {
    QList<QWidget*> gruppen;
    for (QRadioButton* k : bereich->findChildren<QRadioButton*>())
        if (!gruppen.contains(k->parentWidget()) && geschwister(k).size() > 1) gruppen.append(k->parentWidget());
    auto* tasten = new Radiotasten(bereich);
    for (QWidget* g : gruppen) {
        for (QWidget* w : kinder(g))
            if (auto* k = qobject_cast<QRadioButton*>(w)) {
                k->installEventFilter(tasten);
                QObject::connect(k, &QAbstractButton::toggled, tasten, [g = QPointer<QWidget>(g)] {
                    if (g) haltSetzen(g);
                });
            }
        haltSetzen(g);
    }
}

// --- labels that act on a click (a pointing-hand cursor says so): Tab reaches them, Enter or Space
// clicks them, a dotted frame shows the focus

class Klicktasten : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->modifiers() & ~Qt::KeypadModifier) return false;
        if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter && k->key() != Qt::Key_Space) return false;
        klicken(static_cast<QWidget*>(o));
        return true;
    }
};

void klickbareLabelsOrdnen(QWidget* bereich) {
    Klicktasten* tasten = nullptr;
    for (QLabel* l : bereich->findChildren<QLabel*>()) {
        if (!istKlickLabel(l) || qobject_cast<Hilfeverweis*>(l)) continue;
        if (!tasten) tasten = new Klicktasten(bereich);
        l->setFocusPolicy(Qt::StrongFocus);
        l->installEventFilter(tasten);
        l->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted palette(window-text); }"));
        if (l->accessibleName().isEmpty()) l->setAccessibleName(klartext(l).simplified());
    }
}

// --- names of entry fields

// Where a label's text stands, in its parent's coordinates.
QRect textOrt(const QLabel* l) {
    const QRect innen = l->contentsRect();
    if (l->wordWrap()) return innen.translated(l->pos());
    const QSize groesse = l->fontMetrics().size(Qt::TextSingleLine, klartext(l));
    const QRect r = QStyle::alignedRect(l->layoutDirection(), QStyle::visualAlignment(l->layoutDirection(), l->alignment()),
                                        groesse.boundedTo(innen.size()), innen);
    return r.translated(l->pos());
}

const QLabel* labelVon(const QWidget* feld) {
    for (QWidget* w : kinder(feld->parentWidget()))
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy() == feld) return l;
    return nullptr;
}

bool istFeld(const QWidget* w) { return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w); }

// A small label standing inside the text of a larger one (an index placed in blanks left for it, as
// in "R         laut Datenblatt") is put into that text where it stands.
void einfuegen(std::vector<Beschriftung>& b, const std::vector<const QLabel*>& labels) {
    std::vector<bool> weg(b.size(), false);
    for (size_t k = 0; k < b.size(); ++k)
        for (size_t g = 0; g < b.size(); ++g) {
            if (g == k || weg[g] || b[k].text.width() >= b[g].text.width()) continue;
            const QRect& a = b[g].text;
            const QRect& s = b[k].text;
            if (s.left() <= a.left() || s.left() >= a.right() || s.bottom() < a.top() || s.top() > a.bottom()) continue;
            const QFontMetrics fm = labels[g]->fontMetrics();
            qsizetype stelle = 0;
            while (stelle < b[g].inhalt.size() && a.left() + fm.horizontalAdvance(b[g].inhalt.left(stelle)) < s.left())
                ++stelle;
            b[g].inhalt.insert(stelle, b[k].inhalt.trimmed());
            weg[k] = true;
            break;
        }
    for (size_t k = b.size(); k-- > 0;)
        if (weg[k]) b[k].inhalt.clear();
}

void feldnamenSetzen(QWidget* bereich) {
    QList<QWidget*> felder;
    for (QWidget* w : bereich->findChildren<QWidget*>())
        if (istFeld(w) && !qobject_cast<QComboBox*>(w->parentWidget()) && w->accessibleName().isEmpty())
            felder.append(w);
    for (QWidget* feld : felder) {
        std::vector<Beschriftung> beschriftungen;
        std::vector<const QLabel*> labels;
        std::vector<QRect> andere;
        for (QWidget* w : kinder(feld->parentWidget())) {
            if (w == feld || w->isHidden()) continue;
            if (auto* l = qobject_cast<QLabel*>(w); l && l->pixmap().isNull()) {
                beschriftungen.push_back({textOrt(l), klartext(l)});
                labels.push_back(l);
            } else if (istFeld(w) || qobject_cast<QAbstractButton*>(w)) {
                andere.push_back(w->geometry());
            }
        }
        einfuegen(beschriftungen, labels);
        QString name = feldname(feld->geometry(), beschriftungen, andere);
        if (name.isEmpty()) {
            // a field without a label: its hint says what it is for
            if (!feld->toolTip().isEmpty()) feld->setAccessibleName(feld->toolTip());
            continue;
        }
        // a single plain label becomes the field's buddy, so that the name follows its text; a label
        // made of parts (an index after its letter) gives the name once
        for (size_t i = 0; i < labels.size(); ++i) {
            QLabel* l = const_cast<QLabel*>(labels[i]);
            if (l->text() == name && !name.contains(u'&') && !Qt::mightBeRichText(name) && !l->buddy()) {
                l->setBuddy(feld);
                break;
            }
        }
        if (!labelVon(feld)) feld->setAccessibleName(name);
    }
    // a list or text box alone in a group is named by the group's title (without its blanks)
    for (QAbstractScrollArea* t : bereich->findChildren<QAbstractScrollArea*>()) {
        auto* gruppe = qobject_cast<QGroupBox*>(t->parentWidget());
        if (!gruppe || !t->accessibleName().isEmpty() || labelVon(t) || istFeld(t)) continue;
        t->setAccessibleName(gruppe->title().simplified());
    }
}

}  // namespace

QString klartext(const QLabel* l) {
    return Qt::mightBeRichText(l->text()) ? QTextDocumentFragment::fromHtml(l->text()).toPlainText() : l->text();
}

bool istKlickLabel(const QLabel* l) {
    return l->testAttribute(Qt::WA_SetCursor) && l->cursor().shape() == Qt::PointingHandCursor &&
           l->pixmap().isNull() && !l->text().trimmed().isEmpty();
}

void klicken(QWidget* w) {
    const QPointF mitte = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(mitte);
    for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent klick(art, mitte, global, Qt::LeftButton, art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &klick);
    }
}

QList<QWidget*> tabHalte(QWidget* bereich) {
    QList<QWidget*> halte;
    sammeln(bereich, halte);
    return halte;
}

void seiteOrdnen(QWidget* bereich) {
    radiogruppenOrdnen(bereich);
    klickbareLabelsOrdnen(bereich);
    QList<QWidget*> halte;
    sammeln(bereich, halte);
    for (qsizetype i = 1; i < halte.size(); ++i) QWidget::setTabOrder(halte[i - 1], halte[i]);
    feldnamenSetzen(bereich);
}

}  // namespace zelmo
