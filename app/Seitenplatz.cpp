// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Seitenplatz.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

#include "fields/Rechnerseite.h"

namespace zelmo {

Seitenplatz::Seitenplatz(QWidget* huelle, QChar dezimal, Pruefung pruefung, std::function<Rechnerseite*()> bauen)
    : QObject(huelle), m_huelle(huelle), m_dezimal(dezimal), m_pruefung(pruefung), m_bauen(std::move(bauen)) {
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
    if (nachDemBau) nachDemBau(*m_seite);
    return m_seite;
}

void Seitenplatz::starten(IniLeser* einstellungen) {
    if (m_seite) {
        m_seite->starten(einstellungen);
        return;
    }
    if (einstellungen) m_pruefung.einstellungen(*einstellungen);
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
    m_pruefung.daten(l, m_dezimal);
}

// the window builds every place before it saves; a place left empty would shift the data file
void Seitenplatz::speichern(IniSchreiber& s) const {
    Q_ASSERT(m_seite);
    if (m_seite) m_seite->speichern(s);
}

void Seitenplatz::datenSpeichern(DatenSchreiber& s) const {
    Q_ASSERT(m_seite);
    if (m_seite) m_seite->datenSpeichern(s);
}

}  // namespace zelmo
