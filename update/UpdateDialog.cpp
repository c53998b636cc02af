// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/UpdateDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <limits>

#include "fields/Bausteine.h"
#include "net/aktualisierer.h"
#include "net/aktualisierung.h"

namespace zelmo {

using Art = Meldungen::Art;

QLabel* UpdateDialog::bild(QWidget* eltern, const QString& name, const QString& datei, QPoint ort, bool sichtbar) {
    auto* b = new QLabel(eltern);
    b->setObjectName(name);
    b->setGeometry(ort.x(), ort.y(), 24, 24);
    b->setPixmap(m_dienste.bildsymbol(datei).pixmap(24, 24));
    b->setVisible(sichtbar);
    return b;
}

UpdateDialog::UpdateDialog(Updatedienste& dienste, QWidget* parent) : QDialog(parent), m_dienste(dienste) {
    m_dienste.alsDialog(*this, QStringLiteral("TForm9"), QStringLiteral("Update"), {241, 279});
    m_aktualisierer = new net::Aktualisierer(this);
    starten = [this](const QString& pfad) { return m_dienste.starteProgramm(pfad); };
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
    m_install->setIcon(m_dienste.bildsymbol(QStringLiteral(":/schild.svg")));  // needs administrator rights
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

    connect(m_aktualisierer, &net::Aktualisierer::versionGeprueft, this, &UpdateDialog::versionErhalten);
    connect(m_aktualisierer, &net::Aktualisierer::fortschritt, this, &UpdateDialog::balken);
    connect(m_aktualisierer, &net::Aktualisierer::entpackFortschritt, this, [this](int promille) {
        m_fortschritt->setMaximum(1000);
        m_fortschritt->setValue(promille);
    });
    connect(m_aktualisierer, &net::Aktualisierer::heruntergeladen, this, &UpdateDialog::heruntergeladen);
}

UpdateDialog::~UpdateDialog() {
    // a transfer still running ends here and the private folder goes
    m_aktualisierer->aufraeumen();
}

void UpdateDialog::startpruefung() {
    if (isVisible()) return;  // the dialog checks for itself
    m_startpruefung = true;
    m_aktualisierer->pruefeVersion();
}

void UpdateDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();  // not when the desktop merely restores the window
}

void UpdateDialog::FormShow() {
    m_programmOrdner = m_dienste.programmOrdner() + u'/';
    // each showing starts afresh: nothing downloaded, nothing to install until the check answers
    m_aktualisierer->aufraeumen();
    m_timer->stop();
    m_fortschritt->setValue(0);
    m_bildDownload->show();
    m_bildDownloadOK->hide();
    m_bildInstall->show();
    m_bildInstallOK->hide();
    m_install->setEnabled(false);
    if (m_versionBekannt) {
        // the start-up check brought this showing: its answer is on the label already
        m_versionBekannt = false;
        m_download->setEnabled(true);
        m_progStart->setEnabled(true);
        emit versionGeprueft();
        return;
    }
    m_verfuegbar->setText(QStringLiteral("           ---"));
    m_version = 0;
    m_download->setEnabled(false);
    m_progStart->setEnabled(false);
    m_aktualisierer->pruefeVersion();
}

void UpdateDialog::versionErhalten(int version, const QString& fehler) {
    const bool start = m_startpruefung && !isVisible();
    m_startpruefung = false;
    if (!fehler.isEmpty()) {
        // label and buttons stay as they are: nothing can be downloaded
        melde(Art::Standardfehler, fehler);
        emit versionGeprueft();
        return;
    }
    if (start) {
        if (version > net::VersiondiesesProg) {
            m_version = version;
            m_verfuegbar->setText(QStringLiteral("Update ist verfügbar"));
            m_versionBekannt = true;
            show();
        }
        emit versionGeprueft();
        return;
    }
    if (version > net::VersiondiesesProg) {
        m_version = version;
        m_verfuegbar->setText(QStringLiteral("Update ist verfügbar"));
        m_download->setEnabled(true);
        m_progStart->setEnabled(true);
    } else {
        m_version = 0;
        m_verfuegbar->setText(QStringLiteral("Programm ist aktuell"));
        m_download->setEnabled(false);
        m_progStart->setEnabled(false);
    }
    emit versionGeprueft();
}

QString UpdateDialog::VersionaufServer() const { return m_version > 0 ? QString::number(m_version) : QString(); }

QString UpdateDialog::DownloadOrdner() const { return m_aktualisierer->ordner(); }

void UpdateDialog::balken(qint64 bisher, qint64 erwartet) {
    if (bisher == 0) {
        m_teiler = 1;
        while (erwartet / m_teiler > std::numeric_limits<int>::max()) m_teiler *= 1024;
        m_fortschritt->setMaximum(erwartet < 0 ? 0 : int(erwartet / m_teiler));
    }
    m_fortschritt->setValue(int(std::min<qint64>(bisher / m_teiler, std::numeric_limits<int>::max())));
}

void UpdateDialog::Update_B_DownloadClick() {
    if (m_version <= net::VersiondiesesProg || m_aktualisierer->laedt()) return;
    m_download->setEnabled(false);
    m_install->setEnabled(false);
    m_bildDownload->show();
    m_bildDownloadOK->hide();
    m_fortschritt->setValue(0);
    m_aktualisierer->ladeHerunter(m_version);
}

void UpdateDialog::heruntergeladen(const QString& fehler, int httpStatus) {
    m_fortschritt->setValue(0);
    m_download->setEnabled(true);
    if (!fehler.isEmpty()) {
        if (httpStatus)
            melde(Art::Hinweis, fehler);
        else
            melde(Art::Standardfehler, fehler);
        emit downloadBeendet();
        return;
    }
    m_bildDownload->hide();
    m_bildDownloadOK->show();
    m_install->setEnabled(true);
    emit downloadBeendet();
}

void UpdateDialog::Update_B_InstallClick() {
    // only the installer of this showing's verified archive, and only while it is still a file
    const QString installer = m_aktualisierer->installer();
    const QFileInfo info(installer);
    if (installer.isEmpty() || info.isSymLink() || !info.isFile()) {
        melde(Art::Hinweis, QStringLiteral("Fehler Updater: ") + net::ShellExecuteErrorMessage(2));
        return;
    }
    const int ergebnis = starten(installer);
    if (ergebnis <= 32) {
        melde(Art::Hinweis, QStringLiteral("Fehler Updater: ") + net::ShellExecuteErrorMessage(ergebnis));
        return;
    }
    m_bildInstall->hide();
    m_bildInstallOK->show();
    if (m_progStart->isChecked()) m_timer->start();
}

void UpdateDialog::Timer1Timer() {
    m_timer->stop();
    const int ergebnis = starten(m_programmOrdner + net::programmName(m_version));
    if (ergebnis <= 32) {
        melde(Art::Hinweis, QStringLiteral("Fehler Start: ") + net::ShellExecuteErrorMessage(ergebnis));
        return;
    }
    // at once: this run's settings and data files are not written
    beenden();
}

void UpdateDialog::done(int r) {
    FormClose();
    QDialog::done(r);
}

void UpdateDialog::FormClose() {
    // a running transfer or unpacking stops; the private folder goes, and nothing else
    m_aktualisierer->aufraeumen();
}

}  // namespace zelmo
