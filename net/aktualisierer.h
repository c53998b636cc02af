// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The update path from the version check to a verified installer, without blocking the event loop.
//
// pruefeVersion() asks the update server for its version file. ladeHerunter(version) makes a fresh
// private folder under the user's cache location (owner-only), downloads the archive and its
// detached signature into it, checks the signature against the release key compiled into the
// program and only then unpacks the archive, off the window's thread. The installer it reports is
// the top-level "Updater1.exe" of that very archive. abbrechen() stops whatever runs; aufraeumen()
// also removes the private folder and nothing else.

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "net/abruf.h"

class QFile;
class QTemporaryDir;

namespace zelmo::test {
struct UpdateZugang;
}

namespace zelmo::net {

class Abruf;

class Aktualisierer : public QObject {
    Q_OBJECT
public:
    explicit Aktualisierer(QObject* parent = nullptr);
    ~Aktualisierer() override;

    // Starts the version check; a check still running is dropped without a report.
    void pruefeVersion();
    // Starts download, signature check and unpacking of the release version (a number the version
    // check reported). The previous private folder goes first.
    void ladeHerunter(int version);
    // Stops a running check or download; it reports nothing any more.
    void abbrechen();
    // abbrechen(), then the private folder with all it holds is removed.
    void aufraeumen();

    bool prueft() const { return m_pruefung; }
    bool laedt() const;
    // The private folder with a trailing "/" (empty before the first download).
    QString ordner() const;
    // The installer of the verified archive, or empty.
    const QString& installer() const { return m_installer; }

    struct Unpackergebnis {
        QString fehler;     // empty: unpacked, installer found
        QString installer;  // absolute path
        bool abgebrochen = false;
    };

signals:
    // fehler empty: version is the number the server publishes; otherwise the German message.
    void versionGeprueft(int version, const QString& fehler);
    // download of the archive: bytes so far of the announced size (-1: not announced)
    void fortschritt(qint64 bisher, qint64 erwartet);
    // unpacking, 0 to 1000
    void entpackFortschritt(int promille);
    // The end of ladeHerunter: fehler empty means installer() is ready. httpStatus: the archive
    // was answered with this error status (fehler is then "HTTP-Fehler: " + status).
    void heruntergeladen(const QString& fehler, int httpStatus);

private:
    friend struct zelmo::test::UpdateZugang;
    void archivGeladen();
    void signaturGeladen();
    void entpacktFertig();
    void melde(const QString& fehler, int httpStatus = 0);
    void verwerfen(QPointer<Abruf>& abruf);

    Netzzugang m_netz;
    QByteArray m_schluessel;  // the trusted release key, 32 raw bytes
    bool m_pruefung = false;
    QPointer<Abruf> m_versionsAbruf;
    QPointer<Abruf> m_abruf;
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<QFile> m_archiv;
    int m_version = 0;
    QString m_installer;
    QFutureWatcher<Unpackergebnis>* m_entpacken = nullptr;
};

}  // namespace zelmo::net
