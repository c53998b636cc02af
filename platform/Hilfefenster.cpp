// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Hilfefenster.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <chm_lib.h>
#include <functional>
#include <optional>

#include "fields/Meldungen.h"
#include "platform/hilfekontexte.h"

namespace zelmo {

// An open help file; its files are read by their path inside it.
class ChmDatei {
public:
    // The largest file taken out of a help file (pictures included); a larger one counts as damaged.
    static constexpr quint64 maxGroesse = 16 * 1024 * 1024;

    explicit ChmDatei(const QString& pfad) : m_h(chm_open(QFile::encodeName(pfad).constData())) {}
    ~ChmDatei() {
        if (m_h) chm_close(m_h);
    }
    ChmDatei(const ChmDatei&) = delete;
    ChmDatei& operator=(const ChmDatei&) = delete;
    bool offen() const { return m_h != nullptr; }

    // The bytes of a file in the help file ("/widerstand.htm"), or nothing.
    std::optional<QByteArray> lies(const QString& pfad, quint64 hoechstens = maxGroesse) const {
        if (!m_h) return std::nullopt;
        const QByteArray p = (pfad.startsWith(u'/') ? pfad : u'/' + pfad).toUtf8();
        if (p.size() > CHM_MAX_PATHLEN) return std::nullopt;
        chmUnitInfo info;
        if (chm_resolve_object(m_h, p.constData(), &info) != CHM_RESOLVE_SUCCESS) return std::nullopt;
        if (info.length > hoechstens) return std::nullopt;
        QByteArray daten(qsizetype(info.length), '\0');
        if (info.length == 0) return daten;
        const LONGINT64 n =
            chm_retrieve_object(m_h, &info, reinterpret_cast<unsigned char*>(daten.data()), 0, LONGINT64(info.length));
        if (n < 0 || quint64(n) != info.length) return std::nullopt;
        return daten;
    }

    // The path of the first file at the top level whose name ends with endung (".hhc"); empty without.
    QString finde(const QString& endung) const {
        if (!m_h) return {};
        struct Suche {
            QString endung;
            QString gefunden;
        } s{endung, {}};
        chm_enumerate(
            m_h, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
            [](chmFile*, chmUnitInfo* ui, void* kontext) -> int {
                auto* s = static_cast<Suche*>(kontext);
                const QString pfad = QString::fromUtf8(ui->path, qsizetype(qstrnlen(ui->path, CHM_MAX_PATHLEN)));
                if (pfad.count(u'/') == 1 && pfad.endsWith(s->endung, Qt::CaseInsensitive)) {
                    s->gefunden = pfad;
                    return CHM_ENUMERATOR_SUCCESS;
                }
                return CHM_ENUMERATOR_CONTINUE;
            },
            &s);
        return s.gefunden;
    }

private:
    chmFile* m_h;
};

namespace {

// Data of a contents entry and an index line: the topic paths.
constexpr int DateienRolle = Qt::UserRole + 1;

QString ohneAnker(const QString& pfad) { return pfad.section(u'#', 0, 0); }

// Reads pages, pictures and style sheets out of the help file; links that lead outside it open in
// the desktop's programs.
class ChmBrowser : public QTextBrowser {
public:
    using Leser = std::function<std::optional<QByteArray>(const QString&)>;
    ChmBrowser(Leser leser, QWidget* parent) : QTextBrowser(parent), m_leser(std::move(leser)) {}

protected:
    QVariant loadResource(int typ, const QUrl& name) override {
        if (name.scheme().isEmpty()) {
            const QString pfad = hilfe::innererPfad(name.path());
            if (!pfad.isEmpty())
                if (auto daten = m_leser(pfad)) {
                    if (typ == QTextDocument::HtmlResource || typ == QTextDocument::StyleSheetResource)
                        return hilfe::alsText(*daten);
                    return *daten;
                }
            return {};
        }
        return QTextBrowser::loadResource(typ, name);
    }

private:
    Leser m_leser;
};

QToolButton* knopf(QWidget* parent, const QString& name, const QString& text, QStyle::StandardPixmap symbol,
                   const QString& hinweis) {
    auto* k = new QToolButton(parent);
    k->setObjectName(name);
    k->setText(text);
    k->setIcon(parent->style()->standardIcon(symbol));
    k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    k->setToolTip(hinweis);
    k->setAutoRaise(true);
    return k;
}

}  // namespace

Hilfefenster::Hilfefenster(const QString& datei, QWidget* parent) : QWidget(parent, Qt::Window), m_datei(datei) {
    setObjectName(QStringLiteral("Hilfeanzeige"));
    setWindowTitle(QStringLiteral("Zelmotron Hilfe"));
    resize(940, 640);

    // --- bar above: back, forward, overview, the topic's title
    auto* leiste = new QWidget(this);
    leiste->setObjectName(QStringLiteral("Hilfe_Leiste"));
    leiste->setAutoFillBackground(true);
    QPalette lp = leiste->palette();
    lp.setColor(QPalette::Window, QColor(0xD8, 0xE9, 0xD8));
    leiste->setPalette(lp);
    m_zurueck = knopf(leiste, QStringLiteral("Hilfe_Zurueck"), QStringLiteral(u"Zurück"), QStyle::SP_ArrowBack,
                      QStringLiteral(u"Zum vorigen Thema (Alt+Links)"));
    m_vor = knopf(leiste, QStringLiteral("Hilfe_Vor"), QStringLiteral("Vor"), QStyle::SP_ArrowForward,
                  QStringLiteral(u"Zum nächsten Thema (Alt+Rechts)"));
    m_start = knopf(leiste, QStringLiteral("Hilfe_Start"), QStringLiteral(u"Übersicht"), QStyle::SP_DirHomeIcon,
                    QStringLiteral(u"Zur Übersicht der Hilfe"));
    m_zurueck->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_vor->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_zurueck->setEnabled(false);
    m_vor->setEnabled(false);
    m_ueberschrift = new QLabel(leiste);
    m_ueberschrift->setObjectName(QStringLiteral("Hilfe_Titel"));
    QFont tf = m_ueberschrift->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.1);
    m_ueberschrift->setFont(tf);
    m_ueberschrift->setStyleSheet(QStringLiteral("color: #000080;"));
    auto* ll = new QHBoxLayout(leiste);
    ll->setContentsMargins(6, 3, 10, 3);
    ll->addWidget(m_zurueck);
    ll->addWidget(m_vor);
    ll->addWidget(m_start);
    ll->addSpacing(16);
    ll->addWidget(m_ueberschrift, 1);

