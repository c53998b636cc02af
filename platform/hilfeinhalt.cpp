// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/hilfeinhalt.h"

#include <QStringDecoder>
#include <algorithm>
#include <utility>

namespace zelmo::hilfe {

namespace {

// The characters 0x80 to 0x9F of Windows-1252 (0 where the code page has none).
constexpr char16_t cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct Benannt {
    const char* name;
    char16_t zeichen;
};
// The named references German help pages use.
constexpr Benannt benannte[] = {
    {"amp", u'&'},     {"lt", u'<'},       {"gt", u'>'},      {"quot", u'"'},      {"apos", u'\''},
    {"nbsp", 0xA0},    {"auml", 0xE4},     {"ouml", 0xF6},    {"uuml", 0xFC},      {"Auml", 0xC4},
    {"Ouml", 0xD6},    {"Uuml", 0xDC},     {"szlig", 0xDF},   {"micro", 0xB5},     {"deg", 0xB0},
    {"middot", 0xB7},  {"times", 0xD7},    {"divide", 0xF7},  {"plusmn", 0xB1},    {"ndash", 0x2013},
    {"mdash", 0x2014}, {"minus", 0x2212},  {"Omega", 0x3A9},  {"ohm", 0x2126},     {"le", 0x2264},
    {"ge", 0x2265},    {"asymp", 0x2248},  {"bdquo", 0x201E}, {"ldquo", 0x201C},   {"rdquo", 0x201D},
    {"sup2", 0xB2},    {"sup3", 0xB3},     {"frac12", 0xBD},  {"rarr", 0x2192},    {"larr", 0x2190},
    {"para", 0xB6},    {"sect", 0xA7},     {"copy", 0xA9},    {"reg", 0xAE},       {"hellip", 0x2026},
    {"Delta", 0x394},  {"alpha", 0x3B1},   {"beta", 0x3B2},   {"tau", 0x3C4},      {"thinsp", 0x2009},
    {"eacute", 0xE9},  {"egrave", 0xE8},   {"bull", 0x2022},  {"radic", 0x221A},   {"infin", 0x221E},
};

bool istNameZeichen(QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':'; }

// A tag of a sitemap or page: its name in lower case, whether it closes, its attributes.
struct Tag {
    QString name;
    bool schliessend = false;
    std::vector<std::pair<QString, QString>> attribute;

    QString attribut(QStringView n) const {
        for (const auto& [k, v] : attribute)
            if (k == n) return v;
        return {};
    }
};

// Reads the tag that starts at text[pos] == '<'; pos ends behind its '>' (or at the end of the text).
Tag leseTag(const QString& text, qsizetype& pos) {
    Tag t;
    const qsizetype n = text.size();
    ++pos;  // '<'
    if (pos < n && text[pos] == u'/') {
        t.schliessend = true;
        ++pos;
    }
    const qsizetype nameAnfang = pos;
    while (pos < n && istNameZeichen(text[pos])) ++pos;
    t.name = text.mid(nameAnfang, std::min<qsizetype>(pos - nameAnfang, maxTextLaenge)).toLower();
    while (pos < n && text[pos] != u'>') {
        if (text[pos].isSpace() || text[pos] == u'/') {
            ++pos;
            continue;
        }
        const qsizetype a = pos;
        while (pos < n && istNameZeichen(text[pos])) ++pos;
        if (pos == a) {  // a character that belongs to nothing: skip it
            ++pos;
            continue;
        }
        QString name = text.mid(a, std::min<qsizetype>(pos - a, maxTextLaenge)).toLower();
        while (pos < n && text[pos].isSpace()) ++pos;
        QString wert;
        if (pos < n && text[pos] == u'=') {
            ++pos;
            while (pos < n && text[pos].isSpace()) ++pos;
            if (pos < n && (text[pos] == u'"' || text[pos] == u'\'')) {
                const QChar q = text[pos++];
                const qsizetype w = pos;
                while (pos < n && text[pos] != q) ++pos;
                wert = text.mid(w, pos - w);
                if (pos < n) ++pos;
            } else {
                const qsizetype w = pos;
                while (pos < n && !text[pos].isSpace() && text[pos] != u'>') ++pos;
                wert = text.mid(w, pos - w);
            }
        }
        if (t.attribute.size() < 16) t.attribute.emplace_back(std::move(name), std::move(wert));
    }
    if (pos < n) ++pos;  // '>'
    return t;
}

// Skips a comment "<!-- ... -->" starting at pos; pos ends behind it.
bool kommentarUeberspringen(const QString& text, qsizetype& pos) {
    if (!QStringView(text).mid(pos, 4).startsWith(u"<!--")) return false;
    const qsizetype ende = text.indexOf(QStringLiteral("-->"), pos + 4);
    pos = ende < 0 ? text.size() : ende + 3;
    return true;
}

QString gekuerzt(const QString& s) {
    QString t = entitaetenAufloesen(s).simplified();
    if (t.size() > maxTextLaenge) t.truncate(maxTextLaenge);
    return t;
}

}  // namespace

QString alsText(const QByteArray& roh) {
    const QByteArray bytes = roh.size() > maxDateiGroesse ? roh.left(maxDateiGroesse) : roh;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    text.clear();
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0)
            text += cp1252[b - 0x80] ? QChar(cp1252[b - 0x80]) : QChar(QChar::ReplacementCharacter);
        else
            text += QChar(b);
    }
    return text;
}

