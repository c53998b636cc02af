// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The limits of the update path. Everything that comes from the update server is bounded by one of
// these; each failure to keep one ends the step with a German message.

#include <QtGlobal>

namespace zelmo::net {

// The version file: a few decimal digits, surrounding white space allowed.
inline constexpr qint64 maxVersionsDatei = 64;
// The detached Ed25519 signature of an archive: exactly this many bytes.
inline constexpr qint64 signaturLaenge = 64;
// The archive as downloaded; the transfer stops when it grows past this.
inline constexpr qint64 maxArchiv = qint64(256) * 1024 * 1024;
// Everything unpacked from one archive together, and the number of its entries (files and folders).
inline constexpr qint64 maxEntpackt = qint64(1024) * 1024 * 1024;
inline constexpr int maxEintraege = 10000;
// One entry may inflate to at most this multiple of its compressed size; entries up to
// verhaeltnisFreigrenze bytes are not held to it (a short text of blanks packs very well).
inline constexpr qint64 maxVerhaeltnis = 200;
inline constexpr qint64 verhaeltnisFreigrenze = qint64(1024) * 1024;
// Connection (TCP and TLS) at most this long.
inline constexpr int verbindenMs = 15000;
// A transfer that brings fewer than mindestBytesProSekunde on average over langsamMs ends.
inline constexpr qint64 mindestBytesProSekunde = 1024;
inline constexpr int langsamMs = 30000;
// The whole version check, from the request to the last byte.
inline constexpr int versionGesamtMs = 30000;

// The limits as one value, so that a test can make them short.
struct Updategrenzen {
    qint64 versionsDatei = maxVersionsDatei;
    qint64 archiv = maxArchiv;
    qint64 entpackt = maxEntpackt;
    int eintraege = maxEintraege;
    qint64 verhaeltnis = maxVerhaeltnis;
    qint64 freigrenze = verhaeltnisFreigrenze;
    int verbinden = verbindenMs;
    qint64 mindestRate = mindestBytesProSekunde;
    int langsam = langsamMs;
    int versionGesamt = versionGesamtMs;
};

}  // namespace zelmo::net
