// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Hauptfenster.h"

#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Seitenplatz.h"
#include "app/Seitenrahmen.h"
#include "app/Seitenregister.h"
#include "circuits/KonstantstromSeite.h"
#include "circuits/LM317Seite.h"
#include "circuits/LedSeite.h"
#include "circuits/NE555Seite.h"
#include "circuits/NormwerteFenster.h"
#include "circuits/SternDreieckSeite.h"
#include "circuits/SpannungsteilerSeite.h"
#include "colourcode/DrosselSeite.h"
#include "colourcode/KondensatorSeite.h"
#include "colourcode/SmdSeite.h"
#include "colourcode/WiderstandSeite.h"
#include "dialogs/Dialoge.h"
#include "eseries/ToleranzSeite.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/Meldungen.h"
#include "fields/Ressourcen.h"
#include "platform/Plattform.h"
#include "platform/ordner.h"
#include "storage/sicherung.h"

namespace zelmo {

template <class S>
Seitenplatz* Hauptfenster::platz(QWidget* huelle, const char* hilfeLabel, const char* hilfeBild, int kontext) {
    auto* p = new Seitenplatz(huelle, m_umgebung.dezimal, Seitenplatz::fuer<S>(), [=, this]() -> Rechnerseite* {
        QWidget* inhalt = rahmen(huelle, QString::fromLatin1(hilfeLabel), QString::fromLatin1(hilfeBild), kontext);
        auto* s = new S(m_umgebung, inhalt);
        auto* lay = new QVBoxLayout(inhalt);
        lay->setContentsMargins(0, 0, 0, 0);
        lay->addWidget(s);
        return s;
    });
    p->nachDemBau = [this](Rechnerseite& s) { seiteGebaut(s); };
    m_seiten.push_back(p);
    return p;
}

Hauptfenster::Hauptfenster(QWidget* parent) : QWidget(parent) {
    ressourcenLaden();
    // FormCreate: the decimal separator is captured once
    const QString trenner = QLocale::system().decimalPoint();
    m_umgebung.dezimal = trenner.isEmpty() ? QChar(u',') : trenner[0];
    m_umgebung.datenOrdner = [] { return plattform::datenOrdner(); };
    m_umgebung.anToleranzUebergeben = [this](double ohm) {
        if (m_toleranz && static_cast<ToleranzSeite*>(m_toleranz->gebaut())->Uebergabe(ohm))
            m_pc1->setCurrentIndex(1);
    };
    m_umgebung.sternDreieckBilderZeigen = [this](bool stern) {
        if (SternDreieckDialog* d = m_sternDreieck()) d->zeige(stern);
    };

    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("  Zelmotron V1.2       by  QR2ZUX"));
    setWindowIcon(bildsymbol(QStringLiteral(":/zelmotron.svg")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(670, 617);
    move(8, 231);
    setFont(schrift(13));

    m_pc1 = new Seitenregister(QStringLiteral("PageControl1"), this);
    m_pc1->setGeometry(4, 4, 657, 561);
    m_pc1->setAccessibleName(QStringLiteral("Seiten"));
    QWidget* farbcode = m_pc1->neueSeite(QStringLiteral("TabSheet1"), QStringLiteral("Farbcode"));
    QWidget* toleranz = m_pc1->neueSeite(QStringLiteral("TabSheet5"), QStringLiteral("Toleranz (E-Reihen)"));
    QWidget* teiler = m_pc1->neueSeite(QStringLiteral("TabSheet6"), QStringLiteral("Spannungs-/ Stromteiler"));
    QWidget* led = m_pc1->neueSeite(QStringLiteral("TabSheet7"), QStringLiteral("LED-Vorwiderstand"));
    QWidget* lm317 = m_pc1->neueSeite(QStringLiteral("TabSheet8"), QStringLiteral("LM317 Berechnung"));
    QWidget* ne555 = m_pc1->neueSeite(QStringLiteral("TabSheet9"), QStringLiteral("NE555 Berechnung"));
    QWidget* strom = m_pc1->neueSeite(QStringLiteral("TabSheet10"), QStringLiteral("konst. Stromquelle"));
    QWidget* sd = m_pc1->neueSeite(QStringLiteral("TabSheet11"), QStringLiteral("Stern-/Dreieckwandlung"));

    m_pc2 = new Seitenregister(QStringLiteral("PageControl2"), farbcode);
    m_pc2->setGeometry(0, 0, 649, 505);
    m_pc2->setAccessibleName(QStringLiteral("Farbcode-Seiten"));
    QWidget* widerstaende = m_pc2->neueSeite(QStringLiteral("TabSheet2"), QStringLiteral(u"Widerstände"));
    QWidget* drosseln = m_pc2->neueSeite(QStringLiteral("TabSheet3"), QStringLiteral("Drosseln"));
    QWidget* kondensatore = m_pc2->neueSeite(QStringLiteral("TabSheet4"), QStringLiteral("Kondensatore"));
    QWidget* smd = m_pc2->neueSeite(QStringLiteral("TabSheet12"), QStringLiteral("SMD-Code"));
    m_pc2->setCurrentIndex(2);

    // in the order of the settings and data files; each page is built when it is first shown
    m_unterkarten[0] = platz<WiderstandSeite>(widerstaende, "LHilfe_R", "IHilfe_R", 90);
    m_unterkarten[1] = platz<DrosselSeite>(drosseln, "LHilfe_L", "IHilfe_L", 100);
    m_unterkarten[2] = platz<KondensatorSeite>(kondensatore, "LHilfe_C", "IHilfe_C", 110);
    m_toleranz = m_karten[1] = platz<ToleranzSeite>(toleranz, "LHilfe_Toleranz", "IHilfe_Toleranz", 120);
    m_karten[2] = platz<SpannungsteilerSeite>(teiler, "LHilfe_SpannTeiler", "IHilfe_SpannTeiler", 130);
    m_karten[3] = platz<LedSeite>(led, "LHilfe_LED", "IHilfe_LED", 140);
    m_lm317 = m_karten[4] = platz<LM317Seite>(lm317, "LHilfe_LM317", "ILHilfe_LM317", 150);
    m_karten[5] = platz<NE555Seite>(ne555, "LHilfe_NE555", "IHilfe_NE555", 160);
    m_karten[6] = platz<KonstantstromSeite>(strom, "LHilfe_konstStrom", "IHilfe_konstStrom", 170);
    m_karten[7] = platz<SternDreieckSeite>(sd, "LHilfe_SternDreieck", "IHilfe_SternDreieck", 180);
    // pages added later come last, so that the sections of the older ones keep their places
    m_unterkarten[3] = platz<SmdSeite>(smd, "LHilfe_SMD", "IHilfe_SMD", SmdSeite::Hilfekontext);

    // the window "Normwerte" follows the page in view
    m_normwerte = new NormwerteFenster(m_umgebung.dezimal, this);
    m_umgebung.normwerteZeigen = [this] { normwerteZeigen(); };
    m_normwerte->weiterreichen = [this](double ohm, EReihe reihe) {
        auto* t = static_cast<ToleranzSeite*>(m_toleranz->gebaut());
        t->reihenGruppe()->setItemIndex(int(reihe));
        if (t->Uebergabe(ohm)) m_pc1->setCurrentIndex(1);
    };
    m_normwerte->hilfe = [] { plattform::zeigeHilfe(normwerteHilfekontext); };
    connect(m_pc1, &Seitenregister::currentChanged, this, &Hauptfenster::normwerteFolgen);
    connect(m_pc2, &Seitenregister::currentChanged, this, &Hauptfenster::normwerteFolgen);
    auto* taste = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    taste->setContext(Qt::ApplicationShortcut);
    connect(taste, &QShortcut::activated, this, [this] {
        if (m_normwerte->isVisible() && m_normwerte->isActiveWindow()) {
            activateWindow();
            raise();
        } else {
            normwerteZeigen();
        }
    });

    auto* optionen = knopf(this, QStringLiteral("Button1"), QStringLiteral("Optionen"), {8, 571, 75, 23});
    connect(optionen, &QPushButton::clicked, this, [this] {
        if (m_optionen) m_optionen->show();
    });
    auto* info = knopf(this, QStringLiteral("Button2"), QStringLiteral("Info"), {89, 571, 75, 23});
    connect(info, &QPushButton::clicked, this, &Hauptfenster::infoZeigen);
    auto* ok = knopf(this, QStringLiteral("Button3"), QStringLiteral("OK"), {573, 576, 89, 33});
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    m_knoepfe = {optionen, info, ok};

    qApp->installEventFilter(this);
}

Hauptfenster::~Hauptfenster() { qApp->removeEventFilter(this); }

void Hauptfenster::setzeDialoge(OptionenDialog* optionen, Dialogquelle<InfoDialog> info,
                                Dialogquelle<SternDreieckDialog> sternDreieck, Updatefenster* update) {
    m_optionen = optionen;
    m_info = std::move(info);
    m_sternDreieck = std::move(sternDreieck);
    m_update = update;
    if (m_optionen) {
        m_optionen->beiKurzhinweisen = [this](bool an) { setzeKurzhinweise(an); };
        m_optionen->beiVordergrund = [this](bool an) { setzeVordergrund(an); };
        m_optionen->beiTjmax = [this](double tj) {
            m_tjmax = tj;
            if (auto* s = static_cast<LM317Seite*>(m_lm317->seite())) s->setTjmax(tj);
        };
    }
}

Rechnerseite* Hauptfenster::seiteInSicht() const {
    const int i = m_pc1->currentIndex();
    Seitenplatz* p = nullptr;
    if (i == 0) {
        const int j = m_pc2->currentIndex();
        if (j >= 0 && j < int(m_unterkarten.size())) p = m_unterkarten[size_t(j)];
    } else if (i > 0 && i < int(m_karten.size())) {
        p = m_karten[size_t(i)];
    }
    return p ? p->seite() : nullptr;
}

void Hauptfenster::normwerteFolgen() {
    if (!m_normwerte->isVisible()) return;
    const int i = m_pc1->currentIndex();
    const QString titel = i >= 0 && i < m_pc1->count() ? m_pc1->tabText(i) : QString();
    const auto* quelle = dynamic_cast<const normwerte::Normwertquelle*>(seiteInSicht());
    m_normwerte->folge(titel, quelle != nullptr, quelle ? quelle->normAufgabe() : std::nullopt);
}

void Hauptfenster::normwerteZeigen() {
    m_normwerte->show();
    normwerteFolgen();
    m_normwerte->raise();
    m_normwerte->activateWindow();
}

void Hauptfenster::infoZeigen() {
    InfoDialog* d = m_info();
    if (!d) return;
    if (!d->updatesZeigen)
        d->updatesZeigen = [this] {
            if (m_update) m_update->zeigen();
        };
    d->show();
}

void Hauptfenster::setzeVordergrund(bool an) {
    const bool sichtbar = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, an);
    if (sichtbar) show();  // changing the flags hides the window
}

QWidget* Hauptfenster::rahmen(QWidget* seite, const QString& hilfeLabel, const QString& hilfeBild, int kontext) {
    auto* r = new Seitenrahmen(seite, hilfeLabel, hilfeBild, kontext);
    connect(r, &Seitenrahmen::hilfeAngefordert, this, &Hauptfenster::hilfeLink);
    return r->inhalt();
}

int Hauptfenster::hilfeKontext() const {
    const int seite = m_pc1->currentIndex();
    if (seite == 0) {
        const int unterseite = std::max(0, m_pc2->currentIndex());
        return unterseite == 3 ? SmdSeite::Hilfekontext : 90 + 10 * unterseite;
    }
    return 110 + 10 * seite;
}

void Hauptfenster::hilfeLink(int kontext) {
    if (m_hilfe) {
        plattform::zeigeHilfe(kontext);
        return;
    }
    Meldungen::fehler(QStringLiteral(
        "Die Hilfe-Datei  \"ZelmosV121.chm\"  konnte leider nicht gefunden werden. Es kann keine Hilfe "
        "angezeigt werden.\r\rBitte die Datei \"ZelmosV121.chm\" in den Programmordner kopieren und das "
        "Programm neu starten."));
}

bool Hauptfenster::eventFilter(QObject* o, QEvent* e) {
    // the window previews every key: F1, whatever the shift state, opens the visible page's help
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1 && o->isWidgetType() &&
        static_cast<QWidget*>(o)->window() == this) {
        plattform::zeigeHilfe(hilfeKontext());
        return true;
    }
    // the first paint of the window: its frame goes to the screen before the event loop turns again,
    // so the update check (and the loading of its module) comes after it
    if (!m_gemalt && e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == this) {
        m_gemalt = true;
        if (m_updateNachBild) updateNachBild();
    }
    // no tool tips in the window until short hints are switched on
    if (e->type() == QEvent::ToolTip && !m_kurzhinweise && o->isWidgetType() &&
        (static_cast<QWidget*>(o)->window() == this || static_cast<QWidget*>(o)->window() == m_normwerte))
        return true;
    return QWidget::eventFilter(o, e);
}

void Hauptfenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_gezeigt) {
        m_gezeigt = true;
        FormShow();
    }
}

void Hauptfenster::FormShow() {
    // 1 to 3: the data folder
    m_iniPath = plattform::datenOrdner();
    const std::vector<Speicherbar*> seiten(m_seiten.begin(), m_seiten.end());
    // 4: data file
    const sicherung::Bericht daten =
        sicherung::datenLesen(m_iniPath + u'/' + datDateiName, seiten, m_umgebung.dezimal);
    m_datBehalten = daten.vorhanden && !daten.gelesen;
    // 5: every page starts from the settings file, or (without a readable one) from its first-start values;
    // the run-time settings of steps 8 and 9 follow inside each page's start. A page not built yet checks
    // its values now and starts from them when it is built. (The first program showed each page while it
    // read its keys; nothing a page shows here depends on which page is visible.)
    m_ini = std::make_unique<sicherung::Einstellungsdatei>(m_iniPath + u'/' + iniDateiName, m_umgebung.dezimal);
    m_iniBehalten = m_ini->bericht().vorhanden && !m_ini->bericht().gelesen;
    for (Seitenplatz* s : m_seiten) s->starten(m_ini->leser());
    if (m_ini->leser())
        m_normwerte->laden(*m_ini->leser());
    else
        m_normwerte->ersterStart();
    if (m_ini->leser()) {
        Fensterwerte w = fensterwerte();
        m_ini->fensterLesen(w);
        fensterwerteAnwenden(w);
    } else {
        m_pc1->setCurrentIndex(6);
        m_pc2->setCurrentIndex(0);
    }
    // from now on a page is built when it is shown; the ones in view are built now, before anything
    // is painted or asked
    for (Seitenplatz* s : m_seiten) s->freigeben();
    if (m_normwerte->warOffen()) normwerteZeigen();
    if (!daten.meldung.isEmpty()) Meldungen::standardFehler(daten.meldung);
    if (const QString m = m_ini->meldung(); !m.isEmpty()) Meldungen::standardFehler(m);
    // 6: help file (beside the program, or in the shared folder of an installation)
    if (!QFileInfo::exists(plattform::hilfeDatei())) {
        Meldungen::fehler(QStringLiteral(
            "Die Hilfe-Datei  \"ZelmosV121.chm\"  konnte leider nicht gefunden werden.\r\rBitte diese Datei in "
            "den Programmordner kopieren und das Programm neu starten."));
        m_hilfe = false;
    }
    // 7: no warning beep
    plattform::warntonAus();
    // 10
    setWindowTitle(QStringLiteral("  Zelmotron Version 1.2      by  QR2ZUX"));
    // 11
    aufUpdatePruefen();
}

