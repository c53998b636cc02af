// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/Hauptfenster.h"
#include "circuits/NE555Seite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QString ohm = QStringLiteral(u"\u2126");
const QString mikro = QStringLiteral(u"\u00B5");

// A page as the main window builds it at a first start.
struct Aufbau : test::Seitenaufbau<NE555Seite> {
    using Seitenaufbau::Seitenaufbau;
    // a radio button takes clicks on its circle and its text only, not on the rest of its width
    static void klicke(QRadioButton* k) { QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(8, k->height() / 2)); }
    void klickeArt(int i) { klicke(seite->multiart()->knopf(i)); }
    void klickeTast(int i) { klicke(seite->tast()->knopf(i)); }
    QString tastText() const { return seite->tast()->knopf(0)->text(); }
    // t1, t2 and F as shown: number field and prefix label of each
    QStringList ergebnisse() const {
        return {text("NE555_E_t1"), text("NE555_C_t1"), text("NE555_E_t2"),
                text("NE555_C_t2"), text("NE555_E_F"),  text("NE555_C_F")};
    }
};

QString ausserhalb(const QString& eingabe, const QString& bereich) {
    return QStringLiteral(u"Die Eingabe ") + eingabe + QStringLiteral(u"  ist außerhalb") + QChar(0x0D) + QChar(0x0D) +
           QStringLiteral(u"des gültigen Wertebereiches: ") + bereich;
}

}  // namespace

class NE555SeiteTest : public QObject {
    Q_OBJECT
private slots:
    void ersterStart_data() {
        test::trennerZeilen();
    }
    void ersterStart() {
        QFETCH(QChar, dezimal);
        Aufbau a(dezimal);
        const auto d = [&](const QString& t) { return QString(t).replace(u',', dezimal); };
        QCOMPARE(a.text("NE555_E_R1"), d(QStringLiteral("120,00 k") + ohm));
        QCOMPARE(a.text("NE555_E_R2"), d(QStringLiteral("47,00 ") + ohm));
        QCOMPARE(a.text("NE555_E_C"), d(QStringLiteral("15,00 nF")));
        QCOMPARE(a.ergebnisse(), (QStringList{d(" 1,25"), "ms", d(" 489,27"), "ns", d(" 799,89"), "Hz"}));
        QCOMPARE(a.tastText(), d(QStringLiteral("99,96 : 0,04%")));
        QCOMPARE(a.seite->multiart()->itemIndex(), 0);
        QCOMPARE(a.seite->tast()->itemIndex(), 0);
        QCOMPARE(a.text("Label50"), QStringLiteral("Widerstand R1"));
        QVERIFY(a.sichtbar("I_asta_Multi"));
        QVERIFY(!a.sichtbar("I_asta_Multi2"));
        QVERIFY(!a.sichtbar("I_monosta_Multi"));
        QVERIFY(a.sichtbar("NE555_E_R2") && a.sichtbar("Label59") && a.sichtbar("RG_NE555_Tast"));
        const NE555& r = a.seite->ne555();
        QCOMPARE(r.asta_R1, 120000.0);
        QCOMPARE(r.mono_R1, 10000.0);
        QCOMPARE(r.asta_C, 1.5e-8);
        QCOMPARE(r.mono_C, 8.2e-9);
        QVERIFY(a.rec.eintraege.empty());
    }

    void laufzeitEinstellungen() {
        Aufbau a;
        struct Knopf {
            Radiogruppe* gruppe;
            int i;
            const char* hinweis;
            int links;
            int breite;  // -1: not set; at least this wide
        };
        const Knopf knoepfe[] = {
            {a.seite->multiart(), 0, "NE555 als astabiler Multivibrator", 30, -1},
            {a.seite->multiart(), 1, "NE555 als monostabiler Multivibrator", 140, 95},
            {a.seite->tast(), 0, "Impuls- und Pausendauer einstellbar", 20, -1},
            {a.seite->tast(), 1, "Impuls- und Pausendauer fest eingestellt", 170, 80},
        };
        for (const Knopf& k : knoepfe) {
            QRadioButton* b = k.gruppe->knopf(k.i);
            QCOMPARE(b->toolTip(), QString::fromUtf8(k.hinweis));
            QCOMPARE(b->x(), k.links);
            if (k.breite > 0) QVERIFY(b->width() >= k.breite);
            // no text is cut, the computed caption included
            QVERIFY2(b->width() >= b->sizeHint().width(), k.hinweis);
            QVERIFY(b->geometry().right() < k.gruppe->width());
        }
    }

