// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signed release record that the update server offers beside each archive
// ("/Uploads/Zel-mosV122.zip.sig"). It names the release: the program, its version, and the archive's
// SHA-256 and size, so that a genuine older release cannot be offered as a newer one, a release of
// another program signed with the same key does not pass, and the archive is exactly the one signed.
//
// The record, byte for byte, is a statement followed by its signature:
//
//   statement = "Zelmotron-Update" 0x00 VERSION 0x0A SHA256 0x0A SIZE 0x0A
//   record    = statement SIGNATURE
//
//   VERSION    the release number in ASCII decimal digits, without sign or leading zeros (1 to 2147483647)
//   SHA256     the SHA-256 of the archive's bytes as 64 lower-case hexadecimal digits
//   SIZE       the archive's length in bytes in ASCII decimal digits, without leading zeros
//   SIGNATURE  the Ed25519 signature (RFC 8032, pure Ed25519, 64 bytes) of the statement's bytes
//
// The record carries nothing else (no trailing line end). tools/freigabe.sh writes and checks it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace zelmo::net {

// The domain-separation prefix; in the statement it is followed by one 0x00 byte.
inline constexpr char freigabePraefix[] = "Zelmotron-Update";
// The longest record that can be valid: prefix, 0x00, 10 digits, 64 hex digits, 19 digits, three line
// ends and the signature.
inline constexpr qint64 maxFreigabesatz = qint64(sizeof freigabePraefix) + 10 + 1 + 64 + 1 + 19 + 1 + 64;

// What a statement says.
struct Freigabeangabe {
    int version = 0;
    QByteArray sha256;  // 32 bytes
    qint64 groesse = 0;
    friend bool operator==(const Freigabeangabe&, const Freigabeangabe&) = default;
};

// The statement for a release, byte for byte as it is signed.
QByteArray freigabeAussage(const Freigabeangabe& angabe);
// The statement read back; nothing when the bytes are not exactly a statement of this program in the
// form above (another prefix, a leading zero, upper-case hex, a missing or extra byte ...).
std::optional<Freigabeangabe> leseFreigabeAussage(const QByteArray& aussage);

// The SHA-256 (32 bytes) and the size of a file, read in blocks; nothing when it cannot be read (fehler
// says why, in German) or when abgebrochen() turns true between two blocks.
struct Dateipruefsumme {
    QByteArray sha256;
    qint64 groesse = 0;
};
std::optional<Dateipruefsumme> sha256Datei(const QString& datei, QString* fehler = nullptr,
                                           const std::function<bool()>& abgebrochen = {});

// Checks a record before anything of the archive is unpacked: its signature under one of the trusted
// keys (32 raw bytes each), then that its statement is one of this program, for the version the server
// announced, newer than the running one, and for exactly this archive (hash and size). Empty when the
// archive may be unpacked, otherwise the German message for the user.
QString pruefeFreigabe(const QByteArray& satz, const Dateipruefsumme& archiv, int angekuendigt, int laufend,
                       const QList<QByteArray>& schluessel);

// The message for an update without a valid signature, with the reason in brackets.
QString meldungKeineSignatur(const QString& grund);

}  // namespace zelmo::net
