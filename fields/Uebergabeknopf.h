// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The small glyph button beside a computed resistance that hands it to the tolerance page. It shows
// no text: assistive technology names it by its hint.

#include <QToolButton>

namespace zelmo {

class Uebergabeknopf : public QToolButton {
    Q_OBJECT
public:
    Uebergabeknopf(const QString& name, const QString& hinweis, QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override;
};

}  // namespace zelmo
