// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A local HTTPS server for the update tests, on a free port of 127.0.0.1, in a thread of its own (so
// that it keeps serving while the window's thread is busy, and a stalled window shows as such).
// The certificate for 127.0.0.1 is made with the openssl command. Each path gets a prepared answer:
// status, extra header lines, a body sent at once, trickled a few bytes at a time, or without end.
// Nothing leaves the machine.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <memory>

namespace zelmo::test {

struct Antwort {
    int status = 200;
    QByteArray grund = "OK";
    QByteArray koepfe;     // further header lines, each ending in "\r\n"
    QByteArray inhalt;
    int tropfenBytes = 0;  // > 0: the body goes out this many bytes ...
    int tropfenMs = 0;     // ... every tropfenMs
    bool endlos = false;   // the body never ends (inhalt over and over, no length announced)
};

class HttpsTestserver {
public:
    HttpsTestserver() = default;
    ~HttpsTestserver() { stoppen(); }
    HttpsTestserver(const HttpsTestserver&) = delete;
    HttpsTestserver& operator=(const HttpsTestserver&) = delete;

    // Makes the certificate and starts the server; false (and fehler) when that fails.
    bool starten() {
        QProcess req;
        req.setWorkingDirectory(m_ordner.path());
        req.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-days"), QStringLiteral("1"),
                   QStringLiteral("-keyout"), QStringLiteral("key.pem"), QStringLiteral("-out"),
                   QStringLiteral("cert.pem")});
        if (!req.waitForFinished(60000) || req.exitCode() != 0) {
            fehler = QStringLiteral("openssl req: ") + QString::fromLocal8Bit(req.readAllStandardError());
            return false;
        }
        QFile k(m_ordner.filePath(QStringLiteral("key.pem")));
        if (!k.open(QIODevice::ReadOnly)) return false;
        const QSslKey schluessel(&k, QSsl::Ec);
        m_zertifikate = QSslCertificate::fromPath(caDatei());
        if (schluessel.isNull() || m_zertifikate.isEmpty()) {
            fehler = QStringLiteral("certificate or key unreadable");
            return false;
        }
        m_faden = std::make_unique<QThread>();
        m_bediener = new Bediener(*this);
        m_bediener->moveToThread(m_faden.get());
        QObject::connect(m_faden.get(), &QThread::finished, m_bediener, &QObject::deleteLater);
        m_faden->start();
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(m_zertifikate.first());
        tls.setPrivateKey(schluessel);
        tls.setPeerVerifyMode(QSslSocket::VerifyNone);
        QMetaObject::invokeMethod(
            m_bediener, [this, tls] { m_port = m_bediener->lauschen(tls); }, Qt::BlockingQueuedConnection);
        if (m_port == 0) fehler = QStringLiteral("no port");
        return m_port != 0;
    }

    void stoppen() {
        if (!m_faden) return;
        m_faden->quit();
        m_faden->wait();
        m_faden.reset();
    }

    QString basis() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    int port() const { return m_port; }
    QString caDatei() const { return m_ordner.filePath(QStringLiteral("cert.pem")); }
    QList<QSslCertificate> zertifikate() const { return m_zertifikate; }

    void antwort(const QString& pfad, const Antwort& a) {
        QMutexLocker l(&m_sperre);
        m_antworten[pfad] = a;
    }
    // 200 with the body, or another status ("404 Not Found") with it.
    void antwort(const QString& pfad, const QByteArray& inhalt, int status = 200, const QByteArray& grund = "OK") {
        Antwort a;
        a.status = status;
        a.grund = grund;
        a.inhalt = inhalt;
        antwort(pfad, a);
    }
    void entfernen(const QString& pfad) {
        QMutexLocker l(&m_sperre);
        m_antworten.remove(pfad);
    }
    void leeren() {
        QMutexLocker l(&m_sperre);
        m_antworten.clear();
    }

    // The paths asked for since the last call ("/Uploads/Version_Zelmos.txt"), and the requests' heads.
    QStringList abrufe() {
        QMutexLocker l(&m_sperre);
        QStringList p;
        for (const QByteArray& k : m_anfragen) p << QString::fromLatin1(k.split(' ').value(1));
        m_anfragen.clear();
        return p;
    }
    QList<QByteArray> anfragen() {
        QMutexLocker l(&m_sperre);
        return m_anfragen;
    }
    // Connections still sending a body (a trickle or an endless one).
    int offeneSendungen() const { return m_offen.loadAcquire(); }

    QString fehler;

