#include "platform/Einzelinstanz.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <functional>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "fields/Meldungen.h"

namespace zelmo {

namespace {
const QByteArray anfrage("nach-vorn\n");
const QByteArray antwort("ok\n");

// The address of a socket path; false when the path is too long for one.
bool adresse(const QString& pfad, sockaddr_un& a) {
    const QByteArray p = QFile::encodeName(pfad);
    a = sockaddr_un{};
    a.sun_family = AF_UNIX;
    if (p.isEmpty() || size_t(p.size()) >= sizeof a.sun_path) return false;
    std::memcpy(a.sun_path, p.constData(), size_t(p.size()));
    return true;
}

// Where the socket of a server name lies: the temporary folder, as for QLocalServer.
QString socketPfad(const QString& name) { return QDir::tempPath() + QLatin1Char('/') + name; }

// One connection of a second start: reads its request line, answers, closes.
class Verbindung : public QObject {
public:
    Verbindung(int fd, Einzelinstanz* instanz, std::function<void()> nachVorn)
        : QObject(instanz), m_fd(fd), m_melder(fd, QSocketNotifier::Read, this), m_nachVorn(std::move(nachVorn)) {
        connect(&m_melder, &QSocketNotifier::activated, this, [this] { lesen(); });
    }
    ~Verbindung() override { ::close(m_fd); }

private:
    void lesen() {
        char block[64];
        for (;;) {
            const ssize_t n = ::recv(m_fd, block, sizeof block, MSG_DONTWAIT);
            if (n > 0) {
                m_gelesen.append(block, n);
                if (m_gelesen.size() > anfrage.size()) break;  // no request of ours
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                if (!m_gelesen.contains('\n')) return;  // the rest is still on its way
            }
            break;  // the other side closed, failed, or the line is complete
        }
        if (m_gelesen == anfrage) {
            m_nachVorn();
            ::send(m_fd, antwort.constData(), size_t(antwort.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        }
        m_melder.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_melder;
    std::function<void()> m_nachVorn;
    QByteArray m_gelesen;
};
}  // namespace

Einzelinstanz::Einzelinstanz(const QString& datenOrdner, QObject* parent)
    : QObject(parent),
      m_ordner(QDir::cleanPath(QDir(datenOrdner).absolutePath())),
      m_sperrDatei(m_ordner + QStringLiteral("/ZelmosV121.lock")) {}

Einzelinstanz::~Einzelinstanz() {
    if (m_server >= 0) {
        ::close(m_server);
        QFile::remove(m_socketPfad);
    }
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
    // without a socket the program runs all the same; a second start then finds no answer and says so
    sockaddr_un a;
    m_socketPfad = socketPfad(serverName(m_ordner));
    if (!adresse(m_socketPfad, a)) return true;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return true;
    // with the lock in hand, a socket of that name is left over from a program that ended abruptly
    ::unlink(a.sun_path);
    // only this user may connect
    const mode_t vorher = ::umask(0077);
    const bool gebunden = ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    ::umask(vorher);
    if (!gebunden || ::listen(fd, 8) != 0) {
        ::close(fd);
        return true;
    }
    m_server = fd;
    auto* melder = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(melder, &QSocketNotifier::activated, this, &Einzelinstanz::verbindung);
    return true;
}

void Einzelinstanz::verbindung() {
    for (;;) {
        const int fd = ::accept4(m_server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return;
        }
        new Verbindung(fd, this, [this] { emit nachVornGewuenscht(); });
    }
}

bool Einzelinstanz::ersteNachVorn(int wartezeitMs) {
    sockaddr_un a;
    if (!adresse(socketPfad(serverName(m_ordner)), a)) return false;
    QDeadlineTimer frist(wartezeitMs);
    // the first program may just have taken its lock and not listen yet: try again for a while
    while (!frist.hasExpired()) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0) {
            ::close(fd);
            QThread::msleep(100);
            continue;
        }
        bool geschrieben = ::send(fd, anfrage.constData(), size_t(anfrage.size()), MSG_NOSIGNAL) == anfrage.size();
        QByteArray gelesen;
        while (geschrieben && !gelesen.endsWith('\n') && gelesen.size() <= antwort.size()) {
            pollfd p{fd, POLLIN, 0};
            const int bereit = ::poll(&p, 1, int(qMax<qint64>(1, frist.remainingTime())));
            if (bereit < 0 && errno == EINTR) continue;
            if (bereit <= 0) break;
            char block[16];
            const ssize_t n = ::recv(fd, block, sizeof block, 0);
            if (n <= 0) break;
            gelesen.append(block, n);
        }
        ::close(fd);
        return gelesen == antwort;
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
