// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of every page of the real main window, rendered offscreen, for the README:
//   zelmo_seitenbilder <folder>   writes one PNG per page of the page table into the folder.
// The window starts as at a first start (first-start values, a temporary data folder of its own).

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "app/Programmfenster.h"
#include "app/Seitenregister.h"
#include "app/Seitentabelle.h"
#include "fields/Meldungen.h"
#include "platform/Plattform.h"

namespace {

// No boxes while taking pictures: a message is printed instead.
class Ausgabe : public zelmo::Meldungen {
public:
    void zeige(Art, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};


}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zelmo_seitenbilder <folder>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(ziel.path())) return 3;
    QTemporaryDir daten;
    zelmo::plattform::setzeDatenOrdner(daten.path());
    Ausgabe ausgabe;
    zelmo::Meldungen::setzeDienst(&ausgabe);

    zelmo::Programmfenster programm;
    zelmo::Hauptfenster& fenster = programm.fenster;
    fenster.show();
    QApplication::processEvents();

    // one picture per entry of the page table, named as the table says
    int fehler = 0;
    for (const zelmo::seitentabelle::Seite& s : zelmo::seitentabelle::seiten()) {
        fenster.seiteZeigen(s);
        QApplication::processEvents();
        const QString datei = ziel.filePath(QString::fromLatin1(s.bild) + QStringLiteral(".png"));
        if (!fenster.grab().save(datei)) {
            std::fprintf(stderr, "%s could not be written\n", qPrintable(datei));
            ++fehler;
        }
    }
    zelmo::Meldungen::setzeDienst(nullptr);
    return fehler ? 1 : 0;
}
