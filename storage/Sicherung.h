#pragma once
// The settings file and the data file of the main window: written once when the window closes, read
// once at start-up.

#include <QChar>
#include <QString>

namespace zelmo {

class Hauptfenster;
class OptionenDialog;

namespace Sicherung {

// Writes the settings file (creating its folder); the error text, or an empty string.
QString IniFileschreiben(const Hauptfenster& f, const OptionenDialog* optionen, const QString& datei,
                         QChar dezimal);
// Reads the settings file into the pages and the options. Keys that are missing or unreadable take
// their defaults; the unreadable ones are named in the returned text (empty when all was well).
QString IniFileLaden(Hauptfenster& f, OptionenDialog* optionen, const QString& datei, QChar dezimal);

// The 30 component constants of the LED, LM317 and current-source pages.
QString Datenfile_schreiben(const Hauptfenster& f, const QString& datei, QChar dezimal);
// Lines that are missing or broken keep the value the page has; they are named in the returned text.
QString Datenfile_lesen(Hauptfenster& f, const QString& datei, QChar dezimal);

}  // namespace Sicherung

}  // namespace zelmo
