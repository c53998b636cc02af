// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawing of the SMD-code sub-page: a chip resistor (black body, white print, tinned end caps) or a
// ceramic disc capacitor with its code printed on it. Painted as vectors in logical coordinates and
// scaled to the widget, so that it stays crisp at any size and device pixel ratio.

#include <QSizeF>
#include <QString>
#include <QWidget>

namespace zelmo {

class SmdBild : public QWidget {
    Q_OBJECT
public:
    // The drawing's logical size.
    static constexpr QSizeF Groesse{350, 136};

    SmdBild(const QString& name, QWidget* parent);

    // A chip resistor with the code on it (an empty code: a chip without print).
    void zeigeChip(const QString& code);
    // A disc capacitor: the value code with its tolerance letter, below it the voltage code.
    void zeigeKondensator(const QString& wertcode, const QString& spannungscode);

    bool istKondensator() const { return m_kondensator; }
    // The print as it stands on the part, lines separated by "\n".
    QString aufdruck() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void chipMalen(class QPainter& p) const;
    void kondensatorMalen(class QPainter& p) const;

    bool m_kondensator = false;
    QString m_zeile1;
    QString m_zeile2;
};

}  // namespace zelmo
