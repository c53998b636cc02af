// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings and data file through the real main window: what a technician sets survives a restart.
// Runs with the comma as decimal separator (German regional settings).

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "circuits/LM317Seite.h"
#include "circuits/LedSeite.h"
#include "colourcode/SmdSeite.h"
#include "colourcode/WiderstandSeite.h"
#include "dialogs/OptionenDialog.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "platform/Plattform.h"
#include "support/GuiTestFixture.h"
#include "support/Programmlauf.h"

using namespace zelmo;

namespace {

const QString ohm = QStringLiteral(u"\u2126");

using Lauf = test::Programmlauf;

QByteArray lies(const QString& datei) {
    QFile f(datei);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void schreibe(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    f.open(QIODevice::WriteOnly);
    f.write(inhalt);
}

}  // namespace

class SicherungTest : public QObject {
    Q_OBJECT
    QTemporaryDir* m_ordner = nullptr;
    QString ini() const { return m_ordner->filePath(QStringLiteral("ZelmosV121.ini")); }
    QString dat() const { return m_ordner->filePath(QStringLiteral("ZelmosV121.dat")); }

private slots:
    void init() {
        m_ordner = new QTemporaryDir;
        plattform::setzeDatenOrdner(m_ordner->path());
    }
    void cleanup() {
        delete m_ordner;
        m_ordner = nullptr;
    }

    void wasEingestelltWurdeUeberstehtDenNeustart() {
        test::MeldungsRecorder rec;
        {
            Lauf a;
            QCOMPARE(a.f.umgebung().dezimal, QChar(u','));
            a.eingabe("R_E_Wert", QStringLiteral("4.7k"));
            a.f.pageControl1()->setCurrentIndex(1);
            a.el<Radiogruppe>("RG_Toleranzen_EReihen")->knopf(5)->click();
            a.f.pageControl1()->setCurrentIndex(2);
            a.eingabe("SpT_E_U", QStringLiteral("15"));
            a.el<QLineEdit>("SpT_E_U2")->setText(QStringLiteral("7,5"));  // typed, never confirmed
            a.f.pageControl1()->setCurrentIndex(3);
            a.el<Radiogruppe>("RG_LED_Farbe")->knopf(5)->click();  // "User"
            a.eingabe("LED_E_Uf", QStringLiteral("3,1"));
            a.optionen.kurzhinweise()->click();
            a.eingabe("Optionen_E_Tjmax", QStringLiteral("150"));
            a.f.pageControl1()->setCurrentIndex(4);
            a.schliessen();
        }
        QVERIFY(QFile::exists(ini()));
        QVERIFY(QFile::exists(dat()));
        {
            Lauf b;
            QCOMPARE(b.f.pageControl1()->currentIndex(), 4);
            QCOMPARE(b.rechner<WiderstandSeite>()->widerstand().Wert_4R, 4700.0);
            QCOMPARE(b.text("R_E_Wert"), (QStringLiteral(u"4,70 k") + ohm));
            QCOMPARE(b.index("RG_Toleranzen_EReihen"), 5);
            QCOMPARE(b.text("SpT_E_U"), QStringLiteral("15,00 V"));
            QCOMPARE(b.text("SpT_E_U2"), QStringLiteral("7,5"));  // saved as it stood
            QCOMPARE(b.index("RG_LED_Farbe"), 5);
            QCOMPARE(b.rechner<LedSeite>()->ledVorwiderstand().LED_User, 3.1);  // from the data file
            QVERIFY(b.optionen.kurzhinweise()->isChecked());
            QVERIFY(b.f.kurzhinweise());
            QCOMPARE(b.text("Optionen_E_Tjmax"), QStringLiteral(" 150,00"));
            QCOMPARE(b.rechner<LM317Seite>()->tjmax(), 150.0);
            QCOMPARE(b.text("SD_E_Rs1"), (QStringLiteral(u" 5,00 k\u03A9")));  // one blank in front, not two
            b.schliessen();
        }
        {
            Lauf c;
            QCOMPARE(c.text("SD_E_Rs1"), (QStringLiteral(u" 5,00 k\u03A9")));
            QCOMPARE(c.text("Optionen_E_Tjmax"), QStringLiteral(" 150,00"));
        }
        QVERIFY2(rec.eintraege.size() <= 3, qPrintable(rec.letzter()));  // only the missing help file
        for (const auto& e : rec.eintraege) QVERIFY2(e.text.contains(QStringLiteral("Hilfe")), qPrintable(e.text));
    }

