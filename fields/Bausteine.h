// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small building blocks the pages place with fixed geometry.

#include <QColor>
#include <QRect>
#include <QString>
#include <initializer_list>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zelmo {

inline const QColor geldgruen{192, 220, 192};  // clMoneyGreen, $00C0DCC0

// A label with its text at a place; name becomes its objectName when given.
QLabel* beschriftung(QWidget* eltern, const QString& text, QRect platz, const QString& name = {});
// A push button with its text at a place, named (objectName).
QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, QRect platz);
// A read-only result field, right-aligned.
QLineEdit* anzeigefeld(QWidget* eltern, const QString& name, QRect platz);
// A panel filled with a colour (raised border unless flach).
QFrame* farbpanel(QWidget* eltern, const QString& name, QRect platz, const QColor& farbe, bool flach = false);
// Names a control for assistive technology by the labels that stand for it, read together (a letter
// and its index written as a small label after it: "Spannung U" and "BE" give "Spannung UBE"). Called
// again whenever the labels change.
void benennenNach(QWidget* feld, std::initializer_list<const QLabel*> beschriftungen);
// Gives a widget a filled background of the colour.
void hintergrund(QWidget* w, const QColor& farbe);

}  // namespace zelmo
