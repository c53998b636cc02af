// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help window: the topics of the compiled help file (CHM) on the right; on the left the table of
// contents as a tree, the keyword index as a list filtered while typing, and a full-text search over
// the topics; back and forward through the topics seen. Everything read from the help file goes
// through the checked readers of platform/hilfeinhalt.

#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "platform/hilfeinhalt.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zelmo {

class ChmDatei;

class Hilfefenster : public QWidget {
    Q_OBJECT
public:
    // datei: the help file; it is opened when a topic is asked for the first time.
    explicit Hilfefenster(const QString& datei, QWidget* parent = nullptr);
    ~Hilfefenster() override;

    // Shows the topic of a context number; false (with a message) when the file or topic is missing.
    bool zeige(int kontext);
    // Shows a topic by its path in the help file ("lm317.htm", "lm317.htm#kuehlkoerper").
    bool zeigeThema(const QString& pfad);

    QTextBrowser* browser() const { return m_browser; }
    QTreeWidget* inhalt() const { return m_inhalt; }
    QListWidget* index() const { return m_index; }
    QLineEdit* indexFilter() const { return m_indexFilter; }
    QLineEdit* suchfeld() const { return m_suchfeld; }
    QListWidget* treffer() const { return m_treffer; }
    QTabWidget* reiter() const { return m_reiter; }
    // The topic shown last ("widerstand.htm"); empty before the first.
    QString thema() const;

    // Runs the full-text search for the text of the search field and lists the topics found.
    void suchen();

private:
    bool oeffnen();
    void inhaltFuellen();
    void indexFuellen();
    void indexFiltern(const QString& text);
    void indexGewaehlt(QListWidgetItem* item);
    void trefferGewaehlt(QListWidgetItem* item);
    void quelleGeaendert(const QUrl& url);
    QString titelVon(const QString& datei) const;
    void suchindexAufbauen();

    QString m_datei;
    std::unique_ptr<ChmDatei> m_chm;
    std::map<int, QString> m_kontexte;
    std::vector<hilfe::Verzeichniseintrag> m_stichworte;
    std::map<QString, QString> m_titel;             // topic path (no anchor) -> title from the contents
    std::map<QString, QTreeWidgetItem*> m_knoten;    // topic path (no anchor) -> its contents entry
    std::vector<hilfe::Suchthema> m_suchthemen;      // built at the first search
    bool m_suchindex = false;

    QToolButton* m_zurueck;
    QToolButton* m_vor;
    QToolButton* m_start;
    QLabel* m_ueberschrift;
    QTabWidget* m_reiter;
    QTreeWidget* m_inhalt;
    QLineEdit* m_indexFilter;
    QListWidget* m_index;
    QLineEdit* m_suchfeld;
    QLabel* m_suchergebnis;
    QListWidget* m_treffer;
    QTextBrowser* m_browser;
};

}  // namespace zelmo
