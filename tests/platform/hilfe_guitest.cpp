// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include "platform/Hilfeanzeige.h"
#include "platform/Hilfefenster.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {
// The texts of the visible lines of a list.
QStringList sichtbar(const QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        if (!l->item(i)->isHidden()) t << l->item(i)->text().trimmed();
    return t;
}

// Saves what the window shows when ZELMO_BILDER names a folder (to look at it).
void bildAblegen(QWidget* w, const char* name) {
    const QString ordner = qEnvironmentVariable("ZELMO_BILDER");
    if (!ordner.isEmpty()) w->grab().save(ordner + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}
}  // namespace

class HilfeTest : public QObject {
    Q_OBJECT
private slots:
    void jedeSeiteHatIhrThemaInDerHilfedatei() {
        test::MeldungsRecorder rec;
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(!h.isVisible());
        const struct {
            int kontext;
            const char* thema;
            const char16_t* titel;
            const char16_t* text;  // something the topic explains
        } faelle[] = {{90, "widerstand.htm", u"Farbcode – Widerstände", u"Multiplikator"},
                      {100, "drossel.htm", u"Farbcode – Drosseln", u"Jahre Dezi"},
                      {110, "kondensator.htm", u"Farbcode – Kondensatoren", u"Tantal"},
                      {120, "toleranz.htm", u"Toleranz (E-Reihen)", u"Parallelsch."},
                      {130, "teiler.htm", u"Spannungs- und Stromteiler", u"Querstromfaktor"},
                      {140, "led.htm", u"LED-Vorwiderstand", u"Helligkeit"},
                      {150, "lm317.htm", u"LM317 Berechnung", u"Isolierscheibe"},
                      {160, "ne555.htm", u"NE555 Berechnung", u"0,694"},
                      {170, "konststrom.htm", u"Konstantstromquelle", u"Referenzspannung"},
                      {180, "sterndreieck.htm", u"Stern-/Dreieckwandlung", u"Sternpunkt"}};
        for (const auto& f : faelle) {
            QVERIFY2(h.zeige(f.kontext), qPrintable(QString::number(f.kontext)));
            QCOMPARE(h.thema(), QString::fromLatin1(f.thema));
            QCOMPARE(h.browser()->documentTitle(), QString::fromUtf16(f.titel));
            QVERIFY2(h.browser()->toPlainText().contains(QString::fromUtf16(f.text)), f.thema);
            QVERIFY(h.isVisible());
            // the contents tree marks the topic shown
            QCOMPARE(h.fenster()->inhalt()->currentItem()->text(0), QString::fromUtf16(f.titel));
        }
        QVERIFY(rec.eintraege.empty());
        // a link inside a topic is read from the help file too
        h.browser()->setSource(QUrl(QStringLiteral("index.htm")));
        QCOMPARE(h.browser()->documentTitle(), QStringLiteral(u"Zelmotron – Übersicht"));
        QVERIFY(h.browser()->toPlainText().contains(QStringLiteral("Enter-Taste")));
    }

    void bilderDerSeitenStehenInDenThemen() {
        test::MeldungsRecorder rec;
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(h.zeige(150));
        // the worked example carries the numbers of the examples table (heat sink behind the washer)
        QVERIFY(h.browser()->toPlainText().contains(QStringLiteral(u"höchstens 10,99 K/W")));
        // the circuit drawings are read out of the help file and drawn (not the empty picture)
        const QVariant bild = h.browser()->document()->resource(QTextDocument::ImageResource,
                                                                 QUrl(QStringLiteral("bilder/lm317_spannung.png")));
        QImage img;
        if (bild.canConvert<QImage>()) img = bild.value<QImage>();
        if (img.isNull()) img.loadFromData(bild.toByteArray());
        QVERIFY(!img.isNull());
        QVERIFY(test::dunklePunkte(img) > 500);
        h.fenster()->resize(1000, 700);
        bildAblegen(h.fenster(), "hilfe_lm317");
        QVERIFY(h.zeige(90));
        h.browser()->scrollToAnchor(QStringLiteral("ringe"));
        bildAblegen(h.fenster(), "hilfe_widerstand");
    }

