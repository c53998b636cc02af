// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every page of the window, described once: where its tab sits and what it is called, its help
// context and topic, the objectNames of its help link, its picture for the README, its stored values
// (sections of the settings file and share of the data file, from the page's declaration), and how it
// is built. The window builds its page controls and pages
// from this table, F1 and the help links take the context from it, the help build tool writes the
// help file's context table and runs the worked examples from it, the picture tool draws one picture
// per entry, and the tests go through it. A new page is its own files, one entry here, and its help
// topic (README, "Anatomy of a page").

#include <QString>
#include <QStringList>
#include <vector>

#include "app/Seitenplatz.h"

class QWidget;

namespace zelmo {

class Rechnerseite;
struct Umgebung;

namespace seitentabelle {

// The two page controls: the window's (PageControl1) and the one on its tab "Farbcode" (PageControl2).
enum class Register { Seiten, Farbcode };

struct Seite {
    const char* name;      // the page's short name, by which the help's worked examples name it
    Register reg;          // the page control its tab is on
    int platz;             // the tab's index there
    const char* reiter;    // objectName of the tab's page
    const char16_t* titel;  // the tab's title
    int hilfekontext;      // F1 on the page and its help link open this context
    const char* thema;     // the help topic the context leads to (help/<thema>)
    const char* hilfeLabel;  // objectNames of the help link and its picture in the page's frame
    const char* hilfeBild;
    const char* bild;      // the page's picture in the README: docs/bilder/<bild>.png
    // the declaration of its stored values: its keys and sections of the settings file
    // (ablage().abschnitte()) and its share of the data file (ablage().daten()); read without widgets
    // for a page not built yet, and written back unbuilt
    Seitenplatz::Ablagequelle ablage;
    Rechnerseite* (*bauen)(const Umgebung&, QWidget* eltern);
};

// Every page, in the order of the settings and data files: a new page comes last, so that the older
// ones keep their places in the files.
const std::vector<Seite>& seiten();

// The tab of PageControl1 that holds PageControl2, and its help topic (without context).
struct Reiter {
    int platz;
    const char* name;
    const char16_t* titel;
    const char* thema;
};
inline constexpr Reiter farbcode{0, "TabSheet1", u"Farbcode", "farbcode.htm"};

// The tabs a first start shows.
inline constexpr int ersteKarte = 6;
inline constexpr int ersteUnterkarte = 0;

// How many tabs a page control has.
int reiterAnzahl(Register r);
// The page on a tab, nullptr for none (the tab "Farbcode").
const Seite* auf(Register r, int platz);
// The page of a short name, nullptr for none.
const Seite* namens(QStringView name);

// A help topic that F1 or a link opens by its context number.
struct Hilfethema {
    int kontext;
    const char* thema;
};
// Every page's, then the other windows' (the window "Normwerte"), each context once.
std::vector<Hilfethema> hilfethemen();

}  // namespace seitentabelle
}  // namespace zelmo
