// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/abruf.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>

namespace zelmo::net {

namespace {
// Keeps no cookie and sends none.
class KeineKekse : public QNetworkCookieJar {
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    QList<QNetworkCookie> cookiesForUrl(const QUrl&) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }
};

// "15 s", "0,3 s"
QString sekunden(int ms) { return QString::number(ms / 1000.0).replace(u'.', u',') + QStringLiteral(" s"); }

QString technisch(const QString& text) {
    return text.isEmpty() ? QString() : QStringLiteral("\r\r(") + text + u')';
}
}  // namespace

QString netzText(NetzFehler::Art art, const QString& host) {
    using A = NetzFehler::Art;
    switch (art) {
        case A::Keiner: return {};
        case A::NurHttps:
            return QStringLiteral("Der Update-Server ist nur über eine verschlüsselte Verbindung (https) erlaubt.");
        case A::KeineVerbindung:
            return QStringLiteral("Keine Verbindung zum Update-Server. Bitte die Internetverbindung prüfen.");
        case A::HostUnbekannt:
            return QStringLiteral("Der Update-Server \"%1\" wurde nicht gefunden. Bitte die Internetverbindung "
                                  "prüfen.")
                .arg(host);
        case A::Zertifikat:
            return QStringLiteral("Das Zertifikat des Update-Servers wurde nicht anerkannt. Die Verbindung wurde "
                                  "aus Sicherheitsgründen abgebrochen.");
        case A::Zeitueberschreitung:
            return QStringLiteral("Der Update-Server antwortet zu langsam. Die Verbindung wurde abgebrochen.");
        case A::Abgebrochen: return QStringLiteral("Der Download wurde abgebrochen.");
        case A::ZuGross:
            return QStringLiteral("Die Datei vom Update-Server ist größer als erlaubt. Der Download wurde "
                                  "abgebrochen.");
        case A::Weiterleitung:
            return QStringLiteral("Der Update-Server leitet die Anfrage an eine andere Adresse weiter. "
                                  "Weiterleitungen werden aus Sicherheitsgründen nicht befolgt.");
        case A::HttpStatus: return QStringLiteral("Der Update-Server meldet einen Fehler.");
        case A::Schreibfehler: return QStringLiteral("Die heruntergeladene Datei kann nicht gespeichert werden.");
        case A::Sonstiges: return QStringLiteral("Die Anfrage an den Update-Server ist fehlgeschlagen.");
    }
    return {};
}

Netzzugang::Netzzugang(QObject* parent) : QObject(parent) {}
Netzzugang::~Netzzugang() = default;

QUrl Netzzugang::url(const QString& pfad) const {
    QString b = basis;
    while (b.endsWith(u'/')) b.chop(1);
    return QUrl(pfad.startsWith(u'/') ? b + pfad : b + u'/' + pfad);
}

QNetworkAccessManager* Netzzugang::manager() {
    if (!m_manager) {
        // the desktop's proxy settings
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_manager = new QNetworkAccessManager(this);
        m_manager->setCookieJar(new KeineKekse(m_manager));
        m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
        m_manager->setStrictTransportSecurityEnabled(true);
    }
    return m_manager;
}

Abruf* Netzzugang::hole(const QString& pfad, QIODevice* ziel, qint64 hoechstens, int gesamtMs) {
    auto* a = new Abruf(*this, url(pfad), ziel, hoechstens, gesamtMs);
    // a request that cannot start reports its failure from the event loop, like every other one
    if (a->m_url.scheme() != QStringLiteral("https") || !a->m_url.isValid())
        QTimer::singleShot(0, a, [a] { a->scheitern(NetzFehler::Art::NurHttps, {}); });
    else
        a->starten(*manager());
    return a;
}

Abruf::Abruf(Netzzugang& zugang, const QUrl& url, QIODevice* ziel, qint64 hoechstens, int gesamtMs)
    : QObject(&zugang), m_zugang(zugang), m_url(url), m_ziel(ziel), m_hoechstens(hoechstens), m_gesamtMs(gesamtMs) {}

