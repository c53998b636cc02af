// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The HTTPS requests of the update path against a local server: what they fetch, and every way a
// server or network can make them fail (redirects, cookies, sizes, certificates, slowness, silence).

#include <QBuffer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include "net/abruf.h"
#include "net/testserver.h"

using namespace zelmo;
using Art = net::NetzFehler::Art;

class AbrufTest : public QObject {
    Q_OBJECT
    test::HttpsTestserver server;
    std::unique_ptr<net::Netzzugang> zugang;

    // Runs one request to its end; exactly one fertig().
    net::Abruf* hole(const QString& pfad, QIODevice* ziel = nullptr, qint64 hoechstens = 1 << 20, int gesamtMs = 0) {
        net::Abruf* a = zugang->hole(pfad, ziel, hoechstens, gesamtMs);
        QSignalSpy fertig(a, &net::Abruf::fertig);
        if (!fertig.wait(20000)) qFatal("request did not end");
        QTest::qWait(20);
        if (fertig.size() != 1) qFatal("fertig() %d times", int(fertig.size()));
        return a;
    }
    static QByteArray kopfzeile(const QByteArray& anfrage, const QByteArray& name) {
        for (const QByteArray& z : anfrage.split('\n'))
            if (z.toLower().startsWith(name.toLower() + ':')) return z.mid(name.size() + 1).trimmed();
        return {};
    }

private slots:
    void initTestCase() {
        // the desktop's proxy settings are used: none may stand between the test and its server
        for (const char* v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(v);
        QVERIFY2(server.starten(), qPrintable(server.fehler));
    }
    void init() {
        server.leeren();
        server.abrufe();
        zugang = std::make_unique<net::Netzzugang>();
        zugang->basis = server.basis();
        zugang->zertifikate = server.zertifikate();
    }

    void textUndKoepfe() {
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), "122");
        net::Abruf* a = hole(QStringLiteral("/Uploads/Version_Zelmos.txt"));
        QVERIFY2(!a->fehler(), qPrintable(a->fehler().text));
        QCOMPARE(a->daten(), QByteArray("122"));
        const auto anfragen = server.anfragen();
        QCOMPARE(anfragen.size(), 1);
        QVERIFY(anfragen[0].startsWith("GET /Uploads/Version_Zelmos.txt HTTP/1.1\r\n"));
        QCOMPARE(kopfzeile(anfragen[0], "Accept"),
                 QByteArray("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
        QCOMPARE(kopfzeile(anfragen[0], "User-Agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
        QCOMPARE(zugang->url(QStringLiteral("/a")).toString(), server.basis() + QStringLiteral("/a"));
    }

    void dateiMitFortschritt() {
        QByteArray inhalt(600000, Qt::Uninitialized);
        for (int i = 0; i < inhalt.size(); ++i) inhalt[i] = char(i * 7);
        server.antwort(QStringLiteral("/Uploads/gross.bin"), inhalt);
        QBuffer ziel;
        ziel.open(QIODevice::WriteOnly);
        net::Abruf* a = zugang->hole(QStringLiteral("/Uploads/gross.bin"), &ziel, 1 << 20);
        QList<QPair<qint64, qint64>> stand;
        connect(a, &net::Abruf::fortschritt, [&](qint64 b, qint64 e) { stand << qMakePair(b, e); });
        QSignalSpy fertig(a, &net::Abruf::fertig);
        QVERIFY(fertig.wait(20000));
        QVERIFY2(!a->fehler(), qPrintable(a->fehler().text));
        QCOMPARE(ziel.data(), inhalt);
        QVERIFY(a->daten().isEmpty());
        QVERIFY(stand.size() > 2);
        QCOMPARE(stand.first(), qMakePair(qint64(0), qint64(inhalt.size())));
        QCOMPARE(stand.last(), qMakePair(qint64(inhalt.size()), qint64(inhalt.size())));
    }

    void keineKekse() {
        test::Antwort mitKeks;
        mitKeks.koepfe = "Set-Cookie: sitzung=42; Path=/; Secure\r\n";
        mitKeks.inhalt = "122";
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), mitKeks);
        server.antwort(QStringLiteral("/Uploads/zwei"), "ok");
        QVERIFY(!hole(QStringLiteral("/Uploads/Version_Zelmos.txt"))->fehler());
        QVERIFY(!hole(QStringLiteral("/Uploads/zwei"))->fehler());
        const auto anfragen = server.anfragen();
        QCOMPARE(anfragen.size(), 2);
        QVERIFY(kopfzeile(anfragen[1], "Cookie").isEmpty());
    }

    void fehler_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("koepfe");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("technik");
        const QByteArray ort = "Location: ";
        QTest::newRow("nach http") << 301 << ort + "http://127.0.0.1:1/Uploads/Version_Zelmos.txt\r\n"
                                   << int(Art::Weiterleitung) << "HTTP 301, Ziel: http://127.0.0.1:1/";
        QTest::newRow("anderer Host") << 302 << ort + "https://localhost:1/x\r\n" << int(Art::Weiterleitung)
                                      << "Ziel: https://localhost:1/x";
        QTest::newRow("selber Host") << 307 << ort + "/Uploads/anders.txt\r\n" << int(Art::Weiterleitung) << "HTTP 307";
        QTest::newRow("404") << 404 << QByteArray() << int(Art::HttpStatus) << "HTTP 404 Not Found";
        QTest::newRow("500") << 500 << QByteArray() << int(Art::HttpStatus) << "HTTP 500 Not Found";
    }
    void fehler() {
        QFETCH(int, status);
        QFETCH(QByteArray, koepfe);
        QFETCH(int, art);
        QFETCH(QString, technik);
        test::Antwort a;
        a.status = status;
        a.grund = "Not Found";
        a.koepfe = koepfe;
        a.inhalt = "<html>Fehlerseite</html>";
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), a);
        server.antwort(QStringLiteral("/Uploads/anders.txt"), "122");
        QBuffer ziel;
        ziel.open(QIODevice::WriteOnly);
        net::Abruf* r = hole(QStringLiteral("/Uploads/Version_Zelmos.txt"), &ziel);
        QCOMPARE(int(r->fehler().art), art);
        QCOMPARE(r->fehler().httpStatus, art == int(Art::HttpStatus) ? status : 0);
        QVERIFY2(r->fehler().text.startsWith(net::netzText(Art(art))), qPrintable(r->fehler().text));
        QVERIFY2(r->fehler().text.contains(technik), qPrintable(r->fehler().text));
        QVERIFY(ziel.data().isEmpty());  // the error page does not end up in the file
        QCOMPARE(server.abrufe(), QStringList{QStringLiteral("/Uploads/Version_Zelmos.txt")});  // nothing followed
    }

    void nurHttps() {
        zugang->basis = QStringLiteral("http://127.0.0.1:%1").arg(server.port());
        net::Abruf* a = hole(QStringLiteral("/Uploads/Version_Zelmos.txt"));
        QCOMPARE(a->fehler().art, Art::NurHttps);
        QCOMPARE(a->fehler().text,
                 QStringLiteral("Der Update-Server ist nur über eine verschlüsselte Verbindung (https) erlaubt."));
        QVERIFY(server.abrufe().isEmpty());
    }

    void zuGross() {
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), QByteArray(65, '1'));
        net::Abruf* a = hole(QStringLiteral("/Uploads/Version_Zelmos.txt"), nullptr, 64);
        QCOMPARE(a->fehler().art, Art::ZuGross);
        QVERIFY(a->daten().isEmpty());
        // without an announced length: the transfer stops at the limit
        test::Antwort endlos;
        endlos.endlos = true;
        endlos.inhalt = QByteArray(16 * 1024, 'e');
        endlos.tropfenMs = 1;
        server.antwort(QStringLiteral("/Uploads/endlos.zip"), endlos);
        QBuffer ziel;
        ziel.open(QIODevice::WriteOnly);
        a = hole(QStringLiteral("/Uploads/endlos.zip"), &ziel, 1 << 20);
        QCOMPARE(a->fehler().art, Art::ZuGross);
        QVERIFY(ziel.data().size() <= 1 << 20);
        QVERIFY2(a->fehler().text.startsWith(QStringLiteral("Die Datei vom Update-Server ist größer als erlaubt.")),
                 qPrintable(a->fehler().text));
        QTRY_COMPARE(server.offeneSendungen(), 0);  // the connection is closed, the server stops sending
    }

    void zertifikatWirdGeprueft() {
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), "122");
        zugang->zertifikate.clear();  // the system's authorities do not know the test's certificate
        net::Abruf* a = hole(QStringLiteral("/Uploads/Version_Zelmos.txt"));
        QCOMPARE(a->fehler().art, Art::Zertifikat);
        QVERIFY2(a->fehler().text.startsWith(QStringLiteral("Das Zertifikat des Update-Servers wurde nicht anerkannt.")),
                 qPrintable(a->fehler().text));
        // a name the certificate does not carry
        zugang->zertifikate = server.zertifikate();
        zugang->basis = QStringLiteral("https://localhost:%1").arg(server.port());
        a = hole(QStringLiteral("/Uploads/Version_Zelmos.txt"));
        QCOMPARE(a->fehler().art, Art::Zertifikat);
        QVERIFY(server.abrufe().isEmpty());
    }

    void keineVerbindung() {
        int frei;
        {
            QTcpServer belegt;
            QVERIFY(belegt.listen(QHostAddress::LocalHost));
            frei = belegt.serverPort();
        }
        zugang->basis = QStringLiteral("https://127.0.0.1:%1").arg(frei);
        net::Abruf* a = hole(QStringLiteral("/x"));
        QCOMPARE(a->fehler().art, Art::KeineVerbindung);
        QVERIFY2(a->fehler().text.startsWith(QStringLiteral("Keine Verbindung zum Update-Server.")),
                 qPrintable(a->fehler().text));
    }

    void zeitueberschreitung_data() {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("technik");
        QTest::newRow("stummer Server") << "stumm" << "Keine Verbindung innerhalb von 0,3 s.";
        QTest::newRow("tröpfelnder Server") << "tropfen" << "weniger als 1024 Bytes/s in 1 s";
        QTest::newRow("ganze Prüfung") << "gesamt" << "Keine vollständige Antwort innerhalb von 0,8 s.";
    }
    void zeitueberschreitung() {
        QFETCH(QString, fall);
        QFETCH(QString, technik);
        zugang->grenzen.verbinden = 300;
        zugang->grenzen.langsam = 1000;
        // accepts the connection and never says a word: TLS never starts
        QTcpServer stumm;
        QVERIFY(stumm.listen(QHostAddress::LocalHost));
        if (fall == QStringLiteral("stumm")) zugang->basis = QStringLiteral("https://127.0.0.1:%1").arg(stumm.serverPort());
        if (fall == QStringLiteral("gesamt")) zugang->grenzen.mindestRate = 0;
        test::Antwort tropfen;
        tropfen.inhalt = QByteArray(4000, '1');
        tropfen.tropfenBytes = 10;
        tropfen.tropfenMs = 100;
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), tropfen);
        net::Abruf* a = hole(QStringLiteral("/Uploads/Version_Zelmos.txt"), nullptr, 1 << 20,
                             fall == QStringLiteral("gesamt") ? 800 : 0);
        QCOMPARE(a->fehler().art, Art::Zeitueberschreitung);
        QVERIFY2(a->fehler().text.startsWith(
                     QStringLiteral("Der Update-Server antwortet zu langsam. Die Verbindung wurde abgebrochen.")),
                 qPrintable(a->fehler().text));
        QVERIFY2(a->fehler().text.contains(technik), qPrintable(a->fehler().text));
        QTRY_COMPARE(server.offeneSendungen(), 0);
    }

    void abbrechen() {
        test::Antwort endlos;
        endlos.endlos = true;
        endlos.inhalt = QByteArray(4096, 'e');
        endlos.tropfenMs = 5;
        server.antwort(QStringLiteral("/Uploads/endlos.zip"), endlos);
        QBuffer ziel;
        ziel.open(QIODevice::WriteOnly);
        net::Abruf* a = zugang->hole(QStringLiteral("/Uploads/endlos.zip"), &ziel, qint64(1) << 40);
        QSignalSpy fertig(a, &net::Abruf::fertig);
        QSignalSpy fortschritt(a, &net::Abruf::fortschritt);
        QTRY_VERIFY(fortschritt.size() > 3);
        a->abbrechen();
        QCOMPARE(fertig.size(), 1);
        QCOMPARE(a->fehler().art, Art::Abgebrochen);
        QCOMPARE(a->fehler().text, QStringLiteral("Der Download wurde abgebrochen."));
        const qint64 stand = ziel.data().size();
        QTest::qWait(100);
        QCOMPARE(ziel.data().size(), stand);  // nothing written after the end
        QCOMPARE(fertig.size(), 1);
        QTRY_COMPARE(server.offeneSendungen(), 0);
    }
};

QTEST_MAIN(AbrufTest)
#include "abruf_guitest.moc"
