// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real program started by a test: when is it up? Start-up builds the window, installs the
// handlers of the signals a desktop session sends on ending (just before the window appears), reads
// the files and then waits in an event loop: the program's own, or the local one of a box start-up
// shows. Both are read from /proc, so no test waits a fixed time and hopes.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <optional>

namespace zelmo::test {

namespace detail {

inline QByteArray procDatei(qint64 pid, const char* name) {
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The value of a line "Name:\tvalue" of /proc/<pid>/status.
inline QByteArray statuswert(const QByteArray& status, const QByteArray& name) {
    for (const QByteArray& zeile : status.split('\n'))
        if (zeile.startsWith(name + ':')) return zeile.mid(name.size() + 1).trimmed();
    return {};
}

inline bool laeuft(const QProcess& p) {
    const QByteArray zustand = statuswert(procDatei(p.processId(), "status"), "State");
    return p.state() == QProcess::Running && !zustand.isEmpty() && !zustand.startsWith('Z') &&
           !zustand.startsWith('X');
}

// Processor time used so far (user and system, in clock ticks); nothing when the process is gone.
inline std::optional<qulonglong> rechenzeit(qint64 pid) {
    const QByteArray stat = procDatei(pid, "stat");
    const qsizetype ende = stat.lastIndexOf(')');  // the name in brackets may hold blanks
    if (ende < 0) return std::nullopt;
    const QList<QByteArray> f = stat.mid(ende + 2).split(' ');  // from field 3, the state, on
    if (f.size() < 13) return std::nullopt;
    return f[11].toULongLong() + f[12].toULongLong();  // fields 14 and 15
}

}  // namespace detail

// Waits until the program handles SIGTERM itself: from then on the signal saves and closes it.
// False when it ended or `grenzeMs` passed first.
inline bool behandeltSigterm(const QProcess& p, int grenzeMs) {
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < grenzeMs) {
        if (!detail::laeuft(p)) return false;
        bool ok = false;
        const qulonglong maske =
            detail::statuswert(detail::procDatei(p.processId(), "status"), "SigCgt").toULongLong(&ok, 16);
        if (ok && (maske >> (SIGTERM - 1) & 1u)) return true;
        QThread::msleep(50);
    }
    return false;
}

// Waits until the program sits still in an event loop (it uses no processor time for a while):
// the end of start-up, or a box it shows. False when it ended or `grenzeMs` passed first.
inline bool ruhig(const QProcess& p, int grenzeMs) {
    constexpr int Schritte = 5;  // polls of 100 ms without processor time
    QElapsedTimer uhr;
    uhr.start();
    std::optional<qulonglong> vorher;
    int still = 0;
    while (uhr.elapsed() < grenzeMs) {
        if (!detail::laeuft(p)) return false;
        const auto jetzt = detail::rechenzeit(p.processId());
        still = jetzt && vorher && *jetzt == *vorher ? still + 1 : 0;
        if (still >= Schritte) return true;
        vorher = jetzt;
        QThread::msleep(100);
    }
    return false;
}

}  // namespace zelmo::test
