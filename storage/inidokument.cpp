// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/inidokument.h"

#include <QStringList>

#include "storage/textlesen.h"

namespace zelmo {

namespace {
const QByteArray bom("\xEF\xBB\xBF");
bool gleich(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

IniDokument IniDokument::ausBytes(const QByteArray& bytes, QString* fehler) {
    const GelesenerText gelesen = textLesen(bytes);
    if (fehler) *fehler = gelesen.fehler;
    return ausText(gelesen.text);
}

IniDokument IniDokument::ausText(const QString& text) {
    IniDokument d;
    d.m_abschnitte.push_back({});
    QStringList zeilen = text.split(u'\n');
    if (!zeilen.isEmpty() && zeilen.back().isEmpty()) zeilen.removeLast();
    for (const QString& z : zeilen) {
        const QString t = z.trimmed();
        if (t.startsWith(u'[') && t.endsWith(u']')) {
            d.m_abschnitte.push_back({t.mid(1, t.size() - 2).trimmed(), {}});
            continue;
        }
        Zeile zeile{z, {}, {}, false};
        const qsizetype gl = z.indexOf(u'=');
        if (gl > 0 && !t.startsWith(u';')) {
            zeile.schluessel = z.left(gl).trimmed();
            zeile.wert = z.mid(gl + 1).trimmed();
            zeile.eintrag = !zeile.schluessel.isEmpty();
        }
        d.m_abschnitte.back().zeilen.push_back(zeile);
    }
    return d;
}

const IniDokument::Abschnitt* IniDokument::finde(const QString& name) const {
    for (size_t i = 1; i < m_abschnitte.size(); ++i)
        if (gleich(m_abschnitte[i].name, name.trimmed())) return &m_abschnitte[i];
    return nullptr;
}

IniDokument::Abschnitt* IniDokument::finde(const QString& name) {
    return const_cast<Abschnitt*>(static_cast<const IniDokument*>(this)->finde(name));
}

std::optional<QString> IniDokument::lies(const QString& abschnitt, const QString& schluessel) const {
    const Abschnitt* a = finde(abschnitt);
    if (!a) return std::nullopt;
    for (const Zeile& z : a->zeilen)
        if (z.eintrag && gleich(z.schluessel, schluessel.trimmed())) return z.wert;
    return std::nullopt;
}

void IniDokument::schreibe(const QString& abschnitt, const QString& schluessel, const QString& wert) {
    if (m_abschnitte.empty()) m_abschnitte.push_back({});
    Abschnitt* a = finde(abschnitt);
    if (!a) {
        m_abschnitte.push_back({abschnitt.trimmed(), {}});
        a = &m_abschnitte.back();
    }
    for (Zeile& z : a->zeilen)
        if (z.eintrag && gleich(z.schluessel, schluessel.trimmed())) {
            z.wert = wert.trimmed();
            return;
        }
    // after the last entry, before any blank lines that close the section
    auto pos = a->zeilen.end();
    while (pos != a->zeilen.begin() && !(pos - 1)->eintrag && (pos - 1)->text.trimmed().isEmpty()) --pos;
    a->zeilen.insert(pos, Zeile{{}, schluessel.trimmed(), wert.trimmed(), true});
}

QByteArray IniDokument::alsBytes() const {
    QString text;
    for (size_t i = 0; i < m_abschnitte.size(); ++i) {
        const Abschnitt& a = m_abschnitte[i];
        if (i > 0) text += u'[' + a.name + QStringLiteral("]\r\n");
        for (const Zeile& z : a.zeilen)
            text += (z.eintrag ? z.schluessel + u'=' + z.wert : z.text) + QStringLiteral("\r\n");
        // a section written here for the first time ends with a blank line, as in a fresh file
        if (i > 0 && (a.zeilen.empty() || !a.zeilen.back().text.trimmed().isEmpty() || a.zeilen.back().eintrag))
            text += QStringLiteral("\r\n");
    }
    return bom + text.toUtf8();
}

}  // namespace zelmo
