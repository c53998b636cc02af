// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The limits of the update path at their edges: the values the program ships with, each limit taken
// exactly (accepted) and by one more (refused), the length of a public key, and every redirect status,
// against a local HTTPS server.

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <zip.h>

#include "net/aktualisierer.h"
#include "net/aktualisierung.h"
#include "net/freigabeschluessel.h"
#include "net/signatur.h"
#include "net/testserver.h"
#include "net/testzugang.h"
#include "net/updategrenzen.h"
#include "net/zipbau.h"
#include "net/zipentpacken.h"

using namespace zelmo;
using Art = net::NetzFehler::Art;

namespace {

QByteArray zufall(qsizetype n, quint32 saat) {
    QByteArray b(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i) {
        saat = saat * 1664525u + 1013904223u;
        b[i] = char(saat >> 24);
    }
    return b;
}

int dateienIn(const QString& ordner) {
    int n = 0;
    QDirIterator it(ordner, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

// Size and compressed size of an entry as the archive states them.
std::pair<qint64, qint64> groessen(const QString& archiv, const char* name) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(archiv).constData(), ZIP_RDONLY, &code);
    if (!z) return {-1, -1};
    zip_stat_t st;
    zip_stat_init(&st);
    const bool ok = zip_stat(z, name, 0, &st) == 0;
    zip_discard(z);
    return ok ? std::pair<qint64, qint64>{qint64(st.size), qint64(st.comp_size)} : std::pair<qint64, qint64>{-1, -1};
}

}  // namespace

class UpdategrenzenTest : public QObject {
    Q_OBJECT
    QTemporaryDir heim;
    test::HttpsTestserver server;

    // Unpacking the archive into a fresh folder: the error text, or empty when it was unpacked.
    static QString entpacke(const QString& archiv, const net::Entpackoptionen& o = {}, int* dateien = nullptr) {
        QTemporaryDir ziel;
        try {
            net::zipEntpacken(archiv, ziel.path(), o);
        } catch (const net::ZipFehler& f) {
            if (dateienIn(ziel.path()) != 0) return QStringLiteral("refused, but files were left");
            return f.text();
        }
        if (dateien) *dateien = dateienIn(ziel.path());
        return {};
    }

