// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "storage/inidokument.h"
#include "support/gtest_qt.h"

using namespace zelmo;

namespace {
QByteArray utf8MitBom(const char* text) { return QByteArray("\xEF\xBB\xBF") + QByteArray(text); }
}  // namespace

TEST(IniDokument, FrischeDateiInSchreibreihenfolge) {
    IniDokument d;
    d.schreibe(QStringLiteral("Widerstand"), QStringLiteral("4_Ringe"), QStringLiteral("39000"));
    d.schreibe(QStringLiteral("Widerstand"), QStringLiteral("5_Ringe"), QStringLiteral("47000"));
    d.schreibe(QStringLiteral("Stern-Dreieck"), QStringLiteral("Eingabe_Rs1"), QStringLiteral(u"5,00 k\u03A9"));
    d.schreibe(QStringLiteral("widerstand"), QStringLiteral("4_RINGE"), QStringLiteral("4700"));  // same key
    EXPECT_EQ(d.alsBytes(), utf8MitBom("[Widerstand]\r\n4_Ringe=4700\r\n5_Ringe=47000\r\n\r\n"
                                       "[Stern-Dreieck]\r\nEingabe_Rs1=5,00 k\xCE\xA9\r\n\r\n"));
}

TEST(IniDokument, LesenOhneGrossKleinUndMitBlanks) {
    const auto d = IniDokument::ausBytes(
        utf8MitBom("[Optionen]\r\n  AutoUpdate =  1 \r\nKurzhinweise=0\r\n[ Register ]\r\nKarte=3\r\n"));
    EXPECT_EQ(d.lies(QStringLiteral("optionen"), QStringLiteral("autoupdate")), QStringLiteral("1"));
    EXPECT_EQ(d.lies(QStringLiteral("REGISTER"), QStringLiteral("karte")), QStringLiteral("3"));
    EXPECT_FALSE(d.lies(QStringLiteral("Optionen"), QStringLiteral("Vordergrund")));
    EXPECT_FALSE(d.lies(QStringLiteral("Fehlt"), QStringLiteral("Karte")));
}

TEST(IniDokument, UnbekanntesBleibtReihenfolgeBleibt) {
    const char* alt =
        "; von Hand\r\n[Fremd]\r\nA=1\r\n\r\n[Widerstand]\r\nRingzahl=1\r\nNotiz=bleibt\r\n\r\n[Register]\r\nKarte=2\r\n";
    auto d = IniDokument::ausBytes(utf8MitBom(alt));
    d.schreibe(QStringLiteral("Widerstand"), QStringLiteral("Ringzahl"), QStringLiteral("0"));
    d.schreibe(QStringLiteral("Widerstand"), QStringLiteral("4_Ringe"), QStringLiteral("39000"));  // appended
    d.schreibe(QStringLiteral("Neu"), QStringLiteral("X"), QStringLiteral("y"));                    // at the end
    EXPECT_EQ(d.alsBytes(),
              utf8MitBom("; von Hand\r\n[Fremd]\r\nA=1\r\n\r\n[Widerstand]\r\nRingzahl=0\r\nNotiz=bleibt\r\n"
                         "4_Ringe=39000\r\n\r\n[Register]\r\nKarte=2\r\n\r\n[Neu]\r\nX=y\r\n\r\n"));
}

TEST(IniDokument, OhneBomAlsAnsiMitBomAlsUtf8) {
    const auto ansi = IniDokument::ausBytes(QByteArray("[A]\nT=12,00 \xB5V\n"));  // Windows-1252 micro sign
    EXPECT_EQ(ansi.lies(QStringLiteral("A"), QStringLiteral("T")), QStringLiteral(u"12,00 \u00B5V"));
    const auto utf = IniDokument::ausBytes(utf8MitBom("[A]\nT=5,00 k\xE2\x84\xA6\n"));
    EXPECT_EQ(utf.lies(QStringLiteral("A"), QStringLiteral("T")), QStringLiteral(u"5,00 k\u2126"));
    // and back: what was read is written again unchanged (apart from CR LF and the mark)
    EXPECT_EQ(IniDokument::ausBytes(utf.alsBytes()).alsBytes(), utf.alsBytes());
}

// Files from other editors and machines: every encoding and line end gives the same values.
TEST(IniDokument, FremdeDateienLesenGleich) {
    const QString text = QStringLiteral(u"[Stern-Dreieck]\r\nEingabe_Rs1=5,00 k\u2126\r\n[Register]\r\nKarte=3\r\n");
    QByteArray le("\xFF\xFE"), be("\xFE\xFF");
    for (QChar c : text) {
        le += char(c.unicode() & 0xFF), le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8), be += char(c.unicode() & 0xFF);
    }
    QByteArray crNur = text.toUtf8();
    crNur.replace("\r\n", "\r");
    const struct {
        const char* name;
        QByteArray bytes;
    } faelle[] = {
        {"UTF-8 mit Marke", utf8MitBom(text.toUtf8().constData())},
        {"UTF-8 ohne Marke", text.toUtf8()},
        {"UTF-16 LE", le},
        {"UTF-16 BE", be},
        {"nur CR", crNur},
        {"Marke doppelt", utf8MitBom("") + utf8MitBom(text.toUtf8().constData())},
        // an editor that put a second mark before a section header must not lose the section
        {"Marke vor Abschnitt", utf8MitBom("[Stern-Dreieck]\r\nEingabe_Rs1=5,00 k\xE2\x84\xA6\r\n\xEF\xBB\xBF[Register]\r\nKarte=3\r\n")},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QString fehler = QStringLiteral("nicht gesetzt");
        const auto d = IniDokument::ausBytes(f.bytes, &fehler);
        EXPECT_EQ(fehler, QString());
        EXPECT_EQ(d.lies(QStringLiteral("Stern-Dreieck"), QStringLiteral("Eingabe_Rs1")), QStringLiteral(u"5,00 k\u2126"));
        EXPECT_EQ(d.lies(QStringLiteral("Register"), QStringLiteral("Karte")), QStringLiteral("3"));
        // written again in the one format of the program, as the file of the program itself
        EXPECT_EQ(d.alsBytes(), IniDokument::ausBytes(utf8MitBom(text.toUtf8().constData())).alsBytes());
    }
}

TEST(IniDokument, KeinTextGibtGrundUndLeeresDokument) {
    QString fehler;
    const auto d = IniDokument::ausBytes(QByteArray("[Register]\r\nKarte=3\r\n\0\x01\x02", 24), &fehler);
    EXPECT_TRUE(fehler.contains(QStringLiteral("Steuerzeichen"))) << fehler.toStdString();
    EXPECT_FALSE(d.lies(QStringLiteral("Register"), QStringLiteral("Karte")));
}
