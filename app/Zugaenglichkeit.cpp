// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Zugaenglichkeit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

#include "app/Hauptfenster.h"
#include "app/Hilfeverweis.h"
#include "app/Seitenordnung.h"
#include "app/Seitenregister.h"
#include "colourcode/Bauteilbild.h"
#include "dialogs/Dialog.h"
#include "fields/Ringform.h"
#include "fields/Schaltbild.h"

namespace zelmo {

namespace {

// A text as assistive technology gets it: without the blanks around it and the doubled blanks of the
// layout, without the marks of keyboard shortcuts.
QString zugangstext(const QString& t) {
    QString s;
    s.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'&' && i + 1 < t.size()) ++i;  // "&&" stands for one '&'
        s += t[i];
    }
    return s.simplified();
}

const QLabel* buddyVon(const QWidget* w) {
    if (!w->parentWidget()) return nullptr;
    for (QObject* o : w->parentWidget()->children())
        if (auto* l = qobject_cast<QLabel*>(o); l && l->buddy() == w) return l;
    return nullptr;
}

// One tab of a page control. It has no widget of its own; the page control's interface owns it.
class ReiterZugang : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ReiterZugang(Seitenregister* r, int index) : m_register(r), m_index(index) {}

    bool isValid() const override { return m_register && m_index < m_register->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool gewaehlt = m_register->currentIndex() == m_index;
        s.selectable = true;
        s.selected = gewaehlt;
        s.focusable = true;
        s.focused = gewaehlt && m_register->hasFocus();
        s.invisible = !m_register->isVisible();
        s.disabled = !m_register->isEnabled();
        return s;
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = m_register->tabRechteck(m_index);
        return QRect(m_register->mapToGlobal(r.topLeft()), r.size());
    }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return zugangstext(m_register->tabText(m_index));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_register); }
    // the tab holds its page
    QAccessibleInterface* child(int i) const override {
        return i == 0 && isValid() ? QAccessible::queryAccessibleInterface(m_register->seite(m_index)) : nullptr;
    }
    int childCount() const override { return isValid() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return isValid() && c && c->object() == m_register->seite(m_index) ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* s = child(0);
        return s && s->rect().contains(x, y) ? s : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (!isValid()) return;
        if (name == pressAction() || name == setFocusAction()) m_register->setCurrentIndex(m_index);
        if (name == setFocusAction()) m_register->setFocus(Qt::OtherFocusReason);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<Seitenregister> m_register;
    int m_index;
};

// The page control: its tabs, each holding its page.
class RegisterZugang : public QAccessibleWidget {
public:
    explicit RegisterZugang(Seitenregister* r) : QAccessibleWidget(r, QAccessible::PageTabList) {}
    ~RegisterZugang() override {
        for (QAccessible::Id id : std::as_const(m_reiter)) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override { return zugangstext(QAccessibleWidget::text(t)); }
    int childCount() const override { return reg()->count(); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= reg()->count()) return nullptr;
        if (const auto it = m_reiter.constFind(i); it != m_reiter.cend()) return QAccessible::accessibleInterface(*it);
        auto* reiter = new ReiterZugang(reg(), i);
        m_reiter.insert(i, QAccessible::registerAccessibleInterface(reiter));
        return reiter;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        if (!c || c->role() != QAccessible::PageTab || c->object()) return -1;
        for (auto it = m_reiter.cbegin(); it != m_reiter.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == c) return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = reg()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < reg()->count(); ++i)
            if (reg()->tabRechteck(i).contains(p)) return child(i);
        // the page area belongs to the selected tab
        if (reg()->seitenRechteck().contains(p) && reg()->currentIndex() >= 0) return child(reg()->currentIndex());
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (reg()->hasFocus() && reg()->currentIndex() >= 0) return child(reg()->currentIndex());
        return QAccessibleWidget::focusChild();
    }

private:
    Seitenregister* reg() const { return static_cast<Seitenregister*>(widget()); }
    mutable QHash<int, QAccessible::Id> m_reiter;
};

// A page of a page control: it stands below its tab (as a screen reader says it when the focus
// enters the page), not beside the tabs.
class SeitenZugang : public QAccessibleWidget {
public:
    SeitenZugang(QWidget* seite, Seitenregister* r) : QAccessibleWidget(seite, QAccessible::Pane), m_register(r) {}
    QAccessibleInterface* parent() const override {
        if (!m_register) return QAccessibleWidget::parent();
        const int i = m_register->indexVon(widget());
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(m_register);
        return i >= 0 && liste ? liste->child(i) : QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text t) const override {
        // no name of its own: its tab names it
        return t == QAccessible::Name ? widget()->accessibleName() : zugangstext(QAccessibleWidget::text(t));
    }

private:
    QPointer<Seitenregister> m_register;
};

// A label: its text without the blanks of the layout; the label names the control it is the buddy of.
// The help link and a label that acts on a click are links (decided when asked: a label is made
// clickable after it is built), which Enter, Space or the press action opens.
class LabelZugang : public QAccessibleWidget {
public:
    explicit LabelZugang(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    bool istVerweis() const { return qobject_cast<Hilfeverweis*>(label()) || istKlickLabel(label()); }
    QAccessible::Role role() const override {
        if (istVerweis()) return QAccessible::Link;
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return zugangstext(klartext(label()));
        return zugangstext(QAccessibleWidget::text(t));
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = !istVerweis();
        s.linked = istVerweis();
        return s;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override {
        auto r = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QWidget* b = label()->buddy())
                if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b)) r.append({i, QAccessible::Labelled});
        return r;
    }
    QStringList actionNames() const override {
        return istVerweis() ? QStringList{pressAction()} + QAccessibleWidget::actionNames()
                            : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction() || !istVerweis())
            QAccessibleWidget::doAction(name);
        else if (auto* hilfe = qobject_cast<Hilfeverweis*>(label()))
            hilfe->ausloesen();
        else
            klicken(label());
    }
};

