// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Program entry: the application, the main window, the four dialogs, the message loop.

#include <QApplication>

#include "app/Programmfenster.h"
#include "app/Sitzungsende.h"
#include "platform/Einzelinstanz.h"
#include "platform/Hilfeanzeige.h"
#include "platform/Plattform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmotron V1.2"));
    QApplication::setApplicationDisplayName(QString());
    // the desktop finds the window's icon and menu entry by this name
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELMO_ANWENDUNG_ID));

    // one program per data folder: a second start shows the running window and ends untouched
    zelmo::Einzelinstanz einzeln(zelmo::plattform::datenOrdner());
    if (!einzeln.alsErsteStarten()) return einzeln.zweiterStart();

    zelmo::Programmfenster programm;
    zelmo::Hauptfenster& fenster = programm.fenster;
    einzeln.fensterZeigenBeiAnfrage(&fenster);

    // the help viewer reads the help file (beside the program or installed) when a topic is asked for
    zelmo::Hilfeanzeige hilfe(zelmo::plattform::hilfeDatei());
    zelmo::plattform::setzeHilfeAnzeige([&hilfe](int kontext) { hilfe.zeige(kontext); });

    // a desktop session that ends saves the values
    zelmo::sitzungsendeBeachten(fenster);

    fenster.show();
    // a session that ended while start-up showed a box closes the window here
    if (!zelmo::startUeberstanden(fenster)) return 0;
    return app.exec();
}