Abruf::~Abruf() {
    if (m_antwort) {
        m_antwort->disconnect(this);
        m_antwort->abort();
        m_antwort->deleteLater();
    }
}

void Abruf::starten(QNetworkAccessManager& manager) {
    const Updategrenzen& g = m_zugang.grenzen;
    QNetworkRequest anfrage(m_url);
    anfrage.setRawHeader("Accept", Netzzugang::accept);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(Netzzugang::userAgent));
    anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    anfrage.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    anfrage.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    tls.setProtocol(QSsl::SecureProtocols);
    if (!m_zugang.zertifikate.isEmpty()) tls.setCaCertificates(m_zugang.zertifikate);
    anfrage.setSslConfiguration(tls);

    m_verbinden = new QTimer(this);
    m_verbinden->setSingleShot(true);
    connect(m_verbinden, &QTimer::timeout, this, [this] {
        scheitern(NetzFehler::Art::Zeitueberschreitung,
                  QStringLiteral("Keine Verbindung innerhalb von %1.").arg(sekunden(m_zugang.grenzen.verbinden)));
    });
    m_verbinden->start(g.verbinden);
    if (m_gesamtMs > 0) {
        m_gesamt = new QTimer(this);
        m_gesamt->setSingleShot(true);
        connect(m_gesamt, &QTimer::timeout, this, [this] {
            scheitern(NetzFehler::Art::Zeitueberschreitung,
                      QStringLiteral("Keine vollständige Antwort innerhalb von %1.").arg(sekunden(m_gesamtMs)));
        });
        m_gesamt->start(m_gesamtMs);
    }

    m_antwort = manager.get(anfrage);
    m_antwort->setReadBufferSize(256 * 1024);
    QNetworkReply* r = m_antwort;
    connect(r, &QNetworkReply::encrypted, this, [this] {
        // the connection stands: from here on the transfer must keep its pace
        m_verbinden->stop();
        m_uhr.start();
        m_proben.clear();
        m_proben.emplace_back(0, 0);
        m_tempo = new QTimer(this);
        connect(m_tempo, &QTimer::timeout, this, &Abruf::pruefeTempo);
        m_tempo->start(std::max(20, m_zugang.grenzen.langsam / 30));
    });
    connect(r, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& fehler) {
        QStringList t;
        for (const QSslError& f : fehler) t << f.errorString();
        m_tlsFehler = t.join(QStringLiteral("; "));
    });
    connect(r, &QNetworkReply::metaDataChanged, this, &Abruf::kopfGelesen);
    connect(r, &QNetworkReply::readyRead, this, &Abruf::lesen);
    connect(r, &QNetworkReply::finished, this, &Abruf::beenden);
}

void Abruf::kopfGelesen() {
    if (m_fertig || m_kopf || !m_antwort) return;
    const QVariant status = m_antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) return;
    m_kopf = true;
    m_verbinden->stop();
    const int s = status.toInt();
    if (s >= 300 && s < 400) {
        const QString wohin = m_antwort->rawHeader("Location");
        scheitern(NetzFehler::Art::Weiterleitung,
                  QStringLiteral("HTTP %1, Ziel: %2").arg(s).arg(wohin.isEmpty() ? QStringLiteral("-") : wohin));
        return;
    }
    if (s >= 400 || s < 200) {
        const QString grund = m_antwort->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        m_fehler.httpStatus = s;
        scheitern(NetzFehler::Art::HttpStatus, QStringLiteral("HTTP %1 %2").arg(s).arg(grund).trimmed());
        return;
    }
    const QVariant laenge = m_antwort->header(QNetworkRequest::ContentLengthHeader);
    if (laenge.isValid()) m_erwartet = laenge.toLongLong();
    if (m_erwartet > m_hoechstens) {
        scheitern(NetzFehler::Art::ZuGross,
                  QStringLiteral("angekündigt %1 Bytes, erlaubt %2 Bytes").arg(m_erwartet).arg(m_hoechstens));
        return;
    }
    emit fortschritt(0, m_erwartet);
}

