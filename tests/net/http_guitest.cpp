// The HTTP(S) client against local servers: the HTTPS test server for TLS, status codes and
// downloads, and a plain socket server that shows the requests as they arrive.

#include <QBuffer>
#include <QTest>
#include <arpa/inet.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "net/http.h"
#include "net/testserver.h"

using namespace zelmo;

namespace {
// Answers connections one after the other with the given answers and keeps the requests.
class KlartextServer {
public:
    explicit KlartextServer(std::vector<QByteArray> antworten) : m_antworten(std::move(antworten)) {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(m_fd, 4);
        socklen_t l = sizeof a;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &l);
        m_port = ntohs(a.sin_port);
        m_faden = std::thread([this] {
            for (const QByteArray& antwort : m_antworten) {
                const int c = ::accept(m_fd, nullptr, nullptr);
                if (c < 0) return;
                QByteArray anfrage;
                char puffer[4096];
                while (!anfrage.contains("\r\n\r\n")) {
                    const ssize_t n = ::read(c, puffer, sizeof puffer);
                    if (n <= 0) break;
                    anfrage.append(puffer, n);
                }
                {
                    std::lock_guard<std::mutex> sperre(m_sperre);
                    m_anfragen.push_back(anfrage);
                }
                (void)!::write(c, antwort.constData(), size_t(antwort.size()));
                ::close(c);
            }
        });
    }
    ~KlartextServer() {
        ::shutdown(m_fd, SHUT_RDWR);
        ::close(m_fd);
        m_faden.join();
    }
    QString basis() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    std::vector<QByteArray> anfragen() {
        std::lock_guard<std::mutex> sperre(m_sperre);
        return m_anfragen;
    }

private:
    std::vector<QByteArray> m_antworten;
    std::vector<QByteArray> m_anfragen;
    std::mutex m_sperre;
    std::thread m_faden;
    int m_fd = -1;
    int m_port = 0;
};

QByteArray kopfzeile(const QByteArray& anfrage, const QByteArray& name) {
    for (const QByteArray& z : anfrage.split('\n'))
        if (z.toLower().startsWith(name.toLower() + ':')) return z.mid(name.size() + 1).trimmed();
    return {};
}
}  // namespace

class HttpTest : public QObject {
    Q_OBJECT
    test::HttpsTestserver server;
    net::HttpClient client;

private slots:
    void initTestCase() {
        QVERIFY2(server.starten(), qPrintable(server.fehler));
        client.setzeBasis(server.basis());
        client.setzeCaDatei(server.caDatei());
    }
    void cleanupTestCase() { server.stoppen(); }

