// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/InfoDialog.h"
#include "fields/Meldungen.h"
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

    // The notices the licence asks of an interactive program: a line with copyright and no warranty,
    // and a link to the licence notice, beside the other controls, not over them.
    void lizenzZeileUndHinweis() {
        InfoDialog d;
        d.show();
        auto* lizenz = d.findChild<QLabel*>(QStringLiteral("Info_L_Lizenz"));
        QVERIFY(lizenz && lizenz->isVisible());
        QVERIFY(lizenz->text().contains(QStringLiteral(u"© 2026 QR2ZUX")));
        QVERIFY(lizenz->text().contains(QStringLiteral(u"ohne jede Gewährleistung")));
        QVERIFY(lizenz->text().contains(QStringLiteral("GNU GPL, Version 3 oder sp")));
        QVERIFY(d.rect().contains(lizenz->geometry()));
        for (const char* name : {"Info_L_EMail", "OK", "Info_L_WebSeite"}) {
            auto* w = d.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(!w->geometry().intersects(lizenz->geometry()), name);
        }
        // the whole text fits: no line cut off at the bottom
        QVERIFY(lizenz->heightForWidth(lizenz->width()) <= lizenz->height());

        test::MeldungsRecorder rec;
        emit lizenz->linkActivated(QStringLiteral("lizenz"));
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Meldungen::Art::Hinweis);
        const QString text = rec.letzter();
        QCOMPARE(text, lizenzHinweis());
        for (const char16_t* teil : {u"Zelmotron " ZELMO_VERSION "\r", u"Copyright © 2026 QR2ZUX <autor@qr2zux.example>",
                                     u"freie Software", u"Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren",
                                     u"OHNE JEDE GEWÄHRLEISTUNG", u"https://www.gnu.org/licenses/gpl-3.0.html",
                                     u"/usr/share/common-licenses/GPL-3"})
            QVERIFY2(text.contains(QString::fromUtf16(teil)), qPrintable(QString::fromUtf16(teil)));
    }
};

QTEST_MAIN(InfoTest)
#include "info_guitest.moc"