    void dateiformatUndUnbekanntesBleibt() {
        test::MeldungsRecorder rec;
        schreibe(ini(), QByteArray("\xEF\xBB\xBF[Fremd]\r\nNotiz=bleibt\r\n\r\n[Widerstand]\r\n4_Ringe=39000\r\n"));
        {
            Lauf a;
            a.schliessen();
        }
        const QByteArray t = lies(ini());
        QVERIFY(t.startsWith("\xEF\xBB\xBF[Fremd]\r\nNotiz=bleibt\r\n\r\n[Widerstand]\r\n4_Ringe=39000\r\n5_Ringe="));
        QVERIFY(t.contains("\r\n[Dezimalseparator]\r\nDezimals=,\r\n"));
        QVERIFY(!t.contains("\n\n"));  // every line ends with CR LF
        // the keys of a fresh file in their order (keys of a section that already stands in the file
        // join it there: [Spannungsteiler] SpannungStrom comes before [Stromteiler])
        const QList<QByteArray> reihenfolge{"[Widerstand]", "Ringzahl=", "[Drossel]", "Typ=", "[Kondensator]",
                                            "[Toleranz]", "E-Reihe=", "[Spannungsteiler]", "SpannungStrom=",
                                            "unbelbel=", "[Stromteiler]", "Last=", "Ratio1=",
                                            "[LED-Vorwiderstand]", "User=", "LED-Farbe=", "[LM317-Berechnung]",
                                            "Isoliersch=", "Gehaeuse=", "[NE555]", "Tast=", "Tastverh=",
                                            "[kStrom]", "npn_pnp=", "[Stern-Dreieck]", "Eingabe_Rd3=",
                                            "[Register]", "[Register2]", "[Optionen]", "LM317Berechnung_Tjmax=",
                                            "[Dezimalseparator]"};
        qsizetype pos = 0;
        for (const QByteArray& s : reihenfolge) {
            const qsizetype n = t.indexOf(s, pos);
            QVERIFY2(n >= 0, s.constData());
            pos = n;
        }
    }

    void fremderTrennerFehlendeUndNegativeWerte() {
        test::MeldungsRecorder rec;
        // written with "." as separator; no [Register]; negative indices
        schreibe(ini(), QByteArray("\xEF\xBB\xBF[Widerstand]\r\n4_Ringe=39000\r\n5_Ringe=4.7E3\r\n"
                                   "[Toleranz]\r\nE-Reihe=-1\r\n"
                                   "[Spannungsteiler]\r\nEingabe_U=12.00 V\r\n"
                                   "[NE555]\r\nasta_mono=-5\r\nTastverh=-1\r\n"
                                   "[Dezimalseparator]\r\nDezimals=.\r\n"));
        Lauf a;
        QCOMPARE(a.rechner<WiderstandSeite>()->widerstand().Wert_4R, 39000.0);
        QCOMPARE(a.rechner<WiderstandSeite>()->widerstand().Wert_5R, 4700.0);
        QCOMPARE(a.text("SpT_E_U"), QStringLiteral("12,00 V"));
        QCOMPARE(a.index("RG_Toleranzen_EReihen"), 2);
        QCOMPARE(a.index("RG_NE555_Multiart"), 1);
        QCOMPARE(a.index("RG_NE555_Tast"), 0);
        QCOMPARE(a.f.pageControl1()->currentIndex(), 1);
        QCOMPARE(a.f.pageControl2()->currentIndex(), 0);
    }

