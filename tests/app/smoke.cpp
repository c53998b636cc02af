// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the real program offscreen in a folder of its own, lets it come up, closes it the way a
// desktop session does, and expects a clean exit with its files saved; then once more, reading them.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "support/Programmstart.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    QTemporaryDir ordner;
    const QString exe = ordner.filePath(QStringLiteral("zelmotron"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), exe)) return 3;
    // the help file beside the program, so that start-up shows no box
    const QString chm = QFileInfo(QString::fromLocal8Bit(argv[1])).dir().filePath(QStringLiteral("ZelmosV121.chm"));
    if (!QFile::copy(chm, ordner.filePath(QStringLiteral("ZelmosV121.chm")))) {
        QFile f(ordner.filePath(QStringLiteral("ZelmosV121.chm")));
        f.open(QIODevice::WriteOnly);
    }
    // first start, then a start that reads the settings the first one saved
    for (int lauf = 1; lauf <= 2; ++lauf) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(exe, {});
        if (!p.waitForStarted(10000)) {
            std::fprintf(stderr, "run %d: program did not start\n", lauf);
            return 4;
        }
        // up: it handles the session's signals and waits in its event loop
        if (!zelmo::test::behandeltSigterm(p, 60000) || !zelmo::test::ruhig(p, 60000)) {
            if (p.waitForFinished(0) || p.state() == QProcess::NotRunning) {
                std::fprintf(stderr, "run %d: program ended by itself (exit %d)\n", lauf, p.exitCode());
                return 5;
            }
            p.kill();
            std::fprintf(stderr, "run %d: program did not come up\n", lauf);
            return 9;
        }
        // a second start is answered by the first one (it holds the folder's lock and watches the
        // folder before it handles signals) and ends at once
        QProcess zweiter;
        zweiter.setProcessChannelMode(QProcess::ForwardedChannels);
        zweiter.start(exe, {});
        if (!zweiter.waitForFinished(60000)) {
            zweiter.kill();
            zweiter.waitForFinished(5000);
        }
        const bool bereit = zweiter.exitStatus() == QProcess::NormalExit && zweiter.exitCode() == 0;
        if (p.waitForFinished(500)) {
            std::fprintf(stderr, "run %d: program ended by itself (exit %d)\n", lauf, p.exitCode());
            return 5;
        }
        if (!bereit) {
            std::fprintf(stderr, "run %d: a second start was not answered\n", lauf);
            return 9;
        }
        p.terminate();
        if (!p.waitForFinished(10000)) {
            p.kill();
            std::fprintf(stderr, "run %d: program did not close\n", lauf);
            return 6;
        }
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            std::fprintf(stderr, "run %d: exit status %d code %d\n", lauf, int(p.exitStatus()), p.exitCode());
            return 7;
        }
        for (const char* datei : {"ZelmosV121.ini", "ZelmosV121.dat"})
            if (!QFile::exists(ordner.filePath(QString::fromLatin1(datei)))) {
                std::fprintf(stderr, "run %d: %s was not written on closing\n", lauf, datei);
                return 8;
            }
    }
    std::printf("started and closed cleanly\n");
    return 0;
}
