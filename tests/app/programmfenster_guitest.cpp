// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window with its dialogs as the program builds it. The info and drawing dialogs are built
// the first time they are wanted; the update dialog comes from its module, loaded only then: the module
// the build makes, loaded into a test program that, like the program, exports nothing for it (the module
// gets the program's services handed over), and modules that are missing or wrong.

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/Programmfenster.h"
#include "dialogs/Dialog.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;
using Art = Meldungen::Art;

namespace {

// The libraries this process has loaded so far.
QString geladen() {
    QFile f(QStringLiteral("/proc/self/maps"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

// Messages of one kind.
QStringList meldungen(const test::MeldungsRecorder& rec, Art art) {
    QStringList t;
    for (const auto& e : rec.eintraege)
        if (e.art == art) t << e.text;
    return t;
}

}  // namespace

class ProgrammfensterTest : public QObject {
    Q_OBJECT
private slots:
    // Built when first wanted, then shown again as they were left.
    void dialogeBeiBedarf() {
        test::MeldungsRecorder rec;  // the help file may be missing beside the test
        QTemporaryDir leer;
        Programmfenster p({leer.filePath(QStringLiteral("zelmo_update.so"))});
        p.fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.fenster));
        QVERIFY(p.fenster.findChild<QDialog*>(QStringLiteral("TForm2")));  // the options: with the window
        QVERIFY(!p.fenster.findChild<QDialog*>(QStringLiteral("TForm3")));
        QVERIFY(!p.fenster.findChild<QDialog*>(QStringLiteral("TForm4")));

        auto* infoKnopf = p.fenster.findChild<QPushButton*>(QStringLiteral("Button2"));
        infoKnopf->click();
        auto* info = p.fenster.findChild<QDialog*>(QStringLiteral("TForm3"));
        QVERIFY(info && info->isVisible());
        auto* credits = info->findChild<QPushButton*>(QStringLiteral("Credits"));
        credits->click();
        info->hide();
        infoKnopf->click();
        QCOMPARE(p.fenster.findChildren<QDialog*>(QStringLiteral("TForm3")).size(), 1);
        QVERIFY(info->isVisible());
        QCOMPARE(credits->text(), QStringLiteral("Hinweis"));  // as it was left

        for (bool stern : {true, false}) {
            p.fenster.umgebung().sternDreieckBilderZeigen(stern);
            auto* bilder = p.fenster.findChild<QDialog*>(QStringLiteral("TForm4"));
            QVERIFY(bilder && bilder->isVisible());
            QCOMPARE(p.fenster.findChildren<QDialog*>(QStringLiteral("TForm4")).size(), 1);
            bilder->hide();
        }
    }

    void orteDerInstallationUndDesBauordners() {
        const QStringList orte = updatemodulOrte(QStringLiteral("/opt/zelmo/bin"));
        QCOMPARE(orte.size(), 2);
        QCOMPARE(orte[0], QStringLiteral("/opt/zelmo/lib/zelmotron/zelmo_update.so"));
        QCOMPARE(orte[1], QStringLiteral("/opt/zelmo/bin/zelmo_update.so"));
    }

    // A module that is missing or is none: the user who asks for the dialog is told which file and
    // why; the check after start-up reports like a failed check; the window works on.
    void fehlendesOderFremdesModul_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("beimStart");
        QTest::addColumn<QString>("erwartet");
        for (bool start : {false, true}) {
            const char* wann = start ? "nach dem Start" : "Info-Knopf";
            QTest::addRow("fehlt, %s", wann) << "fehlt" << start << QStringLiteral(u"Das Update-Modul „zelmo_update.so“ fehlt; gesucht wurde in ");
            QTest::addRow("keine Bibliothek, %s", wann) << "text" << start << QStringLiteral(u"lässt sich nicht laden");
            QTest::addRow("anderes Qt-Plugin, %s", wann) << "plugin" << start << QStringLiteral(u"lässt sich nicht laden");
        }
    }
    void fehlendesOderFremdesModul() {
        QFETCH(QString, art);
        QFETCH(bool, beimStart);
        QFETCH(QString, erwartet);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("lib/zelmotron/zelmo_update.so"));
        QDir().mkpath(QFileInfo(datei).path());
        if (art == QLatin1String("text")) {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("kein Modul\n");
        } else if (art == QLatin1String("plugin")) {
            QVERIFY(QFile::copy(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats/libqico.so"),
                                datei));
        }
        test::MeldungsRecorder rec;
        Programmfenster p({datei, ordner.filePath(QStringLiteral("bin/zelmo_update.so"))});
        p.optionen.autoUpdate()->setChecked(beimStart);
        p.fenster.show();
        // nothing before the window's first frame
        QVERIFY(meldungen(rec, Art::Standardfehler).isEmpty());
        QVERIFY(QTest::qWaitForWindowExposed(&p.fenster));
        if (beimStart) {
            QTRY_COMPARE(meldungen(rec, Art::Standardfehler).size(), 1);
            const QString t = meldungen(rec, Art::Standardfehler).first();
            QVERIFY2(t.startsWith(QStringLiteral(u"Die automatische Suche nach Updates ist nicht möglich. ")), qPrintable(t));
            QVERIFY2(t.contains(erwartet), qPrintable(t));
        } else {
            QTest::qWait(50);
            QVERIFY(meldungen(rec, Art::Standardfehler).isEmpty());  // no check without the option
            p.fenster.findChild<QPushButton*>(QStringLiteral("Button2"))->click();  // "Info"
            auto* info = p.fenster.findChild<QDialog*>(QStringLiteral("TForm3"));
            QVERIFY(info && info->isVisible());
            info->findChild<QPushButton*>(QStringLiteral("Info_B_Updates"))->click();
            const QStringList fehler = meldungen(rec, Art::Fehler).filter(QStringLiteral("Update-Modul"));
            QCOMPARE(fehler.size(), 1);
            QVERIFY2(fehler[0].contains(erwartet), qPrintable(fehler[0]));
            QVERIFY2(fehler[0].endsWith(QStringLiteral("Bitte das Programm neu installieren.")), qPrintable(fehler[0]));
            if (art != QLatin1String("fehlt")) QVERIFY2(fehler[0].contains(datei), qPrintable(fehler[0]));
        }
        QVERIFY(!p.fenster.findChild<QDialog*>(QStringLiteral("TForm9")));
        QVERIFY(p.fenster.isVisible());
        QVERIFY(!geladen().contains(QStringLiteral("libQt6Network")));
    }

    // The program runs without the network libraries; the first wish for the dialog brings them.
    void modulWirdErstBeiBedarfGeladen() {
        test::MeldungsRecorder rec;  // the help file may be missing beside the test
        QTemporaryDir leer;
        Programmfenster p({leer.filePath(QStringLiteral("zelmo_update.so")), QStringLiteral(ZELMO_UPDATEMODUL)});
        p.fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.fenster));
        QVERIFY(!p.fenster.findChild<QDialog*>(QStringLiteral("TForm9")));
        QVERIFY(!geladen().contains(QStringLiteral(ZELMO_UPDATEMODUL)));
        QVERIFY(!geladen().contains(QStringLiteral("libQt6Network")));

        QVERIFY2(p.update.laden(), qPrintable(p.update.fehler()));
        QVERIFY(p.update.fehler().isEmpty());
        QVERIFY(geladen().contains(QStringLiteral(ZELMO_UPDATEMODUL)));
        QVERIFY(geladen().contains(QStringLiteral("libQt6Network")));
        auto* d = p.fenster.findChild<QDialog*>(QStringLiteral("TForm9"));
        QVERIFY(d);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("Update"));
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("Update_B_Download"))->text(), QStringLiteral("Download"));
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("Update_B_Install"))->text(), QStringLiteral("Installieren"));
        // once: asking again gives the same dialog
        QVERIFY(p.update.laden());
        QCOMPARE(p.fenster.findChildren<QDialog*>(QStringLiteral("TForm9")).size(), 1);
        QVERIFY(rec.eintraege.size() <= 1);  // at most the missing help file
    }

    // The loaded module has no code of the program: its messages, artwork and dialog look are the
    // program's own, reached through the services. A message goes to the service this process has
    // installed (the recorder), not to a second one of the module's.
    void modulNutztDieDiensteDesProgramms() {
        Programmfenster p({QStringLiteral(ZELMO_UPDATEMODUL)});
        QVERIFY2(p.update.laden(), qPrintable(p.update.fehler()));
        auto* d = p.fenster.findChild<QDialog*>(QStringLiteral("TForm9"));
        QVERIFY(d);
        QVERIFY(Dialog::ist(d));  // one of the program's dialogs, also to a screen reader
        QVERIFY(!d->windowIcon().isNull());
        QCOMPARE(d->font().pixelSize(), 13);
        QCOMPARE(d->minimumSize(), QSize(241, 279));
        QCOMPARE(d->maximumSize(), QSize(241, 279));
        QVERIFY(!d->isModal());
        for (const char* b : {"Update_I_Download", "Update_I_DownloadOK", "Update_I_Install", "Update_I_InstallOK"}) {
            const QImage bild = d->findChild<QLabel*>(QString::fromLatin1(b))->pixmap().toImage();
            int gedeckt = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x) gedeckt += bild.pixelColor(x, y).alpha() > 128;
            QVERIFY2(gedeckt > 100, b);  // the program's drawing, not an empty picture
        }
        auto* installieren = d->findChild<QPushButton*>(QStringLiteral("Update_B_Install"));
        QVERIFY(!installieren->icon().isNull());  // the shield

        test::MeldungsRecorder rec;  // installed after the module was loaded: it shows all the same
        installieren->setEnabled(true);  // as if an archive were there; nothing was downloaded
        installieren->click();
        QCOMPARE(meldungen(rec, Art::Hinweis), QStringList{QStringLiteral("Fehler Updater: Datei wurde nicht gefunden.")});
        QCOMPARE(rec.eintraege.size(), size_t(1));
    }
};

QTEST_MAIN(ProgrammfensterTest)
#include "programmfenster_guitest.moc"