private:
    class Bediener : public QObject {
    public:
        explicit Bediener(HttpsTestserver& s) : m_s(s) {}
        int lauschen(const QSslConfiguration& tls) {
            m_server = new QSslServer(this);
            m_server->setSslConfiguration(tls);
            QObject::connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
                while (m_server->hasPendingConnections())
                    bedienen(static_cast<QSslSocket*>(m_server->nextPendingConnection()));
            });
            return m_server->listen(QHostAddress::LocalHost, 0) ? m_server->serverPort() : 0;
        }

    private:
        void bedienen(QSslSocket* s) {
            auto* kopf = new QByteArray;
            QObject::connect(s, &QObject::destroyed, [kopf] { delete kopf; });
            QObject::connect(s, &QAbstractSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QIODevice::readyRead, s, [this, s, kopf] {
                if (kopf->contains("\r\n\r\n")) return;
                *kopf += s->readAll();
                if (!kopf->contains("\r\n\r\n")) return;
                const QByteArray zeile = kopf->left(kopf->indexOf("\r\n"));
                const QString pfad = QString::fromLatin1(zeile.split(' ').value(1));
                Antwort a;
                bool da;
                {
                    QMutexLocker l(&m_s.m_sperre);
                    m_s.m_anfragen << *kopf;
                    da = m_s.m_antworten.contains(pfad);
                    if (da) a = m_s.m_antworten.value(pfad);
                }
                if (!da) {
                    a.status = 404;
                    a.grund = "Not Found";
                    a.inhalt = "<html>nicht gefunden</html>";
                }
                senden(s, a);
            });
        }

        void senden(QSslSocket* s, const Antwort& a) {
            QByteArray k = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + a.grund + "\r\n" + a.koepfe +
                           "Content-Type: application/octet-stream\r\nConnection: close\r\n";
            if (!a.endlos) k += "Content-Length: " + QByteArray::number(a.inhalt.size()) + "\r\n";
            s->write(k + "\r\n");
            if (!a.endlos && a.tropfenBytes <= 0) {
                s->write(a.inhalt);
                s->disconnectFromHost();
                return;
            }
            m_s.m_offen.ref();
            QObject::connect(s, &QObject::destroyed, [o = &m_s.m_offen] { o->deref(); });
            auto* uhr = new QTimer(s);
            auto gesendet = std::make_shared<qsizetype>(0);
            QObject::connect(uhr, &QTimer::timeout, s, [s, a, gesendet, uhr] {
                if (s->state() != QAbstractSocket::ConnectedState) {
                    uhr->stop();
                    return;
                }
                if (a.endlos) {
                    if (s->encryptedBytesToWrite() + s->bytesToWrite() < 256 * 1024)
                        s->write(a.tropfenBytes > 0 ? a.inhalt.left(a.tropfenBytes) : a.inhalt);
                    return;
                }
                const QByteArray stueck = a.inhalt.mid(*gesendet, a.tropfenBytes);
                s->write(stueck);
                *gesendet += stueck.size();
                if (*gesendet >= a.inhalt.size()) {
                    uhr->stop();
                    s->disconnectFromHost();
                }
            });
            uhr->start(a.tropfenMs);
        }

        HttpsTestserver& m_s;
        QSslServer* m_server = nullptr;
    };

    QTemporaryDir m_ordner;
    std::unique_ptr<QThread> m_faden;
    Bediener* m_bediener = nullptr;
    QList<QSslCertificate> m_zertifikate;
    int m_port = 0;
    QMutex m_sperre;
    QHash<QString, Antwort> m_antworten;
    QList<QByteArray> m_anfragen;
    QAtomicInt m_offen;
};

}  // namespace zelmo::test
