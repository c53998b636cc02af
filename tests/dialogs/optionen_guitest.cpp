// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "dialogs/OptionenDialog.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

class OptionenTest : public QObject {
    Q_OBJECT

    // Asks the widget for its tool tip as resting the mouse on it does; the tip shown, if any.
    static QString tipVon(QWidget* w) {
        QToolTip::hideText();
        (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
        QHelpEvent ev(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &ev);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

private slots:
    void hoechsteSperrschichttemperatur_data() {
        QTest::addColumn<QChar>("dez");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("meldung");
        const QString aussen = QStringLiteral(u"  ist außerhalb\r\rdes gültigen Wertebereiches: 50 bis +175 °C");
        QTest::newRow("150") << QChar(u',') << "150" << " 150,00" << QString();
        QTest::newRow("175") << QChar(u',') << "175" << " 175,00" << QString();
        QTest::newRow("50") << QChar(u',') << "50" << " 50,00" << QString();
        QTest::newRow("130,5 mit Blanks") << QChar(u',') << " 130,5 " << " 130,50" << QString();
        QTest::newRow("Punkt") << QChar(u'.') << "130,5" << " 130.50" << QString();
        QTest::newRow("176") << QChar(u',') << "176" << " 125"
                             << QString(QStringLiteral(u"Die Eingabe 176 °C ") + aussen);
        QTest::newRow("49,9") << QChar(u',') << "49,9" << " 125"
                              << QString(QStringLiteral(u"Die Eingabe 49,9 °C ") + aussen);
        QTest::newRow("mit Einheit") << QChar(u',') << QStringLiteral(u"150 °C") << " 125"
                                     << QStringLiteral(u"Die eingegebene Zahl 150 °C  ist keine Gleitkommazahl !");
        QTest::newRow("mit Vorsatz") << QChar(u',') << "0,15k" << " 125"
                                     << QStringLiteral(u"Die eingegebene Zahl 0,15k  ist keine Gleitkommazahl !");
    }
    void hoechsteSperrschichttemperatur() {
        QFETCH(QChar, dez);
        QFETCH(QString, eingabe);
        QFETCH(QString, feld);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        OptionenDialog d(dez);
        std::vector<double> tj;
        d.beiTjmax = [&](double w) { tj.push_back(w); };
        d.show();
        test::tippeUndEnter(d.tjmax(), eingabe);
        QCOMPARE(d.tjmax()->text(), feld);
        QCOMPARE(rec.letzter(), meldung);
        QCOMPARE(tj.size(), size_t(meldung.isEmpty() ? 1 : 0));
    }

    // "OK" takes a typed temperature as Enter in the field would: the same check and messages; a refused
    // value keeps the dialog open on the field.
    void okUebernimmtDieGetippteTemperatur_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("meldung");
        const QString aussen = QStringLiteral(u"  ist außerhalb\r\rdes gültigen Wertebereiches: 50 bis +175 °C");
        QTest::newRow("150") << "150" << " 150,00" << QString();
        QTest::newRow("unverändert") << " 125" << " 125" << QString();
        QTest::newRow("176") << "176" << " 125" << QString(QStringLiteral(u"Die Eingabe 176 °C ") + aussen);
        QTest::newRow("keine Zahl") << "heiß" << " 125"
                                    << QStringLiteral(u"Die eingegebene Zahl heiß  ist keine Gleitkommazahl !");
    }
    void okUebernimmtDieGetippteTemperatur() {
        QFETCH(QString, eingabe);
        QFETCH(QString, feld);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        OptionenDialog d(u',');
        std::vector<double> tj;
        d.beiTjmax = [&](double w) { tj.push_back(w); };
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.tjmax()->setFocus();
        d.tjmax()->selectAll();
        QTest::keyClicks(d.tjmax(), eingabe);
        auto* ok = d.findChild<QPushButton*>(QStringLiteral("Button1"));
        QVERIFY(ok);
        ok->click();
        QCOMPARE(rec.letzter(), meldung);
        QCOMPARE(d.tjmax()->text(), feld);
        const bool angenommen = meldung.isEmpty();
        QCOMPARE(d.isVisible(), !angenommen);
        if (!angenommen) QVERIFY(d.tjmax()->hasFocus());
        const bool geaendert = angenommen && eingabe != QLatin1String(" 125");
        QCOMPARE(tj, geaendert ? std::vector<double>{150} : std::vector<double>{});
    }

    // A temperature confirmed with "OK" is the one the LM317 page uses at its next calculation; the
    // dialog itself does not recalculate the page.
    void okGiltFuerDieNaechsteLM317Berechnung() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        OptionenDialog d(u',', &f);
        f.setzeDialoge(&d, nullptr, nullptr, nullptr);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.pageControl1()->setCurrentIndex(4);
        auto* kk = f.findChild<QLineEdit*>(QStringLiteral("LM317_E_KK"));
        auto* u1 = f.findChild<Eingabefeld*>(QStringLiteral("LM317ner_E_U1"));
        QVERIFY(kk && u1);
        const QChar dez = u1->dezimal();
        const size_t meldungenVorher = rec.eintraege.size();  // the start may say the help file is missing
        const QString vorher = kk->text();
        QCOMPARE(vorher, QString(QStringLiteral(" 111") + dez + QStringLiteral("29")));  // (125 - 5) / 1,05 W - 3 K/W
        d.show();
        d.tjmax()->setFocus();
        d.tjmax()->selectAll();
        QTest::keyClicks(d.tjmax(), QStringLiteral("100"));
        d.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(kk->text(), vorher);
        test::tippeUndEnter(u1, QStringLiteral("12"));
        QCOMPARE(kk->text(), QString(QStringLiteral(" 87") + dez + QStringLiteral("48")));  // (100 - 5) / 1,05 W - 3 K/W
        QCOMPARE(rec.eintraege.size(), meldungenVorher);  // nothing said about the temperature
    }

    void kurzhinweiseUndVordergrundWirkenAufDasHauptfenster() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        OptionenDialog d(u',', &f);
        f.setzeDialoge(&d, nullptr, nullptr, nullptr);
        f.show();
        (void)QTest::qWaitForWindowExposed(&f);
        f.pageControl1()->setCurrentIndex(3);
        auto* g = f.findChild<Radiogruppe*>(QStringLiteral("RG_LED_Anzahl"));
        QVERIFY(g);
        QCOMPARE(g->knopf(5)->toolTip(), QStringLiteral("beliebig viele LEDs"));
        QCOMPARE(tipVon(g->knopf(5)), QString());  // hints are off at first
        d.kurzhinweise()->setChecked(true);         // set by the program: acts as a click
        QVERIFY(f.kurzhinweise());
        QCOMPARE(tipVon(g->knopf(5)), QStringLiteral("beliebig viele LEDs"));
        d.kurzhinweise()->click();
        QVERIFY(!f.kurzhinweise());
        QCOMPARE(tipVon(g->knopf(0)), QString());

        d.vordergrund()->click();
        QVERIFY(f.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(f.isVisible());
        d.vordergrund()->click();
        QVERIFY(!(f.windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(f.isVisible());
        QVERIFY(!d.autoUpdate()->isChecked());
    }
};

QTEST_MAIN(OptionenTest)
#include "optionen_guitest.moc"
