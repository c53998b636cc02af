// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the help viewer reads out of the help file besides the pages themselves: the table of contents
// (.hhc), the keyword index (.hhk) and the plain text of the topics for the full-text search.
//
// The help file comes from outside (a damaged copy, a file from another program under our name), so
// every reader here takes plain bytes, checks every length and count against the limits below and
// returns what it could read; none of them ever fails or reads past its input. QtCore only, so that
// the fuzz targets can run them on their own.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace zelmo::hilfe {

// Limits of what is taken from one file; more is left out.
inline constexpr qsizetype maxDateiGroesse = 4 * 1024 * 1024;  // bytes of one .hhc/.hhk/topic read
inline constexpr int maxEintraege = 5000;                     // entries of one contents or index
inline constexpr int maxEbene = 16;                           // nesting depth of the lists
inline constexpr int maxTextLaenge = 300;                     // characters of a name or path
inline constexpr int maxVerweise = 32;                        // topics of one index keyword

// The bytes of a file of the help file as text: UTF-8 when they are valid UTF-8, else Windows-1252
// (what older help compilers write).
QString alsText(const QByteArray& bytes);

// "&amp;", "&lt;", "&#228;", "&#xE4;", "&auml;" ... replaced by their characters; unknown or broken
// references stay as they are.
QString entitaetenAufloesen(const QString& text);

// One line of the contents or the index: its name, the topics it leads to (a contents entry has at
// most one; an entry without topic is a heading) and its depth (0 = top level).
struct Verzeichniseintrag {
    QString name;
    QStringList dateien;  // paths inside the help file, without leading "/", anchors kept
    int ebene = 0;
};

// Reads a sitemap (the HTML-like format of .hhc and .hhk files): every <OBJECT type="text/sitemap">
// with its <param name="Name"> and <param name="Local"> values, nested by <UL>. Entries without name
// are left out; a path that leads outside the help file (a URL with a scheme, "..") is dropped.
std::vector<Verzeichniseintrag> leseVerzeichnis(const QByteArray& bytes);

// The path of a link inside the help file, or an empty text when the link leads elsewhere
// ("http://...", "mailto:...", "../x.htm", a path into another help file).
QString innererPfad(const QString& link);

// The readable text of an HTML page: tags, comments, scripts and style sheets removed, references
// resolved, runs of white space as one blank.
QString klartext(const QString& html);

// The <title> of an HTML page (resolved and trimmed); empty without one.
QString titel(const QString& html);

// A topic for the search.
struct Suchthema {
    QString datei;
    QString titel;
    QString text;  // klartext of the page
};

// Every topic whose title or text contains all words of the query (case is ignored; a word is
// anything between blanks), the ones with the most hits first. An empty query finds nothing.
std::vector<int> suche(const QString& anfrage, const std::vector<Suchthema>& themen);

}  // namespace zelmo::hilfe
