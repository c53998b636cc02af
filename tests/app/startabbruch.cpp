// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program, started without its help file (start-up then shows a box), gets the signal a
// desktop session sends on ending while that box is open: it must close the box, save its values
// and end by itself, as it does when the signal comes later.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "support/Programmstart.h"

using namespace zelmo::test;

namespace {

// A settings file whose LED page holds a voltage that is no number: reading it shows a box while
// start-up reads the pages; the SMD-Code page, read after it, keeps a value of its own.
const QByteArray ledUnlesbar = "[LED-Vorwiderstand]\r\nEingabe_U=zwölf Volt\r\n\r\n"
                               "[SMD-Code]\r\nAuswahl=1\r\nWiderstand=47500\r\nCode=4752\r\n";

// The lines of one section of a settings file.
QList<QByteArray> abschnitt(const QByteArray& ini, const QByteArray& name) {
    QList<QByteArray> zeilen;
    bool drin = false;
    for (QByteArray z : ini.split('\n')) {
        z = z.trimmed();
        if (z.startsWith('[')) drin = z == '[' + name + ']';
        else if (drin && !z.isEmpty()) zeilen << z;
    }
    return zeilen;
}

}  // namespace

class StartabbruchTest : public QObject {
    Q_OBJECT
private slots:
    void signalWaehrendEinerBoxDesStarts_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QByteArray>("einstellungen");  // the settings file at start; empty: none
        QTest::addColumn<QList<QByteArray>>("smdDanach");  // lines the saved [SMD-Code] must hold
        QTest::newRow("SIGTERM, erster Start") << int(SIGTERM) << QByteArray() << QList<QByteArray>{"Widerstand=4700"};
        QTest::newRow("SIGHUP, erster Start") << int(SIGHUP) << QByteArray() << QList<QByteArray>{"Widerstand=4700"};
        QTest::newRow("SIGINT, erster Start") << int(SIGINT) << QByteArray() << QList<QByteArray>{"Widerstand=4700"};
        // the box comes while the pages are read: the pages after it are read in full before saving
        QTest::newRow("SIGTERM, Box beim Lesen der Seiten")
            << int(SIGTERM) << ledUnlesbar << QList<QByteArray>{"Auswahl=1", "Widerstand=47500", "Code=4752"};
    }

    void signalWaehrendEinerBoxDesStarts() {
        QFETCH(int, signal);
        QFETCH(QByteArray, einstellungen);
        QFETCH(QList<QByteArray>, smdDanach);

        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QString exe = ordner.filePath(QStringLiteral("zelmotron"));
        QVERIFY(QFile::copy(QStringLiteral(ZELMO_PROGRAMM), exe));  // and no help file beside it
        const QString ini = ordner.filePath(QStringLiteral("ZelmosV121.ini"));
        if (!einstellungen.isEmpty()) {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(einstellungen);
        }

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), ordner.filePath(QStringLiteral("config")));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        p.start(exe, {});
        QVERIFY(p.waitForStarted(30000));
        // The box waits in its own event loop, which is the first one the program runs: there the
        // signal is handled (it is handled there too if it comes a moment before the box is up).
        QVERIFY2(behandeltSigterm(p, 60000), "Das Programm kam nicht hoch oder endete von selbst");
        QVERIFY2(ruhig(p, 60000), "Das Programm wartet nicht in der Box");
        QVERIFY(::kill(pid_t(p.processId()), signal) == 0);

        const bool beendet = p.waitForFinished(60000);
        if (!beendet) p.kill();
        QVERIFY2(beendet, "Das Programm läuft ohne Fenster weiter");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFile::exists(ordner.filePath(QStringLiteral("ZelmosV121.dat"))));
        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> smd = abschnitt(f.readAll(), "SMD-Code");
        for (const QByteArray& zeile : smdDanach) QVERIFY2(smd.contains(zeile), zeile.constData());
    }
};

QTEST_GUILESS_MAIN(StartabbruchTest)
#include "startabbruch.moc"
