#pragma once
// One program at a time per data folder. The first start takes a lock file next to the settings
// file (QLockFile) and listens on a local socket named after the folder; a second start for the same
// folder finds the lock, asks the running program over the socket to bring its window to the front
// and ends before it reads or writes anything. So two copies never overwrite each other's files.
// The socket is a plain Unix domain socket in the temporary folder, where Qt's QLocalSocket finds a
// server of that name too; the program does not load Qt Network for it at start.

#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QWidget;

namespace zelmo {

class Einzelinstanz : public QObject {
    Q_OBJECT
public:
    explicit Einzelinstanz(const QString& datenOrdner, QObject* parent = nullptr);
    ~Einzelinstanz() override;

    // Takes the folder's lock and starts listening. False when another program holds the lock; true
    // otherwise, also when the folder can take no lock file (a read-only folder: nothing to protect).
    bool alsErsteStarten();
    // In a second program: asks the first one to show its window, waiting at most wartezeitMs for
    // its answer. True when it answered.
    bool ersteNachVorn(int wartezeitMs = 15000);
    // The second start as a whole: ask the first one; when it does not answer, say so in the error
    // box. The exit code of the program (0 when the first one took the request).
    int zweiterStart(int wartezeitMs = 15000);
    // The first program shows this window when a second start asks for it.
    void fensterZeigenBeiAnfrage(QWidget* fenster);

    QString sperrDatei() const { return m_sperrDatei; }
    // The name of the local socket of a data folder (the same for every spelling of its path).
    static QString serverName(const QString& datenOrdner);
    // Shows a window in front of the others, also when it was minimised.
    static void nachVorn(QWidget* fenster);

signals:
    void nachVornGewuenscht();

private:
    void verbindung();

    QString m_ordner;
    QString m_sperrDatei;
    std::unique_ptr<QLockFile> m_sperre;
    QString m_socketPfad;
    int m_server = -1;  // the listening socket
};

}  // namespace zelmo
