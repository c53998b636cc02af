#include "net/http.h"

#include <QIODevice>
#include <curl/curl.h>
#include <exception>
#include <mutex>

namespace zelmo::net {

namespace {
void curlStarten() {
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CURL* handle(void* p) { return static_cast<CURL*>(p); }
}  // namespace

struct HttpClient::Auftrag {
    CURL* curl = nullptr;
    QIODevice* ziel = nullptr;  // nullptr: into puffer
    QByteArray puffer;
    const Fortschritt* fortschritt = nullptr;
    QByteArray statuszeile;
    bool begonnen = false;
    bool schreibfehler = false;
    qint64 bisher = 0;
    std::exception_ptr ausnahme;  // thrown inside a callback, passed on after the transfer

    long status() const {
        long s = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &s);
        return s;
    }

    static size_t kopf(char* daten, size_t groesse, size_t anzahl, void* selbst) {
        auto* a = static_cast<Auftrag*>(selbst);
        const QByteArray zeile = QByteArray(daten, qsizetype(groesse * anzahl)).trimmed();
        if (zeile.startsWith("HTTP/")) a->statuszeile = zeile;  // the last answer counts (redirects)
        return groesse * anzahl;
    }

    static size_t schreiben(char* daten, size_t groesse, size_t anzahl, void* selbst) {
        auto* a = static_cast<Auftrag*>(selbst);
        const size_t n = groesse * anzahl;
        const long s = a->status();
        if (s >= 300) return n;  // body of a redirect or of an error answer: not part of the result
        try {
            if (!a->begonnen) a->beginnen();
            if (a->ziel) {
                if (a->ziel->write(daten, qint64(n)) != qint64(n)) {
                    a->schreibfehler = true;
                    return 0;
                }
            } else {
                a->puffer.append(daten, qsizetype(n));
            }
            a->bisher += qint64(n);
            if (a->fortschritt && a->fortschritt->laufend) a->fortschritt->laufend(a->bisher);
        } catch (...) {
            a->ausnahme = std::current_exception();
            return 0;
        }
        return n;
    }

    void beginnen() {
        begonnen = true;
        curl_off_t laenge = -1;
        curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &laenge);
        if (fortschritt && fortschritt->beginn) fortschritt->beginn(laenge < 0 ? -1 : qint64(laenge));
    }
};

HttpClient::HttpClient() {
    curlStarten();
    m_curl = curl_easy_init();
}

HttpClient::~HttpClient() {
    if (m_curl) curl_easy_cleanup(handle(m_curl));
}

QString HttpClient::url(const QString& pfad) const {
    QString b = m_basis;
    while (b.endsWith(u'/')) b.chop(1);
    return pfad.startsWith(u'/') ? b + pfad : b + u'/' + pfad;
}

QByteArray HttpClient::holeDaten(const QString& pfad) {
    Auftrag a;
    ausfuehren(pfad, a);
    return a.puffer;
}

void HttpClient::holeDatei(const QString& pfad, QIODevice& ziel, const Fortschritt& fortschritt) {
    Auftrag a;
    a.ziel = &ziel;
    a.fortschritt = &fortschritt;
    ausfuehren(pfad, a);
}

void HttpClient::ausfuehren(const QString& pfad, Auftrag& a) {
    if (!m_curl) throw VerbindungsFehler(QStringLiteral("Der HTTP-Client konnte nicht gestartet werden."));
    CURL* c = handle(m_curl);
    a.curl = c;
    // a reset keeps the cookies, the open connections and the TLS sessions of the handle
    curl_easy_reset(c);
    const QByteArray ziel = url(pfad).toUtf8();
    const QByteArray ca = m_caDatei.toLocal8Bit();
    char fehlertext[CURL_ERROR_SIZE] = {};
    curl_slist* koepfe = curl_slist_append(nullptr, (QByteArray("Accept: ") + accept).constData());

    curl_easy_setopt(c, CURLOPT_URL, ziel.constData());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, koepfe);
    curl_easy_setopt(c, CURLOPT_USERAGENT, userAgent);
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, "");  // cookies on, kept in memory
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!ca.isEmpty()) curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 20L);
    // a server that stops sending ends the request instead of blocking the window for good
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, fehlertext);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &Auftrag::kopf);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &a);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Auftrag::schreiben);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &a);

    const CURLcode ergebnis = curl_easy_perform(c);
    curl_slist_free_all(koepfe);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, nullptr);
    const long status = a.status();

    if (ergebnis == CURLE_OK && status < 300 && !a.begonnen) a.beginnen();  // an empty body
    if (a.begonnen && a.fortschritt && a.fortschritt->ende) a.fortschritt->ende();
    if (a.ausnahme) std::rethrow_exception(a.ausnahme);
    if (ergebnis != CURLE_OK) {
        if (a.schreibfehler)
            throw VerbindungsFehler(QStringLiteral("Fehler beim Schreiben der Datei: ") + a.ziel->errorString());
        QString text = QString::fromLocal8Bit(fehlertext).trimmed();
        if (text.isEmpty()) text = QString::fromUtf8(curl_easy_strerror(ergebnis));
        throw VerbindungsFehler(text);
    }
    if (status >= 300) {
        const QString zeile = a.statuszeile.isEmpty() ? QStringLiteral("HTTP-Fehler %1").arg(status)
                                                      : QString::fromLatin1(a.statuszeile);
        throw ProtokollFehler(int(status), zeile);
    }
}

}  // namespace zelmo::net