    // --- left: contents, index, search
    m_reiter = new QTabWidget(this);
    m_reiter->setObjectName(QStringLiteral("Hilfe_Reiter"));
    m_reiter->setDocumentMode(true);

    m_inhalt = new QTreeWidget(m_reiter);
    m_inhalt->setObjectName(QStringLiteral("Hilfe_Inhalt"));
    m_inhalt->setHeaderHidden(true);
    m_inhalt->setRootIsDecorated(true);
    m_inhalt->setUniformRowHeights(true);
    m_inhalt->setAccessibleName(QStringLiteral("Inhaltsverzeichnis"));
    m_reiter->addTab(m_inhalt, QStringLiteral("Inhalt"));

    auto* indexSeite = new QWidget(m_reiter);
    m_indexFilter = new QLineEdit(indexSeite);
    m_indexFilter->setObjectName(QStringLiteral("Hilfe_IndexFilter"));
    m_indexFilter->setPlaceholderText(QStringLiteral("Stichwort eingeben"));
    m_indexFilter->setClearButtonEnabled(true);
    m_indexFilter->setToolTip(QStringLiteral(u"Die Liste zeigt die Stichwörter, die den eingegebenen Text enthalten"));
    m_index = new QListWidget(indexSeite);
    m_index->setObjectName(QStringLiteral("Hilfe_Index"));
    m_index->setUniformItemSizes(true);
    m_index->setAccessibleName(QStringLiteral(u"Stichwörter"));
    auto* il = new QVBoxLayout(indexSeite);
    il->setContentsMargins(4, 6, 4, 4);
    il->addWidget(m_indexFilter);
    il->addWidget(m_index);
    m_reiter->addTab(indexSeite, QStringLiteral("Index"));

