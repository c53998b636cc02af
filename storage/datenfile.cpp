#include "storage/datenfile.h"

#include <QString>
#include <QStringList>

#include "storage/textlesen.h"
#include "values/zahlen.h"

namespace zelmo {

QByteArray datenfileText(const Datenwerte& werte, QChar dezimal) {
    QString text = QString(dezimal) + QStringLiteral("\r\n");
    for (double w : werte) text += allgemein(w, dezimal) + QStringLiteral("\r\n");
    return text.toLatin1();
}

namespace {
bool istTrenner(const QString& z) { return z == QLatin1String(",") || z == QLatin1String("."); }
}  // namespace

std::optional<QString> fremderDatenfileTrenner(const QByteArray& inhalt) {
    const GelesenerText gelesen = textLesen(inhalt);
    if (!gelesen.fehler.isEmpty()) return std::nullopt;  // named as undecodable instead
    const QString erste = gelesen.text.section(u'\n', 0, 0);
    if (istTrenner(erste)) return std::nullopt;
    return erste;
}

std::array<std::optional<double>, DatenfileZahlen> leseDatenfile(const QByteArray& inhalt, QChar dezimal,
                                                                 QString* fehler) {
    std::array<std::optional<double>, DatenfileZahlen> werte{};
    const GelesenerText gelesen = textLesen(inhalt);
    if (fehler) *fehler = gelesen.fehler;
    const QStringList zeilen = gelesen.text.split(u'\n');
    // any other text would be replaced in every number ("1" would turn 110 into 0)
    const QChar gespeichert = istTrenner(zeilen.value(0)) ? zeilen[0][0] : QChar(u',');
    for (int i = 0; i < DatenfileZahlen && i + 1 < zeilen.size(); ++i) {
        QString z = zeilen[i + 1];
        z.replace(gespeichert, dezimal);
        werte[size_t(i)] = Gleitkommazahl(z, dezimal);
    }
    return werte;
}

}  // namespace zelmo