void Hauptfenster::aufUpdatePruefen() {
    if (!m_optionen || !m_optionen->autoUpdate()->isChecked() || !m_update) return;
    // after the first frame (FormShow runs before it, unless a message box of start-up let it paint)
    if (m_gemalt)
        updateNachBild();
    else
        m_updateNachBild = true;
}

void Hauptfenster::updateNachBild() {
    m_updateNachBild = false;
    QTimer::singleShot(0, this, [this] {
        if (m_update) m_update->startpruefung();
    });
}

void Hauptfenster::Eingabefelder_laden() {
    for (Seitenplatz* s : m_seiten) s->gebaut()->ersterStart();
    m_normwerte->ersterStart();
    m_pc1->setCurrentIndex(6);
    m_pc2->setCurrentIndex(0);
}

Fensterwerte Hauptfenster::fensterwerte() const {
    Fensterwerte w;
    w.karte = m_pc1->currentIndex();
    w.karte2 = m_pc2->currentIndex();
    if (m_optionen)
        w.optionen = Fensterwerte::Optionen{m_optionen->autoUpdate()->isChecked(),
                                            m_optionen->kurzhinweise()->isChecked(),
                                            m_optionen->vordergrund()->isChecked(), m_optionen->tjmax()->text()};
    return w;
}

