// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Zugaenglichkeit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "app/Hilfeverweis.h"
#include "app/Seitenregister.h"
#include "colourcode/Bauteilbild.h"
#include "fields/Schaltbild.h"

namespace zelmo {

namespace {

class RegisterZugang;

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
        if (t == QAccessible::Name) return m_register->tabText(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_register); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
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

// The page control: its tabs first, then its pages.
class RegisterZugang : public QAccessibleWidget {
public:
    explicit RegisterZugang(Seitenregister* r) : QAccessibleWidget(r, QAccessible::PageTabList) {}
    ~RegisterZugang() override {
        for (QAccessible::Id id : std::as_const(m_reiter)) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return reg()->count() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0) return nullptr;
        if (i < reg()->count()) {
            if (const auto it = m_reiter.constFind(i); it != m_reiter.cend())
                return QAccessible::accessibleInterface(*it);
            auto* reiter = new ReiterZugang(reg(), i);
            m_reiter.insert(i, QAccessible::registerAccessibleInterface(reiter));
            return reiter;
        }
        return QAccessibleWidget::child(i - reg()->count());
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        if (!c) return -1;
        if (c->role() == QAccessible::PageTab && !c->object()) {
            for (auto it = m_reiter.cbegin(); it != m_reiter.cend(); ++it)
                if (QAccessible::accessibleInterface(it.value()) == c) return it.key();
            return -1;
        }
        const int i = QAccessibleWidget::indexOfChild(c);
        return i < 0 ? -1 : i + reg()->count();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = reg()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < reg()->count(); ++i)
            if (reg()->tabRechteck(i).contains(p)) return child(i);
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override {
        if (reg()->hasFocus() && reg()->currentIndex() >= 0) return child(reg()->currentIndex());
        return QAccessibleWidget::focusChild();
    }

private:
    Seitenregister* reg() const { return static_cast<Seitenregister*>(widget()); }
    mutable QHash<int, QAccessible::Id> m_reiter;
};

// The help link: a link that Enter, Space or the assistive technology's press opens.
class VerweisZugang : public QAccessibleWidget {
public:
    explicit VerweisZugang(Hilfeverweis* v) : QAccessibleWidget(v, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<Hilfeverweis*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<Hilfeverweis*>(widget())->ausloesen();
        else
            QAccessibleWidget::doAction(name);
    }
};

// A drawing: a picture whose description is its hint (also when the hint changes at run time).
class BildZugang : public QAccessibleWidget {
public:
    explicit BildZugang(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabrik(const QString&, QObject* o) {
    if (!o || !o->isWidgetType()) return nullptr;
    if (auto* r = qobject_cast<Seitenregister*>(o)) return new RegisterZugang(r);
    if (auto* v = qobject_cast<Hilfeverweis*>(o)) return new VerweisZugang(v);
    if (qobject_cast<Schaltbild*>(o) || qobject_cast<Bauteilbild*>(o)) return new BildZugang(static_cast<QWidget*>(o));
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
