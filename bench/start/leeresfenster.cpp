// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up and closing benchmarks: an empty Qt Widgets window of the program's
// size, started the same way as the program, and closed on SIGTERM as the program is (the signal
// handler writes to a socket the event loop watches; the window closes and the loop ends).

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPaar[2] = {-1, -1};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.setFixedSize(670, 617);  // the main window's size
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPaar) == 0) {
        auto* notifier = new QSocketNotifier(signalPaar[1], QSocketNotifier::Read, &fenster);
        QObject::connect(notifier, &QSocketNotifier::activated, &fenster, [&fenster] {
            char c = 0;
            (void)!::read(signalPaar[1], &c, 1);
            fenster.close();
        });
        struct sigaction sa {};
        sa.sa_handler = [](int) {
            const char c = 1;
            (void)!::write(signalPaar[0], &c, 1);
        };
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, nullptr);
    }
    fenster.show();
    return app.exec();
}