// A drawing: a picture whose description is its hint (also when the hint changes at run time). It is
// one picture: the rings and marks it is made of are no objects of their own.
class BildZugang : public QAccessibleWidget {
public:
    explicit BildZugang(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        // no name taken from a group around it
        if (t == QAccessible::Name) return zugangstext(widget()->accessibleName());
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return zugangstext(widget()->toolTip());
        return zugangstext(QAccessibleWidget::text(t));
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// A radio button is one, also in a group that makes its buttons exclusive itself (Qt calls a button
// that is not auto-exclusive a check box). Choosing it clicks it, so that its group runs its handler.
class RadioZugang : public QAccessibleWidget {
public:
    explicit RadioZugang(QRadioButton* k) : QAccessibleWidget(k, QAccessible::RadioButton) {}
    QAbstractButton* knopf() const { return static_cast<QAbstractButton*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return zugangstext(knopf()->text());
        return zugangstext(QAccessibleWidget::text(t));
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = knopf()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        QStringList n;
        if (widget()->isEnabled()) n << toggleAction() << pressAction();
        return n + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (!widget()->isEnabled()) return;
        if (name == toggleAction() || name == pressAction()) {
            if (!knopf()->isChecked()) knopf()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

// Parts of a group that are only drawn: separating lines, colour swatches and ring shapes, and the
// empty items that keep the rows of a ring group in line with the colour legend.
bool nurGezeichnet(const QWidget* w) {
    if (auto* k = qobject_cast<const QRadioButton*>(w)) return k->text().trimmed().isEmpty();
    if (qobject_cast<const Ringform*>(w)) return true;
    if (w->metaObject() == &QFrame::staticMetaObject) {
        const auto form = static_cast<const QFrame*>(w)->frameShape();
        return form == QFrame::HLine || form == QFrame::VLine;
    }
    return false;
}

// A group box: named by its title without the blanks around it; what is only drawn in it is left out.
class GruppenZugang : public QAccessibleWidget {
public:
    explicit GruppenZugang(QGroupBox* g) : QAccessibleWidget(g, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return zugangstext(static_cast<QGroupBox*>(widget())->title());
        return zugangstext(QAccessibleWidget::text(t));
    }
    int childCount() const override { return int(kinder().size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> k = kinder();
        return i >= 0 && i < k.size() ? QAccessible::queryAccessibleInterface(k[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        if (!c || !c->object() || !c->object()->isWidgetType()) return -1;
        return int(kinder().indexOf(static_cast<QWidget*>(c->object())));
    }

private:
    QList<QWidget*> kinder() const {
        QList<QWidget*> k;
        for (QObject* o : widget()->children())
            if (o->isWidgetType() && !static_cast<QWidget*>(o)->isWindow() && !nurGezeichnet(static_cast<QWidget*>(o)))
                k.append(static_cast<QWidget*>(o));
        return k;
    }
};

// A combo box is named by its label (Qt on Linux and macOS names it by the item shown); the item
// shown is its value. Its child is the list it opens.
class ComboZugang : public QAccessibleWidget {
public:
    explicit ComboZugang(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                if (!widget()->accessibleName().isEmpty()) return zugangstext(widget()->accessibleName());
                if (const QLabel* l = buddyVon(widget())) return zugangstext(klartext(l));
                return zugangstext(widget()->toolTip());
            case QAccessible::Value:
                return zugangstext(combo()->currentText());
            default:
                return zugangstext(QAccessibleWidget::text(t));
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() && combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.editable = combo()->isEditable();
        s.hasPopup = true;
        return s;
    }
    int childCount() const override { return combo()->view() ? 1 : 0; }
    QAccessibleInterface* child(int i) const override {
        return i == 0 && combo()->view() ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c && combo()->view() && c->object() == combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction()) {
            if (combo()->view() && combo()->view()->isVisible())
                combo()->hidePopup();
            else
                combo()->showPopup();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

// The program's windows: the main window is a window, named by its caption without its blanks.
class FensterZugang : public QAccessibleWidget {
public:
    FensterZugang(QWidget* w, QAccessible::Role rolle) : QAccessibleWidget(w, rolle) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return zugangstext(widget()->windowTitle());
        return zugangstext(QAccessibleWidget::text(t));
    }
};

QAccessibleInterface* fabrik(const QString&, QObject* o) {
    if (!o || !o->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (auto* r = qobject_cast<Seitenregister*>(o)) return new RegisterZugang(r);
    // a page control's children are its pages (asked for while a page is still being added too)
    if (auto* r = qobject_cast<Seitenregister*>(o->parent())) return new SeitenZugang(w, r);
    if (qobject_cast<Schaltbild*>(o) || qobject_cast<Bauteilbild*>(o)) return new BildZugang(w);
    if (auto* l = qobject_cast<QLabel*>(o)) return new LabelZugang(l);
    if (auto* k = qobject_cast<QRadioButton*>(o)) return new RadioZugang(k);
    if (auto* g = qobject_cast<QGroupBox*>(o); g && !g->isCheckable()) return new GruppenZugang(g);
    if (auto* c = qobject_cast<QComboBox*>(o)) return new ComboZugang(c);
    if (qobject_cast<Hauptfenster*>(o)) return new FensterZugang(w, QAccessible::Window);
    if (Dialog::ist(o)) return new FensterZugang(w, QAccessible::Dialog);
    return nullptr;
}

}  // namespace

void zugaenglichkeitEinrichten() {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)eingerichtet;
}

}  // namespace zelmo
