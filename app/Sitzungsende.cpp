// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Sitzungsende.h"

#include <QApplication>
#include <QSessionManager>

#include "app/Hauptfenster.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace zelmo {

namespace {

// Start-up runs inside the window's show(), before the event loop; a signal then only asks to end.
bool imStart = true;
bool endeVerlangt = false;

void boxenSchliessen(const Hauptfenster& fenster) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &fenster && w->isModal()) w->close();
}

void fensterSchliessen(Hauptfenster& fenster) {
    boxenSchliessen(fenster);
    fenster.close();
}

void beenden(Hauptfenster& fenster) {
    if (!imStart) {
        fensterSchliessen(fenster);
        return;
    }
    // Saving now would write the pages not yet read with their first-start values. The box goes,
    // and exit() makes every further local event loop (each box of the start-up) return at once;
    // the window closes when show() has returned.
    endeVerlangt = true;
    boxenSchliessen(fenster);
    QCoreApplication::exit(0);
}

#ifdef Q_OS_UNIX
// A signal handler may only write to a descriptor; the event loop reads the other end.
int signalPaar[2] = {-1, -1};

void beiSignal(int) {
    const char c = 1;
    (void)!::write(signalPaar[0], &c, 1);
}

void signaleBeachten(Hauptfenster& fenster) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPaar) != 0) return;
    auto* notifier = new QSocketNotifier(signalPaar[1], QSocketNotifier::Read, &fenster);
    QObject::connect(notifier, &QSocketNotifier::activated, &fenster, [&fenster] {
        char c;
        (void)!::read(signalPaar[1], &c, 1);
        beenden(fenster);
    });
    struct sigaction aktion = {};
    aktion.sa_handler = beiSignal;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(s, &aktion, nullptr);
}
#endif

}  // namespace

void sitzungsendeBeachten(Hauptfenster& fenster) {
    // direct: the session manager expects the files written when the request returns
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &fenster, [&fenster](QSessionManager&) { fenster.FormClose(); },
        Qt::DirectConnection);
#ifdef Q_OS_UNIX
    signaleBeachten(fenster);
#endif
}

bool startUeberstanden(Hauptfenster& fenster) {
    imStart = false;
    if (!endeVerlangt) return true;
    fenster.close();
    return false;
}

}  // namespace zelmo
