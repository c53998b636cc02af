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
#include "app/Seitentabelle.h"
#include "circuits/LM317Seite.h"
#include "circuits/NormwerteFenster.h"
#include "dialogs/Dialoge.h"
#include "eseries/ToleranzSeite.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/Meldungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Ressourcen.h"
#include "platform/Plattform.h"
#include "platform/ordner.h"
#include "storage/sicherung.h"

namespace zelmo {

Seitenplatz* Hauptfenster::platz(QWidget* huelle, const seitentabelle::Seite& eintrag) {
    auto* p = new Seitenplatz(huelle, m_umgebung.dezimal, eintrag.ablage, [=, this, &eintrag]() -> Rechnerseite* {
        QWidget* inhalt = rahmen(huelle, QString::fromLatin1(eintrag.hilfeLabel),
                                 QString::fromLatin1(eintrag.hilfeBild), eintrag.hilfekontext);
        Rechnerseite* s = eintrag.bauen(m_umgebung, inhalt);
        auto* lay = new QVBoxLayout(inhalt);
        lay->setContentsMargins(0, 0, 0, 0);
        lay->addWidget(s);
        return s;
    });
    p->nachDemBau = [this](Rechnerseite& s) { seiteGebaut(s); };
    return p;
}

Hauptfenster::Hauptfenster(QWidget* parent) : QWidget(parent) {
    ressourcenLaden();
    // FormCreate: the decimal separator is captured once
    const QString trenner = QLocale::system().decimalPoint();
    m_umgebung.dezimal = trenner.isEmpty() ? QChar(u',') : trenner[0];
    m_umgebung.datenOrdner = [] { return plattform::datenOrdner(); };
    m_umgebung.anToleranzUebergeben = [this](double ohm) { anToleranz(ohm); };
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

    // the page controls and their tabs, then a place for every page, in the order of the files; each
    // page is built when it is first shown
    using seitentabelle::Register;
    m_pc1 = new Seitenregister(QStringLiteral("PageControl1"), this);
    m_pc1->setGeometry(4, 4, 657, 561);
    m_pc1->setAccessibleName(QStringLiteral("Seiten"));
    QWidget* farbcode = nullptr;
    for (int i = 0; i < seitentabelle::reiterAnzahl(Register::Seiten); ++i) {
        if (const seitentabelle::Seite* s = seitentabelle::auf(Register::Seiten, i))
            m_pc1->neueSeite(QString::fromLatin1(s->reiter), QString::fromUtf16(s->titel));
        else
            farbcode = m_pc1->neueSeite(QString::fromLatin1(seitentabelle::farbcode.name),
                                        QString::fromUtf16(seitentabelle::farbcode.titel));
    }
    m_pc2 = new Seitenregister(QStringLiteral("PageControl2"), farbcode);
    m_pc2->setGeometry(0, 0, 649, 505);
    m_pc2->setAccessibleName(QStringLiteral("Farbcode-Seiten"));
    for (int i = 0; i < seitentabelle::reiterAnzahl(Register::Farbcode); ++i) {
        const seitentabelle::Seite* s = seitentabelle::auf(Register::Farbcode, i);
        m_pc2->neueSeite(QString::fromLatin1(s->reiter), QString::fromUtf16(s->titel));
    }
    m_pc2->setCurrentIndex(2);
    for (const seitentabelle::Seite& s : seitentabelle::seiten())
        m_seiten.push_back(platz((s.reg == Register::Seiten ? m_pc1 : m_pc2)->seite(s.platz), s));
    m_toleranz = platzVon(u"Toleranz");
    m_lm317 = platzVon(u"LM317");

    // the window "Normwerte" follows the page in view
    m_normwerte = new NormwerteFenster(m_umgebung.dezimal, this);
    m_umgebung.normwerteZeigen = [this] { normwerteZeigen(); };
    m_normwerte->weiterreichen = [this](double ohm, EReihe reihe) { anToleranz(ohm, reihe); };
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

Seitenplatz* Hauptfenster::platzVon(QStringView name) const {
    const seitentabelle::Seite* s = seitentabelle::namens(name);
    return s ? m_seiten[size_t(s - seitentabelle::seiten().data())] : nullptr;
}

void Hauptfenster::seiteZeigen(const seitentabelle::Seite& s) {
    if (s.reg == seitentabelle::Register::Farbcode) {
        m_pc1->setCurrentIndex(seitentabelle::farbcode.platz);
        m_pc2->setCurrentIndex(s.platz);
    } else {
        m_pc1->setCurrentIndex(s.platz);
    }
}

void Hauptfenster::anToleranz(double ohm, std::optional<EReihe> reihe) {
    if (!m_toleranz) return;
    auto* t = static_cast<ToleranzSeite*>(m_toleranz->gebaut());
    if (reihe) t->reihenGruppe()->setItemIndex(int(*reihe));
    if (t->Uebergabe(ohm)) seiteZeigen(*seitentabelle::namens(u"Toleranz"));
}

int Hauptfenster::seiteInSichtIndex() const {
    using seitentabelle::Register;
    const int i = m_pc1->currentIndex();
    const seitentabelle::Seite* s = i == seitentabelle::farbcode.platz
                                        ? seitentabelle::auf(Register::Farbcode, std::max(0, m_pc2->currentIndex()))
                                        : seitentabelle::auf(Register::Seiten, i);
    return s ? int(s - seitentabelle::seiten().data()) : -1;
}

Rechnerseite* Hauptfenster::seiteInSicht() const {
    const int i = seiteInSichtIndex();
    return i >= 0 ? m_seiten[size_t(i)]->seite() : nullptr;
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
    const int i = seiteInSichtIndex();
    return i >= 0 ? seitentabelle::seiten()[size_t(i)].hilfekontext : 0;
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
        m_ini->fensterLesen(w, m_pc1->count(), m_pc2->count());
        fensterwerteAnwenden(w);
    } else {
        m_pc1->setCurrentIndex(seitentabelle::ersteKarte);
        m_pc2->setCurrentIndex(seitentabelle::ersteUnterkarte);
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
    m_pc1->setCurrentIndex(seitentabelle::ersteKarte);
    m_pc2->setCurrentIndex(seitentabelle::ersteUnterkarte);
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
