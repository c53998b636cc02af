// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The signed release record: its exact bytes, what the program refuses, and the release tool.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <limits>

#include "net/freigabe.h"
#include "net/freigabeschluessel.h"
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
Dateipruefsumme summe(const QByteArray& archiv) {
    return {QCryptographicHash::hash(archiv, QCryptographicHash::Sha256), archiv.size()};
}
const QString keineSignatur =
    QStringLiteral("Das Update trägt keine gültige Signatur und wird aus Sicherheitsgründen nicht entpackt.");
QString nichtAngekuendigt(int version) {
    return QStringLiteral("Das Update ist nicht die angekündigte Version %1 und wird aus Sicherheitsgründen nicht "
                          "entpackt.")
        .arg(version);
}
}  // namespace

// The statement byte for byte, as a release tool in any language has to write it.
TEST(Freigabesatz, DieAussageByteFuerByte) {
    const QByteArray sha = QByteArray::fromHex("00112233445566778899aabbccddeeff0f1e2d3c4b5a69788796a5b4c3d2e1f0");
    const Freigabeangabe angabe{122, sha, 150023};
    const QByteArray erwartet = QByteArray("Zelmotron-Update\0" "122\n", 21) +
                                "00112233445566778899aabbccddeeff0f1e2d3c4b5a69788796a5b4c3d2e1f0\n150023\n";
    EXPECT_EQ(freigabeAussage(angabe), erwartet);
    EXPECT_EQ(leseFreigabeAussage(erwartet), angabe);
    // the largest record the program downloads holds the longest statement and its signature
    const QByteArray laengste = freigabeAussage({2147483647, sha, std::numeric_limits<qint64>::max()});
    EXPECT_EQ(laengste.size() + 64, maxFreigabesatz);
    EXPECT_EQ(leseFreigabeAussage(laengste), (Freigabeangabe{2147483647, sha, std::numeric_limits<qint64>::max()}));
}

TEST(Freigabesatz, NurDieGenaueFormIstEineAussage) {
    const QByteArray hex = QByteArray(64, 'a');
    const QByteArray p("Zelmotron-Update\0", 17);
    const struct {
        const char* fall;
        QByteArray aussage;
        bool gilt;
    } faelle[] = {
        {"gültig", p + "122\n" + hex + "\n5000\n", true},
        {"Größe 0", p + "1\n" + hex + "\n0\n", true},
        {"anderes Programm", QByteArray("Elmotron-Update\0", 16) + "122\n" + hex + "\n5000\n", false},
        {"Präfix ohne Nullbyte", "Zelmotron-Update122\n" + hex + "\n5000\n", false},
        {"Präfix mit Zeilenende", "Zelmotron-Update\n122\n" + hex + "\n5000\n", false},
        {"führende Null", p + "0122\n" + hex + "\n5000\n", false},
        {"Version 0", p + "0\n" + hex + "\n5000\n", false},
        {"Vorzeichen", p + "+122\n" + hex + "\n5000\n", false},
        {"Version über int", p + "2147483648\n" + hex + "\n5000\n", false},
        {"elf Stellen", p + "12345678901\n" + hex + "\n5000\n", false},
        {"Leerzeichen", p + "122 \n" + hex + "\n5000\n", false},
        {"Großbuchstaben", p + "122\n" + QByteArray(64, 'A') + "\n5000\n", false},
        {"63 Hexziffern", p + "122\n" + QByteArray(63, 'a') + "\n5000\n", false},
        {"65 Hexziffern", p + "122\n" + QByteArray(65, 'a') + "\n5000\n", false},
        {"keine Hexziffer", p + "122\n" + QByteArray(63, 'a') + "g\n5000\n", false},
        {"Größe mit Null", p + "122\n" + hex + "\n05000\n", false},
        {"Größe negativ", p + "122\n" + hex + "\n-5000\n", false},
        {"Größe über qint64", p + "122\n" + hex + "\n9223372036854775808\n", false},
        {"ohne letztes Zeilenende", p + "122\n" + hex + "\n5000", false},
        {"CR LF", p + "122\r\n" + hex + "\r\n5000\r\n", false},
        {"ein Feld mehr", p + "122\n" + hex + "\n5000\n7\n", false},
        {"leere Zeile am Ende", p + "122\n" + hex + "\n5000\n\n", false},
        {"ein Feld weniger", p + "122\n" + hex + "\n", false},
        {"leer", QByteArray(), false},
    };
    for (const auto& f : faelle) EXPECT_EQ(leseFreigabeAussage(f.aussage).has_value(), f.gilt) << f.fall;
}

