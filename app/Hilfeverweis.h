// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Hilfe" link at the bottom of every page: a click, or Enter or Space while it has the focus,
// asks for the page's help.

#include <QLabel>

namespace zelmo {

class Hilfeverweis : public QLabel {
    Q_OBJECT
public:
    Hilfeverweis(const QString& name, QWidget* parent);

    void ausloesen() { emit ausgeloest(); }

signals:
    void ausgeloest();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace zelmo
