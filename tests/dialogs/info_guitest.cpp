// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/InfoDialog.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

class InfoTest : public QObject {
    Q_OBJECT
private slots:
    void creditsSchaltenHinUndHer() {
        InfoDialog d;
        d.show();
        auto* credits = d.findChild<QPushButton*>(QStringLiteral("Credits"));
        auto* memo1 = d.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        auto* memo2 = d.findChild<QPlainTextEdit*>(QStringLiteral("Memo2"));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("StaticText4"))->text(), QStringLiteral("Build:  08.06.2021"));
        QCOMPARE(memo1->toPlainText().split(u'\n').first(),
                 QStringLiteral(" Dieses Programm ist leider nicht fehlerfrei!"));
        QVERIFY(memo1->isVisible() && !memo2->isVisible());
        credits->click();
        QCOMPARE(credits->text(), QStringLiteral("Hinweis"));
        QVERIFY(!memo1->isVisible() && memo2->isVisible());
        // closing and showing again keeps the memo last chosen
        d.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        QVERIFY(!d.isVisible());
        d.show();
        QVERIFY(memo2->isVisible());
        credits->click();
        QCOMPARE(credits->text(), QStringLiteral("Credits"));
        QVERIFY(memo1->isVisible() && !memo2->isVisible());
    }

    void linksUndUpdateKnopf() {
        InfoDialog d;
        QStringList geoeffnet;
        int updates = 0;
        d.oeffnen = [&](const QString& u) { geoeffnet << u; };
        d.updatesZeigen = [&] { ++updates; };
        d.show();
        QTest::mouseClick(d.findChild<QLabel*>(QStringLiteral("Info_L_WebSeite")), Qt::LeftButton);
        QTest::mouseClick(d.findChild<QLabel*>(QStringLiteral("Info_L_EMail")), Qt::LeftButton);
        QCOMPARE(geoeffnet.size(), 2);
        QCOMPARE(geoeffnet[0], webSeite);
        QCOMPARE(geoeffnet[1], QStringLiteral("mailto:") + autorAdresse +
                                   QStringLiteral(" ?Subject=Zelmos V1.2.1   Build vom:  08.06.2021&Body=Ihre Nachricht:"));
        d.findChild<QPushButton*>(QStringLiteral("Info_B_Updates"))->click();
        QCOMPARE(updates, 1);
    }
};

QTEST_MAIN(InfoTest)
#include "info_guitest.moc"
