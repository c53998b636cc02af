// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The frame every calculator page shares: pale green outer panel, bevelled inner panel holding the
// page, and along its bottom "Berechnung nach Drücken der Enter-Taste" and the help link.

#include <QColor>
#include <QWidget>

class QLabel;

namespace zelmo {
class Hilfeverweis;
}

namespace zelmo {

inline const QColor seitenGruen{216, 233, 216};  // $00D8E9D8

class Seitenrahmen : public QWidget {
    Q_OBJECT
public:
    // hilfeLabel / hilfeBild are the objectNames of the help link ("LHilfe_R", "IHilfe_R").
    Seitenrahmen(QWidget* seite, const QString& hilfeLabel, const QString& hilfeBild, int kontext);

    // The area a page's content fills (inside the inner panel, above the bottom line).
    QWidget* inhalt() const { return m_inhalt; }
    int kontext() const { return m_kontext; }

signals:
    void hilfeAngefordert(int kontext);

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* m_innen;
    QWidget* m_inhalt;
    QLabel* m_enter;
    Hilfeverweis* m_hilfe;
    QLabel* m_bild;
    int m_kontext;
    bool m_geordnet = false;
};

}  // namespace zelmo
