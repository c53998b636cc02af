// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QHelpEvent>
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
