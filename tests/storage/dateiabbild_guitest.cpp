// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings and data files the program writes, compared byte for byte with files kept in
// tests/storage/dateien. Those files were written by the program before its pages learned to save
// themselves; whatever moves inside, what lands on the disk must stay the same.
// The one addition since is the section [SMD-Code] of the page added later: after [Stern-Dreieck] in a
// fresh file, at the end of a file written before (every older key keeps its place); and the section
// [Normwerte] of the window "Normwerte", after the pages' sections in a fresh file, likewise at the end
// of an older one.
//
// Run once with the comma as decimal separator and once (argument "--punkt") with the point.
// On a difference the file as written now is kept in the build folder for a look.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <utility>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "dialogs/OptionenDialog.h"
#include "fields/Radiogruppe.h"
#include "platform/Plattform.h"
#include "support/GuiTestFixture.h"
#include "support/Programmlauf.h"

using namespace zelmo;

namespace {

bool punkt = false;

QString quelle(const QString& name) { return QStringLiteral(ZELMO_TESTDATEIEN "/") + name; }

QByteArray lies(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray("<") + datei.toUtf8() + " fehlt>";
    return f.readAll();
}

// One run of the program with the decimal separator of this run.
struct Lauf : test::Programmlauf {
    Lauf() : Programmlauf(punkt ? u'.' : u',') {}
};

}  // namespace

class DateiabbildTest : public QObject {
    Q_OBJECT
    QTemporaryDir* m_ordner = nullptr;
    QString ini() const { return m_ordner->filePath(QStringLiteral("ZelmosV121.ini")); }
    QString dat() const { return m_ordner->filePath(QStringLiteral("ZelmosV121.dat")); }
    QString endung() const { return punkt ? QStringLiteral("_punkt") : QStringLiteral("_komma"); }

    void vergleiche(const QString& geschrieben, const QString& erwartet) {
        const QByteArray ist = lies(geschrieben);
        const QByteArray soll = lies(quelle(erwartet));
        if (ist != soll) {
            QFile aus(QDir::current().filePath(QStringLiteral("ist_") + erwartet));
            if (aus.open(QIODevice::WriteOnly)) aus.write(ist);
        }
        QVERIFY2(ist == soll, qPrintable(erwartet + QStringLiteral(": anders geschrieben, siehe ist_") + erwartet));
    }

private slots:
    void init() {
        m_ordner = new QTemporaryDir;
        plattform::setzeDatenOrdner(m_ordner->path());
    }
    void cleanup() {
        delete m_ordner;
        m_ordner = nullptr;
    }

    // A first start closed again: every key of a fresh file in its order, every first-start value.
    void ersterStart() {
        test::MeldungsRecorder rec;
        {
            Lauf a;
            QCOMPARE(a.f.umgebung().dezimal, punkt ? QChar(u'.') : QChar(u','));
            a.f.close();
        }
        vergleiche(ini(), QStringLiteral("erststart") + endung() + QStringLiteral(".ini"));
        vergleiche(dat(), QStringLiteral("erststart") + endung() + QStringLiteral(".dat"));
    }

