#pragma once
// Unpacks a ZIP archive (libzip) into a folder. Every entry must stay inside that folder: an archive
// with an absolute path or a ".." step in any entry name is refused before anything is written.

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace zelmo::net {

// The archive cannot be read or unpacked; what() / text() is the German message for the user.
class ZipFehler : public std::runtime_error {
public:
    explicit ZipFehler(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

struct Entpackt {
    QStringList dateien;  // files written (absolute, clean paths), in archive order
    QStringList ordner;   // folders that did not exist before, parents before their children
};

// True when an entry name stays inside the target folder: relative, without "..".
bool zipNameZulaessig(const QString& name);

// Unpacks archiv into ziel (which must exist); existing files are replaced. Throws ZipFehler.
Entpackt zipEntpacken(const QString& archiv, const QString& ziel);
// The same, recording into ergebnis as it goes: after a failure in the middle it lists what was
// written up to then.
void zipEntpacken(const QString& archiv, const QString& ziel, Entpackt& ergebnis);

}  // namespace zelmo::net
