// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One run of the program for the tests of what it keeps between runs: the main window with its options
// dialog, shown (start-up runs) and closed again, and the controls of both found by their names.

#include <QLineEdit>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "dialogs/OptionenDialog.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"

namespace zelmo::test {

struct Programmlauf {
    Hauptfenster f;
    OptionenDialog optionen;

    explicit Programmlauf(QChar dezimal = u',') : optionen(dezimal) {
        f.setzeDialoge(&optionen, nullptr, nullptr, nullptr);
        f.show();
    }
    template <class W>
    W* el(const char* name) {
        W* w = f.findChild<W*>(QString::fromLatin1(name));
        if (!w) w = optionen.findChild<W*>(QString::fromLatin1(name));
        if (!w) {
            // on a page not looked at yet
            f.alleSeitenBauen();
            w = f.findChild<W*>(QString::fromLatin1(name));
        }
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    // A calculator page of the window (every page built).
    template <class S>
    S* rechner() {
        f.alleSeitenBauen();
        return f.findChild<S*>();
    }
    void seite(int i) { el<Seitenregister>("PageControl1")->setCurrentIndex(i); }
    QString text(const char* name) { return el<QLineEdit>(name)->text(); }
    int index(const char* name) { return el<Radiogruppe>(name)->itemIndex(); }
    void eingabe(const char* name, const QString& t) { tippeUndEnter(el<QLineEdit>(name), t); }
    void schliessen() { f.close(); }
};

}  // namespace zelmo::test
