// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

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

std::optional<QString> fremderDatenfileTrenner(const QString& text) {
    const QString erste = text.section(u'\n', 0, 0);
    if (istDezimaltrenner(erste)) return std::nullopt;
    return erste;
}

std::array<std::optional<double>, DatenfileZahlen> leseDatenfile(const QByteArray& inhalt, QChar dezimal,
                                                                 QString* fehler) {
    const GelesenerText gelesen = textLesen(inhalt);
    if (fehler) *fehler = gelesen.fehler;
    return leseDatenfileText(gelesen.text, dezimal);
}

std::array<std::optional<double>, DatenfileZahlen> leseDatenfileText(const QString& text, QChar dezimal) {
    std::array<std::optional<double>, DatenfileZahlen> werte{};
    const QStringList zeilen = text.split(u'\n');
    const QChar gespeichert = istDezimaltrenner(zeilen.value(0)) ? zeilen[0][0] : QChar(u',');
    for (int i = 0; i < DatenfileZahlen && i + 1 < zeilen.size(); ++i) {
        QString z = zeilen[i + 1];
        z.replace(gespeichert, dezimal);
        werte[size_t(i)] = Gleitkommazahl(z, dezimal);
    }
    return werte;
}

}  // namespace zelmo