    void inhaltUndZurueckVor() {
        test::MeldungsRecorder rec;
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(h.zeige(90));
        Hilfefenster* f = h.fenster();
        QTreeWidget* baum = f->inhalt();
        QStringList oben;
        for (int i = 0; i < baum->topLevelItemCount(); ++i) oben << baum->topLevelItem(i)->text(0);
        QCOMPARE(oben.first(), QStringLiteral(u"Zelmotron – Übersicht"));
        QVERIFY(oben.contains(QStringLiteral("Optionen")) && oben.contains(QStringLiteral("Update")));
        const QList<QTreeWidgetItem*> farbcode = baum->findItems(QStringLiteral("Farbcode"), Qt::MatchExactly);
        QCOMPARE(farbcode.size(), 1);
        QCOMPARE(farbcode[0]->childCount(), 4);
        QCOMPARE(farbcode[0]->child(3)->text(0), QStringLiteral("SMD-Code"));
        QCOMPARE(farbcode[0]->child(1)->text(0), QStringLiteral("Farbcode – Drosseln"));

        auto* zurueck = f->findChild<QToolButton*>(QStringLiteral("Hilfe_Zurueck"));
        auto* vor = f->findChild<QToolButton*>(QStringLiteral("Hilfe_Vor"));
        QVERIFY(!zurueck->isEnabled());
        // a click into the contents shows the topic
        baum->scrollToItem(farbcode[0]->child(1));
        QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, baum->visualItemRect(farbcode[0]->child(1)).center());
        QCOMPARE(h.thema(), QStringLiteral("drossel.htm"));
        QVERIFY(zurueck->isEnabled());
        zurueck->click();
        QCOMPARE(h.thema(), QStringLiteral("widerstand.htm"));
        QCOMPARE(baum->currentItem()->text(0), QStringLiteral(u"Farbcode – Widerstände"));
        QVERIFY(vor->isEnabled());
        vor->click();
        QCOMPARE(h.thema(), QStringLiteral("drossel.htm"));
        // Alt+Left from the keyboard
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->browser()->setFocus();
        QTest::keyClick(f->browser(), Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(h.thema(), QStringLiteral("widerstand.htm"));  // the button's shortcut clicks it animated
        QVERIFY(rec.eintraege.empty());
    }

    void indexWirdBeimTippenGefiltert() {
        test::MeldungsRecorder rec;
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(h.zeige(90));
        Hilfefenster* f = h.fenster();
        f->reiter()->setCurrentIndex(1);
        QListWidget* index = f->index();
        QVERIFY(index->count() > 100);
        QVERIFY(sichtbar(index).contains(QStringLiteral("Querstromfaktor")));
        f->indexFilter()->setFocus();
        f->indexFilter()->insert(QStringLiteral(u"kühlk"));  // typed (keyClicks takes ASCII only)
        QCOMPARE(sichtbar(index), QStringList{QStringLiteral(u"Kühlkörper")});
        // Enter takes the first keyword left
        QTest::keyClick(f->indexFilter(), Qt::Key_Return);
        QCOMPARE(h.thema(), QStringLiteral("lm317.htm"));
        f->indexFilter()->clear();
        QCOMPARE(sichtbar(index).size(), index->count());
        bildAblegen(f, "hilfe_index");
        QVERIFY(rec.eintraege.empty());
    }

