// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Update" (TForm9): version check, download and installation of a new release. The work itself is
// done by net::Aktualisierer in the background: the dialog and the main window repaint and take
// input meanwhile, and "Fertig" or closing cancels whatever runs and removes the private download
// folder. Only an archive signed with the release key reaches "Installieren".
//
// The dialog lives in the update module, which links none of the program's code: the program's
// messages, artwork, dialog look and desktop reach it through the Updatedienste it is built with.

#include <QDialog>
#include <QString>
#include <functional>

#include "dialogs/Updatefenster.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zelmo {

namespace net {
class Aktualisierer;
}

class UpdateDialog : public QDialog, public Updatefenster {
    Q_OBJECT
public:
    // dienste: the program's services, which outlive the dialog
    explicit UpdateDialog(Updatedienste& dienste, QWidget* parent = nullptr);
    ~UpdateDialog() override;

    void zeigen() override { show(); }
    // The start-up check: asks the server for its version in the background and shows the dialog
    // when it publishes a valid, newer version than this build. Failures go to the standard error box.
    void startpruefung() override;

    // Starts a program file and returns the shell-like result (above 32: started); tests replace it.
    std::function<int(const QString&)> starten;
    // Ends this program once the new version runs; tests replace it.
    std::function<void()> beenden;

    // The version the server published, as a number ("" before a valid answer).
    QString VersionaufServer() const;
    // The private download and unpack folder with a trailing separator (empty before a download).
    QString DownloadOrdner() const;
    // The program's folder with a trailing separator.
    const QString& ProgrammOrdner() const { return m_programmOrdner; }

    void FormShow();
    void Update_B_DownloadClick();
    void Update_B_InstallClick();
    void Timer1Timer();
    void FormClose();

signals:
    // The version check of this showing has ended (for the start-up check and the tests).
    void versionGeprueft();
    // Download, signature check and unpacking have ended, well or not.
    void downloadBeendet();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    void versionErhalten(int version, const QString& fehler);
    void heruntergeladen(const QString& fehler, int httpStatus);
    void balken(qint64 bisher, qint64 gesamt);

    void melde(Meldungen::Art art, const QString& text) { m_dienste.melde(art, text); }
    QLabel* bild(QWidget* eltern, const QString& name, const QString& datei, QPoint ort, bool sichtbar);

    Updatedienste& m_dienste;
    net::Aktualisierer* m_aktualisierer;
    bool m_startpruefung = false;   // a start-up check runs (the dialog is not shown yet)
    bool m_versionBekannt = false;  // the start-up check found m_version, the showing need not ask again
    int m_version = 0;             // the newer version of this showing, 0: none
    QString m_programmOrdner;
    qint64 m_teiler = 1;  // bytes per step of the progress bar (its range is an int)

    QLabel* m_verfuegbar;
    QPushButton* m_download;
    QLabel* m_bildDownload;
    QLabel* m_bildDownloadOK;
    QProgressBar* m_fortschritt;
    QPushButton* m_install;
    QLabel* m_bildInstall;
    QLabel* m_bildInstallOK;
    QCheckBox* m_progStart;
    QTimer* m_timer;
};

}  // namespace zelmo