    void textUndUrl() {
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), "122");
        QCOMPARE(client.holeText(QStringLiteral("/Uploads/Version_Zelmos.txt")), QStringLiteral("122"));
        QCOMPARE(client.url(QStringLiteral("/a")), server.basis() + QStringLiteral("/a"));
        net::HttpClient c;
        c.setzeBasis(QStringLiteral("https://h.example/"));
        QCOMPARE(c.url(QStringLiteral("/a")), QStringLiteral("https://h.example/a"));
        QCOMPARE(c.url(QStringLiteral("a")), QStringLiteral("https://h.example/a"));
    }

    void dateiMitFortschritt() {
        QByteArray inhalt(200000, Qt::Uninitialized);
        for (int i = 0; i < inhalt.size(); ++i) inhalt[i] = char(i * 7);
        server.antwort(QStringLiteral("/Uploads/gross.bin"), inhalt);
        QBuffer ziel;
        ziel.open(QIODevice::WriteOnly);
        QList<qint64> beginn, laufend;
        int ende = 0;
        net::Fortschritt f{[&](qint64 n) { beginn << n; }, [&](qint64 n) { laufend << n; }, [&] { ++ende; }};
        client.holeDatei(QStringLiteral("/Uploads/gross.bin"), ziel, f);
        QCOMPARE(ziel.data(), inhalt);
        QCOMPARE(beginn, QList<qint64>{inhalt.size()});
        QVERIFY(laufend.size() > 1);
        QVERIFY(std::is_sorted(laufend.begin(), laufend.end()));
        QCOMPARE(laufend.last(), qint64(inhalt.size()));
        QCOMPARE(ende, 1);
    }

    void fehlerstatusTraegtDenCode() {
        server.antwort(QStringLiteral("/Uploads/fehlt.zip"), "nicht da", "HTTP/1.0 404 Not Found");
        QBuffer ziel;
        ziel.open(QIODevice::WriteOnly);
        int berichte = 0;
        net::Fortschritt f{[&](qint64) { ++berichte; }, [&](qint64) { ++berichte; }, [&] { ++berichte; }};
        try {
            client.holeDatei(QStringLiteral("/Uploads/fehlt.zip"), ziel, f);
            QFAIL("no error");
        } catch (const net::ProtokollFehler& e) {
            QCOMPARE(e.status(), 404);
            QCOMPARE(e.text(), QStringLiteral("HTTP/1.0 404 Not Found"));
        }
        QVERIFY(ziel.data().isEmpty());  // the error page does not end up in the file
        QCOMPARE(berichte, 0);
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), "kaputt", "HTTP/1.0 500 Internal Server Error");
        try {
            client.holeText(QStringLiteral("/Uploads/Version_Zelmos.txt"));
            QFAIL("no error");
        } catch (const net::ProtokollFehler& e) {
            QCOMPARE(e.status(), 500);
        }
    }

    void zertifikatWirdGeprueft() {
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), "122");
        // without our CA file the self-signed certificate is not trusted
        net::HttpClient fremd;
        fremd.setzeBasis(server.basis());
        // a name the certificate does not carry, even with the CA file
        net::HttpClient falscherName;
        falscherName.setzeBasis(QStringLiteral("https://localhost:%1").arg(server.port()));
        falscherName.setzeCaDatei(server.caDatei());
        for (net::HttpClient* c : {&fremd, &falscherName}) {
            try {
                c->holeText(QStringLiteral("/Uploads/Version_Zelmos.txt"));
                QFAIL("certificate accepted");
            } catch (const net::VerbindungsFehler& e) {
                QVERIFY2(!e.text().isEmpty(), "no message");
            } catch (const net::HttpFehler& e) {
                QFAIL(qPrintable(QStringLiteral("wrong kind of error: ") + e.text()));
            }
        }
    }

    void keineVerbindung() {
        net::HttpClient c;
        {
            KlartextServer belegt({});  // a port that is free again once this closes
            c.setzeBasis(belegt.basis());
        }
        QVERIFY_THROWS_EXCEPTION(net::VerbindungsFehler, c.holeText(QStringLiteral("/x")));
    }

    void schreibfehler() {
        server.antwort(QStringLiteral("/Uploads/klein.bin"), "abc");
        QBuffer nurLesen;
        nurLesen.open(QIODevice::ReadOnly);
        try {
            client.holeDatei(QStringLiteral("/Uploads/klein.bin"), nurLesen);
            QFAIL("no error");
        } catch (const net::VerbindungsFehler& e) {
            QVERIFY2(e.text().startsWith(QStringLiteral("Fehler beim Schreiben der Datei")), qPrintable(e.text()));
        }
    }

    void kopfzeilenUndCookies() {
        KlartextServer s({"HTTP/1.1 200 OK\r\nSet-Cookie: sitzung=42; Path=/\r\nContent-Length: 3\r\n"
                          "Connection: close\r\n\r\n121",
                          "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok"});
        net::HttpClient c;
        c.setzeBasis(s.basis());
        QCOMPARE(c.holeText(QStringLiteral("/Uploads/Version_Zelmos.txt")), QStringLiteral("121"));
        QCOMPARE(c.holeText(QStringLiteral("/zwei")), QStringLiteral("ok"));
        const auto anfragen = s.anfragen();
        QCOMPARE(anfragen.size(), size_t(2));
        QVERIFY(anfragen[0].startsWith("GET /Uploads/Version_Zelmos.txt HTTP/1.1\r\n"));
        QCOMPARE(kopfzeile(anfragen[0], "Accept"),
                 QByteArray("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
        QCOMPARE(kopfzeile(anfragen[0], "User-Agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
        QVERIFY(kopfzeile(anfragen[0], "Cookie").isEmpty());
        QCOMPARE(kopfzeile(anfragen[1], "Cookie"), QByteArray("sitzung=42"));
    }
};

QTEST_GUILESS_MAIN(HttpTest)
#include "http_guitest.moc"
