// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A page of the window that is built the first time it is shown, not at start-up.
//
// Until it is built, the place answers for its page to the settings and data files: at start-up it
// reads the page's keys and numbers without widgets through the page's declaration of its stored values
// (so that the one message of the start-up names every unreadable value, as if the page were there) and
// keeps what it read; when the page is built it starts from the files exactly as it would have at
// start-up. A page never built writes back what was read for it (the values of a first start when there
// was no settings file), so closing builds no page.

#include <QChar>
#include <QObject>
#include <functional>
#include <optional>

#include "storage/ablage.h"
#include "storage/einstellungen.h"
#include "storage/speicherbar.h"

class QWidget;

namespace zelmo {

class Rechnerseite;

class Seitenplatz : public QObject, public Speicherbar {
public:
    // What a page type brings along: the declaration of its stored values (fields/Seitenablage.h).
    using Ablagequelle = const Ablage& (*)();
    template <class S>
    static Ablagequelle fuer() {
        return []() -> const Ablage& { return S::ablage(); };
    }

    // huelle: the page of the page control the page lies on; bauen: builds its frame and content
    // there (not started yet).
    Seitenplatz(QWidget* huelle, QChar dezimal, Ablagequelle ablage, std::function<Rechnerseite*()> bauen);

    // The page, or nullptr while it is not built.
    Rechnerseite* seite() const { return m_seite; }
    // Builds the page if need be and starts it from what start-up read; called when it is first shown.
    Rechnerseite* gebaut();
    // Runs after a page was built (and started, when start-up has read the files).
    std::function<void(Rechnerseite&)> nachDemBau;

    // Start-up: the page starts from the settings file (nothing: its first-start values); a page
    // not built yet only checks its keys and starts when it is built. The reader must live as long
    // as this place.
    void starten(IniLeser* einstellungen);

    // After start-up has read the files and chosen the pages in view: from now on the page is built
    // when it is shown, and now if it is in view.
    void freigeben();

    // Speicherbar: a built page answers itself. Before it is built, its numbers of the data file are
    // read, checked and kept; its keys come through starten(); saving writes what was read.
    void speichern(IniSchreiber& s) const override;
    void datenSpeichern(DatenSchreiber& s) const override;
    void datenLaden(DatenLeser& l) override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* m_huelle;
    QChar m_dezimal;
    Ablagequelle m_ablage;
    std::function<Rechnerseite*()> m_bauen;
    Rechnerseite* m_seite = nullptr;
    bool m_gestartet = false;
    bool m_freigegeben = false;
    IniLeser* m_einstellungen = nullptr;
    std::optional<DatenLeser> m_daten;  // the data file's reader where this page's numbers begin
    // what a page not built holds: its keys and its numbers as read (or those of a first start)
    Ablagewerte m_werte;
    std::vector<double> m_zahlen;
};

}  // namespace zelmo
