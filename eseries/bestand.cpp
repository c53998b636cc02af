// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eseries/bestand.h"

#include <QRegularExpression>
#include <cmath>
#include <optional>

#include "eseries/toleranz.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

std::optional<double> positiv(std::optional<double> w) {
    if (w && *w > 0 && std::isfinite(*w)) return w;
    return std::nullopt;
}

// The first column of a table line.
QString ersteSpalte(const QString& zeile, QChar dezimal) {
    qsizetype ende = zeile.size();
    for (QChar t : {QChar(u';'), QChar(u'\t')}) {
        const qsizetype p = zeile.indexOf(t);
        if (p >= 0) ende = std::min(ende, p);
    }
    if (dezimal != u',') {
        const qsizetype p = zeile.indexOf(u',');
        if (p >= 0) ende = std::min(ende, p);
    }
    QString s = zeile.left(ende).trimmed();
    if (s.size() >= 2 && s.startsWith(u'"') && s.endsWith(u'"')) s = s.mid(1, s.size() - 2).trimmed();
    return s;
}

}  // namespace

std::optional<double> bestandWert(const QString& zeile, QChar dezimal) {
    const QString t = zeile.trimmed();
    if (t.isEmpty()) return std::nullopt;
    // a number with either separator, an optional exponent, prefix and unit sign, and nothing else
    // (the number reading of the fields passes over stray characters, a stock line must not)
    static const QRegularExpression zahl(
        QStringLiteral(u"^\\+?(\\d+)(?:[.,](\\d+))?(?:[eE][+-]?\\d+)?\\s*[yzafpnuµmkKMGTPEZY]?\\s*(?:Ω|Ohm|F|H)?$"));
    if (zahl.match(t).hasMatch()) {
        const QChar anderer = dezimal == u',' ? u'.' : u',';
        return positiv(Zahleneingabe(QString(t).replace(anderer, dezimal), dezimal));
    }
    // letter code: the prefix letter (R for none) stands for the separator
    static const QRegularExpression code(QStringLiteral(u"^(\\d*)([RrpnuµmkKMG])(\\d*)\\s*(\u2126|Ohm|F|H)?$"));
    const auto m = code.match(t);
    if (m.hasMatch() && (m.capturedLength(1) > 0 || m.capturedLength(3) > 0)) {
        QString buchstabe = m.captured(2);
        if (buchstabe == u"R" || buchstabe == u"r") buchstabe.clear();
        if (buchstabe == u"K") buchstabe = QStringLiteral("k");
        const QString vorne = m.captured(1).isEmpty() ? QStringLiteral("0") : m.captured(1);
        const QString hinten = m.captured(3).isEmpty() ? QStringLiteral("0") : m.captured(3);
        return positiv(Zahleneingabe(vorne + dezimal + hinten + buchstabe, dezimal));
    }
    return std::nullopt;
}

Bestandsliste bestandLesen(const QString& text, QChar dezimal, bool kopfzeile) {
    Bestandsliste b;
    const QStringList zeilen = text.split(u'\n');
    bool erste = true;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        QString z = zeilen[i];
        if (z.endsWith(u'\r')) z.chop(1);
        if (z.trimmed().isEmpty()) continue;
        // the whole line, else its first column ("4,7k" stays whole where the point is the separator)
        auto w = bestandWert(z, dezimal);
        if (!w) w = bestandWert(ersteSpalte(z, dezimal), dezimal);
        if (w)
            b.werte.push_back(*w);
        else if (!(kopfzeile && erste))
            b.falsch.push_back(int(i) + 1);
        erste = false;
    }
    return b;
}

QString bestandAusDatei(const QString& text, QChar dezimal) {
    QStringList aus;
    bool erste = true;
    for (QString z : text.split(u'\n')) {
        if (z.endsWith(u'\r')) z.chop(1);
        if (z.trimmed().isEmpty()) continue;
        const QString spalte = bestandWert(z, dezimal) ? z.trimmed() : ersteSpalte(z, dezimal);
        const bool kopf = erste && !bestandWert(spalte, dezimal);
        erste = false;
        if (!kopf) aus << spalte;
    }
    return aus.join(u'\n');
}

QString bestandName(int art) {
    switch (art) {
        case artL: return QStringLiteral("Spulen");
        case artC: return QStringLiteral("Kondensatoren");
        default: return QStringLiteral(u"Widerstände");
    }
}

QString bestandDatei(const QString& ordner, int art) {
    const char* namen[] = {"Bestand_R.txt", "Bestand_L.txt", "Bestand_C.txt"};
    return ordner + u'/' + QString::fromLatin1(namen[art == artL ? 1 : art == artC ? 2 : 0]);
}

QString bestandMeldung(const std::vector<int>& falsch, int art) {
    if (falsch.empty()) return {};
    QStringList nummern;
    for (int n : falsch) nummern << QString::number(n);
    const QString wo = falsch.size() == 1 ? QStringLiteral("Die Zeile ") + nummern[0] + QStringLiteral(" enthält")
                                          : QStringLiteral("Die Zeilen ") + nummern.join(QStringLiteral(", ")) +
                                                QStringLiteral(" enthalten");
    return wo + QStringLiteral(u" im Bestand „") + bestandName(art) + QStringLiteral(u"“ keinen Bauteilwert. ") +
           (falsch.size() == 1 ? QStringLiteral(u"Sie bleibt im Bestand stehen, wird aber bei der Suche nicht verwendet.")
                               : QStringLiteral(u"Sie bleiben im Bestand stehen, werden aber bei der Suche nicht "
                                                u"verwendet."));
}

QString kopierText(const QStringList& zeilen, int art, int teile) {
    const QString b = art == artL ? QStringLiteral("L") : art == artC ? QStringLiteral("C") : QStringLiteral("R");
    QString t = teile == 3 ? b + QStringLiteral("1\t") + b + QStringLiteral("2\t") + b + QStringLiteral("3\tSchaltung\t") +
                                 b + QStringLiteral("ges\tF\n")
                           : b + QStringLiteral("1\t") + b + QStringLiteral("2\t") + b + QStringLiteral("ges\tF\n");
    for (const QString& z : zeilen) {
        QStringList felder = z.split(u'\t');
        for (QString& f : felder) f = f.trimmed();
        t += felder.join(u'\t');
        t += u'\n';
    }
    return t;
}

}  // namespace zelmo