    std::unique_ptr<net::Aktualisierer> aktualisierer() {
        auto a = std::make_unique<net::Aktualisierer>();
        test::UpdateZugang::netz(*a).basis = server.basis();
        test::UpdateZugang::netz(*a).zertifikate = server.zertifikate();
        return a;
    }

private slots:
    void initTestCase() {
        for (const char* v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(v);
        QVERIFY(heim.isValid());
        qputenv("HOME", QFile::encodeName(heim.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(heim.filePath(QStringLiteral(".cache"))));
        QVERIFY(QStandardPaths::writableLocation(QStandardPaths::CacheLocation).startsWith(heim.path()));
        QVERIFY2(server.starten(), qPrintable(server.fehler));
    }
    void init() {
        server.leeren();
        server.abrufe();
    }

    // The limits the program ships with. A change of any of them must be a decision that changes this
    // table too; and every place that applies the limits starts from these values.
    void ausgelieferteGrenzen() {
        QCOMPARE(net::maxVersionsDatei, qint64(64));
        QCOMPARE(net::signaturLaenge, qint64(64));
        QCOMPARE(net::maxArchiv, qint64(256) * 1024 * 1024);
        QCOMPARE(net::maxEntpackt, qint64(1024) * 1024 * 1024);
        QCOMPARE(net::maxEintraege, 10000);
        QCOMPARE(net::maxVerhaeltnis, qint64(200));
        QCOMPARE(net::verhaeltnisFreigrenze, qint64(1024) * 1024);
        QCOMPARE(net::verbindenMs, 15000);
        QCOMPARE(net::mindestBytesProSekunde, qint64(1024));
        QCOMPARE(net::langsamMs, 30000);
        QCOMPARE(net::versionGesamtMs, 30000);

        auto a = aktualisierer();
        const net::Updategrenzen& g = test::UpdateZugang::netz(*a).grenzen;
        QCOMPARE(g.versionsDatei, net::maxVersionsDatei);
        QCOMPARE(g.archiv, net::maxArchiv);
        QCOMPARE(g.entpackt, net::maxEntpackt);
        QCOMPARE(g.eintraege, net::maxEintraege);
        QCOMPARE(g.verhaeltnis, net::maxVerhaeltnis);
        QCOMPARE(g.freigrenze, net::verhaeltnisFreigrenze);
        QCOMPARE(g.verbinden, net::verbindenMs);
        QCOMPARE(g.mindestRate, net::mindestBytesProSekunde);
        QCOMPARE(g.langsam, net::langsamMs);
        QCOMPARE(g.versionGesamt, net::versionGesamtMs);
        const net::Entpackoptionen o;
        QCOMPARE(o.entpackt, net::maxEntpackt);
        QCOMPARE(o.eintraege, net::maxEintraege);
        QCOMPARE(o.verhaeltnis, net::maxVerhaeltnis);
        QCOMPARE(o.freigrenze, net::verhaeltnisFreigrenze);
        // the release keys the program trusts are the compiled-in ones, 32 bytes each
        QList<QByteArray> freigabe;
        for (const auto& k : net::freigabeSchluessel) {
            freigabe << QByteArray(reinterpret_cast<const char*>(k.data()), qsizetype(k.size()));
            QCOMPARE(freigabe.back().size(), 32);
        }
        QCOMPARE(test::UpdateZugang::schluessel(*a), freigabe);
    }

    // A raw Ed25519 public key has exactly 32 bytes: a key one byte longer or shorter is refused, also
    // when its first 32 bytes are the right key.
    void schluesselHatGenau32Bytes() {
        const test::Testschluessel wir;
        const QByteArray archiv = zufall(5000, 7);
        const QByteArray sig = wir.signiere(archiv);
        const QByteArray k = wir.oeffentlich();
        QCOMPARE(k.size(), 32);
        const struct {
            const char* fall;
            QByteArray schluessel;
            bool gilt;
        } faelle[] = {
            {"32 Bytes", k, true},
            {"33 Bytes, Null dahinter", k + '\0', false},
            {"33 Bytes, Byte dahinter", k + 'x', false},
            {"31 Bytes", k.left(31), false},
            {"31 Bytes und eine Null", k.left(31) + '\0', false},
            {"64 Bytes", k + k, false},
            {"leer", QByteArray(), false},
        };
        for (const auto& f : faelle) {
            QVERIFY2(net::signaturGueltig(archiv, sig, f.schluessel) == f.gilt, f.fall);
        }
    }

    // Exactly the number of entries allowed is unpacked whole; one more is refused before any byte.
    void eintraegeAnDerGrenze() {
        const QString archiv = heim.filePath(QStringLiteral("viele.zip"));
        std::vector<test::ZipEintrag> viele;
        for (int i = 0; i < net::maxEintraege; ++i) viele.push_back({QStringLiteral("d%1").arg(i), "x"});
        QVERIFY(test::schreibeZip(archiv, viele));
        int dateien = 0;
        QCOMPARE(entpacke(archiv, {}, &dateien), QString());
        QCOMPARE(dateien, net::maxEintraege);
        viele.push_back({QStringLiteral("eine-mehr"), "x"});
        QVERIFY(test::schreibeZip(archiv, viele));
        QVERIFY(entpacke(archiv).endsWith(QStringLiteral("Es hat 10001 Einträge, erlaubt sind höchstens 10000.")));
        // the same with a limit of the test's own
        QVERIFY(test::schreibeZip(archiv, {viele.begin(), viele.begin() + 5}));
        net::Entpackoptionen o;
        o.eintraege = 5;
        QCOMPARE(entpacke(archiv, o), QString());
        o.eintraege = 4;
        QVERIFY(entpacke(archiv, o).endsWith(QStringLiteral("Es hat 5 Einträge, erlaubt sind höchstens 4.")));
    }

    // The bytes of all entries together: exactly the limit is unpacked, one byte more is refused.
    void groesseAnDerGrenze() {
        const QString archiv = heim.filePath(QStringLiteral("gross.zip"));
        QVERIFY(test::schreibeZip(archiv, {{QStringLiteral("a.bin"), zufall(300000, 1), 0644, 0, false, false},
                                           {QStringLiteral("b.bin"), zufall(200001, 2), 0644, 0, false, false}}));
        net::Entpackoptionen o;
        o.entpackt = 500001;
        QCOMPARE(entpacke(archiv, o), QString());
        o.entpackt = 500000;
        QVERIFY(entpacke(archiv, o).contains(QStringLiteral("Entpackt wäre es größer als")));
    }

    // An entry up to the free limit may pack as well as it likes; above it, an entry may inflate to
    // exactly the allowed multiple of its compressed size, not beyond.
    void verhaeltnisAnDerGrenze() {
        const QString archiv = heim.filePath(QStringLiteral("nullen.zip"));
        QVERIFY(test::schreibeZip(archiv, {{QStringLiteral("nullen.bin"), QByteArray(200000, '\0')}}));
        const auto [groesse, gepackt] = groessen(archiv, "nullen.bin");
        QCOMPARE(groesse, qint64(200000));
        QVERIFY2(gepackt > 0 && groesse / gepackt > 200, "zeros pack better than 200 to 1");
        net::Entpackoptionen o;
        o.freigrenze = groesse;
        QCOMPARE(entpacke(archiv, o), QString());
        o.freigrenze = groesse - 1;
        QVERIFY(entpacke(archiv, o).contains(QStringLiteral("mehr als das 200-fache")));
        // the multiple itself: groesse is more than floor(groesse / gepackt) times gepackt (zeros never
        // pack to an exact divisor here), and at most one more
        QVERIFY(groesse % gepackt != 0);
        o.freigrenze = 0;
        o.verhaeltnis = groesse / gepackt;
        QVERIFY(entpacke(archiv, o).contains(QStringLiteral("mehr als das %1-fache").arg(o.verhaeltnis)));
        o.verhaeltnis = groesse / gepackt + 1;
        QCOMPARE(entpacke(archiv, o), QString());
        // a stored entry inflates exactly once: allowed at the multiple 1
        QVERIFY(test::schreibeZip(archiv, {{QStringLiteral("roh.bin"), zufall(5000, 3), 0644, 0, false, false}}));
        QCOMPARE(groessen(archiv, "roh.bin"), (std::pair<qint64, qint64>{5000, 5000}));
        o.verhaeltnis = 1;
        QCOMPARE(entpacke(archiv, o), QString());
    }

    // The version file: 64 bytes are read, 65 are not, with the limits the program ships with.
    void versionsdateiAnDerGrenze() {
        auto a = aktualisierer();
        const QByteArray genau = "122" + QByteArray(net::maxVersionsDatei - 4, ' ') + '\n';
        QCOMPARE(genau.size(), net::maxVersionsDatei);
        for (const QByteArray& inhalt : {genau, genau + ' '}) {
            server.antwort(net::versionsDatei, inhalt);
            QSignalSpy geprueft(a.get(), &net::Aktualisierer::versionGeprueft);
            a->pruefeVersion();
            QVERIFY(geprueft.wait(20000));
            const bool erlaubt = inhalt.size() <= net::maxVersionsDatei;
            QCOMPARE(geprueft.at(0).at(0).toInt(), erlaubt ? 122 : 0);
            QCOMPARE(geprueft.at(0).at(1).toString(),
                     erlaubt ? QString()
                             : QStringLiteral("Die Versionsdatei des Update-Servers ist größer als 64 Bytes und wird "
                                              "nicht gelesen."));
        }
    }

    // An archive the server announces one byte larger than the shipped cap is refused as soon as its
    // head arrives; one of exactly the cap is taken in until it is cancelled.
    void archivAngekuendigtAnDerGrenze() {
        const QString pfad = net::archivPfad(122);
        for (const qint64 angekuendigt : {net::maxArchiv + 1, net::maxArchiv}) {
            test::Antwort riesig;
            riesig.koepfe = "Content-Length: " + QByteArray::number(angekuendigt) + "\r\n";
            riesig.endlos = true;  // the server's own length line stays out; the body never ends
            riesig.inhalt = QByteArray(16 * 1024, 'z');
            riesig.tropfenMs = 10;
            server.antwort(pfad, riesig);
            auto a = aktualisierer();
            QSignalSpy fortschritt(a.get(), &net::Aktualisierer::fortschritt);
            QSignalSpy geladen(a.get(), &net::Aktualisierer::heruntergeladen);
            a->ladeHerunter(122);
            const QString archiv = a->ordner() + net::archivName(122);
            if (angekuendigt > net::maxArchiv) {
                QVERIFY(geladen.wait(20000));
                const QString fehler = geladen.at(0).at(0).toString();
                QVERIFY2(fehler.startsWith(net::netzText(Art::ZuGross)), qPrintable(fehler));
                QVERIFY2(fehler.contains(QStringLiteral("angekündigt 268435457 Bytes, erlaubt 268435456 Bytes")),
                         qPrintable(fehler));
                QVERIFY(!QFileInfo::exists(archiv));
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(!fortschritt.isEmpty() && fortschritt.last().at(0).toLongLong() > 100000,
                                         20000);
                QCOMPARE(fortschritt.last().at(1).toLongLong(), net::maxArchiv);
                QVERIFY(geladen.isEmpty());
                QVERIFY(a->laedt());
                a->abbrechen();
            }
            QCOMPARE(server.abrufe(), QStringList{pfad});  // no signature asked for
            a.reset();
            QTRY_COMPARE(server.offeneSendungen(), 0);
        }
    }

    // Every redirect status is refused and its body is taken for nothing: not as the version, not as
    // the archive, not into the file of a request.
    void weiterleitungen_data() {
        QTest::addColumn<int>("status");
        for (int s = 300; s <= 308; ++s) QTest::newRow(qPrintable(QString::number(s))) << s;
    }
    void weiterleitungen() {
        QFETCH(int, status);
        test::Antwort um;
        um.status = status;
        um.grund = "Umgeleitet";
        um.koepfe = "Location: " + server.basis().toLatin1() + "/Uploads/anders\r\n";
        um.inhalt = "122";  // a body that would pass as a version
        server.antwort(net::versionsDatei, um);
        server.antwort(net::archivPfad(122), um);
        server.antwort(QStringLiteral("/Uploads/anders"), "122");

        // a request into a file
        net::Netzzugang zugang;
        zugang.basis = server.basis();
        zugang.zertifikate = server.zertifikate();
        QBuffer ziel;
        ziel.open(QIODevice::WriteOnly);
        net::Abruf* r = zugang.hole(net::versionsDatei, &ziel, 1 << 20);
        QSignalSpy fertig(r, &net::Abruf::fertig);
        QVERIFY(fertig.wait(20000));
        QCOMPARE(r->fehler().art, Art::Weiterleitung);
        QVERIFY2(r->fehler().text.contains(QStringLiteral("HTTP %1,").arg(status)), qPrintable(r->fehler().text));
        QCOMPARE(ziel.data(), QByteArray());
        QCOMPARE(r->daten(), QByteArray());
        QCOMPARE(r->empfangen(), qint64(0));

        // the version check
        auto a = aktualisierer();
        QSignalSpy geprueft(a.get(), &net::Aktualisierer::versionGeprueft);
        a->pruefeVersion();
        QVERIFY(geprueft.wait(20000));
        QCOMPARE(geprueft.at(0).at(0).toInt(), 0);
        QVERIFY2(geprueft.at(0).at(1).toString().startsWith(net::netzText(Art::Weiterleitung)),
                 qPrintable(geprueft.at(0).at(1).toString()));

        // the download: no file stays, no signature is asked for
        QSignalSpy geladen(a.get(), &net::Aktualisierer::heruntergeladen);
        a->ladeHerunter(122);
        QVERIFY(geladen.wait(20000));
        QVERIFY(geladen.at(0).at(0).toString().startsWith(net::netzText(Art::Weiterleitung)));
        QCOMPARE(geladen.at(0).at(1).toInt(), 0);
        QVERIFY(a->installer().isEmpty());
        QVERIFY(!QFileInfo::exists(a->ordner() + net::archivName(122)));
        QCOMPARE(server.abrufe(), (QStringList{net::versionsDatei, net::versionsDatei, net::archivPfad(122)}));
    }
};

QTEST_MAIN(UpdategrenzenTest)
#include "updategrenzen_guitest.moc"
