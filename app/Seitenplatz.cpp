// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Seitenplatz.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

#include "fields/Rechnerseite.h"

namespace zelmo {

Seitenplatz::Seitenplatz(QWidget* huelle, QChar dezimal, Ablagequelle ablage, std::function<Rechnerseite*()> bauen)
    : QObject(huelle), m_huelle(huelle), m_dezimal(dezimal), m_ablage(ablage), m_bauen(std::move(bauen)) {
    huelle->installEventFilter(this);
}

bool Seitenplatz::eventFilter(QObject* o, QEvent* e) {
    // shown while start-up is still reading the files and choosing the pages in view, the page waits
    if (o == m_huelle && e->type() == QEvent::Show && !m_seite && m_freigegeben) gebaut();
    return false;
}

Rechnerseite* Seitenplatz::gebaut() {
    if (m_seite) return m_seite;
    m_seite = m_bauen();
    m_huelle->removeEventFilter(this);
    // widgets added to a visible page must be shown themselves, laid out before anything is painted;
    // shown before the page starts, as at start-up, so that a box of its start stands over the page
    if (m_huelle->isVisible()) {
        for (QWidget* w : m_huelle->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->show();
        if (QLayout* l = m_huelle->layout()) l->activate();
    }
    if (m_gestartet) {
        if (m_daten) m_seite->datenLaden(*m_daten);
        m_daten.reset();
        m_seite->starten(m_einstellungen);
    }
    m_werte.clear();
    m_zahlen.clear();
    if (nachDemBau) nachDemBau(*m_seite);
    return m_seite;
}

void Seitenplatz::starten(IniLeser* einstellungen) {
    if (m_seite) {
        m_seite->starten(einstellungen);
        return;
    }
    const Ablage& a = m_ablage();
    if (!m_daten) m_zahlen = a.datenAnfang();  // no data file was read
    if (einstellungen) {
        m_werte = a.lesen(*einstellungen, m_zahlen);
    } else {
        // without a settings file a page starts from a first start's values, its numbers too
        m_werte = a.erstwerte(m_dezimal);
        m_zahlen = a.datenErst();
    }
    m_einstellungen = einstellungen;
    m_gestartet = true;
}

void Seitenplatz::freigeben() {
    m_freigegeben = true;
    if (!m_seite && m_huelle->isVisible()) gebaut();
}

void Seitenplatz::datenLaden(DatenLeser& l) {
    if (m_seite) {
        m_seite->datenLaden(l);
        return;
    }
    m_daten = l;
    m_zahlen = m_ablage().datenAnfang();
    m_ablage().datenLesen(l, m_zahlen);
}

// a page never built writes what was read for it, so that closing builds none
void Seitenplatz::speichern(IniSchreiber& s) const {
    if (m_seite)
        m_seite->speichern(s);
    else
        m_ablage().schreiben(s, m_gestartet ? m_werte : m_ablage().erstwerte(m_dezimal));
}

void Seitenplatz::datenSpeichern(DatenSchreiber& s) const {
    if (m_seite)
        m_seite->datenSpeichern(s);
    else
        Ablage::datenSchreiben(s, m_gestartet ? m_zahlen : m_ablage().datenAnfang());
}

}  // namespace zelmo