    // Files of an earlier run (written with the comma, a section and a comment of the user's own,
    // names in other case), then some work on the pages: confirmed, unconfirmed and odd entries.
    void gelesenGeaendertGeschrieben() {
        test::MeldungsRecorder rec;
        QVERIFY(QFile::copy(quelle(QStringLiteral("eingabe.ini")), ini()));
        QVERIFY(QFile::copy(quelle(QStringLiteral("eingabe.dat")), dat()));
        QFile::setPermissions(ini(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(dat(), QFile::ReadOwner | QFile::WriteOwner);
        {
            Lauf a;
            a.seite(0);
            a.el<Seitenregister>("PageControl2")->setCurrentIndex(0);
            test::tippeUndEnter(a.el<QLineEdit>("R_E_Wert"), QStringLiteral("33k"));
            a.seite(2);
            a.el<QLineEdit>("SpT_E_U2")->setText(QStringLiteral("7,5"));  // typed, never confirmed
            a.seite(3);
            test::tippeUndEnter(a.el<QLineEdit>("LED_E_Uf"), QStringLiteral("3,1"));
            a.seite(5);
            a.el<QLineEdit>("NE555_E_R1")->setText(QStringLiteral("abc"));  // written, never read back
            test::tippeUndEnter(a.el<QLineEdit>("NE555_E_C"), QStringLiteral("2,2n"));
            a.seite(6);
            a.el<Radiogruppe>("RG_kStrom_Schaltung")->knopf(3)->click();
            test::tippeUndEnter(a.el<QLineEdit>("Optionen_E_Tjmax"), QStringLiteral("140"));
            a.optionen.autoUpdate()->setChecked(false);
            a.seite(7);
            a.f.close();
        }
        vergleiche(ini(), QStringLiteral("geaendert") + endung() + QStringLiteral(".ini"));
        vergleiche(dat(), QStringLiteral("geaendert") + endung() + QStringLiteral(".dat"));
    }

    // Closing builds no page: one never shown writes back what start-up read for it (its keys with
    // their defaults, its numbers of the data file; a first start's values without a settings file),
    // byte for byte what it writes when it was built. Each case runs twice from the same files: closed
    // at once, and closed with every page built.
    void ungebautWieGebaut_data() {
        QTest::addColumn<QByteArray>("einstellungen");  // empty: no file
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<int>("gezeigt");  // pages built at start-up (those in view)
        QTest::newRow("früherer Lauf") << lies(quelle(QStringLiteral("eingabe.ini")))
                                       << lies(quelle(QStringLiteral("eingabe.dat"))) << 1;
        QTest::newRow("erster Start, Datenfile ohne Einstellungen")
            << QByteArray() << lies(quelle(QStringLiteral("eingabe.dat"))) << 1;
        QTest::newRow("Einstellungen ohne die Schlüssel der Seiten, kein Datenfile")
            << QByteArray("[Register]\r\nKarte=6\r\n") << QByteArray() << 1;
        QTest::newRow("Unterseite in Sicht") << QByteArray("[Register]\r\nKarte=0\r\n[Register2]\r\nKarte=3\r\n")
                                            << QByteArray() << 1;
        // values a page shows differently from how they were stored: the fields that show a stored
        // number of the item selected, a tolerance letter that does not fit, a code in another form
        // of its value, a code that does not belong to the value, lists beyond their end, the old ohm
        // sign, written with the point; a data file with a broken line and a number outside
        QTest::newRow("Werte, die die Seite anders zeigt")
            << QByteArray("[LED-Vorwiderstand]\r\nEingabe_Uf=9.99 V\r\nLED-Farbe=3\r\nUser=07\r\n"
                          "[LM317-Berechnung]\r\nEingabe_Rthjc=1 K/W\r\nEingabe_Rthja=abc\r\nGehaeuse=7\r\n"
                          "Isoliersch=-1\r\n"
                          "[kStrom]\r\nEingabe_Uf=7 V\r\nSchaltung=3\r\nnpn_pnp=-4\r\n"
                          "[NE555]\r\nasta_mono=1\r\nmonostabil_R1=4.7E3\r\nEingabe_R1=x\r\nEingabe_C=y\r\n"
                          "[Spannungsteiler]\r\nSpannungStrom=1\r\n[Stromteiler]\r\nLast=0\r\nRatio1=inf\r\n"
                          "[Stern-Dreieck]\r\nEingabe_Rd2=2.20 k\xE2\x84\xA6\r\n"
                          "[SMD-Code]\r\nAuswahl=3\r\nKondensator=4.7e-12\r\nToleranz=K\r\nSpannung=zz\r\nCode=472\r\n"
                          "[Toleranz]\r\nAuswahl=-2\r\nE-Reihe=12\r\nBauteile=1\r\nNurBestand=1\r\n"
                          "[Widerstand]\r\n4_Spannung=1,5\r\n5_Spannung=kaputt\r\n"
                          "[Register]\r\nKarte=7\r\n[Dezimalseparator]\r\nDezimals=.\r\n")
            << QByteArray(".\r\n1.7\r\nx\r\n2.3\r\n3.9\r\n99\r\n4.1\r\n5\r\n") << 1;
        QTest::newRow("SMD-Code in anderer Form") << QByteArray("[SMD-Code]\r\nAuswahl=0\r\nWiderstand=4.7\r\nCode=4r7\r\n"
                                                               "[Register]\r\nKarte=2\r\n[Dezimalseparator]\r\nDezimals=.\r\n")
                                                   << QByteArray() << 1;
    }
    void ungebautWieGebaut() {
        QFETCH(QByteArray, einstellungen);
        QFETCH(QByteArray, daten);
        QFETCH(int, gezeigt);
        test::MeldungsRecorder rec;
        int beimStart = 0, nachDemSchliessen = 0;
        const auto lauf = [&](bool alleBauen) {
            QTemporaryDir ordner;
            plattform::setzeDatenOrdner(ordner.path());
            const QString ini = ordner.filePath(QStringLiteral("ZelmosV121.ini"));
            const QString dat = ordner.filePath(QStringLiteral("ZelmosV121.dat"));
            for (const auto& [datei, inhalt] : {std::pair{ini, einstellungen}, std::pair{dat, daten}}) {
                if (inhalt.isEmpty()) continue;
                QFile f(datei);
                if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
            }
            {
                Lauf a;
                if (alleBauen) a.f.alleSeitenBauen();
                beimStart = a.f.gebauteSeiten();
                a.f.close();
                nachDemSchliessen = a.f.gebauteSeiten();
            }
            return std::pair{lies(ini), lies(dat)};
        };
        const auto ungebaut = lauf(false);
        QCOMPARE(beimStart, gezeigt);
        QCOMPARE(nachDemSchliessen, gezeigt);  // closing built nothing
        const auto gebaut = lauf(true);
        if (ungebaut.first != gebaut.first) {
            QFile aus(QDir::current().filePath(QStringLiteral("ungebaut.ini")));
            if (aus.open(QIODevice::WriteOnly)) aus.write(ungebaut.first);
            QFile aus2(QDir::current().filePath(QStringLiteral("gebaut.ini")));
            if (aus2.open(QIODevice::WriteOnly)) aus2.write(gebaut.first);
        }
        QVERIFY2(ungebaut.first == gebaut.first, "settings file: see ungebaut.ini and gebaut.ini");
        QCOMPARE(ungebaut.second, gebaut.second);
    }
};

int main(int argc, char** argv) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--punkt") == 0)
            punkt = true;
        else
            args.push_back(argv[i]);
    }
    qputenv("LC_ALL", punkt ? "en_US.UTF-8" : "de_DE.UTF-8");
    int n = int(args.size());
    QApplication app(n, args.data());
    DateiabbildTest t;
    return QTest::qExec(&t, n, args.data());
}

#include "dateiabbild_guitest.moc"
