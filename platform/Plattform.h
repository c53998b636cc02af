// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the program needs of the desktop: special folders, opening URLs and files, the help
// viewer, the warning beep. Implemented with Qt; nothing here is specific to one system.

#include <QString>
#include <functional>

namespace zelmo::plattform {

// Folder of the running program file, without trailing separator.
QString programmOrdner();
// Where this program stands: installed (help file in ../share/zelmotron) or run from its folder.
bool installiert();
// The help file of this run: in an installation's shared folder, otherwise beside the program.
QString hilfeDatei();
// The per-user configuration folder (XDG config home, ~/.config by default).
QString benutzerOrdner();
// The data folder of this run.
QString datenOrdner();
// Puts the data folder elsewhere (tests use a temporary folder); an empty text restores the rule.
void setzeDatenOrdner(const QString& ordner);

// Opens a URL (web page, mail link) or a file with the desktop's program for it.
bool oeffne(const QString& urlOderDatei);

// Starts a program file (binary or script) detached from this one, without arguments, in the
// current folder. Returns a shell-like code: above 32 when started; 2 file not found, 3 folder not
// found, 5 not allowed (not executable), 31 the start failed otherwise.
int starteProgramm(const QString& pfad);

// Shows the help topic of a context number (90 ... 180). The help viewer installs itself here;
// tests install a recorder.
void zeigeHilfe(int kontext);
void setzeHilfeAnzeige(std::function<void(int)> anzeige);

// Switches the warning beep of the edit fields off for this run (our fields never beep on Enter,
// so there is nothing to switch on this desktop; the call stays as the start-up step).
void warntonAus();

}  // namespace zelmo::plattform
