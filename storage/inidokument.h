// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An INI document in memory: sections of "key=value" lines. Look-up ignores the case of section and
// key names and trims names and values; writing keeps the order of the file, appends new keys to their
// section and new sections at the end, and keeps every line it does not know.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace zelmo {

class IniDokument {
public:
    IniDokument() = default;
    // The encoding as textLesen finds it (byte-order marks, else UTF-8, else Windows-1252; any line
    // end). Bytes that are no text give an empty document and, in fehler, the reason.
    static IniDokument ausBytes(const QByteArray& bytes, QString* fehler = nullptr);
    // From text already decoded (lines ended by "\n", as textLesen gives them).
    static IniDokument ausText(const QString& text);

    std::optional<QString> lies(const QString& abschnitt, const QString& schluessel) const;
    void schreibe(const QString& abschnitt, const QString& schluessel, const QString& wert);

    // UTF-8 with byte-order mark, lines ended by CR LF.
    QByteArray alsBytes() const;

private:
    struct Zeile {
        QString text;      // the line as read, for lines that are no entry
        QString schluessel;  // trimmed; empty for other lines
        QString wert;
        bool eintrag = false;
    };
    struct Abschnitt {
        QString name;  // empty for the lines before the first section
        std::vector<Zeile> zeilen;
    };
    Abschnitt* finde(const QString& name);
    const Abschnitt* finde(const QString& name) const;

    std::vector<Abschnitt> m_abschnitte;
};

}  // namespace zelmo
