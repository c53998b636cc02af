#include "dialogs/UpdateDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTimer>
#include <limits>

#include "fields/Meldungen.h"
#include "net/aktualisierung.h"
#include "net/zipentpacken.h"
#include "platform/Plattform.h"

namespace zelmo {

namespace {
QLabel* bild(QWidget* eltern, const QString& name, const QString& datei, QPoint ort, bool sichtbar) {
    auto* b = new QLabel(eltern);
    b->setObjectName(name);
    b->setGeometry(ort.x(), ort.y(), 24, 24);
    b->setPixmap(QIcon(datei).pixmap(24, 24));
    b->setVisible(sichtbar);
    return b;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, QRect platz) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setGeometry(platz);
    return k;
}

QString dokumenteOrdner() {
    QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (d.isEmpty()) d = QDir::homePath() + QStringLiteral("/Documents");
    return QDir::cleanPath(d);
}
}  // namespace

UpdateDialog::UpdateDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm9"), QStringLiteral("Update"), {241, 279}, parent) {
    m_http.setzeBasis(net::updateServer);
    starten = [](const QString& pfad) { return plattform::starteProgramm(pfad); };
    beenden = [] { QCoreApplication::exit(0); };

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 225, 226);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);

    m_verfuegbar = new QLabel(QStringLiteral("           ---"), panel);
    m_verfuegbar->setObjectName(QStringLiteral("Update_L_Verfuegbar"));
    m_verfuegbar->setGeometry(1, 14, 223, 28);
    m_verfuegbar->setAlignment(Qt::AlignCenter);
    QFont gross = m_verfuegbar->font();
    gross.setPixelSize(19);
    m_verfuegbar->setFont(gross);

    m_download = knopf(panel, QStringLiteral("Update_B_Download"), QStringLiteral("Download"), {30, 58, 114, 27});
    m_bildDownload = bild(panel, QStringLiteral("Update_I_Download"), QStringLiteral(":/download.svg"), {164, 59}, true);
    m_bildDownloadOK = bild(panel, QStringLiteral("Update_I_DownloadOK"), QStringLiteral(":/haken.svg"), {164, 59}, false);
    m_fortschritt = new QProgressBar(panel);
    m_fortschritt->setObjectName(QStringLiteral("Update_PB_Download"));
    m_fortschritt->setGeometry(30, 90, 114, 10);
    m_fortschritt->setTextVisible(false);
    m_fortschritt->setRange(0, 100);
    m_fortschritt->setValue(0);

    m_install = knopf(panel, QStringLiteral("Update_B_Install"), QStringLiteral("Installieren"), {30, 124, 114, 27});
    m_install->setIcon(QIcon(QStringLiteral(":/schild.svg")));  // needs administrator rights
    m_install->setIconSize({16, 16});
    m_install->setEnabled(false);
    m_bildInstall = bild(panel, QStringLiteral("Update_I_Install"), QStringLiteral(":/zahnrad.svg"), {164, 125}, true);
    m_bildInstallOK = bild(panel, QStringLiteral("Update_I_InstallOK"), QStringLiteral(":/haken.svg"), {164, 125}, false);

    m_progStart = new QCheckBox(QStringLiteral("Programm starten"), panel);
    m_progStart->setObjectName(QStringLiteral("Update_CB_ProgStart"));
    m_progStart->setGeometry(30, 178, 160, 20);

    auto* fertig = knopf(this, QStringLiteral("Button1"), QStringLiteral("Fertig"), {80, 244, 81, 27});
    connect(fertig, &QPushButton::clicked, this, &QWidget::close);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &UpdateDialog::Timer1Timer);

    connect(m_download, &QPushButton::clicked, this, &UpdateDialog::Update_B_DownloadClick);
    connect(m_install, &QPushButton::clicked, this, &UpdateDialog::Update_B_InstallClick);
}

bool UpdateDialog::startpruefung() {
    try {
        const QString text = m_http.holeText(net::versionsDatei);
        const std::optional<int> version = net::versionAusText(text);
        if (!version) {
            Meldungen::standardFehler(net::meldungKeinInteger(text));
            return false;
        }
        if (*version <= net::VersiondiesesProg) return false;
    } catch (const net::HttpFehler& f) {
        Meldungen::standardFehler(f.text());
        return false;
    }
    show();
    return true;
}

void UpdateDialog::showEvent(QShowEvent* e) {
    Dialog::showEvent(e);
    if (!e->spontaneous()) FormShow();  // not when the desktop merely restores the window
}

