// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/datenfile.h"

#include <QString>
#include <QStringList>
#include <algorithm>

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

std::vector<std::optional<double>> leseDatenfile(const QByteArray& inhalt, QChar dezimal, QString* fehler) {
    const GelesenerText gelesen = textLesen(inhalt);
    if (fehler) *fehler = gelesen.fehler;
    return leseDatenfileText(gelesen.text, dezimal);
}

std::vector<std::optional<double>> leseDatenfileText(const QString& text, QChar dezimal) {
    QStringList zeilen = text.split(u'\n');
    // the end of the last line starts no line of its own
    if (zeilen.size() > 1 && zeilen.back().isEmpty()) zeilen.removeLast();
    const QChar gespeichert = istDezimaltrenner(zeilen.value(0)) ? zeilen[0][0] : QChar(u',');
    std::vector<std::optional<double>> werte;
    werte.reserve(size_t(std::max<qsizetype>(zeilen.size() - 1, 0)));
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        QString z = zeilen[i];
        z.replace(gespeichert, dezimal);
        werte.push_back(Gleitkommazahl(z, dezimal));
    }
    return werte;
}

}  // namespace zelmo