    void unlesbareZahlNimmtDieVorgabeUndDerRestWirdGelesen() {
        test::MeldungsRecorder rec;
        schreibe(ini(), QByteArray("\xEF\xBB\xBF[Widerstand]\r\n4_Ringe=abc\r\n4_Spannung=kaputt\r\n"
                                   "[Register]\r\nKarte=5\r\n[Dezimalseparator]\r\nDezimals=,\r\n"));
        Lauf a;
        QCOMPARE(a.rechner<WiderstandSeite>()->widerstand().Wert_4R, 36500.0);
        QCOMPARE(a.rechner<WiderstandSeite>()->widerstand().Spannung_4R, 100.0);
        QCOMPARE(a.f.pageControl1()->currentIndex(), 5);  // the keys after it were read
        bool gemeldet = false;
        for (const auto& e : rec.eintraege)
            gemeldet = gemeldet || (e.art == Meldungen::Art::Standardfehler &&
                                    e.text.contains(QStringLiteral("[Widerstand] 4_Ringe=abc")));
        QVERIFY(gemeldet);
    }

    void fremdeKodierungUndAltesOhmzeichen() {
        test::MeldungsRecorder rec;
        // UTF-16 from an editor, lines ended by CR alone; the star-delta text as older versions saved it
        const QString text = QStringLiteral(u"[Stromteiler]\rEingabe_I=12,00 \u00B5A\r"
                                            u"[Stern-Dreieck]\rEingabe_Rs1=4,70 k\u2126\r[Register]\rKarte=5\r");
        QByteArray utf16("\xFF\xFE");
        for (QChar c : text) utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
        schreibe(ini(), utf16);
        Lauf a;
        QCOMPARE(a.text("SpT_E_Strom_I"), QStringLiteral(u"12,00 \u00B5A"));
        QCOMPARE(a.text("SD_E_Rs1"), QStringLiteral(u" 4,70 k\u03A9"));
        QCOMPARE(a.f.pageControl1()->currentIndex(), 5);
        for (const auto& e : rec.eintraege) QVERIFY2(e.text.contains(QStringLiteral("Hilfe")), qPrintable(e.text));
    }

    void keinTextWirdMitDateiUndGrundGemeldet() {
        test::MeldungsRecorder rec;
        const QByteArray iniAlt("[Register]\r\nKarte=5\r\n\0\0\x13\x37", 24), datAlt("\x89PNG\r\n\x1A\n", 8);
        schreibe(ini(), iniAlt);
        schreibe(dat(), datAlt);
        Lauf a;
        QCOMPARE(a.f.pageControl1()->currentIndex(), 6);  // nothing of it taken: first-start values
        QStringList gemeldet;
        for (const auto& e : rec.eintraege)
            if (e.art == Meldungen::Art::Standardfehler) gemeldet << e.text;
        QCOMPARE(gemeldet.size(), 2);
        QVERIFY2(gemeldet[0].contains(dat()) && gemeldet[0].contains(QStringLiteral("Zeile 2 enthält das Steuerzeichen U+001A")),
                 qPrintable(gemeldet[0]));
        QVERIFY2(gemeldet[1].contains(ini()) && gemeldet[1].contains(QStringLiteral("Zeile 3 enthält das Steuerzeichen U+0000")),
                 qPrintable(gemeldet[1]));
        a.schliessen();
        // both kept as they were before the new files were written
        QCOMPARE(lies(ini() + QStringLiteral(".bak")), iniAlt);
        QCOMPARE(lies(dat() + QStringLiteral(".bak")), datAlt);
        QVERIFY(lies(ini()).contains("[Register]\r\nKarte=6\r\n"));
    }

    void datenfileOhneEinstellungenGiltNicht() {
        test::MeldungsRecorder rec;
        QByteArray d(",\r\n9,9\r\n");
        for (int i = 0; i < 29; ++i) d += "7\r\n";
        schreibe(dat(), d);
        Lauf a;  // no settings file: the first-start values win
        QCOMPARE(a.rechner<LedSeite>()->ledVorwiderstand().LED_Rot, 1.6);
        QCOMPARE(a.rechner<LM317Seite>()->lm317Rthjc().SOT252, 23.5);
    }

    void schreibfehlerWirdGemeldetUndDasFensterSchliesst() {
        test::MeldungsRecorder rec;
        schreibe(m_ordner->filePath(QStringLiteral("datei")), "x");
        plattform::setzeDatenOrdner(m_ordner->filePath(QStringLiteral("datei/unter")));  // below a file
        Lauf a;
        rec.leeren();
        a.schliessen();
        QVERIFY(!a.f.isVisible());
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(int(rec.eintraege[0].art), int(Meldungen::Art::Standardfehler));
        QVERIFY(rec.letzter().contains(QStringLiteral("datei/unter")));
    }

