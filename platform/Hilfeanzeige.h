#pragma once
// The help viewer: shows the topics of the compiled help file (CHM) by their context numbers.

#include <QWidget>
#include <map>
#include <memory>

class QTextBrowser;

namespace zelmo {

class ChmDatei;

class Hilfeanzeige : public QWidget {
    Q_OBJECT
public:
    // datei: the help file; it is opened when a topic is asked for the first time.
    explicit Hilfeanzeige(const QString& datei, QWidget* parent = nullptr);
    ~Hilfeanzeige() override;

    // Shows the topic of a context number; false (with a message) when the file or topic is missing.
    bool zeige(int kontext);
    QTextBrowser* browser() const { return m_browser; }
    // The topic shown last ("widerstand.htm"); empty before the first.
    QString thema() const;

private:
    bool oeffnen();

    QString m_datei;
    std::unique_ptr<ChmDatei> m_chm;
    std::map<int, QString> m_kontexte;
    QTextBrowser* m_browser;
};

}  // namespace zelmo