    auto* suchSeite = new QWidget(m_reiter);
    m_suchfeld = new QLineEdit(suchSeite);
    m_suchfeld->setObjectName(QStringLiteral("Hilfe_Suchtext"));
    m_suchfeld->setPlaceholderText(QStringLiteral(u"Suchbegriffe eingeben"));
    m_suchfeld->setClearButtonEnabled(true);
    m_suchfeld->setToolTip(QStringLiteral(u"Findet jedes Thema, das alle eingegebenen Wörter enthält"));
    auto* suchKnopf = new QPushButton(QStringLiteral("Suchen"), suchSeite);
    suchKnopf->setObjectName(QStringLiteral("Hilfe_Suchen"));
    m_suchergebnis = new QLabel(suchSeite);
    m_suchergebnis->setObjectName(QStringLiteral("Hilfe_Suchergebnis"));
    m_suchergebnis->setWordWrap(true);
    m_treffer = new QListWidget(suchSeite);
    m_treffer->setObjectName(QStringLiteral("Hilfe_Treffer"));
    m_treffer->setAccessibleName(QStringLiteral("Gefundene Themen"));
    auto* sl = new QVBoxLayout(suchSeite);
    sl->setContentsMargins(4, 6, 4, 4);
    auto* sz = new QHBoxLayout;
    sz->addWidget(m_suchfeld, 1);
    sz->addWidget(suchKnopf);
    sl->addLayout(sz);
    sl->addWidget(m_suchergebnis);
    sl->addWidget(m_treffer, 1);
    m_reiter->addTab(suchSeite, QStringLiteral("Suche"));

