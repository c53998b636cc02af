// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the colour-code page tests share: the page with recorded boxes, widgets by name, ring colours,
// clicks on ring items and entries as a user makes them.

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "colourcode/Farbring.h"
#include "colourcode/ringe.h"
#include "fields/Radiogruppe.h"
#include "fields/Rechnerseite.h"
#include "fields/Ringform.h"
#include "support/GuiTestFixture.h"

namespace zelmo::test {

template <class Seite>
struct Farbcodehilfe {
    std::unique_ptr<Seitenaufbau<Seite>> m_aufbau;
    Seite* m_seite = nullptr;
    MeldungsRecorder* m_meldungen = nullptr;

    // A fresh page after a first start (in init), gone again (in cleanup).
    void aufbauen(QChar dezimal = u',') {
        m_aufbau = std::make_unique<Seitenaufbau<Seite>>(dezimal);
        m_seite = m_aufbau->seite.get();
        m_meldungen = &m_aufbau->rec;
    }
    void abbauen() {
        m_aufbau.reset();
        m_seite = nullptr;
        m_meldungen = nullptr;
    }

    template <class T = QWidget>
    T* w(const char* name) const {
        T* x = m_seite->template findChild<T*>(QString::fromLatin1(name));
        if (!x) qFatal("no widget %s", name);
        return x;
    }
    Radiogruppe* gruppe(const char* name) const { return w<Radiogruppe>(name); }
    QLineEdit* feld(const char* name) const { return w<QLineEdit>(name); }
    QString text(const char* name) const { return feld(name)->text(); }
    Farbwert farbe(const char* shape) const { return alsFarbwert(w<Ringform>(shape)->farbe()); }
    // a user's click on the radio button of item i
    void klicke(const char* name, int i) {
        QRadioButton* k = gruppe(name)->knopf(i);
        QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(6, k->height() / 2));
    }
    void eingeben(const char* name, const QString& s) { tippeUndEnter(feld(name), s); }
};

}  // namespace zelmo::test