    void volltextsucheFindetJedesThemaMitAllenWoertern() {
        test::MeldungsRecorder rec;
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(h.zeige(140));
        Hilfefenster* f = h.fenster();
        f->reiter()->setCurrentIndex(2);
        auto titel = [f] {
            QStringList t;
            for (int i = 0; i < f->treffer()->count(); ++i) t << f->treffer()->item(i)->text();
            return t;
        };
        QTest::keyClicks(f->suchfeld(), QStringLiteral("Glimmer Sperrschicht"));
        QTest::keyClick(f->suchfeld(), Qt::Key_Return);
        QCOMPARE(titel(), QStringList{QStringLiteral("LM317 Berechnung")});
        // a word of many topics finds every one of them
        f->suchfeld()->setText(QStringLiteral("toleranz"));
        f->suchen();
        const QStringList viele = titel();
        for (const char16_t* t : {u"Farbcode – Widerstände", u"Farbcode – Drosseln", u"Farbcode – Kondensatoren",
                                  u"Toleranz (E-Reihen)", u"Spannungs- und Stromteiler"})
            QVERIFY2(viele.contains(QString::fromUtf16(t)), qPrintable(viele.join(u", ")));
        QCOMPARE(viele.first(), QStringLiteral("Toleranz (E-Reihen)"));  // title hit first
        // a click shows the topic found
        f->treffer()->setCurrentRow(0);
        QTest::mouseClick(f->treffer()->viewport(), Qt::LeftButton, {},
                          f->treffer()->visualItemRect(f->treffer()->item(0)).center());
        QCOMPARE(h.thema(), QStringLiteral("toleranz.htm"));
        bildAblegen(f, "hilfe_suche");
        f->suchfeld()->setText(QStringLiteral("toleranz zwiebelkuchen"));
        f->suchen();
        QVERIFY(titel().isEmpty());
        QVERIFY(rec.eintraege.empty());
    }

    void fehlendeDateiOderUnbekannteNummerMelden() {
        test::MeldungsRecorder rec;
        Hilfeanzeige fehlt(QStringLiteral("/nirgends/ZelmosV121.chm"));
        QVERIFY(!fehlt.zeige(90));
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(int(rec.eintraege[0].art), int(Meldungen::Art::Standardfehler));
        QVERIFY(rec.letzter().contains(QStringLiteral("/nirgends/ZelmosV121.chm")));
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(!h.zeige(95));
        QCOMPARE(rec.eintraege.size(), size_t(2));
        QVERIFY(!h.isVisible());
    }

    // A damaged or foreign file under the help file's name: a message, never a crash.
    void beschaedigteHilfedatei() {
        test::MeldungsRecorder rec;
        QTemporaryDir ordner;
        QFile echt(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(echt.open(QIODevice::ReadOnly));
        const QByteArray chm = echt.readAll();
        const struct {
            const char* fall;
            QByteArray inhalt;
        } faelle[] = {
            {"leer", QByteArray()},
            {"Text", QByteArray("Das ist keine Hilfedatei.\n").repeated(100)},
            {"abgeschnitten", chm.left(chm.size() / 3)},
            {"Kopf kaputt", QByteArray(64, '\xff') + chm.mid(64)},
            {"Mitte kaputt", chm.left(chm.size() / 2) + QByteArray(4096, '\0') + chm.mid(chm.size() / 2 + 4096)},
        };
        for (const auto& f : faelle) {
            const QString pfad = ordner.filePath(QString::fromLatin1(f.fall) + QStringLiteral(".chm"));
            QFile d(pfad);
            QVERIFY(d.open(QIODevice::WriteOnly));
            d.write(f.inhalt);
            d.close();
            rec.leeren();
            Hilfeanzeige h(pfad);
            const bool gezeigt = h.zeige(150);
            // either the topic came through whole, or the box says what is wrong
            QVERIFY2(gezeigt || rec.eintraege.size() == 1, f.fall);
            if (gezeigt) QCOMPARE(h.thema(), QStringLiteral("lm317.htm"));
            h.fenster()->suchfeld()->setText(QStringLiteral("Strom"));
            h.fenster()->suchen();
        }
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_guitest.moc"