QString entitaetenAufloesen(const QString& text) {
    if (!text.contains(u'&')) return text;
    QString aus;
    aus.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'&') {
            aus += text[i];
            continue;
        }
        const qsizetype ende = text.indexOf(u';', i + 1);
        if (ende < 0 || ende - i > 10) {
            aus += text[i];
            continue;
        }
        const QStringView ref = QStringView(text).mid(i + 1, ende - i - 1);
        bool gefunden = false;
        if (ref.startsWith(u'#')) {
            bool ok = false;
            const uint code = (ref.size() > 1 && (ref[1] == u'x' || ref[1] == u'X')) ? ref.mid(2).toUInt(&ok, 16)
                                                                                     : ref.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
                aus += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
                gefunden = true;
            }
        } else {
            for (const auto& b : benannte)
                if (ref == QLatin1StringView(b.name)) {
                    aus += QChar(b.zeichen);
                    gefunden = true;
                    break;
                }
        }
        if (gefunden)
            i = ende;
        else
            aus += text[i];
    }
    return aus;
}

QString innererPfad(const QString& link) {
    QString p = entitaetenAufloesen(link).trimmed();
    // "ms-its:Datei.chm::/thema.htm" and "Datei.chm::/thema.htm" lead into a help file: ours only
    // when no other file is named, so the part behind "::" is taken only without a file before it.
    if (p.contains(QStringLiteral("::"))) return {};
    if (p.contains(u':')) return {};  // a scheme: http:, mailto:, javascript:, C:...
    if (p.contains(u'\\')) p.replace(u'\\', u'/');
    while (p.startsWith(u'/')) p.remove(0, 1);
    if (p.isEmpty() || p.size() > maxTextLaenge) return {};
    const QString ohneAnker = p.section(u'#', 0, 0);
    for (const QString& teil : ohneAnker.split(u'/'))
        if (teil == QStringLiteral("..")) return {};
    for (const QChar c : p)
        if (c.unicode() < 0x20) return {};
    return p;
}

std::vector<Verzeichniseintrag> leseVerzeichnis(const QByteArray& bytes) {
    const QString text = alsText(bytes);
    std::vector<Verzeichniseintrag> liste;
    int tiefe = 0;          // open <UL> lists
    bool imObjekt = false;  // inside <OBJECT type="text/sitemap">
    Verzeichniseintrag aktuell;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n && int(liste.size()) < maxEintraege) {
        const qsizetype lt = text.indexOf(u'<', pos);
        if (lt < 0) break;
        pos = lt;
        if (kommentarUeberspringen(text, pos)) continue;
        const Tag t = leseTag(text, pos);
        if (t.name == u"ul") {
            tiefe = std::max(0, tiefe + (t.schliessend ? -1 : 1));
        } else if (t.name == u"object") {
            if (!t.schliessend) {
                imObjekt = t.attribut(u"type").compare(u"text/sitemap", Qt::CaseInsensitive) == 0;
                aktuell = {};
                aktuell.ebene = std::clamp(tiefe - 1, 0, maxEbene - 1);
            } else if (imObjekt) {
                imObjekt = false;
                if (!aktuell.name.isEmpty()) liste.push_back(std::move(aktuell));
                aktuell = {};
            }
        } else if (t.name == u"param" && imObjekt) {
            const QString name = t.attribut(u"name").toLower();
            const QString wert = t.attribut(u"value");
            if (name == u"name" && aktuell.name.isEmpty()) {
                aktuell.name = gekuerzt(wert);
            } else if (name == u"local" && aktuell.dateien.size() < maxVerweise) {
                const QString p = innererPfad(wert);
                if (!p.isEmpty() && !aktuell.dateien.contains(p)) aktuell.dateien << p;
            }
        }
    }
    return liste;
}

