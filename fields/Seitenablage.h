// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A page's stored values declared once (storage/ablage.h), each bound to the control or member it
// belongs to. From the one declaration a built page writes its keys and numbers, applies what was
// read, and takes the values of a first start; a page not built yet is served by the Ablage alone.
//
//     static const Seitenablage<LedSeite> a{
//         {{ablage::text("LED-Vorwiderstand", "Eingabe_U", "12,00", u"5,00 V"), feld(&LedSeite::m_u)},
//          {ablage::index("LED-Vorwiderstand", "LED-Anzahl", 0, 0, 7, 0).danach(1), gruppe(&LedSeite::m_anzahl)},
//          ...},
//         {...the numbers of the data file, each with the member it lives in...}};

#include <QCheckBox>
#include <QComboBox>
#include <algorithm>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "storage/ablage.h"

namespace zelmo {

// How a value reaches its control or member: read it from the page, set it on the page.
template <class S>
struct Bindung {
    std::function<Ablagewert(const S&)> holen;
    std::function<void(S&, const Ablagewert&)> setzen;  // empty: never applied (written for older readers)
};

// An entry field's text as it stands; set without validation.
template <class S>
Bindung<S> feld(Eingabefeld* S::*f) {
    return {[f](const S& s) -> Ablagewert { return (s.*f)->text(); },
            [f](S& s, const Ablagewert& w) { (s.*f)->setzeText(std::get<QString>(w)); }};
}
// A radio group's item index; setting it runs its handler.
template <class S>
Bindung<S> gruppe(Radiogruppe* S::*g) {
    return {[g](const S& s) -> Ablagewert { return (s.*g)->itemIndex(); },
            [g](S& s, const Ablagewert& w) { (s.*g)->waehle(std::get<int>(w)); }};
}
template <class S>
Bindung<S> liste(QComboBox* S::*c) {
    return {[c](const S& s) -> Ablagewert { return (s.*c)->currentIndex(); },
            [c](S& s, const Ablagewert& w) { (s.*c)->setCurrentIndex(std::get<int>(w)); }};
}
template <class S>
Bindung<S> kasten(QCheckBox* S::*k) {
    return {[k](const S& s) -> Ablagewert { return (s.*k)->isChecked(); },
            [k](S& s, const Ablagewert& w) { (s.*k)->setChecked(std::get<bool>(w)); }};
}
// A member reached through glied(page) (a number of the page's record, say).
template <class S, class F>
Bindung<S> glied(F glied) {
    return {[glied](const S& s) -> Ablagewert { return glied(const_cast<S&>(s)); },
            [glied](S& s, const Ablagewert& w) {
                auto& ziel = glied(s);
                ziel = std::get<std::remove_reference_t<decltype(ziel)>>(w);
            }};
}
// Written from the control, never applied.
template <class S, class H>
Bindung<S> nurHolen(H holen) {
    return {[holen](const S& s) -> Ablagewert { return holen(s); }, {}};
}

template <class S>
class Seitenablage : public Ablage {
public:
    struct Wert {
        Ablageschluessel schluessel;
        Bindung<S> bindung;
    };
    // A number of the data file and the member it lives in.
    struct Zahl {
        Datenzahl zahl;
        std::function<double&(S&)> glied;
    };

    Seitenablage(std::initializer_list<Wert> werte, std::vector<Zahl> zahlen = {},
                 decltype(Ablage::bereinigen) wieGezeigt = {})
        : Ablage(schluesselAus(werte), zahlenAus(zahlen)), m_werte(werte), m_zahlen(std::move(zahlen)) {
        bereinigen = std::move(wieGezeigt);
    }

    // What the page holds now, one value per declaration.
    Ablagewerte werte(const S& s) const {
        Ablagewerte w;
        for (const Wert& v : m_werte) w.push_back(v.bindung.holen(s));
        return w;
    }
    // Sets the values on the page in the order of reading (by stage); the page then calculates.
    // ohne: keys the page has set itself.
    void anwenden(S& s, const Ablagewerte& w, std::initializer_list<const char*> ohne = {}) const {
        for (size_t i : reihenfolge()) {
            const char* name = schluessel()[i].name;
            if (std::any_of(ohne.begin(), ohne.end(), [name](const char* o) { return std::strcmp(o, name) == 0; }))
                continue;
            if (m_werte[i].bindung.setzen) m_werte[i].bindung.setzen(s, w.at(i));
        }
    }
    void speichern(const S& s, IniSchreiber& schreiber) const { schreiben(schreiber, werte(s)); }
    void laden(S& s, IniLeser& l) const { anwenden(s, lesen(l, zahlen(s))); }
    // The first start's values, with the page's numbers of the data file (ohne: keys the page sets
    // itself, in a way of its own).
    void ersterStart(S& s, QChar dezimal, std::initializer_list<const char*> ohne = {}) const {
        for (size_t i = 0; i < m_zahlen.size(); ++i) m_zahlen[i].glied(s) = m_zahlen[i].zahl.erst;
        anwenden(s, erstwerte(dezimal), ohne);
    }

    void datenSpeichern(const S& s, DatenSchreiber& schreiber) const { datenSchreiben(schreiber, zahlen(s)); }
    // The page's numbers of the data file as it holds them now.
    std::vector<double> zahlen(const S& s) const {
        std::vector<double> w;
        for (const Zahl& z : m_zahlen) w.push_back(z.glied(const_cast<S&>(s)));
        return w;
    }
    void datenLaden(S& s, DatenLeser& l) const {
        std::vector<double> w = zahlen(s);
        datenLesen(l, w);
        for (size_t i = 0; i < m_zahlen.size(); ++i) m_zahlen[i].glied(s) = w[i];
    }

private:
    static std::vector<Ablageschluessel> schluesselAus(std::initializer_list<Wert> werte) {
        std::vector<Ablageschluessel> k;
        for (const Wert& w : werte) k.push_back(w.schluessel);
        return k;
    }
    static std::vector<Datenzahl> zahlenAus(const std::vector<Zahl>& zahlen) {
        std::vector<Datenzahl> d;
        for (const Zahl& z : zahlen) d.push_back(z.zahl);
        return d;
    }

    std::vector<Wert> m_werte;
    std::vector<Zahl> m_zahlen;
};

}  // namespace zelmo
