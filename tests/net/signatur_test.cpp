// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "net/freigabeschluessel.h"
#include "net/signatur.h"
#include "net/testzugang.h"
#include "support/gtest_qt.h"

using namespace zelmo::net;
using zelmo::test::Testschluessel;

namespace {
void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(inhalt);
}
QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

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
    // and the release key compiled into the program accepts none of them
    const QByteArray freigabe(reinterpret_cast<const char*>(freigabeSchluessel.data()), 32);
    EXPECT_NE(freigabe, wir.oeffentlich());
    EXPECT_FALSE(signaturGueltig(archiv, sig, freigabe));
}

TEST(Signatur, DateiUndLeereDatei) {
    QTemporaryDir tmp;
    const Testschluessel wir;
    const QString datei = tmp.filePath(QStringLiteral("a.zip"));
    for (const QByteArray& inhalt : {QByteArray(), QByteArray(3 * 1024 * 1024, 'z')}) {
        schreibe(datei, inhalt);
        QString grund;
        EXPECT_TRUE(signaturGueltig(datei, wir.signiere(inhalt), wir.oeffentlich(), &grund)) << grund.toStdString();
        EXPECT_FALSE(signaturGueltig(datei, wir.signiere(inhalt + 'x'), wir.oeffentlich(), &grund));
        EXPECT_EQ(grund, QStringLiteral("Die Signatur passt nicht zum Archiv."));
    }
    QString grund;
    EXPECT_FALSE(signaturGueltig(tmp.filePath(QStringLiteral("fehlt.zip")), QByteArray(64, 'a'), wir.oeffentlich(),
                                 &grund));
    EXPECT_FALSE(grund.isEmpty());
    EXPECT_FALSE(signaturGueltig(datei, QByteArray(10, 'a'), wir.oeffentlich(), &grund));
    EXPECT_EQ(grund, QStringLiteral("Die Signatur hat 10 statt 64 Bytes."));
}

// The release tool: a key pair, a signature the program accepts, a header with the public key.
TEST(Signatur, DasWerkzeugSigniertWasDasProgrammPrueft) {
    QTemporaryDir tmp;
    const QString ordner = tmp.filePath(QStringLiteral("schluessel"));
    const QString archiv = tmp.filePath(QStringLiteral("Zel-mosV122.zip"));
    schreibe(archiv, QByteArray(100000, 'r'));
    const auto werkzeug = [](const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(ZELMO_FREIGABE_WERKZEUG), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    ASSERT_EQ(werkzeug({QStringLiteral("schluessel"), ordner}), 0);
    EXPECT_EQ(QFile::permissions(ordner + QStringLiteral("/freigabe_privat.pem")) & 0x0077, 0)
        << "the private key is for its owner only";
    EXPECT_NE(werkzeug({QStringLiteral("schluessel"), ordner}), 0) << "an existing folder is not overwritten";
    ASSERT_EQ(werkzeug({QStringLiteral("signieren"), ordner + QStringLiteral("/freigabe_privat.pem"), archiv}), 0);
    const QByteArray sig = lies(archiv + QStringLiteral(".sig"));
    ASSERT_EQ(sig.size(), 64);
    EXPECT_EQ(werkzeug({QStringLiteral("pruefen"), ordner + QStringLiteral("/freigabe_oeffentlich.pem"), archiv}), 0);

    // the public key as the header carries it
    const QByteArray kopf = lies(ordner + QStringLiteral("/freigabeschluessel.h"));
    const qsizetype a = kopf.indexOf("{0x"), b = kopf.indexOf('}', a);
    ASSERT_GT(a, 0);
    QByteArray schluessel;
    for (const QByteArray& teil : kopf.mid(a + 1, b - a - 1).split(','))
        schluessel += char(teil.trimmed().toUInt(nullptr, 16));
    ASSERT_EQ(schluessel.size(), 32);
    EXPECT_TRUE(signaturGueltig(archiv, sig, schluessel));
    schreibe(archiv, QByteArray(100000, 's'));
    EXPECT_FALSE(signaturGueltig(archiv, sig, schluessel));
}
