// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QRadioButton>
#include <QTest>

#include "fields/Radiogruppe.h"
#include "fields/Ringform.h"

using namespace zelmo;

class RadiogruppeTest : public QObject {
    Q_OBJECT
private slots:
    void handlerLaeuftNurBeiAenderung() {
        Radiogruppe g(QStringLiteral("RG_Test"), QStringLiteral(" Test "), {"a", "b", "c"}, 1);
        g.resize(120, 100);
        g.show();
        int laeufe = 0;
        g.klick = [&] { ++laeufe; };
        QCOMPARE(g.itemIndex(), -1);
        g.setItemIndex(1);
        QCOMPARE(laeufe, 1);
        g.setItemIndex(1);  // same index: nothing runs
        QCOMPARE(laeufe, 1);
        g.setItemIndex(2, false);  // handler detached for this assignment
        QCOMPARE(laeufe, 1);
        QVERIFY(g.knopf(2)->isChecked());
        QVERIFY(!g.knopf(1)->isChecked());
        // a user's click on another item selects it and runs the handler; on the selected one nothing
        QTest::mouseClick(g.knopf(0), Qt::LeftButton, {}, QPoint(6, g.knopf(0)->height() / 2));
        QCOMPARE(g.itemIndex(), 0);
        QCOMPARE(laeufe, 2);
        QTest::mouseClick(g.knopf(0), Qt::LeftButton, {}, QPoint(6, g.knopf(0)->height() / 2));
        QCOMPARE(laeufe, 2);
        QVERIFY(g.knopf(0)->isChecked());
        QCOMPARE(g.property("itemIndex").toInt(), 0);
        g.setItemIndex(-1);
        QCOMPARE(laeufe, 3);
        for (int i = 0; i < 3; ++i) QVERIFY(!g.knopf(i)->isChecked());
    }

    void spaltenweiseAngeordnetUndVerschiebbar() {
        Radiogruppe g(QStringLiteral("RG_Farbe"), QStringLiteral(" Farbe "), {"Rot", "Blau", "Grün", "Weiß ", "Gelb", "User"},
                      3);
        g.resize(250, 80);
        // filled column by column: Rot, Blau in the first column
        QCOMPARE(g.knopf(0)->x(), g.knopf(1)->x());
        QVERIFY(g.knopf(1)->y() > g.knopf(0)->y());
        QVERIFY(g.knopf(2)->x() > g.knopf(0)->x());
        QCOMPARE(g.knopf(2)->y(), g.knopf(0)->y());
        g.setzeKnopf(5, 170, 60);
        g.resize(260, 80);  // a re-layout keeps the placed button
        QCOMPARE(g.knopf(5)->x(), 170);
        QCOMPARE(g.knopf(5)->width(), 60);
        g.setKnopfFett(3, true);
        QVERIFY(g.knopfFett(3));
        QVERIFY(!g.knopfFett(2));
    }

    void ringformFarbeIstZustand() {
        Ringform r(QStringLiteral("Shape1"));
        r.setFarbe(farbeBGR(0x0000FFFF));  // $0000FFFF is yellow
        QCOMPARE(r.farbe(), QColor(255, 255, 0));
        QCOMPARE(r.property("farbe").value<QColor>(), QColor(255, 255, 0));
        QCOMPARE(farbeBGR(0x00D8E9D8), QColor(216, 233, 216));
    }
};

QTEST_MAIN(RadiogruppeTest)
#include "radiogruppe_guitest.moc"
