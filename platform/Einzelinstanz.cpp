// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Einzelinstanz.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>
#include <QWidget>

#include "fields/Meldungen.h"

namespace zelmo {

namespace {
// a request file is named "ZelmosV121.<anything>.nachvorn" (any case); matched by hand, as a name
// filter would start the regular expression engine in every program
bool istAnfrage(const QString& name) {
    const QLatin1StringView anfang("ZelmosV121."), ende(".nachvorn");
    return name.size() >= anfang.size() + ende.size() && name.startsWith(anfang, Qt::CaseInsensitive) &&
           name.endsWith(ende, Qt::CaseInsensitive);
}
}  // namespace

Einzelinstanz::Einzelinstanz(const QString& datenOrdner, QObject* parent)
    : QObject(parent),
      m_ordner(QDir::cleanPath(QDir(datenOrdner).absolutePath())),
      m_sperrDatei(m_ordner + QStringLiteral("/ZelmosV121.lock")) {}

Einzelinstanz::~Einzelinstanz() {
    delete m_waechter;
    m_waechter = nullptr;
    if (m_sperre) m_sperre->unlock();
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
    // a request file changes the folder; requests left over from earlier starts are answered at once
    m_waechter = new QFileSystemWatcher(QStringList{m_ordner}, this);
    connect(m_waechter, &QFileSystemWatcher::directoryChanged, this, &Einzelinstanz::anfragenBeantworten);
    anfragenBeantworten();
    return true;
}

void Einzelinstanz::anfragenBeantworten() {
    QStringList anfragen = QDir(m_ordner).entryList(QDir::Files | QDir::Hidden);
    anfragen.removeIf([](const QString& name) { return !istAnfrage(name); });
    if (anfragen.isEmpty()) return;
    for (const QString& a : anfragen) QFile::remove(m_ordner + u'/' + a);
    emit nachVornGewuenscht();
}

bool Einzelinstanz::ersteNachVorn(int wartezeitMs) {
    const QString anfrage = m_ordner + QStringLiteral("/ZelmosV121.%1.nachvorn").arg(QCoreApplication::applicationPid());
    {
        // written whole under its final name (the temporary name does not match the requests)
        QSaveFile f(anfrage);
        if (!f.open(QIODevice::WriteOnly) || !f.commit()) return false;
    }
    QDeadlineTimer frist(wartezeitMs);
    // the first program may just have taken its lock and not watch yet: it answers once it does
    while (!frist.hasExpired()) {
        if (!QFileInfo::exists(anfrage)) return true;
        QThread::msleep(50);
    }
    // not answered: the request goes again, unless the first one took it at the last moment
    return !QFile::remove(anfrage) && !QFileInfo::exists(anfrage);
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
