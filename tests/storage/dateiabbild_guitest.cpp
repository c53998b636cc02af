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