void UpdateDialog::FormShow() {
    // the folders first: a failed check must not leave them empty for a later download
    m_downloadOrdner = dokumenteOrdner() + QStringLiteral("/Temp/");
    m_programmOrdner = plattform::programmOrdner() + u'/';
    try {
        const QString text = m_http.holeText(net::versionsDatei);
        const std::optional<int> version = net::versionAusText(text);
        if (!version) {
            Meldungen::standardFehler(net::meldungKeinInteger(text));
            return;
        }
        // only a number goes into the file names
        m_versionAufServer = text;
        if (*version > net::VersiondiesesProg) {
            m_verfuegbar->setText(QStringLiteral("Update ist verfügbar"));
        } else {
            m_verfuegbar->setText(QStringLiteral("Programm ist aktuell"));
            m_download->setEnabled(false);
            m_progStart->setEnabled(false);
        }
    } catch (const net::HttpFehler& f) {
        Meldungen::standardFehler(f.text());
    }
}

void UpdateDialog::merkeDatei(const QString& pfad) {
    const QString p = QDir::cleanPath(pfad);
    if (!m_dateien.contains(p)) m_dateien << p;
}

void UpdateDialog::Update_B_DownloadClick() {
    // 1: the folder, with its missing parents (each one noted, so that closing can remove it again)
    QStringList neu;
    for (QString p = QDir::cleanPath(m_downloadOrdner); !QFileInfo::exists(p); p = QFileInfo(p).path()) neu.prepend(p);
    for (const QString& p : neu) {
        if (!QDir().mkdir(p)) {
            Meldungen::standardFehler(
                QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(QDir::toNativeSeparators(p)));
            return;
        }
        m_ordner << p;
    }

    // 2 and 3: the archive
    const QString archiv = m_downloadOrdner + net::archivName(m_versionAufServer);
    {
        QFile datei(archiv);
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            Meldungen::standardFehler(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
                                          .arg(QDir::toNativeSeparators(archiv), datei.errorString()));
            return;
        }
        merkeDatei(archiv);
        net::Fortschritt fortschritt;
        fortschritt.beginn = [this](qint64 erwartet) {
            m_teiler = 1;
            while (erwartet / m_teiler > std::numeric_limits<int>::max()) m_teiler *= 1024;
            m_fortschritt->setMaximum(erwartet < 0 ? 0 : int(erwartet / m_teiler));
            m_fortschritt->setValue(0);
        };
        fortschritt.laufend = [this](qint64 bisher) {
            m_fortschritt->setValue(int(std::min<qint64>(bisher / m_teiler, std::numeric_limits<int>::max())));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        };
        fortschritt.ende = [this] { m_fortschritt->setValue(0); };
        m_laedt = true;
        const auto fertig = qScopeGuard([this] { m_laedt = false; });
        try {
            m_http.holeDatei(net::archivPfad(m_versionAufServer), datei, fortschritt);
        } catch (const net::ProtokollFehler& f) {
            Meldungen::hinweis(QStringLiteral("HTTP-Fehler: ") + QString::number(f.status()));
        } catch (const net::HttpFehler& f) {
            Meldungen::standardFehler(f.text());
            return;
        }
    }  // 4: the file is closed before it is unpacked

    net::Entpackt entpackt;
    try {
        net::zipEntpacken(archiv, m_downloadOrdner, entpackt);
    } catch (const net::ZipFehler& f) {
        for (const QString& d : entpackt.dateien) merkeDatei(d);
        m_ordner << entpackt.ordner;
        Meldungen::standardFehler(f.text());
        return;
    }
    for (const QString& d : entpackt.dateien) merkeDatei(d);
    m_ordner << entpackt.ordner;

    // 5
    m_bildDownload->hide();
    m_bildDownloadOK->show();
    m_install->setEnabled(true);
}

void UpdateDialog::Update_B_InstallClick() {
    // the installer was unpacked into the download folder
    const int ergebnis = starten(m_downloadOrdner + net::installerName);
    if (ergebnis <= 32) {
        Meldungen::hinweis(QStringLiteral("Fehler Updater: ") + net::ShellExecuteErrorMessage(ergebnis));
        return;
    }
    m_bildInstall->hide();
    m_bildInstallOK->show();
    if (m_progStart->isChecked()) m_timer->start();
}

void UpdateDialog::Timer1Timer() {
    m_timer->stop();
    const int ergebnis = starten(m_programmOrdner + net::programmName(m_versionAufServer));
    if (ergebnis <= 32) {
        Meldungen::hinweis(QStringLiteral("Fehler Start: ") + net::ShellExecuteErrorMessage(ergebnis));
        return;
    }
    // at once: this run's settings and data files are not written
    beenden();
}

void UpdateDialog::done(int r) {
    if (m_laedt) return;  // the window stays until the download it is writing has ended
    FormClose();
    Dialog::done(r);
}

void UpdateDialog::FormClose() {
    // Only what this dialog put into the folder goes: the user may keep files of his own there.
    for (auto i = m_dateien.crbegin(); i != m_dateien.crend(); ++i) QFile::remove(*i);
    m_dateien.clear();
    // folders we created, children first, and only while empty
    for (auto i = m_ordner.crbegin(); i != m_ordner.crend(); ++i) QDir().rmdir(*i);
    m_ordner.clear();
}

}  // namespace zelmo