    // The settings file fails, the data file is written all the same; the one message names the first.
    void beideDateienWerdenGeschriebenAuchWennEineScheitert() {
        test::MeldungsRecorder rec;
        Lauf a;
        test::tippeUndEnter(a.el<QLineEdit>("LED_E_Uf"), QStringLiteral("1,9"));  // red
        // something in the place of the settings file that can neither be read nor put aside
        QVERIFY(QDir().mkpath(ini() + QStringLiteral("/belegt")));
        QVERIFY(QDir().mkpath(ini() + QStringLiteral(".bak/belegt")));
        rec.leeren();
        a.schliessen();
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QVERIFY2(rec.letzter().contains(ini()), qPrintable(rec.letzter()));
        QVERIFY2(!rec.letzter().contains(dat()), qPrintable(rec.letzter()));
        QVERIFY(lies(dat()).startsWith(",\r\n1,9\r\n"));
    }

    // A settings file that cannot be read is never overwritten: it is named, the pages start as on a
    // first start, and on closing it is kept as ZelmosV121.ini.bak before the new one is written.
    void unlesbareEinstellungenBleibenAlsBakErhalten() {
        test::MeldungsRecorder rec;
        QVERIFY(QDir().mkpath(ini()));  // a folder: exists, cannot be read, whoever runs the test
        schreibe(ini() + QStringLiteral("/eigenes.txt"), "meins");
        {
            Lauf a;
            QCOMPARE(a.text("R_E_Wert"), QStringLiteral(u"39,00 k") + ohm);  // first-start values
            QCOMPARE(a.f.pageControl1()->currentIndex(), 6);
            bool gemeldet = false;
            for (const auto& e : rec.eintraege)
                gemeldet = gemeldet || (e.art == Meldungen::Art::Standardfehler && e.text.contains(ini()) &&
                                        e.text.contains(QStringLiteral("ZelmosV121.ini.bak")));
            QVERIFY(gemeldet);
            a.eingabe("R_E_Wert", QStringLiteral("47k"));
            a.schliessen();
        }
        QCOMPARE(lies(ini() + QStringLiteral(".bak/eigenes.txt")), QByteArray("meins"));
        QVERIFY(lies(ini()).contains("4_Ringe=47000\r\n"));
        rec.leeren();
        {
            Lauf b;  // the next start reads the new file
            QCOMPARE(b.text("R_E_Wert"), QStringLiteral(u"47,00 k") + ohm);
            for (const auto& e : rec.eintraege) QVERIFY2(e.text.contains(QStringLiteral("Hilfe")), qPrintable(e.text));
        }
    }

    // A separator that is neither "," nor "." and numbers outside what their field or list takes:
    // defaults, all named in one message; nothing else is changed by them.
    // A page is built the first time it is shown. Until then start-up only checks its stored values (and
    // names those it cannot take); one never shown is saved as it was read, without a word at closing.
    void seitenWerdenBeimErstenZeigenGebaut() {
        test::MeldungsRecorder rec;
        schreibe(ini(), QByteArray("\xEF\xBB\xBF[LED-Vorwiderstand]\r\nEingabe_U=abc\r\nLED-Farbe=9\r\n"
                                   "[Register]\r\nKarte=6\r\n[Dezimalseparator]\r\nDezimals=,\r\n"));
        {
            Lauf a;
            QCOMPARE(a.f.gebauteSeiten(), 1);  // the constant-current page in view
            QVERIFY(!a.f.findChild<LedSeite*>());
            // the settings message (beside the one of the missing help file) names the colour index
            const size_t beimStart = rec.eintraege.size();
            QStringList texte;
            for (const auto& e : rec.eintraege) texte << e.text;
            QCOMPARE(texte.filter(QStringLiteral("[LED-Vorwiderstand] LED-Farbe=9")).size(), 1);
            QCOMPARE(texte.filter(QStringLiteral("abc")).size(), 0);
            // a maximum junction temperature set before the LM317 page exists reaches it when it is built
            a.eingabe("Optionen_E_Tjmax", QStringLiteral("150"));
            a.seite(4);
            QCOMPARE(a.f.gebauteSeiten(), 2);
            QCOMPARE(a.f.findChild<LM317Seite*>()->tjmax(), 150.0);
            a.schliessen();
            QCOMPARE(a.f.gebauteSeiten(), 2);  // closing builds no page
            QCOMPARE(rec.eintraege.size(), beimStart);  // the LED page, saved unbuilt, said nothing
        }
        QFile f(ini());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray geschrieben = f.readAll();
        QVERIFY(geschrieben.contains("\r\nEingabe_U=abc\r\n"));  // as it stood
        QVERIFY(geschrieben.contains("\r\nLED-Farbe=0\r\n"));    // the default it took
        {
            Lauf b;
            const size_t beimStart = rec.eintraege.size();
            b.seite(3);  // now the page calculates with the text and says what is wrong with it
            // once, though starting the page calculates for the colour, the count and itself
            QCOMPARE(rec.eintraege.size(), beimStart + 1);
            QCOMPARE(rec.eintraege.back().text, QStringLiteral("'abc' ist kein gültiger Gleitkommawert."));
        }
    }

