// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "storage/textlesen.h"
#include "support/gtest_qt.h"

using namespace zelmo;

namespace {

QByteArray utf16(const QString& t, bool bigEndian, bool mitBom = true) {
    QByteArray b = mitBom ? (bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE")) : QByteArray();
    for (QChar c : t) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        b += bigEndian ? QByteArray{&hi, 1} + QByteArray{&lo, 1} : QByteArray{&lo, 1} + QByteArray{&hi, 1};
    }
    return b;
}

const QString ohm = QStringLiteral(u"[A]\nT=5,00 k\u2126\n");

}  // namespace

TEST(TextLesen, KodierungenUndZeilenenden) {
    struct Fall {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Fall faelle[] = {
        {"UTF-8 mit Marke", QByteArray("\xEF\xBB\xBF[A]\r\nT=5,00 k\xE2\x84\xA6\r\n"), ohm},
        {"UTF-8 ohne Marke", QByteArray("[A]\r\nT=5,00 k\xE2\x84\xA6\r\n"), ohm},
        {"UTF-16 LE", utf16(QStringLiteral(u"[A]\r\nT=5,00 k\u2126\r\n"), false), ohm},
        {"UTF-16 BE", utf16(QStringLiteral(u"[A]\r\nT=5,00 k\u2126\r\n"), true), ohm},
        // Windows-1252 is not Latin-1 between 0x80 and 0x9F
        {"Windows-1252", QByteArray("T=12,00 \xB5V \x80 \x96 \x99\n"), QStringLiteral(u"T=12,00 \u00B5V \u20AC \u2013 \u2122\n")},
        {"Windows-1252 Umlaut", QByteArray("Notiz=Gr\xF6\xDF" "e\n"), QStringLiteral(u"Notiz=Größe\n")},
        // a lone CR, LF alone and CR LF all end a line
        {"nur CR", QByteArray("[A]\rX=1\rY=2\r"), QStringLiteral("[A]\nX=1\nY=2\n")},
        {"gemischt", QByteArray("a\r\nb\nc\rd"), QStringLiteral("a\nb\nc\nd")},
        {"CR CR LF", QByteArray("a\r\r\nb"), QStringLiteral("a\n\nb")},
        // marks are dropped wherever they stand: repeated, after a line end, in UTF-16
        {"doppelte Marke", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[A]\r\nX=1\r\n"), QStringLiteral("[A]\nX=1\n")},
        {"Marke vor Abschnitt", QByteArray("\xEF\xBB\xBFX=1\r\n\xEF\xBB\xBF[B]\r\n"), QStringLiteral("X=1\n[B]\n")},
        {"UTF-16 doppelte Marke", utf16(QStringLiteral(u"\uFEFF[A]\r\n"), false), QStringLiteral("[A]\n")},
        {"Tabulator", QByteArray("a\tb"), QStringLiteral("a\tb")},
        {"leer", QByteArray(), QString()},
        {"nur Marke", QByteArray("\xEF\xBB\xBF"), QString()},
        {"Emoji UTF-16", utf16(QStringLiteral(u"x=\U0001F600"), false), QStringLiteral(u"x=\U0001F600")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const GelesenerText g = textLesen(f.bytes);
        EXPECT_EQ(g.fehler, QString());
        EXPECT_EQ(g.text, f.text);
    }
}

TEST(TextLesen, KeinTextWirdGenannt) {
    struct Fall {
        const char* name;
        QByteArray bytes;
        const char16_t* grund;  // part of the reason
    };
    const Fall faelle[] = {
        {"Nullbyte", QByteArray("[A]\r\nX=1\r\nY\0=2", 14), u"Zeile 3 enthält das Steuerzeichen U+0000"},
        {"Binärdaten", QByteArray("\x7F" "ELF\x02\x01\x01", 7), u"Zeile 1 enthält das Steuerzeichen U+007F"},
        {"UTF-16 ohne Marke", utf16(QStringLiteral("[A]"), false, false), u"Steuerzeichen U+0000"},
        {"UTF-8 Marke, kaputte Folge", QByteArray("\xEF\xBB\xBFX=1\r\nY=\xC3\x28\r\n"),
         u"als UTF-8 gekennzeichnet, enthält aber in Zeile 2 eine ungültige Bytefolge"},
        {"UTF-8 Marke, überlange Form", QByteArray("\xEF\xBB\xBFX=\xC0\xAF"), u"ungültige Bytefolge"},
        {"UTF-8 Marke, Ersatzzeichen", QByteArray("\xEF\xBB\xBFX=\xED\xA0\x80"), u"ungültige Bytefolge"},
        {"UTF-8 Marke, abgeschnitten", QByteArray("\xEF\xBB\xBFX=\xE2\x84"), u"ungültige Bytefolge"},
        {"UTF-16 ungerade", QByteArray("\xFF\xFE[\0A", 5), u"endet aber mitten in einem Zeichen"},
        {"UTF-16 halbes Paar", utf16(QStringLiteral(u"a\r\nb") + QChar(0xD83D) + QStringLiteral("c"), true),
         u"enthält aber in Zeile 2 ein unvollständiges Zeichen"},
        {"1252 undefiniert", QByteArray("X=1\nY=\x81\n"), u"Zeile 2 enthält das Byte 0x81, das in Windows-1252 kein Zeichen ist"},
        {"C1 als UTF-8", QByteArray("X=\xC2\x85"), u"Steuerzeichen U+0085"},
        {"Escape", QByteArray("X=\x1B[0m"), u"Steuerzeichen U+001B"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const GelesenerText g = textLesen(f.bytes);
        EXPECT_TRUE(g.fehler.contains(QString::fromUtf16(f.grund))) << g.fehler.toStdString();
        EXPECT_EQ(g.text, QString());
    }
}

TEST(TextLesen, Windows1252Tabelle) {
    // the printable range is Latin-1; 0x80 to 0x9F has its own characters and five gaps
    EXPECT_EQ(windows1252(0x41), QChar(u'A'));
    EXPECT_EQ(windows1252(0xB5), QChar(0x00B5));
    EXPECT_EQ(windows1252(0xFF), QChar(0x00FF));
    EXPECT_EQ(windows1252(0x80), QChar(0x20AC));
    EXPECT_EQ(windows1252(0x8A), QChar(0x0160));
    EXPECT_EQ(windows1252(0x9F), QChar(0x0178));
    for (unsigned char luecke : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(windows1252(luecke), QChar::ReplacementCharacter);
}
