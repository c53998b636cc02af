// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>

#include "platform/hilfeinhalt.h"
#include "support/gtest_qt.h"

using namespace zelmo;
using namespace zelmo::hilfe;

namespace {
QByteArray eintrag(const char* name, const char* local) {
    return QByteArray("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"") + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
}
}  // namespace

TEST(HilfeInhalt, InhaltsverzeichnisMitEbenen) {
    const QByteArray hhc = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\"><HTML><BODY>\n"
                           "<OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\"></OBJECT>\n"
                           "<UL>" + eintrag("&Uuml;bersicht", "index.htm") +
                           "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Farbcode\"></OBJECT>"
                           "<UL>" + eintrag("Widerst\xc3\xa4nde", "/widerstand.htm#ringe") +
                           eintrag("Drosseln", "drossel.htm") + "</UL>" + eintrag("LED", "led.htm") +
                           "<!-- <LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"weg\"></OBJECT> -->"
                           "</UL></BODY></HTML>";
    const auto v = leseVerzeichnis(hhc);
    ASSERT_EQ(v.size(), size_t(5));
    EXPECT_EQ(v[0].name, QStringLiteral(u"Übersicht"));
    EXPECT_EQ(v[0].dateien, QStringList{QStringLiteral("index.htm")});
    EXPECT_EQ(v[1].name, QStringLiteral("Farbcode"));
    EXPECT_TRUE(v[1].dateien.isEmpty());
    EXPECT_EQ(v[2].name, QStringLiteral(u"Widerstände"));
    EXPECT_EQ(v[2].dateien, QStringList{QStringLiteral("widerstand.htm#ringe")});
    EXPECT_EQ(v[2].ebene, 1);
    EXPECT_EQ(v[3].ebene, 1);
    EXPECT_EQ(v[4].name, QStringLiteral("LED"));
    EXPECT_EQ(v[4].ebene, 0);
}

TEST(HilfeInhalt, StichwortMitMehrerenThemenUndFremdenVerweisen) {
    const QByteArray hhk = "<ul><li><object type=text/sitemap><param name=Name value=Toleranz>"
                           "<param name=\"Local\" value=\"widerstand.htm\"><param name=\"Local\" value=\"toleranz.htm\">"
                           "<param name=\"Local\" value=\"toleranz.htm\"><param name=\"Local\" value=\"http://x.de/a.htm\">"
                           "<param name=\"Local\" value=\"../geheim.htm\"><param name=\"Local\" value=\"ms-its:a.chm::/b.htm\">"
                           "</object></ul>";
    const auto v = leseVerzeichnis(hhk);
    ASSERT_EQ(v.size(), size_t(1));
    EXPECT_EQ(v[0].dateien, (QStringList{QStringLiteral("widerstand.htm"), QStringLiteral("toleranz.htm")}));
}

// Damaged and foreign files: whatever they hold, reading ends with what could be read.
TEST(HilfeInhalt, BeschaedigteDateienGebenWasLesbarIst) {
    const struct {
        const char* fall;
        QByteArray bytes;
        size_t eintraege;
    } faelle[] = {
        {"leer", QByteArray(), 0},
        {"abgeschnitten im Tag", QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Na"), 0},
        {"abgeschnitten im Wert", QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"ab"), 0},
        {"ohne Abschluss", QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"a\">"), 0},
        {"offener Kommentar", QByteArray("<UL><!-- ") + eintrag("a", "a.htm"), 0},
        {"nur Abschluesse", QByteArray("</UL></UL></OBJECT></OBJECT>") + eintrag("a", "a.htm"), 1},
        {"Nullbytes", QByteArray("<UL>\0\0<LI>\0", 10) + eintrag("a", "a.htm"), 1},
        {"Binaerdaten", QByteArray(4096, '\xff'), 0},
        {"falsches Objekt", QByteArray("<OBJECT type=\"text/html\"><param name=\"Name\" value=\"a\"></OBJECT>"), 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        EXPECT_EQ(leseVerzeichnis(f.bytes).size(), f.eintraege);
    }
}

TEST(HilfeInhalt, GrenzenBeiRiesigenDateien) {
    // Deep nesting, endless entries, overlong names: all held to the limits.
    QByteArray tief = QByteArray("<UL>").repeated(10000) + eintrag("tief", "t.htm");
    const auto v1 = leseVerzeichnis(tief);
    ASSERT_EQ(v1.size(), size_t(1));
    EXPECT_EQ(v1[0].ebene, maxEbene - 1);

    QByteArray viele = "<UL>";
    for (int i = 0; i < maxEintraege + 100; ++i) viele += eintrag("x", "x.htm");
    EXPECT_EQ(leseVerzeichnis(viele).size(), size_t(maxEintraege));

    const QByteArray langerName(100000, 'n');
    const auto v3 = leseVerzeichnis(eintrag(langerName.constData(), langerName.constData()));
    ASSERT_EQ(v3.size(), size_t(1));
    EXPECT_EQ(v3[0].name.size(), maxTextLaenge);
    EXPECT_TRUE(v3[0].dateien.isEmpty());  // a path that long is no topic of ours
}

TEST(HilfeInhalt, TextAusUtf8OderWindows1252) {
    EXPECT_EQ(alsText("Gr\xc3\xb6\xc3\x9f" "e"), QStringLiteral(u"Größe"));
    EXPECT_EQ(alsText("\xef\xbb\xbf" "a"), QStringLiteral("a"));
    EXPECT_EQ(alsText("Gr\xf6\xdf" "e \x80"), QStringLiteral(u"Größe €"));
    EXPECT_EQ(entitaetenAufloesen(QStringLiteral("a &amp; b &lt;&#228;&#xE4;&auml;&unbekannt; &#99999999; &")),
              QStringLiteral(u"a & b <äää&unbekannt; &#99999999; &"));
}

TEST(HilfeInhalt, InnererPfad) {
    EXPECT_EQ(innererPfad(QStringLiteral("/lm317.htm#kuehlkoerper")), QStringLiteral("lm317.htm#kuehlkoerper"));
    EXPECT_EQ(innererPfad(QStringLiteral("bilder\\a.png")), QStringLiteral("bilder/a.png"));
    for (const char* fremd : {"http://x.de/", "mailto:a@b", "javascript:alert(1)", "../a.htm", "a/../../b.htm",
                              "x.chm::/a.htm", "C:/a.htm", ""})
        EXPECT_TRUE(innererPfad(QString::fromLatin1(fremd)).isEmpty()) << fremd;
}

TEST(HilfeInhalt, KlartextUndTitel) {
    const QString html = QStringLiteral(
        u"<html><head><title>LM317 &ndash; Regler</title><style>p { color: red }</style>"
        u"<script>var x = '<p>nein</p>';</script></head><body><h1>Regler</h1><p>R<sub>2</sub> = 720&nbsp;Ω</p>"
        u"<!-- verborgen --><ul><li>eins</li><li>zwei</li></ul></body></html>");
    EXPECT_EQ(titel(html), QStringLiteral(u"LM317 – Regler"));
    const QString t = klartext(html);
    EXPECT_TRUE(t.contains(QStringLiteral(u"R2 = 720 Ω"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("eins zwei")));
    EXPECT_FALSE(t.contains(QStringLiteral("nein")));
    EXPECT_FALSE(t.contains(QStringLiteral("color")));
    EXPECT_FALSE(t.contains(QStringLiteral("verborgen")));
    EXPECT_TRUE(titel(QStringLiteral("<title>offen")).isEmpty());
    EXPECT_EQ(klartext(QStringLiteral("a <b")), QStringLiteral("a"));
}

TEST(HilfeInhalt, SucheFindetJedesThemaMitAllenWoertern) {
    const std::vector<Suchthema> themen = {
        {QStringLiteral("a.htm"), QStringLiteral("LED-Vorwiderstand"), QStringLiteral(u"Strom und Helligkeit der LED")},
        {QStringLiteral("b.htm"), QStringLiteral("LM317"), QStringLiteral(u"Kühlkörper, Strom, Wärmewiderstand")},
        {QStringLiteral("c.htm"), QStringLiteral(u"Übersicht"), QStringLiteral(u"Werte eingeben")},
    };
    EXPECT_EQ(suche(QStringLiteral("strom"), themen), (std::vector<int>{0, 1}));
    EXPECT_EQ(suche(QStringLiteral(u"  KÜHLKÖRPER   strom "), themen), (std::vector<int>{1}));
    EXPECT_EQ(suche(QStringLiteral("led strom"), themen), (std::vector<int>{0}));
    EXPECT_EQ(suche(QStringLiteral("widerstand"), themen), (std::vector<int>{0, 1}));  // title hit first
    EXPECT_TRUE(suche(QStringLiteral("strom zwiebel"), themen).empty());
    EXPECT_TRUE(suche(QStringLiteral("   "), themen).empty());
}
