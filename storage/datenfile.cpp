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

std::array<std::optional<double>, DatenfileZahlen> leseDatenfile(const QByteArray& inhalt, QChar dezimal,
                                                                 QString* fehler) {
    std::array<std::optional<double>, DatenfileZahlen> werte{};
    const GelesenerText gelesen = textLesen(inhalt);
    if (fehler) *fehler = gelesen.fehler;
    const QStringList zeilen = gelesen.text.split(u'\n');
    if (zeilen.isEmpty() || zeilen[0].isEmpty()) return werte;
    const QChar gespeichert = zeilen[0][0];
    for (int i = 0; i < DatenfileZahlen && i + 1 < zeilen.size(); ++i) {
        QString z = zeilen[i + 1];
        z.replace(gespeichert, dezimal);
        werte[size_t(i)] = Gleitkommazahl(z, dezimal);
    }
    return werte;
}

}  // namespace zelmo
