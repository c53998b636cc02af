// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keyboard order and names of a page's controls, found from where the page placed them, so that no
// page has to list them: Tab visits fields, groups and buttons in reading order (left to right, top to
// bottom, a group's controls together); a group of radio buttons is one stop whose arrow keys choose
// the item; a label that acts on a click is reached with Tab and clicked with Enter or Space; every
// entry field is named by its label for assistive technology.

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace zelmo {

// Orders everything below bereich (run once the page is built).
void seiteOrdnen(QWidget* bereich);

// The stops of Tab below bereich in the order seiteOrdnen gives them (radio buttons included).
QList<QWidget*> tabHalte(QWidget* bereich);

// A label's text as it reads (rich text as plain text).
QString klartext(const QLabel* l);

// A label that acts on a click (a pointing-hand cursor and text say so): a link for the keyboard and for
// assistive technology.
bool istKlickLabel(const QLabel* l);
// Clicks such a label in its middle, as the mouse does.
void klicken(QWidget* w);

}  // namespace zelmo
