// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The reader and writer the pages save themselves with, and the file handling around them, with a
// stand-in page instead of widgets.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/datenfile.h"
#include "storage/einstellungen.h"
#include "storage/inidokument.h"
#include "storage/textlesen.h"
#include "storage/sicherung.h"
#include "storage/speicherbar.h"
#include "support/gtest_qt.h"

using namespace zelmo;

namespace {

IniDokument dokument(const char* text) { return IniDokument::ausBytes(QByteArray("\xEF\xBB\xBF") + text); }

QByteArray lies(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// A page with one float key, one list and two numbers of the data file.
struct Probeseite : Speicherbar {
    double wert = 5;
    int index = 0;
    double daten[2] = {1, 2};
    void speichern(IniSchreiber& s) const override {
        s.zahl("Probe", "Wert", wert);
        s.ganz("Probe", "Index", index);
    }
    void laden(IniLeser& l) override {
        wert = l.zahl("Probe", "Wert", "5", zwischen(1, 100));
        index = l.index("Probe", "Index", 0, 0, 3);
    }
    void datenSpeichern(DatenSchreiber& s) const override {
        for (double d : daten) s.zahl(d);
    }
    void datenLaden(DatenLeser& l) override {
        l.zahl(daten[0], 1, zwischen(0, 10));
        l.zahl(daten[1], 2, zwischen(0, 10));
    }
};

}  // namespace

TEST(IniLeser, TrennerDerDateiWirdDerAktuelle) {
    const IniDokument d = dokument("[A]\r\nZahl=1.5E3\r\nText=12.00 V\r\n[Dezimalseparator]\r\nDezimals=.\r\n");
    IniLeser l(d, u',');
    EXPECT_EQ(l.zahl("A", "Zahl", "7"), 1500.0);
    EXPECT_EQ(l.text("A", "Text", {}), QStringLiteral("12,00 V"));
    EXPECT_EQ(l.rohtext("A", "Text", {}), QStringLiteral("12.00 V"));
    EXPECT_EQ(l.text("A", "Fehlt", l.mitTrenner("5,00")), QStringLiteral("5,00"));
    EXPECT_EQ(l.zahl("A", "Fehlt", "82e-10"), 82e-10);
    EXPECT_TRUE(l.unlesbar().isEmpty());
}

TEST(IniLeser, FremderDezimaltrennerGiltAlsFehlendUndWirdGenannt) {
    // "1" as separator would turn every 10 into 0 and 16 into 0,6
    for (const char* fremd : {"1", "", ";", ",,"}) {
        const QByteArray text = QByteArray("[A]\r\nZahl=16\r\nText=10,00 V\r\n[Dezimalseparator]\r\nDezimals=") + fremd +
                                "\r\n";
        const IniDokument d = IniDokument::ausBytes(text);
        IniLeser l(d, u'.');
        EXPECT_EQ(l.zahl("A", "Zahl", "7"), 16.0) << fremd;
        EXPECT_EQ(l.text("A", "Text", {}), QStringLiteral("10.00 V")) << fremd;  // read as written with ","
        EXPECT_EQ(l.unlesbar(), QStringList{QStringLiteral("[Dezimalseparator] Dezimals=") + QString::fromLatin1(fremd)})
            << fremd;
    }
}

TEST(IniLeser, ZahlenAusserhalbNehmenDieVorgabeUndWerdenGenannt) {
    const IniDokument d = dokument(
        "[A]\r\nGross=1E308\r\nNull=0\r\nMinus=-5\r\nKaputt=abc\r\nGut=50\r\nGrenze=100\r\n"
        "Liste=3\r\nNegativ=-1\r\nLeer=\r\nSchalter=-2\r\nPlatt=1E308\r\n");
    IniLeser l(d, u',');
    const Zulaessig bereich = zwischen(1, 100);
    EXPECT_EQ(l.zahl("A", "Gross", "36500", bereich), 36500.0);
    EXPECT_EQ(l.zahl("A", "Null", "10", bereich), 10.0);
    EXPECT_EQ(l.zahl("A", "Minus", "10", bereich), 10.0);
    EXPECT_EQ(l.zahl("A", "Kaputt", "10", bereich), 10.0);
    EXPECT_EQ(l.zahl("A", "Gut", "10", bereich), 50.0);
    EXPECT_EQ(l.zahl("A", "Grenze", "10", bereich), 100.0);  // both bounds belong to the range
    EXPECT_EQ(l.zahl("A", "Fehlt", "10", bereich), 10.0);    // missing: the default, no word
    EXPECT_EQ(l.index("A", "Liste", 1, 0, 3), 1);            // beyond the list of 3
    EXPECT_EQ(l.index("A", "Negativ", 2, 0, 3), 0);          // the list's rule for negative numbers
    EXPECT_EQ(l.index("A", "Negativ", 2, std::nullopt, 3), 2);  // a list without one: outside
    EXPECT_EQ(l.index("A", "Leer", 2, 0, 3), 2);                // no integer: as missing
    EXPECT_TRUE(l.schalter("A", "Schalter"));
    EXPECT_FALSE(l.schalter("A", "Leer"));
    // the plain-number keys fall back silently when unreadable, but not when outside
    EXPECT_EQ(l.schlichteZahl("A", "Kaputt", 100, bereich), 100.0);
    EXPECT_EQ(l.schlichteZahl("A", "Platt", 100, bereich), 100.0);
    EXPECT_EQ(l.unlesbar(), (QStringList{"[A] Gross=1E308", "[A] Null=0", "[A] Minus=-5", "[A] Kaputt=abc",
                                         "[A] Liste=3", "[A] Negativ=-1", "[A] Platt=1E308"}));
}

TEST(IniSchreiber, FormenDerWerte) {
    IniDokument d;
    IniSchreiber s(d, u',');
    s.zahl("A", "Zahl", 7.5e-8);
    s.zahl("A", "Ganz", 39000);
    s.ganz("A", "Index", -1);
    s.schalter("A", "An", true);
    s.text("A", "Text", QStringLiteral(" 12,00 V "));
    EXPECT_EQ(d.alsBytes(), QByteArray("\xEF\xBB\xBF[A]\r\nZahl=7,5E-8\r\nGanz=39000\r\nIndex=-1\r\nAn=1\r\nText=12,00 V\r\n\r\n"));
}

TEST(DatenLeser, KaputteZeilenBleibenAusserhalbNimmtDieVorgabe) {
    DatenLeser l({std::nullopt, 11.0, 3.0});
    double a = 7, b = 7, c = 7, d = 7;
    l.zahl(a, 1, zwischen(0, 10));
    l.zahl(b, 2, zwischen(0, 10));
    l.zahl(c, 2, zwischen(0, 10));
    l.zahl(d, 4, zwischen(0, 10));  // beyond the file
    EXPECT_EQ(a, 7.0);
    EXPECT_EQ(b, 2.0);
    EXPECT_EQ(c, 3.0);
    EXPECT_EQ(d, 7.0);
    EXPECT_EQ(l.unlesbar(), (QStringList{"2", "5"}));
    EXPECT_EQ(l.ausserhalb(), QStringList{"3"});
}

TEST(Datenfile, FremderTrennerInZeileEins) {
    const QByteArray inhalt("1\r\n10\r\n16\r\n");
    EXPECT_EQ(fremderDatenfileTrenner(textLesen(inhalt).text), QStringLiteral("1"));
    const auto w = leseDatenfile(inhalt, u',');
    EXPECT_EQ(w[0], 10.0);  // not 0: the "1" is no separator
    EXPECT_EQ(w[1], 16.0);
    EXPECT_EQ(fremderDatenfileTrenner(QStringLiteral(".\n1.5\n")), std::nullopt);
}

class Sicherung : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString ini() const { return ordner.filePath(QStringLiteral("ZelmosV121.ini")); }
    QString dat() const { return ordner.filePath(QStringLiteral("ZelmosV121.dat")); }
    Probeseite seite;
    std::vector<Speicherbar*> seiten{&seite};
};