    // R1 = R2 = 120 kOhm on 15 nF, free and fixed pulse/pause
    void beliebigUndFest() {
        Aufbau a;
        test::tippeUndEnter(a.feld("NE555_E_R2"), QStringLiteral("120k"));
        QCOMPARE(a.text("NE555_E_R2"), QStringLiteral("120,00 k") + ohm);
        QCOMPARE(a.ergebnisse(), (QStringList{" 2,50", "ms", " 1,25", "ms", " 266,84", "Hz"}));
        QCOMPARE(a.tastText(), QStringLiteral("66,67 : 33,33%"));

        a.klickeTast(1);
        QCOMPARE(a.ergebnisse(), (QStringList{" 1,25", "ms", " 1,25", "ms", " 400,26", "Hz"}));
        QCOMPARE(a.tastText(), QStringLiteral("66,67 : 33,33%"));  // keeps its last text
        QCOMPARE(a.text("Label50"), QStringLiteral("Widerstand R1, R2"));
        QVERIFY(!a.sichtbar("NE555_E_R2") && !a.sichtbar("Label59"));
        QVERIFY(a.sichtbar("I_asta_Multi2"));
        QVERIFY(!a.sichtbar("I_asta_Multi") && !a.sichtbar("I_monosta_Multi"));

        // R1 and C still count in the fixed circuit
        test::tippeUndEnter(a.feld("NE555_E_C"), QStringLiteral("30n"));
        QCOMPARE(a.ergebnisse(), (QStringList{" 2,50", "ms", " 2,50", "ms", " 200,13", "Hz"}));
        QCOMPARE(a.seite->ne555().asta_C, 3e-8);

        a.klickeTast(0);
        QCOMPARE(a.text("Label50"), QStringLiteral("Widerstand R1"));
        QVERIFY(a.sichtbar("NE555_E_R2") && a.sichtbar("I_asta_Multi") && !a.sichtbar("I_asta_Multi2"));
        QCOMPARE(a.ergebnisse(), (QStringList{" 5,00", "ms", " 2,50", "ms", " 133,42", "Hz"}));
        QCOMPARE(a.tastText(), QStringLiteral("66,67 : 33,33%"));
        QVERIFY(a.rec.eintraege.empty());
    }

    void monostabil() {
        Aufbau a;
        a.klickeArt(1);
        QCOMPARE(a.text("NE555_E_R1"), QStringLiteral("10,00 k") + ohm);
        QCOMPARE(a.text("NE555_E_C"), QStringLiteral("8,20 nF"));
        QCOMPARE(a.text("NE555_E_t1"), QStringLiteral(" 90,20"));
        QCOMPARE(a.text("NE555_C_t1"), mikro + QStringLiteral("s"));
        for (const char* w : {"RG_NE555_Tast", "NE555_E_t2", "NE555_C_t2", "NE555_E_F", "NE555_C_F", "Label147",
                              "Label156", "Label59", "NE555_E_R2", "I_asta_Multi", "I_asta_Multi2"})
            QVERIFY2(!a.sichtbar(w), w);
        QVERIFY(a.sichtbar("I_monosta_Multi"));
        QCOMPARE(a.text("Label50"), QStringLiteral("Widerstand R1"));
        test::tippeUndEnter(a.feld("NE555_E_C"), QStringLiteral("100n"));
        QCOMPARE(a.text("NE555_E_t1"), QStringLiteral(" 1,10"));
        QCOMPARE(a.text("NE555_C_t1"), QStringLiteral("ms"));
        QCOMPARE(a.seite->ne555().mono_C, 1e-7);
        QCOMPARE(a.seite->ne555().asta_C, 1.5e-8);
    }

    // each circuit keeps its own R1 and C
    void umschaltenBehaeltDieWerte() {
        Aufbau a;
        test::tippeUndEnter(a.feld("NE555_E_R1"), QStringLiteral("5k"));
        QCOMPARE(a.seite->ne555().asta_R1, 5000.0);
        a.klickeArt(1);
        QCOMPARE(a.text("NE555_E_R1"), QStringLiteral("10,00 k") + ohm);
        test::tippeUndEnter(a.feld("NE555_E_R1"), QStringLiteral("22k"));
        QCOMPARE(a.text("NE555_E_t1"), QStringLiteral(" 198,44"));  // 1,1 x 22 kOhm x 8,2 nF
        QCOMPARE(a.text("NE555_C_t1"), mikro + QStringLiteral("s"));
        a.klickeArt(0);
        QCOMPARE(a.text("NE555_E_R1"), QStringLiteral("5,00 k") + ohm);
        QCOMPARE(a.text("NE555_E_C"), QStringLiteral("15,00 nF"));
        // 0,694 x 5047 Ohm x 15 nF and 0,694 x 47 Ohm x 15 nF
        QCOMPARE(a.ergebnisse(), (QStringList{" 52,54", mikro + "s", " 489,27", "ns", " 18,86", "kHz"}));
        QCOMPARE(a.tastText(), QStringLiteral("99,08 : 0,92%"));
        a.klickeArt(1);
        QCOMPARE(a.text("NE555_E_R1"), QStringLiteral("22,00 k") + ohm);
        const NE555& r = a.seite->ne555();
        QCOMPARE(r.asta_R1, 5000.0);
        QCOMPARE(r.mono_R1, 22000.0);
    }

