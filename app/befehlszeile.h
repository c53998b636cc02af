// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line, read before the application object exists: "--help" and "--version" answer on
// standard output and end the program, anything it does not know ends it with one line on standard
// error. Qt's own options (-platform, -style, ...) pass through to the application object.

#include <QString>
#include <QStringList>

namespace zelmo::befehlszeile {

enum class Art {
    starten,  // no option of ours: the program starts
    hilfe,    // --help, -h
    version,  // --version, -v
    fehler,   // an unknown option, a missing or unexpected value, a stray argument
};

struct Auswertung {
    Art art = Art::starten;
    QString text;  // what goes to standard output (hilfe, version) or standard error (fehler)
    int exitCode = 0;
};

// The arguments as the program got them (the first is the program itself).
Auswertung auswerten(const QStringList& argumente, const QString& version);

// The arguments of main() as texts, without an application object.
QStringList argumente(int argc, char* argv[]);

}  // namespace zelmo::befehlszeile
