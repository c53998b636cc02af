// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings file and the data file of the main window: read once at start-up, written once when
// the window closes. The pages save and read themselves (storage/speicherbar.h); what lives here is
// the file handling, the formats, the order of the pages, and the keys of the window and the options.
//
// A file that exists but cannot be read or decoded is never destroyed: reading reports it, the pages
// keep their first-start values, and the next save first keeps the old file as "<name>.bak" (the
// latest one only) before it writes the new one.

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

#include "storage/einstellungen.h"
#include "storage/inidokument.h"

namespace zelmo {

class Speicherbar;

// The keys of the window ([Register], [Register2]) and of the options dialog ([Optionen]).
struct Fensterwerte {
    int karte = 1;   // tab index of PageControl1
    int karte2 = 0;  // tab index of PageControl2
    struct Optionen {
        bool autoUpdate = false;
        bool kurzhinweise = false;
        bool vordergrund = false;
        QString tjmax;  // the text of the options field, as it stands
    };
    std::optional<Optionen> optionen;  // nothing: a window without options dialog
};

namespace sicherung {

struct Bericht {
    bool vorhanden = false;  // the file exists
    bool gelesen = false;    // and was read (values that were named may still have taken defaults)
    QString meldung;         // for the standard error box; empty when all was well
};

// Reads the data file into the pages' shares, in the pages' order.
Bericht datenLesen(const QString& datei, const std::vector<Speicherbar*>& seiten, QChar dezimal);

// The settings file, opened at start-up. Every page reads itself from leser() as it starts (see
// Rechnerseite::starten), in the pages' order; then the window reads its keys.
class Einstellungsdatei {
public:
    Einstellungsdatei(const QString& datei, QChar dezimal);

    const Bericht& bericht() const { return m_bericht; }
    // Nothing when there is no file or one that cannot be read: the pages take their first-start values.
    IniLeser* leser() { return m_leser ? &*m_leser : nullptr; }
    // The window's and the options' keys, read after the pages (fenster keeps what it holds for a
    // window without options dialog); karten, unterkarten: the tabs of the two page controls.
    void fensterLesen(Fensterwerte& fenster, int karten, int unterkarten);
    // For the standard error box once everything was read: the unreadable file, or the values that
    // took their defaults. Empty when all was well.
    QString meldung() const;

private:
    QString m_datei;
    Bericht m_bericht;
    IniDokument m_dokument;
    std::optional<IniLeser> m_leser;
};

// Written on closing (the folder is created); the error text, or an empty string. behalten: the file
// could not be read at start-up and is kept as "<datei>.bak" before it is replaced.
QString einstellungenSchreiben(const QString& datei, const std::vector<Speicherbar*>& seiten,
                               const Fensterwerte& fenster, QChar dezimal, bool behalten);
QString datenSchreiben(const QString& datei, const std::vector<Speicherbar*>& seiten, QChar dezimal,
                       bool behalten);

// A plain text file of the user's (a stock list): written safely as the settings file is (the
// folder is created; a crash while writing leaves the previous file); the error text, or empty.
QString textSchreiben(const QString& datei, const QString& text);
// Read and decoded as every stored byte is; nothing when it does not exist, fehler when it cannot be
// read.
struct TextDatei {
    bool vorhanden = false;
    QString text;
    QString fehler;
};
TextDatei textDateiLesen(const QString& datei);

}  // namespace sicherung

}  // namespace zelmo
