// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Release signatures: a detached Ed25519 signature (64 bytes) over the whole archive, checked with
// OpenSSL's EVP interface against a raw 32-byte public key.

#include <QByteArray>
#include <QString>

namespace zelmo::net {

// True when signatur is the Ed25519 signature of the file's bytes under schluessel (32 raw bytes).
// Reads the file through a memory map, so that even a large archive is not copied. fehler (if
// given) says why not, in German.
bool signaturGueltig(const QString& datei, const QByteArray& signatur, const QByteArray& schluessel,
                     QString* fehler = nullptr);
// The same for bytes in memory.
bool signaturGueltig(const QByteArray& daten, const QByteArray& signatur, const QByteArray& schluessel);

}  // namespace zelmo::net
