// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program on the command line, as a terminal starts it: no display, no platform chosen.
// --version and --help answer on standard output, a wrong call on standard error, and each ends at
// once without a window (without a display an application object would end the program with an
// error) and without a file: the folder beside the program (its data folder when it is not
// installed) and the user's config folder stay empty.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int fehler = 0;

void pruefe(bool ok, const QString& was) {
    if (ok) return;
    std::fprintf(stderr, "%s\n", qPrintable(was));
    ++fehler;
}

QStringList inhalt(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    QTemporaryDir ordner;
    const QString programmOrdner = ordner.filePath(QStringLiteral("bin"));
    const QString konfig = ordner.filePath(QStringLiteral("konfig"));
    const QString heim = ordner.filePath(QStringLiteral("heim"));
    for (const QString& o : {programmOrdner, konfig, heim}) QDir().mkpath(o);
    const QString exe = programmOrdner + QStringLiteral("/zelmotron");
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), exe)) return 3;

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        umgebung.remove(QString::fromLatin1(v));
    umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), konfig);
    umgebung.insert(QStringLiteral("HOME"), heim);

    const QString version = QStringLiteral("Zelmotron " ZELMO_VERSION "\n");
    const QString hinweis = QStringLiteral(u" – Aufruf und Optionen zeigt „zelmotron --help“\n");
    const struct {
        QStringList argumente;
        int exitCode;
        QString ausgabe;  // standard output, or with `anfang` how it starts
        QString fehlerAusgabe;
        bool anfang = false;
    } faelle[] = {
        {{QStringLiteral("--version")}, 0, version, {}},
        {{QStringLiteral("-v")}, 0, version, {}},
        // Qt's own options pass, the display is still not opened
        {{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-style"), QStringLiteral("fusion"),
          QStringLiteral("-v")},
         0, version, {}},
        {{QStringLiteral("--help")}, 0, QStringLiteral("Aufruf: zelmotron [Optionen]\n"), {}, true},
        {{QStringLiteral("-h")}, 0, QStringLiteral("Aufruf: zelmotron [Optionen]\n"), {}, true},
        {{QStringLiteral("--foo")}, 2, {}, QStringLiteral(u"zelmotron: unbekannte Option „--foo“") + hinweis},
        {{QStringLiteral("ZelmosV121.ini")}, 2, {},
         QStringLiteral(u"zelmotron: unerwartetes Argument „ZelmosV121.ini“") + hinweis},
    };
    for (const auto& f : faelle) {
        const QString aufruf = QStringLiteral("zelmotron ") + f.argumente.join(u' ');
        QProcess p;
        p.setProcessEnvironment(umgebung);
        p.setWorkingDirectory(ordner.path());
        p.start(exe, f.argumente);
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished(5000);
            pruefe(false, aufruf + QStringLiteral(": did not end"));
            continue;
        }
        const QString aus = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        pruefe(p.exitStatus() == QProcess::NormalExit && p.exitCode() == f.exitCode,
               aufruf + QStringLiteral(": exit code %1, wanted %2; stderr: %3").arg(p.exitCode()).arg(f.exitCode).arg(err));
        if (f.anfang)
            pruefe(aus.startsWith(f.ausgabe) && aus.contains(QStringLiteral("--version")) && aus.endsWith(u'\n'),
                   aufruf + QStringLiteral(": standard output: ") + aus);
        else
            pruefe(aus == f.ausgabe, aufruf + QStringLiteral(": standard output: ") + aus);
        pruefe(err == f.fehlerAusgabe, aufruf + QStringLiteral(": standard error: ") + err);
        for (const QString& o : {programmOrdner, konfig, heim}) {
            QStringList da = inhalt(o);
            if (o == programmOrdner) da.removeOne(QStringLiteral("zelmotron"));
            pruefe(da.isEmpty(), aufruf + QStringLiteral(": files in ") + o + QStringLiteral(": ") + da.join(u' '));
        }
        pruefe(inhalt(ordner.path()).size() == 3, aufruf + QStringLiteral(": files in the working folder"));
    }
    if (fehler) return 1;
    std::printf("--version, --help and wrong calls answered without window or file\n");
    return 0;
}
