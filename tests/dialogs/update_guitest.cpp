// The update dialog against a local HTTPS server, with the documents folder in a temporary home.

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/Hauptfenster.h"
#include "dialogs/OptionenDialog.h"
#include "dialogs/UpdateDialog.h"
#include "net/testserver.h"
#include "net/zipbau.h"
#include "platform/Plattform.h"
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
}  // namespace

class UpdateTest : public QObject {
    Q_OBJECT
    QTemporaryDir heim;
    QString dokumente, temp;
    test::HttpsTestserver server;

    std::unique_ptr<UpdateDialog> dialog(bool vertrauen = true) {
        auto d = std::make_unique<UpdateDialog>();
        d->http().setzeBasis(server.basis());
        if (vertrauen) d->http().setzeCaDatei(server.caDatei());
        return d;
    }
    template <class T> static T* teil(UpdateDialog& d, const char* name) {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        if (!w) qFatal("no %s", name);
        return w;
    }
    // A release on the server: the version file and its archive.
    QByteArray freigabe(const QString& version, const std::vector<test::ZipEintrag>& inhalt) {
        server.antwort(versionsDatei, version.toLatin1());
        const QByteArray zip = test::zipDaten(heim.filePath(QStringLiteral("bau.zip")), inhalt);
        if (zip.isEmpty()) qFatal("zip not built");
        server.antwort(QStringLiteral("/Uploads/Zel-mosV") + version + QStringLiteral(".zip"), zip);
        return zip;
    }

private slots:
    void initTestCase() {
        QVERIFY(heim.isValid());
        qputenv("HOME", QFile::encodeName(heim.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(heim.filePath(QStringLiteral(".config"))));
        dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(dokumente, heim.filePath(QStringLiteral("Documents")));
        temp = dokumente + QStringLiteral("/Temp/");
        QVERIFY2(server.starten(), qPrintable(server.fehler));
    }
    void cleanupTestCase() { server.stoppen(); }
    void init() {
        QDir(dokumente).removeRecursively();
        server.abrufe();
    }

    void derAufbau() {
        test::MeldungsRecorder rec;
        UpdateDialog d;
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
    }

    void versionsvergleich_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("download");
        QTest::newRow("121") << "121" << "Programm ist aktuell" << false;
        QTest::newRow("120") << "120" << "Programm ist aktuell" << false;
        QTest::newRow("122") << "122" << "Update ist verfügbar" << true;
    }
    void versionsvergleich() {
        QFETCH(QString, version);
        QFETCH(QString, label);
        QFETCH(bool, download);
        test::MeldungsRecorder rec;
        server.antwort(versionsDatei, version.toLatin1());
        auto d = dialog();
        d->show();
        QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), label);
        QCOMPARE(teil<QPushButton>(*d, "Update_B_Download")->isEnabled(), download);
        QCOMPARE(teil<QCheckBox>(*d, "Update_CB_ProgStart")->isEnabled(), download);
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        QCOMPARE(d->VersionaufServer(), version);
        QCOMPARE(d->DownloadOrdner(), temp);
        QCOMPARE(d->ProgrammOrdner(), plattform::programmOrdner() + u'/');
        QVERIFY(rec.eintraege.empty());
        QCOMPARE(server.abrufe(), QStringList{QStringLiteral("Uploads/Version_Zelmos.txt")});  // asked once
    }

    void downloadInstallationUndAufraeumen() {
        test::MeldungsRecorder rec;
        const QString marke = heim.filePath(QStringLiteral("updater_lief"));
        const QByteArray daten(150000, 'd');
        const QByteArray zip =
            freigabe(QStringLiteral("122"), {{QStringLiteral("Updater1.exe"),
                                              "#!/bin/sh\necho lief > '" + QFile::encodeName(marke) + "'\n", 0755},
                                             {QStringLiteral("Daten/liesmich.txt"), daten}});
        schreibe(temp + QStringLiteral("meins.txt"), "vom Benutzer");
        auto d = dialog();
        QStringList gestartet;
        d->starten = [&](const QString& p) {
            gestartet << p;
            return plattform::starteProgramm(p);
        };
        int beendet = 0;
        d->beenden = [&] { ++beendet; };
        d->show();
        QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), QStringLiteral("Update ist verfügbar"));

        QProgressBar* balken = teil<QProgressBar>(*d, "Update_PB_Download");
        QList<QPair<int, int>> stand;  // value, maximum
        connect(balken, &QProgressBar::valueChanged, [&](int v) { stand << qMakePair(v, balken->maximum()); });
        QTest::mouseClick(teil<QPushButton>(*d, "Update_B_Download"), Qt::LeftButton);

        QVERIFY(rec.eintraege.empty());
        QCOMPARE(lies(temp + QStringLiteral("Zel-mosV122.zip")), zip);
        QCOMPARE(lies(temp + QStringLiteral("Daten/liesmich.txt")), daten);
        QVERIFY(QFileInfo(temp + QStringLiteral("Updater1.exe")).isExecutable());
        QVERIFY(stand.size() >= 2);
        QVERIFY(stand.contains(qMakePair(int(zip.size()), int(zip.size()))));  // full, out of the expected size
        QCOMPARE(stand.last().first, 0);                                      // reset at the end
        QVERIFY(!teil<QLabel>(*d, "Update_I_Download")->isVisible());
        QVERIFY(teil<QLabel>(*d, "Update_I_DownloadOK")->isVisible());
        QVERIFY(teil<QPushButton>(*d, "Update_B_Install")->isEnabled());

        teil<QCheckBox>(*d, "Update_CB_ProgStart")->setChecked(true);
        QTest::mouseClick(teil<QPushButton>(*d, "Update_B_Install"), Qt::LeftButton);
        QCOMPARE(gestartet, QStringList{temp + QStringLiteral("Updater1.exe")});
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

        // "Fertig": our files go, the user's file and the folder holding it stay
        QTest::mouseClick(teil<QPushButton>(*d, "Button1"), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("meins.txt")});
        QCOMPARE(lies(temp + QStringLiteral("meins.txt")), QByteArray("vom Benutzer"));
        QVERIFY(d->eigeneDateien().isEmpty());
    }

    void neueVersionStartetNachDemTimer_data() {
        QTest::addColumn<bool>("programmStarten");
        QTest::newRow("Programm starten") << true;
        QTest::newRow("ohne") << false;
    }
    void neueVersionStartetNachDemTimer() {
        QFETCH(bool, programmStarten);
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("130"), {{QStringLiteral("Updater1.exe"), "#!/bin/sh\n", 0755}});
        auto d = dialog();
        QStringList gestartet;
        QElapsedTimer uhr;
        qint64 nach = -1;
        d->starten = [&](const QString& p) {
            gestartet << p;
            return 42;
        };
        int beendet = 0;
        d->beenden = [&] {
            ++beendet;
            nach = uhr.elapsed();
        };
        d->show();
        teil<QPushButton>(*d, "Update_B_Download")->click();
        teil<QCheckBox>(*d, "Update_CB_ProgStart")->setChecked(programmStarten);
        uhr.start();
        teil<QPushButton>(*d, "Update_B_Install")->click();
        if (programmStarten) {
            QTRY_COMPARE(beendet, 1);
            QVERIFY2(nach >= 450, qPrintable(QString::number(nach)));
            QCOMPARE(gestartet, QStringList({temp + QStringLiteral("Updater1.exe"),
                                             plattform::programmOrdner() + QStringLiteral("/Zel-mosV130.exe")}));
        } else {
            QTest::qWait(800);
            QCOMPARE(beendet, 0);
            QCOMPARE(gestartet.size(), 1);
        }
        QVERIFY(!teil<QTimer>(*d, "Timer1")->isActive());
        QVERIFY(rec.eintraege.empty());
        d->close();
    }

    void schliessenWartetAufDenDownload() {
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("126"), {{QStringLiteral("Updater1.exe"), QByteArray(100000, 'u'), 0755}});
        auto d = dialog();
        d->show();
        // the window repaints during the download, and a close request arrives in the meantime
        bool versucht = false;
        QTimer::singleShot(0, d.get(), [&] {
            versucht = true;
            d->close();
        });
        teil<QPushButton>(*d, "Update_B_Download")->click();
        QVERIFY(versucht);
        QVERIFY(d->isVisible());
        QVERIFY(rec.eintraege.empty());
        QVERIFY(QFileInfo::exists(temp + QStringLiteral("Zel-mosV126.zip")));
        QVERIFY(teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        d->close();
        QVERIFY(!d->isVisible());
        QVERIFY(!QFileInfo::exists(dokumente));
    }

    void fehlendesArchiv() {
        test::MeldungsRecorder rec;
        server.antwort(versionsDatei, "123");
        server.antwort(QStringLiteral("/Uploads/Zel-mosV123.zip"), "<html>404</html>", "HTTP/1.0 404 Not Found");
        auto d = dialog();
        d->show();
        teil<QPushButton>(*d, "Update_B_Download")->click();
        QCOMPARE(rec.eintraege.size(), size_t(2));
        QCOMPARE(rec.eintraege[0].art, Art::Hinweis);
        QCOMPARE(rec.eintraege[0].text, QStringLiteral("HTTP-Fehler: 404"));
        QCOMPARE(rec.eintraege[1].art, Art::Standardfehler);
        QCOMPARE(rec.eintraege[1].text, QStringLiteral("Das Archiv \"%1\" kann nicht entpackt werden: Die Datei ist "
                                                       "kein ZIP-Archiv.")
                                            .arg(temp + QStringLiteral("Zel-mosV123.zip")));
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        QVERIFY(teil<QLabel>(*d, "Update_I_Download")->isVisible());
        QVERIFY(!teil<QLabel>(*d, "Update_I_DownloadOK")->isVisible());
        // the dialog made Documents and Temp: closing removes both again
        QVERIFY(QFileInfo::exists(temp));
        d->close();
        QVERIFY(!QFileInfo::exists(dokumente));
    }

    void versionsfehler_data() {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("vertrauen");
        QTest::addColumn<QString>("meldung");  // empty: any text
        QTest::newRow("keine Zahl") << QByteArray("HTTP/1.0 200 OK") << QByteArray("12a") << true
                                    << "'12a' ist kein gültiger Integerwert";
        QTest::newRow("Zeilenende") << QByteArray("HTTP/1.0 200 OK") << QByteArray("122\r\n") << true
                                    << "'122\r\n' ist kein gültiger Integerwert";
        QTest::newRow("Serverfehler") << QByteArray("HTTP/1.0 500 Internal Server Error") << QByteArray("122")
                                      << true << "HTTP/1.0 500 Internal Server Error";
        QTest::newRow("Zertifikat fremd") << QByteArray("HTTP/1.0 200 OK") << QByteArray("122") << false << "";
    }
    void versionsfehler() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, vertrauen);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        server.antwort(versionsDatei, inhalt, status);
        auto d = dialog(vertrauen);
        d->show();
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Standardfehler);
        if (meldung.isEmpty())
            QVERIFY(!rec.letzter().isEmpty());
        else
            QCOMPARE(rec.letzter(), meldung);
        QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), leer);
        QVERIFY(teil<QPushButton>(*d, "Update_B_Download")->isEnabled());
        QVERIFY(teil<QCheckBox>(*d, "Update_CB_ProgStart")->isEnabled());
        QVERIFY(d->VersionaufServer().isEmpty());  // nothing but a number goes into a file name
        QCOMPARE(d->DownloadOrdner(), temp);
    }

    void installerFehlt_data() {
        QTest::addColumn<int>("ergebnis");  // -1: really started
        QTest::addColumn<QString>("meldung");
        QTest::newRow("nicht entpackt") << -1 << "Fehler Updater: Datei wurde nicht gefunden.";
        QTest::newRow("Code 31") << 31 << "Fehler Updater: Ein Unbekannter Fehler ist aufgetreten. (31)";
        QTest::newRow("Code 3") << 3 << "Fehler Updater: Verzeichnis wurde nicht gefunden.";
    }
    void installerFehlt() {
        QFETCH(int, ergebnis);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("124"), {{QStringLiteral("andere.txt"), "x"}});
        // an installer in the current folder is not the one of the release
        QTemporaryDir aktuell;
        schreibe(aktuell.filePath(QStringLiteral("Updater1.exe")), "#!/bin/sh\n");
        QFile::setPermissions(aktuell.filePath(QStringLiteral("Updater1.exe")), QFile::ReadOwner | QFile::ExeOwner);
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(aktuell.path());
        auto d = dialog();
        if (ergebnis >= 0) d->starten = [ergebnis](const QString&) { return ergebnis; };
        d->show();
        teil<QPushButton>(*d, "Update_B_Download")->click();
        teil<QPushButton>(*d, "Update_B_Install")->click();
        QDir::setCurrent(vorher);
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Hinweis);
        QCOMPARE(rec.letzter(), meldung);
        QVERIFY(teil<QLabel>(*d, "Update_I_Install")->isVisible());
        QVERIFY(!teil<QLabel>(*d, "Update_I_InstallOK")->isVisible());
        d->close();
    }

    void archivMitPfadNachDraussen() {
        test::MeldungsRecorder rec;
        freigabe(QStringLiteral("125"), {{QStringLiteral("Updater1.exe"), "#!/bin/sh\n", 0755},
                                         {QStringLiteral("../x.txt"), "boese"}});
        auto d = dialog();
        d->show();
        teil<QPushButton>(*d, "Update_B_Download")->click();
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(rec.eintraege[0].art, Art::Standardfehler);
        QVERIFY2(rec.letzter().contains(QStringLiteral("unzulässigen Pfad \"../x.txt\"")), qPrintable(rec.letzter()));
        QVERIFY(!QFileInfo::exists(dokumente + QStringLiteral("/x.txt")));
        QVERIFY(!QFileInfo::exists(temp + QStringLiteral("Updater1.exe")));
        QVERIFY(!teil<QPushButton>(*d, "Update_B_Install")->isEnabled());
        d->close();
        QVERIFY(!QFileInfo::exists(dokumente));
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
        QCOMPARE(d->startpruefung(), gezeigt);
        QCOMPARE(d->isVisible(), gezeigt);
        QCOMPARE(int(rec.eintraege.size()), meldungen);
        if (meldungen) QCOMPARE(rec.eintraege[0].art, Art::Standardfehler);
        if (gezeigt) QCOMPARE(teil<QLabel>(*d, "Update_L_Verfuegbar")->text(), QStringLiteral("Update ist verfügbar"));
    }

    void starteProgrammGibtShellCodes() {
        QTemporaryDir ordner;
        const QString skript = ordner.filePath(QStringLiteral("lauf.sh"));
        const QString marke = ordner.filePath(QStringLiteral("lief"));
        schreibe(skript, "#!/bin/sh\ntouch '" + QFile::encodeName(marke) + "'\n");
        schreibe(ordner.filePath(QStringLiteral("text.txt")), "kein Programm");
        QFile::setPermissions(skript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(plattform::starteProgramm(ordner.filePath(QStringLiteral("fehlt/x.exe"))), 3);
        QCOMPARE(plattform::starteProgramm(ordner.filePath(QStringLiteral("x.exe"))), 2);
        QCOMPARE(plattform::starteProgramm(QString()), 2);
        QCOMPARE(plattform::starteProgramm(ordner.filePath(QStringLiteral("text.txt"))), 5);
        QCOMPARE(plattform::starteProgramm(ordner.path()), 5);
        QVERIFY(plattform::starteProgramm(skript) > 32);
        QTRY_VERIFY(QFileInfo::exists(marke));
    }

    void hauptfensterFragtNurMitOption_data() {
        QTest::addColumn<bool>("automatisch");
        QTest::newRow("an") << true;
        QTest::newRow("aus") << false;
    }
    void hauptfensterFragtNurMitOption() {
        QFETCH(bool, automatisch);
        test::MeldungsRecorder rec;  // the help file may be missing beside the test
        server.antwort(versionsDatei, "122");
        Hauptfenster f;
        OptionenDialog optionen(u',', &f);
        auto d = dialog();
        f.setzeDialoge(&optionen, nullptr, nullptr, d.get());
        optionen.autoUpdate()->setChecked(automatisch);
        server.abrufe();
        f.show();
        QCOMPARE(d->isVisible(), automatisch);
        // the start-up check and the dialog's own check; nothing at all without the option
        QCOMPARE(server.abrufe().size(), automatisch ? 2 : 0);
        d->hide();
    }
};

QTEST_MAIN(UpdateTest)
#include "update_guitest.moc"
