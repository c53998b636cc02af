// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/aktualisierer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>
#include <openssl/crypto.h>

#include "net/aktualisierung.h"
#include "net/freigabe.h"
#include "net/freigabeschluessel.h"
#include "net/zipentpacken.h"

namespace zelmo::net {

namespace {
QString anzeige(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

// Runs off the window's thread: the release record first, then the archive is unpacked beside it.
Aktualisierer::Unpackergebnis pruefenUndEntpacken(QPromise<Aktualisierer::Unpackergebnis>& versprechen,
                                                  const QString& archiv, const QString& ordner,
                                                  const QByteArray& satz, const QList<QByteArray>& schluessel,
                                                  int version, Entpackoptionen optionen) {
    Aktualisierer::Unpackergebnis e;
    QString grund;
    const std::optional<Dateipruefsumme> summe =
        sha256Datei(archiv, &grund, [&versprechen] { return versprechen.isCanceled(); });
    if (versprechen.isCanceled()) {
        e.abgebrochen = true;
        return e;
    }
    if (!summe) {
        QFile::remove(archiv);
        e.fehler = QStringLiteral("Datei \"%1\" kann nicht gelesen werden. %2").arg(anzeige(archiv), grund);
        return e;
    }
    e.fehler = pruefeFreigabe(satz, *summe, version, VersiondiesesProg, schluessel);
    if (!e.fehler.isEmpty()) {
        QFile::remove(archiv);
        return e;
    }
    versprechen.setProgressRange(0, 1000);
    optionen.abgebrochen = [&versprechen] { return versprechen.isCanceled(); };
    optionen.fortschritt = [&versprechen](qint64 bisher, qint64 gesamt) {
        versprechen.setProgressValue(gesamt > 0 ? int(bisher * 1000 / gesamt) : 0);
    };
    Entpackt entpackt;
    try {
        entpackt = zipEntpacken(archiv, ordner, optionen);
    } catch (const ZipAbgebrochen& f) {
        e.abgebrochen = true;
        e.fehler = f.text();
        return e;
    } catch (const ZipFehler& f) {
        e.fehler = f.text();
        return e;
    }
    const QString installer = QDir(ordner).filePath(installerName);
    const QFileInfo info(installer);
    if (!entpackt.dateien.contains(installer) || info.isSymLink() || !info.isFile()) {
        e.fehler = QStringLiteral("Das Update enthält kein Installationsprogramm \"%1\". Es kann nicht installiert "
                                  "werden.")
                       .arg(installerName);
        return e;
    }
    e.installer = installer;
    return e;
}

void entpacken(QPromise<Aktualisierer::Unpackergebnis>& versprechen, QString archiv, QString ordner,
               QByteArray satz, QList<QByteArray> schluessel, int version, Entpackoptionen optionen) {
    versprechen.addResult(
        pruefenUndEntpacken(versprechen, archiv, ordner, satz, schluessel, version, std::move(optionen)));
    // OpenSSL's state of this pooled thread goes now: left to the thread's end, it can be freed after
    // the library has been cleaned up at the program's exit (a double free)
    OPENSSL_thread_stop();
}
}  // namespace

Aktualisierer::Aktualisierer(QObject* parent) : QObject(parent) {
    m_netz.basis = updateServer;
    for (const Freigabeschluessel& k : freigabeSchluessel)
        m_schluessel << QByteArray(reinterpret_cast<const char*>(k.data()), qsizetype(k.size()));
}

Aktualisierer::~Aktualisierer() {
    aufraeumen();
    // workers still stopping: their folders go with their watchers, after them
    for (auto* w : findChildren<QFutureWatcher<Unpackergebnis>*>()) w->waitForFinished();
}

bool Aktualisierer::laedt() const { return m_abruf || m_entpacken; }

QString Aktualisierer::ordner() const { return m_ordner ? m_ordner->path() + u'/' : QString(); }

void Aktualisierer::pruefeVersion() {
    verwerfen(m_versionsAbruf);
    m_pruefung = true;
    Abruf* a = m_netz.hole(versionsDatei, nullptr, m_netz.grenzen.versionsDatei, m_netz.grenzen.versionGesamt);
    m_versionsAbruf = a;
    connect(a, &Abruf::fertig, this, [this, a] {
        a->deleteLater();
        m_pruefung = false;
        const NetzFehler& f = a->fehler();
        if (f.art == NetzFehler::Art::ZuGross) {
            emit versionGeprueft(0, QStringLiteral("Die Versionsdatei des Update-Servers ist größer als %1 Bytes "
                                                   "und wird nicht gelesen.")
                                        .arg(m_netz.grenzen.versionsDatei));
            return;
        }
        if (f) {
            emit versionGeprueft(0, f.text);
            return;
        }
        const QString text = QString::fromUtf8(a->daten());
        const std::optional<int> version = versionAusText(text);
        if (!version) {
            emit versionGeprueft(0, meldungKeinInteger(text));
            return;
        }
        emit versionGeprueft(*version, {});
    });
}

void Aktualisierer::ladeHerunter(int version) {
    aufraeumen();
    m_version = version;
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty()) cache = QDir::tempPath();
    if (!QDir().mkpath(cache)) {
        melde(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(anzeige(cache)));
        return;
    }
    auto ordner = std::make_unique<QTemporaryDir>(cache + QStringLiteral("/Update-XXXXXX"));
    if (!ordner->isValid()) {
        melde(QStringLiteral("Der Download-Ordner kann nicht angelegt werden: %1").arg(ordner->errorString()));
        return;
    }
    QFile::setPermissions(ordner->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_ordner = std::move(ordner);
    m_archiv = std::make_unique<QFile>(m_ordner->filePath(archivName(version)));
    if (!m_archiv->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        melde(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
                  .arg(anzeige(m_archiv->fileName()), m_archiv->errorString()));
        return;
    }
    Abruf* a = m_netz.hole(archivPfad(version), m_archiv.get(), m_netz.grenzen.archiv);
    m_abruf = a;
    connect(a, &Abruf::fortschritt, this, &Aktualisierer::fortschritt);
    connect(a, &Abruf::fertig, this, &Aktualisierer::archivGeladen);
}

void Aktualisierer::archivGeladen() {
    Abruf* a = m_abruf;
    if (!a) return;
    a->deleteLater();
    m_abruf = nullptr;
    m_archiv->close();
    const NetzFehler f = a->fehler();
    if (f) {
        m_archiv->remove();
        if (f.art == NetzFehler::Art::HttpStatus)
            melde(QStringLiteral("HTTP-Fehler: ") + QString::number(f.httpStatus), f.httpStatus);
        else
            melde(f.text);
        return;
    }
    Abruf* s = m_netz.hole(signaturPfad(m_version), nullptr, maxFreigabesatz);
    m_abruf = s;
    connect(s, &Abruf::fertig, this, &Aktualisierer::signaturGeladen);
}

void Aktualisierer::signaturGeladen() {
    Abruf* a = m_abruf;
    if (!a) return;
    a->deleteLater();
    m_abruf = nullptr;
    const NetzFehler f = a->fehler();
    if (f) {
        m_archiv->remove();
        if (f.art == NetzFehler::Art::HttpStatus || f.art == NetzFehler::Art::ZuGross)
            melde(meldungKeineSignatur(
                f.art == NetzFehler::Art::HttpStatus
                    ? QStringLiteral("Signatur nicht erhältlich, HTTP %1").arg(f.httpStatus)
                    : QStringLiteral("Die Signaturdatei ist länger als %1 Bytes.").arg(maxFreigabesatz)));
        else
            melde(f.text);
        return;
    }
    Entpackoptionen o;
    o.entpackt = m_netz.grenzen.entpackt;
    o.eintraege = m_netz.grenzen.eintraege;
    o.verhaeltnis = m_netz.grenzen.verhaeltnis;
    o.freigrenze = m_netz.grenzen.freigrenze;
    m_entpacken = new QFutureWatcher<Unpackergebnis>(this);
    connect(m_entpacken, &QFutureWatcherBase::progressValueChanged, this, &Aktualisierer::entpackFortschritt);
    connect(m_entpacken, &QFutureWatcherBase::finished, this, &Aktualisierer::entpacktFertig);
    m_entpacken->setFuture(QtConcurrent::run(&entpacken, m_archiv->fileName(), m_ordner->path(), a->daten(),
                                             m_schluessel, m_version, o));
}

void Aktualisierer::entpacktFertig() {
    QFutureWatcher<Unpackergebnis>* w = m_entpacken;
    if (!w) return;
    m_entpacken = nullptr;
    w->deleteLater();
    if (w->isCanceled()) return;
    const Unpackergebnis e = w->result();
    if (!e.fehler.isEmpty()) {
        melde(e.fehler);
        return;
    }
    m_installer = e.installer;
    emit heruntergeladen({}, 0);
}

void Aktualisierer::melde(const QString& fehler, int httpStatus) { emit heruntergeladen(fehler, httpStatus); }

void Aktualisierer::verwerfen(QPointer<Abruf>& abruf) {
    if (!abruf) return;
    abruf->disconnect(this);  // its end is reported to nobody
    abruf->abbrechen();
    abruf->deleteLater();
    abruf = nullptr;
}

void Aktualisierer::abbrechen() {
    verwerfen(m_versionsAbruf);
    m_pruefung = false;
    verwerfen(m_abruf);
    if (QFutureWatcher<Unpackergebnis>* w = m_entpacken) {
        // The worker stops at its next block (of the checksum or of unpacking); the window does not
        // wait for it. The folder it writes into goes with the watcher, once the worker has stopped.
        m_entpacken = nullptr;
        w->disconnect(this);
        w->cancel();
        std::shared_ptr<QTemporaryDir> ordner(m_ordner.release());
        if (w->isFinished())
            w->deleteLater();
        else
            connect(w, &QFutureWatcherBase::finished, w, [w, ordner] { w->deleteLater(); });
    }
}

void Aktualisierer::aufraeumen() {
    abbrechen();
    m_installer.clear();
    if (m_archiv) m_archiv->close();
    m_archiv.reset();
    m_ordner.reset();  // removes the folder with everything in it
}

}  // namespace zelmo::net
