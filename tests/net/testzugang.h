// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Test-only access to the update path: the server address, the trusted authorities, the limits and
// the release key. This header exists only in the tests; the program itself has no way to change
// them (no setter, no file, no environment variable).

#include <QByteArray>
#include <memory>
#include <openssl/evp.h>

#include "net/aktualisierer.h"

namespace zelmo::test {

struct UpdateZugang {
    static net::Netzzugang& netz(net::Aktualisierer& a) { return a.m_netz; }
    static void setzeSchluessel(net::Aktualisierer& a, const QByteArray& oeffentlich) { a.m_schluessel = oeffentlich; }
    static const QByteArray& schluessel(const net::Aktualisierer& a) { return a.m_schluessel; }
};

// An Ed25519 key pair made for one test.
class Testschluessel {
public:
    Testschluessel() {
        EVP_PKEY_CTX* ctx = EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr);
        EVP_PKEY* k = nullptr;
        if (ctx && EVP_PKEY_keygen_init(ctx) == 1) EVP_PKEY_keygen(ctx, &k);
        EVP_PKEY_CTX_free(ctx);
        m_schluessel.reset(k);
    }
    // The public half, 32 raw bytes.
    QByteArray oeffentlich() const {
        QByteArray roh(32, '\0');
        size_t n = 32;
        if (!m_schluessel ||
            EVP_PKEY_get_raw_public_key(m_schluessel.get(), reinterpret_cast<unsigned char*>(roh.data()), &n) != 1)
            return {};
        return roh;
    }
    // The detached signature of daten, 64 bytes.
    QByteArray signiere(const QByteArray& daten) const {
        QByteArray sig(64, '\0');
        size_t n = 64;
        EVP_MD_CTX* ctx = EVP_MD_CTX_new();
        const bool ok = ctx && EVP_DigestSignInit(ctx, nullptr, nullptr, nullptr, m_schluessel.get()) == 1 &&
                        EVP_DigestSign(ctx, reinterpret_cast<unsigned char*>(sig.data()), &n,
                                       reinterpret_cast<const unsigned char*>(daten.constData()),
                                       size_t(daten.size())) == 1;
        EVP_MD_CTX_free(ctx);
        return ok ? sig : QByteArray();
    }

private:
    struct Frei {
        void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
    };
    std::unique_ptr<EVP_PKEY, Frei> m_schluessel;
};

}  // namespace zelmo::test
