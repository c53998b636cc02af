// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The update dialog against a local HTTPS server, with a release key made by the test and the cache
// folder in a temporary home.

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/Hauptfenster.h"
#include "dialogs/OptionenDialog.h"
#include "dialogs/Updatelader.h"
#include "update/UpdateDialog.h"
#include "net/aktualisierer.h"
#include "net/testserver.h"
#include "net/testzugang.h"
#include "net/updateumgebung.h"
#include "net/zipbau.h"
#include "platform/Plattform.h"
#include "platform/ordner.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;
using Art = Meldungen::Art;

namespace {
const QString versionsDatei = QStringLiteral("/Uploads/Version_Zelmos.txt");
const QString leer = QStringLiteral("           ---");

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(inhalt);
}
// Pixels of a picture that are not transparent.
int gedeckt(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixelColor(x, y).alpha() > 128;
    return n;
}
QByteArray zufall(qsizetype n) {
    QByteArray b(n, Qt::Uninitialized);  // n a multiple of 4
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(b.data()), n / 4);
    return b;
}
using test::baum;

// Measures the longest pause of the window's event loop while it runs.
class Wachhund : public QObject {
public:
    Wachhund() {
        m_uhr.start();
        m_takt.setInterval(10);
        connect(&m_takt, &QTimer::timeout, this, [this] {
            const qint64 jetzt = m_uhr.elapsed();
            laengstePause = std::max(laengstePause, jetzt - m_zuletzt);
            m_zuletzt = jetzt;
        });
        m_takt.start();
    }
    qint64 laengstePause = 0;

private:
    QElapsedTimer m_uhr;
    QTimer m_takt;
    qint64 m_zuletzt = 0;
};
}  // namespace

class UpdateTest : public QObject {
    Q_OBJECT
    QTemporaryDir heim;
    QString cache;
    test::HttpsTestserver server;
    test::Testschluessel schluessel;

    std::unique_ptr<UpdateDialog> dialog() {
        auto d = std::make_unique<UpdateDialog>(updatedienste());
        net::Aktualisierer& a = aktualisierer(*d);
        test::UpdateZugang::netz(a).basis = server.basis();
        test::UpdateZugang::netz(a).zertifikate = server.zertifikate();
        test::UpdateZugang::setzeSchluessel(a, schluessel.oeffentlich());
        return d;
    }
    static net::Aktualisierer& aktualisierer(UpdateDialog& d) {
        auto* a = d.findChild<net::Aktualisierer*>();
        if (!a) qFatal("no Aktualisierer");
        return *a;
    }
    static net::Updategrenzen& grenzen(UpdateDialog& d) { return test::UpdateZugang::netz(aktualisierer(d)).grenzen; }
    template <class T> static T* teil(UpdateDialog& d, const char* name) {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        if (!w) qFatal("no %s", name);
        return w;
    }
    // Shows the dialog and waits for its version check.
    static void zeigen(UpdateDialog& d) {
        QSignalSpy geprueft(&d, &UpdateDialog::versionGeprueft);
        d.show();
        if (!geprueft.wait(20000)) qFatal("version check did not end");
    }
    // Clicks "Download" and waits for the end of download, signature check and unpacking.
    static void laden(UpdateDialog& d) {
        QSignalSpy beendet(&d, &UpdateDialog::downloadBeendet);
        QTest::mouseClick(teil<QPushButton>(d, "Update_B_Download"), Qt::LeftButton);
        if (!beendet.wait(60000)) qFatal("download did not end");
    }
    // A release on the server: the version file, the archive and (signiert) its signed record.
    QByteArray freigabe(const QString& version, const std::vector<test::ZipEintrag>& inhalt, bool signiert = true) {
        server.antwort(versionsDatei, version.toLatin1());
        const QByteArray zip = test::zipDaten(heim.filePath(QStringLiteral("bau.zip")), inhalt);
        if (zip.isEmpty()) qFatal("zip not built");
        const QString pfad = QStringLiteral("/Uploads/Zel-mosV") + version.trimmed() + QStringLiteral(".zip");
        server.antwort(pfad, zip);
        if (signiert) server.antwort(pfad + QStringLiteral(".sig"), schluessel.freigabe(zip, version.trimmed().toInt()));
        return zip;
    }
    static std::vector<test::ZipEintrag> mitInstaller(std::vector<test::ZipEintrag> weitere = {}) {
        weitere.insert(weitere.begin(), {QStringLiteral("Updater1.exe"), "#!/bin/sh\n", 0755});
        return weitere;
    }
    // The dialog failed to bring an installer: one standard error box with teil, nothing to install,
    // nothing left in the cache but the private folder with at most the pieces named in rest.
    void keinInstaller(UpdateDialog& d, test::MeldungsRecorder& rec, const QString& teil) {
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Standardfehler);
        QVERIFY2(rec.letzter().contains(teil), qPrintable(rec.letzter()));
        QVERIFY(!UpdateTest::teil<QPushButton>(d, "Update_B_Install")->isEnabled());
        QVERIFY(UpdateTest::teil<QLabel>(d, "Update_I_Download")->isVisible());
        QVERIFY(!UpdateTest::teil<QLabel>(d, "Update_I_DownloadOK")->isVisible());
        QVERIFY(UpdateTest::teil<QPushButton>(d, "Update_B_Download")->isEnabled());  // another try is possible
        QVERIFY(aktualisierer(d).installer().isEmpty());
        QVERIFY(!QFileInfo(d.DownloadOrdner() + QStringLiteral("Updater1.exe")).isFile());
    }