QString klartext(const QString& html) {
    QString aus;
    aus.reserve(html.size());
    const qsizetype n = std::min<qsizetype>(html.size(), maxDateiGroesse);
    qsizetype pos = 0;
    bool blank = true;
    auto anhaengen = [&](QStringView s) {
        for (const QChar c : s) {
            if (c.isSpace()) {
                if (!blank) aus += u' ';
                blank = true;
            } else {
                aus += c;
                blank = false;
            }
        }
    };
    while (pos < n) {
        const qsizetype lt = html.indexOf(u'<', pos);
        const qsizetype textEnde = (lt < 0 || lt > n) ? n : lt;
        if (textEnde > pos) anhaengen(entitaetenAufloesen(html.mid(pos, textEnde - pos)));
        if (textEnde >= n) break;
        pos = textEnde;
        if (kommentarUeberspringen(html, pos)) continue;
        const Tag t = leseTag(html, pos);
        if (!t.schliessend && (t.name == u"script" || t.name == u"style")) {
            const qsizetype ende = html.indexOf(QStringLiteral("</") + t.name, pos, Qt::CaseInsensitive);
            pos = ende < 0 ? n : ende;
            continue;
        }
        // block elements and line breaks part words
        static constexpr const char16_t* trennend[] = {u"p",  u"br", u"div", u"li", u"td", u"th",   u"tr",
                                                       u"h1", u"h2", u"h3",  u"h4", u"title", u"table"};
        for (const char16_t* name : trennend)
            if (t.name == QStringView(name)) {
                anhaengen(u" ");
                break;
            }
    }
    return aus.trimmed();
}

QString titel(const QString& html) {
    const qsizetype a = html.indexOf(QStringLiteral("<title"), 0, Qt::CaseInsensitive);
    if (a < 0) return {};
    const qsizetype gt = html.indexOf(u'>', a);
    if (gt < 0) return {};
    const qsizetype e = html.indexOf(QStringLiteral("</title"), gt, Qt::CaseInsensitive);
    if (e < 0) return {};
    return gekuerzt(html.mid(gt + 1, e - gt - 1));
}

std::vector<int> suche(const QString& anfrage, const std::vector<Suchthema>& themen) {
    const QStringList woerter = anfrage.simplified().toCaseFolded().split(u' ', Qt::SkipEmptyParts);
    std::vector<std::pair<int, int>> treffer;  // hits, index
    if (woerter.isEmpty()) return {};
    for (int i = 0; i < int(themen.size()); ++i) {
        const QString inhalt = (themen[size_t(i)].titel + u' ' + themen[size_t(i)].text).toCaseFolded();
        int summe = 0;
        bool alle = true;
        for (const QString& w : woerter) {
            const int anzahl = int(inhalt.count(w));
            if (anzahl == 0) {
                alle = false;
                break;
            }
            // a topic with the word in its title comes before every topic that only mentions it
            summe += anzahl + (themen[size_t(i)].titel.toCaseFolded().contains(w) ? 100000 : 0);
        }
        if (alle) treffer.emplace_back(summe, i);
    }
    std::stable_sort(treffer.begin(), treffer.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> ergebnis;
    ergebnis.reserve(treffer.size());
    for (const auto& t : treffer) ergebnis.push_back(t.second);
    return ergebnis;
}

}  // namespace zelmo::hilfe
