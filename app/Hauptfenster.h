// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: every calculator on the pages of a two-level page control, the frame buttons,
// start-up (data folder, files, help check, hints, update check) and shutdown (files written).

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "eseries/ereihen.h"
#include "fields/Rechnerseite.h"

namespace zelmo {

namespace sicherung {
class Einstellungsdatei;
}
namespace seitentabelle {
struct Seite;
}
class Seitenregister;
class Seitenrahmen;
class Seitenplatz;
class OptionenDialog;
class InfoDialog;
class SternDreieckDialog;
class Updatefenster;
class ToleranzSeite;
class LM317Seite;
class NormwerteFenster;
struct Fensterwerte;

// A dialog the window opens: one that exists already, or one built the first time it is wanted.
template <class D>
class Dialogquelle {
public:
    Dialogquelle(D* dialog = nullptr) : m_dialog(dialog) {}
    explicit Dialogquelle(std::function<D*()> bauen) : m_bauen(std::move(bauen)) {}
    // The dialog, built now if need be; nullptr for none.
    D* operator()() {
        if (!m_dialog && m_bauen) m_dialog = m_bauen();
        return m_dialog;
    }

private:
    D* m_dialog = nullptr;
    std::function<D*()> m_bauen;
};

class Hauptfenster : public QWidget {
    Q_OBJECT
public:
    explicit Hauptfenster(QWidget* parent = nullptr);
    ~Hauptfenster() override;

    // The dialogs, given by the program entry right after the window is built. The options dialog
    // exists from the start (it holds settings of the file); the others may be built when first wanted
    // (the update dialog comes from its module, see dialogs/Updatelader.h).
    void setzeDialoge(OptionenDialog* optionen, Dialogquelle<InfoDialog> info,
                      Dialogquelle<SternDreieckDialog> sternDreieck, Updatefenster* update);

    Seitenregister* pageControl1() const { return m_pc1; }
    // Shows a page of the page table (a colour-code sub-page with the tab "Farbcode").
    void seiteZeigen(const seitentabelle::Seite& s);
    Seitenregister* pageControl2() const { return m_pc2; }
    // Help context of the visible page (the page table's).
    int hilfeKontext() const;
    QString iniPath() const { return m_iniPath; }
    bool hilfeVorhanden() const { return m_hilfe; }
    // Short hints (tool tips) of the window; off until the options switch them on.
    bool kurzhinweise() const { return m_kurzhinweise; }
    void setzeKurzhinweise(bool an) { m_kurzhinweise = an; }
    void setzeVordergrund(bool an);
    const Umgebung& umgebung() const { return m_umgebung; }
    // The window "Normwerte" (exists from the start, shown when wanted).
    NormwerteFenster* normwerteFenster() const { return m_normwerte; }
    // Shows the window "Normwerte" for the page in view and brings it to the front (the buttons of
    // the circuit pages and Ctrl+N); Ctrl+N in that window comes back here.
    void normwerteZeigen();

    // Start-up and shutdown steps, public so that tests can run them on a window of their own.
    void FormShow();
    // The first-start values of every page, and the pages a first start shows.
    void Eingabefelder_laden();
    void FormClose();

    // The pages are built the first time they are shown (and the ones never shown before the window
    // saves). Tools and tests that look at every page build them all with this.
    void alleSeitenBauen();
    // How many pages are built.
    int gebauteSeiten() const;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* rahmen(QWidget* seite, const QString& hilfeLabel, const QString& hilfeBild, int kontext);
    // After a page was built: the options' changes since start-up, the frame buttons last in the
    // keyboard order (a new widget comes last, behind them).
    void seiteGebaut(Rechnerseite& seite);
    // The place of a page of the page table on the page huelle; the page is built when it is first shown.
    Seitenplatz* platz(QWidget* huelle, const seitentabelle::Seite& eintrag);
    // The place of the page of that short name in the page table.
    Seitenplatz* platzVon(QStringView name) const;
    // Hands a resistance to the tolerance page (built now if need be) and shows it when the page takes it.
    void anToleranz(double ohm, std::optional<EReihe> reihe = std::nullopt);
    // The page in view: its index in the page table (-1 for none).
    int seiteInSichtIndex() const;
    void hilfeLink(int kontext);
    // The page in view (built now if need be; nullptr for the colour codes' page control itself).
    Rechnerseite* seiteInSicht() const;
    // The window "Normwerte" follows the page in view and its last calculation.
    void normwerteFolgen();
    void aufUpdatePruefen();
    void updateNachBild();
    void infoZeigen();
    // The keys of the window and the options in the settings file.
    Fensterwerte fensterwerte() const;
    void fensterwerteAnwenden(const Fensterwerte& w);

    Umgebung m_umgebung;
    QString m_iniPath;
    bool m_hilfe = true;
    bool m_gezeigt = false;
    bool m_gemalt = false;  // the window's first frame is painted
    // start-up asked for the update check, which waits until the window's first frame is painted
    bool m_updateNachBild = false;
    bool m_geschlossen = false;
    bool m_kurzhinweise = false;
    // a settings or data file that could not be read at start-up: kept as .bak when the window closes
    bool m_iniBehalten = false;
    bool m_datBehalten = false;

    std::array<QWidget*, 3> m_knoepfe{};  // Optionen, Info, OK
    Seitenregister* m_pc1;
    Seitenregister* m_pc2;
    // every page, in the order of the page table (that of the settings and data files)
    std::vector<Seitenplatz*> m_seiten;
    Seitenplatz* m_toleranz = nullptr;  // takes transfers from other pages
    Seitenplatz* m_lm317 = nullptr;     // follows the options' maximum junction temperature
    NormwerteFenster* m_normwerte = nullptr;
    std::optional<double> m_tjmax;      // the options' maximum junction temperature, once changed
    // the settings file read at start-up: pages built later start from it
    std::unique_ptr<sicherung::Einstellungsdatei> m_ini;

    OptionenDialog* m_optionen = nullptr;
    Dialogquelle<InfoDialog> m_info;
    Dialogquelle<SternDreieckDialog> m_sternDreieck;
    Updatefenster* m_update = nullptr;
};


}  // namespace zelmo
