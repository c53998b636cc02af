// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ed25519 signatures (64 bytes), checked with OpenSSL's EVP interface against a raw 32-byte public key.
// What a release signs is in net/freigabe.h.

#include <QByteArray>

namespace zelmo::net {

// True when signatur is the Ed25519 signature of daten under schluessel (32 raw bytes).
bool signaturGueltig(const QByteArray& daten, const QByteArray& signatur, const QByteArray& schluessel);

}  // namespace zelmo::net
