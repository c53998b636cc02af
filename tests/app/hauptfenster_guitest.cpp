// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "app/Hauptfenster.h"
#include "app/Seitenrahmen.h"
#include "app/Seitenregister.h"
#include "app/Seitentabelle.h"
#include "circuits/NormwerteFenster.h"
#include "storage/ablage.h"
#include "platform/Hilfeanzeige.h"
#include "fields/Ressourcen.h"
#include "platform/Plattform.h"
#include "platform/ordner.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QString hilfeFehlt = QStringLiteral(
    "Die Hilfe-Datei  \"ZelmosV121.chm\"  konnte leider nicht gefunden werden.\r\rBitte diese Datei in den "
    "Programmordner kopieren und das Programm neu starten.");

struct Fenster {
    test::MeldungsRecorder rec;
    std::vector<int> hilfe;
    Hauptfenster f;
    Fenster() {
        plattform::setzeHilfeAnzeige([this](int k) { hilfe.push_back(k); });
        f.show();
        f.activateWindow();
        (void)QTest::qWaitForWindowActive(&f);
    }
    ~Fenster() { plattform::setzeHilfeAnzeige({}); }
};

}  // namespace

class HauptfensterTest : public QObject {
    Q_OBJECT
private slots:
    void seitenUndTitelInIhrerReihenfolge() {
        Fenster w;
        QCOMPARE(w.f.objectName(), QStringLiteral("TForm1"));
        QCOMPARE(w.f.windowTitle(), QStringLiteral("  Zelmotron Version 1.2      by  QR2ZUX"));
        QCOMPARE(w.f.size(), QSize(670, 617));
        QCOMPARE(w.f.minimumSize(), w.f.maximumSize());
        QVERIFY(!(w.f.windowFlags() & Qt::WindowMaximizeButtonHint));

        const QStringList namen{"TabSheet1", "TabSheet5", "TabSheet6", "TabSheet7",
                                "TabSheet8", "TabSheet9", "TabSheet10", "TabSheet11"};
        const QStringList titel{"Farbcode",          "Toleranz (E-Reihen)", "Spannungs-/ Stromteiler",
                                "LED-Vorwiderstand", "LM317 Berechnung",    "NE555 Berechnung",
                                "konst. Stromquelle", "Stern-/Dreieckwandlung"};
        Seitenregister* pc1 = w.f.findChild<Seitenregister*>(QStringLiteral("PageControl1"));
        QVERIFY(pc1);
        QCOMPARE(pc1->geometry(), QRect(4, 4, 657, 561));
        // the tabs of today keep their places and names; a page added later comes behind them
        QCOMPARE(pc1->count(), seitentabelle::reiterAnzahl(seitentabelle::Register::Seiten));
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(pc1->seite(i)->objectName(), namen[i]);
            QCOMPARE(pc1->tabText(i), titel[i]);
        }
        QVERIFY(pc1->reihen() >= 2);  // the tabs wrap instead of being cut
        Seitenregister* pc2 = w.f.findChild<Seitenregister*>(QStringLiteral("PageControl2"));
        QVERIFY(pc2);
        QCOMPARE(pc2->parentWidget(), pc1->seite(0));
        QCOMPARE(pc2->count(), seitentabelle::reiterAnzahl(seitentabelle::Register::Farbcode));
        const QStringList unter{QStringLiteral(u"Widerstände"), "Drosseln", "Kondensatore", "SMD-Code"};
        const QStringList unterNamen{"TabSheet2", "TabSheet3", "TabSheet4", "TabSheet12"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pc2->tabText(i), unter[i]);
            QCOMPARE(pc2->seite(i)->objectName(), unterNamen[i]);
        }
        // the first start shows "konst. Stromquelle" and the resistor sub-page
        QCOMPARE(pc1->currentIndex(), 6);
        QCOMPARE(pc2->currentIndex(), 0);

        const struct {
            const char* name;
            const char* text;
            QRect platz;
        } knoepfe[] = {{"Button1", "Optionen", {8, 571, 75, 23}},
                       {"Button2", "Info", {89, 571, 75, 23}},
                       {"Button3", "OK", {573, 576, 89, 33}}};
        for (const auto& k : knoepfe) {
            auto* b = w.f.findChild<QPushButton*>(QString::fromLatin1(k.name));
            QVERIFY(b);
            QCOMPARE(b->text(), QString::fromLatin1(k.text));
            QCOMPARE(b->geometry(), k.platz);
        }
    }

    // The tabs take the width of their titles in the register's font, also after the font changes.
    void reiterFolgenDerSchrift() {
        const QStringList titel{"Farbcode", "Toleranz (E-Reihen)", "Spannungs-/ Stromteiler", "LED-Vorwiderstand",
                                "LM317 Berechnung"};
        const auto bau = [&](Seitenregister& r, int pixel) {
            r.setFont(schrift(pixel));
            r.resize(520, 300);
            for (const QString& t : titel) r.neueSeite(t, t);
        };
        const auto reiter = [&](const Seitenregister& r) {
            QList<QRect> l;
            for (int i = 0; i < r.count(); ++i) l << r.tabRechteck(i);
            return l;
        };
        Seitenregister klein(QStringLiteral("klein")), gross(QStringLiteral("gross")), umgestellt(QStringLiteral("um"));
        bau(klein, 11);
        bau(gross, 20);
        bau(umgestellt, 11);
        QCOMPARE(reiter(umgestellt), reiter(klein));
        QVERIFY(gross.reihen() > klein.reihen());
        umgestellt.setFont(schrift(20));
        QCOMPARE(reiter(umgestellt), reiter(gross));
        QCOMPARE(umgestellt.reihen(), gross.reihen());
    }

    void jedeSeiteHatIhrenRahmen() {
        Fenster w;
        w.f.alleSeitenBauen();
        const char* labels[] = {"LHilfe_R",          "LHilfe_L",     "LHilfe_C",     "LHilfe_Toleranz",
                                "LHilfe_SpannTeiler", "LHilfe_LED",   "LHilfe_LM317", "LHilfe_NE555",
                                "LHilfe_konstStrom",  "LHilfe_SternDreieck", "LHilfe_SMD"};
        const char* bilder[] = {"IHilfe_R",          "IHilfe_L",      "IHilfe_C",      "IHilfe_Toleranz",
                                "IHilfe_SpannTeiler", "IHilfe_LED",    "ILHilfe_LM317", "IHilfe_NE555",
                                "IHilfe_konstStrom",  "IHilfe_SternDreieck", "IHilfe_SMD"};
        for (int i = 0; i < 11; ++i) {
            auto* l = w.f.findChild<QLabel*>(QString::fromLatin1(labels[i]));
            QVERIFY2(l, labels[i]);
            QCOMPARE(l->text(), QStringLiteral("Hilfe"));
            QCOMPARE(l->toolTip(), QStringLiteral("Hilfe anzeigen"));
            auto* b = w.f.findChild<QLabel*>(QString::fromLatin1(bilder[i]));
            QVERIFY2(b, bilder[i]);
            QCOMPARE(b->size(), QSize(20, 20));
            QVERIFY(!b->pixmap().isNull());
        }
        int enterTexte = 0;
        for (QLabel* l : w.f.findChildren<QLabel*>())
            if (l->text() == QStringLiteral(u"Berechnung nach Drücken der Enter-Taste")) ++enterTexte;
        QCOMPARE(enterTexte, 11);
    }

    void ohneHilfedateiEineMeldungUndDieLinksMelden() {
        Fenster w;  // no help file beside the test program
        QCOMPARE(w.rec.eintraege.size(), size_t(1));
        QCOMPARE(w.rec.letzter(), hilfeFehlt);
        QVERIFY(!w.f.hilfeVorhanden());
        auto* link = w.f.findChild<QLabel*>(QStringLiteral("LHilfe_konstStrom"));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(w.rec.eintraege.size(), size_t(2));
        QVERIFY(w.rec.letzter().contains(QStringLiteral("Es kann keine Hilfe angezeigt werden.")));
        QVERIFY(w.hilfe.empty());
    }

    void f1OeffnetDieHilfeDerSichtbarenSeite() {
        Fenster w;
        const struct {
            int seite, unterseite, kontext;
        } faelle[] = {{0, 0, 90},  {0, 1, 100}, {0, 2, 110}, {0, 3, 190}, {1, 0, 120}, {2, 0, 130}, {3, 0, 140},
                      {4, 0, 150}, {5, 0, 160}, {6, 0, 170}, {7, 2, 180}};
        for (const auto& f : faelle) {
            w.f.pageControl2()->setCurrentIndex(f.unterseite);
            w.f.pageControl1()->setCurrentIndex(f.seite);
            w.hilfe.clear();
            // F1 reaches the window whichever control has the focus, with or without shift
            QTest::keyClick(w.f.pageControl1()->seite(f.seite), Qt::Key_F1);
            QTest::keyClick(&w.f, Qt::Key_F1, Qt::ShiftModifier);
            QCOMPARE(w.hilfe, (std::vector<int>{f.kontext, f.kontext}));
        }
    }

    // Through the real help file: F1 on every page of the page table, and its help link, open that
    // page's own topic, and no two pages share a context or a topic.
    void jedeSeiteOeffnetIhrThema() {
        Fenster w;
        Hilfeanzeige hilfe(QStringLiteral(ZELMO_HILFE_DATEI));
        QString geoeffnet;
        plattform::setzeHilfeAnzeige([&](int k) {
            QVERIFY2(hilfe.zeige(k), qPrintable(QString::number(k)));
            geoeffnet = hilfe.thema();
        });
        QSet<int> kontexte;
        QSet<QString> themen;
        for (const seitentabelle::Hilfethema& h : seitentabelle::hilfethemen()) {
            kontexte.insert(h.kontext);
            themen.insert(QString::fromLatin1(h.thema));
        }
        QCOMPARE(kontexte.size(), int(seitentabelle::hilfethemen().size()));
        QCOMPARE(themen.size(), int(seitentabelle::hilfethemen().size()));
        using seitentabelle::Register;
        for (const seitentabelle::Seite& s : seitentabelle::seiten()) {
            const QString thema = QString::fromLatin1(s.thema);
            w.f.seiteZeigen(s);
            QWidget* reiter = (s.reg == Register::Farbcode ? w.f.pageControl2() : w.f.pageControl1())->seite(s.platz);
            QCOMPARE(reiter->objectName(), QString::fromLatin1(s.reiter));
            geoeffnet.clear();
            QTest::keyClick(reiter, Qt::Key_F1);
            QCOMPARE(geoeffnet, thema);
            // the page's help link asks for the same topic
            auto* rahmen = reiter->findChild<Seitenrahmen*>();
            QVERIFY2(rahmen, s.name);
            QSignalSpy link(rahmen, &Seitenrahmen::hilfeAngefordert);
            QTest::mouseClick(rahmen->findChild<QLabel*>(QString::fromLatin1(s.hilfeLabel)), Qt::LeftButton);
            QCOMPARE(link.size(), 1);
            geoeffnet.clear();
            plattform::zeigeHilfe(link.at(0).at(0).toInt());
            QCOMPARE(geoeffnet, thema);
        }
    }

    // Each page keeps its values in sections of its own (looked up without regard to case, as the file
    // is read), apart from the window's own and the window "Normwerte"'s, so that a page added to the
    // table cannot overwrite another's keys; and every page that keeps numbers in the data file says
    // how many.
    void jedeSeiteHatEigeneAbschnitte() {
        std::map<QString, QString> besitzer;
        const auto nimm = [&](const QString& abschnitt, const QString& wer) {
            const auto [it, neu] = besitzer.emplace(abschnitt.toLower(), wer);
            QVERIFY2(neu, qPrintable(QStringLiteral("[%1]: %2 und %3").arg(abschnitt, it->second, wer)));
        };
        for (const char* fenster : {"Register", "Register2", "Optionen", "Dezimalseparator"})
            nimm(QString::fromLatin1(fenster), QStringLiteral("Fenster"));
        for (const QString& a : NormwerteFenster::ablage().abschnitte()) nimm(a, QStringLiteral("Normwerte"));
        int zahlen = 0;
        for (const seitentabelle::Seite& s : seitentabelle::seiten()) {
            QVERIFY2(!s.ablage().abschnitte().isEmpty(), s.name);
            for (const QString& a : s.ablage().abschnitte()) nimm(a, QString::fromLatin1(s.name));
            zahlen += int(s.ablage().daten().size());
        }
        // the data file the window writes holds the pages' shares, after its separator line
        QTemporaryDir ordner;
        const QString vorher = plattform::datenOrdner();
        plattform::setzeDatenOrdner(ordner.path());
        {
            Fenster w;
            w.f.close();
        }
        plattform::setzeDatenOrdner(vorher);
        QFile dat(ordner.filePath(datDateiName));
        QVERIFY(dat.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = dat.readAll().split('\n');
        QCOMPARE(zeilen.size() - (zeilen.back().trimmed().isEmpty() ? 1 : 0), 1 + zahlen);
    }

    void okSchliesstDasFenster() {
        Fenster w;
        QVERIFY(w.f.isVisible());
        QTest::mouseClick(w.f.findChild<QPushButton*>(QStringLiteral("Button3")), Qt::LeftButton);
        QVERIFY(!w.f.isVisible());
    }
};

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster_guitest.moc"
