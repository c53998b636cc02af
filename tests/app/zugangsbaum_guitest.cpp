// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on every page and in the dialogs, walked through the accessible tree.
// With ZELMO_ZUGANG_BAUM=<folder> the trees are also written there, one file per page.

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "app/Hauptfenster.h"
#include "app/Programmfenster.h"
#include "app/Seitenregister.h"
#include "dialogs/Dialoge.h"
#include "support/GuiTestFixture.h"
#include "support/Zugangsbaum.h"

using namespace zelmo;

namespace {

struct Seitenwahl {
    int seite;
    int unterseite;
    const char* datei;
};
const Seitenwahl alleSeiten[] = {{0, 0, "widerstaende"}, {0, 1, "drosseln"},   {0, 2, "kondensatore"},
                                 {0, 3, "smd"},          {1, 0, "toleranz"},   {2, 0, "teiler"},
                                 {3, 0, "led"},          {4, 0, "lm317"},      {5, 0, "ne555"},
                                 {6, 0, "konststrom"},   {7, 0, "sterndreieck"}};

void schreibe(const char* datei, const QStringList& zeilen) {
    const QString ordner = qEnvironmentVariable("ZELMO_ZUGANG_BAUM");
    if (ordner.isEmpty()) return;
    QDir().mkpath(ordner);
    QFile f(ordner + u'/' + QString::fromLatin1(datei) + QStringLiteral(".txt"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(zeilen.join(u'\n').toUtf8() + '\n');
}

}  // namespace

class ZugangsbaumTest : public QObject {
    Q_OBJECT
private slots:
    void baeumeSchreiben() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        f.show();
        (void)QTest::qWaitForWindowActive(&f);
        for (const Seitenwahl& s : alleSeiten) {
            f.pageControl1()->setCurrentIndex(s.seite);
            if (s.seite == 0) f.pageControl2()->setCurrentIndex(s.unterseite);
            schreibe(s.datei, test::baum(&f));
        }
        Programmfenster p;
        p.fenster.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        auto* info = p.fenster.findChild<InfoDialog*>();
        QVERIFY(info);
        schreibe("info", test::baum(info));
        p.optionen.show();
        schreibe("optionen", test::baum(&p.optionen));
    }
};

QTEST_MAIN(ZugangsbaumTest)
#include "zugangsbaum_guitest.moc"
