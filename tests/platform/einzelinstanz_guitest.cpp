// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// One program per data folder: two instances in this test, and the real program started twice.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <future>

#include "platform/Einzelinstanz.h"
#include "support/GuiTestFixture.h"
#include "support/Programmstart.h"

using namespace zelmo;

class EinzelinstanzTest : public QObject {
    Q_OBJECT
private slots:
    void zweiterStartHoltDieErsteNachVorn() {
        QTemporaryDir ordner;
        Einzelinstanz erste(ordner.path());
        QVERIFY(erste.alsErsteStarten());
        QVERIFY(QFile::exists(ordner.filePath(QStringLiteral("ZelmosV121.lock"))));
        QWidget fenster;
        fenster.showMinimized();
        erste.fensterZeigenBeiAnfrage(&fenster);
        QSignalSpy anfragen(&erste, &Einzelinstanz::nachVornGewuenscht);

        // the same folder, spelled differently
        Einzelinstanz zweite(ordner.path() + QStringLiteral("/."));
        QVERIFY(!zweite.alsErsteStarten());
        // the second start waits for the answer while this thread serves the first one
        auto antwort = std::async(std::launch::async, [&zweite] { return zweite.ersteNachVorn(10000); });
        QTRY_COMPARE(anfragen.size(), 1);
        QVERIFY(antwort.get());
        QVERIFY(fenster.isVisible());
        QVERIFY(!fenster.isMinimized());
        // the answer took the request away; only the lock stays
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ZelmosV121.lock"});
    }

    void anfrageVorDemStartWirdBeantwortet() {
        // a second start that came while the first one had its lock but did not watch yet
        QTemporaryDir ordner;
        QFile anfrage(ordner.filePath(QStringLiteral("ZelmosV121.4711.nachvorn")));
        QVERIFY(anfrage.open(QIODevice::WriteOnly));
        anfrage.close();
        QFile fremd(ordner.filePath(QStringLiteral("ZelmosV121.nachvorn.txt")));  // not a request
        QVERIFY(fremd.open(QIODevice::WriteOnly));
        fremd.close();
        Einzelinstanz erste(ordner.path());
        QSignalSpy anfragen(&erste, &Einzelinstanz::nachVornGewuenscht);
        QVERIFY(erste.alsErsteStarten());
        QCOMPARE(anfragen.size(), 1);
        QVERIFY(!anfrage.exists());
        QVERIFY(fremd.exists());
    }

    void andererOrdnerOderNachDemEndeFrei() {
        QTemporaryDir a, b;
        auto erste = std::make_unique<Einzelinstanz>(a.path());
        QVERIFY(erste->alsErsteStarten());
        Einzelinstanz andere(b.path());
        QVERIFY(andere.alsErsteStarten());
        erste.reset();  // the program ended
        QVERIFY(!QFile::exists(a.filePath(QStringLiteral("ZelmosV121.lock"))));
        Einzelinstanz neu(a.path());
        QVERIFY(neu.alsErsteStarten());
    }

    void ohneAntwortEineMeldungUndNichtsGeschrieben() {
        test::MeldungsRecorder rec;
        QTemporaryDir ordner;
        // a lock held by a program that does not listen (hung, or started just now)
        QLockFile fremd(ordner.filePath(QStringLiteral("ZelmosV121.lock")));
        QVERIFY(fremd.tryLock(0));
        Einzelinstanz zweite(ordner.path());
        QVERIFY(!zweite.alsErsteStarten());
        QCOMPARE(zweite.zweiterStart(300), 1);
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(int(rec.eintraege[0].art), int(Meldungen::Art::Standardfehler));
        QVERIFY(rec.letzter().startsWith(QStringLiteral(u"Zelmotron läuft bereits mit dem Datenordner\r") +
                                         QDir::toNativeSeparators(ordner.path())));
        QVERIFY(rec.letzter().contains(QDir::toNativeSeparators(ordner.filePath(QStringLiteral("ZelmosV121.lock")))));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ZelmosV121.lock"});
    }

    void verwaisteSperreWirdUebernommen() {
        QTemporaryDir ordner;
        const QString sperre = ordner.filePath(QStringLiteral("ZelmosV121.lock"));
        // a program that ended abruptly: its lock file names a process that is gone
        QProcess kurz;
        kurz.start(QStringLiteral("true"), {});
        QVERIFY(kurz.waitForFinished(10000));
        const qint64 weg = kurz.processId() ? kurz.processId() : 999999;
        QFile f(sperre);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::number(weg) + "\nzelmotron\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        f.close();
        Einzelinstanz neu(ordner.path());
        QVERIFY(neu.alsErsteStarten());
    }

    void zweiProgramme() {
        // the real program, twice, in a folder of its own (it keeps its files beside itself there)
        QTemporaryDir ordner;
        const QString exe = ordner.filePath(QStringLiteral("zelmotron"));
        QVERIFY(QFile::copy(QStringLiteral(ZELMO_PROGRAMM), exe));
        QFile::copy(QStringLiteral(ZELMO_HILFE_DATEI), ordner.filePath(QStringLiteral("ZelmosV121.chm")));
        const QString ini = ordner.filePath(QStringLiteral("ZelmosV121.ini"));
        QProcess erste;
        erste.setProcessChannelMode(QProcess::ForwardedChannels);
        erste.start(exe, {});
        QVERIFY(erste.waitForStarted(10000));
        // up once it handles a session's end (it holds its lock and watches the folder before that)
        QVERIFY(test::behandeltSigterm(erste, 60000));
        QProcess zweite;
        zweite.setProcessChannelMode(QProcess::ForwardedChannels);
        zweite.start(exe, {});
        QVERIFY(zweite.waitForFinished(20000));
        QCOMPARE(zweite.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zweite.exitCode(), 0);  // the first one took the request
        QVERIFY(!QFile::exists(ini));    // the second one wrote nothing
        QCOMPARE(erste.state(), QProcess::Running);
        erste.terminate();
        QVERIFY(erste.waitForFinished(20000));
        QCOMPARE(erste.exitCode(), 0);
        QVERIFY(QFile::exists(ini));
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("ZelmosV121.lock"))));
    }
};

QTEST_MAIN(EinzelinstanzTest)
#include "einzelinstanz_guitest.moc"
