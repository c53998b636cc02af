// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One program at a time per data folder. The first start takes a lock file next to the settings
// file (QLockFile) and watches the folder; a second start for the same folder finds the lock, leaves a
// request file "ZelmosV121.<id>.nachvorn" beside it and ends before it reads or writes anything else.
// The running program brings its window to the front and removes the request: that is its answer.
// So two copies never overwrite each other's files. Only Qt Core is needed (a local socket would
// bring Qt Network and its Kerberos and proxy libraries into every start).

#include <QObject>
#include <QString>
#include <memory>

class QFileSystemWatcher;
class QLockFile;
class QWidget;

namespace zelmo {

class Einzelinstanz : public QObject {
    Q_OBJECT
public:
    explicit Einzelinstanz(const QString& datenOrdner, QObject* parent = nullptr);
    ~Einzelinstanz() override;

    // Takes the folder's lock and starts watching for requests. False when another program holds the lock; true
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
    // Shows a window in front of the others, also when it was minimised.
    static void nachVorn(QWidget* fenster);

signals:
    void nachVornGewuenscht();

private:
    void anfragenBeantworten();

    QString m_ordner;
    QString m_sperrDatei;
    std::unique_ptr<QLockFile> m_sperre;
    QFileSystemWatcher* m_waechter = nullptr;
};

}  // namespace zelmo
