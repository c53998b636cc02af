// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology reads from a widget tree: one line per object in the accessible tree, as a
// screen reader walks it (role, name, value, description, the states that matter), and a search by role.

#include <QAccessible>
#include <QList>
#include <QMetaEnum>
#include <QString>
#include <QStringList>

namespace zelmo::test {

inline QString rollenname(QAccessible::Role r) {
    const QMetaEnum m = QMetaEnum::fromType<QAccessible::Role>();
    const char* n = m.valueToKey(r);
    return n ? QString::fromLatin1(n) : QString::number(r, 16);
}

// "  PageTab "Farbcode" [selected]": indented by depth; invisible objects and their children left
// out unless alle is true, as a reader that walks what is shown.
inline void baumZeilen(QAccessibleInterface* i, QStringList& zeilen, bool alle = false, int tiefe = 0) {
    if (!i || !i->isValid() || tiefe > 40) return;
    const QAccessible::State s = i->state();
    if (s.invisible && !alle) return;
    QString z = QString(tiefe * 2, u' ') + rollenname(i->role());
    const QString name = i->text(QAccessible::Name);
    if (!name.isEmpty()) z += QStringLiteral(" \"%1\"").arg(name);
    const QString wert = i->text(QAccessible::Value);
    if (!wert.isEmpty() && wert != name) z += QStringLiteral(" =\"%1\"").arg(wert);
    const QString beschreibung = i->text(QAccessible::Description);
    if (!beschreibung.isEmpty()) z += QStringLiteral(" (%1)").arg(beschreibung);
    QStringList zustand;
    if (s.checked) zustand << QStringLiteral("checked");
    if (s.selected) zustand << QStringLiteral("selected");
    if (s.disabled) zustand << QStringLiteral("disabled");
    if (s.focusable) zustand << QStringLiteral("focusable");
    if (s.readOnly) zustand << QStringLiteral("readonly");
    if (s.invisible) zustand << QStringLiteral("invisible");
    if (!zustand.isEmpty()) z += QStringLiteral(" [%1]").arg(zustand.join(u','));
    zeilen << z;
    for (int k = 0; k < i->childCount(); ++k) baumZeilen(i->child(k), zeilen, alle, tiefe + 1);
}

inline QStringList baum(QObject* o, bool alle = false) {
    QStringList zeilen;
    baumZeilen(QAccessible::queryAccessibleInterface(o), zeilen, alle);
    return zeilen;
}

// Every object below i (i included) that is shown; with rolle, only those of that role.
inline void sammleZugang(QAccessibleInterface* i, QList<QAccessibleInterface*>& gefunden, int rolle = -1,
                         int tiefe = 0) {
    if (!i || !i->isValid() || tiefe > 40 || i->state().invisible) return;
    if (rolle < 0 || i->role() == rolle) gefunden.append(i);
    for (int k = 0; k < i->childCount(); ++k) sammleZugang(i->child(k), gefunden, rolle, tiefe + 1);
}

}  // namespace zelmo::test
