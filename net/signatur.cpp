// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/signatur.h"

#include <QFile>
#include <memory>
#include <openssl/evp.h>

#include "net/updategrenzen.h"

namespace zelmo::net {

namespace {
bool pruefe(const unsigned char* daten, size_t laenge, const QByteArray& signatur, const QByteArray& schluessel) {
    if (signatur.size() != signaturLaenge || schluessel.size() != 32) return false;
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> pkey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char*>(schluessel.constData()), 32),
        &EVP_PKEY_free);
    if (!pkey) return false;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!ctx || EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, pkey.get()) != 1) return false;
    static const unsigned char leer = 0;
    return EVP_DigestVerify(ctx.get(), reinterpret_cast<const unsigned char*>(signatur.constData()),
                            size_t(signatur.size()), laenge ? daten : &leer, laenge) == 1;
}
}  // namespace

bool signaturGueltig(const QByteArray& daten, const QByteArray& signatur, const QByteArray& schluessel) {
    return pruefe(reinterpret_cast<const unsigned char*>(daten.constData()), size_t(daten.size()), signatur,
                  schluessel);
}

bool signaturGueltig(const QString& datei, const QByteArray& signatur, const QByteArray& schluessel,
                     QString* fehler) {
    const auto nein = [fehler](const QString& t) {
        if (fehler) *fehler = t;
        return false;
    };
    if (signatur.size() != signaturLaenge)
        return nein(QStringLiteral("Die Signatur hat %1 statt %2 Bytes.").arg(signatur.size()).arg(signaturLaenge));
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return nein(f.errorString());
    const qint64 groesse = f.size();
    const uchar* daten = groesse > 0 ? f.map(0, groesse) : nullptr;
    if (groesse > 0 && !daten) return nein(f.errorString());
    const bool ok = pruefe(daten, size_t(groesse), signatur, schluessel);
    if (daten) f.unmap(const_cast<uchar*>(daten));
    return ok || nein(QStringLiteral("Die Signatur passt nicht zum Archiv."));
}

}  // namespace zelmo::net
