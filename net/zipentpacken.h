// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Unpacks a ZIP archive (libzip) into a folder, with limits. Before the first byte is written every
// entry is checked: its name stays inside the folder (no absolute path, no ".."), it appears once,
// it is a plain file or folder (no symbolic link, no device), it is not encrypted, it does not
// inflate beyond the per-entry ratio, and the archive as a whole is consistent (libzip's check) and
// stays within the limits of entries and unpacked bytes. Files are created new, never over an
// existing file and never through a link. A failure removes everything written so far.

#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

#include "net/updategrenzen.h"

namespace zelmo::net {

// The archive cannot be read or unpacked; what() / text() is the German message for the user.
class ZipFehler : public std::runtime_error {
public:
    explicit ZipFehler(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Unpacking was cancelled (Entpackoptionen::abgebrochen).
class ZipAbgebrochen : public ZipFehler {
public:
    using ZipFehler::ZipFehler;
};

struct Entpackt {
    QStringList dateien;  // files written (absolute, clean paths), in archive order
    QStringList ordner;   // folders created, parents before their children
};

struct Entpackoptionen {
    qint64 entpackt = maxEntpackt;
    int eintraege = maxEintraege;
    qint64 verhaeltnis = maxVerhaeltnis;
    qint64 freigrenze = verhaeltnisFreigrenze;
    // asked between blocks; true ends unpacking with ZipAbgebrochen
    std::function<bool()> abgebrochen;
    // bytes written so far of the total the entries announce
    std::function<void(qint64 bisher, qint64 gesamt)> fortschritt;
};

// True when an entry name stays inside the target folder: relative, without "..", without control
// characters.
bool zipNameZulaessig(const QString& name);

// Unpacks archiv into ziel (an existing folder). Throws ZipFehler; nothing of the archive is left
// in ziel then.
Entpackt zipEntpacken(const QString& archiv, const QString& ziel, const Entpackoptionen& optionen = {});
// The same, the result into ergebnis (left empty after a failure, since nothing written stays).
void zipEntpacken(const QString& archiv, const QString& ziel, Entpackt& ergebnis,
                  const Entpackoptionen& optionen = {});

}  // namespace zelmo::net
