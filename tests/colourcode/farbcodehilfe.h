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
    Umgebung m_umgebung;
    std::unique_ptr<Seite> m_seite;
    std::unique_ptr<MeldungsRecorder> m_meldungen;

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