    void zurueckZuAstabil_data() {
        QTest::addColumn<int>("tast");
        QTest::addColumn<bool>("mitR2");
        QTest::newRow("beliebig") << 0 << true;
        QTest::newRow("50% : 50%") << 1 << false;
    }
    void zurueckZuAstabil() {
        QFETCH(int, tast);
        QFETCH(bool, mitR2);
        Aufbau a;
        a.klickeTast(tast);
        a.klickeArt(1);
        a.klickeArt(0);
        QVERIFY(a.sichtbar("RG_NE555_Tast") && a.sichtbar("NE555_E_F") && a.sichtbar("Label147"));
        QCOMPARE(a.sichtbar("NE555_E_R2"), mitR2);
        QCOMPARE(a.sichtbar("Label59"), mitR2);
        QCOMPARE(a.sichtbar("I_asta_Multi"), mitR2);
        QCOMPARE(a.sichtbar("I_asta_Multi2"), !mitR2);
        QVERIFY(!a.sichtbar("I_monosta_Multi"));
        QCOMPARE(a.text("Label50"), mitR2 ? QStringLiteral("Widerstand R1") : QStringLiteral("Widerstand R1, R2"));
        QCOMPARE(a.text("NE555_E_t1"), QStringLiteral(" 1,25"));
        QCOMPARE(a.text("NE555_C_t1"), QStringLiteral("ms"));
    }