void Abruf::lesen() {
    if (m_fertig || !m_antwort) return;
    if (!m_kopf) kopfGelesen();
    if (m_fertig) return;
    const QByteArray stueck = m_antwort->readAll();
    if (stueck.isEmpty()) return;
    if (m_bisher + stueck.size() > m_hoechstens) {
        scheitern(NetzFehler::Art::ZuGross, QStringLiteral("mehr als %1 Bytes").arg(m_hoechstens));
        return;
    }
    if (m_ziel) {
        if (m_ziel->write(stueck) != stueck.size()) {
            scheitern(NetzFehler::Art::Schreibfehler, m_ziel->errorString());
            return;
        }
    } else {
        m_daten += stueck;
    }
    m_bisher += stueck.size();
    emit fortschritt(m_bisher, m_erwartet);
}

void Abruf::pruefeTempo() {
    if (m_fertig) return;
    const Updategrenzen& g = m_zugang.grenzen;
    const qint64 jetzt = m_uhr.elapsed();
    m_proben.emplace_back(jetzt, m_bisher);
    while (m_proben.size() > 1 && m_proben[1].first <= jetzt - g.langsam) m_proben.pop_front();
    const auto& [seit, damals] = m_proben.front();
    if (jetzt - seit >= g.langsam && (m_bisher - damals) * 1000 < g.mindestRate * (jetzt - seit))
        scheitern(NetzFehler::Art::Zeitueberschreitung,
                  QStringLiteral("weniger als %1 Bytes/s in %2").arg(g.mindestRate).arg(sekunden(g.langsam)));
}

void Abruf::beenden() {
    if (m_fertig || !m_antwort) return;
    lesen();
    if (m_fertig) return;
    if (!m_kopf) kopfGelesen();
    if (m_fertig) return;
    using A = NetzFehler::Art;
    const QNetworkReply::NetworkError e = m_antwort->error();
    const QString t = m_antwort->errorString();
    switch (e) {
        case QNetworkReply::NoError:
            if (m_erwartet >= 0 && m_bisher != m_erwartet) {
                scheitern(A::KeineVerbindung,
                          QStringLiteral("%1 von %2 Bytes empfangen").arg(m_bisher).arg(m_erwartet));
                return;
            }
            m_fertig = true;
            zeitenStoppen();
            emit fertig();
            return;
        case QNetworkReply::HostNotFoundError: scheitern(A::HostUnbekannt, t); return;
        case QNetworkReply::SslHandshakeFailedError:
            scheitern(A::Zertifikat, m_tlsFehler.isEmpty() ? t : m_tlsFehler);
            return;
        case QNetworkReply::TimeoutError: scheitern(A::Zeitueberschreitung, t); return;
        case QNetworkReply::OperationCanceledError: scheitern(A::Abgebrochen, {}); return;
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::RemoteHostClosedError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ProxyConnectionClosedError:
        case QNetworkReply::ProxyNotFoundError:
        case QNetworkReply::ProxyTimeoutError:
        case QNetworkReply::ProxyAuthenticationRequiredError:
        case QNetworkReply::UnknownNetworkError:
        case QNetworkReply::UnknownProxyError: scheitern(A::KeineVerbindung, t); return;
        default: scheitern(A::Sonstiges, t); return;
    }
}

void Abruf::scheitern(NetzFehler::Art art, const QString& text) {
    if (m_fertig) return;
    m_fertig = true;
    m_fehler.art = art;
    m_fehler.text = netzText(art, m_url.host()) + technisch(text);
    zeitenStoppen();
    if (m_antwort) {
        m_antwort->disconnect(this);
        // an error status is being reported by the reply itself right now; deleting it ends the transfer
        if (art != NetzFehler::Art::HttpStatus && art != NetzFehler::Art::Weiterleitung) m_antwort->abort();
        m_antwort->deleteLater();
    }
    emit fertig();
}

void Abruf::zeitenStoppen() {
    for (QTimer* t : {m_verbinden, m_gesamt, m_tempo})
        if (t) t->stop();
}

void Abruf::abbrechen() { scheitern(NetzFehler::Art::Abgebrochen, {}); }

}  // namespace zelmo::net
