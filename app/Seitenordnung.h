// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keyboard order and names of a page's controls, found from where the page placed them, so that no
// page has to list them: Tab visits fields, groups and buttons in reading order (left to right, top to
// bottom, a group's controls together); a group of radio buttons is one stop whose arrow keys choose
// the item; a label that acts on a click is reached with Tab and clicked with Enter or Space; every
// entry field is named by its label for assistive technology.

#include <QList>

class QWidget;

namespace zelmo {

// Orders everything below bereich (run once the page is built).
void seiteOrdnen(QWidget* bereich);

// The stops of Tab below bereich in the order seiteOrdnen gives them (radio buttons included).
QList<QWidget*> tabHalte(QWidget* bereich);

}  // namespace zelmo