void Hauptfenster::fensterwerteAnwenden(const Fensterwerte& w) {
    m_pc1->setCurrentIndex(w.karte);
    m_pc2->setCurrentIndex(w.karte2);
    if (!m_optionen || !w.optionen) return;
    // a check box set here runs its reaction, as a click does
    m_optionen->kurzhinweise()->setChecked(w.optionen->kurzhinweise);
    m_optionen->vordergrund()->setChecked(w.optionen->vordergrund);
    m_optionen->autoUpdate()->setChecked(w.optionen->autoUpdate);
    m_optionen->tjmax()->setzeText(w.optionen->tjmax);
}

void Hauptfenster::seiteGebaut(Rechnerseite& seite) {
    connect(&seite, &Rechnerseite::gerechnet, this, [this, s = &seite] {
        if (s == seiteInSicht()) normwerteFolgen();
    });
    // a page built while it comes into view has calculated before the line above
    if (&seite == seiteInSicht()) normwerteFolgen();
    if (m_tjmax && m_lm317 && &seite == m_lm317->seite()) static_cast<LM317Seite&>(seite).setTjmax(*m_tjmax);
    QWidget* letzter = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && std::find(m_knoepfe.begin(), m_knoepfe.end(), w) == m_knoepfe.end())
            letzter = w;
    for (QWidget* k : m_knoepfe) {
        if (letzter) QWidget::setTabOrder(letzter, k);
        letzter = k;
    }
}

