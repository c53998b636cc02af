// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "net/freigabeschluessel.h"
#include "net/signatur.h"
#include "net/testzugang.h"
#include "support/gtest_qt.h"

using namespace zelmo::net;
using zelmo::test::Testschluessel;

TEST(Signatur, NurDieUnterschriftDesSchluesselsGilt) {
    const Testschluessel wir, andere;
    const QByteArray archiv = "PK\x03\x04 ein Archiv";
    const QByteArray sig = wir.signiere(archiv);
    ASSERT_EQ(sig.size(), 64);
    QByteArray veraendert = archiv;
    veraendert[5] = 'E';
    QByteArray kaputt = sig;
    kaputt[0] = char(kaputt[0] ^ 1);
    EXPECT_TRUE(signaturGueltig(archiv, sig, wir.oeffentlich()));
    EXPECT_FALSE(signaturGueltig(veraendert, sig, wir.oeffentlich()));          // tampered archive
    EXPECT_FALSE(signaturGueltig(archiv, andere.signiere(archiv), wir.oeffentlich()));  // another key
    EXPECT_FALSE(signaturGueltig(archiv, kaputt, wir.oeffentlich()));
    EXPECT_FALSE(signaturGueltig(archiv, sig.left(63), wir.oeffentlich()));
    EXPECT_FALSE(signaturGueltig(archiv, sig + 'x', wir.oeffentlich()));
    EXPECT_FALSE(signaturGueltig(archiv, QByteArray(), wir.oeffentlich()));
    EXPECT_FALSE(signaturGueltig(archiv, sig, QByteArray()));
    EXPECT_FALSE(signaturGueltig(archiv, sig, wir.oeffentlich().left(31)));
    // and the release keys compiled into the program accept none of them
    for (const Freigabeschluessel& k : freigabeSchluessel) {
        const QByteArray freigabe(reinterpret_cast<const char*>(k.data()), 32);
        EXPECT_NE(freigabe, wir.oeffentlich());
        EXPECT_FALSE(signaturGueltig(archiv, sig, freigabe));
    }
}