    // Stored on a sub-page of the colour codes: that sub-page alone is built at start-up.
    void nurDieGezeigteUnterseiteWirdGebaut() {
        test::MeldungsRecorder rec;
        schreibe(ini(), QByteArray("\xEF\xBB\xBF[Register]\r\nKarte=0\r\n[Register2]\r\nKarte=3\r\n"));
        Lauf a;
        QCOMPARE(a.f.gebauteSeiten(), 1);
        QVERIFY(a.f.findChild<SmdSeite*>());
        QVERIFY(a.f.findChild<SmdSeite*>()->isVisible());
    }

    void fremderTrennerUndWerteAusserhalb() {
        test::MeldungsRecorder rec;
        schreibe(ini(), QByteArray("\xEF\xBB\xBF[Widerstand]\r\n4_Ringe=1E308\r\n5_Ringe=10\r\nRingzahl=7\r\n"
                                   "[Toleranz]\r\nEingabe_R=0\r\nE-Reihe=9\r\n"
                                   "[NE555]\r\nastabil_C=-5\r\n"
                                   "[Optionen]\r\nLM317Berechnung_Tjmax=1000\r\n"
                                   "[Dezimalseparator]\r\nDezimals=1\r\n"));
        QByteArray d(",\r\n9\r\n");  // red at 9 V: outside
        for (int i = 0; i < 29; ++i) d += "3\r\n";
        schreibe(dat(), d);
        Lauf a;
        const auto* w = a.rechner<WiderstandSeite>();
        QCOMPARE(w->widerstand().Wert_4R, 36500.0);
        QCOMPARE(w->widerstand().Wert_5R, 10.0);  // not 0: the "1" was not taken as a separator
        QCOMPARE(a.index("RG_Widerstand"), 0);
        QCOMPARE(a.index("RG_Toleranzen_EReihen"), 2);
        QCOMPARE(a.rechner<LM317Seite>()->tjmax(), 125.0);
        QCOMPARE(a.rechner<LedSeite>()->ledVorwiderstand().LED_Rot, 1.6);
        QCOMPARE(a.rechner<LedSeite>()->ledVorwiderstand().LED_Gruen, 2.2);  // 3 V is no green LED either
        QCOMPARE(a.rechner<LM317Seite>()->lm317Rthjc().TO220, 3.0);          // inside: taken
        QStringList texte;
        for (const auto& e : rec.eintraege) texte << e.text;
        const QString alle = texte.join(QStringLiteral("\n"));
        for (const char* genannt : {"[Dezimalseparator] Dezimals=1", "[Widerstand] 4_Ringe=1E308",
                                    "[Widerstand] Ringzahl=7", "[Toleranz] Eingabe_R=0", "[Toleranz] E-Reihe=9",
                                    "[NE555] astabil_C=-5", "[Optionen] LM317Berechnung_Tjmax=1000"})
            QVERIFY2(alle.contains(QString::fromLatin1(genannt)), genannt);
        QVERIFY2(alle.contains(QStringLiteral("(dort gelten die Vorgabewerte): 2, 3")), qPrintable(alle));
        QVERIFY(!alle.contains(QStringLiteral("5_Ringe")));
    }
};

int main(int argc, char** argv) {
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    SicherungTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "sicherung_guitest.moc"
