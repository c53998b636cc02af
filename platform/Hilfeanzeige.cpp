#include "platform/Hilfeanzeige.h"

#include <QFile>
#include <QTextBrowser>
#include <functional>
#include <optional>
#include <QVBoxLayout>
#include <chm_lib.h>

#include "fields/Meldungen.h"
#include "platform/hilfekontexte.h"

namespace zelmo {

// An open help file; topics are read by their path inside it.
class ChmDatei {
public:
    explicit ChmDatei(const QString& pfad) : m_h(chm_open(QFile::encodeName(pfad).constData())) {}
    ~ChmDatei() {
        if (m_h) chm_close(m_h);
    }
    ChmDatei(const ChmDatei&) = delete;
    ChmDatei& operator=(const ChmDatei&) = delete;
    bool offen() const { return m_h != nullptr; }

    // The bytes of a file in the help file ("/widerstand.htm"), or nothing.
    std::optional<QByteArray> lies(const QString& pfad) const {
        if (!m_h) return std::nullopt;
        QString p = pfad.startsWith(u'/') ? pfad : u'/' + pfad;
        chmUnitInfo info;
        if (chm_resolve_object(m_h, p.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS) return std::nullopt;
        QByteArray daten(qsizetype(info.length), '\0');
        const LONGINT64 n =
            chm_retrieve_object(m_h, &info, reinterpret_cast<unsigned char*>(daten.data()), 0, LONGINT64(info.length));
        if (n < 0 || quint64(n) != info.length) return std::nullopt;
        return daten;
    }

private:
    chmFile* m_h;
};

namespace {
// Reads pages, pictures and style sheets out of the help file.
class ChmBrowser : public QTextBrowser {
public:
    using Leser = std::function<std::optional<QByteArray>(const QString&)>;
    ChmBrowser(Leser leser, QWidget* parent) : QTextBrowser(parent), m_leser(std::move(leser)) {}

protected:
    QVariant loadResource(int typ, const QUrl& name) override {
        if (name.scheme().isEmpty()) {
            if (auto daten = m_leser(name.path())) {
                if (typ == QTextDocument::HtmlResource || typ == QTextDocument::StyleSheetResource)
                    return QString::fromUtf8(*daten);
                return *daten;
            }
        }
        return QTextBrowser::loadResource(typ, name);
    }

private:
    Leser m_leser;
};
}  // namespace

Hilfeanzeige::Hilfeanzeige(const QString& datei, QWidget* parent) : QWidget(parent, Qt::Window), m_datei(datei) {
    setObjectName(QStringLiteral("Hilfeanzeige"));
    setWindowTitle(QStringLiteral("Zelmotron Hilfe"));
    resize(560, 520);
    m_browser = new ChmBrowser(
        [this](const QString& pfad) { return m_chm ? m_chm->lies(pfad) : std::optional<QByteArray>(); }, this);
    m_browser->setObjectName(QStringLiteral("Hilfe_Browser"));
    m_browser->setOpenExternalLinks(true);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_browser);
}

Hilfeanzeige::~Hilfeanzeige() = default;

QString Hilfeanzeige::thema() const { return m_browser->source().path().mid(1); }

bool Hilfeanzeige::oeffnen() {
    if (m_chm && m_chm->offen()) return true;
    m_chm = std::make_unique<ChmDatei>(m_datei);
    if (!m_chm->offen()) {
        m_chm.reset();
        return false;
    }
    if (auto t = m_chm->lies(QStringLiteral("/kontexte.txt"))) m_kontexte = leseHilfekontexte(QString::fromUtf8(*t));
    return true;
}

bool Hilfeanzeige::zeige(int kontext) {
    if (!oeffnen()) {
        Meldungen::standardFehler(QStringLiteral(u"Die Hilfedatei \"%1\" kann nicht geöffnet werden.").arg(m_datei));
        return false;
    }
    const auto it = m_kontexte.find(kontext);
    if (it == m_kontexte.end()) {
        Meldungen::standardFehler(
            QStringLiteral(u"Zur Hilfekennung %1 gibt es in der Hilfedatei kein Thema.").arg(kontext));
        return false;
    }
    m_browser->setSource(QUrl(u'/' + it->second));
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace zelmo
