// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The entry point of the help viewer: F1 and the help links ask it for the topic of a context number.
// It holds only the help file's name until the first topic is asked for; then it builds the viewer
// window (platform/Hilfefenster), which opens the help file. Nothing of the viewer runs at start-up.

#include <QString>
#include <memory>

class QTextBrowser;
class QWidget;

namespace zelmo {

class Hilfefenster;

class Hilfeanzeige {
public:
    // datei: the help file; parent: the window the viewer belongs to (may be nullptr).
    explicit Hilfeanzeige(const QString& datei, QWidget* parent = nullptr);
    ~Hilfeanzeige();
    Hilfeanzeige(const Hilfeanzeige&) = delete;
    Hilfeanzeige& operator=(const Hilfeanzeige&) = delete;

    // Shows the topic of a context number; false (with a message) when the file or topic is missing.
    bool zeige(int kontext);

    // The viewer window, built on first use.
    Hilfefenster* fenster();
    QTextBrowser* browser();
    // The topic shown last ("widerstand.htm"); empty before the first.
    QString thema() const;
    bool isVisible() const;

private:
    QString m_datei;
    QWidget* m_parent;
    std::unique_ptr<Hilfefenster> m_fenster;
};

}  // namespace zelmo
