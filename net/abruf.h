// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// HTTPS requests to the update server through Qt Network, never blocking the event loop.
//
// Netzzugang owns the QNetworkAccessManager (made when the first request starts, so that TLS loads
// only then) and the rules every request follows: https only, no redirect followed, no cookies kept
// or sent, the server certificate verified, the desktop's proxy settings used. Abruf is one GET into
// memory or into a device, bounded in size and time (updategrenzen.h); it reports progress and ends
// with fertig() exactly once, with or without a NetzFehler.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QUrl>
#include <deque>

#include "net/updategrenzen.h"

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace zelmo::net {

// Why a request failed; text is the German message for the user (technical detail appended).
struct NetzFehler {
    enum class Art {
        Keiner,
        NurHttps,             // the address is not https
        KeineVerbindung,      // refused, closed, network down, proxy
        HostUnbekannt,        // the name does not resolve
        Zertifikat,           // TLS handshake or certificate refused
        Zeitueberschreitung,  // connect, slow transfer or whole check too long
        Abgebrochen,          // cancelled by the user or by closing
        ZuGross,              // more bytes than allowed
        Weiterleitung,        // the server answered with a redirect
        HttpStatus,           // the server answered with an error status
        Schreibfehler,        // the local file cannot be written
        Sonstiges,
    };
    Art art = Art::Keiner;
    int httpStatus = 0;  // with HttpStatus
    QString text;

    explicit operator bool() const { return art != Art::Keiner; }
};

class Abruf;

class Netzzugang : public QObject {
    Q_OBJECT
public:
    explicit Netzzugang(QObject* parent = nullptr);
    ~Netzzugang() override;

    // Scheme, host and port the paths are appended to ("https://www.qr2zux.example").
    QString basis;
    // Authorities to trust instead of the system's (empty: the system's store).
    QList<QSslCertificate> zertifikate;
    Updategrenzen grenzen;

    QUrl url(const QString& pfad) const;

    // Starts a GET of pfad. ziel nullptr: the body is kept in memory (Abruf::daten). hoechstens: the
    // largest body accepted. gesamtMs > 0: the whole request ends after that long. The Abruf is a
    // child of this object; the receiver of fertig() deletes it (deleteLater).
    Abruf* hole(const QString& pfad, QIODevice* ziel, qint64 hoechstens, int gesamtMs = 0);

    static inline const char* const accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
    static inline const char* const userAgent = "Mozilla/3.0 (compatible; Indy Library)";

private:
    QNetworkAccessManager* manager();
    QNetworkAccessManager* m_manager = nullptr;
};

class Abruf : public QObject {
    Q_OBJECT
public:
    ~Abruf() override;

    const NetzFehler& fehler() const { return m_fehler; }
    const QByteArray& daten() const { return m_daten; }
    qint64 empfangen() const { return m_bisher; }
    bool laeuft() const { return !m_fertig; }

    // Ends the request with NetzFehler::Abgebrochen (nothing happens after fertig()).
    void abbrechen();

signals:
    // bytes of the body so far, and the size the server announced (-1: not announced)
    void fortschritt(qint64 bisher, qint64 erwartet);
    void fertig();

private:
    friend class Netzzugang;
    Abruf(Netzzugang& zugang, const QUrl& url, QIODevice* ziel, qint64 hoechstens, int gesamtMs);
    void starten(QNetworkAccessManager& manager);
    void kopfGelesen();
    void lesen();
    void beenden();
    void scheitern(NetzFehler::Art art, const QString& text);
    void pruefeTempo();
    void zeitenStoppen();

    Netzzugang& m_zugang;
    QUrl m_url;
    QIODevice* m_ziel;
    qint64 m_hoechstens;
    int m_gesamtMs;
    QPointer<QNetworkReply> m_antwort;
    QByteArray m_daten;
    qint64 m_bisher = 0;
    qint64 m_erwartet = -1;
    bool m_kopf = false;
    bool m_fertig = false;
    NetzFehler m_fehler;
    QString m_tlsFehler;  // certificate problems reported during the handshake
    QTimer* m_verbinden = nullptr;
    QTimer* m_gesamt = nullptr;
    QTimer* m_tempo = nullptr;
    QElapsedTimer m_uhr;                          // since the connection stood
    std::deque<std::pair<qint64, qint64>> m_proben;  // (ms, bytes) of the last langsam ms
};

// The German text for an error, used by the dialog ("Keine Verbindung zum Update-Server.").
QString netzText(NetzFehler::Art art, const QString& host = {});

}  // namespace zelmo::net