TEST_F(Sicherung, SchreibenUndWiederLesen) {
    seite.wert = 42;
    seite.index = 2;
    seite.daten[1] = 9.5;
    Fensterwerte f;
    f.karte = 4;
    f.optionen = Fensterwerte::Optionen{true, false, true, QStringLiteral(" 150,00")};
    EXPECT_EQ(sicherung::einstellungenSchreiben(ini(), seiten, f, u',', false), QString());
    EXPECT_EQ(sicherung::datenSchreiben(dat(), seiten, u',', false), QString());

    Probeseite neu;
    std::vector<Speicherbar*> neue{&neu};
    const auto b = sicherung::datenLesen(dat(), neue, u'.');
    EXPECT_TRUE(b.gelesen);
    EXPECT_EQ(neu.daten[1], 9.5);
    sicherung::Einstellungsdatei e(ini(), u'.');
    ASSERT_NE(e.leser(), nullptr);
    neu.laden(*e.leser());
    Fensterwerte g;
    g.optionen.emplace();
    e.fensterLesen(g, 8, 4);
    EXPECT_EQ(neu.wert, 42.0);
    EXPECT_EQ(neu.index, 2);
    EXPECT_EQ(g.karte, 4);
    EXPECT_EQ(g.karte2, 0);
    EXPECT_TRUE(g.optionen->autoUpdate);
    EXPECT_TRUE(g.optionen->vordergrund);
    EXPECT_EQ(g.optionen->tjmax, QStringLiteral(" 150.00"));
    EXPECT_EQ(e.meldung(), QString());
}

