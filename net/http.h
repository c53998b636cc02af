#pragma once
// A small blocking HTTP(S) client on libcurl: a GET into a string and a GET into a file with
// progress reports. The server certificate is always verified (the system's CA store, or a CA file
// set here). Requests carry a fixed Accept and User-Agent header and keep cookies between requests.

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

class QIODevice;

namespace zelmo::net {

// Any failure of a request; what() is the text shown to the user (UTF-8).
class HttpFehler : public std::runtime_error {
public:
    explicit HttpFehler(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The server answered with an error status (400 and above); the text is its status line.
class ProtokollFehler : public HttpFehler {
public:
    ProtokollFehler(int status, const QString& text) : HttpFehler(text), m_status(status) {}
    int status() const { return m_status; }

private:
    int m_status;
};

// No connection, TLS failure, time-out, a file that cannot be written.
class VerbindungsFehler : public HttpFehler {
public:
    using HttpFehler::HttpFehler;
};

// Progress of a download: beginn with the expected size (-1 when the server does not say),
// laufend with the bytes received so far, ende once the transfer is over (also after a failure).
struct Fortschritt {
    std::function<void(qint64 erwartet)> beginn;
    std::function<void(qint64 bisher)> laufend;
    std::function<void()> ende;
};

class HttpClient {
public:
    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Scheme, host and port the paths are appended to ("https://www.qr2zux.example").
    void setzeBasis(const QString& basis) { m_basis = basis; }
    const QString& basis() const { return m_basis; }
    // Certificates of the authorities to trust instead of the system's store (PEM); empty: the store.
    void setzeCaDatei(const QString& datei) { m_caDatei = datei; }
    const QString& caDatei() const { return m_caDatei; }

    // The full URL of a path on the server.
    QString url(const QString& pfad) const;

    // GET into memory. Throws ProtokollFehler or VerbindungsFehler.
    QByteArray holeDaten(const QString& pfad);
    // GET as text (UTF-8).
    QString holeText(const QString& pfad) { return QString::fromUtf8(holeDaten(pfad)); }
    // GET into an open device. On an error status nothing is written to it.
    void holeDatei(const QString& pfad, QIODevice& ziel, const Fortschritt& fortschritt = {});

    static inline const char* const accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
    static inline const char* const userAgent = "Mozilla/3.0 (compatible; Indy Library)";

private:
    struct Auftrag;
    void ausfuehren(const QString& pfad, Auftrag& auftrag);

    void* m_curl = nullptr;  // CURL*, kept for the cookies
    QString m_basis;
    QString m_caDatei;
};

}  // namespace zelmo::net
