#pragma once
// "Update" (TForm9): version check, download and installation of a new release. The dialog also
// owns the HTTPS client of the program (the start-up check uses it too).

#include <QStringList>
#include <functional>

#include "dialogs/Dialog.h"
#include "net/http.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zelmo {

class UpdateDialog : public Dialog {
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget* parent = nullptr);

    // The HTTPS client (base URL of the update server, CA file).
    net::HttpClient& http() { return m_http; }

    // The start-up check: asks the server for its version and shows the dialog when it is newer
    // than this build. Failures go to the standard error box. True when the dialog was shown.
    bool startpruefung();

    // Starts a program file and returns the shell-like result (above 32: started); tests replace it.
    std::function<int(const QString&)> starten;
    // Ends this program once the new version runs; tests replace it.
    std::function<void()> beenden;

    const QString& VersionaufServer() const { return m_versionAufServer; }
    // Download and unpack folder: the documents folder + "/Temp/".
    const QString& DownloadOrdner() const { return m_downloadOrdner; }
    // The program's folder with a trailing separator.
    const QString& ProgrammOrdner() const { return m_programmOrdner; }
    // Files this dialog downloaded or unpacked and not yet removed.
    const QStringList& eigeneDateien() const { return m_dateien; }

    void FormShow();
    void Update_B_DownloadClick();
    void Update_B_InstallClick();
    void Timer1Timer();
    void FormClose();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    void merkeDatei(const QString& pfad);

    net::HttpClient m_http;
    QString m_versionAufServer;
    QString m_downloadOrdner;
    QString m_programmOrdner;
    QStringList m_dateien;  // downloaded or unpacked by us
    QStringList m_ordner;   // created by us, parents first
    bool m_laedt = false;   // a download is running (the window repaints meanwhile)
    qint64 m_teiler = 1;    // bytes per step of the progress bar (its range is an int)

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
