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

// A file without mark whose very first byte is no ASCII: "µ" (0xB5) and "Ä" (0xC4) begin no valid
// UTF-8 sequence there, so the file is Windows-1252 from its first byte on.
TEST(TextLesen, Windows1252AbDemErstenByte) {
    struct Fall {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Fall faelle[] = {
        {"µ zuerst", QByteArray("\xB5" "F=1\r\n"), QStringLiteral(u"\u00B5F=1\n")},
        {"Ä zuerst", QByteArray("\xC4nderung=ja\r\n[A]\r\n"), QStringLiteral(u"\u00C4nderung=ja\n[A]\n")},
        {"nur µ", QByteArray("\xB5"), QStringLiteral(u"\u00B5")},
        {"nur Ä", QByteArray("\xC4"), QStringLiteral(u"\u00C4")},
        {"€ zuerst", QByteArray("\x80=1\n"), QStringLiteral(u"\u20AC=1\n")},
        {"ÄÖÜ", QByteArray("\xC4\xD6\xDC"), QStringLiteral(u"\u00C4\u00D6\u00DC")},
        // the same letter in UTF-8 stays UTF-8
        {"Ä in UTF-8", QByteArray("\xC3\x84nderung=ja\n"), QStringLiteral(u"\u00C4nderung=ja\n")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const GelesenerText g = textLesen(f.bytes);
        EXPECT_EQ(g.fehler, QString());
        EXPECT_EQ(g.text, f.text);
    }
}

// The line a fault stands on, counted alike for lone CR, CR LF and LF line ends; the fault stands on
// line 4, after an empty line (so that "\r\r" and "\r\n\r\n" must count as two line ends each).
TEST(TextLesen, ZeileDesFehlersBeiJedemZeilenende) {
    const struct {
        const char* name;
        QByteArray ende;
    } enden[] = {{"CR", "\r"}, {"CR LF", "\r\n"}, {"LF", "\n"}};
    const auto zeilen = [](const QByteArray& ende, const QByteArray& vierte) {
        return "[A]" + ende + "X=1" + ende + ende + vierte + ende + "Z=3" + ende;
    };
    const auto utf16Zeilen = [&](const QByteArray& ende, bool bigEndian) {
        return utf16(QString::fromLatin1(zeilen(ende, "Y=#")).replace(u'#', QChar(0xD800)), bigEndian);
    };
    for (const auto& e : enden) {
        const struct {
            const char* fehler;
            QByteArray bytes;
            const char16_t* grund;
        } faelle[] = {
            {"1252 undefiniert", zeilen(e.ende, "Y=\xB5\x81"), u"Zeile 4 enthält das Byte 0x81"},
            {"Steuerzeichen in 1252", QByteArray("\xB5=0") + e.ende + zeilen(e.ende, "Y=\x01").mid(3 + e.ende.size()),
             u"Zeile 4 enthält das Steuerzeichen U+0001"},
            {"Steuerzeichen in UTF-8", zeilen(e.ende, "Y=\xC3\x84\x1B"), u"Zeile 4 enthält das Steuerzeichen U+001B"},
            {"UTF-8-Marke, kaputte Folge", "\xEF\xBB\xBF" + zeilen(e.ende, "Y=\xC3\x28"),
             u"enthält aber in Zeile 4 eine ungültige Bytefolge"},
            {"UTF-16 LE, halbes Paar", utf16Zeilen(e.ende, false), u"enthält aber in Zeile 4 ein unvollständiges Zeichen"},
            {"UTF-16 BE, halbes Paar", utf16Zeilen(e.ende, true), u"enthält aber in Zeile 4 ein unvollständiges Zeichen"},
        };
        for (const auto& f : faelle) {
            SCOPED_TRACE(std::string(e.name) + ": " + f.fehler);
            const GelesenerText g = textLesen(f.bytes);
            EXPECT_TRUE(g.fehler.contains(QString::fromUtf16(f.grund))) << g.fehler.toStdString();
            EXPECT_EQ(g.text, QString());
        }
    }
}
