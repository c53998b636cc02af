#include "platform/Einzelinstanz.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

#include "fields/Meldungen.h"

namespace zelmo {

namespace {
const QByteArray anfrage("nach-vorn\n");
const QByteArray antwort("ok\n");
}  // namespace

Einzelinstanz::Einzelinstanz(const QString& datenOrdner, QObject* parent)
    : QObject(parent),
      m_ordner(QDir::cleanPath(QDir(datenOrdner).absolutePath())),
      m_sperrDatei(m_ordner + QStringLiteral("/ZelmosV121.lock")) {}

Einzelinstanz::~Einzelinstanz() {
    if (m_server) m_server->close();
    if (m_sperre) m_sperre->unlock();
}

QString Einzelinstanz::serverName(const QString& datenOrdner) {
    QString pfad = QDir::cleanPath(QDir(datenOrdner).absolutePath());
    const QString echt = QFileInfo(pfad).canonicalFilePath();
    if (!echt.isEmpty()) pfad = echt;
    const QByteArray h = QCryptographicHash::hash(pfad.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("zelmotron-") + QString::fromLatin1(h);
}

bool Einzelinstanz::alsErsteStarten() {
    if (!QDir().mkpath(m_ordner)) return true;
    m_sperre = std::make_unique<QLockFile>(m_sperrDatei);
    // a lock is never old: only a program that no longer runs leaves a lock that can be taken over
    m_sperre->setStaleLockTime(0);
    // QLockFile writes the application name into the lock and a later start takes the lock over when
    // no process of that name runs with the stored id; so the name written must be the program
    // file's, not the title the program gives itself
    const QString titel = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    const bool gesperrt = m_sperre->tryLock(0);
    QCoreApplication::setApplicationName(titel);
    if (!gesperrt) {
        const bool belegt = m_sperre->error() == QLockFile::LockFailedError;
        m_sperre.reset();
        if (belegt) return false;
        return true;  // no lock file possible here
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(m_ordner);
    // with the lock in hand, a socket of that name is left over from a program that ended abruptly
    if (!m_server->listen(name)) {
        QLocalServer::removeServer(name);
        m_server->listen(name);
    }
    connect(m_server, &QLocalServer::newConnection, this, &Einzelinstanz::verbindung);
    return true;
}

void Einzelinstanz::verbindung() {
    while (QLocalSocket* s = m_server->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            if (!s->canReadLine()) {
                if (s->bytesAvailable() > anfrage.size()) s->disconnectFromServer();
                return;
            }
            if (s->readLine(anfrage.size() + 1) == anfrage) {
                emit nachVornGewuenscht();
                s->write(antwort);
                s->flush();
            }
            s->disconnectFromServer();
        });
    }
}

bool Einzelinstanz::ersteNachVorn(int wartezeitMs) {
    const QString name = serverName(m_ordner);
    QDeadlineTimer frist(wartezeitMs);
    // the first program may just have taken its lock and not listen yet: try again for a while
    while (!frist.hasExpired()) {
        QLocalSocket s;
        s.connectToServer(name);
        if (s.waitForConnected(int(qMin<qint64>(1000, frist.remainingTime())))) {
            s.write(anfrage);
            if (!s.waitForBytesWritten(int(frist.remainingTime()))) return false;
            QByteArray gelesen;
            while (!gelesen.endsWith('\n') && s.waitForReadyRead(int(qMax<qint64>(1, frist.remainingTime()))))
                gelesen += s.readAll();
            return gelesen == antwort;
        }
        QThread::msleep(100);
    }
    return false;
}

int Einzelinstanz::zweiterStart(int wartezeitMs) {
    if (ersteNachVorn(wartezeitMs)) return 0;
    Meldungen::standardFehler(QStringLiteral(u"Zelmotron läuft bereits mit dem Datenordner\r%1\r\rDas laufende Programm "
                                     u"antwortet nicht. Bitte es beenden; läuft keines mehr, die Sperrdatei\r%2\r"
                                     u"löschen und Zelmotron neu starten.")
                          .arg(QDir::toNativeSeparators(m_ordner), QDir::toNativeSeparators(m_sperrDatei)));
    return 1;
}

void Einzelinstanz::fensterZeigenBeiAnfrage(QWidget* fenster) {
    connect(this, &Einzelinstanz::nachVornGewuenscht, fenster, [fenster] { nachVorn(fenster); });
}

void Einzelinstanz::nachVorn(QWidget* fenster) {
    if (fenster->isMinimized())
        fenster->setWindowState((fenster->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

}  // namespace zelmo