// A page that keeps many numbers: the data file has room for every page's share, however many.
struct Zahlenseite : Speicherbar {
    std::vector<double> daten;
    explicit Zahlenseite(size_t n, double erste) {
        for (size_t i = 0; i < n; ++i) daten.push_back(erste + double(i) / 8);
    }
    void datenSpeichern(DatenSchreiber& s) const override {
        for (double d : daten) s.zahl(d);
    }
    void datenLaden(DatenLeser& l) override {
        for (double& d : daten) l.zahl(d, 0);
    }
};

TEST_F(Sicherung, DatenfileHatPlatzFuerJedenAnteil) {
    // today's 30 numbers and a page after them with 17 more
    Zahlenseite heute(30, 1), neue(17, 100);
    EXPECT_EQ(sicherung::datenSchreiben(dat(), {&heute, &seite, &neue}, u',', false), QString());
    QFile f(dat());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("\r\n"), 1 + 30 + 2 + 17);
    f.close();

    Zahlenseite heute2(30, 0), neue2(17, 0);
    Probeseite seite2;
    const auto b = sicherung::datenLesen(dat(), {&heute2, &seite2, &neue2}, u'.');
    EXPECT_TRUE(b.gelesen);
    EXPECT_EQ(b.meldung, QString());
    EXPECT_EQ(heute2.daten, heute.daten);
    EXPECT_EQ(neue2.daten, neue.daten);
    EXPECT_EQ(seite2.daten[1], 2.0);

    // a file of fewer numbers than the pages keep: the missing lines are named, the values stay
    Zahlenseite mehr(30, 0), noch(20, 7);
    const auto c = sicherung::datenLesen(dat(), {&mehr, &seite2, &noch}, u'.');
    EXPECT_TRUE(c.meldung.contains(QStringLiteral("51, 52, 53"))) << c.meldung.toStdString();
    EXPECT_EQ(noch.daten[16], neue.daten[16]);
    EXPECT_EQ(noch.daten[17], 7 + 17.0 / 8);
}

TEST_F(Sicherung, UnlesbareDateiBleibtAlsBakErhalten) {
    // a folder in place of the file cannot be read, whoever runs the test
    ASSERT_TRUE(QDir().mkpath(ini()));
    schreibe(ini() + QStringLiteral("/drin"), "eigenes");
    sicherung::Einstellungsdatei e(ini(), u',');
    EXPECT_TRUE(e.bericht().vorhanden);
    EXPECT_FALSE(e.bericht().gelesen);
    EXPECT_EQ(e.leser(), nullptr);
    EXPECT_TRUE(e.meldung().contains(ini())) << e.meldung().toStdString();
    EXPECT_TRUE(e.meldung().contains(QStringLiteral("ZelmosV121.ini.bak"))) << e.meldung().toStdString();

    EXPECT_EQ(sicherung::einstellungenSchreiben(ini(), seiten, {}, u',', true), QString());
    EXPECT_EQ(lies(ini() + QStringLiteral(".bak/drin")), QByteArray("eigenes"));
    EXPECT_TRUE(lies(ini()).contains("[Probe]\r\nWert=5\r\n"));
}

TEST_F(Sicherung, NurDieLetzteBakBleibt) {
    schreibe(ini(), "alt");
    schreibe(ini() + QStringLiteral(".bak"), "aelter");
    EXPECT_EQ(sicherung::einstellungenSchreiben(ini(), seiten, {}, u',', true), QString());
    EXPECT_EQ(lies(ini() + QStringLiteral(".bak")), QByteArray("alt"));
    schreibe(dat(), "kaputt");
    EXPECT_EQ(sicherung::datenSchreiben(dat(), seiten, u',', true), QString());
    EXPECT_EQ(lies(dat() + QStringLiteral(".bak")), QByteArray("kaputt"));
    EXPECT_TRUE(lies(dat()).startsWith(",\r\n1\r\n2\r\n"));
}

