// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A filled shape whose brush colour is state: rings of the colour codes, coloured markers.

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace zelmo {

// A colour written as $00BBGGRR.
inline QColor farbeBGR(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

class Ringform : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor farbe READ farbe WRITE setFarbe)
public:
    enum class Form { Rechteck, Abgerundet, Ellipse };

    explicit Ringform(const QString& name, QWidget* parent = nullptr, Form form = Form::Rechteck);

    QColor farbe() const { return m_farbe; }
    void setFarbe(const QColor& c);
    Form form() const { return m_form; }
    void setForm(Form f);
    // Outline colour; an invalid colour draws no outline.
    void setRand(const QColor& c);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_farbe = Qt::white;
    QColor m_rand = Qt::black;
    Form m_form;
};

}  // namespace zelmo
