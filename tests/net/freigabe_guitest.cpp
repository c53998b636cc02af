// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Signed releases end to end: the update dialog against a local HTTPS server that offers genuine,
// replayed and foreign releases, with release keys the test makes (today's, the next, a retired one).
// Only the release signed as the announced version installs; every other one is refused before
// anything is unpacked or started.

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "dialogs/Updatelader.h"
#include "net/aktualisierer.h"
#include "net/testserver.h"
#include "net/testzugang.h"
#include "net/updateumgebung.h"
#include "net/zipbau.h"
#include "support/GuiTestFixture.h"
#include "update/UpdateDialog.h"

using namespace zelmo;

namespace {
const QString keineSignatur =
    QStringLiteral("Das Update trägt keine gültige Signatur und wird aus Sicherheitsgründen nicht entpackt.");
const QString nicht123 = QStringLiteral(
    "Das Update ist nicht die angekündigte Version 123 und wird aus Sicherheitsgründen nicht entpackt.");

using test::baum;
QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class FreigabeTest : public QObject {
    Q_OBJECT
    QTemporaryDir heim;
    QString cache;
    test::HttpsTestserver server;
    test::Testschluessel heute, naechster, ausgemustert;

    // A release archive with its installer; the text file says which release it is.
    QByteArray archiv(const QByteArray& welche) {
        const QByteArray zip = test::zipDaten(heim.filePath(QStringLiteral("bau.zip")),
                                              {{QStringLiteral("Updater1.exe"), "#!/bin/sh\n", 0755},
                                               {QStringLiteral("freigabe.txt"), welche}});
        if (zip.isEmpty()) qFatal("zip not built");
        return zip;
    }
    QPushButton* knopf(UpdateDialog& d, const char* name) {
        auto* k = d.findChild<QPushButton*>(QString::fromLatin1(name));
        if (!k) qFatal("no %s", name);
        return k;
    }

private slots:
    void initTestCase() {
        cache = test::eigenesHeim(heim);
        QVERIFY(!cache.isEmpty());
        QVERIFY2(server.starten(), qPrintable(server.fehler));
    }
    void init() {
        server.leeren();
        QDir(cache).removeRecursively();
    }

    void nurDieAngekuendigteFreigabe_data() {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung");  // empty: installs
        QTest::addColumn<QString>("grund");
        QTest::newRow("echt") << "echt" << "" << "";
        QTest::newRow("vom nächsten Schlüssel") << "naechster" << "" << "";
        QTest::newRow("ältere echte Freigabe als neuere") << "aelter" << nicht123 << "(Es ist als Version 122 signiert.)";
        QTest::newRow("für ein anderes Programm") << "programm" << nicht123
                                                  << "(Es ist für ein anderes Programm signiert.)";
        QTest::newRow("Satz eines anderen Archivs") << "archiv" << nicht123
                                                    << "(Die Prüfsumme des Archivs ist nicht die signierte.)";
        QTest::newRow("ausgemusterter Schlüssel") << "ausgemustert" << keineSignatur << "(Sie stammt von keinem";
    }
    void nurDieAngekuendigteFreigabe() {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        QFETCH(QString, grund);
        test::MeldungsRecorder rec;
        const QByteArray alt = archiv("Version 122");
        const QByteArray neu = archiv("Version 123");
        QCOMPARE(alt.size(), neu.size());  // so that only the hash tells them apart
        QByteArray angeboten = neu;
        QByteArray satz = heute.freigabe(neu, 123);
        if (fall == QStringLiteral("naechster")) satz = naechster.freigabe(neu, 123);
        if (fall == QStringLiteral("aelter")) {  // the genuine release 122, offered as 123
            angeboten = alt;
            satz = heute.freigabe(alt, 122);
        }
        if (fall == QStringLiteral("programm")) satz = heute.freigabe(neu, 123, "Elmotron-Update");
        if (fall == QStringLiteral("archiv")) {  // the record of release 123 beside another archive
            angeboten = alt;
            satz = heute.freigabe(neu, 123);
        }
        if (fall == QStringLiteral("ausgemustert")) satz = ausgemustert.freigabe(neu, 123);
        server.antwort(QStringLiteral("/Uploads/Version_Zelmos.txt"), "123");
        server.antwort(QStringLiteral("/Uploads/Zel-mosV123.zip"), angeboten);
        server.antwort(QStringLiteral("/Uploads/Zel-mosV123.zip.sig"), satz);

        UpdateDialog d(updatedienste());
        auto* a = d.findChild<net::Aktualisierer*>();
        QVERIFY(a);
        test::UpdateZugang::netz(*a).basis = server.basis();
        test::UpdateZugang::netz(*a).zertifikate = server.zertifikate();
        // the program during a change of keys: today's and the next; the retired one is no longer listed
        test::UpdateZugang::setzeSchluessel(*a, QList<QByteArray>{heute.oeffentlich(), naechster.oeffentlich()});
        QStringList gestartet;
        d.starten = [&gestartet](const QString& p) {
            gestartet << p;
            return 42;
        };
        d.beenden = [] {};
        QSignalSpy geprueft(&d, &UpdateDialog::versionGeprueft);
        d.show();
        QVERIFY(geprueft.wait(20000));
        QSignalSpy beendet(&d, &UpdateDialog::downloadBeendet);
        QTest::mouseClick(knopf(d, "Update_B_Download"), Qt::LeftButton);
        QVERIFY(beendet.wait(60000));
        const QString ordner = d.DownloadOrdner();
        knopf(d, "Update_B_Install")->click();

        if (meldung.isEmpty()) {
            QVERIFY2(rec.eintraege.empty(), qPrintable(rec.letzter()));
            QCOMPARE(baum(ordner), QStringList({QStringLiteral("Updater1.exe"), QStringLiteral("Zel-mosV123.zip"),
                                                QStringLiteral("freigabe.txt")}));
            QCOMPARE(lies(ordner + QStringLiteral("freigabe.txt")), QByteArray("Version 123"));
            QCOMPARE(gestartet, QStringList{ordner + QStringLiteral("Updater1.exe")});
        } else {
            QCOMPARE(rec.eintraege.size(), size_t(1));
            QCOMPARE(rec.eintraege[0].art, Meldungen::Art::Standardfehler);
            QVERIFY2(rec.letzter().startsWith(meldung + QStringLiteral("\r\r")), qPrintable(rec.letzter()));
            QVERIFY2(rec.letzter().contains(grund), qPrintable(rec.letzter()));
            // nothing unpacked, the archive removed, nothing to install and nothing started
            QCOMPARE(baum(ordner), QStringList());
            QVERIFY(!knopf(d, "Update_B_Install")->isEnabled());
            QVERIFY(a->installer().isEmpty());
            QVERIFY(gestartet.isEmpty());
        }
        d.close();
        QCOMPARE(baum(cache), QStringList());
    }
};

QTEST_MAIN(FreigabeTest)
#include "freigabe_guitest.moc"