TEST_F(Sicherung, OhneBakWirdNichtUeberschrieben) {
    // the old file cannot be put aside (a folder with content is in the way): it stays as it is
    ASSERT_TRUE(QDir().mkpath(ini() + QStringLiteral(".bak/voll")));
    schreibe(ini(), "alt");
    const QString f = sicherung::einstellungenSchreiben(ini(), seiten, {}, u',', true);
    EXPECT_TRUE(f.contains(ini())) << f.toStdString();
    EXPECT_EQ(lies(ini()), QByteArray("alt"));
}

TEST_F(Sicherung, DatenfileMeldetTrennerUnlesbaresUndAusserhalb) {
    schreibe(dat(), "x\r\nabc\r\n99\r\n");
    seite.daten[0] = 4;
    const auto b = sicherung::datenLesen(dat(), seiten, u',');
    EXPECT_TRUE(b.gelesen);
    EXPECT_EQ(seite.daten[0], 4.0);  // broken line: kept
    EXPECT_EQ(seite.daten[1], 2.0);  // outside: the default
    EXPECT_TRUE(b.meldung.contains(dat())) << b.meldung.toStdString();
    EXPECT_TRUE(b.meldung.contains(QStringLiteral(u"„x“"))) << b.meldung.toStdString();
    EXPECT_TRUE(b.meldung.contains(QStringLiteral("Nicht lesbare Zeilen (dort gelten die bisherigen Werte): 2"))) << b.meldung.toStdString();
    EXPECT_TRUE(b.meldung.contains(QStringLiteral(u"Wertebereiches (dort gelten die Vorgabewerte): 3"))) << b.meldung.toStdString();
    EXPECT_FALSE(sicherung::datenLesen(ordner.filePath(QStringLiteral("fehlt.dat")), seiten, u',').vorhanden);
}

// A settings file of Windows-1252 whose first byte is no ASCII keeps its foreign lines when the program
// writes it again: the same characters, now in the program's one format (UTF-8 with mark, CR LF).
TEST_F(Sicherung, Windows1252DateiWirdUnveraendertWeitergeschrieben) {
    for (const QByteArray& erstes : {QByteArray("\xB5"), QByteArray("\xC4")}) {
        SCOPED_TRACE(erstes.toHex().toStdString());
        const QByteArray alt = erstes + "-Notiz=Gr\xF6\xDF" "e 4,7 \xB5" "F\r\n[Fremd]\r\nName=M\xFCller\r\n\r\n[Probe]\r\nWert=7\r\n";
        schreibe(ini(), alt);
        sicherung::Einstellungsdatei e(ini(), u',');
        ASSERT_NE(e.leser(), nullptr) << e.meldung().toStdString();
        seite.laden(*e.leser());
        EXPECT_EQ(seite.wert, 7.0);
        EXPECT_EQ(sicherung::einstellungenSchreiben(ini(), seiten, {}, u',', false), QString());
        const QByteArray neu = lies(ini());
        ASSERT_TRUE(neu.startsWith("\xEF\xBB\xBF"));
        const QString text = QString::fromUtf8(neu.mid(3));
        EXPECT_TRUE(text.startsWith(QString::fromLatin1(alt.left(alt.indexOf("[Probe]"))))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("[Probe]\r\nWert=7\r\n"))) << text.toStdString();
        seite.wert = 5;
    }
}

// The lines of the data file that cannot be read are named by their number whatever ends the lines.
TEST_F(Sicherung, DatenfileNenntDieZeileBeiJedemZeilenende) {
    for (const QByteArray& ende : {QByteArray("\r"), QByteArray("\r\n"), QByteArray("\n")}) {
        SCOPED_TRACE(ende.toHex().toStdString());
        schreibe(dat(), "," + ende + "3" + ende + "kaputt" + ende);
        seite.daten[0] = 4;
        seite.daten[1] = 6;
        const auto b = sicherung::datenLesen(dat(), seiten, u',');
        EXPECT_TRUE(b.gelesen);
        EXPECT_EQ(seite.daten[0], 3.0);
        EXPECT_EQ(seite.daten[1], 6.0);
        EXPECT_TRUE(b.meldung.contains(QStringLiteral("Nicht lesbare Zeilen (dort gelten die bisherigen Werte): 3")))
            << b.meldung.toStdString();
        // a file that is no text names the line of its fault
        schreibe(dat(), "," + ende + "3" + ende + ende + "4\x01" + ende);
        const auto k = sicherung::datenLesen(dat(), seiten, u',');
        EXPECT_FALSE(k.gelesen);
        EXPECT_TRUE(k.meldung.contains(QStringLiteral("Zeile 4 enthält das Steuerzeichen U+0001"))) << k.meldung.toStdString();
    }
}