    // --- right: the topic
    m_browser = new ChmBrowser(
        [this](const QString& pfad) { return m_chm ? m_chm->lies(pfad) : std::optional<QByteArray>(); }, this);
    m_browser->setObjectName(QStringLiteral("Hilfe_Browser"));
    m_browser->setAccessibleName(QStringLiteral("Hilfethema"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setFrameShape(QFrame::NoFrame);
    m_browser->document()->setDocumentMargin(14);

    auto* teiler = new QSplitter(Qt::Horizontal, this);
    teiler->setObjectName(QStringLiteral("Hilfe_Teiler"));
    teiler->addWidget(m_reiter);
    teiler->addWidget(m_browser);
    teiler->setStretchFactor(0, 0);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({250, 690});
    teiler->setChildrenCollapsible(false);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addWidget(leiste);
    lay->addWidget(teiler, 1);

    connect(m_zurueck, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_vor, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_start, &QToolButton::clicked, this, [this] { zeigeThema(QStringLiteral("index.htm")); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_zurueck, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_vor, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &Hilfefenster::quelleGeaendert);
    connect(m_inhalt, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* i) {
        const QStringList d = i->data(0, DateienRolle).toStringList();
        if (!d.isEmpty()) zeigeThema(d.first());
    });
    connect(m_inhalt, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* i) {
        const QStringList d = i->data(0, DateienRolle).toStringList();
        if (!d.isEmpty()) zeigeThema(d.first());
    });
    connect(m_indexFilter, &QLineEdit::textChanged, this, &Hilfefenster::indexFiltern);
    connect(m_indexFilter, &QLineEdit::returnPressed, this, [this] {
        for (int i = 0; i < m_index->count(); ++i)
            if (!m_index->item(i)->isHidden()) {
                m_index->setCurrentRow(i);
                indexGewaehlt(m_index->item(i));
                return;
            }
    });
    connect(m_index, &QListWidget::itemActivated, this, &Hilfefenster::indexGewaehlt);
    connect(m_index, &QListWidget::itemClicked, this, &Hilfefenster::indexGewaehlt);
    connect(m_suchfeld, &QLineEdit::returnPressed, this, &Hilfefenster::suchen);
    connect(suchKnopf, &QPushButton::clicked, this, &Hilfefenster::suchen);
    connect(m_treffer, &QListWidget::itemActivated, this, &Hilfefenster::trefferGewaehlt);
    connect(m_treffer, &QListWidget::itemClicked, this, &Hilfefenster::trefferGewaehlt);
}

Hilfefenster::~Hilfefenster() = default;

QString Hilfefenster::thema() const { return m_browser->source().path().mid(1); }

bool Hilfefenster::oeffnen() {
    if (m_chm && m_chm->offen()) return true;
    m_chm = std::make_unique<ChmDatei>(m_datei);
    if (!m_chm->offen()) {
        m_chm.reset();
        return false;
    }
    if (auto t = m_chm->lies(QStringLiteral("/kontexte.txt"), quint64(hilfe::maxDateiGroesse)))
        m_kontexte = leseHilfekontexte(hilfe::alsText(*t));
    inhaltFuellen();
    indexFuellen();
    return true;
}

void Hilfefenster::inhaltFuellen() {
    m_inhalt->clear();
    m_titel.clear();
    m_knoten.clear();
    const QString hhc = m_chm->finde(QStringLiteral(".hhc"));
    if (hhc.isEmpty()) return;
    const auto bytes = m_chm->lies(hhc, quint64(hilfe::maxDateiGroesse));
    if (!bytes) return;
    std::vector<QTreeWidgetItem*> eltern;  // the last entry of every level
    for (const auto& e : hilfe::leseVerzeichnis(*bytes)) {
        // a level may only go one deeper than the entry before it
        const int ebene = std::min(e.ebene, int(eltern.size()));
        eltern.resize(size_t(ebene));
        auto* item = eltern.empty() ? new QTreeWidgetItem(m_inhalt) : new QTreeWidgetItem(eltern.back());
        item->setText(0, e.name);
        item->setToolTip(0, e.name);
        item->setData(0, DateienRolle, e.dateien);
        item->setIcon(0, style()->standardIcon(e.dateien.isEmpty() ? QStyle::SP_DirIcon : QStyle::SP_FileIcon));
        eltern.push_back(item);
        if (!e.dateien.isEmpty()) {
            const QString p = ohneAnker(e.dateien.first());
            m_titel.emplace(p, e.name);
            m_knoten.emplace(p, item);
        }
    }
    m_inhalt->expandAll();
}

void Hilfefenster::indexFuellen() {
    m_index->clear();
    m_stichworte.clear();
    const QString hhk = m_chm->finde(QStringLiteral(".hhk"));
    if (hhk.isEmpty()) return;
    const auto bytes = m_chm->lies(hhk, quint64(hilfe::maxDateiGroesse));
    if (!bytes) return;
    int vorige = -1;
    for (auto& e : hilfe::leseVerzeichnis(*bytes)) {
        e.ebene = std::min(e.ebene, vorige + 1);
        vorige = e.ebene;
        auto* item = new QListWidgetItem(QString(e.ebene * 4, u' ') + e.name, m_index);
        item->setData(DateienRolle, e.dateien);
        QStringList titel;
        for (const QString& d : e.dateien) titel << titelVon(d);
        item->setToolTip(titel.join(u'\n'));
        m_stichworte.push_back(std::move(e));
    }
}

QString Hilfefenster::titelVon(const QString& datei) const {
    const auto it = m_titel.find(ohneAnker(datei));
    return it != m_titel.end() ? it->second : datei;
}

void Hilfefenster::indexFiltern(const QString& text) {
    const QString t = text.trimmed();
    // a sub-keyword is shown with its keyword, and a keyword that matches shows its sub-keywords
    QString oberbegriff;
    bool oberTrifft = false;
    int oberZeile = -1;
    for (int i = 0; i < m_index->count() && i < int(m_stichworte.size()); ++i) {
        const auto& e = m_stichworte[size_t(i)];
        const bool trifft = t.isEmpty() || e.name.contains(t, Qt::CaseInsensitive);
        if (e.ebene == 0) {
            oberTrifft = trifft;
            oberZeile = i;
            m_index->item(i)->setHidden(!trifft);
        } else {
            const bool zeigen = trifft || oberTrifft;
            m_index->item(i)->setHidden(!zeigen);
            if (zeigen && oberZeile >= 0) m_index->item(oberZeile)->setHidden(false);
        }
    }
}

void Hilfefenster::indexGewaehlt(QListWidgetItem* item) {
    if (!item) return;
    const QStringList dateien = item->data(DateienRolle).toStringList();
    if (dateien.isEmpty()) return;
    if (dateien.size() == 1) {
        zeigeThema(dateien.first());
        return;
    }
    // one keyword in several topics: the user picks the topic
    QMenu auswahl(this);
    auswahl.setObjectName(QStringLiteral("Hilfe_Themenwahl"));
    for (const QString& d : dateien) auswahl.addAction(titelVon(d))->setData(d);
    const QRect r = m_index->visualItemRect(item);
    if (QAction* a = auswahl.exec(m_index->viewport()->mapToGlobal(r.bottomLeft()))) zeigeThema(a->data().toString());
}

void Hilfefenster::suchindexAufbauen() {
    if (m_suchindex || !m_chm) return;
    m_suchindex = true;
    QStringList dateien;
    auto aufnehmen = [&dateien](const QString& d) {
        const QString p = ohneAnker(d);
        if (!p.isEmpty() && !dateien.contains(p)) dateien << p;
    };
    for (const auto& [pfad, titel] : m_titel) aufnehmen(pfad);
    for (const auto& e : m_stichworte)
        for (const QString& d : e.dateien) aufnehmen(d);
    // in the order of the contents
    QTreeWidgetItemIterator it(m_inhalt);
    QStringList geordnet;
    for (; *it; ++it)
        for (const QString& d : (*it)->data(0, DateienRolle).toStringList())
            if (dateien.contains(ohneAnker(d)) && !geordnet.contains(ohneAnker(d))) geordnet << ohneAnker(d);
    for (const QString& d : dateien)
        if (!geordnet.contains(d)) geordnet << d;
    for (const QString& d : geordnet) {
        const auto bytes = m_chm->lies(d, quint64(hilfe::maxDateiGroesse));
        if (!bytes) continue;
        const QString html = hilfe::alsText(*bytes);
        QString t = hilfe::titel(html);
        if (t.isEmpty()) t = titelVon(d);
        m_suchthemen.push_back({d, t, hilfe::klartext(html)});
    }
}

void Hilfefenster::suchen() {
    m_treffer->clear();
    const QString anfrage = m_suchfeld->text().simplified();
    if (anfrage.isEmpty()) {
        m_suchergebnis->setText(QString());
        return;
    }
    if (!oeffnen()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    suchindexAufbauen();
    QApplication::restoreOverrideCursor();
    const std::vector<int> gefunden = hilfe::suche(anfrage, m_suchthemen);
    for (int i : gefunden) {
        auto* item = new QListWidgetItem(m_suchthemen[size_t(i)].titel, m_treffer);
        item->setData(DateienRolle, QStringList{m_suchthemen[size_t(i)].datei});
    }
    m_suchergebnis->setText(gefunden.empty() ? QStringLiteral(u"Kein Thema enthält alle Suchwörter.")
                            : gefunden.size() == 1 ? QStringLiteral(u"1 Thema gefunden:")
                                                   : QStringLiteral(u"%1 Themen gefunden:").arg(gefunden.size()));
}

void Hilfefenster::trefferGewaehlt(QListWidgetItem* item) {
    if (!item) return;
    const QStringList d = item->data(DateienRolle).toStringList();
    if (d.isEmpty() || !zeigeThema(d.first())) return;
    // the first place of the first search word, marked
    const QStringList woerter = m_suchfeld->text().simplified().split(u' ', Qt::SkipEmptyParts);
    if (!woerter.isEmpty()) {
        m_browser->moveCursor(QTextCursor::Start);
        m_browser->find(woerter.first());
    }
}

void Hilfefenster::quelleGeaendert(const QUrl& url) {
    const QString titel = m_browser->documentTitle();
    m_ueberschrift->setText(titel);
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Zelmotron Hilfe") : QStringLiteral(u"Zelmotron Hilfe – ") + titel);
    const auto it = m_knoten.find(ohneAnker(url.path().mid(1)));
    if (it != m_knoten.end()) {
        const QSignalBlocker sperre(m_inhalt);
        m_inhalt->setCurrentItem(it->second);
        m_inhalt->scrollToItem(it->second);
    } else {
        m_inhalt->clearSelection();
    }
}

bool Hilfefenster::zeigeThema(const QString& pfad) {
    if (!oeffnen()) {
        Meldungen::standardFehler(QStringLiteral(u"Die Hilfedatei \"%1\" kann nicht geöffnet werden.").arg(m_datei));
        return false;
    }
    const QString p = hilfe::innererPfad(pfad);
    if (p.isEmpty() || !m_chm->lies(ohneAnker(p))) {
        Meldungen::standardFehler(QStringLiteral(u"Das Thema \"%1\" fehlt in der Hilfedatei.").arg(pfad));
        return false;
    }
    // a click and an activation of the same entry show the topic once (one step back, not two)
    const QUrl url(u'/' + p);
    if (m_browser->source() != url) m_browser->setSource(url);
    return true;
}

bool Hilfefenster::zeige(int kontext) {
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
    if (!zeigeThema(it->second)) return false;
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace zelmo
