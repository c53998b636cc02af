// Starts the real program offscreen in a folder of its own, lets it come up, closes it the way a
// desktop session does, and expects a clean exit.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

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
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(exe, {});
    if (!p.waitForStarted(10000)) {
        std::fprintf(stderr, "program did not start\n");
        return 4;
    }
    if (p.waitForFinished(2000)) {
        std::fprintf(stderr, "program ended by itself (exit %d)\n", p.exitCode());
        return 5;
    }
    p.terminate();
    if (!p.waitForFinished(10000)) {
        p.kill();
        std::fprintf(stderr, "program did not close\n");
        return 6;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "program exit status %d code %d\n", int(p.exitStatus()), p.exitCode());
        return 7;
    }
    std::printf("started and closed cleanly\n");
    return 0;
}
