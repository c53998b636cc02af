// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Info" (TForm3): program name, version and build, notes, credits, web page and mail links, the
// button that opens the update dialog.

#include <functional>

#include "dialogs/Dialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zelmo {

inline const QString webSeite = QStringLiteral("https://www.qr2zux.example/zelmotron/");
inline const QString autorAdresse = QStringLiteral("autor@qr2zux.example");
// The mail link: address, subject and body as the author wants to receive them.
QString mailLink();

class InfoDialog : public Dialog {
    Q_OBJECT
public:
    explicit InfoDialog(QWidget* parent = nullptr);

    // "nach Updates sehen" shows the update dialog.
    std::function<void()> updatesZeigen;
    // Opening a URL; by default the desktop's program for it (tests install a recorder).
    std::function<void(const QString&)> oeffnen;

    bool creditsSichtbar() const { return m_memos; }

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void CreditsClick();

    bool m_memos = false;
    QLabel* m_build;
    QPushButton* m_credits;
    QPlainTextEdit* m_memo1;
    QPlainTextEdit* m_memo2;
    QLabel* m_web;
    QLabel* m_mail;
};

}  // namespace zelmo