    void eingabenPruefen_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<bool>("monostabil");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("meldung");  // empty: accepted
        QTest::addColumn<QString>("anzeige");  // the field afterwards
        const QString r = QStringLiteral(u"5\u2126 bis 999k\u2126");
        const QString c = QStringLiteral("1nF bis 999mF");
        QTest::newRow("C 1 F") << "NE555_E_C" << false << "1" << ausserhalb("1", c) << "15,00 nF";
        QTest::newRow("C 0,9 n") << "NE555_E_C" << true << "0,9n" << ausserhalb("0,9n", c) << "8,20 nF";
        QTest::newRow("R1 4") << "NE555_E_R1" << false << "4" << ausserhalb("4", r) << "120,00 k" + ohm;
        QTest::newRow("R1 mono 1M") << "NE555_E_R1" << true << "1M" << ausserhalb("1M", r) << "10,00 k" + ohm;
        QTest::newRow("R2 999,1k") << "NE555_E_R2" << false << "999,1k" << ausserhalb("999,1k", r) << "47,00 " + ohm;
        QTest::newRow("R2 abc") << "NE555_E_R2" << false << "abc"
                                << QStringLiteral("Die eingegebene Zahl abc  ist keine Gleitkommazahl !")
                                << "47,00 " + ohm;
        QTest::newRow("R1 5") << "NE555_E_R1" << false << "5" << QString() << "5,00 " + ohm;
        QTest::newRow("R1 999k") << "NE555_E_R1" << true << "999k" << QString() << "999,00 k" + ohm;
        QTest::newRow("C 999m") << "NE555_E_C" << false << "999m" << QString() << "999,00 mF";
        QTest::newRow("C 1n") << "NE555_E_C" << true << "1n" << QString() << "1,00 nF";
    }
    void eingabenPruefen() {
        QFETCH(QString, feld);
        QFETCH(bool, monostabil);
        QFETCH(QString, eingabe);
        QFETCH(QString, meldung);
        QFETCH(QString, anzeige);
        Aufbau a;
        if (monostabil) a.klickeArt(1);
        const QStringList vorher = a.ergebnisse();
        const NE555 daten = a.seite->ne555();
        test::tippeUndEnter(a.feld(feld.toLatin1().constData()), eingabe);
        QCOMPARE(a.text(feld.toLatin1().constData()), anzeige);
        if (meldung.isEmpty()) {
            QVERIFY(a.rec.eintraege.empty());
            QVERIFY(a.ergebnisse() != vorher);
            for (const QString& e : a.ergebnisse()) QVERIFY2(!e.contains(QStringLiteral("---")), qPrintable(e));
            return;
        }
        QCOMPARE(a.meldungen(), QStringList{meldung});
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Fehler);
        QCOMPARE(a.ergebnisse(), vorher);
        const NE555& n = a.seite->ne555();
        QVERIFY(n.asta_R1 == daten.asta_R1 && n.mono_R1 == daten.mono_R1 && n.asta_C == daten.asta_C &&
                n.mono_C == daten.mono_C);
    }

    // R2 is read from its field's text, which may hold a text typed without Enter
    void unbestaetigtesR2() {
        Aufbau a;
        for (const char* t : {"abc", "-47", "0"}) {
            test::tippe(a.feld("NE555_E_R2"), QString::fromLatin1(t));
            a.klickeTast(1);  // the fixed circuit does not need R2
            QCOMPARE(a.ergebnisse(), (QStringList{" 1,25", "ms", " 1,25", "ms", " 400,26", "Hz"}));
            a.klickeTast(0);  // no result instead of "inf", "nan" or a negative time
            QCOMPARE(a.ergebnisse(), (QStringList{"---", "s", "---", "s", "---", "Hz"}));
            QCOMPARE(a.tastText(), QStringLiteral("beliebig"));
        }
        QVERIFY(a.rec.eintraege.empty());
        test::tippeUndEnter(a.feld("NE555_E_R2"), QStringLiteral("120k"));
        QCOMPARE(a.ergebnisse(), (QStringList{" 2,50", "ms", " 1,25", "ms", " 266,84", "Hz"}));
        QCOMPARE(a.tastText(), QStringLiteral("66,67 : 33,33%"));
    }

    // a pulse/pause item set from code while the monostable circuit is shown leaves its view alone
    void tastImMonostabilenBetrieb() {
        Aufbau a;
        a.klickeArt(1);
        a.seite->tast()->setItemIndex(1);
        QVERIFY(a.sichtbar("I_monosta_Multi"));
        QVERIFY(!a.sichtbar("I_asta_Multi2") && !a.sichtbar("I_asta_Multi"));
        QVERIFY(!a.sichtbar("NE555_E_R2"));
        QCOMPARE(a.text("Label50"), QStringLiteral("Widerstand R1"));
        QCOMPARE(a.text("NE555_E_t1"), QStringLiteral(" 90,20"));
        a.klickeArt(0);  // the astable circuit comes back with the item now selected
        QVERIFY(a.sichtbar("I_asta_Multi2") && !a.sichtbar("NE555_E_R2"));
        QCOMPARE(a.ergebnisse(), (QStringList{" 1,25", "ms", " 1,25", "ms", " 400,26", "Hz"}));
    }

    void bilder() {
        Aufbau a;
        const auto bild = [&](const char* n) { return a.seite->findChild<QWidget*>(n); };
        QCOMPARE(bild("I_asta_Multi")->toolTip(), QStringLiteral("Schaltbild des NE555 bei astabilem Betrieb"));
        QCOMPARE(bild("I_asta_Multi2")->toolTip(),
                 QStringLiteral(u"Schaltbild des NE555 bei astabilem Betrieb mit zusätlicher Diode"));
        QCOMPARE(bild("I_monosta_Multi")->toolTip(), QStringLiteral("Schaltbild des NE555 bei monostabilem Betrieb"));
        QCOMPARE(bild("Image4")->toolTip(), QStringLiteral("Ansicht der IC in oft verwendeten Beschaltung"));
        const int asta = test::dunklePunkte(bild("I_asta_Multi"));
        QVERIFY2(asta > 3000, qPrintable(QString::number(asta)));
        a.klickeTast(1);
        const int diode = test::dunklePunkte(bild("I_asta_Multi2"));
        QVERIFY2(diode > asta + 50, qPrintable(QString::number(diode)));  // the same circuit with the diode
        a.klickeArt(1);
        QVERIFY(test::dunklePunkte(bild("I_monosta_Multi")) > 3000);
        QVERIFY(test::dunklePunkte(bild("Image4")) > 3000);
    }

    void imHauptfenster() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        f.Eingabefelder_laden();
        NE555Seite* s = f.findChild<NE555Seite*>();
        QVERIFY(s);
        const QChar d = f.umgebung().dezimal;
        QCOMPARE(s->findChild<QLineEdit*>(QStringLiteral("NE555_E_F"))->text(),
                 QStringLiteral(" 799,89").replace(u',', d));
        QCOMPARE(s->tast()->knopf(0)->text(), QStringLiteral("99,96 : 0,04%").replace(u',', d));
        QVERIFY(rec.eintraege.empty());
    }
};

QTEST_MAIN(NE555SeiteTest)
#include "ne555seite_guitest.moc"