private slots:
    void initTestCase() {
        cache = test::eigenesHeim(heim);
        QVERIFY(!cache.isEmpty());
        QVERIFY2(server.starten(), qPrintable(server.fehler));
        QCOMPARE(schluessel.oeffentlich().size(), 32);
    }
    void init() {
        server.leeren();
        server.abrufe();
        QDir(cache).removeRecursively();
    }

    void derAufbau() {
        test::MeldungsRecorder rec;
        UpdateDialog d(updatedienste());
        QCOMPARE(d.objectName(), QStringLiteral("TForm9"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Update"));
        QCOMPARE(d.size(), QSize(241, 279));
        QCOMPARE(teil<QLabel>(d, "Update_L_Verfuegbar")->text(), leer);
        QCOMPARE(teil<QPushButton>(d, "Update_B_Download")->text(), QStringLiteral("Download"));
        QCOMPARE(teil<QPushButton>(d, "Update_B_Install")->text(), QStringLiteral("Installieren"));
        QVERIFY(!teil<QPushButton>(d, "Update_B_Install")->icon().isNull());  // the shield
        QCOMPARE(teil<QCheckBox>(d, "Update_CB_ProgStart")->text(), QStringLiteral("Programm starten"));
        QVERIFY(!teil<QCheckBox>(d, "Update_CB_ProgStart")->isChecked());
        QCOMPARE(teil<QPushButton>(d, "Button1")->text(), QStringLiteral("Fertig"));
        QCOMPARE(teil<QProgressBar>(d, "Update_PB_Download")->size(), QSize(114, 10));
        for (const char* b : {"Update_I_Download", "Update_I_DownloadOK", "Update_I_Install", "Update_I_InstallOK"}) {
            QLabel* l = teil<QLabel>(d, b);
            QCOMPARE(l->size(), QSize(24, 24));
            QVERIFY2(gedeckt(l->pixmap().toImage()) > 100, b);  // a drawing, not an empty picture
        }
        QTimer* t = teil<QTimer>(d, "Timer1");
        QCOMPARE(t->interval(), 500);
        QVERIFY(t->isSingleShot() && !t->isActive());
        QVERIFY(rec.eintraege.empty());
        // the program trusts its own release keys, and no test key
        QVERIFY(!test::UpdateZugang::schluessel(aktualisierer(d)).isEmpty());
        for (const QByteArray& k : test::UpdateZugang::schluessel(aktualisierer(d))) {
            QCOMPARE(k.size(), 32);
            QVERIFY(k != schluessel.oeffentlich());
        }
        QVERIFY(test::UpdateZugang::netz(aktualisierer(d)).basis.startsWith(QStringLiteral("https://")));
        QVERIFY(test::UpdateZugang::netz(aktualisierer(d)).zertifikate.isEmpty());  // the system's store
    }

    void versionsvergleich_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("version");
        QTest::newRow("121") << QByteArray("121") << "Programm ist aktuell" << "";
        QTest::newRow("120") << QByteArray("120") << "Programm ist aktuell" << "";
        QTest::newRow("122") << QByteArray("122") << "Update ist verfügbar" << "122";
        QTest::newRow("Zeilenende") << QByteArray(" 122\r\n") << "Update ist verfügbar" << "122";
        QTest::newRow("Nullen") << QByteArray("000000122") << "Update ist verfügbar" << "122";
    }
    void versionsvergleich() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, label);
        QFETCH(QString, version);
        test::MeldungsRecorder rec;
        server.antwort(versionsDatei, inhalt);
        auto d = dialog();
        d->show();
        // while the server is asked, nothing can be downloaded yet
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Download")->isEnabled());
        QSignalSpy geprueft(d.get(), &UpdateDialog::versionGeprueft);
        QVERIFY(geprueft.wait(20000));
        const bool neuer = !version.isEmpty();
        QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), label);
        QCOMPARE(teil<QPushButton>(*d, "Update_B_Download")->isEnabled(), neuer);
        QCOMPARE(teil<QCheckBox>(*d, "Update_CB_ProgStart")->isEnabled(), neuer);
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        QCOMPARE(d->VersionaufServer(), version);  // the number, never the raw text
        QCOMPARE(d->ProgrammOrdner(), plattform::programmOrdner() + u'/');
        QVERIFY(rec.eintraege.empty());
        QCOMPARE(server.abrufe(), QStringList{versionsDatei});  // asked once
    }

    void downloadInstallationUndAufraeumen() {
        test::MeldungsRecorder rec;
        const QString marke = heim.filePath(QStringLiteral("updater_lief"));
        const QByteArray daten(150000, 'd');
        const QByteArray zip =
            freigabe(QStringLiteral("122"), {{QStringLiteral("Updater1.exe"),
                                              "#!/bin/sh\necho lief > '" + QFile::encodeName(marke) + "'\n", 0755},
                                             {QStringLiteral("Daten/"), {}},
                                             {QStringLiteral("Daten/liesmich.txt"), daten}});
        // a file of the user's beside the private folder stays
        schreibe(cache + QStringLiteral("/meins.txt"), "vom Benutzer");
        auto d = dialog();
        QStringList gestartet;
        // the dialog's own way of starting (the program's, through its services), watched
        d->starten = [&gestartet, start = d->starten](const QString& p) {
            gestartet << p;
            return start(p);
        };
        int beendet = 0;
        d->beenden = [&] { ++beendet; };
        zeigen(*d);
        QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), QStringLiteral("Update ist verfügbar"));
        QVERIFY(d->DownloadOrdner().isEmpty());

        QProgressBar* balken = teil<QProgressBar>(*d, "Update_PB_Download");
        QList<QPair<int, int>> stand;  // value, maximum
        connect(balken, &QProgressBar::valueChanged, [&](int v) { stand << qMakePair(v, balken->maximum()); });
        laden(*d);

        QVERIFY2(rec.eintraege.empty(), qPrintable(rec.letzter()));
        const QString ordner = d->DownloadOrdner();
        QVERIFY2(ordner.startsWith(cache + u'/') && ordner.endsWith(u'/'), qPrintable(ordner));
        QCOMPARE(QFile::permissions(ordner) & 0x0077, QFile::Permissions());  // the owner's only
        QCOMPARE(baum(ordner), QStringList({QStringLiteral("Daten"), QStringLiteral("Daten/liesmich.txt"),
                                            QStringLiteral("Updater1.exe"), QStringLiteral("Zel-mosV122.zip")}));
        QCOMPARE(lies(ordner + QStringLiteral("Zel-mosV122.zip")), zip);
        QCOMPARE(lies(ordner + QStringLiteral("Daten/liesmich.txt")), daten);
        QVERIFY(QFileInfo(ordner + QStringLiteral("Updater1.exe")).isExecutable());
        QVERIFY(stand.contains(qMakePair(int(zip.size()), int(zip.size()))));  // full, out of the expected size
        QCOMPARE(stand.last().first, 0);                                      // reset at the end
        QVERIFY(!teil<QLabel>(*d, "Update_I_Download")->isVisible());
        QVERIFY(teil<QLabel>(*d, "Update_I_DownloadOK")->isVisible());
        QVERIFY(teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        QCOMPARE(server.abrufe(), QStringList({versionsDatei, QStringLiteral("/Uploads/Zel-mosV122.zip"),
                                               QStringLiteral("/Uploads/Zel-mosV122.zip.sig")}));

        teil<QCheckBox>(*d, "Update_CB_ProgStart")->setChecked(true);
        QTest::mouseClick(teil<QPushButton>(*d, "Update_B_Install"), Qt::LeftButton);
        QCOMPARE(gestartet, QStringList{ordner + QStringLiteral("Updater1.exe")});
        QTRY_VERIFY(QFileInfo::exists(marke));  // the unpacked installer really ran
        QVERIFY(!teil<QLabel>(*d, "Update_I_Install")->isVisible());
        QVERIFY(teil<QLabel>(*d, "Update_I_InstallOK")->isVisible());
        // 500 ms later the new version: it is not in the program folder
        QTRY_COMPARE(gestartet.size(), 2);
        QCOMPARE(gestartet[1], plattform::programmOrdner() + QStringLiteral("/Zel-mosV122.exe"));
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Hinweis);
        QCOMPARE(rec.letzter(), QStringLiteral("Fehler Start: Datei wurde nicht gefunden."));
        QCOMPARE(beendet, 0);

        // "Fertig": the private folder goes, and nothing else
        QTest::mouseClick(teil<QPushButton>(*d, "Button1"), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QVERIFY(!QFileInfo::exists(ordner));
        QCOMPARE(baum(cache), QStringList{QStringLiteral("meins.txt")});
        QVERIFY(d->DownloadOrdner().isEmpty());
    }

    void neueVersionStartetNachDemTimer_data() {
        QTest::addColumn<bool>("programmStarten");
        QTest::newRow("Programm starten") << true;
        QTest::newRow("ohne") << false;
    }
    void neueVersionStartetNachDemTimer() {
        QFETCH(bool, programmStarten);
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("130"), mitInstaller());
        auto d = dialog();
        QStringList gestartet;
        d->starten = [&](const QString& p) {
            gestartet << p;
            return 42;
        };
        int beendet = 0;
        d->beenden = [&] { ++beendet; };
        zeigen(*d);
        laden(*d);
        teil<QCheckBox>(*d, "Update_CB_ProgStart")->setChecked(programmStarten);
        teil<QPushButton>(*d, "Update_B_Install")->click();
        if (programmStarten) {
            QVERIFY(teil<QTimer>(*d, "Timer1")->isActive());
            QTRY_COMPARE(beendet, 1);
            QCOMPARE(gestartet, QStringList({d->DownloadOrdner() + QStringLiteral("Updater1.exe"),
                                             plattform::programmOrdner() + QStringLiteral("/Zel-mosV130.exe")}));
        } else {
            QVERIFY(!teil<QTimer>(*d, "Timer1")->isActive());
            QCOMPARE(beendet, 0);
            QCOMPARE(gestartet.size(), 1);
        }
        QVERIFY(rec.eintraege.empty());
        d->close();
    }

    void signaturFehlt_data() {
        QTest::addColumn<QString>("fall");
        QTest::newRow("ohne Signatur") << "ohne";
        QTest::newRow("fremder Schlüssel") << "fremd";
        QTest::newRow("Signatur zu lang") << "lang";
        QTest::newRow("Signatur zu kurz") << "kurz";
    }
    void signaturFehlt() {
        QFETCH(QString, fall);
        test::MeldungsRecorder rec;
        const QByteArray zip = freigabe(QStringLiteral("122"), mitInstaller(), fall != QStringLiteral("ohne"));
        const QString sig = QStringLiteral("/Uploads/Zel-mosV122.zip.sig");
        if (fall == QStringLiteral("fremd")) server.antwort(sig, test::Testschluessel().freigabe(zip, 122));
        if (fall == QStringLiteral("lang")) server.antwort(sig, schluessel.freigabe(zip, 122) + 'x');
        if (fall == QStringLiteral("kurz")) server.antwort(sig, schluessel.freigabe(zip, 122).chopped(1));
        auto d = dialog();
        zeigen(*d);
        laden(*d);
        keinInstaller(*d, rec, QStringLiteral("Das Update trägt keine gültige Signatur und wird aus "
                                              "Sicherheitsgründen nicht entpackt."));
        QCOMPARE(baum(d->DownloadOrdner()), QStringList());  // nothing unpacked, the archive removed
        d->close();
        QCOMPARE(baum(cache), QStringList());
    }

    void fehlendesArchiv() {
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("123"), mitInstaller());
        server.entfernen(QStringLiteral("/Uploads/Zel-mosV123.zip"));
        auto d = dialog();
        zeigen(*d);
        laden(*d);
        // the HTTP message alone: nothing is unpacked, so there is no second error
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Hinweis);
        QCOMPARE(rec.eintraege[0].text, QStringLiteral("HTTP-Fehler: 404"));
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        QCOMPARE(baum(d->DownloadOrdner()), QStringList());
        QVERIFY(!server.abrufe().contains(QStringLiteral("/Uploads/Zel-mosV123.zip.sig")));
        d->close();
        QCOMPARE(baum(cache), QStringList());
    }

    void archivFehler_data() {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Weiterleitung nach http") << "http" << "Weiterleitungen werden aus Sicherheitsgründen nicht";
        QTest::newRow("endloser Download") << "endlos" << "ist größer als erlaubt. Der Download wurde abgebrochen.";
        QTest::newRow("tröpfelnder Server") << "tropfen" << "Der Update-Server antwortet zu langsam.";
    }
    void archivFehler() {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("122"), mitInstaller());
        test::Antwort a;
        if (fall == QStringLiteral("http")) {
            a.status = 302;
            a.grund = "Found";
            a.koepfe = "Location: http://127.0.0.1:" + QByteArray::number(server.port()) + "/Uploads/Zel-mosV122.zip\r\n";
        } else {
            a.inhalt = QByteArray(1000, 'z');
            a.tropfenBytes = fall == QStringLiteral("endlos") ? 64 * 1024 : 50;
            a.tropfenMs = fall == QStringLiteral("endlos") ? 1 : 100;
            a.endlos = true;
        }
        server.antwort(QStringLiteral("/Uploads/Zel-mosV122.zip"), a);
        auto d = dialog();
        grenzen(*d).archiv = 2 * 1024 * 1024;
        grenzen(*d).langsam = 1000;
        zeigen(*d);
        laden(*d);
        keinInstaller(*d, rec, meldung);
        QCOMPARE(baum(d->DownloadOrdner()), QStringList());
        QTRY_COMPARE(server.offeneSendungen(), 0);
        d->close();
    }

    void unzulaessigesArchiv_data() {
        QTest::addColumn<std::vector<test::ZipEintrag>>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne Installer") << std::vector<test::ZipEintrag>{{QStringLiteral("andere.txt"), "x"}}
                                        << "Das Update enthält kein Installationsprogramm \"Updater1.exe\".";
        QTest::newRow("Installer im Unterordner")
            << std::vector<test::ZipEintrag>{{QStringLiteral("setup/Updater1.exe"), "#!/bin/sh\n", 0755}}
            << "kein Installationsprogramm";
        QTest::newRow("Installer als Ordner")
            << std::vector<test::ZipEintrag>{{QStringLiteral("Updater1.exe/"), {}}} << "kein Installationsprogramm";
        QTest::newRow("Installer als Link")
            << std::vector<test::ZipEintrag>{{QStringLiteral("Updater1.exe"), "/bin/sh", 0777, 0120000}}
            << "keine gewöhnliche Datei";
        QTest::newRow("..") << mitInstaller({{QStringLiteral("../x.txt"), "boese"}}) << "unzulässigen Pfad \"../x.txt\"";
        QTest::newRow("absolut") << mitInstaller({{QStringLiteral("/tmp/zelmo_update_x.txt"), "boese"}})
                                 << "unzulässigen Pfad";
        QTest::newRow("Ordner nach draußen") << mitInstaller({{QStringLiteral("../ordner/"), {}}}) << "unzulässigen Pfad";
        QTest::newRow("Bombe") << mitInstaller({{QStringLiteral("bombe.bin"), QByteArray(30 * 1024 * 1024, '\0')}})
                               << "mehr als das 200-fache";
        QTest::newRow("zu viele Einträge") << mitInstaller({{QStringLiteral("a"), "1"}, {QStringLiteral("b"), "2"},
                                                            {QStringLiteral("c"), "3"}})
                                           << "Es hat 4 Einträge, erlaubt sind höchstens 3.";
        QTest::newRow("verschlüsselt") << mitInstaller({{QStringLiteral("geheim"), "g", 0644, 0, true}})
                                       << "ist verschlüsselt";
    }
    void unzulaessigesArchiv() {
        QFETCH(std::vector<test::ZipEintrag>, inhalt);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("125"), inhalt);
        // an installer in the current folder is not the one of the release
        QTemporaryDir aktuell;
        schreibe(aktuell.filePath(QStringLiteral("Updater1.exe")), "#!/bin/sh\n");
        QFile::setPermissions(aktuell.filePath(QStringLiteral("Updater1.exe")), QFile::ReadOwner | QFile::ExeOwner);
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(aktuell.path());
        auto d = dialog();
        grenzen(*d).eintraege = 3;
        QStringList gestartet;
        d->starten = [&](const QString& p) {
            gestartet << p;
            return 42;
        };
        zeigen(*d);
        laden(*d);
        QDir::setCurrent(vorher);
        keinInstaller(*d, rec, meldung);
        teil<QPushButton>(*d, "Update_B_Install")->click();  // disabled: nothing starts
        QVERIFY(gestartet.isEmpty());
        QVERIFY(!QFileInfo::exists(cache + QStringLiteral("/x.txt")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/zelmo_update_x.txt")));
        d->close();
        QCOMPARE(baum(cache), QStringList());
    }

    void abbrechenWaehrendDesDownloads() {
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("126"), mitInstaller());
        test::Antwort endlos;
        endlos.inhalt = QByteArray(4096, 'z');
        endlos.tropfenBytes = 4096;
        endlos.tropfenMs = 5;
        endlos.endlos = true;
        server.antwort(QStringLiteral("/Uploads/Zel-mosV126.zip"), endlos);
        auto d = dialog();
        zeigen(*d);
        QSignalSpy beendet(d.get(), &UpdateDialog::downloadBeendet);
        teil<QPushButton>(*d, "Update_B_Download")->click();
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Download")->isEnabled());  // one download at a time
        QTRY_VERIFY(teil<QProgressBar>(*d, "Update_PB_Download")->value() > 0);
        const QString ordner = d->DownloadOrdner();
        QVERIFY(QFileInfo(ordner + QStringLiteral("Zel-mosV126.zip")).size() > 0);
        QTest::mouseClick(teil<QPushButton>(*d, "Button1"), Qt::LeftButton);  // "Fertig"
        QVERIFY(!d->isVisible());
        QVERIFY(!QFileInfo::exists(ordner));
        QTRY_COMPARE(server.offeneSendungen(), 0);
        QTest::qWait(100);
        QCOMPARE(beendet.size(), 0);  // a cancelled download reports nothing
        QVERIFY(rec.eintraege.empty());
        QCOMPARE(baum(cache), QStringList());
    }

    void schliessenWaehrendDesEntpackens() {
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("129"),
                 mitInstaller({{QStringLiteral("gross.bin"), zufall(64 * 1024 * 1024), 0644, 0, false, false}}));
        auto d = dialog();
        zeigen(*d);
        QSignalSpy beendet(d.get(), &UpdateDialog::downloadBeendet);
        bool geschlossen = false;
        QString ordner;
        connect(&aktualisierer(*d), &net::Aktualisierer::entpackFortschritt, d.get(), [&] {
            if (geschlossen) return;
            geschlossen = true;
            ordner = d->DownloadOrdner();
            d->close();
        });
        teil<QPushButton>(*d, "Update_B_Download")->click();
        QTRY_VERIFY_WITH_TIMEOUT(geschlossen, 60000);
        QVERIFY(!d->isVisible());
        QTRY_VERIFY(!QFileInfo::exists(ordner));  // once the worker has stopped
        QCOMPARE(baum(cache), QStringList());
        QCOMPARE(beendet.size(), 0);
        QVERIFY(rec.eintraege.empty());
    }

    // The window's thread never stalls while a slow server trickles, nor while the archive is checked
    // and unpacked.
    void fensterFriertNieEin() {
        test::MeldungsRecorder rec;
        const QByteArray zip = freigabe(QStringLiteral("127"), mitInstaller({{QStringLiteral("gross.bin"), zufall(64 * 1024 * 1024), 0644, 0, false, false}}));
        test::Antwort langsam;
        langsam.inhalt = zip;
        langsam.tropfenBytes = 2 * 1024 * 1024;
        langsam.tropfenMs = 40;
        server.antwort(QStringLiteral("/Uploads/Zel-mosV127.zip"), langsam);
        test::Antwort langsameVersion;
        langsameVersion.inhalt = "127";
        langsameVersion.tropfenBytes = 1;
        langsameVersion.tropfenMs = 150;
        server.antwort(versionsDatei, langsameVersion);
        auto d = dialog();
        Wachhund wachhund;
        zeigen(*d);
        laden(*d);
        QVERIFY2(rec.eintraege.empty(), qPrintable(rec.letzter()));
        QVERIFY(teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        QVERIFY2(wachhund.laengstePause <= 250,
                 qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(wachhund.laengstePause)));
        d->close();
    }

    void versionsfehler_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("keine Zahl") << 200 << QByteArray("12a") << "'12a' ist kein gültiger Integerwert";
        QTest::newRow("Vorzeichen") << 200 << QByteArray("+122") << "'+122' ist kein gültiger Integerwert";
        QTest::newRow("zu groß") << 200 << QByteArray(65, '1')
                                 << "Die Versionsdatei des Update-Servers ist größer als 64 Bytes und wird nicht gelesen.";
        QTest::newRow("Serverfehler") << 500 << QByteArray("122")
                                      << "Der Update-Server meldet einen Fehler.\r\r(HTTP 500 Interner Fehler)";
        QTest::newRow("Weiterleitung") << 301 << QByteArray() << "Weiterleitungen werden aus Sicherheitsgründen";
        QTest::newRow("fremdes Zertifikat") << 0 << QByteArray("122") << "Das Zertifikat des Update-Servers";
    }
    void versionsfehler() {
        QFETCH(int, status);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        test::Antwort a;
        a.status = status ? status : 200;
        a.grund = "Interner Fehler";
        a.inhalt = inhalt;
        if (status == 301) a.koepfe = "Location: https://anderswo.example/Version_Zelmos.txt\r\n";
        server.antwort(versionsDatei, a);
        auto d = dialog();
        if (!status) test::UpdateZugang::netz(aktualisierer(*d)).zertifikate.clear();
        zeigen(*d);
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Standardfehler);
        QVERIFY2(rec.letzter().contains(meldung), qPrintable(rec.letzter()));
        QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), leer);
        // without a valid version nothing can be downloaded
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Download")->isEnabled());
        QVERIFY(!teil<QCheckBox>(*d, "Update_CB_ProgStart")->isEnabled());
        QVERIFY(d->VersionaufServer().isEmpty());
        teil<QPushButton>(*d, "Update_B_Download")->click();
        QTest::qWait(50);
        for (const QString& p : server.abrufe()) QCOMPARE(p, versionsDatei);
        QVERIFY(d->DownloadOrdner().isEmpty());
    }

    void installerFehlerMeldungen_data() {
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Code 31") << 31 << "Fehler Updater: Ein Unbekannter Fehler ist aufgetreten. (31)";
        QTest::newRow("Code 5") << 5
                                << "Fehler Updater: Fehler beim gemeinsamen Zugriff auf eine Datei im Netz oder Fehler "
                                   "beim Zugriff auf eine gesperrte Datei im Netz.";
    }
    void installerFehlerMeldungen() {
        QFETCH(int, ergebnis);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("124"), mitInstaller());
        auto d = dialog();
        d->starten = [ergebnis](const QString&) { return ergebnis; };
        zeigen(*d);
        laden(*d);
        teil<QPushButton>(*d, "Update_B_Install")->click();
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Hinweis);
        QCOMPARE(rec.letzter(), meldung);
        QVERIFY(teil<QLabel>(*d, "Update_I_Install")->isVisible());
        QVERIFY(!teil<QLabel>(*d, "Update_I_InstallOK")->isVisible());
        d->close();
    }

    void pruefungBeimStart_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("gezeigt");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("121") << QByteArray("121") << false << 0;
        QTest::newRow("122") << QByteArray("122") << true << 0;
        QTest::newRow("keine Zahl") << QByteArray("neu") << false << 1;
    }
    void pruefungBeimStart() {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, gezeigt);
        QFETCH(int, meldungen);
        test::MeldungsRecorder rec;
        server.antwort(versionsDatei, inhalt);
        auto d = dialog();
        QSignalSpy geprueft(d.get(), &UpdateDialog::versionGeprueft);
        d->startpruefung();
        QVERIFY(!d->isVisible());  // in the background
        QVERIFY(geprueft.wait(20000));
        QCOMPARE(d->isVisible(), gezeigt);
        QCOMPARE(int(rec.eintraege.size()), meldungen);
        if (meldungen) QCOMPARE(rec.eintraege[0].art, Art::Standardfehler);
        if (gezeigt) {
            QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), QStringLiteral("Update ist verfügbar"));
            QVERIFY(teil<QPushButton>(*d, "Update_B_Download")->isEnabled());
        }
        QCOMPARE(server.abrufe().size(), 1);  // the showing uses the start-up check's answer
    }

    void hauptfensterFragtNurMitOption_data() {
        QTest::addColumn<bool>("automatisch");
        QTest::newRow("an") << true;
        QTest::newRow("aus") << false;
    }
    void hauptfensterFragtNurMitOption() {
        QFETCH(bool, automatisch);
        test::MeldungsRecorder rec;  // the help file may be missing beside the test
        test::Antwort langsam;       // the window is up and working before the answer comes
        langsam.inhalt = "122";
        langsam.tropfenBytes = 1;
        langsam.tropfenMs = 100;
        server.antwort(versionsDatei, langsam);
        Hauptfenster f;
        OptionenDialog optionen(u',', &f);
        auto d = dialog();
        f.setzeDialoge(&optionen, nullptr, nullptr, d.get());
        optionen.autoUpdate()->setChecked(automatisch);
        QSignalSpy geprueft(d.get(), &UpdateDialog::versionGeprueft);
        f.show();
        QVERIFY(f.isVisible());
        QVERIFY(!d->isVisible());
        QCOMPARE(geprueft.wait(automatisch ? 20000 : 500), automatisch);
        QCOMPARE(d->isVisible(), automatisch);
        QCOMPARE(server.abrufe().size(), automatisch ? 1 : 0);
        d->hide();
    }

    // Ending the program while a download runs (what the desktop's SIGTERM does): the window closes
    // and saves, the download stops and its folder goes.
    void beendenWaehrendDesDownloads() {
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("128"), mitInstaller());
        test::Antwort endlos;
        endlos.inhalt = QByteArray(4096, 'z');
        endlos.tropfenMs = 10;
        endlos.endlos = true;
        server.antwort(QStringLiteral("/Uploads/Zel-mosV128.zip"), endlos);
        const QString ini = plattform::datenOrdner() + QStringLiteral("/ZelmosV121.ini");
        QFile::remove(ini);
        QString ordner;
        {
            auto f = std::make_unique<Hauptfenster>();
            auto* optionen = new OptionenDialog(u',', f.get());
            auto d = dialog();
            f->setzeDialoge(optionen, nullptr, nullptr, d.get());
            optionen->autoUpdate()->setChecked(false);
            f->show();
            zeigen(*d);
            teil<QPushButton>(*d, "Update_B_Download")->click();
            QTRY_VERIFY(teil<QProgressBar>(*d, "Update_PB_Download")->value() > 0);
            ordner = d->DownloadOrdner();
            QVERIFY(QFileInfo::exists(ordner));
            f->close();
            QVERIFY(QFileInfo::exists(ini));  // saved
            d.reset();                       // the program ends
            QVERIFY(!QFileInfo::exists(ordner));
            f.reset();
        }
        QTRY_COMPARE(server.offeneSendungen(), 0);
    }
};


QTEST_MAIN(UpdateTest)
#include "update_guitest.moc"