// What is unpacked: only a record signed by a trusted key, naming this archive as the announced
// version, newer than the running one.
TEST(Freigabesatz, PruefungVorDemEntpacken) {
    const Testschluessel heute, naechster, ausgemustert;
    const QList<QByteArray> liste{heute.oeffentlich(), naechster.oeffentlich()};
    const QByteArray archiv = "PK\x03\x04 Version 122";
    const QByteArray anderes = "PK\x03\x04 Version 123";  // same size, other bytes
    const QByteArray satz = heute.freigabe(archiv, 122);
    QByteArray umgeschrieben = satz;  // the signed version changed afterwards
    umgeschrieben[umgeschrieben.indexOf("122\n")] = '3';
    const struct {
        const char* fall;
        QByteArray satz;
        QByteArray archiv;
        int angekuendigt;
        QString meldung;  // empty: may be unpacked
        QString grund;
    } faelle[] = {
        {"echt", satz, archiv, 122, {}, {}},
        {"vom nächsten Schlüssel", naechster.freigabe(archiv, 122), archiv, 122, {}, {}},
        {"ausgemusterter Schlüssel", ausgemustert.freigabe(archiv, 122), archiv, 122, keineSignatur,
         QStringLiteral("(Sie stammt von keinem Freigabeschlüssel dieses Programms, oder die signierte Angabe wurde "
                        "verändert.)")},
        {"ältere Version als neuere angeboten", satz, archiv, 123, nichtAngekuendigt(123),
         QStringLiteral("(Es ist als Version 122 signiert.)")},
        {"neuere als ältere angeboten", heute.freigabe(archiv, 124), archiv, 122, nichtAngekuendigt(122),
         QStringLiteral("(Es ist als Version 124 signiert.)")},
        {"anderes Programm", heute.freigabe(archiv, 122, "Elmotron-Update"), archiv, 122, nichtAngekuendigt(122),
         QStringLiteral("(Es ist für ein anderes Programm signiert.)")},
        {"Präfix ohne Trennung", heute.freigabe(archiv, 122, "Zelmotron-Updat"), archiv, 122,
         nichtAngekuendigt(122), QStringLiteral("(Es ist für ein anderes Programm signiert.)")},
        {"für ein anderes Archiv", satz, anderes, 122, nichtAngekuendigt(122),
         QStringLiteral("(Die Prüfsumme des Archivs ist nicht die signierte.)")},
        {"Archiv verlängert", satz, archiv + 'x', 122, nichtAngekuendigt(122),
         QStringLiteral("(Das Archiv hat 17 Bytes, signiert sind 16 Bytes.)")},
        {"Archiv gekürzt", satz, archiv.chopped(1), 122, nichtAngekuendigt(122),
         QStringLiteral("(Das Archiv hat 15 Bytes, signiert sind 16 Bytes.)")},
        {"nicht neuer als dieses Programm", heute.freigabe(archiv, 121), archiv, 121, nichtAngekuendigt(121),
         QStringLiteral("(Version 121 ist nicht neuer als diese Programmversion 121.)")},
        {"Angabe nach dem Signieren verändert", umgeschrieben, archiv, 123, keineSignatur, {}},
        {"Signatur des Archivs allein", heute.signiere(archiv), archiv, 122, keineSignatur,
         QStringLiteral("(Die Signaturdatei hat 64 Bytes; eine gültige hat 150 bis 177.)")},
        {"Signatur doppelt", satz + satz.right(64), archiv, 122, keineSignatur, {}},
        {"zu lang", QByteArray(178, 'x'), archiv, 122, keineSignatur,
         QStringLiteral("(Die Signaturdatei hat 178 Bytes; eine gültige hat 150 bis 177.)")},
        {"leer", QByteArray(), archiv, 122, keineSignatur, {}},
    };
    for (const auto& f : faelle) {
        const QString m = pruefeFreigabe(f.satz, summe(f.archiv), f.angekuendigt, 121, liste);
        if (f.meldung.isEmpty()) {
            EXPECT_EQ(m, QString()) << f.fall;
        } else {
            EXPECT_TRUE(m.startsWith(f.meldung + QStringLiteral("\r\r("))) << f.fall << ": " << m.toStdString();
            EXPECT_TRUE(m.endsWith(f.grund)) << f.fall << ": " << m.toStdString();
        }
    }
    // a key dropped from the list: what it signed no longer passes
    EXPECT_EQ(pruefeFreigabe(satz, summe(archiv), 122, 121, {heute.oeffentlich()}), QString());
    EXPECT_TRUE(pruefeFreigabe(satz, summe(archiv), 122, 121, {naechster.oeffentlich()}).startsWith(keineSignatur));
    EXPECT_TRUE(pruefeFreigabe(satz, summe(archiv), 122, 121, {}).startsWith(keineSignatur));
    // the shipped list: today's key and at most the next one, 32 bytes each, no test key among them
    ASSERT_GE(std::size(freigabeSchluessel), 1u);
    ASSERT_LE(std::size(freigabeSchluessel), 2u);
    QList<QByteArray> geliefert;
    for (const Freigabeschluessel& k : freigabeSchluessel) geliefert << QByteArray(reinterpret_cast<const char*>(k.data()), 32);
    EXPECT_TRUE(pruefeFreigabe(satz, summe(archiv), 122, 121, geliefert).startsWith(keineSignatur));
}