void Hauptfenster::alleSeitenBauen() {
    for (Seitenplatz* s : m_seiten) s->gebaut();
}

int Hauptfenster::gebauteSeiten() const {
    return int(std::count_if(m_seiten.begin(), m_seiten.end(), [](const Seitenplatz* s) { return s->seite(); }));
}

void Hauptfenster::FormClose() {
    // every page writes what it holds; one never shown writes what start-up read for it, unbuilt
    // settings first, then the data file; both are written even when one fails, and the window closes
    std::vector<Speicherbar*> seiten(m_seiten.begin(), m_seiten.end());
    QStringList fehler;
    // the window "Normwerte" writes its keys after the pages'
    std::vector<Speicherbar*> mitFenster = seiten;
    mitFenster.push_back(m_normwerte);
    if (QString f = sicherung::einstellungenSchreiben(m_iniPath + u'/' + iniDateiName, mitFenster, fensterwerte(),
                                                      m_umgebung.dezimal, m_iniBehalten);
        !f.isEmpty())
        fehler << f;
    if (QString f = sicherung::datenSchreiben(m_iniPath + u'/' + datDateiName, seiten, m_umgebung.dezimal,
                                              m_datBehalten);
        !f.isEmpty())
        fehler << f;
    if (!fehler.isEmpty()) Meldungen::standardFehler(fehler.join(QStringLiteral("\r\r")));
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    if (!m_geschlossen) {
        m_geschlossen = true;
        FormClose();
    }
    e->accept();
    qApp->quit();
}

}  // namespace zelmo
