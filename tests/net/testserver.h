#pragma once
// A local HTTPS server for the update tests: a certificate for 127.0.0.1 made with the openssl
// command, and "openssl s_server -HTTP" serving prepared answers from a temporary folder on a free
// port of 127.0.0.1. Nothing leaves the machine.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

namespace zelmo::test {

class HttpsTestserver {
public:
    HttpsTestserver() { QDir(m_ordner.path()).mkpath(QStringLiteral("www")); }
    ~HttpsTestserver() { stoppen(); }
    HttpsTestserver(const HttpsTestserver&) = delete;
    HttpsTestserver& operator=(const HttpsTestserver&) = delete;

    // Makes the certificate and starts the server; false (and fehler) when that fails.
    bool starten() {
        QProcess req;
        req.setWorkingDirectory(m_ordner.path());
        req.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-days"),
                   QStringLiteral("1"), QStringLiteral("-keyout"), QStringLiteral("key.pem"), QStringLiteral("-out"),
                   QStringLiteral("cert.pem")});
        if (!req.waitForFinished(60000) || req.exitCode() != 0) {
            fehler = QStringLiteral("openssl req: ") + QString::fromLocal8Bit(req.readAllStandardError());
            return false;
        }
        for (int versuch = 0; versuch < 20; ++versuch) {
            m_port = 20000 + int(QRandomGenerator::global()->bounded(40000));
            m_server.setWorkingDirectory(m_ordner.filePath(QStringLiteral("www")));
            m_server.setReadChannel(QProcess::StandardOutput);
            m_server.start(QStringLiteral("openssl"),
                           {QStringLiteral("s_server"), QStringLiteral("-accept"),
                            QStringLiteral("127.0.0.1:%1").arg(m_port), QStringLiteral("-cert"), caDatei(),
                            QStringLiteral("-key"), m_ordner.filePath(QStringLiteral("key.pem")),
                            QStringLiteral("-HTTP")});
            if (!m_server.waitForStarted(10000)) break;
            // it says ACCEPT once it listens, and ends at once when the port is taken
            QByteArray aus;
            while (!aus.contains("ACCEPT") && m_server.state() == QProcess::Running &&
                   m_server.waitForReadyRead(10000))
                aus += m_server.readAllStandardOutput();
            if (aus.contains("ACCEPT")) {
                m_server.setReadChannel(QProcess::StandardError);
                return true;
            }
            m_server.kill();
            m_server.waitForFinished(5000);
        }
        fehler = QStringLiteral("openssl s_server did not start: ") +
                 QString::fromLocal8Bit(m_server.readAllStandardError());
        return false;
    }

    void stoppen() {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    QString basis() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    int port() const { return m_port; }
    QString caDatei() const { return m_ordner.filePath(QStringLiteral("cert.pem")); }

    // The answer to a GET of pfad ("/Uploads/x.zip"): status line, Content-Length, body.
    void antwort(const QString& pfad, const QByteArray& inhalt, const QByteArray& status = "HTTP/1.0 200 OK") {
        const QString datei = m_ordner.filePath(QStringLiteral("www") + pfad);
        QDir().mkpath(QFileInfo(datei).path());
        QFile f(datei);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(status + "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                QByteArray::number(inhalt.size()) + "\r\n\r\n" + inhalt);
    }
    void entfernen(const QString& pfad) { QFile::remove(m_ordner.filePath(QStringLiteral("www") + pfad)); }

    // The paths asked for since the last call ("Uploads/Version_Zelmos.txt").
    QStringList abrufe() {
        // s_server reports each file on its error channel before it answers, so the lines of finished
        // requests are already waiting in the pipe
        while (m_server.waitForReadyRead(50)) m_ausgabe += m_server.readAllStandardError();
        m_ausgabe += m_server.readAllStandardError();
        QStringList pfade;
        qsizetype ende;
        while ((ende = m_ausgabe.indexOf('\n')) >= 0) {
            const QByteArray zeile = m_ausgabe.left(ende).trimmed();
            m_ausgabe.remove(0, ende + 1);
            if (zeile.startsWith("FILE:")) pfade << QString::fromUtf8(zeile.mid(5));
        }
        return pfade;
    }

    QString fehler;

private:
    QTemporaryDir m_ordner;
    QProcess m_server;
    int m_port = 0;
    QByteArray m_ausgabe;
};

}  // namespace zelmo::test