TEST(Freigabesatz, PruefsummeDerDatei) {
    QTemporaryDir tmp;
    const QString datei = tmp.filePath(QStringLiteral("a.zip"));
    // across the block size of the reader, and empty
    for (const QByteArray& inhalt : {QByteArray(), QByteArray(3 * 1024 * 1024 + 1, 'z'), QByteArray("kurz")}) {
        schreibe(datei, inhalt);
        QString grund;
        const std::optional<Dateipruefsumme> s = sha256Datei(datei, &grund);
        ASSERT_TRUE(s) << grund.toStdString();
        EXPECT_EQ(s->sha256, QCryptographicHash::hash(inhalt, QCryptographicHash::Sha256));
        EXPECT_EQ(s->groesse, inhalt.size());
    }
    QString grund;
    EXPECT_FALSE(sha256Datei(tmp.filePath(QStringLiteral("fehlt.zip")), &grund));
    EXPECT_FALSE(grund.isEmpty());
    int bloecke = 0;
    EXPECT_FALSE(sha256Datei(datei, nullptr, [&bloecke] { return ++bloecke > 1; }));
}

// The release tool writes the record the program accepts, byte for byte the documented form, and checks it.
TEST(Freigabesatz, DasWerkzeugSigniertWasDasProgrammPrueft) {
    QTemporaryDir tmp;
    const QString ordner = tmp.filePath(QStringLiteral("schluessel"));
    const QString archiv = tmp.filePath(QStringLiteral("Zel-mosV122.zip"));
    const QByteArray inhalt(100000, 'r');
    schreibe(archiv, inhalt);
    QString ausgabe;
    const auto werkzeug = [&ausgabe](const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(ZELMO_FREIGABE_WERKZEUG), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        ausgabe = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    const QString privat = ordner + QStringLiteral("/freigabe_privat.pem");
    const QString oeffentlich = ordner + QStringLiteral("/freigabe_oeffentlich.pem");
    ASSERT_EQ(werkzeug({QStringLiteral("schluessel"), ordner}), 0) << ausgabe.toStdString();
    EXPECT_EQ(QFile::permissions(privat) & 0x0077, 0) << "the private key is for its owner only";
    EXPECT_NE(werkzeug({QStringLiteral("schluessel"), ordner}), 0) << "an existing folder is not overwritten";

    // the entry for the key list, as it goes into net/freigabeschluessel.h
    const QByteArray eintrag = lies(ordner + QStringLiteral("/freigabeschluessel.txt"));
    ASSERT_TRUE(eintrag.trimmed().startsWith("Freigabeschluessel{0x")) << eintrag.constData();
    ASSERT_TRUE(eintrag.trimmed().endsWith("},")) << eintrag.constData();
    QByteArray schluessel;
    for (const QByteArray& teil : eintrag.mid(eintrag.indexOf('{') + 1, eintrag.indexOf('}') - eintrag.indexOf('{') - 1).split(','))
        schluessel += char(teil.trimmed().toUInt(nullptr, 16));
    ASSERT_EQ(schluessel.size(), 32);

    ASSERT_EQ(werkzeug({QStringLiteral("signieren"), privat, archiv, QStringLiteral("122")}), 0) << ausgabe.toStdString();
    const QByteArray satz = lies(archiv + QStringLiteral(".sig"));
    const QByteArray aussage = QByteArray("Zelmotron-Update\0" "122\n", 21) +
                               QCryptographicHash::hash(inhalt, QCryptographicHash::Sha256).toHex() + "\n100000\n";
    ASSERT_EQ(satz.size(), aussage.size() + 64);
    EXPECT_EQ(satz.chopped(64), aussage);
    EXPECT_EQ(pruefeFreigabe(satz, summe(inhalt), 122, 121, {schluessel}), QString());
    EXPECT_EQ(werkzeug({QStringLiteral("pruefen"), oeffentlich, archiv, QStringLiteral("122")}), 0) << ausgabe.toStdString();

    // the tool's check refuses what the program refuses
    ASSERT_EQ(werkzeug({QStringLiteral("schluessel"), tmp.filePath(QStringLiteral("zweiter"))}), 0);
    const QString zweiterPem = tmp.filePath(QStringLiteral("zweiter/freigabe_oeffentlich.pem"));
    EXPECT_NE(werkzeug({QStringLiteral("pruefen"), zweiterPem, archiv, QStringLiteral("122")}), 0) << "another key";
    const QString als123 = tmp.filePath(QStringLiteral("Zel-mosV123.zip"));
    schreibe(als123, inhalt);
    schreibe(als123 + QStringLiteral(".sig"), satz);
    EXPECT_NE(werkzeug({QStringLiteral("pruefen"), oeffentlich, als123, QStringLiteral("123")}), 0)
        << "122 offered as 123";
    EXPECT_TRUE(ausgabe.contains(QStringLiteral("nicht für dieses Archiv als Version 123"))) << ausgabe.toStdString();
    schreibe(archiv, inhalt + 'x');
    EXPECT_NE(werkzeug({QStringLiteral("pruefen"), oeffentlich, archiv, QStringLiteral("122")}), 0) << "other archive";
    schreibe(archiv, inhalt);
    EXPECT_EQ(werkzeug({QStringLiteral("pruefen"), oeffentlich, archiv, QStringLiteral("122")}), 0);

    // what the tool does not sign
    const QByteArray vorher = lies(archiv + QStringLiteral(".sig"));
    for (const QStringList& args :
         {QStringList{QStringLiteral("signieren"), privat, archiv, QStringLiteral("0122")},
          QStringList{QStringLiteral("signieren"), privat, archiv, QStringLiteral("123")},  // name and version differ
          QStringList{QStringLiteral("signieren"), privat, archiv, QStringLiteral("2147483648")},
          QStringList{QStringLiteral("signieren"), privat, archiv},
          QStringList{QStringLiteral("signieren"), oeffentlich, archiv, QStringLiteral("122")}}) {
        EXPECT_NE(werkzeug(args), 0) << args.join(u' ').toStdString();
        EXPECT_FALSE(ausgabe.isEmpty());
    }
    EXPECT_EQ(lies(archiv + QStringLiteral(".sig")), vorher) << "a refused call leaves the record as it was";
}
